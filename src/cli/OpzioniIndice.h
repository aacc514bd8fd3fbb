#pragma once
// The options of the index analysis as the commands of the window take them.
#include <cstdint>
#include <initializer_list>

#include "cli/Comune.h"
#include "index/MetodoIndice.h"

namespace quorvane::cli {

inline const std::initializer_list<const char*> opzioniIndice = {
    "estrazione", "mensile",   "forza-ultima", "presenze", "colpi", "fine-ricerca", "ruote",
    "qn",         "capogioco", "sorte",        "veloce",   "seme",  "previsione"};

// The options of the window as the command line gives them; defaults as the window opens.
AnalisiIndice analisiDaOpzioni(const Opzioni& opzioni, const ArchivioEstrazioni& archivio);

// The seed of --seme, or one from the clock.
std::uint64_t semeDaOpzioni(const Opzioni& opzioni);

// The method with the options of the command line, its model draws built and every
// --previsione added as the number board adds it.
MetodoIndice metodoDaOpzioni(const Opzioni& opzioni, const ArchivioEstrazioni& archivio);

// "Coperti" and "Scoperti", the labels beside the forecast list.
CampiExtra contatori(const MetodoIndice& metodo);

Griglia grigliaPrevisioni(const MetodoIndice& metodo);

}  // namespace quorvane::cli
