#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "index/Probabilita.h"
#include "index/VerificaStorica.h"

using namespace quorvane;

namespace {

std::string testoRuota(std::vector<int> n) {
    CinqueNumeri c{};
    for (std::size_t k = 0; k < n.size() && k < c.size(); ++k) c[k] = static_cast<std::int16_t>(n[k]);
    return scriviTestoRuota(c);
}

ArchivioEstrazioni carica(const std::vector<RigaArchivio>& righe) {
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    return a;
}

// Weekly draws of uniformly random numbers on all eleven wheels, from January 1980.
std::vector<RigaArchivio> righeCasuali(int estrazioni, std::mt19937_64& caso) {
    std::vector<RigaArchivio> righe;
    const long primo = Data{1980, 1, 5}.giorniDaEpoca();
    for (int i = 0; i < estrazioni; ++i) {
        RigaArchivio r;
        r.data = Data::daGiorniDaEpoca(primo + 7L * i).testo();
        for (auto& ruota : r.ruote) {
            std::vector<int> urna(NumeroMassimo);
            for (int n = 0; n < NumeroMassimo; ++n) urna[n] = n + 1;
            std::shuffle(urna.begin(), urna.end(), caso);
            urna.resize(NumPosizioni);
            ruota = testoRuota(urna);
        }
        righe.push_back(r);
    }
    return righe;
}

// All wheels in play, the last draw of each month, over the whole archive.
OpzioniStoriche opzioniTutteLeRuote(const ArchivioEstrazioni& archivio, int colpi, int quanti) {
    OpzioniStoriche o;
    o.dal = 1;
    o.al = archivio.NumEstrazioni();
    o.analisi.Mensile = 0;
    o.analisi.NumeroColpi = colpi;
    o.analisi.Presenze = 12;
    o.analisi.QuantitaNumeri = quanti;
    o.analisi.ruoteInGioco.fill(true);
    return o;
}

}  // namespace

TEST(VerificaStorica, ProbabilitaEResaDelCasoEsatte) {
    EXPECT_DOUBLE_EQ(probabilitaRuota(1, 1), 1.0 / 18);
    EXPECT_DOUBLE_EQ(probabilitaRuota(2, 2), 2.0 / 801);  // C(5,2) / C(90,2)
    EXPECT_DOUBLE_EQ(probabilitaRuota(3, 3), 10.0 / 117480);
    // Three numbers, ambo: two or three of them among the five.
    EXPECT_DOUBLE_EQ(probabilitaRuota(3, 2), (3.0 * 105995 + 3741) / 43949268);
    EXPECT_DOUBLE_EQ(resaAttesa(1), 11.23 * 5 / 90);
    EXPECT_DOUBLE_EQ(resaAttesa(2), 250.0 * 10 / 4005);
    EXPECT_DOUBLE_EQ(resaAttesa(3), 4500.0 * 10 / 117480);
    // A terno of a five-number play paid on one of two wheels: C(4,3) of its C(5,3) combinations.
    EXPECT_DOUBLE_EQ(vincitaRuota(5, 3, 4, 2), 4500.0 * 4 / (10 * 2));
}

