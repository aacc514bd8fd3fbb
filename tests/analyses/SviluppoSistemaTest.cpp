#include <gtest/gtest.h>

#include "analyses/BibliotecaSistemi.h"
#include "analyses/SviluppoSistema.h"
#include "core/Colori.h"

using namespace quorvane;

namespace {
std::vector<RigaSalvata> salvate(const DisegnoSistema& s) {
    std::vector<RigaSalvata> righe;
    for (std::size_t i = 0; i < s.righe.size(); ++i)
        righe.push_back({std::to_string(i + 1), std::to_string(s.sviluppo), mascheraRiga(s.righe[i])});
    return righe;
}

std::vector<RigaSalvata> unaRiga(std::string num) {
    return {{"1", "", std::move(num)}};
}
}  // namespace

TEST(SviluppoSistema, OgniNumeroBaseDiventaIlNumeroSceltoDiUgualeRango) {
    const DisegnoSistema affine = bibliotecaSistemi()[1];  // 9 numbers, 12 rows of 3
    ASSERT_EQ(affine.numeri, 9);
    SviluppoSistema s;
    ASSERT_TRUE(s.carica(salvate(affine)));
    s.prepara();
    EXPECT_EQ(s.numeriBase(), 9);
    // Clicked in no particular order: the rank on the panel decides.
    const int scelti[] = {88, 5, 41, 17, 63, 2, 90, 30, 54};
    for (int n : scelti) s.scegli(n);
    EXPECT_TRUE(s.sceltaCompleta());
    s.sostituisci(3);

    const int perRango[] = {0, 2, 5, 17, 30, 41, 54, 63, 88, 90};
    Griglia fg88("fG88");
    s.riempiSviluppo(fg88);
    ASSERT_EQ(fg88.righe(), 13);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(fg88.testo(i, 0), std::to_string(i));
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(fg88.testo(i, k), std::to_string(perRango[affine.righe[i - 1][k - 1]])) << i << "," << k;
        EXPECT_EQ(fg88.testo(i, 4), "");
    }
    Griglia fg99("Fg99");
    s.riempiSostituzioni(fg99);
    ASSERT_EQ(fg99.righe(), 10);
    EXPECT_EQ(fg99.testo(1, 0), "1");
    EXPECT_EQ(fg99.testo(1, 1), "2");
    EXPECT_EQ(fg99.testo(9, 0), "9");
    EXPECT_EQ(fg99.testo(9, 1), "90");
}

TEST(SviluppoSistema, PannelloPienoRifiutaIlClicEPreparaLoSvuota) {
    SviluppoSistema s;
    ASSERT_TRUE(s.carica(unaRiga("XX-X")));
    s.prepara();
    ASSERT_EQ(s.numeriBase(), 3);
    for (int n : {10, 20, 30}) s.scegli(n);
    EXPECT_TRUE(s.sceltaCompleta());
    s.scegli(40);  // full: nothing changes
    EXPECT_FALSE(s.scelto(40));
    EXPECT_EQ(s.scelti(), 3);
    s.scegli(20);  // a chosen number is released
    EXPECT_FALSE(s.scelto(20));
    EXPECT_FALSE(s.sceltaCompleta());
    s.scegli(40);
    EXPECT_TRUE(s.scelto(40));

    Griglia pannello("Fg99x");
    s.riempiPannello(pannello);
    ASSERT_EQ(pannello.righe(), 6);
    ASSERT_EQ(pannello.colonne(), 15);
    EXPECT_EQ(pannello.testo(0, 0), "1");
    EXPECT_EQ(pannello.testo(5, 14), "90");
    EXPECT_EQ(pannello.testo(2, 9), "40");
    EXPECT_EQ(numeroPannello(2, 9), 40);
    EXPECT_EQ(pannello.sfondo(2, 9), Giallo);
    EXPECT_EQ(pannello.sfondo(1, 4), Bianco);  // 20, released

    s.prepara();
    EXPECT_EQ(s.scelti(), 0);
    s.riempiPannello(pannello);
    EXPECT_EQ(pannello.sfondo(2, 9), Bianco);
}

TEST(SviluppoSistema, MascheraLettaCarattereperCarattere) {
    // Only "X" marks a number; the 90th character is number 90; anything past 90 is ignored.
    std::string num(95, 'X');
    for (std::size_t i = 0; i < 89; ++i) num[i] = (i == 0 || i == 44) ? 'X' : (i % 2 ? 'x' : '1');
    SviluppoSistema s;
    ASSERT_TRUE(s.carica(unaRiga(num)));
    Griglia fgSy("FgSy");
    s.riempiSistemaBase(fgSy);
    EXPECT_EQ(fgSy.righe(), 100);
    EXPECT_EQ(fgSy.testo(1, 1), "1");
    EXPECT_EQ(fgSy.testo(1, 2), "45");
    EXPECT_EQ(fgSy.testo(1, 3), "90");
    EXPECT_EQ(fgSy.testo(1, 4), "");
}

TEST(SviluppoSistema, SceltaIncompletaLasciaCelleVuote) {
    SviluppoSistema s;
    ASSERT_TRUE(s.carica({{"1", "", "XX"}, {"2", "", ""}, {"3", "", "X-X"}}));
    s.prepara();
    s.scegli(70);
    s.sostituisci(2);
    Griglia fg88("fG88");
    s.riempiSviluppo(fg88);
    // The row without numbers gives no row; numbering stays consecutive.
    ASSERT_EQ(fg88.righe(), 3);
    EXPECT_EQ(fg88.testo(1, 0), "1");
    EXPECT_EQ(fg88.testo(1, 1), "70");
    EXPECT_EQ(fg88.testo(1, 2), "");
    EXPECT_EQ(fg88.testo(2, 0), "2");
    EXPECT_EQ(fg88.testo(2, 1), "70");
    EXPECT_EQ(fg88.testo(2, 2), "");

    // A narrower row size than the system's (another system selected in the list) cuts the rows.
    s.sostituisci(1);
    s.riempiSviluppo(fg88);
    EXPECT_EQ(fg88.testo(1, 1), "70");
    EXPECT_EQ(fg88.testo(2, 1), "70");
    EXPECT_EQ(fg88.testo(1, 2), "");
}

TEST(SviluppoSistema, RigheOltreLaCapienzaEMaschereTroppoPiene) {
    std::vector<RigaSalvata> lunghe;
    for (int i = 1; i <= 120; ++i) lunghe.push_back({std::to_string(i), "", mascheraRiga({i % 90 + 1})});
    SviluppoSistema s;
    ASSERT_TRUE(s.carica(lunghe));
    Griglia fgSy("FgSy");
    s.riempiSistemaBase(fgSy);
    EXPECT_EQ(fgSy.righe(), 121);
    EXPECT_EQ(fgSy.testo(120, 0), "120");
    EXPECT_EQ(fgSy.testo(120, 1), "31");

    // Eleven numbers in a row do not fit: the reading stops there.
    EXPECT_FALSE(s.carica({{"1", "", "XXX"}, {"2", "", std::string(11, 'X')}, {"3", "", "X"}}));
    s.riempiSistemaBase(fgSy);
    EXPECT_EQ(fgSy.righe(), 100);
    EXPECT_EQ(fgSy.testo(2, 10), "10");
    EXPECT_EQ(fgSy.testo(3, 0), "");
}
