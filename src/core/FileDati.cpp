#include "core/FileDati.h"

#include <algorithm>

namespace quorvane {

std::string motivoFileAssente(const std::filesystem::path& percorso, const std::string& nome) {
    std::error_code ec;
    (void)std::filesystem::status(percorso, ec);
    if (ec == std::errc::too_many_symbolic_link_levels)
        return "Il file \"" + nome + "\" non si raggiunge: i suoi collegamenti simbolici formano un ciclo.";
    if (ec == std::errc::permission_denied)
        return "Il file \"" + nome + "\" non si raggiunge: permesso negato su una delle sue cartelle.";
    if (ec == std::errc::not_a_directory)
        return "Il file \"" + nome + "\" non esiste: una parte del percorso non è una cartella.";
    return "Il file \"" + nome + "\" non esiste.";
}

std::string motivoFileNonLeggibile(const std::filesystem::path& percorso, const std::string& nome,
                                   std::uintmax_t massimo) {
    if (percorso.empty()) return "Nessun file indicato.";
    std::error_code ec;
    const auto stato = std::filesystem::status(percorso, ec);
    if (!std::filesystem::exists(stato)) return motivoFileAssente(percorso, nome);
    if (!std::filesystem::is_regular_file(stato))
        return "\"" + nome + "\" non è un file normale (cartella, dispositivo o FIFO): non viene letto.";
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (ec) return "Impossibile leggere il file \"" + nome + "\".";
    if (dimensione > massimo)
        return "Il file \"" + nome + "\" è troppo grande per essere un file delle estrazioni (più di " +
               std::to_string(massimo >> 20) + " MB): non viene letto.";
    return {};
}

std::optional<int> rigaInterrotta(std::string_view testo) {
    const std::size_t ultimoACapo = testo.rfind('\n');
    const std::string_view coda = ultimoACapo == std::string_view::npos ? testo : testo.substr(ultimoACapo + 1);
    if (coda.find_first_not_of(" \t\r\f\v") == std::string_view::npos) return std::nullopt;
    return static_cast<int>(std::count(testo.begin(), testo.end(), '\n')) + 1;
}

std::string messaggioFileInterrotto(int riga) {
    return "Il file è incompleto (interrotto?): l'ultima riga, la " + std::to_string(riga) +
           ", non finisce con un a capo e potrebbe essere tagliata a metà di un numero. "
           "Nessuna estrazione è stata letta.";
}

}  // namespace quorvane
