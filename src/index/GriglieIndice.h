#pragma once
// The grids of the index analysis, filled from the engine's results; shared by the window and
// the command line. The colours say what the engine's state is.
#include "core/Griglia.h"
#include "index/AnalisiIndice.h"
#include "index/Copertura.h"
#include "index/Ritardi.h"
#include "index/TavolaNumeri.h"
#include "index/Verifica.h"
#include "index/Formazione.h"

namespace quorvane {

inline constexpr Colore CelesteRisultati = 0xFFFFC0;  // the Pr column of the model table
inline constexpr Colore GialloRitardi = 0x80FFFF;     // wheels in play, coverage counts
inline constexpr Colore BluPrevisioni = 0xFF0000;     // the numbers of the forecasts

// Colours of outcomes by hit count 1..5 (index 0 unused), shown in the legend Fgcolore.
inline constexpr std::array<Colore, 6> ColoriEsiti = {0, 65535, 65280, 0x80C0FF, 0xFFFF80, 0xFFC0C0};

void impostaIntestazioneFgV(Griglia& fgV);
void impostaIntestazioneFgCC(Griglia& fgCC);
void impostaIntestazioneFgZZ(Griglia& fgZZ);
void impostaIntestazioneFgRit(Griglia& fgRit);

// fga: the selected draw, one row per wheel: its code, then its five numbers.
void riempiFga(Griglia& fga, const ArchivioEstrazioni& archivio, int estrazione);
// FgR: one row of wheel codes, green where the wheel is in play.
void riempiFgR(Griglia& fgR, const std::array<bool, NumRuote>& ruote);
// Fg90: 1..90 row by row on 9 x 10 cells, green where chosen.
void riempiFg90(Griglia& fg90, const TavolaNumeri& tavola);
// Fgcolore: the legend of the outcome colours.
void riempiFgcolore(Griglia& fgcolore);

// FgV: one row per model draw, most recent first.
void riempiFgV(Griglia& fgV, const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio);

// FgRit: rows 1..90, the delay of each number on each wheel; wheels in play in light yellow.
void riempiFgRit(Griglia& fgRit, const TabellaRitardi& ritardi, const std::array<bool, NumRuote>& ruoteSel);

// Fg9090: the ranked pairs.
void riempiFg9090(Griglia& fg9090, const std::vector<CoperturaCoppia>& coppie);

// Fg_CC: coverage in column 0, the numbers in columns 1..8.
void riempiFgCC(Griglia& fgCC, const std::vector<Formazione>& formazioni);

// Fg_ZZ: the forecast list; active forecasts have a yellow N°.
void riempiFgZZ(Griglia& fgZZ, const AnalisiIndice& analisi);

// FgAbb: each number with its score as a companion of a forecast.
void riempiFgAbb(Griglia& fgAbb, const std::vector<std::pair<int, int>>& abbinamenti);

// Fg1 of "Verifica previsione": a row per draw, followed by a row per hit.
void riempiFg1(Griglia& fg1, const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi);

// The captions of "Coperti" and "Scoperti"; empty when nothing is shown.
std::string testoCoperti(const AnalisiIndice& analisi);
std::string testoScoperti(const AnalisiIndice& analisi);
// "Coperti" is green when every model row wanted is covered.
bool copertiCompleti(const AnalisiIndice& analisi);

}  // namespace quorvane
