#pragma once
// The command line: global options, the command and its own options.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::cli {

struct Opzioni {
    std::optional<std::string> archivio;  // --archivio FILE
    bool json = false;                    // --json
    std::string comando;
    std::vector<std::string> argomenti;           // positional, after the command
    std::map<std::string, std::string> valori;    // --nome valore, after the command
};

// Bad usage (unknown option, missing value) is reported as an Italian message.
std::optional<Opzioni> leggiOpzioni(const std::vector<std::string>& argomenti, std::string* errore);

}  // namespace quorvane::cli
