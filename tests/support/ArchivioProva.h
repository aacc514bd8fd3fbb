#pragma once
// Small hand-made archives for the engine tests.
#include <string>
#include <vector>

#include "core/ArchivioEstrazioni.h"

namespace test {

// Eight weekly draws over three months, loaded in memory:
//   1 03/01/2000  2 10/01  3 17/01 | 4 07/02  5 14/02 | 6 06/03  7 13/03  8 20/03
// bari[i] and cagliari[i] are the wheel texts of draw i + 1; the other wheels are not drawn.
// Only the first `estrazioni` draws when fewer are asked for.
quorvane::ArchivioEstrazioni archivioDiProva(const std::vector<std::string>& bari = {},
                                             const std::vector<std::string>& cagliari = {}, std::size_t estrazioni = 8);

// The real archive, loaded from the official file beside the repository (empty when absent).
const quorvane::ArchivioEstrazioni& archivioReale();

}  // namespace test
