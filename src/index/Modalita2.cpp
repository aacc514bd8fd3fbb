#include "index/Modalita2.h"

#include <algorithm>
#include <array>

#include "index/FinestreModello.h"

namespace quorvane {

namespace {

using Limiti = FormazionePiuFrequente;

bool valido(int n) {
    return n >= 1 && n <= NumeroMassimo;
}

bool conCapogioco(int capogioco, int a, int b, int c = 0) {
    return capogioco == 0 || capogioco == a || capogioco == b || capogioco == c;
}

// A row of Fg22: the count and the two or three numbers, ascending.
struct Seme {
    int conta = 0;
    std::array<int, 3> numeri{};
};

// A row of Fg_CC while the builders run (numbers ascending); fixed in size, so keeping rows
// allocates nothing.
struct Trovata {
    int conta = 0;  // model rows covered
    int quanti = 0;
    std::array<int, Limiti::NumeriMassimi> numeri{};
    Maschera90 maschera;
};

// The best rows met so far, by count descending. A row enters only when it beats the last one
// kept, and then goes after the rows of equal count; a count of 0 never enters.
template <class Riga>
class Migliori {
public:
    explicit Migliori(int capacita) : capacita_(capacita) { righe_.reserve(capacita); }

    void proponi(const Riga& r) {
        if (r.conta <= 0 || capacita_ <= 0) return;
        if (static_cast<int>(righe_.size()) == capacita_) {
            if (r.conta <= righe_.back().conta) return;
            righe_.pop_back();
        }
        auto dove = std::upper_bound(righe_.begin(), righe_.end(), r,
                                     [](const Riga& x, const Riga& y) { return x.conta > y.conta; });
        righe_.insert(dove, r);
    }
    const std::vector<Riga>& righe() const { return righe_; }

private:
    int capacita_;
    std::vector<Riga> righe_;
};

int ultimaDellaFinestra(const RigaModello& r, const ArchivioEstrazioni& archivio) {
    return std::min(r.end, archivio.NumEstrazioni());
}

// Only the first number of a pair is checked: a wheel that was not drawn (0 or 99 there) ends
// the counting of the whole model row, what it counted so far stays.
void contaCoppieRiga(const RigaModello& r, const ArchivioEstrazioni& archivio, const std::array<bool, NumRuote>& ruote,
                     TabelleConteggio& t) {
    for (int d = std::max(r.inizio, 1); d <= ultimaDellaFinestra(r, archivio); ++d) {
        for (int w = 1; w <= NumRuote; ++w) {
            if (!ruote[w - 1]) continue;
            for (int p = 1; p < NumPosizioni; ++p) {
                const int x = archivio.Estratti(d, w, p);
                if (x == 0 || x == 99) return;
                if (!valido(x)) continue;
                for (int q = p + 1; q <= NumPosizioni; ++q) {
                    const int y = archivio.Estratti(d, w, q);
                    if (valido(y)) t.aggiungiCoppia(x, y);
                }
            }
        }
    }
}

void contaCoppie(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, TabelleConteggio& t) {
    t.azzeraCoppie();
    for (const RigaModello& r : analisi.modello)
        if (!r.coperta) contaCoppieRiga(r, archivio, analisi.RuoteSel, t);
}

// Every order of each triple is counted, so that lookups need not sort.
void contaTerni(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, TabelleConteggio& t) {
    t.azzeraTerni();
    for (const RigaModello& r : analisi.modello) {
        if (r.coperta) continue;
        for (int d = std::max(r.inizio, 1); d <= ultimaDellaFinestra(r, archivio); ++d) {
            for (int w = 1; w <= NumRuote; ++w) {
                if (!analisi.RuoteSel[w - 1]) continue;
                std::array<int, NumPosizioni> n{};
                for (int p = 0; p < NumPosizioni; ++p) n[p] = archivio.Estratti(d, w, p + 1);
                for (int p = 0; p < NumPosizioni; ++p) {
                    if (!valido(n[p])) continue;
                    for (int q = p + 1; q < NumPosizioni; ++q) {
                        if (!valido(n[q])) continue;
                        for (int s = q + 1; s < NumPosizioni; ++s) {
                            if (!valido(n[s])) continue;
                            t.aggiungiTerno(n[p], n[q], n[s]);
                        }
                    }
                }
            }
        }
    }
}

// Fg22 of the pair path: every pair a < b (holding Capogioco when it is set) by count, equal
// counts in (a, b) order.
std::vector<Seme> semiCoppie(const AnalisiIndice& analisi, const TabelleConteggio& t, const Avanzamento& avanzamento) {
    std::vector<Seme> semi;
    semi.reserve(NumeroMassimo * (NumeroMassimo - 1) / 2);
    for (int a = 1; a < NumeroMassimo; ++a) {
        if (avanzamento) avanzamento(a, NumeroMassimo - 1);
        for (int b = a + 1; b <= NumeroMassimo; ++b)
            if (conCapogioco(analisi.Capogioco, a, b)) semi.push_back({t.coppia(a, b), {a, b, 0}});
    }
    std::stable_sort(semi.begin(), semi.end(), [](const Seme& x, const Seme& y) { return x.conta > y.conta; });
    if (analisi.veloce && semi.size() > Limiti::SemiVeloci) semi.resize(Limiti::SemiVeloci);
    return semi;
}

// Fg22 of the triple path: the best triples a < b < c (holding Capogioco when it is set).
std::vector<Seme> semiTerni(const AnalisiIndice& analisi, const TabelleConteggio& t, const Avanzamento& avanzamento) {
    Migliori<Seme> semi(analisi.veloce ? Limiti::SemiTerniVeloci : Limiti::SemiTerni);
    for (int a = 1; a < NumeroMassimo - 1; ++a) {
        if (avanzamento) avanzamento(a, NumeroMassimo - 2);
        for (int b = a + 1; b < NumeroMassimo; ++b)
            for (int c = b + 1; c <= NumeroMassimo; ++c)
                if (conCapogioco(analisi.Capogioco, a, b, c)) semi.proponi({t.terno(a, b, c), {a, b, c}});
    }
    return semi.righe();
}

// Grows a seed one number at a time: the number with the greatest sum of counts with the
// formation (pairs, or triples with every two of its numbers); the smaller on equal sums.
class Crescita {
public:
    Crescita(const TabelleConteggio& t, bool terni) : t_(t), terni_(terni) {}

