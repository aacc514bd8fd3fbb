#pragma once
// A simulated archive on the real calendar of the game, so that the program works on first run
// before the real archive is imported. Its numbers are random and say nothing about real draws.
#include <cstdint>
#include <vector>

#include "core/CalendarioEstrazioni.h"
#include "core/Data.h"
#include "core/Estrazione.h"

namespace quorvane {

inline constexpr std::uint32_t SemeArchivioDemo = 19390107;

// Every draw day from the first draw up to the day before `oggi`, in date order; the same seed
// gives the same draws on every platform, and a later `oggi` only appends draws.
std::vector<Estrazione> generaArchivioDemo(const Data& oggi, std::uint32_t seme = SemeArchivioDemo);

}  // namespace quorvane
