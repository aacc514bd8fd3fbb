#pragma once
// The two sources of update rows: the update file and the official historical file.
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "archive/FileAggiornamento.h"

namespace quorvane {

struct ErroreSorgente {
    bool formatoErrato = false;  // the update file's first line failed the shape test
    std::string messaggio;
};

using EsitoSorgente = std::variant<std::vector<RigaAggiornamento>, ErroreSorgente>;

inline constexpr const char* MessaggioFormatoErrato =
    "Attenzione, sembra che il file non sia del formato corretto";

// An update file: refused whole when its first line fails the shape test.
EsitoSorgente leggiFileAggiornamento(const std::filesystem::path& percorso);
// The official historical file, one row per draw.
EsitoSorgente leggiStoricoComeAggiornamento(const std::filesystem::path& percorso);
// Either of the two, told apart by the first line.
EsitoSorgente leggiSorgenteAggiornamento(const std::filesystem::path& percorso);

}  // namespace quorvane
