#include "analyses/TabelloneAnalitico.h"

#include <algorithm>

#include "analyses/Statistiche.h"
#include "core/Colori.h"

namespace quorvane {

std::optional<ValoreTabellone> valoreTabellone(std::string_view nome) {
    const auto scelta = sceltaPerNome(nome, {"ritardo", "presenze", "massimo"});
    if (!scelta) return std::nullopt;
    return static_cast<ValoreTabellone>(*scelta);
}

ErroreStatistiche TabelloneAnalitico::calcola(const ArchivioEstrazioni& archivio, int dal, int al) {
    if (const ErroreStatistiche e = controllaPeriodo(archivio, dal, al); e != ErroreStatistiche::Nessuno) return e;
    // One walk for the twelve columns: each counts its own draws, as a request of its wheels would.
    const std::array<bool, NumRuote> regionali = RichiestaStatistiche{}.ruote;
    std::array<std::array<FiguraStatistica, NumeroMassimo>, NumColonneTabellone> figure{};
    std::array<int, NumColonneTabellone> contate{};
    for (int d = dal; d <= al; ++d) {
        bool regionaleContata = false;
        for (int w = 1; w <= NumRuote; ++w) {
            if (archivio.NumeriRuota(d, w).vuota()) continue;
            // The five numbers in drawn order: a fixed count, unlike the set bits of the mask.
            std::array<int, NumPosizioni> numeri;
            for (int p = 1; p <= NumPosizioni; ++p)
                numeri[static_cast<std::size_t>(p - 1)] = archivio.Estratti(d, w, p);
            auto& ruota = figure[static_cast<std::size_t>(w - 1)];
            const int k = ++contate[static_cast<std::size_t>(w - 1)];
            for (int& n : numeri) {
                if (n < 1 || n > NumeroMassimo) n = 0;  // a wheel stored short: no number there
                else segnaUscita(ruota[static_cast<std::size_t>(n - 1)], d, k, w);
            }
            if (!regionali[static_cast<std::size_t>(w - 1)]) continue;
            auto& insieme = figure[ColonnaTutteRegionali];
            int& kInsieme = contate[ColonnaTutteRegionali];
            if (!regionaleContata) {
                regionaleContata = true;
                ++kInsieme;
            }
            for (int n : numeri)
                if (n != 0) segnaUscita(insieme[static_cast<std::size_t>(n - 1)], d, kInsieme, w);
        }
    }
    dal_ = dal;
    al_ = al;
    for (std::size_t c = 0; c < NumColonneTabellone; ++c) {
        presente_[c] = contate[c] > 0;
        for (std::size_t i = 0; i < NumeroMassimo; ++i) {
            FiguraStatistica& f = figure[c][i];
            chiudiRitardi(f, contate[c]);
            valori_[static_cast<std::size_t>(ValoreTabellone::Ritardo)][c][i] = f.ritardoAttuale;
            valori_[static_cast<std::size_t>(ValoreTabellone::Presenze)][c][i] = f.presenze;
            valori_[static_cast<std::size_t>(ValoreTabellone::Massimo)][c][i] = f.ritardoMassimo;
        }
    }
    return ErroreStatistiche::Nessuno;
}

std::array<FasciaTabellone, NumFasceTabellone> fasceTabellone(const TabelloneAnalitico& tabellone,
                                                              ValoreTabellone quale, int colonna) {
    constexpr std::array<Colore, NumFasceTabellone> colori = {CelesteChiaro, GialloChiaro, ArancioMedio, Arancio};
    std::array<FasciaTabellone, NumFasceTabellone> fasce{};
    if (!tabellone.colonnaPresente(colonna)) return fasce;
    std::array<int, NumeroMassimo> valori;
    for (int n = 1; n <= NumeroMassimo; ++n)
        valori[static_cast<std::size_t>(n - 1)] = tabellone.valore(n, colonna, quale);
    std::sort(valori.begin(), valori.end());
    for (std::size_t i = 0; i < fasce.size(); ++i) {
        fasce[i].da = valori[i * valori.size() / fasce.size()];
        fasce[i].sfondo = colori[i];
        if (i > 0) fasce[i - 1].a = fasce[i].da - 1;
    }
    fasce.back().a = valori.back();
    return fasce;
}

void riempiTabellone(Griglia& tabella, const TabelloneAnalitico& tabellone, ValoreTabellone quale) {
    std::string intestazione = "Numero";
    for (int w = 1; w <= NumRuote; ++w) (intestazione += '|') += SiglaRuota[w];
    tabella.impostaIntestazione(intestazione + "|TT");
    tabella.impostaRighe(1);
    tabella.impostaRighe(NumeroMassimo + 1);
    tabella.impostaAllineamentoColonna(0, Allineamento::Centro);
    for (int c = 0; c < NumColonneTabellone; ++c) tabella.impostaAllineamentoColonna(c + 1, Allineamento::Destra);
    for (int n = 1; n <= NumeroMassimo; ++n) tabella.impostaTesto(n, 0, std::to_string(n));
    for (int c = 0; c < NumColonneTabellone; ++c) {
        if (!tabellone.colonnaPresente(c)) continue;
        const auto fasce = fasceTabellone(tabellone, quale, c);
        for (int n = 1; n <= NumeroMassimo; ++n) {
            const int v = tabellone.valore(n, c, quale);
            tabella.impostaTesto(n, c + 1, std::to_string(v));
            // The highest band that starts at or below the figure: equal figures share a band.
            auto fascia = fasce.rbegin();
            while (fascia->da > v) ++fascia;
            tabella.impostaSfondo(n, c + 1, fascia->sfondo);
        }
    }
}

}  // namespace quorvane
