#include <cmath>

#include <gtest/gtest.h>

#include "analyses/Statistiche.h"
#include "core/Colori.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// Bari and Cagliari only. Draw 2 has no numbers at all and Cagliari is missing in draws 1 and
// 6, so the counted draws are 1, 3, 4, 5, 6, 7, 8 (seven) and the (draw, wheel) twelve.
ArchivioEstrazioni archivio() {
    return test::archivioDiProva(
        {"01-02-03-04-05", "", "10-11-12-13-14", "30-31-32-33-34", "01-50-51-52-53", "70-71-72-73-74", "75-76-77-78-79",
         "85-86-87-88-89"},
        {"", "", "01-02-20-21-22", "40-41-42-43-44", "01-60-61-62-63", "", "75-76-82-83-84", "02-23-24-25-26"});
}

Griglia griglia(const Statistiche& s, const ArchivioEstrazioni& a) {
    Griglia fg("FgStatistiche");
    riempiStatistiche(fg, s, a, s.ordine(ColonnaStatistiche::Elemento, false));
    return fg;
}

std::string riga(const Griglia& fg, int r) {
    return fg.testoIntervallo(r, 0, r, NumColonneStatistiche - 1);
}

bool evidenziata(const Griglia& fg, int r) {
    return fg.sfondo(r, 1) == ArancioChiaro;
}

}  // namespace

TEST(Statistiche, EstrattiCalcolatiAMano) {
    const auto a = archivio();
    Statistiche s;
    ASSERT_EQ(s.calcola(a, {}), ErroreStatistiche::Nessuno);
    EXPECT_EQ(s.estrazioniContate(), 7);
    const Griglia fg = griglia(s, a);
    EXPECT_EQ(fg.testoIntervallo(0, 0, 0, 10),
              "Numero\tPresenze\tAttese\tRapporto\tRit. attuale\tRit. massimo\tFine massimo\tRit. medio\tUltima\t"
              "Data ultima\tRuote ultima");
    // Out in the 1st, 2nd and 4th counted draws (twice in the 4th): the longest run is the current one.
    EXPECT_EQ(riga(fg, 1), "1\t4\t0,67\t6,00\t3\t3\t\t1,75\t5\t14/02/2000\tBA CA");
    // The longest run ends with the last draw.
    EXPECT_EQ(riga(fg, 2), "2\t3\t0,67\t4,50\t0\t4\t20/03/2000\t1,75\t8\t20/03/2000\tCA");
    // The longest run is the first one: six counted draws, the empty draw 2 aside.
    EXPECT_EQ(riga(fg, 88), "88\t1\t0,67\t1,50\t0\t6\t20/03/2000\t3,50\t8\t20/03/2000\tBA");
    EXPECT_EQ(riga(fg, 75), "75\t2\t0,67\t3,00\t1\t5\t13/03/2000\t3,50\t7\t13/03/2000\tBA CA");
    EXPECT_EQ(riga(fg, 65), "65\t0\t0,67\t0,00\t7\t7\t\t7,00\t\t\t");
    EXPECT_TRUE(evidenziata(fg, 1));
    EXPECT_TRUE(evidenziata(fg, 65));
    EXPECT_FALSE(evidenziata(fg, 2));
    EXPECT_FALSE(evidenziata(fg, 88));

    // Cagliari alone counts draws 3, 4, 5, 7 and 8.
    RichiestaStatistiche cagliari;
    cagliari.ruote = {false, true};
    ASSERT_EQ(s.calcola(a, cagliari), ErroreStatistiche::Nessuno);
    EXPECT_EQ(riga(griglia(s, a), 1), "1\t2\t0,28\t7,20\t2\t2\t\t1,67\t5\t14/02/2000\tCA");

    // Draws 3 to 7: 2 came out in the first of five, 88 never.
    RichiestaStatistiche periodo;
    periodo.dal = 3;
    periodo.al = 7;
    ASSERT_EQ(s.calcola(a, periodo), ErroreStatistiche::Nessuno);
    EXPECT_EQ(riga(griglia(s, a), 2), "2\t1\t0,50\t2,00\t4\t4\t\t2,50\t3\t17/01/2000\tCA");
    EXPECT_EQ(s.figura(87).ritardoAttuale, 5);
}

