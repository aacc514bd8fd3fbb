#include "archive/SorgenteAggiornamento.h"

#include <unordered_map>

#include "archive/StoricoUfficiale.h"
#include "core/FileDati.h"

namespace quorvane {

namespace {
std::string_view senzaBom(std::string_view testo) {
    if (testo.substr(0, 3) == "\xEF\xBB\xBF") testo.remove_prefix(3);
    return testo;
}

// The official file starts with "AAAA/MM/GG" (after a byte order mark, if any).
bool sembraStorico(std::string_view testo) {
    testo = senzaBom(testo);
    return testo.size() > 10 && Data::daTestoStorico(testo.substr(0, 10)).has_value();
}

// A date on two lines (the same draw twice, two draws, or one draw's wheels split) would be
// checked and written as if only its first line existed: the lines of each repeat, or nothing.
std::optional<std::string> dateRipetute(const std::vector<RigaAggiornamento>& righe) {
    constexpr int MassimoElencate = 5;
    std::unordered_map<long, int> primaRigaDi;
    std::string elenco;
    int ripetute = 0;
    for (const RigaAggiornamento& r : righe) {
        const auto data = Data::daTesto(r.data);
        if (!data) continue;  // a malformed row, reported and never written
        const auto [prima, nuova] = primaRigaDi.try_emplace(data->giorniDaEpoca(), r.numeroRiga);
        if (nuova || ++ripetute > MassimoElencate) continue;
        elenco += (elenco.empty() ? "" : "; ") + data->testo() + " alle righe " + std::to_string(prima->second) +
                  " e " + std::to_string(r.numeroRiga);
    }
    if (ripetute == 0) return std::nullopt;
    if (ripetute > MassimoElencate) elenco += "; ...";
    return "Il file ripete delle date, ma ogni estrazione deve comparire su una riga sola: " + elenco +
           ". Nessuna estrazione è stata letta.";
}
}  // namespace

EsitoSorgente righeAggiornamento(std::string_view testo) {
    if (!primaRigaCorretta(primaRiga(senzaBom(testo)))) return ErroreSorgente{true, MessaggioFormatoErrato};
    return righeAggiornamentoIntere(testo);
}

EsitoSorgente righeAggiornamentoIntere(std::string_view testo) {
    testo = senzaBom(testo);
    if (auto riga = rigaInterrotta(testo)) return ErroreSorgente{false, messaggioFileInterrotto(*riga)};
    std::vector<RigaAggiornamento> righe = leggiRigheAggiornamento(testo);
    if (auto ripetute = dateRipetute(righe)) return ErroreSorgente{false, *ripetute};
    return righe;
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
