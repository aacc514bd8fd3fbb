#include "index/Modalita1.h"

#include <algorithm>
#include <array>

#include "index/FinestreModello.h"

namespace quorvane {

namespace {

// The draws of the uncovered windows, up to FineRicerca (ElencoFinestre).
std::vector<int> drawsDelleFinestre(const AnalisiIndice& analisi) {
    std::vector<int> elenco;
    for (auto r = analisi.modello.rbegin(); r != analisi.modello.rend(); ++r) {
        if (r->coperta) continue;
        for (int d = r->inizio; d <= r->end && d <= analisi.FineRicerca; ++d) elenco.push_back(d);
    }
    return elenco;
}

bool valido(int n) {
    return n >= 1 && n <= NumeroMassimo;
}

// Calls f with the five numbers of every wheel in play and draw of the uncovered windows up
// to FineRicerca (values outside 1..90 included: f passes them over).
template <class F>
void perOgniUscita(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, F&& f) {
    const auto elenco = drawsDelleFinestre(analisi);
    for (int w = 1; w <= NumRuote; ++w) {
        if (!analisi.RuoteSel[w - 1]) continue;
        for (int d : elenco) {
            CinqueNumeri n;
            for (int p = 0; p < NumPosizioni; ++p) n[p] = archivio.Estratti(d, w, p + 1);
            f(n);
        }
    }
}

bool conCapogioco(int capogioco, std::initializer_list<int> numeri) {
    if (capogioco == 0) return true;
    for (int n : numeri)
        if (n == capogioco) return true;
    return false;
}

// One hill climb of the search; the scoring differs between pairs and triples.
class Scalata {
public:
    Scalata(const TabelleConteggio& tabelle, bool terni, int n) : t_(tabelle), terni_(terni), f_(n) {}

    void partenzaCasuale(GeneratoreCasuale& caso) {
        usati_.fill(false);
        for (int& x : f_) {
            int candidato;
            do candidato = caso.intero(NumeroMassimo) + 1;
            while (usati_[candidato]);
            usati_[candidato] = true;
            x = candidato;
        }
    }

    int punteggio() const { return terni_ ? PunteggioTerni(f_, t_) : PunteggioCoppie(f_, t_); }

    // MiglioraPosizione: the best number for position p, the later one on equal scores.
    int migliora(int p) {
        usati_[f_[p]] = false;
        const int n = static_cast<int>(f_.size());
        const int base = punteggioSenza(p);
        int migliore = -1, scelto = f_[p];
        for (int x = 1; x <= NumeroMassimo; ++x) {
            if (usati_[x]) continue;
            int s = base;
            if (terni_) {
                for (int i = 0; i < n; ++i)
                    for (int j = i + 1; j < n; ++j)
                        if (i != p && j != p) s += t_.terno(x, f_[i], f_[j]);
            } else {
                for (int i = 0; i < n; ++i)
                    if (i != p) s += t_.coppia(x, f_[i]);
            }
            if (s >= migliore) {
                migliore = s;
                scelto = x;
            }
        }
        f_[p] = scelto;
        usati_[scelto] = true;
        return migliore;
    }

    std::vector<int>& formazione() { return f_; }

private:
    int punteggioSenza(int p) const {
        const int n = static_cast<int>(f_.size());
        int s = 0;
        for (int i = 0; i < n; ++i) {
            if (i == p) continue;
            for (int j = i + 1; j < n; ++j) {
                if (j == p) continue;
                if (!terni_) {
                    s += t_.coppia(f_[i], f_[j]);
                    continue;
                }
                for (int k = j + 1; k < n; ++k)
                    if (k != p) s += t_.terno(f_[i], f_[j], f_[k]);
            }
        }
        return s;
    }

