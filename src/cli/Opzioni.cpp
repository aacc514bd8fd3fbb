#include "cli/Opzioni.h"

namespace quorvane::cli {

std::optional<std::string> Opzioni::valore(const std::string& nome) const {
    auto trovato = valori.find(nome);
    if (trovato == valori.end() || trovato->second.empty()) return std::nullopt;
    return trovato->second.back();
}

std::optional<Opzioni> leggiOpzioni(const std::vector<std::string>& argomenti, std::string* errore) {
    Opzioni opzioni;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a.rfind("--", 0) != 0) {
            if (opzioni.comando.empty()) opzioni.comando = a;
            else opzioni.argomenti.push_back(a);
            continue;
        }
        const std::string nome = a.substr(2);
        if (nome == "json") {
            opzioni.json = true;
        } else if (Segnali.count(nome)) {
            opzioni.segnali.insert(nome);
        } else if (i + 1 >= argomenti.size()) {
            *errore = "manca il valore dell'opzione " + a;
            return std::nullopt;
        } else if ((nome == "archivio" && opzioni.archivio) ||
                   (opzioni.valori.count(nome) && !Ripetibili.count(nome))) {
            // Keeping the last would act silently on another file or choice than the user read.
            *errore = "l'opzione " + a + " è data più volte: ne vale una sola";
            return std::nullopt;
        } else if (nome == "archivio") {
            opzioni.archivio = argomenti[++i];
        } else {
            opzioni.valori[nome].push_back(argomenti[++i]);
        }
    }
    if (opzioni.comando.empty()) {
        *errore = "manca il comando";
        return std::nullopt;
    }
    return opzioni;
}

}  // namespace quorvane::cli
