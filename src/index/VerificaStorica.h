#pragma once
// The method tested on the past as a player would have followed it: at each model draw of a
// period the analysis sees only the draws up to it, the method builds its forecasts, and each
// forecast is played on the draws that follow; hits, stakes and wins are set against what
// chance gives the same plays.
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "index/AnalisiIndice.h"
#include "index/MetodoProprio.h"

namespace quorvane {

enum class MetodoStorico {
    Modalita2,  // the first formation of "Elaborazione modalità 2"
    Ciclo,      // every forecast of the covering cycle
};

// What the player follows at each point.
enum class Strategia {
    Indice,            // the index method (`metodo`)
    Ritardatario,      // the most delayed number of the wheel read, for estratto
    AmboRitardatario,  // the most delayed pair of the wheel read, for ambo
    Frequenti,         // the `quanti` numbers drawn most often in the wheel's last `finestra` draws
    Fissi,             // `numeri`, at every point
    Metodo,            // the player's own method (`metodoProprio`), on the wheels it names
};

struct OpzioniStoriche {
    static constexpr int FinestraMassima = 2000;

    // The options of the index window; its model draws are rebuilt at each point. Every strategy
    // plays for NumeroColpi draws on ruoteInGioco.
    AnalisiIndice analisi;
    Strategia strategia = Strategia::Indice;
    MetodoStorico metodo = MetodoStorico::Modalita2;
    int ruotaLetta = 1;  // the wheel the strategies other than the index read (1 = Bari)
    int quanti = 2;      // Frequenti: 1..Previsione::MaxNumeri
    int finestra = 100;  // Frequenti: 1..FinestraMassima draws of the wheel
    // Frequenti and Fissi: 1 estratto .. 5 cinquina, at most as many as the numbers; 0 plays ambo
    // with two numbers or more, else estratto (so that a comparison over `quanti` keeps a sorte).
    int sorte = 0;
    std::vector<int> numeri;  // Fissi
    // Metodo: the method and the values of its parameters by name.
    std::shared_ptr<const MetodoProprio> metodoProprio;
    std::map<std::string, std::string> parametri;
    int dal = 0;  // first and last draw of the period, both included
    int al = 0;
    std::uint64_t seme = 1;  // the simulations of chance that give p for several plays per point
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
    int estrazioniRuota = 0;   // wheel draws of the window (wheels in play drawn in t+1 .. t+colpi)
};

struct RiepilogoStorico {
    int punti = 0;  // points of the period, with or without a play
    // Points skipped because no wheel in play was drawn in their play window (a wheel's early years).
    int senzaEstrazioni = 0;
    int giocate = 0;
    int vincite = 0;
    double attese = 0;  // expected hits
    // Of the hits under chance: exact with one play per point, else from the simulations.
    double varianza = 0;
    // Probability that chance gives at least `vincite` hits; nothing without plays. Exact with one
    // play per point, else the share of `simulazioni` runs of chance, with standard error erroreP.
    std::optional<double> p;
    double erroreP = 0;
    // Probability that chance gives at most `vincite` hits, found as p is: how rare so few are.
    std::optional<double> pInferiore;
    int simulazioni = 0;  // 0 when p is exact
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
    bool annullato = false;             // stopped early: the results are incomplete and left empty
    std::vector<std::string> registro;  // Metodo: the lines the method wrote
};

// The period of the last twenty years of the archive: from the first draw after the same day
// twenty years before the last one.
OpzioniStoriche periodoPredefinito(OpzioniStoriche opzioni, const ArchivioEstrazioni& archivio);

// The points of the period whose play window t+1 .. t+NumeroColpi ends by `al`: for the index
// method the draws the model rule picks, for the other strategies dal, dal + colpi, ...; a point
// whose window would share a draw with the previous point's is skipped. A point whose window
// holds no draw of the wheels in play has nothing to play: it is left out, and counted in
// `senzaEstrazioni` when given.
std::vector<int> puntiStorici(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio,
                              int* senzaEstrazioni = nullptr);

// An Italian message when the options cannot be run (a period outside the archive or reversed,
// no point in it, a terno on fewer than three numbers, a strategy's option out of range);
// nothing when they can.
std::optional<std::string> erroreStorico(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio);

// Called with (points done, points) from the worker threads, never two at once.
using AvanzamentoStorico = std::function<void(int, int)>;

// Runs the points on `thread` threads (0: one per core), each with its own copy of the archive
// and its own analysis. `annulla`, when set, stops the run within one seed of the search. The
// options must pass erroreStorico. A player's method that stops throws ErroreMetodo.
EsitoStorico VerificaStorica(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio,
                             const std::atomic<bool>* annulla = nullptr, const AvanzamentoStorico& avanzamento = {},
                             int thread = 0);

// The plays of one point, as VerificaStorica makes them (for the tests of look-ahead).
std::vector<GiocataStorica> giocatePunto(const OpzioniStoriche& opzioni, ArchivioEstrazioni& archivio, int punto);

}  // namespace quorvane
