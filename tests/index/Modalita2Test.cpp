#include <algorithm>
#include <memory>
#include <utility>

#include <gtest/gtest.h>

#include "archive/StoricoUfficiale.h"
#include "index/Copertura.h"
#include "index/FinestreModello.h"
#include "index/Modalita2.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

std::string testo(const std::vector<int>& n) {
    CinqueNumeri c{};
    for (std::size_t k = 0; k < n.size() && k < c.size(); ++k) c[k] = static_cast<std::int16_t>(n[k]);
    return scriviTestoRuota(c);
}

// Draws one day apart; each gives its wheel texts from Bari on.
ArchivioEstrazioni archivioDi(const std::vector<std::vector<std::string>>& estrazioni) {
    std::vector<RigaArchivio> righe;
    for (std::size_t i = 0; i < estrazioni.size(); ++i) {
        RigaArchivio r;
        r.data = Data{2000, static_cast<int>(i / 28) + 1, static_cast<int>(i % 28) + 1}.testo();
        for (std::size_t w = 0; w < estrazioni[i].size(); ++w) r.ruote[w] = estrazioni[i][w];
        righe.push_back(r);
    }
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    return a;
}

RigaModello finestra(int inizio, int end, bool coperta = false) {
    RigaModello r;
    r.estr = inizio - 1;
    r.inizio = inizio;
    r.fine = r.end = end;
    r.coperta = coperta;
    return r;
}

// Bari alone in play.
AnalisiIndice analisi(int n, int sorte, std::vector<RigaModello> righe, int capogioco = 0) {
    AnalisiIndice a;
    impostaRuoteInGioco(a);
    a.QuantitaNumeri = n;
    a.SorteElaborazione = sorte;
    a.Capogioco = capogioco;
    a.modello = std::move(righe);
    return a;
}

// Window 1 (draws 1..3) holds 1 2 three times; window 2 (draw 4) holds 3 4, also drawn in 1.
ArchivioEstrazioni archivioCoppie() {
    return archivioDi({{"01-02-03-04-10"}, {"01-02-13-14-15"}, {"01-02-16-17-18"}, {"03-04-20-21-22"}});
}
std::vector<RigaModello> finestreCoppie() {
    return {finestra(4, 4), finestra(1, 3)};
}

// Window 1 (draws 1..2) holds 1 2 3 twice; 3 50 51 comes out in both windows.
ArchivioEstrazioni archivioTerni() {
    return archivioDi({{"01-02-03-50-51"}, {"01-02-03-60-61"}, {"03-50-51-70-71"}});
}
std::vector<RigaModello> finestreTerni() {
    return {finestra(3, 3), finestra(1, 2)};
}

// The triple counts are too large for the stack.
std::unique_ptr<TabelleConteggio> tabelleNuove() {
    return std::make_unique<TabelleConteggio>();
}

}  // namespace

TEST(Modalita2, AmboConNDueLeCoppieSonoOrdinatePerCoperturaNonPerFrequenza) {
    const ArchivioEstrazioni archivio = archivioCoppie();
    auto t = tabelleNuove();
    AnalisiIndice a = analisi(2, 2, finestreCoppie());
    std::vector<std::pair<int, int>> avanzamento;
    const auto fcc = ElaborazioneModalita2(a, archivio, *t, [&](int v, int m) { avanzamento.emplace_back(v, m); });

    // 1 2 came out three times in one window, 3 4 once in each: 3 4 covers more.
    ASSERT_EQ(fcc.size(), 37u);  // every pair drawn in some window, no other
    EXPECT_EQ(fcc[0], (Formazione{2, {3, 4}}));
    EXPECT_EQ(fcc[1], (Formazione{1, {1, 2}}));
    EXPECT_EQ(fcc[2], (Formazione{1, {1, 3}}));  // equal counts keep the pair order
    EXPECT_EQ(fcc.back().copertura, 1);
    EXPECT_EQ(GetFrequenzaFormazioneDinamica({2, 1}, *t), 3);
    EXPECT_EQ(GetFrequenzaFormazioneDinamica({4, 1, 3}, *t), 1 + 1 + 2);
    EXPECT_EQ(GetFrequenzaFormazioneDinamica({3}, *t), 0);

    ASSERT_EQ(avanzamento.size(), 89u + 4005u);
    EXPECT_EQ(avanzamento[88], std::make_pair(89, 89));
    EXPECT_EQ(avanzamento.back(), std::make_pair(4005, 4005));

    // "Fine ricerca" does not bound these windows.
    a.FineRicerca = 1;
    EXPECT_EQ(ElaborazioneModalita2(a, archivio, *t), fcc);
}

