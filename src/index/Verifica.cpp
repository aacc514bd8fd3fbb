#include "index/Verifica.h"

#include <algorithm>

namespace quorvane {

namespace {

// The numbers of the forecast drawn on a wheel, in position order, each after a space.
int presi(const ArchivioEstrazioni& archivio, int d, int w, const Maschera90& numeri, std::string* testo) {
    int k = 0;
    for (int p = 1; p <= NumPosizioni; ++p) {
        const int n = archivio.Estratti(d, w, p);
        if (!numeri.contiene(n)) continue;
        ++k;
        if (testo) testo->append(1, ' ').append(std::to_string(n));
    }
    return k;
}

void pulisciEsiti(RigaModello& r) {
    r.usciti.fill({});
    r.maxPresi.fill(0);
    r.colpo = 0;
    r.estrazioneEsito = 0;
    r.S.clear();
    r.Ge.clear();
    r.coperta = false;
    r.tagliata = false;
    r.verificata = true;
}

}  // namespace

bool VisualizzaSfaldamenti(AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, ContatoriVerifica& c) {
    if (analisi.modello.empty()) return false;
    c = ContatoriVerifica{};
    c.EsitiRiga.assign(analisi.previsioni.size(), 0);
    std::vector<Maschera90> numeri;
    for (const Previsione& p : analisi.previsioni) numeri.push_back(p.maschera());

    std::vector<int> ruote;  // the wheels in play, in order
    for (int w = 1; w <= NumRuote; ++w)
        if (analisi.RuoteSel[w - 1]) ruote.push_back(w);

    const int ultima = std::min(analisi.FineRicerca, archivio.NumEstrazioni());
    for (RigaModello& riga : analisi.modello) {
        pulisciEsiti(riga);
        bool primaUscita = true;
        for (int d = riga.inizio; d <= riga.end && d <= ultima; ++d) {
            bool trovato = false;
            for (std::size_t r = 0; r < analisi.previsioni.size(); ++r) {
                const Previsione& prev = analisi.previsioni[r];
                if (!prev.attiva) continue;
                for (int w : ruote) {
                    // A number matched is in the wheel's set, so an empty meet means no hit.
                    if ((archivio.NumeriRuota(d, w) & numeri[r]).vuota()) continue;
                    const int k = presi(archivio, d, w, numeri[r], nullptr);
                    if (k < prev.sorte) continue;
                    std::string s;
                    presi(archivio, d, w, numeri[r], &s);
                    const int rigaLista = static_cast<int>(r) + 1;
                    ++c.EsitiRiga[r];
                    if (prev.numero >= 0 && prev.numero <= ContatoriVerifica::MaxNumeroPrevisione)
                        ++c.EsitiFormazione[prev.numero][std::min(k, 5)];
                    riga.estrazioneEsito = d;
                    riga.colpo = d - riga.inizio + 1;
                    riga.maxPresi[w - 1] = std::max(riga.maxPresi[w - 1], k);
                    std::string& cella = riga.usciti[w - 1];
                    if (!cella.empty()) cella.push_back('/');
                    cella += s;
                    // Every list row that hits stays in "Pr", run together in the order of the hits.
                    if (primaUscita) riga.pr.clear();
                    riga.pr += std::to_string(rigaLista);
                    primaUscita = false;
                    riga.coperta = true;
                    // Only the first draw with hits is recorded, so these start empty.
                    riga.S += std::to_string(k);
                    riga.Ge += std::to_string(prev.numero);
                    trovato = true;
                    if (riga.colpo <= AnalisiIndice::ColpiMassimi) ++c.EsitiPerColpo[riga.colpo];
                }
            }
            if (trovato) break;
        }
    }

    int coperte = 0;
    for (const RigaModello& r : analisi.modello) coperte += r.coperta;
    analisi.coperti = coperte;
    for (std::size_t r = 0; r < analisi.previsioni.size(); ++r) {
        Previsione& p = analisi.previsioni[r];
        p.et = c.EsitiRiga[r];
        if (p.numero >= 0 && p.numero <= ContatoriVerifica::MaxNumeroPrevisione)
            c.EsitiFormazione[p.numero][0] = p.quanti();
    }
    return true;
}

std::vector<EstrazioneVerificata> VerificaPrevisione(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                                     int riga) {
    std::vector<EstrazioneVerificata> elenco;
    if (riga < 1 || riga > static_cast<int>(analisi.modello.size())) return elenco;
    const int base = analisi.modello[riga - 1].estr;
    for (int d = base + 1; d <= base + 20 && d <= archivio.UltimaEstrazione(); ++d) {
        EstrazioneVerificata estrazione{d - base, d, archivio.DateEstrazioni(d), {}};
        for (int w = 1; w <= NumRuote; ++w) {
            if (!analisi.RuoteSel[w - 1]) continue;
            for (std::size_t r = 0; r < analisi.previsioni.size(); ++r) {
                const Previsione& p = analisi.previsioni[r];
                EsitoVerifica esito{w, static_cast<int>(r) + 1, 0, {}};
                esito.presi = presi(archivio, d, w, p.maschera(), &esito.numeri);
                if (esito.presi >= p.sorte) estrazione.esiti.push_back(std::move(esito));
            }
        }
        elenco.push_back(std::move(estrazione));
    }
    return elenco;
}

std::vector<std::pair<int, int>> Abbinamenti(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                             const Previsione& previsione) {
    const Maschera90 numeri = previsione.maschera();
    std::vector<std::pair<int, int>> punteggi;
    for (int x = 1; x <= NumeroMassimo; ++x) {
        int punti = 0;
        if (!numeri.contiene(x)) {
            Maschera90 conX = numeri;
            conX.aggiungi(x);
            for (const RigaModello& r : analisi.modello) {
                const int fine = std::min(r.end, archivio.NumEstrazioni());
                for (int d = r.inizio; d <= fine; ++d) {
                    int ruote = 0;
                    for (int w = 1; w <= NumRuote; ++w)
                        if (analisi.RuoteSel[w - 1] && (archivio.NumeriRuota(d, w) & conX).conta() >= previsione.sorte)
                            ++ruote;
                    punti += ruote;
                    if (ruote > 0) break;
                }
            }
        }
        punteggi.emplace_back(x, punti);
    }
    std::stable_sort(punteggi.begin(), punteggi.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return punteggi;
}

}  // namespace quorvane
