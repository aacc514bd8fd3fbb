#include "metodo/FileMetodo.h"

#include <fstream>
#include <sstream>

#include "core/FileDati.h"
#include "core/GrigliaTesto.h"

namespace quorvane {

bool testoUtf8(std::string_view testo) {
    for (std::size_t i = 0; i < testo.size();) {
        const std::size_t n = sequenzaUtf8(testo.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

FileMetodo leggiFileMetodo(const std::filesystem::path& percorso) {
    const std::string nome = percorso.filename().string();
    const std::string motivo = motivoFileNonLeggibile(percorso, nome, UINTMAX_MAX);
    if (!motivo.empty()) return {{}, motivo};
    std::error_code ec;
    if (std::filesystem::file_size(percorso, ec) > MassimoFileMetodo)
        return {{}, "Il file del metodo \"" + nome + "\" supera 1 MB: non viene letto."};
    std::ifstream file(percorso, std::ios::binary);
    std::ostringstream testo;
    testo << file.rdbuf();
    if (!file || testo.str().size() > MassimoFileMetodo)
        return {{}, "Impossibile leggere il file del metodo \"" + nome + "\"."};
    if (!testoUtf8(testo.str())) return {{}, "Il file del metodo \"" + nome + "\" non è un testo UTF-8."};
    return {testo.str(), {}};
}

}  // namespace quorvane
