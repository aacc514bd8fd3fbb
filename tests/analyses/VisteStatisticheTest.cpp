// Position, groups, spy numbers and the analytical board on a small archive worked by hand.
#include <cmath>

#include <gtest/gtest.h>

#include "analyses/NumeriSpia.h"
#include "analyses/Statistiche.h"
#include "analyses/TabelloneAnalitico.h"
#include "core/Colori.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// Bari in every draw, Cagliari missing in draw 2: eight counted draws, fifteen (draw, wheel).
// 1 opens Bari in draws 1, 3, 5 and 7; 30 is drawn in 3 (Bari second, Cagliari first),
// 4 (Cagliari first) and 6 (Bari first).
ArchivioEstrazioni archivio() {
    return test::archivioDiProva({"01-02-03-04-05", "20-21-22-23-24", "01-30-31-32-34", "50-51-52-53-54",
                                  "01-70-71-72-73", "30-80-81-82-83", "01-35-36-37-38", "55-56-57-58-59"},
                                 {"10-11-12-13-14", "", "30-40-41-42-43", "30-60-61-62-63", "74-75-76-77-78",
                                  "84-85-86-87-88", "39-44-45-46-47", "64-65-66-67-68"});
}

Griglia griglia(const Statistiche& s, const ArchivioEstrazioni& a) {
    Griglia fg("FgStatistiche");
    riempiStatistiche(fg, s, a, s.ordine(ColonnaStatistiche::Elemento, false));
    return fg;
}

std::string riga(const Griglia& fg, int r) {
    return fg.testoIntervallo(r, 0, r, fg.colonne() - 1);
}

}  // namespace

TEST(VisteStatistiche, PosizioneCalcolataAMano) {
    const auto a = archivio();
    Statistiche s;
    RichiestaStatistiche r;
    r.tipo = TipoStatistiche::Posizione;
    ASSERT_EQ(s.calcola(a, r), ErroreStatistiche::Nessuno);
    // First drawn in 3, 4 and 6: runs of 2, 0, 1 and the current 2, which takes the tie.
    // Attese 15 / 90; Rapporto 3 / (1/6).
    EXPECT_EQ(riga(griglia(s, a), 30), "30\t3\t0,17\t18,00\t2\t2\t\t2,00\t6\t06/03/2000\tBA");
    r.posizione = 2;
    ASSERT_EQ(s.calcola(a, r), ErroreStatistiche::Nessuno);
    EXPECT_EQ(riga(griglia(s, a), 30), "30\t1\t0,17\t6,00\t5\t5\t\t4,00\t3\t17/01/2000\tBA");
}

TEST(VisteStatistiche, GruppiCalcolatiAMano) {
    const auto a = archivio();
    Statistiche s;
    RichiestaStatistiche r;
    r.tipo = TipoStatistiche::Gruppi;
    r.gruppi = gruppiFamiglia(FamigliaGruppi::Gemelli);
    r.gruppi.push_back({"mia", {1, 30}});
    ASSERT_EQ(s.calcola(a, r), ErroreStatistiche::Nessuno);
    const Griglia fg = griglia(s, a);
    EXPECT_EQ(riga(fg, 0),
              "Gruppo\tNumeri\tPresenze\tAttese\tRapporto\tRit. attuale\tRit. massimo\tFine massimo\tRit. medio\t"
              "Ultima\tData ultima");
    // Hits in 1 (11), 2 (22), 5 (77), 6 (88), 7 (44) and 8 (55 and 66): seven members, the longest
    // run 3-4 ended by draw 5. Attese 15 * 5 * 8 / 90.
    EXPECT_EQ(riga(fg, 1), "gemelli\t11 22 33 44 55 66 77 88\t7\t6,67\t1,05\t0\t2\t14/02/2000\t1,14\t8\t20/03/2000");
    // Draw 3 gives three members (1 and 30 on Bari, 30 on Cagliari) but one hit.
    EXPECT_EQ(riga(fg, 2), "mia\t1 30\t8\t1,67\t4,80\t1\t1\t\t1,14\t7\t13/03/2000");
    // Groups of different sizes have no single chance line.
    EXPECT_FALSE(s.valoreCaso(ColonnaStatistiche::Presenze));
    // Members of {1, 30} among the five of a wheel: variance 5 * 2/90 * 88/90 * 85/89, fifteen times.
    const double sigma = std::sqrt(15 * 5 * 2.0 * 88 * 85 / (90.0 * 90 * 89));
    EXPECT_NEAR(s.sigmaPresenze(1), sigma, 1e-12);
    EXPECT_NEAR(s.scartoDalCaso(1), (8 - 5.0 / 3) / sigma, 1e-12);

    EXPECT_EQ(testoNumeri(gruppiFamiglia(FamigliaGruppi::Figure)[0]), "1 10 19 28 37 46 55 64 73 82");
    const auto cadenze = gruppiFamiglia(FamigliaGruppi::Cadenze);
    EXPECT_EQ(cadenze[0].nome, "0");
    EXPECT_EQ(testoNumeri(cadenze[0]), "10 20 30 40 50 60 70 80 90");
    EXPECT_EQ(gruppiFamiglia(FamigliaGruppi::Decine)[8].nome, "81-90");
    EXPECT_EQ(famigliaGruppi("Cadenze"), FamigliaGruppi::Cadenze);
    EXPECT_EQ(leggiNumeri("5 17,48"), (std::vector<int>{5, 17, 48}));
    EXPECT_FALSE(leggiNumeri("5 1x"));
}

