#pragma once
// "Elaborazione modalità 2", the most frequent formation: the pairs (or triples) drawn together
// most often in the windows of the uncovered model draws are grown greedily into formations of
// N numbers, which are then ranked by the model rows they cover.
#include <optional>
#include <string>
#include <vector>

#include "index/AnalisiIndice.h"
#include "index/Formazione.h"
#include "index/TabelleConteggio.h"

namespace quorvane {

struct FormazionePiuFrequente {
    static constexpr int NumeriMassimi = 8;     // N1..N8 of Fg_CC
    static constexpr int SemiVeloci = 200;      // pair seeds with "Velocizza ricerca"
    static constexpr int Conservate = 499;      // formations kept by the pair builder
    static constexpr int SemiTerni = 150;       // triple seeds
    static constexpr int SemiTerniVeloci = 40;  // triple seeds with "Velocizza ricerca"
};

// The rows of Fg_CC, best coverage first, each formation once. Pairs when SorteElaborazione is
// 2 and N >= 2, triples when it is 3 and N >= 3; anything else gives nothing (N = 1 is the
// single-number coverage). Windows run Inizio..End with no FineRicerca bound, on
// RuoteSel. The counts of the run stay in `tabelle`, both orders of each pair and triple.
// `avanzamento` gets (a, 89) or (a, 88) while the seeds are ranked, then (seed, seeds).
std::vector<Formazione> ElaborazioneModalita2(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                              TabelleConteggio& tabelle, const Avanzamento& avanzamento = {});

// Why mode 2 left `formazioni` without a row to offer, in the window's words: no model draw, a
// terno with N < 3 (nothing run), every model draw covered, or nothing drawn that a formation
// could cover in the windows of the uncovered ones. Nothing when there are rows.
std::optional<std::string> motivoModalita2Vuota(const AnalisiIndice& analisi,
                                                const std::vector<Formazione>& formazioni);

// Sum of the pair counts over every two positions of the formation (0 below two numbers).
int GetFrequenzaFormazioneDinamica(const std::vector<int>& formazione, const TabelleConteggio& tabelle);
// Sum of the triple counts over every three positions of the formation.
int GetFrequenzaFormazioneTerni(const std::vector<int>& formazione, const TabelleConteggio& tabelle);

}  // namespace quorvane
