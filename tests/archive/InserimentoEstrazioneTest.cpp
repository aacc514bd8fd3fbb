#include "archive/InserimentoEstrazione.h"
#include "support/ArchivioProva.h"
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
    // The last number counts with or without anything after it.
    EXPECT_EQ(numeriDaAppunti("1 2 3\n"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(numeriDaAppunti("1 2 3"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(numeriDaAppunti("14/01/2023\tBA 5-12\r"), (std::vector<int>{14, 1, 2023, 5, 12}));

    // Exactly 55 numbers from 1 to 90, or the reason and no box.
    std::string testo;
    for (int i = 1; i <= 55; ++i) testo += std::to_string(i) + (i % 5 == 0 ? "\r\n" : "\t");
    testo.resize(testo.size() - 2);  // no line end after the last
    CaselleIncollate c = caselleDaAppunti(testo);
    EXPECT_EQ(c.errore, "");
    EXPECT_EQ(c.caselle[0], "01");
    EXPECT_EQ(c.caselle[54], "55");
    EXPECT_EQ(caselleDaAppunti("1 2 3 ").errore,
              "Il testo incollato contiene 3 numeri: ne servono 55, 5 per ciascuna delle 11 ruote.");
    EXPECT_EQ(caselleDaAppunti(testo + " 56").errore,
              "Il testo incollato contiene 56 numeri: ne servono 55, 5 per ciascuna delle 11 ruote.");
    testo.replace(0, 1, "95");
    EXPECT_EQ(caselleDaAppunti(testo).errore, "Il testo incollato contiene 95, che non è un numero da 1 a 90.");
    EXPECT_EQ(caselleDaAppunti(testo).caselle[1], "");
}

// A draw about to be stored, checked against the calendar: the eight weekly draws of the small
// archive are Mondays of 2000, when only Wednesdays and Saturdays were draw days.
TEST(InserimentoEstrazione, DubbiDelCalendario) {
    const ArchivioEstrazioni archivio = test::archivioDiProva();
    const Data oggi{2000, 4, 1};
    EXPECT_TRUE(dubbiCalendario(archivio, Data{2000, 3, 22}, oggi, 0).empty());  // Wednesday after the last
    EXPECT_EQ(dubbiCalendario(archivio, Data{2000, 3, 25}, oggi, 0),
              std::vector<std::string>{"Manca 1 estrazione prima del 25/03/2000"});
    EXPECT_EQ(dubbiCalendario(archivio, Data{2000, 4, 1}, oggi, 19 * 60 + 59),
              (std::vector<std::string>{"L'estrazione del 01/04/2000 non si è ancora tenuta (le estrazioni sono alle "
                                        "20:00)",
                                        "Mancano 3 estrazioni prima del 01/04/2000"}));
    EXPECT_EQ(dubbiCalendario(archivio, Data{2000, 1, 4}, oggi, 0),
              std::vector<std::string>{"Il 04/01/2000 non è un giorno di estrazione"});
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