TEST(VisteStatistiche, SpiaCalcolataAMano) {
    const auto a = archivio();
    NumeriSpia spia;
    RichiestaSpia r;
    r.colpi = 2;
    r.bersaglio = {true, true};
    ASSERT_EQ(spia.calcola(a, r), ErroreStatistiche::Nessuno);
    // 3 falls in the window 2-3 of 1 and is skipped; 7 has no two draws after it.
    EXPECT_EQ(spia.occorrenze(), (std::vector<int>{1, 5}));
    // Window 2-3 has three target wheels drawn (Cagliari is missing in 2), window 6-7 four.
    const double p1 = 1 - 4913.0 / 5832, p2 = 1 - 83521.0 / 104976;
    EXPECT_NEAR(spia.casiAttesi(), p1 + p2, 1e-12);
    const double sigma = std::sqrt(p1 * (1 - p1) + p2 * (1 - p2));
    EXPECT_NEAR(spia.sigmaCasi(), sigma, 1e-12);
    EXPECT_NEAR(spia.presenzeAttese(), 7.0 * 5 / 90, 1e-12);
    // 30 in both windows (twice in the first); 60 only in the skipped window.
    EXPECT_EQ(spia.figura(30).casi, 2);
    EXPECT_EQ(spia.figura(30).presenze, 3);
    EXPECT_NEAR(spia.figura(30).p, p1 * p2, 1e-15);
    EXPECT_EQ(spia.figura(30).pCorretto, 1);
    EXPECT_NEAR(spia.scartoDalCaso(30), (2 - p1 - p2) / sigma, 1e-12);
    EXPECT_EQ(spia.figura(60).casi, 0);
    EXPECT_NEAR(spia.figura(20).p, 1 - (1 - p1) * (1 - p2), 1e-15);
    const auto ordine = spia.ordine();
    EXPECT_EQ(std::vector<int>(ordine.begin(), ordine.begin() + 2), (std::vector<int>{1, 30}));
    const VerdettoSpia verdetto = spia.verdetto();
    EXPECT_FALSE(verdetto.spicca);
    EXPECT_EQ(verdetto.numero, 1);
    EXPECT_EQ(spia.fraseVerdetto(),
              "Spia 1 su Bari, 2 colpi, seguenti su BA CA. Nessun numero spicca: il più lontano dal caso, il numero 1 "
              "(uscito in 2 finestre su 2; il caso ne dà "
              "0,36), ha p corretto 1, non sotto 0,05 una volta tenuto conto dei 90 numeri provati insieme; ciò che si "
              "vede è quanto dà il caso.");

    Griglia fg("FgSpia");
    riempiNumeriSpia(fg, spia, ordine);
    EXPECT_EQ(riga(fg, 0), "Numero\tCasi\tPresenze\tCasi attesi\tPresenze attese\tp\tp corretto");
    EXPECT_EQ(riga(fg, 2), "30\t2\t3\t0,36\t0,39\t0,0322\t1");
}

