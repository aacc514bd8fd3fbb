#pragma once
// The grids of the index analysis, filled from the engine's results; shared by the window and
// the command line. The colours say what the engine's state is.
#include "core/Griglia.h"
#include "index/AnalisiIndice.h"
#include "index/Copertura.h"
#include "index/Ritardi.h"

namespace quorvane {

inline constexpr Colore CelesteRisultati = 0xFFFFC0;  // the Pr column of the model table
inline constexpr Colore GialloRitardi = 0x80FFFF;     // wheels in play, coverage counts

void impostaIntestazioneFgV(Griglia& fgV);
void impostaIntestazioneFgCC(Griglia& fgCC);

// FgV: one row per model draw, most recent first.
void riempiFgV(Griglia& fgV, const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio);

// FgRit: rows 1..90, the delay of each number on each wheel; wheels in play in light yellow.
void riempiFgRit(Griglia& fgRit, const TabellaRitardi& ritardi, const std::array<bool, NumRuote>& ruoteSel);

// Fg9090: the ranked pairs.
void riempiFg9090(Griglia& fg9090, const std::vector<CoperturaCoppia>& coppie);

// Fg_CC in single-number form: coverage in column 0, the number in column 1.
void riempiFgCCSingoli(Griglia& fgCC, const std::vector<CoperturaNumero>& numeri);

}  // namespace quorvane
