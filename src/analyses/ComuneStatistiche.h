#pragma once
// What the statistics views share: the refusals and their Italian messages, the period of
// draws, and the texts of their decimal figures.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

enum class ErroreStatistiche {
    Nessuno,
    FuoriArchivio,
    PeriodoRovesciato,
    NessunaRuota,
    NessunaEstrazione,
    PosizioneErrata,
    FamigliaSconosciuta,
    NessunGruppo,
    GruppoVuoto,
    NumeroFuoriGruppo,
    NumeroRipetuto,
    NumeroErrato,
    RuotaErrata,
    ColpiErrati,
    NessunaOccorrenza,
    BersaglioNonEstratto
};

// The Italian message of a refused request.
std::string messaggioStatistiche(ErroreStatistiche errore, const ArchivioEstrazioni& archivio);

// Sets an `al` of 0 to the last draw and checks that dal..al is a period of the archive.
ErroreStatistiche controllaPeriodo(const ArchivioEstrazioni& archivio, int dal, int& al);

// The place of `nome` among `nomi`, whatever its letter case: how an option names a choice.
std::optional<int> sceltaPerNome(std::string_view nome, std::initializer_list<std::string_view> nomi);

// numeratore / denominatore rounded half up to hundredths, as "12,34"; both whole and
// non-negative, so that no binary fraction decides a rounding.
std::string testoCentesimi(long long numeratore, long long denominatore);
// A figure that is no ratio of whole numbers, to hundredths, as "12,34".
std::string testoCentesimi(double valore);
// A probability with three significant digits, as "0,0123" or "1,23e-05".
std::string testoProbabilita(double p);

}  // namespace quorvane
