#include <gtest/gtest.h>

#include "index/ArchivioCaso.h"
#include "index/ConfrontoStorico.h"
#include "index/TentativiStorici.h"

using namespace quorvane;

// A run counts once however often it is repeated; another option, another period or another
// parameter of a method is another try.
TEST(TentativiStorici, ContaOgniProvaDiversaUnaVolta) {
    TentativiStorici tentativi;
    OpzioniStoriche o;
    o.strategia = Strategia::Frequenti;
    o.dal = 100;
    o.al = 900;
    EXPECT_EQ(tentativi.registra(o), 1);
    EXPECT_EQ(tentativi.registra(o), 1);
    o.finestra = 50;
    EXPECT_EQ(tentativi.registra(o), 2);
    o.analisi.Presenze = 99;  // not an option of this strategy: the same try
    EXPECT_EQ(tentativi.registra(o), 2);
    o.strategia = Strategia::Metodo;
    o.parametri = {{"soglia", "3"}};
    EXPECT_EQ(tentativi.registra(o), 3);
    o.parametri = {{"soglia", "4"}};
    EXPECT_EQ(tentativi.registra(o), 4);
    o.al = 901;
    EXPECT_EQ(tentativi.registra(o), 1);
}

// The search for the best on archives that are themselves chance: the probability that chance's
// best is as good as the best found is spread evenly, so its mean is near one half and small
// values are as rare as they should be (with 19 archives, P(p <= 2/19) = 3/20).
TEST(SimulazioneConfronto, CalibrataSuArchiviDelCaso) {
    std::vector<RigaArchivio> righe(600);
    for (std::size_t i = 0; i < righe.size(); ++i) {
        righe[i].data = Data::daGiorniDaEpoca(Data{2000, 1, 1}.giorniDaEpoca() + 7 * static_cast<long>(i)).testo();
        righe[i].ruote[0] = "01-02-03-04-05";
    }
    ArchivioEstrazioni calendario;
    ASSERT_EQ(calendario.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    OpzioniStoriche base;
    base.strategia = Strategia::Frequenti;
    base.dal = 200;
    base.al = 600;
    base.analisi.NumeroColpi = 6;
    const std::vector<OpzioneConfronto> griglia = {{"quanti", {1, 2}}, {"finestra", {20, 60}}};
    constexpr int Prove = 40;
    double somma = 0;
    int piccoli = 0;
    for (int r = 0; r < Prove; ++r) {
        const ArchivioEstrazioni archivio = archivioCaso(calendario, 1000 + r);
        ASSERT_EQ(erroreConfronto(base, griglia, 400, archivio), std::nullopt);
        const EsitoConfronto esito = confronta(base, griglia, 400, archivio);
        const double migliore = *esito.combinazioni[esito.migliore].allenamento.p;
        base.seme = 7 + r;
        const SimulazioneConfronto s = simulaConfronto(base, griglia, 400, archivio, migliore, 19);
        EXPECT_EQ(s.simulazioni, 19);
        somma += s.p;
        piccoli += s.p <= 2.0 / 19;
    }
    EXPECT_NEAR(somma / Prove, 0.5, 0.14);
    EXPECT_LE(piccoli, 14);
}
