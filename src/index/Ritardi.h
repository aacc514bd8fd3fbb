#pragma once
// Delays: how many draws ago each number last came out on each wheel.
#include <array>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

// ritardo[n][w - 1] for n = 1..90: `estrazione` minus the last draw up to it that holds n on
// wheel w; 0 both when n is in that draw and when it was never drawn there. All 0 for an
// index that is not a draw of the archive.
using TabellaRitardi = std::array<std::array<int, NumRuote>, NumeroMassimo + 1>;

TabellaRitardi calcolaRitardi(const ArchivioEstrazioni& archivio, int estrazione);

}  // namespace quorvane
