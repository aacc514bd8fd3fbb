#include "archive/StoricoUfficiale.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <unordered_map>

#include "core/FileDati.h"

namespace quorvane {

std::optional<int> ruotaDaSiglaStorico(std::string_view sigla) {
    if (sigla.size() != 2) return std::nullopt;
    auto maiuscola = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    const char a = maiuscola(sigla[0]), b = maiuscola(sigla[1]);
    if (a == 'R' && b == 'M') return 8;
    if (a == 'R' && b == 'N') return 11;
    auto r = ruotaDaSigla(sigla);
    if (r && *r <= NumRuote) return r;  // "TU" is no wheel of a draw
    return std::nullopt;
}

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view rifila(std::string_view t) {
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    return t;
}

// The offending text in quotes, cut short and with every byte that is not printable ASCII shown
// as '?', so that a binary file gives a readable message (the fields are ASCII anyway).
std::string cita(std::string_view t) {
    constexpr std::size_t massimo = 40;
    std::string s = "\"";
    for (char c : t.substr(0, massimo)) s += c >= ' ' && c <= '~' ? c : '?';
    if (t.size() > massimo) s += "...";
    s += '"';
    return s;
}

ErroreStorico errore(int riga, const std::string& testo) {
    return {riga, "Riga " + std::to_string(riga) + ": " + testo};
}

// Value of a field of digits only (at most 3, so "090" is read as 90), 0 when it is not one.
int numeroCampo(std::string_view t) {
    if (t.empty() || t.size() > 3) return 0;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return 0;
        v = v * 10 + (c - '0');
    }
    return v;
}

constexpr std::size_t CampiRiga = 2 + NumPosizioni;

// Fields are separated by tabs; runs of blanks are accepted too, as left by an editor.
// Returns the number of fields, keeping the first CampiRiga + 1.
std::size_t dividi(std::string_view riga, std::array<std::string_view, CampiRiga + 1>& campi) {
    std::size_t n = 0, i = 0;
    while (i < riga.size()) {
        while (i < riga.size() && blank(riga[i])) ++i;
        if (i == riga.size()) break;
        std::size_t inizio = i;
        while (i < riga.size() && !blank(riga[i])) ++i;
        if (n < campi.size()) campi[n] = riga.substr(inizio, i - inizio);
        ++n;
    }
    return n;
}

}  // namespace

