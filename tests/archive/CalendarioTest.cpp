#include <gtest/gtest.h>

#include "archive/Calendario.h"
#include "core/Colori.h"

using namespace quorvane;

namespace {

std::vector<std::string> riga(const Griglia& g, int r) {
    std::vector<std::string> testi;
    for (int c = 1; c < g.colonne(); ++c) testi.push_back(g.testo(r, c));
    return testi;
}

// Tue 03/01, Thu 05/01, Sat 07/01, Sat 04/02 and Fri 31/03/2023, with draws of other years.
Griglia calendario2023() {
    Griglia fg1("fg1");
    riempiCalendario(
        fg1, 2023,
        {{2022, 12, 31}, {2023, 1, 3}, {2023, 1, 5}, {2023, 1, 7}, {2023, 2, 4}, {2023, 3, 31}, {2024, 1, 2}});
    return fg1;
}

}  // namespace

TEST(Calendario, MesiPerGiorniConIlGiornoDellaSettimana) {
    const Griglia fg1 = calendario2023();
    EXPECT_EQ(fg1.nome(), "fg1");
    ASSERT_EQ(fg1.righe(), 4);
    EXPECT_EQ(riga(fg1, 0), (std::vector<std::string>{"A", "M", "3", "4", "5", "7", "31"}));
    EXPECT_EQ(riga(fg1, 1), (std::vector<std::string>{"2023", "1", "3", "", "5", "7", ""}));
    EXPECT_EQ(riga(fg1, 2), (std::vector<std::string>{"2023", "2", "", "7", "", "", ""}));
    EXPECT_EQ(riga(fg1, 3), (std::vector<std::string>{"2023", "3", "", "", "", "", "6"}));
    EXPECT_TRUE(fg1.grassetto(3, 1) && fg1.grassetto(1, 2));
    EXPECT_FALSE(fg1.grassetto(1, 3));
    EXPECT_EQ(fg1.sfondo(2, 1), 12648447);
    EXPECT_EQ(fg1.sfondo(2, 2), 12648384);
    EXPECT_EQ(fg1.sfondo(2, 3), std::nullopt);
    EXPECT_EQ(fg1.allineamentoColonna(5), Allineamento::Centro);
    // The latest draw of the last month is the current cell.
    EXPECT_EQ(fg1.rigaCorrente(), 3);
    EXPECT_EQ(fg1.colonnaCorrente(), 7);

    Griglia lettere = fg1;
    lettereGiorniSettimana(lettere);
    EXPECT_EQ(riga(lettere, 1), (std::vector<std::string>{"2023", "1", "M", "", "G", "S", ""}));
    EXPECT_EQ(lettere.testo(3, 7), "V");
    Griglia domenica("fg1");
    riempiCalendario(domenica, 2000, {{2000, 1, 2}, {2000, 1, 5}, {2000, 1, 3}});
    lettereGiorniSettimana(domenica);
    EXPECT_EQ(riga(domenica, 1), (std::vector<std::string>{"2000", "1", "D", "L", "m"}));
}

TEST(Calendario, AnnoSenzaEstrazioni) {
    Griglia fg1 = calendario2023();
    fg1.impostaRigaCorrente(2);
    riempiCalendario(fg1, 1950, {{2023, 1, 3}});
    EXPECT_EQ(fg1.righe(), 1);
    EXPECT_EQ(riga(fg1, 0), (std::vector<std::string>{"A", "M"}));
    EXPECT_EQ(fg1.rigaCorrente(), 0);  // nothing to select
}

TEST(Calendario, GiornoDiUnaCella) {
    const Griglia fg1 = calendario2023();
    auto giorno = giornoCella(fg1, 1, 5);
    ASSERT_TRUE(giorno);
    EXPECT_EQ(giorno->testo, "05/01/2023");
    EXPECT_EQ(giorno->data, (Data{2023, 1, 5}));
    // A day without a draw is still a day; 31 February is none, nor the header or the year.
    ASSERT_TRUE(giornoCella(fg1, 2, 3));
    EXPECT_EQ(giornoCella(fg1, 2, 3)->testo, "03/02/2023");
    EXPECT_FALSE(giornoCella(fg1, 2, 7));
    EXPECT_FALSE(giornoCella(fg1, 0, 3));
    EXPECT_FALSE(giornoCella(fg1, 1, 2));
    EXPECT_FALSE(giornoCella(fg1, 1, 1));
    EXPECT_FALSE(giornoCella(fg1, 4, 3));
}