TEST(Modalita2, AmboCapogiocoCrescitaGolosaEDoppioni) {
    const ArchivioEstrazioni archivio = archivioCoppie();
    auto t = tabelleNuove();
    const auto fcc = ElaborazioneModalita2(analisi(3, 2, finestreCoppie(), 3), archivio, *t);
    // The 89 seeds that hold 3: 3 4 grows with 1 (1, 2, 10, 20.. tie, the smaller wins); 1 3 and
    // 2 3 both grow into 1 2 3, listed once; 3 13 ties 1, 2 and 4 and takes 1.
    ASSERT_EQ(fcc.size(), 88u);
    EXPECT_EQ(fcc[0], (Formazione{2, {1, 3, 4}}));
    EXPECT_EQ(fcc[1], (Formazione{2, {3, 4, 10}}));
    EXPECT_EQ(fcc[80], (Formazione{2, {3, 4, 90}}));
    EXPECT_EQ(fcc[81], (Formazione{1, {1, 2, 3}}));
    EXPECT_EQ(fcc[82], (Formazione{1, {1, 3, 13}}));
    EXPECT_EQ(fcc[87], (Formazione{1, {1, 3, 18}}));
    for (const Formazione& f : fcc) EXPECT_TRUE(std::ranges::find(f.numeri, 3) != f.numeri.end());
}

TEST(Modalita2, RuotaNonEstrattaChiudeLaRigaPerLeCoppieMaNonPerITerni) {
    const ArchivioEstrazioni archivio = archivioDi({
        {"01-02-03-04-05", "06-07-08-09-10"},
        {"", "21-22-23-24-25"},  // Bari not drawn: the row ends here
        {"31-32-33-34-35", "36-37-38-39-40"},
        {"99-99-99-99-99", "45-46-47-48-49"},  // not drawn, as 99 says: nothing of this row counts
        {"51-52-53-54-55", "56-57-58-59-60"},
        {"61-62-63-64-70", "65-66-67-68-69"},
        {"71-72-73-74-75", "76-77-78-79-80"},
    });
    auto t = tabelleNuove();
    AnalisiIndice a = analisi(2, 2, {finestra(7, 7, true), finestra(6, 6), finestra(4, 5), finestra(1, 3)});
    a.RuoteSel[1] = true;  // Bari and Cagliari in play
    ElaborazioneModalita2(a, archivio, *t);
    const std::pair<int, int> contate[] = {{1, 2}, {6, 7}, {61, 62}, {61, 64}, {65, 66}};
    const std::pair<int, int> escluse[] = {{21, 22}, {31, 32}, {36, 37}, {45, 46}, {51, 52}, {71, 72}};
    for (auto [x, y] : contate) EXPECT_EQ(t->coppia(x, y), 1) << x << " " << y;
    for (auto [x, y] : escluse) EXPECT_EQ(t->coppia(x, y), 0) << x << " " << y;

    a.SorteElaborazione = 3;
    a.QuantitaNumeri = 3;
    ElaborazioneModalita2(a, archivio, *t);
    for (int x : {1, 21, 31, 36, 45, 51, 61, 65}) EXPECT_EQ(GetFrequenzaFormazioneTerni({x + 2, x, x + 1}, *t), 1) << x;
    EXPECT_EQ(GetFrequenzaFormazioneTerni({71, 72, 73}, *t), 0);  // covered row
    EXPECT_EQ(GetFrequenzaFormazioneTerni({61, 62, 63, 64}, *t), 4);
}

