#pragma once
// What chance gives a play of the Lotto: the prizes per unit staked, the probability that one
// wheel in one draw holds enough of a play's numbers, and the expected return of a unit staked.
#include <array>

#include "core/Ruote.h"

namespace quorvane {

// Gross prize for one unit staked on one combination on one wheel, by sorte 1..5 (estratto ..
// cinquina); index 0 unused.
inline constexpr std::array<double, 6> PremioSorte = {0, 11.23, 250, 4500, 120000, 6000000};

// C(n, k) exactly as a double (every value the Lotto needs fits in 53 bits); 0 outside 0..n.
double combinazioni(int n, int k);

// Probability that a wheel's five numbers hold at least `sorte` of `quanti` numbers played.
double probabilitaRuota(int quanti, int sorte);

// Expected return of one unit staked on every combination of `sorte` numbers of a play, spread
// evenly, on one wheel that is drawn: prize(s) * C(5, s) / C(90, s).
double resaAttesa(int sorte);

// What a hit pays: `presi` numbers of a play of `quanti` with `sorte` on one wheel, for one unit
// spread over the play's C(quanti, sorte) combinations and `ruote` wheels.
double vincitaRuota(int quanti, int sorte, int presi, int ruote);

}  // namespace quorvane
