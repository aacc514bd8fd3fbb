#include <gtest/gtest.h>

#include "index/GiudizioVerifica.h"

using namespace quorvane;

// Hand-made results on each side of the thresholds, with and without p.
TEST(GiudizioVerifica, FraseDalleCifre) {
    EXPECT_EQ(giudizioVerifica({17, 20.1, -0.72, std::nullopt, 51.5, 62.4, std::nullopt, true}),
              "Il metodo ha fatto 17 vincite contro 20,1 attese dal caso (z = \u22120,72): il risultato è "
              "compatibile con il caso; la resa, 51,5%, è sotto quella del caso, 62,4%.");
    // z past 2 says the hits are not chance's usual; returns equal at one decimal are equal.
    EXPECT_EQ(giudizioVerifica({31, 20.0, 2.46, std::nullopt, 62.44, 62.36, std::nullopt, true}, "."),
              "Il metodo ha fatto 31 vincite contro 20.0 attese dal caso (z = 2.46): il risultato è sopra "
              "quello che il caso dà di solito; la resa, 62.4%, è pari a quella del caso, 62.4%.");
    // With p the verdict follows the tails, not z: a strategy's z of 1.83 with chance giving as
    // many 3 times in 100 is above chance.
    RiepilogoStorico r;
    r.vincite = 31;
    r.attese = 20;
    r.varianza = 36;
    r.p = 0.03;
    r.pInferiore = 0.98;
    r.puntata = 1000;
    r.incasso = 700;
    r.incassoAtteso = 624;
    EXPECT_EQ(giudizioVerifica(r, Strategia::Fissi),
              "La strategia ha fatto 31 vincite contro 20,0 attese dal caso (z = 1,83, p = 0,03): il risultato è "
              "sopra quello che il caso dà di solito; la resa, 70,0%, è sopra quella del caso, 62,4%.");
    // p is one-sided: few hits leave it near 1, and the lower tail says whether so few are rare.
    EXPECT_EQ(giudizioVerifica({1, 5.3, -2.1, 0.996, 80.0, 62.4, 0.07, true}),
              "Il metodo ha fatto 1 vincita contro 5,3 attese dal caso (z = \u22122,10, p = 1,00): il risultato è "
              "compatibile con il caso; la resa, 80,0%, è sopra quella del caso, 62,4%.");
    EXPECT_EQ(giudizioVerifica({2, 9.0, std::nullopt, 0.9999, 10.0, 62.4, 0.0004, true}),
              "Il metodo ha fatto 2 vincite contro 9,0 attese dal caso (p = 1,00): il risultato è sotto quello che "
              "il caso dà di solito (il caso dà così poche vincite con probabilità inferiore a 0,001); la resa, "
              "10,0%, è sotto quella del caso, 62,4%.");
    EXPECT_NE(giudizioVerifica({0, 0, std::nullopt, std::nullopt, 0, 0, std::nullopt, true})
                  .find("il confronto con il caso non si può fare"),
              std::string::npos);
}
