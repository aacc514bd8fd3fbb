#pragma once
// The beliefs players follow besides the index method: the most delayed number or pair, the most
// frequent numbers, a fixed list. Each chooses at a point from draws 1..t of the wheel it reads.
#include <vector>

#include "index/VerificaStorica.h"

namespace quorvane {

// The play of each point (ascending) for a strategy other than Strategia::Indice. Delays and
// frequencies count only the draws in which the wheel read was drawn; ties go to the smaller
// number, and for pairs to the smaller first number, then the smaller second.
// The sorte Frequenti and Fissi play: `sorte`, or when it is 0 ambo for two numbers or more, else
// estratto.
int sorteGiocata(const OpzioniStoriche& opzioni);

std::vector<Previsione> sceltePunti(const OpzioniStoriche& opzioni, const ArchivioEstrazioni& archivio,
                                    const std::vector<int>& punti);

}  // namespace quorvane
