#pragma once
// Groups of numbers the player follows as one: the classic families (decine, cadenze, figure,
// gemelli) and the player's own lists.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/ComuneStatistiche.h"
#include "core/LetturaNumeri.h"

namespace quorvane {

struct GruppoNumeri {
    std::string nome;
    std::vector<int> numeri;
    bool operator==(const GruppoNumeri&) const = default;
};

enum class FamigliaGruppi { Decine, Cadenze, Figure, Gemelli };

// The family named "decine", "cadenze", "figure" or "gemelli", whatever its letter case.
std::optional<FamigliaGruppi> famigliaGruppi(std::string_view nome);

// Decine "1-10" .. "81-90"; cadenze "0" .. "9" (the last digit); figure "1" .. "9" (the repeated
// digit sum); gemelli, one group of 11, 22, ..., 88.
std::vector<GruppoNumeri> gruppiFamiglia(FamigliaGruppi famiglia);

// Nessuno when there is at least one group and each holds distinct numbers of 1..90.
ErroreStatistiche controllaGruppi(const std::vector<GruppoNumeri>& gruppi);

// The members in their order, as "1 10 19".
std::string testoNumeri(const GruppoNumeri& gruppo);

}  // namespace quorvane
