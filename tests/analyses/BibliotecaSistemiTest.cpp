#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "analyses/BibliotecaSistemi.h"

using namespace quorvane;

namespace {
// Counts, for every pair of base numbers, the rows that hold both.
std::vector<int> incontri(const DisegnoSistema& s) {
    std::vector<int> volte(91 * 91, 0);
    for (const auto& r : s.righe)
        for (std::size_t i = 0; i < r.size(); ++i)
            for (std::size_t j = i + 1; j < r.size(); ++j) ++volte[r[i] * 91 + r[j]];
    return volte;
}
}  // namespace

TEST(BibliotecaSistemi, OgniCoppiaDiNumeriBaseStaInUnaSolaRiga) {
    const auto biblioteca = bibliotecaSistemi();
    ASSERT_EQ(biblioteca.size(), 16u);
    for (const auto& s : biblioteca) {
        SCOPED_TRACE(s.denominazione);
        const auto volte = incontri(s);
        for (int a = 1; a <= s.numeri; ++a)
            for (int b = a + 1; b <= s.numeri; ++b) ASSERT_EQ(volte[a * 91 + b], 1) << a << "," << b;
        for (const auto& r : s.righe) {
            EXPECT_EQ(static_cast<int>(r.size()), s.sviluppo);
            EXPECT_TRUE(std::set<int>(r.begin(), r.end()).size() == r.size());
            EXPECT_GE(r.front(), 1);
            EXPECT_LE(r.back(), s.numeri);
        }
    }
}

TEST(BibliotecaSistemi, GliSchemiAttesiStannoNellaFinestraInOrdineDiGrandezza) {
    // (numbers, rows, numbers per row) in list order.
    const std::vector<std::tuple<int, std::size_t, int>> attesi = {
        {7, 7, 3},   {9, 12, 3},  {13, 13, 4}, {13, 26, 3}, {15, 35, 3}, {16, 20, 4},
        {19, 57, 3}, {21, 21, 5}, {21, 70, 3}, {25, 30, 5}, {31, 31, 6}, {49, 56, 7},
        {57, 57, 8}, {64, 72, 8}, {73, 73, 9}, {81, 90, 9}};
    const auto biblioteca = bibliotecaSistemi();
    ASSERT_EQ(biblioteca.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i) {
        const auto& s = biblioteca[i];
        EXPECT_EQ(std::tuple(s.numeri, s.righe.size(), s.sviluppo), attesi[i]) << i;
        EXPECT_LE(s.righe.size(), 99u);
    }
    EXPECT_EQ(biblioteca[0].denominazione,
              "7 numeri in 7 righe da 3 (piano proiettivo d'ordine 2), ambo garantito");
    EXPECT_EQ(biblioteca[15].denominazione,
              "81 numeri in 90 righe da 9 (piano affine d'ordine 9), ambo garantito");
}

TEST(BibliotecaSistemi, LaMascheraSegnaLePosizioniDeiNumeri) {
    const std::string m = mascheraRiga({1, 45, 90});
    ASSERT_EQ(m.size(), 90u);
    EXPECT_EQ(m[0], 'X');
    EXPECT_EQ(m[44], 'X');
    EXPECT_EQ(m[89], 'X');
    EXPECT_EQ(std::count(m.begin(), m.end(), 'X'), 3);
}
