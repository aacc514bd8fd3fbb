#include <algorithm>

#include <gtest/gtest.h>

#include "core/Colori.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// Model draws 8 (no draw follows it), 5 (window 6..8) and 3 (window 4..5); Bari and Cagliari in play.
ArchivioEstrazioni archivioPrevisioni(std::size_t estrazioni = 8) {
    return test::archivioDiProva(
        {"", "", "", "01-02-03-04-05", "01-20-21-22-23", "40-41-42-43-44", "60-61-62-63-64", "01-02-80-81-82"},
        {"", "", "", "10-11-12-13-14", "30-31-32-33-34", "01-02-50-51-52", "70-71-72-73-74", "83-84-85-86-87"},
        estrazioni);
}

// With "Forza ultima mensile" draw 8 is a model draw too, with an empty window.
MetodoIndice metodoPronto(ArchivioEstrazioni& archivio, int presenze = 12, bool forzaUltima = true) {
    MetodoIndice m(archivio, 7);
    m.analisi.EstrazioneSelezionata = 8;
    m.analisi.Mensile = 0;
    m.analisi.forzaUltima = forzaUltima;
    m.analisi.NumeroColpi = 3;
    m.analisi.Presenze = presenze;
    m.analisi.ruoteInGioco = {true, true};
    EXPECT_TRUE(m.RicavaBaseDati());
    EXPECT_EQ(m.analisi.modello.size(), forzaUltima ? 3u : 2u);
    return m;
}

}  // namespace

TEST(Previsioni, AccreditoEsfaldamentiDiDuePrevisioniNellaStessaEstrazione) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio);
    ASSERT_TRUE(m.AggiungiDaTavola(2, {1, 2}));
    const auto& righe = m.analisi.modello;
    EXPECT_EQ(m.analisi.previsioni[0].esiti, 2);  // rows 5 and 3; draw 8 has no window
    EXPECT_EQ(m.analisi.coperti, 2);
    EXPECT_TRUE(righe[1].coperta && righe[2].coperta && !righe[0].coperta);
    EXPECT_EQ(righe[2].colpo, 1);
    EXPECT_EQ(righe[2].estrazioneEsito, 4);
    EXPECT_EQ(righe[2].usciti[0], " 1 2");

    // An ambata of 40 hits Bari in draw 6, where the ambo hit Cagliari: both are recorded.
    ASSERT_TRUE(m.AggiungiDaTavola(1, {40}));
    EXPECT_EQ(m.analisi.previsioni[1].numero, 2);
    EXPECT_EQ(m.analisi.previsioni[1].esiti, 0);  // nothing left to win, it enters all the same
    const RigaModello& r5 = righe[1];
    EXPECT_EQ(r5.usciti[0], " 40");
    EXPECT_EQ(r5.usciti[1], " 1 2");
    EXPECT_EQ(r5.maxPresi[0], 1);
    EXPECT_EQ(r5.maxPresi[1], 2);
    EXPECT_EQ(r5.S, "21");
    EXPECT_EQ(r5.Ge, "12");
    EXPECT_EQ(r5.pr, "12");  // both rows of the list that came out, in the order of the hits
    EXPECT_EQ(r5.colpo, 1);
    EXPECT_EQ(righe[2].pr, "1");
    EXPECT_EQ(m.analisi.previsioni[0].et, 2);
    EXPECT_EQ(m.analisi.previsioni[1].et, 1);
    EXPECT_EQ(m.contatori.EsitiFormazione[1][2], 2);
    EXPECT_EQ(m.contatori.EsitiFormazione[1][0], 2);
    EXPECT_EQ(m.contatori.EsitiFormazione[2][1], 1);
    EXPECT_EQ(m.contatori.EsitiPerColpo[1], 3);
    EXPECT_EQ(m.analisi.coperti, 2);

    // Running it again changes nothing.
    const auto prima = m.analisi.modello;
    m.VisualizzaSfaldamenti();
    for (std::size_t i = 0; i < prima.size(); ++i) {
        EXPECT_EQ(m.analisi.modello[i].pr, prima[i].pr);
        EXPECT_EQ(m.analisi.modello[i].S, prima[i].S);
    }
    EXPECT_EQ(m.contatori.EsitiPerColpo[1], 3);

    Griglia fgV("FgV");
    riempiTabellaModello(fgV, m.analisi, archivio);
    EXPECT_EQ(fgV.testo(2, 7), " 40");
    EXPECT_EQ(fgV.sfondo(2, 7), 65535);
    EXPECT_EQ(fgV.sfondo(2, 8), 65280);
    EXPECT_EQ(fgV.sfondo(2, 9), Bianco);
    EXPECT_EQ(fgV.testo(2, 18), "1");
    EXPECT_EQ(fgV.testo(2, 20), "06/03/2000");
    EXPECT_EQ(fgV.sfondo(2, 19), 0xC0FFFF);
    EXPECT_EQ(fgV.sfondo(1, 22), 0xFFFF80);  // every row, hit or not
    EXPECT_EQ(fgV.colore(1, 21), Rosso);
    EXPECT_EQ(fgV.sfondo(2, 0), Verde);
    EXPECT_FALSE(fgV.sfondo(1, 0).has_value());  // the yellow "cut" mark goes with the verification
}

