#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "core/CodaBernoulli.h"
#include "core/Colori.h"
#include "index/CasoStorico.h"
#include "index/ConfrontoStorico.h"
#include "index/GrigliaStorico.h"
#include "index/Probabilita.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

std::string testoRuota(const std::vector<int>& n) {
    CinqueNumeri c{};
    for (std::size_t k = 0; k < n.size() && k < c.size(); ++k) c[k] = static_cast<std::int16_t>(n[k]);
    return scriviTestoRuota(c);
}

// Weekly draws with these numbers on Bari; an empty list leaves Bari undrawn (Cagliari is drawn).
ArchivioEstrazioni archivioBari(const std::vector<std::vector<int>>& bari) {
    std::vector<RigaArchivio> righe;
    const long primo = Data{2000, 1, 1}.giorniDaEpoca();
    for (std::size_t i = 0; i < bari.size(); ++i) {
        RigaArchivio r;
        r.data = Data::daGiorniDaEpoca(primo + 7L * static_cast<long>(i)).testo();
        if (bari[i].empty()) r.ruote[1] = testoRuota({1, 2, 3, 4, 5});
        else r.ruote[0] = testoRuota(bari[i]);
        righe.push_back(r);
    }
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    return a;
}

OpzioniStoriche strategia(Strategia s, int dal, int al, int colpi) {
    OpzioniStoriche o;
    o.strategia = s;
    o.dal = dal;
    o.al = al;
    o.analisi.NumeroColpi = colpi;
    return o;
}

}  // namespace

// Draws 1..18 bring out 1..90 in order, draw 19 leaves Bari out, draw 20 repeats 86 87 1 2 3:
// at point 20 the most delayed numbers are 4 and 5, the most delayed pair is 1-6 (never together),
// and the last two Bari draws (18 and 20, not 19) hold 86 and 87 twice.
TEST(StrategieStoriche, SceltaAlPuntoConIPareggi) {
    std::vector<std::vector<int>> bari;
    for (int i = 0; i < 18; ++i) bari.push_back({5 * i + 1, 5 * i + 2, 5 * i + 3, 5 * i + 4, 5 * i + 5});
    bari.push_back({});
    bari.push_back({86, 87, 1, 2, 3});
    bari.push_back({4, 6, 50, 51, 52});
    const ArchivioEstrazioni archivio = archivioBari(bari);

    struct Caso {
        OpzioniStoriche o;
        std::vector<int> numeri;
        int colpo;
    };
    std::vector<Caso> casi = {
        {strategia(Strategia::Ritardatario, 20, 21, 1), {4}, 1},
        {strategia(Strategia::AmboRitardatario, 20, 21, 1), {1, 6}, 0},
        {strategia(Strategia::Frequenti, 20, 21, 1), {86, 87}, 0},
        {strategia(Strategia::Frequenti, 20, 21, 1), {1, 2}, 0},
        {strategia(Strategia::Fissi, 20, 21, 1), {50, 51}, 1},
    };
    casi[2].o.finestra = 2;
    casi[3].o.finestra = 1;
    for (int k : {2, 3}) casi[k].o.sorte = 1;
    casi[4].o.numeri = {51, 50};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.numeri[0]);
        ASSERT_FALSE(erroreStorico(c.o, archivio));
        const EsitoStorico esito = VerificaStorica(c.o, archivio);
        ASSERT_EQ(esito.giocate.size(), 1u);
        EXPECT_EQ(esito.giocate[0].numeri, c.numeri);
        EXPECT_EQ(esito.giocate[0].colpo, c.colpo);
        // One play: p is its own chance when it won, 1 when it did not.
        ASSERT_TRUE(esito.riepilogo.p);
        EXPECT_DOUBLE_EQ(*esito.riepilogo.p, c.colpo ? esito.giocate[0].probabilita : 1.0);
    }
    OpzioniStoriche errata = casi[4].o;
    errata.numeri = {50, 50};
    EXPECT_TRUE(erroreStorico(errata, archivio));
    errata.numeri = {50};
    errata.sorte = 2;
    EXPECT_TRUE(erroreStorico(errata, archivio));
    errata = casi[2].o;
    errata.quanti = Previsione::MaxNumeri + 1;
    EXPECT_TRUE(erroreStorico(errata, archivio));
    errata.quanti = 2;
    errata.finestra = 0;
    EXPECT_TRUE(erroreStorico(errata, archivio));
}