    Trovata cresci(const Seme& seme, int quantiSeme, int n) {
        Trovata f;
        usati_.fill(false);
        somme_.fill(0);
        for (int i = 0; i < quantiSeme; ++i) aggiungi(f, seme.numeri[i]);
        while (f.quanti < n) {
            int migliore = -1, scelto = 0;
            for (int x = 1; x <= NumeroMassimo; ++x) {
                if (!usati_[x] && somme_[x] > migliore) {
                    migliore = somme_[x];
                    scelto = x;
                }
            }
            aggiungi(f, scelto);
        }
        return f;
    }

private:
    // Every candidate gains what it would add with h; the tables hold both orders, so the
    // candidate goes last and the lookups walk memory in order.
    void aggiungi(Trovata& f, int h) {
        if (terni_) {
            for (int i = 0; i < f.quanti; ++i)
                for (int x = 1; x <= NumeroMassimo; ++x) somme_[x] += t_.terno(h, f.numeri[i], x);
        } else {
            for (int x = 1; x <= NumeroMassimo; ++x) somme_[x] += t_.coppia(h, x);
        }
        int i = f.quanti++;
        for (; i > 0 && f.numeri[i - 1] > h; --i) f.numeri[i] = f.numeri[i - 1];
        f.numeri[i] = h;
        f.maschera.aggiungi(h);
        usati_[h] = true;
    }

