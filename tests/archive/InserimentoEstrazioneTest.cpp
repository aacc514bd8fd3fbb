#include "archive/InserimentoEstrazione.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {
TestiCaselle caselleVuote() {
    return {};
}

void compila(TestiCaselle& c, int ruota, std::array<const char*, 5> numeri) {
    for (int p = 0; p < 5; ++p) c[(ruota - 1) * 5 + p] = numeri[p];
}
}  // namespace

TEST(InserimentoEstrazione, NumeriDagliAppunti) {
    // The last number is kept only when something follows it.
    EXPECT_EQ(numeriDaAppunti("1 2 3\n"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(numeriDaAppunti("1 2 3"), (std::vector<int>{1, 2}));
    EXPECT_EQ(numeriDaAppunti("14/01/2023\tBA 5-12\r"), (std::vector<int>{14, 1, 2023, 5, 12}));

    TestiCaselle c = caselleDaAppunti("1 2 3 ");
    EXPECT_EQ(c[0], "01");
    EXPECT_EQ(c[2], "03");
    for (int i = 3; i < 55; ++i) EXPECT_EQ(c[i], "00") << i;

    c = caselleDaAppunti("95 99 2023 7 ");
    EXPECT_EQ(c[0], "");  // above 90: the box filter empties it
    EXPECT_EQ(c[1], "99");
    EXPECT_EQ(c[2], "");
    EXPECT_EQ(c[3], "07");

    std::string tanti;
    for (int i = 1; i <= 60; ++i) tanti += std::to_string(i) + " ";
    c = caselleDaAppunti(tanti);
    EXPECT_EQ(c[54], "55");
}

TEST(InserimentoEstrazione, RuoteDaSalvare) {
    TestiCaselle c = caselleVuote();
    for (int r = 1; r <= 10; ++r) compila(c, r, {"01", "02", "03", "04", "90"});
    auto esito = ruoteDaCaselle(c);
    EXPECT_EQ(esito.errore, "");
    EXPECT_EQ(esito.ruote[0], "01-02-03-04-90");
    EXPECT_EQ(esito.ruote[10], "----");  // Nazionale left empty

    // Boxes typed without leaving them are stored with two digits; 99, a wheel not drawn, only
    // on all five, else the archive could not be loaded again.
    compila(c, 11, {"5", "6", "7", "8", "9"});
    esito = ruoteDaCaselle(c);
    EXPECT_EQ(esito.errore, "");
    EXPECT_EQ(esito.ruote[10], "05-06-07-08-09");
    compila(c, 11, {"99", "99", "99", "99", "99"});
    EXPECT_EQ(ruoteDaCaselle(c).ruote[10], "99-99-99-99-99");
    compila(c, 11, {"5", "99", "99", "99", "99"});
    EXPECT_EQ(ruoteDaCaselle(c).errore, "Ruota di Nazionale: 99 (ruota non estratta) va in tutte e cinque le caselle.");

    compila(c, 11, {"05", "06", "", "08", "09"});
    EXPECT_EQ(ruoteDaCaselle(c).errore,
              "Ruota di Nazionale: compilata solo in parte. Inserire tutti e cinque i numeri o "
              "lasciare vuota la ruota.");
    compila(c, 11, {"05", "06", "00", "08", "09"});
    EXPECT_NE(ruoteDaCaselle(c).errore, "");
    compila(c, 11, {"05", "06", "07", "08", "05"});
    EXPECT_EQ(ruoteDaCaselle(c).errore, "Ruota di Nazionale: il numero 05 è ripetuto.");
    compila(c, 11, {"05", "06", "07", "08", "a9"});
    EXPECT_EQ(ruoteDaCaselle(c).errore, "Ruota di Nazionale: \"a9\" non è un numero del Lotto.");

    // A wheel of zeros, as a paste leaves it, is a wheel not drawn.
    compila(c, 11, {"00", "00", "00", "00", "00"});
    esito = ruoteDaCaselle(c);
    EXPECT_EQ(esito.errore, "");
    EXPECT_EQ(esito.ruote[10], "00-00-00-00-00");

    EXPECT_EQ(ruoteDaCaselle(caselleVuote()).errore, "Nessun numero inserito.");
}
