#pragma once
// The forecasts checked against the draws that followed each model draw.
#include <array>
#include <utility>
#include <vector>

#include "index/AnalisiIndice.h"

namespace quorvane {

// Counters of the last verification, read by the statistical summary.
struct ContatoriVerifica {
    static constexpr int MaxNumeroPrevisione = 50;

    std::array<int, AnalisiIndice::ColpiMassimi + 1> EsitiPerColpo{};  // hits per colpo 1..20
    // [x][0]: numbers of forecast x; [x][k]: hits of forecast x with exactly k numbers matched.
    std::array<std::array<int, 6>, MaxNumeroPrevisione + 1> EsitiFormazione{};
    std::vector<int> EsitiRiga;  // hits per row of the forecast list
};

// "Visualizza sfaldamenti": for every model row, the first draw of its window (up to
// FineRicerca) in which an active forecast came out on a wheel in play, with every hit of that
// draw; "Coperti" follows. The wheels in play are RuoteSel. False, and nothing
// changed, when there is no model row.
bool VisualizzaSfaldamenti(AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, ContatoriVerifica& contatori);

// One hit of "Verifica previsione".
struct EsitoVerifica {
    int ruota = 0;       // 1..11
    int riga = 0;        // row of the forecast list, 1-based
    int presi = 0;       // numbers matched
    std::string numeri;  // matched numbers in position order, each after a space
};

struct EstrazioneVerificata {
    int colpo = 0;
    int estrazione = 0;
    std::string data;
    std::vector<EsitoVerifica> esiti;
};

// "Verifica previsione": the twenty draws after the model draw of a table row (1-based) that
// the archive holds, each with every forecast, active or not, that came out on a wheel in play.
std::vector<EstrazioneVerificata> VerificaPrevisione(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                                     int riga);

// "Cerca numero con maggiore abbinamento": for each number not in the forecast, the model rows
// (covered or not) in whose window it would have won with the forecast's numbers on a wheel in
// play; (number, score) ranked by score, equal scores in number order.
std::vector<std::pair<int, int>> Abbinamenti(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                             const Previsione& previsione);

}  // namespace quorvane