TEST(Previsioni, DueEsitiSullaStessaRuotaEPrevisioniInattive) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio);
    m.AggiungiDaTavola(2, {1, 2});
    m.AggiungiDaTavola(1, {3});
    const RigaModello& r3 = m.analisi.modello[2];
    EXPECT_EQ(r3.usciti[0], " 1 2/ 3");
    EXPECT_EQ(r3.maxPresi[0], 2);

    m.analisi.previsioni[0].attiva = false;
    m.VisualizzaSfaldamenti();
    EXPECT_EQ(m.analisi.modello[2].usciti[0], " 3");
    EXPECT_FALSE(m.analisi.modello[1].coperta);
    // "Verifica previsione" lists inactive forecasts too.
    auto verifica = VerificaPrevisione(m.analisi, archivio, 3);
    ASSERT_EQ(verifica.size(), 5u);  // draws 4..8: the archive ends there
    EXPECT_EQ(verifica[0].estrazione, 4);
    ASSERT_EQ(verifica[0].esiti.size(), 2u);
    EXPECT_EQ(verifica[0].esiti[0].riga, 1);
    EXPECT_EQ(verifica[0].esiti[0].numeri, " 1 2");
    Griglia fg1;
    riempiTabellaVerifica(fg1, verifica, 3);
    EXPECT_EQ(fg1.testo(2, 4), "BA");
    EXPECT_EQ(fg1.testo(2, 11), "2");
    EXPECT_EQ(fg1.sfondo(1, 1), 0xFFFF80);
    EXPECT_TRUE(fg1.testo(1, 4).empty());
}

// The draws after one model row are searched on the wheels in play only.
TEST(Previsioni, VerificaDiUnaRigaSoloSulleRuoteInGioco) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio);
    m.analisi.ruoteInGioco = {true, false};
    ASSERT_TRUE(m.RicavaBaseDati());
    ASSERT_TRUE(m.AggiungiDaTavola(2, {1, 2}));
    const auto verifica = VerificaPrevisione(m.analisi, archivio, 2);  // model draw 5: draws 6..8
    ASSERT_EQ(verifica.size(), 3u);
    EXPECT_TRUE(verifica[0].esiti.empty());  // the ambo of draw 6 came out in Cagliari
    ASSERT_EQ(verifica[2].esiti.size(), 1u);
    EXPECT_EQ(verifica[2].esiti[0].ruota, 1);
}

TEST(Previsioni, FineRicercaLimitaLaVerificaMaNonLAccredito) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio);
    m.analisi.FineRicerca = 5;  // as a later elaboration with "Fine ricerca" leaves it
    m.AggiungiDaTavola(2, {1, 2});
    EXPECT_EQ(m.analisi.previsioni[0].esiti, 2);
    EXPECT_TRUE(m.analisi.modello[2].coperta);
    EXPECT_FALSE(m.analisi.modello[1].coperta);  // its window starts after draw 5
    EXPECT_EQ(m.analisi.coperti, 1);
}

TEST(Previsioni, RifiutiNumerazioneERimozione) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio, 5);
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(m.AggiungiDaTavola(1, {60 + i}));
    EXPECT_FALSE(m.AggiungiDaTavola(1, {70}));  // a tenth forecast
    EXPECT_FALSE(m.AggiungiDaTavola(1, {}));
    EXPECT_EQ(m.analisi.previsioni.size(), 9u);

    m.Azzera();
    EXPECT_TRUE(m.analisi.previsioni.empty());
    EXPECT_EQ(m.analisi.coperti, 0);
    for (int n : {30, 40, 50}) m.AggiungiDaTavola(1, {n});
    m.analisi.QuantitaNumeri = 1;
    m.Rimuovi(1);
    ASSERT_EQ(m.analisi.previsioni.size(), 2u);
    EXPECT_EQ(m.analisi.previsioni[0].numero, 1);
    EXPECT_EQ(m.analisi.previsioni[1].numero, 2);
    EXPECT_EQ(m.analisi.previsioni[1].numeri[0], 50);
    EXPECT_EQ(m.formazioni.size(), 90u);  // not all covered: the search ran again (N = 1)
    m.AggiungiDaTavola(1, {1});
    EXPECT_EQ(m.analisi.previsioni[2].numero, 3);
    m.Rimuovi(0);
    m.Rimuovi(0);
    m.Rimuovi(0);
    EXPECT_FALSE(m.analisi.coperti.has_value());  // an empty list shows no counters
}

