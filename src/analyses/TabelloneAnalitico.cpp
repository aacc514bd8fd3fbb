#include "analyses/TabelloneAnalitico.h"

#include "analyses/Statistiche.h"

namespace quorvane {

std::optional<ValoreTabellone> valoreTabellone(std::string_view nome) {
    const auto scelta = sceltaPerNome(nome, {"ritardo", "presenze", "massimo"});
    if (!scelta) return std::nullopt;
    return static_cast<ValoreTabellone>(*scelta);
}

ErroreStatistiche TabelloneAnalitico::calcola(const ArchivioEstrazioni& archivio, int dal, int al) {
    if (const ErroreStatistiche e = controllaPeriodo(archivio, dal, al); e != ErroreStatistiche::Nessuno) return e;
    TabelloneAnalitico nuovo;
    nuovo.dal_ = dal;
    nuovo.al_ = al;
    RichiestaStatistiche richiesta;  // its wheels are the ten regional ones, the last column
    richiesta.dal = dal;
    richiesta.al = al;
    Statistiche statistiche;
    for (int c = 0; c < NumColonneTabellone; ++c) {
        RichiestaStatistiche r = richiesta;
        if (c != ColonnaTutteRegionali) {
            r.ruote = {};
            r.ruote[static_cast<std::size_t>(c)] = true;
        }
        const ErroreStatistiche e = statistiche.calcola(archivio, r);
        if (e == ErroreStatistiche::NessunaEstrazione) continue;
        if (e != ErroreStatistiche::Nessuno) return e;
        nuovo.presente_[static_cast<std::size_t>(c)] = true;
        for (int n = 1; n <= NumeroMassimo; ++n) {
            const FiguraStatistica& f = statistiche.figura(n - 1);
            const auto i = static_cast<std::size_t>(n - 1);
            nuovo.valori_[static_cast<std::size_t>(ValoreTabellone::Ritardo)][static_cast<std::size_t>(c)][i] = f.ritardoAttuale;
            nuovo.valori_[static_cast<std::size_t>(ValoreTabellone::Presenze)][static_cast<std::size_t>(c)][i] = f.presenze;
            nuovo.valori_[static_cast<std::size_t>(ValoreTabellone::Massimo)][static_cast<std::size_t>(c)][i] = f.ritardoMassimo;
        }
    }
    *this = nuovo;
    return ErroreStatistiche::Nessuno;
}

void riempiTabellone(Griglia& fg, const TabelloneAnalitico& tabellone, ValoreTabellone quale) {
    std::string intestazione = "Numero";
    for (int w = 1; w <= NumRuote; ++w) (intestazione += '|') += SiglaRuota[w];
    fg.impostaIntestazione(intestazione + "|TT");
    fg.impostaRighe(1);
    fg.impostaRighe(NumeroMassimo + 1);
    fg.impostaAllineamentoColonna(0, Allineamento::Centro);
    for (int c = 0; c < NumColonneTabellone; ++c) fg.impostaAllineamentoColonna(c + 1, Allineamento::Destra);
    for (int n = 1; n <= NumeroMassimo; ++n) {
        fg.impostaTesto(n, 0, std::to_string(n));
        for (int c = 0; c < NumColonneTabellone; ++c)
            if (tabellone.colonnaPresente(c)) fg.impostaTesto(n, c + 1, std::to_string(tabellone.valore(n, c, quale)));
    }
}

}  // namespace quorvane
