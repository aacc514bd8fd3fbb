#include <gtest/gtest.h>

#include "index/GiudizioVerifica.h"

using namespace quorvane;

// Hand-made results on each side of the thresholds, with and without p.
TEST(GiudizioVerifica, FraseDalleCifre) {
    EXPECT_EQ(giudizioVerifica({17, 20.1, -0.72, std::nullopt, 51.5, 62.4}),
              "Il metodo ha fatto 17 vincite contro 20,1 attese dal caso (z = \u22120,72): il risultato è "
              "compatibile con il caso; la resa, 51,5%, è sotto quella del caso, 62,4%.");
    // z past 2 says the hits are not chance's usual; returns equal at one decimal are equal.
    EXPECT_EQ(giudizioVerifica({31, 20.0, 2.46, std::nullopt, 62.44, 62.36}, "."),
              "Il metodo ha fatto 31 vincite contro 20.0 attese dal caso (z = 2.46): il risultato è sopra "
              "quello che il caso dà di solito; la resa, 62.4%, è pari a quella del caso, 62.4%.");
    // With p the verdict follows p, not z: z = -2.1 with p = 0.07 is still chance's.
    EXPECT_EQ(giudizioVerifica({1, 5.3, -2.1, 0.07, 80.0, 62.4}),
              "Il metodo ha fatto 1 vincita contro 5,3 attese dal caso (z = \u22122,10, p = 0,07): il risultato è "
              "compatibile con il caso; la resa, 80,0%, è sopra quella del caso, 62,4%.");
    EXPECT_NE(giudizioVerifica({2, 9.0, std::nullopt, 0.0004, 10.0, 62.4}).find("(p < 0,001): il risultato è sotto"),
              std::string::npos);
    EXPECT_NE(
        giudizioVerifica({0, 0, std::nullopt, std::nullopt, 0, 0}).find("il confronto con il caso non si può fare"),
        std::string::npos);
}