    const TabelleConteggio& t_;
    bool terni_;
    std::array<bool, NumeroMassimo + 1> usati_{};
    std::array<int, NumeroMassimo + 1> somme_{};
};

// Rows with the same numbers as an earlier row go.
std::vector<Formazione> senzaDoppioni(const std::vector<Trovata>& trovate) {
    std::vector<Formazione> righe;
    std::vector<Maschera90> viste;
    righe.reserve(trovate.size());
    viste.reserve(trovate.size());
    for (const Trovata& f : trovate) {
        if (std::find(viste.begin(), viste.end(), f.maschera) != viste.end()) continue;
        viste.push_back(f.maschera);
        righe.push_back({f.conta, std::vector<int>(f.numeri.begin(), f.numeri.begin() + f.quanti)});
    }
    return righe;
}

// TrovaFormazionePiuFrequente: the 499 best formations grown from the pair seeds.
std::vector<Formazione> formazioniDaCoppie(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                           TabelleConteggio& t, const Avanzamento& avanzamento) {
    contaCoppie(analisi, archivio, t);
    const std::vector<Seme> semi = semiCoppie(analisi, t, avanzamento);
    const FinestreModello finestre(analisi, archivio);
    Crescita crescita(t, false);
    Migliori<Trovata> migliori(Limiti::Conservate);
    const int quanti = static_cast<int>(semi.size());
    for (int r = 0; r < quanti; ++r) {
        if (avanzamento) avanzamento(r + 1, quanti);
        Trovata f = crescita.cresci(semi[r], 2, analisi.QuantitaNumeri);
        f.conta = finestre.copertura(f.maschera, 2);
        migliori.proponi(f);
    }
    return senzaDoppioni(migliori.righe());
}

// TrovaFormazionePiuFrequenteTerni: one formation per triple seed, whatever its coverage.
std::vector<Formazione> formazioniDaTerni(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                          TabelleConteggio& t, const Avanzamento& avanzamento) {
    contaTerni(analisi, archivio, t);
    const std::vector<Seme> semi = semiTerni(analisi, t, avanzamento);
    const FinestreModello finestre(analisi, archivio);
    Crescita crescita(t, true);
    std::vector<Trovata> trovate;
    trovate.reserve(semi.size());
    const int quanti = static_cast<int>(semi.size());
    for (int r = 0; r < quanti; ++r) {
        if (avanzamento) avanzamento(r + 1, quanti);
        Trovata f = crescita.cresci(semi[r], 3, analisi.QuantitaNumeri);
        f.conta = finestre.copertura(f.maschera, 3);
        trovate.push_back(f);
    }
    std::stable_sort(trovate.begin(), trovate.end(),
                     [](const Trovata& x, const Trovata& y) { return x.conta > y.conta; });
    return senzaDoppioni(trovate);
}

}  // namespace

std::vector<Formazione> ElaborazioneModalita2(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio,
                                              TabelleConteggio& tabelle, const Avanzamento& avanzamento) {
    const int n = analisi.QuantitaNumeri;
    if (n > Limiti::NumeriMassimi) return {};
    if (analisi.SorteElaborazione == 2 && n >= 2) return formazioniDaCoppie(analisi, archivio, tabelle, avanzamento);
    if (analisi.SorteElaborazione == 3 && n >= 3) return formazioniDaTerni(analisi, archivio, tabelle, avanzamento);
    return {};
}

int GetFrequenzaFormazioneDinamica(const std::vector<int>& f, const TabelleConteggio& t) {
    int s = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        for (std::size_t j = i + 1; j < f.size(); ++j) {
            if (!valido(f[i]) || !valido(f[j])) continue;
            s += t.coppia(std::min(f[i], f[j]), std::max(f[i], f[j]));
        }
    }
    return s;
}

int GetFrequenzaFormazioneTerni(const std::vector<int>& f, const TabelleConteggio& t) {
    int s = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        for (std::size_t j = i + 1; j < f.size(); ++j) {
            for (std::size_t k = j + 1; k < f.size(); ++k) {
                std::array<int, 3> terno = {f[i], f[j], f[k]};
                if (!valido(terno[0]) || !valido(terno[1]) || !valido(terno[2])) continue;
                std::sort(terno.begin(), terno.end());
                s += t.terno(terno[0], terno[1], terno[2]);
            }
        }
    }
    return s;
}

}  // namespace quorvane
