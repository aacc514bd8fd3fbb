#include "index/Modalita2.h"

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>

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

// Stable by count, highest first, in one pass over the counts (they are small whole numbers):
// the same order as std::stable_sort, without its merges.
template <class Riga>
void ordinaPerConta(std::vector<Riga>& righe) {
    int massima = 0;
    for (const Riga& r : righe) massima = std::max(massima, r.conta);
    std::vector<int> inizio(static_cast<std::size_t>(massima) + 2, 0);
    for (const Riga& r : righe) ++inizio[massima - r.conta + 1];
    for (std::size_t c = 1; c < inizio.size(); ++c) inizio[c] += inizio[c - 1];
    std::vector<Riga> ordinate(righe.size());
    for (const Riga& r : righe) ordinate[inizio[massima - r.conta]++] = r;
    righe = std::move(ordinate);
}

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
    ordinaPerConta(semi);
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
        if (terni_)  // the pairs' first number sets the keys
            for (int x = 1; x <= NumeroMassimo; ++x) chiavi_[x] = Scala - 1 - x;
        for (int i = 0; i < quantiSeme; ++i) aggiungi(f, seme.numeri[i], n);
        while (f.quanti < n) aggiungi(f, scelta(), n);
        return f;
    }

private:
    // A candidate's key is its sum times Scala plus Scala - 1 - x: the greatest key holds the
    // greatest sum and, among equal sums, the smaller number, so one pass of max finds it. A sum
    // adds at most 21 counts below 2^16, far below 2^31 / Scala.
    static constexpr int Scala = 128;
    // A number of the formation sinks so far below zero that no sum of counts brings it back.
    static constexpr int Esclusa = std::numeric_limits<int>::min() / 2;

    int scelta() const {
        int massima = chiavi_[1];
        for (int x = 2; x <= NumeroMassimo; ++x) massima = std::max(massima, chiavi_[x]);
        return Scala - 1 - (massima % Scala);
    }

    // Every candidate gains what it would add with h, as long as the formation still grows; the
    // tables hold both orders, so the candidate goes last and the lookups walk memory in order.
    void aggiungi(Trovata& f, int h, int n) {
        if (f.quanti + 1 < n) {
            if (terni_) {
                for (int i = 0; i < f.quanti; ++i)
                    for (int x = 1; x <= NumeroMassimo; ++x) chiavi_[x] += t_.terno(h, f.numeri[i], x) * Scala;
            } else if (f.quanti == 0) {
                for (int x = 1; x <= NumeroMassimo; ++x) chiavi_[x] = t_.coppia(h, x) * Scala + Scala - 1 - x;
            } else {
                for (int x = 1; x <= NumeroMassimo; ++x) chiavi_[x] += t_.coppia(h, x) * Scala;
            }
        }
        int i = f.quanti++;
        for (; i > 0 && f.numeri[i - 1] > h; --i) f.numeri[i] = f.numeri[i - 1];
        f.numeri[i] = h;
        f.maschera.aggiungi(h);
        chiavi_[h] = Esclusa;
    }

    const TabelleConteggio& t_;
    bool terni_;
    std::array<int, NumeroMassimo + 1> chiavi_{};
};

// Rows with the same numbers as an earlier row go: sorted by numbers, the first of each run of
// equal rows is marked to stay.
std::vector<Formazione> senzaDoppioni(const std::vector<Trovata>& trovate) {
    std::vector<int> ordine(trovate.size());
    for (std::size_t i = 0; i < ordine.size(); ++i) ordine[i] = static_cast<int>(i);
    // Every row has the same count of numbers: ascending, then zeros in the empty cells.
    const auto numeri = [&](int i) -> const auto& {
        return trovate[i].numeri;
    };
    std::sort(ordine.begin(), ordine.end(),
              [&](int x, int y) { return std::tie(numeri(x), x) < std::tie(numeri(y), y); });
    std::vector<char> resta(trovate.size(), 0);
    for (std::size_t i = 0; i < ordine.size(); ++i)
        resta[ordine[i]] = i == 0 || numeri(ordine[i]) != numeri(ordine[i - 1]);
    std::vector<Formazione> righe;
    righe.reserve(trovate.size());
    for (std::size_t i = 0; i < trovate.size(); ++i) {
        const Trovata& f = trovate[i];
        if (resta[i]) righe.push_back({f.conta, std::vector<int>(f.numeri.begin(), f.numeri.begin() + f.quanti)});
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
    std::vector<Trovata> trovate;
    trovate.reserve(semi.size());
    const int quanti = static_cast<int>(semi.size());
    for (int r = 0; r < quanti; ++r) {
        if (avanzamento) avanzamento(r + 1, quanti);
        Trovata f = crescita.cresci(semi[r], 2, analisi.QuantitaNumeri);
        f.conta = finestre.copertura(f.maschera, 2);
        if (f.conta > 0) trovate.push_back(f);
    }
    // The best kept, equal coverages in seed order: what keeping the best as they come gives.
    ordinaPerConta(trovate);
    if (trovate.size() > Limiti::Conservate) trovate.resize(Limiti::Conservate);
    return senzaDoppioni(trovate);
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
    ordinaPerConta(trovate);
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

std::optional<std::string> motivoModalita2Vuota(const AnalisiIndice& a, const std::vector<Formazione>& formazioni) {
    if (a.modello.empty()) return "nessuna estrazione modello: prima RICAVA BASE DATI.";
    if (a.SorteElaborazione == 3 && a.QuantitaNumeri < 3)
        return "il terno vuole almeno 3 numeri (QN): nulla elaborato.";
    if (!formazioni.empty()) return std::nullopt;
    const auto scoperte = std::count_if(a.modello.begin(), a.modello.end(),
                                        [](const RigaModello& r) { return !r.coperta; });
    const std::string nessuna = "nessuna formazione da proporre: ";
    if (scoperte == 0)
        return nessuna + "le " + std::to_string(a.modello.size()) + " estrazioni modello sono tutte coperte.";
    const bool vuote = std::all_of(a.modello.begin(), a.modello.end(),
                                   [](const RigaModello& r) { return r.coperta || r.inizio > r.end; });
    if (vuote)
        return nessuna + (scoperte == 1 ? "la finestra dell'estrazione modello scoperta non ha ancora estrazioni."
                                        : "le finestre delle " + std::to_string(scoperte) +
                                              " estrazioni modello scoperte non hanno ancora estrazioni.");
    const std::string righe = scoperte == 1 ? "dell'estrazione modello scoperta"
                                            : "delle " + std::to_string(scoperte) + " estrazioni modello scoperte";
    const std::string sorte = a.QuantitaNumeri == 1      ? "alcun numero"
                              : a.SorteElaborazione == 3 ? "alcun terno"
                                                         : "alcun ambo";
    const std::string capogioco = a.Capogioco > 0 && a.QuantitaNumeri > 1
                                      ? " con il capogioco " + std::to_string(a.Capogioco)
                                      : "";
    return nessuna + "nelle finestre " + righe + " non esce " + sorte + capogioco + " sulle ruote in gioco.";
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
