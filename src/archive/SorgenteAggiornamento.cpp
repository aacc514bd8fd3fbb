#include "archive/SorgenteAggiornamento.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "archive/StoricoUfficiale.h"

namespace quorvane {

namespace {
std::optional<std::string> leggiTesto(const std::filesystem::path& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream testo;
    testo << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return std::move(testo).str();
}

ErroreSorgente illeggibile(const std::filesystem::path& percorso) {
    return {false, "Impossibile leggere il file \"" + percorso.string() + "\"."};
}

EsitoSorgente daAggiornamento(std::string_view testo) {
    if (!primaRigaCorretta(primaRiga(testo))) return ErroreSorgente{true, MessaggioFormatoErrato};
    return leggiRigheAggiornamento(testo);
}

EsitoSorgente daStorico(std::string_view testo) {
    auto letto = leggiStoricoTesto(testo);
    if (auto* e = std::get_if<ErroreStorico>(&letto)) return ErroreSorgente{false, e->messaggio};
    return righeDaEstrazioni(std::get<std::vector<Estrazione>>(letto));
}

// The official file starts with "AAAA/MM/GG" (after a byte order mark, if any).
bool sembraStorico(std::string_view testo) {
    if (testo.substr(0, 3) == "\xEF\xBB\xBF") testo.remove_prefix(3);
    return testo.size() > 10 && Data::daTestoStorico(testo.substr(0, 10)).has_value();
}
}  // namespace

EsitoSorgente leggiFileAggiornamento(const std::filesystem::path& percorso) {
    auto testo = leggiTesto(percorso);
    if (!testo) return illeggibile(percorso);
    return daAggiornamento(*testo);
}

EsitoSorgente leggiStoricoComeAggiornamento(const std::filesystem::path& percorso) {
    auto testo = leggiTesto(percorso);
    if (!testo) return illeggibile(percorso);
    return daStorico(*testo);
}

EsitoSorgente leggiSorgenteAggiornamento(const std::filesystem::path& percorso) {
    auto testo = leggiTesto(percorso);
    if (!testo) return illeggibile(percorso);
    return sembraStorico(*testo) ? daStorico(*testo) : daAggiornamento(*testo);
}

}  // namespace quorvane
