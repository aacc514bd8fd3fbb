#pragma once
// What the pages of the index window share: the session, the method they drive, the number
// board and the main window's progress bar. The options are spread over two pages and reach
// the analysis only when a command starts, so the window hands the pages its two readers.
#include <functional>

class QProgressBar;

namespace quorvane {

class MetodoIndice;
struct AnalisiIndice;
class Sessione;
class TavolaNumeri;

struct ContestoIndice {
    Sessione& sessione;
    MetodoIndice& metodo;
    TavolaNumeri& tavola;
    QProgressBar* avanzamento;
    // The options of the period (draw, presences, colpi, month, end of search).
    std::function<void()> leggiOpzioniBase;
    // The options of the elaborations (end of search, QN, capogioco, sorte, speed).
    std::function<void()> leggiOpzioniElaborazione;
    // The analysis with every option as the controls show it now; the method's is left as it is.
    std::function<AnalisiIndice()> opzioniCorrenti;
};

}  // namespace quorvane
