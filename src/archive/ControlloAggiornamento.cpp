#include "archive/ControlloAggiornamento.h"

#include <string_view>
#include <unordered_map>

namespace quorvane {

namespace {
// The invalid parts of a malformed row, for its line among the reported rows (List4).
std::string partiErrate(const ControlloRiga& c) {
    std::string parti = c.dataValida ? "" : "data";
    for (int k = 0; k < NumRuote; ++k) {
        if (c.ruotaValida[k]) continue;
        if (!parti.empty()) parti += ", ";
        parti += NomeRuota[k + 1];
    }
    return parti;
}
}  // namespace

ControlloAggiornamento ConfrontoAggiornamento(const std::vector<RigaAggiornamento>& righe,
                                              const std::vector<RigaArchivio>& archivio,
                                              const Avanzamento& avanzamento) {
    std::unordered_map<std::string_view, const RigaArchivio*> perData;
    perData.reserve(archivio.size());
    for (const RigaArchivio& r : archivio) perData.emplace(r.data, &r);

    ControlloAggiornamento esito;
    esito.righe.resize(righe.size());
    const int n = static_cast<int>(righe.size());
    for (int i = n - 1; i >= 0; --i) {
        if (avanzamento) avanzamento(n - 1 - i, n);
        const RigaAggiornamento& riga = righe[i];
        ControlloRiga& c = esito.righe[i];
        c.dataValida = Data::daTesto(riga.data).has_value();
        bool valida = c.dataValida;
        for (int k = 0; k < NumRuote; ++k) {
            c.ruotaValida[k] = testoRuotaValido(riga.ruote[k]).has_value();
            valida = valida && c.ruotaValida[k];
        }
        if (!valida) {
            c.stato = StatoRiga::Malformata;
            c.voce = "Riga non valida del " + riga.data + " (" + partiErrate(c) + "): non sarà scritta";
            esito.righeSegnalate.push_back(c.voce);
            ++esito.errori;
            continue;
        }
        auto trovata = perData.find(riga.data);
        if (trovata == perData.end()) {
            c.stato = StatoRiga::Mancante;
            c.voce = "Manca estrazione del: " + riga.data;
            esito.righeSegnalate.push_back(c.voce);
            continue;
        }
        int uguali = 0;
        for (int k = 0; k < NumRuote; ++k) {
            const std::string& memorizzata = trovata->second->ruote[k];
            const std::string& blocco = riga.ruote[k];
            const bool vuoto = blocco.find_first_not_of(' ') == std::string::npos;
            c.ruotaUguale[k] = vuoto ? ruotaNonEstratta(memorizzata) : blocco == memorizzata;
            uguali += c.ruotaUguale[k];
        }
        if (uguali == NumRuote) {
            c.stato = StatoRiga::Uguale;
        } else {
            c.stato = StatoRiga::Diversa;
            c.voce = "Errori Estrazione del " + riga.data;
            esito.righeSegnalate.push_back(c.voce);
            ++esito.errori;
        }
    }
    if (esito.errori == 0) esito.righeSegnalate.push_back("Nessuna anomalia rilevata");
    return esito;
}

std::vector<ScritturaEstrazione> pianoAggiornamento(const std::vector<RigaAggiornamento>& righe,
                                                    const ControlloAggiornamento& controllo, bool correggi) {
    std::vector<ScritturaEstrazione> piano;
    for (std::size_t i = 0; i < righe.size() && i < controllo.righe.size(); ++i) {
        const StatoRiga stato = controllo.righe[i].stato;
        if (stato != StatoRiga::Mancante && !(correggi && stato == StatoRiga::Diversa)) continue;
        ScritturaEstrazione s;
        s.aggiunta = stato == StatoRiga::Mancante;
        s.data = *Data::daTesto(righe[i].data);
        for (int k = 0; k < NumRuote; ++k) s.ruote[k] = *testoRuotaValido(righe[i].ruote[k]);
        piano.push_back(std::move(s));
    }
    return piano;
}

}  // namespace quorvane
