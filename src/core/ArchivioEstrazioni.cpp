#include "core/ArchivioEstrazioni.h"

#include <algorithm>
#include <utility>

namespace quorvane {

namespace {

// A stored value as a message quotes it: short, and only printable ASCII, whatever it holds.
std::string valoreCitato(std::string_view valore) {
    constexpr std::size_t Massimo = 20;
    std::string testo;
    for (char c : valore.substr(0, Massimo)) testo += c >= ' ' && c <= '~' ? c : '?';
    if (valore.size() > Massimo) testo += "…";
    return testo;
}

}  // namespace

std::string motivoRuoteNonValide(const std::vector<RigaArchivio>& righe) {
    std::string primo;
    int altre = 0;
    for (const RigaArchivio& riga : righe) {
        for (int r = 1; r <= NumRuote; ++r) {
            const std::string& valore = riga.ruote[r - 1];
            if (leggiRuotaArchivio(valore)) continue;
            if (!primo.empty()) {
                ++altre;
            } else {
                primo = "L'estrazione del " + valoreCitato(riga.data) + " ha su " + std::string(NomeRuota[r]) + " «" +
                        valoreCitato(valore) +
                        "»: una ruota deve avere cinque numeri diversi da 1 a 90 scritti come 05-12-33-47-89, o "
                        "restare vuota se non estratta.";
            }
            break;
        }
    }
    if (altre == 1) primo += " Anche un'altra estrazione ha valori non validi.";
    if (altre > 1) primo += " Anche altre " + std::to_string(altre) + " estrazioni hanno valori non validi.";
    return primo;
}

EsitoCaricamento ArchivioEstrazioni::CaricaArchivio(const std::vector<RigaArchivio>& righe, TipoCaricamento tipo,
                                                    const Avanzamento& avanzamento) {
    // Built aside and swapped in at the end, so that a failed load leaves the tables whole.
    ArchivioEstrazioni nuovo = tipo == TipoCaricamento::SoloEstratti ? *this : ArchivioEstrazioni{};
    nuovo.estrazioneIniziale_ = estrazioneIniziale_;

    const int n = static_cast<int>(righe.size());
    if (n == 0) return EsitoCaricamento::ArchivioVuoto;
    const std::size_t celle = static_cast<std::size_t>(n + 1) * NumRuote;
    nuovo.estratti_.assign(celle * NumPosizioni, 0);
    nuovo.maschere_.assign(celle, Maschera90{});
    nuovo.dateTesto_.assign(n + 1, std::string{});
    nuovo.date_.assign(n + 1, Data{});

    for (int e = 1; e <= n; ++e) {
        if (avanzamento) avanzamento(e, n);
        const RigaArchivio& riga = righe[e - 1];
        auto data = Data::daTesto(riga.data);
        if (!data) return EsitoCaricamento::ArchivioVuoto;
        nuovo.dateTesto_[e] = riga.data;
        nuovo.date_[e] = *data;
        for (int r = 1; r <= NumRuote; ++r) {
            const auto numeri = leggiRuotaArchivio(riga.ruote[r - 1]);
            if (!numeri) return EsitoCaricamento::RuoteNonValide;
            const std::size_t cella = indice(e, r);
            for (int k = 0; k < NumPosizioni; ++k) {
                nuovo.estratti_[cella * NumPosizioni + k] = (*numeri)[k];
                nuovo.maschere_[cella].aggiungi((*numeri)[k]);
            }
        }
    }
    nuovo.numEstrazioni_ = n;

    if (tipo == TipoCaricamento::SoloEstratti) {
        // Draws beyond the previous load have no ordinals until the next full load; an archive
        // that lost draws meanwhile keeps no index past its end.
        nuovo.progMese_.resize(n + 1, 0);
        nuovo.progAnno_.resize(n + 1, 0);
        nuovo.ultimaEstrazione_ = std::min(nuovo.ultimaEstrazione_, n);
        std::erase_if(nuovo.indiciModello_, [n](int e) { return e > n; });
    } else {
        nuovo.numeraProgressivi();
        nuovo.ultimaEstrazione_ = n;
        if (tipo == TipoCaricamento::Ricarica) {
            nuovo.costruisciModello(1);
        } else {
            if (estrazioneIniziale_ > n) return EsitoCaricamento::InizialeOltreArchivio;
            nuovo.costruisciModello(estrazioneIniziale_ < 1 ? 1 : estrazioneIniziale_);
        }
    }
    *this = std::move(nuovo);
    return EsitoCaricamento::Riuscito;
}

// Ordinal within the month and the year; only the month number (or the year) is compared
// with the previous draw's, so a gap of a whole year in the same month keeps counting.
void ArchivioEstrazioni::numeraProgressivi() {
    progMese_.assign(numEstrazioni_ + 1, 0);
    progAnno_.assign(numEstrazioni_ + 1, 0);
    int mese = date_[1].mese, anno = date_[1].anno;
    int contaMese = 1, contaAnno = 1;
    progMese_[1] = progAnno_[1] = 1;
    for (int e = 2; e <= numEstrazioni_; ++e) {
        const Data& d = date_[e];
        contaMese = d.mese != mese ? 1 : contaMese + 1;
        contaAnno = d.anno != anno ? 1 : contaAnno + 1;
        mese = d.mese;
        anno = d.anno;
        progMese_[e] = contaMese;
        progAnno_[e] = contaAnno;
    }
}

void ArchivioEstrazioni::costruisciModello(int primo) {
    indiciModello_.clear();
    indiciModello_.reserve(numEstrazioni_ - primo + 1);
    for (int e = primo; e <= numEstrazioni_; ++e) indiciModello_.push_back(e);
}

PeriodoModello ArchivioEstrazioni::periodoModello() const {
    PeriodoModello p;
    if (indiciModello_.empty()) return p;
    p.inizio = indiciModello_.front();
    p.fine = indiciModello_.back();
    p.dataInizio = DateEstrazioni(p.inizio);
    p.dataFine = DateEstrazioni(p.fine);
    p.estrazioni = p.fine - p.inizio + 1;
    return p;
}

}  // namespace quorvane
