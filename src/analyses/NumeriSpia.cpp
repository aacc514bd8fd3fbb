#include "analyses/NumeriSpia.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/CodaBernoulli.h"
#include "core/Colori.h"

namespace quorvane {

namespace {

constexpr std::array<std::string_view, NumColonneSpia> Intestazioni = {
    "Numero", "Casi", "Presenze", "Casi attesi", "Presenze attese", "p", "p corretto"};

// Chance that one (draw, wheel) misses a given number.
constexpr double MancataRuota = 1.0 - static_cast<double>(NumPosizioni) / NumeroMassimo;

}  // namespace

ErroreStatistiche NumeriSpia::calcola(const ArchivioEstrazioni& archivio, const RichiestaSpia& richiesta) {
    RichiestaSpia r = richiesta;
    if (r.numero < 1 || r.numero > NumeroMassimo) return ErroreStatistiche::NumeroErrato;
    if (r.ruota < 1 || r.ruota > NumRuote) return ErroreStatistiche::RuotaErrata;
    if (r.posizione < 0 || r.posizione > NumPosizioni) return ErroreStatistiche::PosizioneErrata;
    if (r.colpi < 1 || r.colpi > ColpiSpiaMassimi) return ErroreStatistiche::ColpiErrati;
    if (const ErroreStatistiche e = controllaPeriodo(archivio, r.dal, r.al); e != ErroreStatistiche::Nessuno) return e;
    if (std::none_of(r.bersaglio.begin(), r.bersaglio.end(), [](bool b) { return b; }))
        r.bersaglio[static_cast<std::size_t>(r.ruota - 1)] = true;
    std::array<int, NumRuote> bersagli{};
    int quanteBersaglio = 0;
    for (int w = 1; w <= NumRuote; ++w)
        if (r.bersaglio[static_cast<std::size_t>(w - 1)]) bersagli[static_cast<std::size_t>(quanteBersaglio++)] = w;

    NumeriSpia nuova;
    nuova.richiesta_ = r;
    std::vector<double> probabilita;  // per window: chance that it holds a given number
    int ultimaPresa = r.dal - r.colpi - 1;
    for (int t = r.dal; t + r.colpi <= r.al; ++t) {
        const bool esce = r.posizione > 0 ? archivio.Estratti(t, r.ruota, r.posizione) == r.numero
                                          : archivio.NumeriRuota(t, r.ruota).contiene(r.numero);
        if (!esce || t <= ultimaPresa + r.colpi) continue;
        // A window where no target wheel is drawn holds nothing to count: it is left out.
        int ruote = 0;
        for (int d = t + 1; d <= t + r.colpi; ++d)
            for (int i = 0; i < quanteBersaglio; ++i)
                ruote += !archivio.NumeriRuota(d, bersagli[static_cast<std::size_t>(i)]).vuota();
        if (ruote == 0) {
            ++nuova.senzaEstrazioni_;
            continue;
        }
        ultimaPresa = t;
        nuova.occorrenze_.push_back(t);
        Maschera90 finestra;
        for (int d = t + 1; d <= t + r.colpi; ++d)
            for (int i = 0; i < quanteBersaglio; ++i) {
                const Maschera90& numeri = archivio.NumeriRuota(d, bersagli[static_cast<std::size_t>(i)]);
                finestra |= numeri;
                numeri.perOgni([&nuova](int x) { ++nuova.figure_[static_cast<std::size_t>(x - 1)].presenze; });
            }
        finestra.perOgni([&nuova](int x) { ++nuova.figure_[static_cast<std::size_t>(x - 1)].casi; });
        nuova.ruoteFinestre_ += ruote;
        probabilita.push_back(1 - std::pow(MancataRuota, ruote));
    }
    if (nuova.occorrenze_.empty())
        return nuova.senzaEstrazioni_ > 0 ? ErroreStatistiche::BersaglioNonEstratto
                                          : ErroreStatistiche::NessunaOccorrenza;

    nuova.casiAttesi_ = std::accumulate(probabilita.begin(), probabilita.end(), 0.0);
    double varianza = 0;
    for (double p : probabilita) varianza += p * (1 - p);
    nuova.sigmaCasi_ = std::sqrt(varianza);
    int casiMassimi = 0;
    for (const FiguraSpia& f : nuova.figure_) casiMassimi = std::max(casiMassimi, f.casi);
    const std::vector<double> code = codeBernoulli(probabilita, casiMassimi);
    for (FiguraSpia& f : nuova.figure_) {
        f.p = code[static_cast<std::size_t>(f.casi)];
        f.pCorretto = std::min(1.0, NumeroMassimo * f.p);
    }
    *this = std::move(nuova);
    return ErroreStatistiche::Nessuno;
}

double NumeriSpia::presenzeAttese() const {
    return static_cast<double>(ruoteFinestre_) * NumPosizioni / NumeroMassimo;
}

double NumeriSpia::scartoDalCaso(int numero) const {
    return sigmaCasi_ > 0 ? (figura(numero).casi - casiAttesi_) / sigmaCasi_ : 0;
}

std::vector<int> NumeriSpia::ordine() const {
    std::vector<int> numeri(NumeroMassimo);
    std::iota(numeri.begin(), numeri.end(), 1);
    std::stable_sort(numeri.begin(), numeri.end(), [this](int a, int b) { return figura(a).p < figura(b).p; });
    return numeri;
}

VerdettoSpia NumeriSpia::verdetto() const {
    const int primo = ordine().front();
    const double pCorretto = figura(primo).pCorretto;
    return {pCorretto < SogliaSpia, primo, pCorretto};
}

std::string NumeriSpia::fraseRichiesta() const {
    const RichiestaSpia& r = richiesta_;
    std::string frase = "Spia " + std::to_string(r.numero) + " su " +
                        std::string(NomeRuota[static_cast<std::size_t>(r.ruota)]);
    if (r.posizione > 0) frase += " (" + std::to_string(r.posizione) + "° estratto)";
    frase += ", " + std::to_string(r.colpi) + (r.colpi == 1 ? " colpo" : " colpi");
    std::string bersaglio;
    for (int w = 1; w <= NumRuote; ++w)
        if (r.bersaglio[static_cast<std::size_t>(w - 1)]) (bersaglio += ' ') += SiglaRuota[static_cast<std::size_t>(w)];
    // The followers' wheels are named only when they are not the spy's own.
    if (!bersaglio.empty() && bersaglio != ' ' + std::string(SiglaRuota[static_cast<std::size_t>(r.ruota)]))
        frase += ", seguenti su" + bersaglio;
    return frase;
}

std::string NumeriSpia::fraseVerdetto() const {
    const VerdettoSpia v = verdetto();
    const FiguraSpia& f = figura(v.numero);
    const std::string numero = "il numero " + std::to_string(v.numero) + " (uscito in " + std::to_string(f.casi) +
                               (f.casi == 1 ? " finestra su " : " finestre su ") + std::to_string(occorrenze_.size()) +
                               "; il caso ne dà " + testoCentesimi(casiAttesi_) + ")";
    const std::string corretto = "p corretto " + testoProbabilita(v.pCorretto);
    const std::string senza = senzaEstrazioni_ == 0
                                  ? std::string()
                                  : " Finestre senza estrazioni sulle ruote bersaglio, lasciate fuori: " +
                                        std::to_string(senzaEstrazioni_) + ".";
    const std::string richiesta = fraseRichiesta() + ". ";
    if (v.spicca)
        return richiesta + "Spicca " + numero + ": " + corretto +
               ", sotto 0,05 anche tenendo conto dei 90 numeri provati insieme." + senza;
    return richiesta + "Nessun numero spicca: il più lontano dal caso, " + numero + ", ha " + corretto +
           ", non sotto 0,05 una volta tenuto conto dei 90 numeri provati insieme; ciò che si vede è quanto dà il "
           "caso." +
           senza;
}

std::string NumeriSpia::testo(int numero, ColonnaSpia colonna) const {
    const FiguraSpia& f = figura(numero);
    switch (colonna) {
        case ColonnaSpia::Numero:
            return std::to_string(numero);
        case ColonnaSpia::Casi:
            return std::to_string(f.casi);
        case ColonnaSpia::Presenze:
            return std::to_string(f.presenze);
        case ColonnaSpia::CasiAttesi:
            return testoCentesimi(casiAttesi_);
        case ColonnaSpia::PresenzeAttese:
            return testoCentesimi(ruoteFinestre_ * NumPosizioni, NumeroMassimo);
        case ColonnaSpia::P:
            return testoProbabilita(f.p);
        case ColonnaSpia::PCorretto:
            return testoProbabilita(f.pCorretto);
    }
    return {};
}

void riempiNumeriSpia(Griglia& tabella, const NumeriSpia& spia, const std::vector<int>& ordine) {
    std::string intestazione;
    for (std::string_view t : Intestazioni) (intestazione += intestazione.empty() ? "" : "|") += t;
    tabella.impostaIntestazione(intestazione);
    tabella.impostaRighe(1);
    tabella.impostaRighe(static_cast<int>(ordine.size()) + 1);
    for (int c = 0; c < NumColonneSpia; ++c)
        tabella.impostaAllineamentoColonna(c, c == 0 ? Allineamento::Centro : Allineamento::Destra);
    int riga = 1;
    for (int x : ordine) {
        for (int c = 0; c < NumColonneSpia; ++c)
            tabella.impostaTesto(riga, c, spia.testo(x, static_cast<ColonnaSpia>(c)));
        if (spia.figura(x).pCorretto < SogliaSpia)
            tabella.impostaSfondo(riga, 1, riga, NumColonneSpia - 1, ArancioChiaro);
        ++riga;
    }
}

}  // namespace quorvane