    const TabelleConteggio& t_;
    bool terni_;
    std::vector<int> f_;
    std::array<bool, NumeroMassimo + 1> usati_{};
};

}  // namespace

int PunteggioCoppie(const std::vector<int>& f, const TabelleConteggio& t) {
    int s = 0;
    for (std::size_t i = 0; i < f.size(); ++i)
        for (std::size_t j = i + 1; j < f.size(); ++j) s += t.coppia(f[i], f[j]);
    return s;
}

int PunteggioTerni(const std::vector<int>& f, const TabelleConteggio& t) {
    int s = 0;
    for (std::size_t i = 0; i < f.size(); ++i)
        for (std::size_t j = i + 1; j < f.size(); ++j)
            for (std::size_t k = j + 1; k < f.size(); ++k) s += t.terno(f[i], f[j], f[k]);
    return s;
}

void ContaCoppieFinestra(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, TabelleConteggio& t) {
    t.azzeraCoppie();
    perOgniUscita(analisi, archivio, [&](const CinqueNumeri& n) {
        for (int p = 0; p < NumPosizioni; ++p)
            for (int q = p + 1; q < NumPosizioni; ++q)
                if (valido(n[p]) && valido(n[q]) && conCapogioco(analisi.Capogioco, {n[p], n[q]}))
                    t.aggiungiCoppia(n[p], n[q]);
    });
}

void ContaTerniFinestra(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, TabelleConteggio& t) {
    t.azzeraTerni();
    perOgniUscita(analisi, archivio, [&](const CinqueNumeri& n) {
        for (int p = 0; p < NumPosizioni; ++p)
            for (int q = p + 1; q < NumPosizioni; ++q)
                for (int r = q + 1; r < NumPosizioni; ++r)
                    if (valido(n[p]) && valido(n[q]) && valido(n[r]) &&
                        conCapogioco(analisi.Capogioco, {n[p], n[q], n[r]}))
                        t.aggiungiTerno(n[p], n[q], n[r]);
    });
}

std::vector<Formazione> ElaborazioneModalita1(AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                              TabelleConteggio& tabelle, GeneratoreCasuale& caso,
                                              const Avanzamento& avanzamento) {
    const int n = analisi.QuantitaNumeri;
    const bool terni = analisi.SorteElaborazione == 3;
    if (n < 2 || (terni && n < 3)) return {};
    analisi.FineRicerca = analisi.calcolaFineRicerca(archivio);
    if (terni) ContaTerniFinestra(analisi, archivio, tabelle);
    else ContaCoppieFinestra(analisi, archivio, tabelle);

    // One final formation per restart; the same formation found again is listed once.
    std::vector<Formazione> finali;
    Scalata scalata(tabelle, terni, n);
    for (int r = 1; r <= RicercaCasuale::Ripartenze; ++r) {
        if (avanzamento) avanzamento(r, RicercaCasuale::Ripartenze);
        scalata.partenzaCasuale(caso);
        int attuale = scalata.punteggio();
        for (int stallo = 0; stallo < RicercaCasuale::Stallo;) {
            const int s = scalata.migliora(caso.intero(n));
            if (s != attuale) {
                attuale = s;
                stallo = 0;
            } else {
                ++stallo;
            }
        }
        // A climb that counted nothing stops on the last numbers tried: no drawn pair or triple supports it.
        if (attuale == 0) continue;
        std::vector<int> f = scalata.formazione();
        std::sort(f.begin(), f.end());
        Formazione trovata{attuale, std::move(f)};
        if (std::find(finali.begin(), finali.end(), trovata) == finali.end()) finali.push_back(std::move(trovata));
    }
    // Ranked by score (held in `copertura` until the coverage replaces it).
    ordinaPerCopertura(finali);
    if (finali.size() > RicercaCasuale::Migliori) finali.resize(RicercaCasuale::Migliori);

    const FinestreModello finestre(analisi, archivio, analisi.FineRicerca);
    for (Formazione& f : finali) f.copertura = finestre.copertura(f.maschera(), terni ? 3 : 2);
    ordinaPerCopertura(finali);
    return finali;
}

}  // namespace quorvane
