#pragma once
// The method tested on the past as a player would have followed it: at each model draw of a
// period the analysis sees only the draws up to it, the method builds its forecasts, and each
// forecast is played on the draws that follow; hits, stakes and wins are set against what
// chance gives the same plays.
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "index/AnalisiIndice.h"

namespace quorvane {

enum class MetodoStorico {
    Modalita2,  // the first formation of "Elaborazione modalità 2"
    Ciclo,      // every forecast of the covering cycle
};

struct OpzioniStoriche {
    AnalisiIndice analisi;  // the options of the index window; its model draws are rebuilt at each point
    MetodoStorico metodo = MetodoStorico::Modalita2;
    int dal = 0;  // first and last draw of the period, both included
    int al = 0;
};

// One forecast played after one point.
struct GiocataStorica {
    int punto = 0;  // the model draw t: the analysis saw draws 1..t
    int sorte = 2;
    std::vector<int> numeri;
    int colpo = 0;      // draw of the hit minus t; 0 when none
    std::string presi;  // at the hit: "BA 7 45 / RO 12 45", each wheel in play that paid
    int puntata = 0;    // units: one per draw played
    double vincita = 0;
    double probabilita = 0;    // chance of a hit within the colpi
    double vincitaAttesa = 0;  // what chance pays on the draws actually played
};

struct RiepilogoStorico {
    int punti = 0;  // points of the period, with or without a play
    int giocate = 0;
    int vincite = 0;
    double attese = 0;  // expected hits
    double varianza = 0;
    long long puntata = 0;
    double incasso = 0;
    double incassoAtteso = 0;

    double rapporto() const { return attese > 0 ? vincite / attese : 0; }
    std::optional<double> z() const;
    double resa() const { return puntata > 0 ? 100 * incasso / puntata : 0; }
    double resaAttesa() const { return puntata > 0 ? 100 * incassoAtteso / puntata : 0; }
};

struct EsitoStorico {
    std::vector<GiocataStorica> giocate;  // by point, then in the order the method gave them
    RiepilogoStorico riepilogo;
    bool annullato = false;  // stopped early: the results are incomplete and left empty
};

// The period of the last twenty years of the archive: from the first draw after the same day
// twenty years before the last one.
OpzioniStoriche periodoPredefinito(OpzioniStoriche opzioni, const ArchivioEstrazioni& archivio);

// The draws of the period that the model rule picks and that are followed by NumeroColpi draws.
std::vector<int> puntiStorici(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio);

// An Italian message when the options cannot be run (a period outside the archive or reversed,
// no point in it, a terno on fewer than three numbers); nothing when they can.
std::optional<std::string> erroreStorico(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio);

// Called with (points done, points) from the worker threads, never two at once.
using AvanzamentoStorico = std::function<void(int, int)>;

// Runs the points on `thread` threads (0: one per core), each with its own copy of the archive
// and its own analysis. `annulla`, when set, stops the run within one seed of the search. The
// options must pass erroreStorico.
EsitoStorico VerificaStorica(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio,
                             const std::atomic<bool>* annulla = nullptr, const AvanzamentoStorico& avanzamento = {},
                             int thread = 0);

// The plays of one point, as VerificaStorica makes them (for the tests of look-ahead).
std::vector<GiocataStorica> giocatePunto(const OpzioniStoriche& opzioni, ArchivioEstrazioni& archivio, int punto);

}  // namespace quorvane