// Four draws a month, the last one a model draw: with six colpi each play runs into the next
// point, which is skipped; with four the windows only touch.
TEST(StrategieStoriche, UnPuntoNonSiSovrapponeAlPrecedente) {
    std::vector<RigaArchivio> righe;
    for (int i = 0; i < 24; ++i) {
        RigaArchivio r;
        r.data = Data{2001, i / 4 + 1, (i % 4) * 7 + 1}.testo();
        r.ruote[0] = testoRuota({i % 80 + 1, i % 80 + 2, i % 80 + 3, i % 80 + 4, i % 80 + 5});
        righe.push_back(r);
    }
    ArchivioEstrazioni archivio;
    ASSERT_EQ(archivio.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    OpzioniStoriche o = strategia(Strategia::Indice, 1, 24, 6);
    o.analisi.Mensile = 0;
    EXPECT_EQ(puntiStorici(o, archivio), (std::vector<int>{4, 12}));
    o.analisi.NumeroColpi = 4;
    EXPECT_EQ(puntiStorici(o, archivio), (std::vector<int>{4, 8, 12, 16, 20}));
    o.strategia = Strategia::Ritardatario;
    o.dal = 3;
    EXPECT_EQ(puntiStorici(o, archivio), (std::vector<int>{3, 7, 11, 15, 19}));
}

// With one play per point the tail is exact; the simulation must find it within its error.
TEST(StrategieStoriche, IlPSimulatoTrovaQuelloEsatto) {
    std::mt19937_64 caso(7);
    std::vector<std::vector<int>> bari;
    for (int i = 0; i < 400; ++i) {
        std::vector<int> urna(NumeroMassimo);
        for (int n = 0; n < NumeroMassimo; ++n) urna[n] = n + 1;
        std::shuffle(urna.begin(), urna.end(), caso);
        urna.resize(NumPosizioni);
        bari.push_back(urna);
    }
    const ArchivioEstrazioni archivio = archivioBari(bari);
    OpzioniStoriche o = strategia(Strategia::Frequenti, 50, 400, 5);
    o.quanti = 3;
    o.sorte = 1;
    const EsitoStorico esito = VerificaStorica(o, archivio);
    const RiepilogoStorico& r = esito.riepilogo;
    ASSERT_TRUE(r.p);
    EXPECT_EQ(r.erroreP, 0);
    const SimulazioneCaso s = simulaCaso(esito.giocate, r.vincite, 3);
    EXPECT_NEAR(s.p, *r.p, 4 * s.erroreP + 1e-3);
    EXPECT_NEAR(s.pInferiore, *r.pInferiore,
                4 * std::sqrt(s.pInferiore * (1 - s.pInferiore) / SimulazioneCaso::Quante) + 1e-3);
    EXPECT_NEAR(s.media, r.attese, 4 * std::sqrt(r.varianza / SimulazioneCaso::Quante));
    EXPECT_NEAR(s.varianza, r.varianza, 0.1 * r.varianza);

    // Two plays of one point on the same numbers win together: never one hit alone.
    std::vector<GiocataStorica> gemelle(2, esito.giocate[0]);
    EXPECT_EQ(simulaCaso(gemelle, 1, 3).p, simulaCaso(gemelle, 2, 3).p);
}

// Two ambo plays of one point that share the pair 1-2, {1,2,3} and {1,2,4}, over 30 wheel draws,
// worked by hand. In one draw, A (two of 1,2,3) has C(87,2) + 3 C(87,3) of the C(90,5) draws; A
// and B together need 1 and 2, or 3, 4 and one of 1, 2: C(88,3) + 2 C(86,2). Over 30 draws both
// win with probability 1 - 2 (1 - a)^30 + (1 - 2a + ab)^30, about 0.092: more than twice what
// two independent plays would give (0.039).
TEST(StrategieStoriche, DueGiocateCheSiToccanoSimulateComeIlCalcoloEsatto) {
    std::vector<GiocataStorica> giocate(2);
    giocate[0].numeri = {1, 2, 3};
    giocate[1].numeri = {1, 2, 4};
    for (GiocataStorica& g : giocate) {
        g.punto = 1;
        g.sorte = 2;
        g.estrazioniRuota = 30;
    }
    const double tutte = combinazioni(90, 5);
    const double a = (combinazioni(87, 2) + 3 * combinazioni(87, 3)) / tutte;
    const double ab = (combinazioni(88, 3) + 2 * combinazioni(86, 2)) / tutte;
    const double nessuna = std::pow(1 - 2 * a + ab, 30);
    const double entrambe = 1 - 2 * std::pow(1 - a, 30) + nessuna;
    for (const auto& [vincite, attesa] : {std::pair{1, 1 - nessuna}, std::pair{2, entrambe}}) {
        const SimulazioneCaso s = simulaCaso(giocate, vincite, 5);
        EXPECT_NEAR(s.p, attesa, 4 * std::sqrt(attesa * (1 - attesa) / SimulazioneCaso::Quante)) << vincite;
    }
    EXPECT_NEAR(entrambe, 0.0923, 1e-4);  // the figure above
}

// Number 1 as estratto on Bari, out in draws 2, 4 and 12. Training 1..8: one colpo gives 7 plays
// with 2 hits, two colpi 3 plays with 2 hits (smaller p: the best); test 9..13 with two colpi:
// plays at 9 (lost, 2 staked) and 11 (won at the first draw).
TEST(StrategieStoriche, ConfrontoSceglieSuGliAnniDiAllenamentoEProvaSugliAltri) {
    std::vector<std::vector<int>> bari(13, {10, 20, 30, 40, 50});
    for (int d : {2, 4, 12}) bari[d - 1] = {1, 20, 30, 40, 50};
    const ArchivioEstrazioni archivio = archivioBari(bari);
    OpzioniStoriche o = strategia(Strategia::Fissi, 1, 13, 1);
    o.numeri = {1};
    o.sorte = 1;
    const std::vector<OpzioneConfronto> griglia = {{"colpi", {1, 2}}};
    ASSERT_FALSE(erroreConfronto(o, griglia, 9, archivio));

    const EsitoConfronto esito = confronta(o, griglia, 9, archivio);
    ASSERT_EQ(esito.combinazioni.size(), 2u);
    const double q1 = 1.0 / 18, q2 = 1 - std::pow(17.0 / 18, 2);
    EXPECT_NEAR(*esito.combinazioni[0].allenamento.p, 1 - std::pow(1 - q1, 7) - 7 * q1 * std::pow(1 - q1, 6), 1e-12);
    EXPECT_NEAR(*esito.combinazioni[1].allenamento.p, 3 * q2 * q2 * (1 - q2) + q2 * q2 * q2, 1e-12);
    EXPECT_EQ(esito.migliore, 1);
    EXPECT_EQ(esito.combinazioni[1].valori, std::vector<int>{2});
    EXPECT_EQ(esito.prova.giocate, 2);
    EXPECT_EQ(esito.prova.vincite, 1);
    EXPECT_EQ(esito.prova.puntata, 3);
    EXPECT_DOUBLE_EQ(esito.prova.incasso, PremioSorte[1]);
    EXPECT_NEAR(*esito.prova.p, 1 - std::pow(1 - q2, 2), 1e-12);
    EXPECT_DOUBLE_EQ(esito.pAttesoMigliore, 1.0 / 3);
    // Equal p: the first listed is the best.
    EXPECT_EQ(confronta(o, {{"colpi", {2, 1, 2}}}, 9, archivio).migliore, 0);

    EXPECT_TRUE(erroreConfronto(o, griglia, 1, archivio));                  // no training years
    EXPECT_TRUE(erroreConfronto(o, griglia, 14, archivio));                 // beyond the period
    EXPECT_TRUE(erroreConfronto(o, {{"presenze", {6, 12}}}, 9, archivio));  // not an option of fissi
    EXPECT_TRUE(erroreConfronto(o, {{"colpi", {1}}, {"colpi", {2}}}, 9, archivio));
    const std::vector<int> mille(1001, 1);
    EXPECT_TRUE(erroreConfronto(o, {{"colpi", mille}}, 9, archivio));
}

// The table of combinations is in order of p as a number, the best first: "< 0,001" before
// "0,0200", equal p as listed, a combination without p last.
TEST(StrategieStoriche, LeCombinazioniInOrdineDiP) {
    EsitoConfronto esito;
    for (const std::optional<double> p : {std::optional(0.5), std::optional(0.0004), std::optional<double>(),
                                          std::optional(0.02), std::optional(0.0004)}) {
        RigaConfronto riga{{static_cast<int>(esito.combinazioni.size()) + 1}, {}};
        riga.allenamento.p = p;
        esito.combinazioni.push_back(riga);
    }
    esito.migliore = 1;
    Griglia g;
    riempiTabellaConfronto(g, {{"colpi", {1, 2, 3, 4, 5}}}, esito, ",");
    ASSERT_EQ(g.righe(), 6);
    std::vector<std::string> colpi, p;
    for (int r = 1; r < g.righe(); ++r) {
        colpi.push_back(g.testo(r, 0));
        p.push_back(g.testo(r, 6));
    }
    EXPECT_EQ(colpi, (std::vector<std::string>{"2", "5", "4", "1", "3"}));
    EXPECT_EQ(p, (std::vector<std::string>{"< 0,001", "< 0,001", "0,020", "0,500", ""}));
    EXPECT_EQ(g.sfondo(1, 0), VerdeMedio);
    EXPECT_FALSE(g.sfondo(2, 0));
}

// Nazionale is drawn from 04/05/2005 only. A point whose colpi hold no draw of the wheels in play
// has nothing to stake: it is left out and counted, so that chance's return on what is played
// stays the ambo's 62.4%; a period with no such draw at all is refused.
TEST(StrategieStoriche, NessunaGiocataDoveLeRuoteInGiocoNonSonoEstratte) {
    RICHIEDE_STORICO();
    const ArchivioEstrazioni& archivio = test::archivioReale();
    OpzioniStoriche o = strategia(Strategia::Frequenti, 1, archivio.NumEstrazioni(), 12);
    o.analisi.ruoteInGioco = {};
    o.analisi.ruoteInGioco[NumRuote - 1] = true;
    o.ruotaLetta = NumRuote;
    ASSERT_EQ(erroreStorico(o, archivio), std::nullopt);
    const EsitoStorico esito = VerificaStorica(o, archivio);
    EXPECT_EQ(esito.riepilogo.senzaEstrazioni, 324);  // 325 points before 04/05/2005, one reaching it
    EXPECT_EQ(esito.riepilogo.punti + esito.riepilogo.senzaEstrazioni, 614);
    EXPECT_GT(esito.riepilogo.giocate, 0);
    for (const GiocataStorica& g : esito.giocate) {
        EXPECT_GT(g.estrazioniRuota, 0) << g.punto;
        EXPECT_FALSE(archivio.DataEstrazione(g.punto + 12) < (Data{2005, 5, 4})) << g.punto;
    }
    EXPECT_NEAR(esito.riepilogo.resaAttesa(), 100 * 250.0 * 10 / 4005, 1e-9);

    o.strategia = Strategia::Ritardatario;
    o.al = 100;
    const auto errore = erroreStorico(o, archivio);
    ASSERT_TRUE(errore);
    EXPECT_NE(errore->find("punti senza estrazioni sulle ruote in gioco: 8"), std::string::npos) << *errore;
}
