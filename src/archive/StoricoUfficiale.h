#pragma once
// Reader of the official historical file of the draws: one line per date and wheel,
// "AAAA/MM/GG<TAB>RUOTA<TAB>n1<TAB>n2<TAB>n3<TAB>n4<TAB>n5".
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/Estrazione.h"

namespace quorvane {

// Where and why the reading stopped. riga is 1-based; 0 when the fault is not on a line
// (file that cannot be opened, file without draws). messaggio is ready to be shown.
struct ErroreStorico {
    int riga = 0;
    std::string messaggio;
};

// The draws in date order, one per date, or the first fault found.
using EsitoStorico = std::variant<std::vector<Estrazione>, ErroreStorico>;

// Wheel number 1..11 of a code of the file (RM and RN) or of the program (RO and NZ).
std::optional<int> ruotaDaSiglaStorico(std::string_view sigla);

EsitoStorico leggiStoricoTesto(std::string_view testo);
// Only a regular file of at most MassimoFileDati bytes is read.
EsitoStorico leggiStoricoFile(const std::filesystem::path& percorso);

}  // namespace quorvane