TEST(Statistiche, AmbiCalcolatiAMano) {
    const auto a = archivio();
    Statistiche s;
    RichiestaStatistiche ambi;
    ambi.tipo = TipoStatistiche::Ambi;
    ASSERT_EQ(s.calcola(a, ambi), ErroreStatistiche::Nessuno);
    const Griglia fg = griglia(s, a);
    ASSERT_EQ(fg.righe(), NumAmbi + 1);
    EXPECT_EQ(fg.testo(0, 0), "Ambo");
    EXPECT_EQ(riga(fg, 1), "1-2\t2\t0,03\t66,75\t5\t5\t\t2,33\t3\t17/01/2000\tCA");
    EXPECT_EQ(riga(fg, indiceAmbo(75, 76) + 1), "75-76\t2\t0,03\t66,75\t1\t5\t13/03/2000\t3,50\t7\t13/03/2000\tBA CA");
    EXPECT_EQ(riga(fg, NumAmbi), "89-90\t0\t0,03\t0,00\t7\t7\t\t7,00\t\t\t");
}

TEST(Statistiche, OrdineEColonne) {
    const auto a = archivio();
    Statistiche s;
    ASSERT_EQ(s.calcola(a, {}), ErroreStatistiche::Nessuno);
    // Ties keep the element order: after 1 (4) and 2 (3), the first number out twice is 75.
    const auto presenze = s.ordine(ColonnaStatistiche::Presenze, true);
    EXPECT_EQ(std::vector<int>(presenze.begin(), presenze.begin() + 3), (std::vector<int>{0, 1, 74}));
    const auto massimo = s.ordine(ColonnaStatistiche::RitardoMassimo, false);
    EXPECT_EQ(std::vector<int>(massimo.begin(), massimo.begin() + 2), (std::vector<int>{0, 49}));
    // Dates sort as draws, not as text: 20/03 (draw 8) before 13/03 (draw 7) before 14/02.
    const auto data = s.ordine(ColonnaStatistiche::DataUltima, true);
    EXPECT_EQ(s.figura(data.front()).ultima, 8);

    EXPECT_EQ(colonnaStatistiche("Rit. attuale", TipoStatistiche::Estratti), ColonnaStatistiche::RitardoAttuale);
    EXPECT_EQ(colonnaStatistiche("ritattuale", TipoStatistiche::Estratti), ColonnaStatistiche::RitardoAttuale);
    EXPECT_EQ(colonnaStatistiche("AMBO", TipoStatistiche::Ambi), ColonnaStatistiche::Elemento);
    EXPECT_EQ(colonnaStatistiche("data ultima", TipoStatistiche::Estratti), ColonnaStatistiche::DataUltima);
    EXPECT_FALSE(colonnaStatistiche("Colpi", TipoStatistiche::Estratti));
    // Only the columns the table has: groups have their numbers and no wheels of the last exit.
    EXPECT_EQ(colonnaStatistiche("Numeri", TipoStatistiche::Gruppi), ColonnaStatistiche::Numeri);
    EXPECT_FALSE(colonnaStatistiche("Numeri", TipoStatistiche::Estratti));
    EXPECT_FALSE(colonnaStatistiche("Ruote ultima", TipoStatistiche::Gruppi));
}

