#include <random>

#include <gtest/gtest.h>

#include "index/FinestreModello.h"
#include "index/VerificaStorica.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

// The pair coverage read from the table of rows per pair must match the look at every row, at
// every point of twenty years of the real archive (200 model draws, all wheels, some rows covered).
TEST(FinestreModello, CoperturaDelleCoppieUgualeAlControlloDiOgniRiga) {
    RICHIEDE_STORICO();
    const ArchivioEstrazioni& archivio = test::archivioReale();
    OpzioniStoriche o;
    o.analisi.Mensile = 1;
    o.analisi.Presenze = AnalisiIndice::PresenzeMassime;
    o.analisi.ruoteInGioco.fill(true);
    o = periodoPredefinito(o, archivio);
    std::mt19937_64 caso(3);
    std::uniform_int_distribution<int> numero(1, NumeroMassimo), quanti(2, 8);
    int punti = 0;
    for (int t : puntiStorici(o, archivio)) {
        AnalisiIndice a = o.analisi;
        a.EstrazioneSelezionata = t;
        a.fineAllaSelezionata = true;
        ASSERT_TRUE(RicavaBaseDati(a, archivio));
        for (std::size_t r = t % 7; r < a.modello.size(); r += 7) a.modello[r].coperta = true;
        const FinestreModello finestre(a, archivio);
        for (int prova = 0; prova < 100; ++prova) {
            Maschera90 numeri;
            for (int k = quanti(caso); numeri.conta() < k;) numeri.aggiungi(numero(caso));
            int attesa = 0;
            for (int k = 0; k < finestre.righe(); ++k) attesa += finestre.vinta(k, numeri, 2);
            ASSERT_EQ(finestre.copertura(numeri, 2), attesa) << "punto " << t;
        }
        ++punti;
    }
    EXPECT_GT(punti, 200);
}
