#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "analyses/BibliotecaSistemi.h"

using namespace quorvane;

// That every pair meets exactly once is proved on the stored systems (DatabaseSistemiTest).
TEST(BibliotecaSistemi, GliSchemiAttesiStannoNellaFinestraInOrdineDiGrandezza) {
    // (numbers, rows, numbers per row) in list order.
    const std::vector<std::tuple<int, std::size_t, int>> attesi = {
        {7, 7, 3},   {9, 12, 3},  {13, 13, 4}, {13, 26, 3}, {15, 35, 3}, {16, 20, 4}, {19, 57, 3}, {21, 21, 5},
        {21, 70, 3}, {25, 30, 5}, {31, 31, 6}, {49, 56, 7}, {57, 57, 8}, {64, 72, 8}, {73, 73, 9}, {81, 90, 9}};
    const auto biblioteca = bibliotecaSistemi();
    ASSERT_EQ(biblioteca.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i) {
        const auto& s = biblioteca[i];
        EXPECT_EQ(std::tuple(s.numeri, s.righe.size(), s.sviluppo), attesi[i]) << i;
        EXPECT_LE(s.righe.size(), 99u);
    }
    EXPECT_EQ(biblioteca[0].denominazione, "7 numeri in 7 righe da 3 (piano proiettivo d'ordine 2), ambo garantito");
    EXPECT_EQ(biblioteca[15].denominazione, "81 numeri in 90 righe da 9 (piano affine d'ordine 9), ambo garantito");
}
