#include "archive/FileAggiornamento.h"

namespace quorvane {

namespace {
constexpr std::size_t InizioRuota(int k) {
    return 11 + 15 * static_cast<std::size_t>(k);
}  // 0-based, k = 0..10

std::string_view pezzo(std::string_view riga, std::size_t inizio, std::size_t lunghezza) {
    if (inizio >= riga.size()) return {};
    return riga.substr(inizio, lunghezza);
}
}  // namespace

bool primaRigaCorretta(std::string_view riga) {
    while (!riga.empty() && (riga.back() == ' ' || riga.back() == '\t')) riga.remove_suffix(1);
    return riga.size() == LunghezzaRigaAggiornamento && riga.substr(riga.size() - 2) == "pr";
}

std::string_view campoDelimitato(std::string_view riga) {
    while (!riga.empty() && (riga.front() == ' ' || riga.front() == '\t')) riga.remove_prefix(1);
    return riga.substr(0, riga.find(','));
}

RigaAggiornamento tagliaRiga(std::string_view riga) {
    riga = campoDelimitato(riga);
    RigaAggiornamento r;
    r.data = pezzo(riga, 0, 10);
    for (int k = 0; k < NumRuote; ++k) r.ruote[k] = pezzo(riga, InizioRuota(k), LunghezzaTestoRuota);
    return r;
}

std::string_view primaRiga(std::string_view testo) {
    std::string_view riga = testo.substr(0, testo.find('\n'));
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    return riga;
}

std::vector<RigaAggiornamento> leggiRigheAggiornamento(std::string_view testo) {
    std::vector<RigaAggiornamento> righe;
    righe.reserve(testo.size() / (LunghezzaRigaAggiornamento + 2) + 1);
    for (int numero = 1; !testo.empty(); ++numero) {
        std::string_view riga = primaRiga(testo);
        std::size_t fine = testo.find('\n');
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        RigaAggiornamento r = tagliaRiga(riga);
        r.numeroRiga = numero;
        if (!r.data.empty()) righe.push_back(std::move(r));
    }
    return righe;
}

std::string rigaFileAggiornamento(const RigaArchivio& riga) {
    std::string linea(LunghezzaRigaAggiornamento, ' ');
    linea.replace(0, std::min<std::size_t>(riga.data.size(), 10), riga.data, 0, 10);
    for (int k = 0; k < NumRuote; ++k) {
        const std::string& t = riga.ruote[k];
        if (!ruotaNonEstratta(t)) linea.replace(InizioRuota(k), LunghezzaTestoRuota, t, 0, LunghezzaTestoRuota);
    }
    linea.replace(LunghezzaRigaAggiornamento - 2, 2, "pr");
    return linea;
}

std::vector<RigaAggiornamento> righeDaEstrazioni(const std::vector<Estrazione>& estrazioni) {
    std::vector<RigaAggiornamento> righe;
    righe.reserve(estrazioni.size());
    for (const Estrazione& e : estrazioni) {
        RigaAggiornamento r;
        r.data = e.data.testo();
        for (int k = 0; k < NumRuote; ++k) {
            r.ruote[k] = scriviTestoRuota(e.ruote[k]);
            if (r.ruote[k].empty()) r.ruote[k].assign(LunghezzaTestoRuota, ' ');  // as the file has it
        }
        righe.push_back(std::move(r));
    }
    return righe;
}

std::optional<std::string> testoRuotaValido(std::string_view blocco) {
    // A block cut short by the end of the line is no blank wheel.
    if (blocco.size() != LunghezzaTestoRuota) return std::nullopt;
    if (blocco.find_first_not_of(' ') == std::string_view::npos) return std::string();
    // Markers of a wheel not drawn are the archive's own; a file gives a blank block instead.
    const auto numeri = leggiRuotaArchivio(blocco);
    if (!numeri || (*numeri)[0] == 0) return std::nullopt;
    return std::string(blocco);
}

bool ruotaNonEstratta(std::string_view testo) {
    for (auto n : leggiTestoRuota(testo))
        if (n != 0) return false;
    return true;
}

}  // namespace quorvane
