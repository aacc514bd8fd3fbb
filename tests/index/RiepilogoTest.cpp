#include <cstdio>

#include <gtest/gtest.h>

#include "core/Colori.h"
#include "index/MetodoIndice.h"
#include "index/Riepilogo.h"

using namespace quorvane;

namespace {

// Draws 1..7 in January, 8..14 in February; 5 is drawn only in draws 3 and 13, on Bari,
// Cagliari and Firenze. With the first draw of each month as model draw, the windows are
// 2..7 and 9..14: 5 comes out at colpo 2 of the first and colpo 5 of the second.
ArchivioEstrazioni archivioDueColpi() {
    std::vector<RigaArchivio> righe;
    for (int i = 1; i <= 14; ++i) {
        RigaArchivio r;
        const int giorno = i <= 7 ? 2 * i : 2 * (i - 7);
        char data[11];
        std::snprintf(data, sizeof data, "%02d/%02d/2000", giorno, i <= 7 ? 1 : 2);
        r.data = data;
        const bool cinque = i == 3 || i == 13;
        for (int w = 0; w < 3; ++w) r.ruote[w] = cinque ? "05-60-61-62-63" : "70-71-72-73-74";
        righe.push_back(r);
    }
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Avvio), EsitoCaricamento::Riuscito);
    return a;
}

}  // namespace

TEST(Riepilogo, EsitiPerColpoConLaPercentuale) {
    ArchivioEstrazioni archivio = archivioDueColpi();
    MetodoIndice m(archivio, 1);
    m.analisi.EstrazioneSelezionata = 14;
    m.analisi.Mensile = 1;
    m.analisi.NumeroColpi = 6;
    m.analisi.ruoteInGioco = {true, true, true};
    ASSERT_TRUE(m.RicavaBaseDati());
    ASSERT_EQ(m.analisi.modello.size(), 2u);
    ASSERT_TRUE(m.AggiungiDaTavola(1, {5}));

    const Riepilogo r = calcolaRiepilogo(m.contatori);
    EXPECT_EQ(r.totale, 6);
    EXPECT_EQ(r.perColpo[2], 3);
    EXPECT_EQ(r.perColpo[5], 3);
    EXPECT_EQ(r.perQuantita[1][1], 6);

    Griglia fg2("Fg2");
    riempiEsitiPerColpo(fg2, r, ",");
    ASSERT_EQ(fg2.righe(), 21);
    EXPECT_EQ(fg2.testo(0, 1), "Esiti   ");
    for (int c : {2, 5}) {
        EXPECT_EQ(fg2.testo(c, 0), std::to_string(c));
        EXPECT_EQ(fg2.testo(c, 1), "3");
        EXPECT_EQ(fg2.testo(c, 2), "50,0");
    }
    for (int c : {1, 3, 4, 6, 20}) EXPECT_TRUE(fg2.testo(c, 0).empty() && fg2.testo(c, 2).empty()) << c;

    Griglia fg1("Fg1");
    riempiEsitiPerQuantita(fg1, r);
    ASSERT_EQ(fg1.righe(), 9);
    EXPECT_EQ(fg1.testo(1, 1), "6");
    EXPECT_TRUE(fg1.testo(1, 2).empty());
}

TEST(Riepilogo, ContatoriSommatiPerQuantitaENessunEsito) {
    ContatoriVerifica c;
    // Two forecasts of three numbers with 2 and 1 hits of two numbers; forecast 10 and a
    // forecast of no numbers are not summarised.
    c.EsitiFormazione[1] = {3, 0, 2, 0, 0, 0};
    c.EsitiFormazione[4] = {3, 1, 1, 0, 0, 0};
    c.EsitiFormazione[9] = {8, 0, 0, 0, 0, 1};
    c.EsitiFormazione[10] = {3, 0, 7, 0, 0, 0};
    c.EsitiFormazione[2] = {0, 4, 0, 0, 0, 0};
    Riepilogo r = calcolaRiepilogo(c);
    EXPECT_EQ(r.perQuantita[3][2], 3);
    EXPECT_EQ(r.perQuantita[3][1], 1);
    EXPECT_EQ(r.perQuantita[8][5], 1);

    // No hits: labels only, no share computed.
    const Riepilogo vuoto = calcolaRiepilogo(ContatoriVerifica{});
    EXPECT_EQ(vuoto.totale, 0);
    EXPECT_EQ(vuoto.decimiPercentuale(1), 0);
    Griglia fg1, fg2;
    riempiEsitiPerQuantita(fg1, vuoto);
    riempiEsitiPerColpo(fg2, vuoto, ",");
    for (int q = 1; q <= 8; ++q) {
        EXPECT_EQ(fg1.testo(q, 0), std::to_string(q));
        for (int k = 1; k <= 5; ++k) EXPECT_TRUE(fg1.testo(q, k).empty());
    }
    for (int colpo = 1; colpo <= 20; ++colpo)
        for (int k = 0; k < 3; ++k) EXPECT_TRUE(fg2.testo(colpo, k).empty());
}

TEST(Riepilogo, PercentualeArrotondataSenzaZeroIniziale) {
    Riepilogo r;
    auto quota = [&r](int esiti, int totale) {
        r.perColpo[1] = esiti;
        r.totale = totale;
        return r.decimiPercentuale(1);
    };
    EXPECT_EQ(quota(1, 16), 63);  // 6.25 rounds up
    EXPECT_EQ(quota(1, 3), 333);
    EXPECT_EQ(quota(2, 3), 667);
    EXPECT_EQ(quota(1, 200), 5);
    EXPECT_EQ(quota(1, 2001), 0);
    EXPECT_EQ(quota(7, 7), 1000);
    EXPECT_EQ(testoPercentuale(5, ","), ",5");
    EXPECT_EQ(testoPercentuale(0, "."), ".0");
    EXPECT_EQ(testoPercentuale(250, ","), "25,0");
    EXPECT_EQ(testoPercentuale(1000, "."), "100.0");
    EXPECT_EQ(testoPercentuale(63, "\u066B"), "6\u066B3");
}
