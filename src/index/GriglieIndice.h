#pragma once
// The grids of the index analysis, filled from the engine's results; shared by the window and
// the command line. The colours say what the engine's state is.
#include "core/Griglia.h"
#include "index/AnalisiIndice.h"
#include "index/Copertura.h"
#include "index/Formazione.h"
#include "index/Ritardi.h"
#include "index/TavolaNumeri.h"
#include "index/Verifica.h"

namespace quorvane {

inline constexpr Colore CelesteRisultati = 0xFFFFC0;  // the Pr column of the model table
inline constexpr Colore GialloRitardi = 0x80FFFF;     // wheels in play, coverage counts
inline constexpr Colore BluPrevisioni = 0xFF0000;     // the numbers of the forecasts

// Colours of outcomes by hit count 1..5 (index 0 unused), shown in the legend Fgcolore.
inline constexpr std::array<Colore, 6> ColoriEsiti = {0, 65535, 65280, 0x80C0FF, 0xFFFF80, 0xFFC0C0};

// The headers of the model table (FgV), the formations (Fg_CC), the forecasts (Fg_ZZ) and the
// delays (FgRit).
void impostaIntestazioneModello(Griglia& g);
void impostaIntestazioneFormazioni(Griglia& g);
void impostaIntestazionePrevisioni(Griglia& g);
void impostaIntestazioneRitardi(Griglia& g);

// The selected draw (fga), one row per wheel: its code, then its five numbers.
void riempiEstrazioneMostrata(Griglia& g, const ArchivioEstrazioni& archivio, int estrazione);
// The wheel board (FgR): one row of wheel codes, green where the wheel is in play.
void riempiRuoteInGioco(Griglia& g, const std::array<bool, NumRuote>& ruote);
// The number board (Fg90): 1..90 row by row on 9 x 10 cells, green where chosen.
void riempiTavolaNumeri(Griglia& g, const TavolaNumeri& tavola);
// The legend of the outcome colours (Fgcolore).
void riempiLegendaEsiti(Griglia& g);

// The model table (FgV): one row per model draw, most recent first.
void riempiTabellaModello(Griglia& g, const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio);

// The delays (FgRit): rows 1..90, the delay of each number on each wheel; wheels in play in light yellow.
void riempiTabellaRitardi(Griglia& g, const TabellaRitardi& ritardi, const std::array<bool, NumRuote>& ruoteSel);

// The ranked pairs (Fg9090).
void riempiTabellaCoppie(Griglia& g, const std::vector<CoperturaCoppia>& coppie);

// The formations (Fg_CC): coverage in column 0, the numbers in columns 1..8.
void riempiTabellaFormazioni(Griglia& g, const std::vector<Formazione>& formazioni);

// The forecast list (Fg_ZZ); active forecasts have a yellow N°.
void riempiTabellaPrevisioni(Griglia& g, const AnalisiIndice& analisi);

// The companions (FgAbb): each number with its score as a companion of a forecast.
void riempiTabellaAbbinamenti(Griglia& g, const std::vector<std::pair<int, int>>& abbinamenti);

// "Verifica previsione" (its Fg1): a row per draw, followed by a row per hit.
void riempiTabellaVerifica(Griglia& g, const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi);

// The captions of "Coperti" and "Scoperti"; empty when nothing is shown.
std::string testoCoperti(const AnalisiIndice& analisi);
std::string testoScoperti(const AnalisiIndice& analisi);
// "Coperti" is green when every model row wanted is covered.
bool copertiCompleti(const AnalisiIndice& analisi);

}  // namespace quorvane
