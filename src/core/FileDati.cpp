#include "core/FileDati.h"

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

}  // namespace quorvane