TEST(Modalita2, TerniPerCoperturaCrescitaEDoppioni) {
    const ArchivioEstrazioni archivio = archivioTerni();
    auto t = tabelleNuove();
    auto fcc = ElaborazioneModalita2(analisi(3, 3, finestreTerni()), archivio, *t);
    ASSERT_EQ(fcc.size(), 28u);  // every triple drawn, each its own seed
    EXPECT_EQ(fcc[0], (Formazione{2, {3, 50, 51}}));
    EXPECT_EQ(fcc[1], (Formazione{1, {1, 2, 3}}));  // drawn twice, in one window
    EXPECT_EQ(fcc[2], (Formazione{1, {1, 2, 50}}));
    EXPECT_EQ(GetFrequenzaFormazioneTerni({50, 2, 3, 1}, *t), 2 + 1 + 1 + 1);

    // 3 50 51 ties 1, 2, 70 and 71 and takes 1; 1 50 51 grows into the same four, which stay once.
    fcc = ElaborazioneModalita2(analisi(4, 3, finestreTerni()), archivio, *t);
    ASSERT_GE(fcc.size(), 3u);
    EXPECT_EQ(fcc[0], (Formazione{2, {1, 3, 50, 51}}));
    EXPECT_EQ(fcc[1], (Formazione{2, {2, 3, 50, 51}}));
    EXPECT_EQ(fcc[2], (Formazione{2, {3, 50, 51, 70}}));
    for (std::size_t i = 0; i < fcc.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(fcc[i].numeri, fcc[j].numeri);
        if (i > 0) {
            EXPECT_GE(fcc[i - 1].copertura, fcc[i].copertura);
        }
    }

    fcc = ElaborazioneModalita2(analisi(3, 3, finestreTerni(), 50), archivio, *t);
    ASSERT_EQ(fcc.size(), 11u);
    EXPECT_EQ(fcc[0], (Formazione{2, {3, 50, 51}}));
    for (const Formazione& f : fcc) EXPECT_TRUE(std::ranges::find(f.numeri, 50) != f.numeri.end());

    EXPECT_TRUE(ElaborazioneModalita2(analisi(2, 3, finestreTerni()), archivio, *t).empty());
    EXPECT_TRUE(ElaborazioneModalita2(analisi(1, 2, finestreTerni()), archivio, *t).empty());
}

TEST(Modalita2, VelocizzaLimitaISemi) {
    // Window 1 holds 21 groups drawn twice each, whose pairs and triples are all different;
    // 1..5 come out once in window 2 and twice in window 3, so their plays rank first.
    std::vector<std::vector<int>> gruppi;
    for (int k = 0; k < 17; ++k) gruppi.push_back({5 * k + 6, 5 * k + 7, 5 * k + 8, 5 * k + 9, 5 * k + 10});
    for (int j = 1; j <= 4; ++j) gruppi.push_back({j + 5, j + 10, j + 15, j + 20, j + 25});
    std::vector<std::vector<std::string>> estrazioni;
    for (const auto& g : gruppi) estrazioni.insert(estrazioni.end(), 2, {testo(g)});
    estrazioni.insert(estrazioni.end(), 3, {"01-02-03-04-05"});
    const ArchivioEstrazioni archivio = archivioDi(estrazioni);
    const std::vector<RigaModello> righe = {finestra(44, 45), finestra(43, 43), finestra(1, 42)};
    auto t = tabelleNuove();

    struct Caso {
        int sorte;
        bool veloce;
        std::size_t righe;
    };
    for (const Caso& c : {Caso{2, false, 220}, Caso{2, true, 200}, Caso{3, false, 150}, Caso{3, true, 40}}) {
        AnalisiIndice a = analisi(c.sorte, c.sorte, righe);
        a.veloce = c.veloce;
        const auto fcc = ElaborazioneModalita2(a, archivio, *t);
        ASSERT_EQ(fcc.size(), c.righe) << c.sorte << c.veloce;
        const bool ambo = c.sorte == 2;
        EXPECT_EQ(fcc[0], (Formazione{2, ambo ? std::vector<int>{1, 2} : std::vector<int>{1, 2, 3}}));
        EXPECT_EQ(fcc[9].copertura, 2);
        EXPECT_EQ(fcc[10], (Formazione{1, ambo ? std::vector<int>{6, 7} : std::vector<int>{6, 7, 8}}));
    }
    // Of the triples of equal count the first 30 met stay: a later one never takes the last place.
    AnalisiIndice a = analisi(3, 3, righe);
    a.veloce = true;
    EXPECT_EQ(ElaborazioneModalita2(a, archivio, *t).back(), (Formazione{1, {9, 14, 24}}));
}

