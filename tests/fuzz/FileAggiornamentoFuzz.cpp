// The update file as the program reads it: the shape test of the first line, the rows cut by
// position, the check against a small archive and the writes it plans. A file read is whole
// (its last line ended) and names each date once.
#include <set>
#include <variant>

#include "Fuzz.h"
#include "archive/ControlloAggiornamento.h"
#include "archive/SorgenteAggiornamento.h"

using namespace quorvane;

namespace {

const std::vector<RigaArchivio>& archivio() {
    static const std::vector<RigaArchivio> righe = [] {
        std::vector<RigaArchivio> r(2);
        r[0].data = "03/01/2023";
        r[0].ruote[0] = "10-20-30-40-50";
        r[1].data = "05/01/2023";
        r[1].ruote.fill("11-21-31-41-51");
        r[1].ruote[10] = "----";
        return r;
    }();
    return righe;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const EsitoSorgente esito = righeAggiornamento(fuzz::testo(dati, n));
    const auto* righe = std::get_if<std::vector<RigaAggiornamento>>(&esito);
    if (!righe) return 0;
    const std::string_view testo = fuzz::testo(dati, n);
    const std::size_t ultimoACapo = testo.rfind('\n');
    const std::string_view coda = ultimoACapo == std::string_view::npos ? testo : testo.substr(ultimoACapo + 1);
    fuzz::richiedi(coda.find_first_not_of(" \t\r\f\v") == std::string_view::npos, "un file letto finisce la riga");
    std::set<long> date;
    for (const RigaAggiornamento& r : *righe)
        if (auto d = Data::daTesto(r.data))
            fuzz::richiedi(date.insert(d->giorniDaEpoca()).second, "ogni data una volta sola");
    const ControlloAggiornamento controllo = ConfrontoAggiornamento(*righe, archivio());
    fuzz::richiedi(controllo.righe.size() == righe->size(), "una riga di controllo per riga del file");
    for (bool correggi : {false, true}) {
        for (const ScritturaEstrazione& s : pianoAggiornamento(*righe, controllo, correggi)) {
            fuzz::richiedi(s.data.valida(), "solo date valide nelle scritture");
            for (const std::string& ruota : s.ruote)
                fuzz::richiedi(ruota.empty() || testoRuotaValido(ruota) == ruota, "solo ruote valide nelle scritture");
        }
    }
    return 0;
}