TEST(Previsioni, AggiuntaDallaTabellaDelleFormazioni) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio, 2, false);
    m.analisi.QuantitaNumeri = 1;
    m.Modalita2();
    ASSERT_EQ(m.formazioni.size(), 90u);
    EXPECT_EQ(m.formazioni[0].numeri, std::vector<int>{1});
    EXPECT_EQ(m.formazioni[0].copertura, 2);
    m.analisi.SorteElaborazione = 3;
    EXPECT_FALSE(m.AggiungiFormazione(-1));  // no row selected
    ASSERT_TRUE(m.AggiungiFormazione(0));
    EXPECT_EQ(m.analisi.previsioni[0].sorte, 1);  // a single number is an ambata whatever the sorte
    EXPECT_EQ(m.analisi.coperti, 2);
    // Everything wanted is covered: the table adds no more, the board still does.
    EXPECT_FALSE(m.AggiungiFormazione(1));
    EXPECT_TRUE(m.AggiungiDaTavola(2, {5, 6}));

    MetodoIndice coppia = metodoPronto(archivio);
    coppia.AggiungiCoppia(40, 1);
    ASSERT_EQ(coppia.analisi.previsioni.size(), 2u);
    EXPECT_EQ(coppia.analisi.previsioni[0].numeri[0], 40);
    EXPECT_EQ(coppia.analisi.previsioni[0].esiti, 1);
    EXPECT_EQ(coppia.analisi.previsioni[1].numeri[0], 1);
    EXPECT_EQ(coppia.analisi.previsioni[1].esiti, 1);  // only the row 40 left uncovered
}

TEST(Previsioni, NumeroConMaggioreAbbinamento) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    MetodoIndice m = metodoPronto(archivio);
    impostaRuoteInGioco(m.analisi);
    Previsione p;
    p.sorte = 2;
    p.numeri[0] = 1;
    auto abbinamenti = Abbinamenti(m.analisi, archivio, p);
    ASSERT_EQ(abbinamenti.size(), 90u);
    // 2 comes out with 1 in both windows; 3, 4, 5, 20..23, 50..52 in one.
    EXPECT_EQ(abbinamenti[0], std::make_pair(2, 2));
    EXPECT_EQ(abbinamenti[1], std::make_pair(3, 1));
    auto uno = std::find_if(abbinamenti.begin(), abbinamenti.end(), [](auto& a) { return a.first == 1; });
    EXPECT_EQ(uno->second, 0);
}

TEST(Previsioni, SullArchivioRealeLeRigheAccreditateSonoVinte) {
    RICHIEDE_STORICO();
    ArchivioEstrazioni archivio = test::archivioReale();
    MetodoIndice m(archivio, 11);
    m.analisi.EstrazioneSelezionata = archivio.NumEstrazioni() - 40;
    m.analisi.Presenze = 60;
    m.analisi.NumeroColpi = 9;
    m.analisi.ruoteInGioco = {true, false, false, true, false, false, true};
    ASSERT_TRUE(m.RicavaBaseDati());
    m.analisi.QuantitaNumeri = 4;
    m.Modalita2();
    ASSERT_FALSE(m.formazioni.empty());
    const auto formazione = m.formazioni[0];
    ASSERT_TRUE(m.AggiungiFormazione(0));
    const Maschera90 numeri = formazione.maschera();
    int vinte = 0;
    for (const RigaModello& r : m.analisi.modello) {
        bool vinta = false;
        for (int d = r.inizio; d <= r.end; ++d)
            for (int w = 1; w <= NumRuote; ++w)
                vinta = vinta || (m.analisi.RuoteSel[w - 1] && (archivio.NumeriRuota(d, w) & numeri).conta() >= 2);
        EXPECT_EQ(vinta, r.coperta) << r.estr;
        EXPECT_EQ(vinta, !r.pr.empty()) << r.estr;
        vinte += vinta;
    }
    EXPECT_EQ(m.analisi.previsioni[0].esiti, vinte);
    EXPECT_EQ(vinte, formazione.copertura);  // the coverage the table promised
}

TEST(Previsioni, NessunIndiceFuoriArchivioRaggiungeLeTabelle) {
    ArchivioEstrazioni archivio = archivioPrevisioni();
    // An end draw that is not in the archive gives neither model draws nor delays.
    for (int fuori : {0, 9}) {
        AnalisiIndice a;
        a.EstrazioneSelezionata = fuori;
        a.Mensile = 0;
        a.forzaUltima = true;
        EXPECT_FALSE(RicavaBaseDati(a, archivio)) << fuori;
        EXPECT_TRUE(a.modello.empty()) << fuori;
        EXPECT_EQ(calcolaRitardi(archivio, fuori), TabellaRitardi{}) << fuori;
    }

    // The archive loses its last draw under an analysis built on it: the next command empties the
    // analysis rather than read the draw that is gone, and a new one counts from draw 7.
    MetodoIndice m = metodoPronto(archivio);
    ASSERT_TRUE(m.AggiungiDaTavola(2, {1, 2}));
    archivio = archivioPrevisioni(7);
    m.VisualizzaSfaldamenti();
    EXPECT_TRUE(m.analisi.modello.empty());
    EXPECT_TRUE(m.analisi.previsioni.empty());
    EXPECT_FALSE(m.analisi.coperti.has_value());
    m.analisi.EstrazioneSelezionata = 7;
    ASSERT_TRUE(m.RicavaBaseDati());
    EXPECT_EQ(m.analisi.modello[0].estr, 7);
    EXPECT_EQ(m.analisi.FineRicerca, 7);
}