TEST(Modalita2, ProprietaSullArchivioReale) {
    RICHIEDE_STORICO();
    auto letto = leggiStoricoFile(test::percorsoStorico());
    std::vector<RigaArchivio> righe;
    for (const auto& e : std::get<std::vector<Estrazione>>(letto)) righe.push_back(e.riga());
    ArchivioEstrazioni archivio;
    ASSERT_EQ(archivio.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    AnalisiIndice a = analisi(2, 2, {});
    a.EstrazioneSelezionata = archivio.NumEstrazioni();
    a.forzaUltima = true;
    a.Presenze = 200;
    a.NumeroColpi = 20;
    a.ruoteInGioco.fill(true);
    ASSERT_TRUE(RicavaBaseDati(a, archivio));
    for (int k = 10; k < 200; k += 7) a.modello[k].coperta = true;
    impostaRuoteInGioco(a);
    auto t = tabelleNuove();

    // With N = 2 every pair is its own formation: the list holds the 499 best coverages.
    const auto coppie = ElaborazioneModalita2(a, archivio, *t);
    const FinestreModello finestre(a, archivio);
    std::vector<int> attese, trovate;
    for (int x = 1; x < 90; ++x)
        for (int y = x + 1; y <= 90; ++y) attese.push_back(finestre.copertura(Formazione{0, {x, y}}.maschera(), 2));
    std::ranges::sort(attese, std::greater<>());
    attese.resize(FormazionePiuFrequente::Conservate);
    for (const auto& f : coppie) trovate.push_back(f.copertura);
    EXPECT_EQ(trovate, attese);

    a.QuantitaNumeri = 8;
    for (int sorte : {2, 3}) {
        a.SorteElaborazione = sorte;
        const auto fcc = ElaborazioneModalita2(a, archivio, *t);
        ASSERT_FALSE(fcc.empty());
        ASSERT_LE(fcc.size(), sorte == 2 ? 499u : 150u);
        EXPECT_TRUE(std::ranges::is_sorted(fcc, std::greater<>(), &Formazione::copertura));
        for (std::size_t i = 0; i < fcc.size(); ++i) {
            ASSERT_EQ(fcc[i].numeri.size(), 8u);
            ASSERT_TRUE(std::ranges::adjacent_find(fcc[i].numeri, std::greater_equal<>()) == fcc[i].numeri.end());
            ASSERT_EQ(fcc[i].copertura, finestre.copertura(fcc[i].maschera(), sorte));
        }
    }
    // Every pair seeds a formation that holds it, so the best eight cover at least as much.
    a.SorteElaborazione = 2;
    EXPECT_GE(ElaborazioneModalita2(a, archivio, *t).front().copertura, coppie.front().copertura);
}
