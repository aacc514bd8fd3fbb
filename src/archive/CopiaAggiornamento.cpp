#include "archive/CopiaAggiornamento.h"

#include "archive/FileAggiornamento.h"
#include "core/Data.h"

namespace quorvane {

namespace {
// A line as a message may quote it: at most 40 characters, control bytes as blanks.
std::string citazione(std::string_view riga) {
    std::string testo(riga.substr(0, 40));
    for (char& c : testo)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return riga.size() > 40 ? testo + "…" : testo;
}

bool rigaCompleta(const RigaAggiornamento& r) {
    for (const std::string& blocco : r.ruote)
        if (!testoRuotaValido(blocco)) return false;
    return true;
}
}  // namespace

std::string motivoCopiaNonValida(std::string_view testo) {
    if (testo.substr(0, 4) == std::string_view("PK\x03\x04", 4))
        return "è un archivio zip, non il file di aggiornamento";
    if (testo.find('\0') != std::string_view::npos) return "è un file binario, non il file di aggiornamento";
    if (testo.substr(0, 3) == "\xEF\xBB\xBF") testo.remove_prefix(3);
    const bool finisceARiga = !testo.empty() && testo.back() == '\n';
    int numero = 0, estrazioni = 0;
    bool ultimaCompleta = true;
    while (!testo.empty()) {
        const std::string_view riga = primaRiga(testo);
        const std::size_t fine = testo.find('\n');
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        ++numero;
        const RigaAggiornamento r = tagliaRiga(riga);
        if (r.data.find_first_not_of(' ') == std::string::npos) continue;
        if (!Data::daTesto(r.data))
            return "la riga " + std::to_string(numero) + " (\"" + citazione(riga) +
                   "\") non comincia con una data GG/MM/AAAA: non è il file di aggiornamento";
        ++estrazioni;
        ultimaCompleta = rigaCompleta(r);
    }
    if (estrazioni == 0) return "non contiene alcuna estrazione";
    if (!ultimaCompleta && !finisceARiga)
        return "l'ultima riga è incompleta e senza fine riga: il file è arrivato tagliato";
    return {};
}

}  // namespace quorvane
