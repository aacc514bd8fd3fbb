#pragma once
// "Riepilogo statistico": the hits of the last verification by size of forecast and by colpo.
#include <array>
#include <string>
#include <string_view>

#include "core/Griglia.h"
#include "index/Verifica.h"

namespace quorvane {

struct Riepilogo {
    static constexpr int MaxQuantita = Previsione::MaxNumeri;
    static constexpr int MaxNumeroPrevisione = AnalisiIndice::MaxPrevisioni;  // forecasts 1..9 only

    // [q][k]: hits with exactly k numbers out of forecasts of q numbers (q 1..8, k 1..5).
    std::array<std::array<int, 6>, MaxQuantita + 1> perQuantita{};
    std::array<int, AnalisiIndice::ColpiMassimi + 1> perColpo{};  // colpi 1..20
    int totale = 0;

    // The share of colpo c in tenths of a percent, rounded half up; 0 when there are no hits.
    int decimiPercentuale(int colpo) const;
};

Riepilogo calcolaRiepilogo(const ContatoriVerifica& contatori);

// A share as "###.0": no leading zero below 1 percent (".5"), one decimal after `separatore`.
std::string testoPercentuale(int decimi, std::string_view separatore);

// Hits by size of forecast (Fg1): row q for forecasts of q numbers, column k for hits of k
// numbers; empty where none.
void riempiEsitiPerQuantita(Griglia& g, const Riepilogo& riepilogo);
// Hits by colpo (Fg2): row c for colpo c with its hits and share; colpi without hits stay blank.
void riempiEsitiPerColpo(Griglia& g, const Riepilogo& riepilogo, std::string_view separatore);

}  // namespace quorvane
