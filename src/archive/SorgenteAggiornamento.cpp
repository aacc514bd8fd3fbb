#include "archive/SorgenteAggiornamento.h"

#include "archive/StoricoUfficiale.h"

namespace quorvane {

namespace {
// The official file starts with "AAAA/MM/GG" (after a byte order mark, if any).
bool sembraStorico(std::string_view testo) {
    if (testo.substr(0, 3) == "\xEF\xBB\xBF") testo.remove_prefix(3);
    return testo.size() > 10 && Data::daTestoStorico(testo.substr(0, 10)).has_value();
}
}  // namespace

EsitoSorgente righeAggiornamento(std::string_view testo) {
    if (!primaRigaCorretta(primaRiga(testo))) return ErroreSorgente{true, MessaggioFormatoErrato};
    return leggiRigheAggiornamento(testo);
}

EsitoSorgente righeStorico(std::string_view testo) {
    auto letto = leggiStoricoTesto(testo);
    if (auto* e = std::get_if<ErroreStorico>(&letto)) return ErroreSorgente{false, e->messaggio};
    return righeDaEstrazioni(std::get<std::vector<Estrazione>>(letto));
}

EsitoSorgente righeSorgente(std::string_view testo) {
    return sembraStorico(testo) ? righeStorico(testo) : righeAggiornamento(testo);
}

}  // namespace quorvane
