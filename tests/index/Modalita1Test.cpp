#include <gtest/gtest.h>

#include "index/Copertura.h"
#include "index/Modalita1.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// One model row (draw 5, window 6..8) whose window holds Bari 10-20-30-40-50 once.
AnalisiIndice analisiSuUnaFinestra(ArchivioEstrazioni& archivio, int n) {
    AnalisiIndice a;
    a.EstrazioneSelezionata = 7;
    a.Mensile = 0;
    a.NumeroColpi = 3;
    a.QuantitaNumeri = n;
    EXPECT_TRUE(RicavaBaseDati(a, archivio));
    a.modello.resize(1);
    impostaRuoteInGioco(a);
    return a;
}

ArchivioEstrazioni archivioUnaCinquina() {
    return test::archivioDiProva({"", "", "", "", "", "", "10-20-30-40-50", ""});
}

}  // namespace

// A climb that counted nothing ends on 88, 89, 90 by its rule; no drawn pair supports them, so
// they are not offered.
TEST(Modalita1, SenzaConteggiNessunaFormazione) {
    ArchivioEstrazioni archivio = archivioUnaCinquina();
    AnalisiIndice a = analisiSuUnaFinestra(archivio, 3);
    a.modello[0].coperta = true;  // nothing left to count
    TabelleConteggio tabelle;
    GeneratoreCasuale caso(3);
    EXPECT_TRUE(ElaborazioneModalita1(a, archivio, tabelle, caso).empty());
}

TEST(Modalita1, CoppieCheSonoMiglioriCompagneUnaDellAltra) {
    ArchivioEstrazioni archivio = archivioUnaCinquina();
    AnalisiIndice a = analisiSuUnaFinestra(archivio, 2);
    TabelleConteggio tabelle;
    GeneratoreCasuale caso(9);
    auto formazioni = ElaborazioneModalita1(a, archivio, tabelle, caso);
    // Inside the five numbers the best partner of each is the largest other one (the later
    // wins on equal counts): 40 and 50. Outside, every count is 0: those climbs offer nothing.
    ASSERT_EQ(formazioni.size(), 1u);
    EXPECT_EQ(formazioni[0].numeri, (std::vector<int>{40, 50}));
    EXPECT_EQ(formazioni[0].copertura, 1);
    EXPECT_EQ(tabelle.coppia(10, 50), 1);
    EXPECT_EQ(tabelle.coppia(50, 10), 1);
    EXPECT_EQ(PunteggioCoppie({10, 20, 30}, tabelle), 3);
}

TEST(Modalita1, CapogiocoETerni) {
    ArchivioEstrazioni archivio = archivioUnaCinquina();
    AnalisiIndice a = analisiSuUnaFinestra(archivio, 3);
    a.Capogioco = 20;
    TabelleConteggio tabelle;
    ContaCoppieFinestra(a, archivio, tabelle);
    EXPECT_EQ(tabelle.coppia(10, 20), 1);
    EXPECT_EQ(tabelle.coppia(10, 30), 0);  // without the capogioco it is not counted
    a.SorteElaborazione = 3;
    ContaTerniFinestra(a, archivio, tabelle);
    EXPECT_EQ(tabelle.terno(30, 10, 20), 1);
    EXPECT_EQ(tabelle.terno(10, 30, 40), 0);
    EXPECT_EQ(PunteggioTerni({10, 20, 30, 40}, tabelle), 3);

    a.Capogioco = 0;
    GeneratoreCasuale caso(3);
    // A climb that meets two of the five numbers ends at the three largest of them, with the row
    // covered; any other never scores and offers nothing. Seed 3 takes both ways.
    const std::vector<Formazione> attese{{1, {30, 40, 50}}};
    EXPECT_EQ(ElaborazioneModalita1(a, archivio, tabelle, caso), attese);
    a.QuantitaNumeri = 2;  // a terno needs three numbers
    EXPECT_TRUE(ElaborazioneModalita1(a, archivio, tabelle, caso).empty());
}

TEST(Modalita1, StessoSemeStessiRisultati) {
    RICHIEDE_STORICO();
    ArchivioEstrazioni archivio = test::archivioReale();
    AnalisiIndice a;
    a.EstrazioneSelezionata = archivio.NumEstrazioni();
    a.Presenze = 100;
    a.NumeroColpi = 12;
    a.QuantitaNumeri = 6;
    a.ruoteInGioco.fill(true);
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    impostaRuoteInGioco(a);
    TabelleConteggio tabelle;
    GeneratoreCasuale primo(42), secondo(42);
    const auto uno = ElaborazioneModalita1(a, archivio, tabelle, primo);
    const auto due = ElaborazioneModalita1(a, archivio, tabelle, secondo);
    EXPECT_EQ(uno, due);
    ASSERT_EQ(uno.size(), 20u);
    for (std::size_t i = 1; i < uno.size(); ++i) EXPECT_GE(uno[i - 1].copertura, uno[i].copertura);

    // Each result is a local best: no single number can be changed for a higher score.
    for (const Formazione& f : uno) {
        const int punteggio = PunteggioCoppie(f.numeri, tabelle);
        for (std::size_t p = 0; p < f.numeri.size(); ++p) {
            for (int x = 1; x <= 90; ++x) {
                if (std::find(f.numeri.begin(), f.numeri.end(), x) != f.numeri.end()) continue;
                auto altra = f.numeri;
                altra[p] = x;
                ASSERT_LE(PunteggioCoppie(altra, tabelle), punteggio);
            }
        }
    }
}