// Six months of four draws; the first draw of each month is a point, its three followers the
// play. Bari holds 1, 2 and 3 together in the model windows: grown from the most frequent pair,
// they come first among the formations that cover the most model rows, so the method plays them
// as an ambo on Bari and Cagliari (two wheels: each unit is split six ways).
TEST(VerificaStorica, GiocateVinciteEPuntateDiUnArchivioFattoAMano) {
    // Filler blocks share at most one number, so no other pair repeats: the lines
    // y = m x + c over 13 values, five points each, as numbers 10 + 13 x + y.
    int blocco = 0;
    auto riempi = [&](std::vector<int> numeri) {
        const int m = blocco / 13, c = blocco % 13;
        ++blocco;
        for (int x = 0; numeri.size() < NumPosizioni; ++x) numeri.push_back(10 + 13 * x + (m * x + c) % 13);
        return testoRuota(numeri);
    };
    const std::vector<int> niente;
    // {Bari, Cagliari} per draw; nullopt: Cagliari not drawn.
    const std::vector<std::pair<std::vector<int>, std::optional<std::vector<int>>>> estrazioni = {
        {niente, niente},    {{1, 2, 3}, niente},
        {{1, 2, 3}, niente}, {{1, 2, 3}, niente},  // no model window yet
        {niente, niente},    {niente, niente},
        {{1, 2}, niente},    {{1, 2, 3}, niente},  // hit at colpo 2
        {niente, niente},    {niente, niente},
        {niente, niente},    {niente, niente},  // no hit
        {niente, niente},    {{1, 2, 3}, {{1, 3}}},
        {niente, niente},    {niente, niente},  // two wheels at colpo 1
        {niente, niente},    {niente, std::nullopt},
        {niente, niente},    {niente, niente},  // no hit, one wheel drawn once
        {niente, niente},    {niente, niente},
        {niente, niente},    {{1, 3}, niente},  // hit at colpo 3
    };
    std::vector<RigaArchivio> righe;
    for (std::size_t i = 0; i < estrazioni.size(); ++i) {
        RigaArchivio r;
        r.data = Data{2000, static_cast<int>(i / 4) + 1, static_cast<int>(i % 4) * 7 + 1}.testo();
        r.ruote[0] = riempi(estrazioni[i].first);
        if (estrazioni[i].second) r.ruote[1] = riempi(*estrazioni[i].second);
        righe.push_back(r);
    }
    const ArchivioEstrazioni archivio = carica(righe);
    OpzioniStoriche o;
    o.analisi.Mensile = 1;
    o.analisi.NumeroColpi = 3;
    o.analisi.Presenze = 6;
    o.analisi.QuantitaNumeri = 3;
    o.analisi.ruoteInGioco = {true, true};
    o.dal = 1;
    o.al = archivio.NumEstrazioni();
    ASSERT_FALSE(erroreStorico(o, archivio));

    const EsitoStorico esito = VerificaStorica(o, archivio);
    ASSERT_EQ(esito.giocate.size(), 5u);  // draw 1 has no model window: no play
    const double ambo = 250.0 / 6;        // one of three combinations, one of two wheels
    const std::vector<std::tuple<int, int, int, double, std::string>> attese = {
        {5, 2, 2, ambo, "BA 1 2"}, {9, 0, 3, 0, ""},           {13, 1, 1, 3 * ambo + ambo, "BA 1 2 3 / CA 1 3"},
        {17, 0, 3, 0, ""},         {21, 3, 3, ambo, "BA 1 3"},
    };
    const double p1 = probabilitaRuota(3, 2);
    for (std::size_t i = 0; i < attese.size(); ++i) {
        const GiocataStorica& g = esito.giocate[i];
        const auto& [punto, colpo, puntata, vincita, presi] = attese[i];
        SCOPED_TRACE(punto);
        EXPECT_EQ(g.punto, punto);
        EXPECT_EQ(g.numeri, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(g.sorte, 2);
        EXPECT_EQ(g.colpo, colpo);
        EXPECT_EQ(g.puntata, puntata);
        EXPECT_DOUBLE_EQ(g.vincita, vincita);
        EXPECT_EQ(g.presi, presi);
        // Draw 18 has Cagliari missing: five wheel-draws instead of six.
        EXPECT_DOUBLE_EQ(g.probabilita, 1 - std::pow(1 - p1, punto == 17 ? 5 : 6));
    }
    const RiepilogoStorico& r = esito.riepilogo;
    EXPECT_EQ(r.punti, 6);
    EXPECT_EQ(r.giocate, 5);
    EXPECT_EQ(r.vincite, 3);
    EXPECT_EQ(r.puntata, 12);
    EXPECT_DOUBLE_EQ(r.incasso, 6 * ambo);
    EXPECT_DOUBLE_EQ(r.resa(), 100 * 250.0 / 12);
    // Chance pays rho per wheel drawn, split over the two wheels: 11.5 units at full rate.
    EXPECT_NEAR(r.incassoAtteso, 11.5 * resaAttesa(2), 1e-12);

    o.dal = 2;
    o.al = 4;
    EXPECT_TRUE(erroreStorico(o, archivio));  // no first draw of a month
    o.dal = 21;
    o.al = 24;
    EXPECT_FALSE(erroreStorico(o, archivio));
    o.analisi.NumeroColpi = 4;
    EXPECT_TRUE(erroreStorico(o, archivio));  // draw 21 is not followed by four draws
    o.dal = 10;
    o.al = 5;
    EXPECT_TRUE(erroreStorico(o, archivio));
}

TEST(VerificaStorica, INumeriDopoIlPuntoNonCambianoLePrevisioni) {
    std::mt19937_64 caso(11);
    std::vector<RigaArchivio> righe = righeCasuali(200, caso);
    const ArchivioEstrazioni prima = carica(righe);
    OpzioniStoriche o = opzioniTutteLeRuote(prima, 6, 2);
    o.metodo = MetodoStorico::Ciclo;
    o.dal = 150;
    while (!eEstrazioneModello(o.analisi, prima, o.dal)) --o.dal;
    const int t = o.dal;
    o.al = t + o.analisi.NumeroColpi;  // the one point t, its play ending with the period
    // Everything after t drawn again.
    const std::vector<RigaArchivio> nuove = righeCasuali(200, caso);
    for (std::size_t i = t; i < righe.size(); ++i) righe[i].ruote = nuove[i].ruote;
    const ArchivioEstrazioni dopo = carica(righe);
    ASSERT_NE(prima.NumeriRuota(t + 1, 1), dopo.NumeriRuota(t + 1, 1));

    const EsitoStorico a = VerificaStorica(o, prima);
    const EsitoStorico b = VerificaStorica(o, dopo);
    ASSERT_GE(a.giocate.size(), 2u);
    ASSERT_EQ(a.giocate.size(), b.giocate.size());
    for (std::size_t i = 0; i < a.giocate.size(); ++i) EXPECT_EQ(a.giocate[i].numeri, b.giocate[i].numeri);
}

// Windows of four draws after the last draw of each month never overlap, so the plays are
// independent and the spread of the hits is the one the summary computes.
TEST(VerificaStorica, SuUnArchivioCasualeIlMetodoFaQuantoIlCaso) {
    std::mt19937_64 caso(2024);
    const ArchivioEstrazioni archivio = carica(righeCasuali(1300, caso));
    const EsitoStorico esito = VerificaStorica(opzioniTutteLeRuote(archivio, 4, 3), archivio, nullptr, {}, 2);
    const RiepilogoStorico& r = esito.riepilogo;
    ASSERT_GT(r.giocate, 250);
    ASSERT_TRUE(r.z());
    EXPECT_LT(std::abs(*r.z()), 4);
    EXPECT_NEAR(r.resaAttesa(), 100 * resaAttesa(2), 1e-9);  // every wheel drawn every time
    EXPECT_NEAR(r.resa(), r.resaAttesa(), 15);
}

TEST(VerificaStorica, AnnullataNonDaRisultati) {
    std::mt19937_64 caso(5);
    const ArchivioEstrazioni archivio = carica(righeCasuali(300, caso));
    const OpzioniStoriche o = opzioniTutteLeRuote(archivio, 4, 3);
    std::atomic<bool> annulla{false};
    int ultimo = 0;
    const EsitoStorico esito = VerificaStorica(o, archivio, &annulla, [&](int fatti, int) {
        ultimo = fatti;
        if (fatti == 3) annulla = true;
    });
    EXPECT_TRUE(esito.annullato);
    EXPECT_TRUE(esito.giocate.empty());
    EXPECT_LT(ultimo, static_cast<int>(puntiStorici(o, archivio).size()));
}
