#pragma once
// Fingerprints of the draws of an archive, to tell after a reload whether the draws an analysis
// read are still the same: same dates, same numbers in the same places.
#include <cstdint>
#include <vector>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

// Element i fingerprints draws 1..i (element 0: no draw); two archives whose i-th elements are
// equal hold the same first i draws.
std::vector<std::uint64_t> improntePrefissi(const ArchivioEstrazioni& archivio);

}  // namespace quorvane