TEST(VisteStatistiche, TabelloneCalcolatoAMano) {
    const auto a = archivio();
    TabelloneAnalitico t;
    ASSERT_EQ(t.calcola(a), ErroreStatistiche::Nessuno);
    Griglia fg("FgTabellone");
    riempiTabellone(fg, t, ValoreTabellone::Massimo);
    ASSERT_EQ(fg.righe(), NumeroMassimo + 1);
    // 30 on Bari in 3 and 6; on Cagliari in 3 and 4 of its seven draws; on the two together in 3, 4, 6.
    EXPECT_EQ(riga(fg, 30), "30\t2\t4\t\t\t\t\t\t\t\t\t\t2");
    EXPECT_EQ(t.valore(30, 0, ValoreTabellone::Ritardo), 2);
    EXPECT_EQ(t.valore(30, 1, ValoreTabellone::Ritardo), 4);
    EXPECT_EQ(t.valore(30, ColonnaTutteRegionali, ValoreTabellone::Presenze), 4);
    EXPECT_FALSE(t.colonnaPresente(2));

    // Presences, each column banded by its own 90 figures: Bari holds 54 zeros, 34 ones, a 2 (30)
    // and a 4 (1); Cagliari 56 zeros, 33 ones and a 2 (30); TT 21 zeros, 67 ones and two 4s.
    // The quartiles fall at the 1st, 23rd, 46th and 68th figure.
    const auto fasce = [&](int colonna) {
        std::vector<std::pair<int, int>> da_a;
        for (const FasciaTabellone& f : fasceTabellone(t, ValoreTabellone::Presenze, colonna))
            da_a.emplace_back(f.da, f.a);
        return da_a;
    };
    using Fasce = std::vector<std::pair<int, int>>;
    EXPECT_EQ(fasce(0), (Fasce{{0, -1}, {0, -1}, {0, 0}, {1, 4}}));
    EXPECT_EQ(fasce(1), (Fasce{{0, -1}, {0, -1}, {0, 0}, {1, 2}}));
    EXPECT_EQ(fasce(ColonnaTutteRegionali), (Fasce{{0, 0}, {1, 0}, {1, 0}, {1, 4}}));
    EXPECT_EQ(fasce(2), (Fasce{{0, -1}, {0, -1}, {0, -1}, {0, -1}}));
    riempiTabellone(fg, t, ValoreTabellone::Presenze);
    // 6 is never drawn: the lowest band of TT, but the third of Bari, where most numbers are 0.
    EXPECT_EQ(fg.sfondo(6, 12), CelesteChiaro);
    EXPECT_EQ(fg.sfondo(6, 1), ArancioMedio);
    // 10, drawn once on Cagliari, is in the top band of Cagliari and of TT.
    EXPECT_EQ(fg.sfondo(10, 2), Arancio);
    EXPECT_EQ(fg.sfondo(10, 12), Arancio);
}