TEST(Statistiche, CasoCalcolatoAMano) {
    // Two counted draws: Bari alone, then Bari and Cagliari. Each (draw, wheel) misses a
    // number with chance 17/18.
    const auto a = test::archivioDiProva({"01-02-03-04-05", "06-07-08-09-10"}, {"", "11-12-13-14-15"});
    Statistiche s;
    ASSERT_EQ(s.calcola(a, {}), ErroreStatistiche::Nessuno);
    EXPECT_NEAR(s.attese(), 15.0 / 90, 1e-12);
    // Current delay 1 with chance (17/18)^2, 2 with (17/18)^3: 289/324 + 4913/5832.
    EXPECT_NEAR(s.ritardoAttualeCaso(), 10115.0 / 5832, 1e-12);
    // Expected draws with the number: 1/18 + 35/324; mean delay 2 / (1 + 53/324).
    EXPECT_NEAR(s.ritardoMedioCaso(), 648.0 / 377, 1e-12);
    // Presences: three (draw, wheel) of chance 1/18, variance 3 * 1/18 * 17/18 = 51/324; 1 came
    // out once, 1 - 1/6 over chance.
    EXPECT_NEAR(s.sigmaPresenze(), std::sqrt(51.0) / 18, 1e-12);
    EXPECT_NEAR(*s.sigmaCaso(ColonnaStatistiche::Presenze), std::sqrt(51.0) / 18, 1e-12);
    EXPECT_NEAR(s.scartoDalCaso(0), (5.0 / 6) / (std::sqrt(51.0) / 18), 1e-12);
    EXPECT_NEAR(s.scartoDalCaso(50), (-1.0 / 6) / (std::sqrt(51.0) / 18), 1e-12);
    EXPECT_NEAR(*s.sigmaCaso(ColonnaStatistiche::Rapporto), std::sqrt(51.0) / 3, 1e-12);
    // Current delay: E[D^2] = P(D >= 1) + 3 P(D >= 2) = 289/324 + 3 * 4913/5832.
    const double media = 10115.0 / 5832, quadrato = 289.0 / 324 + 3 * 4913.0 / 5832;
    EXPECT_NEAR(*s.sigmaCaso(ColonnaStatistiche::RitardoAttuale), std::sqrt(quadrato - media * media), 1e-12);
    EXPECT_FALSE(s.sigmaCaso(ColonnaStatistiche::RitardoMedio));
}

TEST(Statistiche, RichiesteRifiutate) {
    const auto a = archivio();
    Statistiche s;
    ASSERT_EQ(s.calcola(a, {}), ErroreStatistiche::Nessuno);
    const auto rifiuto = [&](auto cambia) {
        RichiestaStatistiche r;
        cambia(r);
        return s.calcola(a, r);
    };
    EXPECT_EQ(rifiuto([](auto& r) { r.ruote = {}; }), ErroreStatistiche::NessunaRuota);
    EXPECT_EQ(rifiuto([](auto& r) { r.dal = 0; }), ErroreStatistiche::FuoriArchivio);
    EXPECT_EQ(rifiuto([](auto& r) { r.al = 9; }), ErroreStatistiche::FuoriArchivio);
    EXPECT_EQ(rifiuto([](auto& r) {
                  r.dal = 9;
                  r.al = 8;
              }),
              ErroreStatistiche::FuoriArchivio);
    EXPECT_EQ(rifiuto([](auto& r) {
                  r.dal = 5;
                  r.al = 4;
              }),
              ErroreStatistiche::PeriodoRovesciato);
    EXPECT_EQ(rifiuto([](auto& r) {
                  r.ruote = {};
                  r.ruote[10] = true;
              }),
              ErroreStatistiche::NessunaEstrazione);
    // A refused request leaves the last figures in place.
    EXPECT_EQ(s.estrazioniContate(), 7);
    EXPECT_EQ(s.figura(0).presenze, 4);
    EXPECT_EQ(messaggioStatistiche(ErroreStatistiche::FuoriArchivio, a),
              "Il periodo deve stare nell'archivio: dall'estrazione 1 alla 8");
}

TEST(Statistiche, ArchivioRealeSuTutteLeRuote) {
    RICHIEDE_STORICO();
    const auto& a = test::archivioReale();
    RichiestaStatistiche r;
    r.ruote.fill(true);
    Statistiche estratti, ambi;
    ASSERT_EQ(estratti.calcola(a, r), ErroreStatistiche::Nessuno);
    r.tipo = TipoStatistiche::Ambi;
    ASSERT_EQ(ambi.calcola(a, r), ErroreStatistiche::Nessuno);
    // Every (draw, wheel) gives five numbers and ten pairs.
    long long numeri = 0, coppie = 0;
    for (int e = 0; e < NumeroMassimo; ++e) numeri += estratti.figura(e).presenze;
    for (int e = 0; e < NumAmbi; ++e) {
        const FiguraStatistica& f = ambi.figura(e);
        coppie += f.presenze;
        ASSERT_GE(f.ritardoMassimo, f.ritardoAttuale) << ambi.nome(e);
        ASSERT_LE(f.estrazioniUscita, ambi.estrazioniContate()) << ambi.nome(e);
    }
    EXPECT_EQ(numeri, 5 * estratti.estrazioniRuota());
    EXPECT_EQ(coppie, 10 * ambi.estrazioniRuota());
    EXPECT_EQ(estratti.estrazioniContate(), a.NumEstrazioni());
}
