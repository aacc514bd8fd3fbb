#pragma once
// How surprising a walk's hits are: the probability that chance alone gives at least as many.
// Windows of different points share no draw, so points are independent; with one play per point
// the tail is exact, with several (the cycle) the plays of a point share its draws and chance is
// simulated with the forecasts held fixed.
#include <cstdint>
#include <vector>

#include "index/VerificaStorica.h"

namespace quorvane {

struct SimulazioneCaso {
    static constexpr int Quante = 10000;

    double p = 0;  // share of simulations with at least the hits given
    double erroreP = 0;
    double pInferiore = 0;  // share with at most the hits given
    double media = 0;       // of the simulated hits
    double varianza = 0;
};

// The plays' hits drawn `quante` times by chance, with simulation k seeded from seme and k alone
// (the same result on any number of threads). `giocate` ordered by point.
SimulazioneCaso simulaCaso(const std::vector<GiocataStorica>& giocate, int vincite, std::uint64_t seme,
                           int quante = SimulazioneCaso::Quante, int thread = 0);

// Sets p, erroreP, pInferiore, simulazioni and, with several plays at a point, the simulated
// variance of the summary.
void aggiungiP(RiepilogoStorico& riepilogo, const std::vector<GiocataStorica>& giocate, std::uint64_t seme);

}  // namespace quorvane
