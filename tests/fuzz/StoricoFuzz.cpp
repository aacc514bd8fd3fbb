// The official historical file as plain text: every draw comes out once, in date order, with
// five different numbers 1..90 on each wheel drawn; the same text read as update rows agrees.
#include <variant>

#include "Fuzz.h"
#include "archive/SorgenteAggiornamento.h"
#include "archive/StoricoUfficiale.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string_view testo = fuzz::testo(dati, n);
    const EsitoStorico esito = leggiStoricoTesto(testo);
    const auto* estrazioni = std::get_if<std::vector<Estrazione>>(&esito);
    const EsitoSorgente righe = righeStorico(testo);
    fuzz::richiedi(std::holds_alternative<std::vector<RigaAggiornamento>>(righe) == (estrazioni != nullptr),
                   "le righe di aggiornamento seguono la lettura");
    if (!estrazioni) {
        fuzz::richiedi(!std::get<ErroreStorico>(esito).messaggio.empty(), "un errore ha il suo messaggio");
        return 0;
    }
    fuzz::richiedi(!estrazioni->empty(), "un file letto ha almeno un'estrazione");
    const std::vector<std::string_view> linee = fuzz::righe(testo);
    fuzz::richiedi(testo.back() == '\n' || linee.back().find_first_not_of(" \t\r\f\v") == std::string_view::npos,
                   "un file letto non è tagliato dentro l'ultima riga");
    for (std::size_t i = 0; i < estrazioni->size(); ++i) {
        const Estrazione& e = (*estrazioni)[i];
        fuzz::richiedi(e.data.valida(), "date valide");
        if (i > 0) fuzz::richiedi((*estrazioni)[i - 1].data < e.data, "date crescenti, una per estrazione");
        for (const CinqueNumeri& ruota : e.ruote) {
            Maschera90 visti;
            int numeri = 0;
            for (auto x : ruota) {
                if (x == 0) continue;
                fuzz::richiedi(x >= 1 && x <= 90 && !visti.contiene(x), "numeri 1..90 diversi");
                visti.aggiungi(x);
                ++numeri;
            }
            fuzz::richiedi(numeri == 0 || numeri == NumPosizioni, "una ruota estratta ha cinque numeri");
        }
    }
    return 0;
}
