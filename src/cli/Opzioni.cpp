#include "cli/Opzioni.h"

namespace quorvane::cli {

std::optional<Opzioni> leggiOpzioni(const std::vector<std::string>& argomenti, std::string* errore) {
    Opzioni opzioni;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "--json") {
            opzioni.json = true;
        } else if (a.rfind("--", 0) == 0) {
            if (i + 1 >= argomenti.size()) {
                *errore = "manca il valore dell'opzione " + a;
                return std::nullopt;
            }
            const std::string& valore = argomenti[++i];
            if (a == "--archivio") opzioni.archivio = valore;
            else if (opzioni.comando.empty()) {
                *errore = "opzione sconosciuta prima del comando: " + a;
                return std::nullopt;
            } else opzioni.valori[a.substr(2)] = valore;
        } else if (opzioni.comando.empty()) {
            opzioni.comando = a;
        } else {
            opzioni.argomenti.push_back(a);
        }
    }
    if (opzioni.comando.empty()) {
        *errore = "manca il comando";
        return std::nullopt;
    }
    return opzioni;
}

}  // namespace quorvane::cli