EsitoStorico leggiStoricoTesto(std::string_view testo) {
    if (testo.substr(0, Bom.size()) == Bom) testo.remove_prefix(Bom.size());

    std::vector<Estrazione> estrazioni;
    std::vector<std::array<int, NumRuote>> righeRuote;  // line of each wheel, for repeats
    std::unordered_map<long, std::size_t> perData;
    estrazioni.reserve(testo.size() / 300 + 16);
    righeRuote.reserve(estrazioni.capacity());

    // The file lists the wheels of one date together: the last date seen is the quick path.
    std::string_view ultimoCampoData;
    std::size_t ultimoIndice = 0;

    std::array<std::string_view, CampiRiga + 1> campi;
    int numeroRiga = 0;
    std::size_t pos = 0;
    while (pos < testo.size()) {
        std::size_t fine = testo.find('\n', pos);
        if (fine == std::string_view::npos) fine = testo.size();
        std::string_view riga = rifila(testo.substr(pos, fine - pos));
        pos = fine + 1;
        ++numeroRiga;
        if (riga.empty()) continue;

        const std::size_t n = dividi(riga, campi);

        std::size_t indice;
        if (!ultimoCampoData.empty() && campi[0] == ultimoCampoData) {
            indice = ultimoIndice;
        } else {
            auto data = Data::daTestoStorico(campi[0]);
            if (!data) return errore(numeroRiga, "data non valida " + cita(campi[0]));
            auto [it, nuova] = perData.try_emplace(data->giorniDaEpoca(), estrazioni.size());
            if (nuova) {
                estrazioni.push_back(Estrazione{*data, {}});
                righeRuote.push_back({});
            }
            indice = it->second;
            ultimoCampoData = campi[0];
            ultimoIndice = indice;
        }

        if (n < 2) return errore(numeroRiga, "manca la sigla della ruota");
        auto ruota = ruotaDaSiglaStorico(campi[1]);
        if (!ruota) return errore(numeroRiga, "ruota sconosciuta " + cita(campi[1]));
        const std::string sigla(campi[1]);  // as the file writes it: RM, not RO

        if (n != CampiRiga)
            return errore(numeroRiga,
                          "attesi " + std::to_string(NumPosizioni) + " numeri, trovati " + std::to_string(n - 2));

        CinqueNumeri numeri{};
        for (int k = 0; k < NumPosizioni; ++k) {
            std::string_view campo = campi[2 + k];
            int v = numeroCampo(campo);
            if (v < 1 || v > NumeroMassimo)
                return errore(numeroRiga, "numero non valido " + cita(campo) + " sulla ruota " + sigla +
                                              " (deve essere un intero da 1 a 90)");
            for (int j = 0; j < k; ++j)
                if (numeri[j] == v)
                    return errore(numeroRiga, "numero " + std::to_string(v) + " ripetuto sulla ruota " + sigla);
            numeri[k] = static_cast<std::int16_t>(v);
        }

        int& rigaPrecedente = righeRuote[indice][*ruota - 1];
        if (rigaPrecedente != 0)
            return errore(numeroRiga, "ruota " + sigla + " del " + estrazioni[indice].data.testo() +
                                          " già presente alla riga " + std::to_string(rigaPrecedente));
        rigaPrecedente = numeroRiga;
        estrazioni[indice].ruote[*ruota - 1] = numeri;
    }

    if (estrazioni.empty()) return ErroreStorico{0, "Il file non contiene estrazioni."};
    if (auto riga = rigaInterrotta(testo)) return ErroreStorico{*riga, messaggioFileInterrotto(*riga)};

    // A file of whole draws (ten wheels, eleven since the Nazionale) cut short, as an interrupted
    // download leaves it, ends inside the wheels of its last date: that draw has fewer wheels than
    // the one before it, and would be stored as if whole.
    const auto ruoteDi = [&righeRuote](std::size_t i) {
        return static_cast<int>(
            std::count_if(righeRuote[i].begin(), righeRuote[i].end(), [](int r) { return r != 0; }));
    };
    const std::size_t ultima = estrazioni.size() - 1;
    if (ultima > 0 && ultimoIndice == ultima && ruoteDi(ultima - 1) >= NumRuote - 1 &&
        ruoteDi(ultima) < ruoteDi(ultima - 1))
        return ErroreStorico{numeroRiga, "Il file è incompleto (interrotto?): l'estrazione del " +
                                             estrazioni[ultima].data.testo() + ", l'ultima del file, ha ruote " +
                                             std::to_string(ruoteDi(ultima)) + " contro " +
                                             std::to_string(ruoteDi(ultima - 1)) +
                                             " della precedente. "
                                             "Nessuna estrazione è stata letta."};

    auto perDataCrescente = [](const Estrazione& a, const Estrazione& b) { return a.data < b.data; };
    if (!std::is_sorted(estrazioni.begin(), estrazioni.end(), perDataCrescente))
        std::sort(estrazioni.begin(), estrazioni.end(), perDataCrescente);
    return estrazioni;
}

EsitoStorico leggiStoricoFile(const std::filesystem::path& percorso) {
    const std::string nome = percorso.string();
    if (std::string motivo = motivoFileNonLeggibile(percorso, nome); !motivo.empty()) return ErroreStorico{0, motivo};
    std::ifstream in(percorso, std::ios::binary);
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    if (!in || ec) return ErroreStorico{0, "Impossibile aprire il file \"" + nome + "\"."};
    // One read of the whole file, whose size was checked.
    std::string testo(static_cast<std::size_t>(dimensione), '\0');
    in.read(testo.data(), static_cast<std::streamsize>(testo.size()));
    testo.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return ErroreStorico{0, "Errore durante la lettura del file \"" + nome + "\"."};
    return leggiStoricoTesto(testo);
}

}  // namespace quorvane
