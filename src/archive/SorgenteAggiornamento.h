#pragma once
// The two sources of update rows: the update file and the official historical file.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "archive/FileAggiornamento.h"

namespace quorvane {

struct ErroreSorgente {
    bool formatoErrato = false;  // the update file's first line failed the shape test
    std::string messaggio;
};

using EsitoSorgente = std::variant<std::vector<RigaAggiornamento>, ErroreSorgente>;

inline constexpr const char* MessaggioFormatoErrato = "Attenzione, sembra che il file non sia del formato corretto";

// The text of an update file: refused whole when its first line fails the shape test, and as
// righeAggiornamentoIntere refuses it.
EsitoSorgente righeAggiornamento(std::string_view testo);
// The rows of an update file (a byte order mark aside) without the shape test, refused whole
// when its last line has no line end (a cut file) or when a date is on more than one line.
EsitoSorgente righeAggiornamentoIntere(std::string_view testo);
// The text of the official historical file, one row per draw.
EsitoSorgente righeStorico(std::string_view testo);
// Either of the two, told apart by the first line.
EsitoSorgente righeSorgente(std::string_view testo);

}  // namespace quorvane
