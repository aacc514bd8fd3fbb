#pragma once
// A Griglia written for the command line: TSV as the window shows it, or JSON with its colours.
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/Griglia.h"

namespace quorvane {

// Header line (row 0, trimmed), then one line per visible data row; hidden columns left out.
std::string grigliaTsv(const Griglia& griglia);

// JSON already written, such as another grid that goes with the first.
struct JsonGrezzo {
    std::string testo;
};

// Labels that go with a grid ("Coperti", "Scoperti"): a text, an integer, a list of texts or
// a JSON value.
using ValoreExtra = std::variant<std::string, long long, std::vector<std::string>, JsonGrezzo>;
using CampiExtra = std::vector<std::pair<std::string, ValoreExtra>>;

// {"tabella", "griglia", "intestazione", "colonne_nascoste", "righe": [{"nascosta", "celle": [...]}]}
// followed by the extra keys in the given order: `tabella` names what the grid holds, `griglia`
// is the window's name for it.
std::string grigliaJson(const Griglia& griglia, std::string_view tabella, const CampiExtra& extra = {});

// A JSON object of the given keys, in order: what a command that prints no grid prints.
std::string oggettoJson(const CampiExtra& campi);

// A JSON string literal, quotes included; well-formed UTF-8 passes through unchanged, any
// other byte becomes U+FFFD.
std::string stringaJson(std::string_view testo);

// Length of the well-formed UTF-8 sequence at the start of t (not empty), 0 when there is none.
std::size_t sequenzaUtf8(std::string_view t);

// Spaces and tabs removed from both ends.
std::string_view senzaSpazi(std::string_view testo);

}  // namespace quorvane