TEST(VisteStatistiche, RichiesteRifiutate) {
    const auto a = archivio();
    Statistiche s;
    const auto statistiche = [&](auto cambia) {
        RichiestaStatistiche r;
        r.tipo = TipoStatistiche::Gruppi;
        r.gruppi = {{"g", {1, 2}}};
        cambia(r);
        return s.calcola(a, r);
    };
    EXPECT_EQ(statistiche([](auto& r) {
                  r.tipo = TipoStatistiche::Posizione;
                  r.posizione = 6;
              }),
              ErroreStatistiche::PosizioneErrata);
    EXPECT_EQ(statistiche([](auto& r) { r.gruppi.clear(); }), ErroreStatistiche::NessunGruppo);
    EXPECT_EQ(statistiche([](auto& r) { r.gruppi.push_back({"vuoto", {}}); }), ErroreStatistiche::GruppoVuoto);
    EXPECT_EQ(statistiche([](auto& r) { r.gruppi[0].numeri = {1, 91}; }), ErroreStatistiche::NumeroFuoriGruppo);
    EXPECT_EQ(statistiche([](auto& r) { r.gruppi[0].numeri = {5, 7, 5}; }), ErroreStatistiche::NumeroRipetuto);
    EXPECT_FALSE(famigliaGruppi("ambate"));

    NumeriSpia spia;
    const auto spiaCon = [&](auto cambia) {
        RichiestaSpia r;
        cambia(r);
        return spia.calcola(a, r);
    };
    EXPECT_EQ(spiaCon([](auto& r) { r.colpi = 21; }), ErroreStatistiche::ColpiErrati);
    EXPECT_EQ(spiaCon([](auto& r) { r.colpi = 0; }), ErroreStatistiche::ColpiErrati);
    EXPECT_EQ(spiaCon([](auto& r) { r.numero = 91; }), ErroreStatistiche::NumeroErrato);
    EXPECT_EQ(spiaCon([](auto& r) { r.dal = 0; }), ErroreStatistiche::FuoriArchivio);
    // 1 is never second on Bari; 20 comes out only in draw 2.
    EXPECT_EQ(spiaCon([](auto& r) { r.posizione = 2; }), ErroreStatistiche::NessunaOccorrenza);
    EXPECT_EQ(spiaCon([](auto& r) {
                  r.numero = 20;
                  r.dal = 3;
              }),
              ErroreStatistiche::NessunaOccorrenza);
    EXPECT_EQ(messaggioStatistiche(ErroreStatistiche::ColpiErrati, a), "I colpi vanno da 1 a 20");
    // A window with no draw of the target wheels counts nothing: left out, and said; with none
    // left (Firenze is never drawn) the request is refused rather than shown as chance.
    EXPECT_EQ(spiaCon([](auto& r) { r.bersaglio[2] = true; }), ErroreStatistiche::BersaglioNonEstratto);
    RichiestaSpia cagliari;
    cagliari.colpi = 1;
    cagliari.bersaglio[1] = true;
    ASSERT_EQ(spia.calcola(a, cagliari), ErroreStatistiche::Nessuno);
    EXPECT_EQ(spia.occorrenze(), (std::vector<int>{3, 5, 7}));
    EXPECT_TRUE(spia.fraseVerdetto().ends_with(" Finestre senza estrazioni sulle ruote bersaglio, lasciate fuori: 1."))
        << spia.fraseVerdetto();

    TabelloneAnalitico t;
    EXPECT_EQ(t.calcola(a, 1, 9), ErroreStatistiche::FuoriArchivio);
    EXPECT_EQ(t.calcola(a, 5, 4), ErroreStatistiche::PeriodoRovesciato);
}

TEST(VisteStatistiche, TabelloneComeLeStatisticheSullArchivioReale) {
    RICHIEDE_STORICO();
    const auto& a = test::archivioReale();
    TabelloneAnalitico t;
    ASSERT_EQ(t.calcola(a, 2000), ErroreStatistiche::Nessuno);
    // The Nazionale alone (missing in part of the period) and the ten regional wheels together.
    for (const int colonna : {NumRuote - 1, ColonnaTutteRegionali}) {
        RichiestaStatistiche r;
        r.dal = 2000;
        if (colonna != ColonnaTutteRegionali) r.ruote = {};
        r.ruote[static_cast<std::size_t>(colonna % NumRuote)] = true;
        Statistiche s;
        ASSERT_EQ(s.calcola(a, r), ErroreStatistiche::Nessuno);
        for (int n = 1; n <= NumeroMassimo; ++n) {
            const FiguraStatistica& f = s.figura(n - 1);
            ASSERT_EQ(t.valore(n, colonna, ValoreTabellone::Ritardo), f.ritardoAttuale) << n;
            ASSERT_EQ(t.valore(n, colonna, ValoreTabellone::Presenze), f.presenze) << n;
            ASSERT_EQ(t.valore(n, colonna, ValoreTabellone::Massimo), f.ritardoMassimo) << n;
        }
    }
}
