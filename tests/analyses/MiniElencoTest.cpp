#include <gtest/gtest.h>

#include "analyses/MiniElenco.h"
#include "core/Colori.h"
#include "core/SceltaEstrazione.h"

using namespace quorvane;

namespace {
// Three draws; the Nazionale wheel is drawn only in the last one.
ArchivioEstrazioni tre() {
    std::vector<RigaArchivio> righe(3);
    const char* date[] = {"28/02/2024", "01/03/2024", "02/03/2024"};
    for (int i = 0; i < 3; ++i) {
        righe[i].data = date[i];
        for (int w = 0; w < 10; ++w) righe[i].ruote[w] = "01-02-03-04-05";
    }
    righe[0].ruote[0] = "05-12-33-47-89";
    righe[2].ruote[10] = "90-08-07-06-05";
    ArchivioEstrazioni a;
    EXPECT_EQ(a.CaricaArchivio(righe, TipoCaricamento::Ricarica), EsitoCaricamento::Riuscito);
    return a;
}
}  // namespace

TEST(MiniElenco, MostraLEstrazioneConIProgressivi) {
    const auto a = tre();
    MiniElenco m;
    m.mostra(1);
    Griglia fg2("Fg2");
    m.riempiTabella(fg2, a);
    ASSERT_EQ(fg2.righe(), 12);
    EXPECT_EQ(fg2.testo(0, 1), " N1 ");
    EXPECT_EQ(fg2.testo(1, 0), "BA");
    EXPECT_TRUE(fg2.grassetto(11, 0));
    EXPECT_EQ(fg2.testo(11, 0), "NZ");
    EXPECT_EQ(fg2.testo(1, 1), "5");  // no leading zero
    EXPECT_EQ(fg2.testo(1, 5), "89");
    EXPECT_EQ(fg2.testo(11, 3), "0");  // a wheel not drawn shows 0
    EXPECT_EQ(m.progressivi(a), "PM=1   PA=1");
    m.mostra(3);
    m.riempiTabella(fg2, a);
    EXPECT_EQ(fg2.testo(11, 1), "90");
    EXPECT_EQ(m.progressivi(a), "PM=2   PA=3");
}

TEST(MiniElenco, ISegniValgonoSoloPerLEstrazioneMostrata) {
    const auto a = tre();
    MiniElenco m;
    m.mostra(2);
    m.segna(1, 1);
    m.segna(11, 5);
    m.segna(11, 5);
    m.segna(0, 1);  // the wheel codes take no mark
    Griglia fg2("Fg2");
    m.riempiTabella(fg2, a);
    EXPECT_EQ(fg2.sfondo(1, 1), Verde);
    EXPECT_EQ(fg2.sfondo(11, 5), Bianco);
    EXPECT_FALSE(fg2.sfondo(1, 0).has_value());
    m.mostra(3);
    m.riempiTabella(fg2, a);
    EXPECT_EQ(fg2.sfondo(1, 1), Bianco);
    m.segna(4, 2);
    m.cancellaSegni();
    EXPECT_FALSE(m.segnato(4, 2));
}

TEST(SceltaEstrazione, IndiceEDataDigitati) {
    auto a = tre();
    EXPECT_EQ(indiceDigitato(a, "2"), 2);
    EXPECT_EQ(indiceDigitato(a, " 3 "), 3);
    for (const char* rifiutato : {"0", "4", "", "due", "2.5", "-1", "99999999999"})
        EXPECT_FALSE(indiceDigitato(a, rifiutato)) << rifiutato;
    EXPECT_EQ(estrazioneDellaData(a, "01/03/2024"), 2);
    EXPECT_FALSE(estrazioneDellaData(a, "1/3/2024"));
    EXPECT_FALSE(estrazioneDellaData(a, ""));
    EXPECT_EQ(ultimaEstrazione(a), 3);
}
