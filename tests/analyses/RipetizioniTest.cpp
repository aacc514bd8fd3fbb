#include <map>

#include <gtest/gtest.h>

#include "analyses/Ripetizioni.h"
#include "core/Colori.h"

using namespace quorvane;

namespace {
// Draws where every wheel has its own numbers (31..85), except the numbers put at position 1
// of some wheels: {draw, {wheel 0..10 -> number}}.
ArchivioEstrazioni archivio(int quante, const std::map<int, std::map<int, int>>& posti) {
    std::vector<RigaArchivio> righe;
    for (int d = 1; d <= quante; ++d) {
        RigaArchivio r;
        r.data = Data{2020, 1 + (d - 1) / 8, 1 + (d - 1) % 8 * 3}.testo();
        for (int w = 0; w < NumRuote; ++w) {
            CinqueNumeri n;
            for (int p = 0; p < 5; ++p) n[p] = static_cast<std::int16_t>(31 + w * 5 + p);
            auto estrazione = posti.find(d);
            if (estrazione != posti.end() && estrazione->second.count(w))
                n[0] = static_cast<std::int16_t>(estrazione->second.at(w));
            r.ruote[w] = scriviTestoRuota(n);
        }
        righe.push_back(r);
    }
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Ricarica), EsitoCaricamento::Riuscito);
    return a;
}

std::vector<std::string> righe(const std::vector<Ripetizioni::Ripetizione>& elenco) {
    Griglia fg2("Fg2");
    riempiRipetizioni(fg2, elenco);
    std::vector<std::string> testi;
    for (int r = 1; r < fg2.righe(); ++r) testi.push_back(fg2.testoIntervallo(r, 0, r, 6));
    return testi;
}

constexpr int BA = 0, CA = 1, FI = 2, RO = 7, NZ = 10;
}  // namespace

TEST(Ripetizioni, UnaEstrazioneOgniCoppiaDiRuote) {
    const auto a = archivio(12, {{12, {{BA, 5}, {FI, 5}, {RO, 5}, {CA, 6}}}});
    Ripetizioni rip;
    rip.Rilevazione(a, 12);
    EXPECT_EQ(righe(rip.Combinazioni(1, 2)),
              (std::vector<std::string>{"5\tBA\tFI\t\t\t\t", "5\tBA\tRO\t\t\t\t", "5\tFI\tRO\t\t\t\t"}));
    EXPECT_EQ(righe(rip.Combinazioni(1, 3)), (std::vector<std::string>{"5\tBA\tFI\tRO\t\t\t"}));
    EXPECT_TRUE(rip.Combinazioni(1, 4).empty());
}

TEST(Ripetizioni, ServeLaStessaRuotaInOgnunaDelleUltimeEstrazioni) {
    // 7: Bari and Roma in the end draw, only Bari in the draw before.
    const auto a = archivio(20, {{19, {{BA, 7}}}, {20, {{BA, 7}, {RO, 7}}}});
    // 8: Bari and Roma in both draws.
    const auto b = archivio(20, {{19, {{BA, 8}, {RO, 8}, {FI, 7}}}, {20, {{BA, 8}, {RO, 8}, {FI, 7}, {NZ, 7}}}});
    Ripetizioni rip;
    rip.Rilevazione(a, 20);
    EXPECT_EQ(righe(rip.Combinazioni(1, 2)), (std::vector<std::string>{"7\tBA\tRO\t\t\t\t"}));
    EXPECT_TRUE(rip.Combinazioni(2, 2).empty());
    rip.Rilevazione(b, 20);
    EXPECT_EQ(righe(rip.Combinazioni(2, 2)), (std::vector<std::string>{"8\tBA\tRO\t\t\t\t"}));
    // The end draw is what counts: one draw earlier, 7 is on Firenze only.
    EXPECT_EQ(righe(rip.Combinazioni(1, 2)), (std::vector<std::string>{"7\tFI\tNZ\t\t\t\t", "8\tBA\tRO\t\t\t\t"}));
    rip.Rilevazione(b, 19);
    EXPECT_EQ(righe(rip.Combinazioni(1, 2)), (std::vector<std::string>{"8\tBA\tRO\t\t\t\t"}));
}

TEST(Ripetizioni, GruppiDiCinqueESeiRuote) {
    std::map<int, int> sei;
    for (int w : {BA, CA, FI, 3, 4, NZ}) sei[w] = 9;
    const auto a = archivio(10, {{10, sei}});
    Ripetizioni rip;
    rip.Rilevazione(a, 10);
    EXPECT_EQ(righe(rip.Combinazioni(1, 6)), (std::vector<std::string>{"9\tBA\tCA\tFI\tGE\tMI\tNZ"}));
    const auto cinque = righe(rip.Combinazioni(1, 5));
    ASSERT_EQ(cinque.size(), 6u);
    EXPECT_EQ(cinque.front(), "9\tBA\tCA\tFI\tGE\tMI\t");
    EXPECT_EQ(cinque.back(), "9\tCA\tFI\tGE\tMI\tNZ\t");
    EXPECT_EQ(rip.Combinazioni(1, 2).size(), 15u);
}

TEST(Ripetizioni, FinePrimaDellaDecimaEstrazione) {
    std::map<int, std::map<int, int>> posti;
    for (int d = 1; d <= 3; ++d) posti[d] = {{BA, 4}, {CA, 4}};
    const auto a = archivio(3, posti);
    Ripetizioni rip;
    rip.Rilevazione(a, 3);
    // Draws before the first count as not drawn.
    EXPECT_EQ(righe(rip.Combinazioni(3, 2)), (std::vector<std::string>{"4\tBA\tCA\t\t\t\t"}));
    EXPECT_TRUE(rip.Combinazioni(4, 2).empty());
    EXPECT_TRUE(rip.Uscite(4, 3, BA));
    EXPECT_FALSE(rip.Uscite(4, 4, BA));
}

TEST(Ripetizioni, DoveEUscitoUnNumero) {
    const auto a = archivio(12, {{12, {{BA, 5}, {NZ, 5}}}, {10, {{RO, 5}}}});
    Ripetizioni rip;
    rip.Rilevazione(a, 12);
    Griglia fg1("fg1");
    riempiUsciteNumero(fg1, rip, 5);
    ASSERT_EQ(fg1.righe(), 11);
    ASSERT_EQ(fg1.colonne(), 14);
    EXPECT_EQ(fg1.testo(0, 3), "BA");
    EXPECT_EQ(fg1.testo(10, 0), "10");
    EXPECT_EQ(fg1.testo(1, 3), "5");
    EXPECT_EQ(fg1.sfondo(1, 3), Verde);
    EXPECT_EQ(fg1.testo(1, 13), "5");
    EXPECT_EQ(fg1.testo(3, 10), "5");  // draw 10 is j = 3, Roma is column 10
    int verdi = 0;
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c < 14; ++c) verdi += fg1.sfondo(r, c) == Verde;
    EXPECT_EQ(verdi, 3);
    EXPECT_EQ(testoFineAnalisi(a, 12), "12 del " + a.DateEstrazioni(12));
}
