#pragma once
// Coverage: in how many model windows a play would have come out.
#include <vector>

#include "index/AnalisiIndice.h"

namespace quorvane {

struct CoperturaCoppia {
    int a = 0;  // a < b
    int b = 0;
    int copertura = 0;
};

struct CoperturaNumero {
    int numero = 0;
    int copertura = 0;
};

// The wheels of the board become the wheels in play, as every elaboration does before it starts.
void impostaRuoteInGioco(AnalisiIndice& analisi);

// For every pair a < b, the uncovered model rows with a following draw in whose window a or b
// came out on a wheel in play (each row once), ranked by that count; equal counts keep the
// order of the pairs. `avanzamento` gets (a, 89).
std::vector<CoperturaCoppia> Elabora(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                     const Avanzamento& avanzamento = {});

// For every number, the uncovered model rows in whose window it came out on a wheel in play,
// ranked by that count; equal counts keep the order of the numbers.
std::vector<CoperturaNumero> copertureSingole(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio);

// Numbers of each window that the elaborations still work on: the uncovered rows, and of those
// only the rows with a following draw when `soloConSeguito`.
std::vector<Maschera90> finestreScoperte(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                         bool soloConSeguito);

}  // namespace quorvane
