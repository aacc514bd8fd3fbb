#pragma once
// The grids of the main window, shared with the command line.
#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

// fgpa: one row per draw (row r is draw r): index, date, ordinal in the year, in the month.
void riempiElencoEstrazioni(Griglia& fgpa, const ArchivioEstrazioni& archivio);

// The model period as one row: start and end index and date, number of draws.
Griglia grigliaPeriodo(const PeriodoModello& periodo);

}  // namespace quorvane
