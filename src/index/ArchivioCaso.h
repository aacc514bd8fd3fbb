#pragma once
// An archive of chance on the real calendar: the same dates and the same wheels drawn on each,
// the numbers drawn anew. What a search finds on it, chance alone found.
#include <cstdint>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

ArchivioEstrazioni archivioCaso(const ArchivioEstrazioni& reale, std::uint64_t seme);

}  // namespace quorvane
