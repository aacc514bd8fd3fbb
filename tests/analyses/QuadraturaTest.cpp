#include <gtest/gtest.h>

#include "analyses/Quadratura.h"
#include "core/Colori.h"

using namespace quorvane;

TEST(Quadratura, SommeDistanzeETotale) {
    const Quadratura q = calcolaQuadratura({1, 2, 3, 4});
    EXPECT_EQ(q.totale, 10);
    // Pair order: horizontal 1 and 2, vertical 1 and 2, diagonal 1 and 2.
    EXPECT_EQ(q.somme, (std::array<int, 6>{3, 7, 4, 6, 5, 5}));
    EXPECT_EQ(q.distanze, (std::array<int, 6>{1, 1, 2, 2, 3, 1}));

    // Remainders of 0 are written as 90, in the total as in the sums.
    const Quadratura pieni = calcolaQuadratura({90, 90, 45, 45});
    EXPECT_EQ(pieni.totale, 90);
    EXPECT_EQ(pieni.somme[0], 90);
    EXPECT_EQ(pieni.somme[4], 45);
    EXPECT_EQ(pieni.distanze[4], 45);
    EXPECT_EQ(calcolaQuadratura({0, 0, 0, 0}).totale, 90);
}

TEST(Quadratura, Fg1MostraCoppieValoriEColori) {
    Griglia fg1("fg1");
    preparaTabellaQuadratura(fg1);
    ASSERT_EQ(fg1.righe(), 13);
    EXPECT_EQ(fg1.testo(0, 0), "Somma / Distanza            ");
    EXPECT_EQ(fg1.testo(3, 0), "Somma verticale 1");
    EXPECT_EQ(fg1.testo(3, 1), "N1+N3");
    EXPECT_EQ(fg1.testo(12, 0), "Distanza diagonale 2");
    EXPECT_EQ(fg1.testo(12, 1), "N2 N3");

    // N4 left empty: it counts as 0 and its box text is empty in "Numeri".
    const std::array<std::string, 4> caselle = {"50", "7", "20", ""};
    std::array<int, 4> numeri{};
    for (int i = 0; i < 4; ++i) numeri[i] = valoreCasella(caselle[i]);
    scriviQuadratura(fg1, caselle, calcolaQuadratura(numeri));
    EXPECT_EQ(fg1.testo(5, 2), "50 ");
    EXPECT_EQ(fg1.testo(5, 3), "50");   // sum diagonal 1: 50 + 0
    EXPECT_EQ(fg1.testo(11, 3), "40");  // distance diagonal 1: |50 - 0| folds to 40
    EXPECT_EQ(fg1.testo(2, 2), "20 ");
    EXPECT_EQ(fg1.testo(8, 3), "20");
    EXPECT_EQ(fg1.testo(6, 2), "7 20");
    EXPECT_EQ(fg1.testo(6, 3), "27");
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(fg1.sfondo(r, 3), Colore{0x80FFFF});
        EXPECT_EQ(fg1.colore(r, 3), Rosso);
        EXPECT_EQ(fg1.colore(r, 2), Colore{0xFF0000});
    }
}
