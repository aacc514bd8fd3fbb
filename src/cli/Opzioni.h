#pragma once
// The command line: global options, the command and its own options.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quorvane::cli {

// Options that take no value.
inline const std::set<std::string> Segnali = {
    "json",      "forza-ultima", "fine-ricerca", "veloce",   "correggi", "con-estrazione",
    "controlla", "lettere",      "ambi",         "aggiorna", "si"};

// Options that may be given more than once, each time adding a value; any other is given once.
inline const std::set<std::string> Ripetibili = {"previsione", "confronta", "gruppo"};

struct Opzioni {
    std::optional<std::string> archivio;  // --archivio FILE
    bool json = false;                    // --json
    std::string comando;
    std::vector<std::string> argomenti;                      // positional, after the command
    std::map<std::string, std::vector<std::string>> valori;  // --nome valore, in the order given
    std::set<std::string> segnali;                           // --nome, without a value

    // The last value given to --nome.
    std::optional<std::string> valore(const std::string& nome) const;
    bool segnale(const std::string& nome) const { return segnali.count(nome) > 0; }
};

// Bad usage (missing value, an option given twice that takes one value) is reported as an
// Italian message.
std::optional<Opzioni> leggiOpzioni(const std::vector<std::string>& argomenti, std::string* errore);

}  // namespace quorvane::cli
