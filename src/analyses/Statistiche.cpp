#include "analyses/Statistiche.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

#include "core/Colori.h"
#include "index/Probabilita.h"

namespace quorvane {

namespace {

constexpr std::array<std::string_view, NumColonneStatistiche + 1> Intestazioni = {
    "Numero",       "Presenze",   "Attese", "Rapporto",    "Rit. attuale", "Rit. massimo",
    "Fine massimo", "Rit. medio", "Ultima", "Data ultima", "Ruote ultima", "Numeri"};

std::string normalizza(std::string_view testo) {
    std::string n;
    for (char c : testo)
        if (c != ' ' && c != '.') n += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return n;
}

}  // namespace

Ambo amboDiIndice(int indice) {
    static const std::array<Ambo, NumAmbi> ambi = [] {
        std::array<Ambo, NumAmbi> t{};
        for (int a = 1; a < NumeroMassimo; ++a)
            for (int b = a + 1; b <= NumeroMassimo; ++b) t[static_cast<std::size_t>(indiceAmbo(a, b))] = {a, b};
        return t;
    }();
    return ambi[static_cast<std::size_t>(indice)];
}

std::vector<ColonnaStatistiche> colonneStatistiche(TipoStatistiche tipo) {
    std::vector<ColonnaStatistiche> colonne;
    for (int c = 0; c < NumColonneStatistiche; ++c) colonne.push_back(static_cast<ColonnaStatistiche>(c));
    if (tipo == TipoStatistiche::Gruppi) {
        colonne.pop_back();
        colonne.insert(colonne.begin() + 1, ColonnaStatistiche::Numeri);
    }
    return colonne;
}

// Walks the counted draws of the period in order and calls segna(element, draw, ordinal, wheel)
// for every element that came out on a chosen wheel.
template <class Segna>
void Statistiche::scorri(const ArchivioEstrazioni& archivio, Segna&& segna) {
    const TipoStatistiche tipo = richiesta_.tipo;
    int contate = 0;
    for (int d = richiesta_.dal; d <= richiesta_.al; ++d) {
        int estratte = 0;
        for (int w = 1; w <= NumRuote; ++w) {
            if (!richiesta_.ruote[static_cast<std::size_t>(w - 1)]) continue;
            const Maschera90& numeri = archivio.NumeriRuota(d, w);
            if (numeri.vuota()) continue;
            if (estratte++ == 0) ++contate;
            if (tipo == TipoStatistiche::Estratti) {
                numeri.perOgni([&](int n) { segna(n - 1, d, contate, w); });
                continue;
            }
            if (tipo == TipoStatistiche::Posizione) {
                const int n = archivio.Estratti(d, w, richiesta_.posizione);
                if (n >= 1 && n <= NumeroMassimo) segna(n - 1, d, contate, w);
                continue;
            }
            if (tipo == TipoStatistiche::Gruppi) {
                // Once per member drawn: each is a presence, the first of the draw a hit.
                numeri.perOgni([&](int n) {
                    for (int i = inizioGruppi_[static_cast<std::size_t>(n - 1)];
                         i < inizioGruppi_[static_cast<std::size_t>(n)]; ++i)
                        segna(gruppiDelNumero_[static_cast<std::size_t>(i)], d, contate, w);
                });
                continue;
            }
            std::array<int, NumPosizioni> uscite;  // a wheel holds at most five numbers
            int quanti = 0;
            numeri.perOgni([&](int n) {
                if (quanti < NumPosizioni) uscite[static_cast<std::size_t>(quanti++)] = n;
            });
            for (int i = 0; i < quanti; ++i)
                for (int j = i + 1; j < quanti; ++j) segna(indiceAmbo(uscite[i], uscite[j]), d, contate, w);
        }
        if (estratte > 0) ruotePerEstrazione_.push_back(static_cast<std::uint8_t>(estratte));
        estrazioniRuota_ += estratte;
    }
}

ErroreStatistiche Statistiche::calcola(const ArchivioEstrazioni& archivio, const RichiestaStatistiche& richiesta) {
    RichiestaStatistiche r = richiesta;
    if (std::none_of(r.ruote.begin(), r.ruote.end(), [](bool b) { return b; })) return ErroreStatistiche::NessunaRuota;
    if (const ErroreStatistiche e = controllaPeriodo(archivio, r.dal, r.al); e != ErroreStatistiche::Nessuno) return e;
    if (r.tipo == TipoStatistiche::Posizione && (r.posizione < 1 || r.posizione > NumPosizioni))
        return ErroreStatistiche::PosizioneErrata;
    if (r.tipo == TipoStatistiche::Gruppi) {
        if (const ErroreStatistiche e = controllaGruppi(r.gruppi); e != ErroreStatistiche::Nessuno) return e;
    } else {
        r.gruppi.clear();
    }

    Statistiche nuove;
    nuove.richiesta_ = r;
    nuove.indicizzaGruppi();
    const std::size_t elementi = r.tipo == TipoStatistiche::Ambi     ? NumAmbi
                                 : r.tipo == TipoStatistiche::Gruppi ? r.gruppi.size()
                                                                     : NumeroMassimo;
    nuove.figure_.assign(elementi, {});
    nuove.ruotePerEstrazione_.reserve(static_cast<std::size_t>(r.al - r.dal + 1));
    auto& figure = nuove.figure_;
    nuove.scorri(archivio, [&figure](int elemento, int d, int k, int w) {
        segnaUscita(figure[static_cast<std::size_t>(elemento)], d, k, w);
    });
    const int contate = nuove.estrazioniContate();
    if (contate == 0) return ErroreStatistiche::NessunaEstrazione;
    for (FiguraStatistica& f : figure) chiudiRitardi(f, contate);
    *this = std::move(nuove);
    return ErroreStatistiche::Nessuno;
}

void Statistiche::indicizzaGruppi() {
    const auto& gruppi = richiesta_.gruppi;
    inizioGruppi_.fill(0);
    for (const GruppoNumeri& g : gruppi)
        for (int n : g.numeri) ++inizioGruppi_[static_cast<std::size_t>(n)];
    for (std::size_t n = 1; n < inizioGruppi_.size(); ++n) inizioGruppi_[n] += inizioGruppi_[n - 1];
    gruppiDelNumero_.assign(static_cast<std::size_t>(inizioGruppi_.back()), 0);
    std::array<int, NumeroMassimo> libero{};
    std::copy(inizioGruppi_.begin(), inizioGruppi_.end() - 1, libero.begin());
    for (std::size_t g = 0; g < gruppi.size(); ++g)
        for (int n : gruppi[g].numeri)
            gruppiDelNumero_[static_cast<std::size_t>(libero[static_cast<std::size_t>(n - 1)]++)] = static_cast<int>(g);
}

std::string Statistiche::nome(int elemento) const {
    switch (richiesta_.tipo) {
        case TipoStatistiche::Ambi: {
            const Ambo ambo = amboDiIndice(elemento);
            return std::to_string(ambo.a) + '-' + std::to_string(ambo.b);
        }
        case TipoStatistiche::Gruppi:
            return richiesta_.gruppi[static_cast<std::size_t>(elemento)].nome;
        default:
            return std::to_string(elemento + 1);
    }
}

Statistiche::Frazione Statistiche::attesePerRuota(int elemento) const {
    switch (richiesta_.tipo) {
        case TipoStatistiche::Ambi:
            return {10, NumAmbi};
        case TipoStatistiche::Posizione:
            return {1, NumeroMassimo};
        case TipoStatistiche::Gruppi: {
            const auto membri = static_cast<long long>(
                richiesta_.gruppi[static_cast<std::size_t>(elemento)].numeri.size());
            return {NumPosizioni * membri, NumeroMassimo};
        }
        default:
            return {NumPosizioni, NumeroMassimo};
    }
}

double Statistiche::mancataRuota(int elemento) const {
    // A group comes out once however many of its members are drawn.
    if (richiesta_.tipo == TipoStatistiche::Gruppi)
        return 1 - probabilitaRuota(
                       static_cast<int>(richiesta_.gruppi[static_cast<std::size_t>(elemento)].numeri.size()), 1);
    const Frazione p = attesePerRuota(elemento);
    return 1.0 - static_cast<double>(p.numeratore) / static_cast<double>(p.denominatore);
}

bool Statistiche::casoComune() const {
    const auto& g = richiesta_.gruppi;
    return std::all_of(g.begin(), g.end(),
                       [&g](const GruppoNumeri& x) { return x.numeri.size() == g[0].numeri.size(); });
}

Statistiche::Frazione Statistiche::frazioneAttese(int elemento) const {
    const Frazione p = attesePerRuota(elemento);
    return {estrazioniRuota_ * p.numeratore, p.denominatore};
}

double Statistiche::attese(int elemento) const {
    const Frazione a = frazioneAttese(elemento);
    return static_cast<double>(a.numeratore) / static_cast<double>(a.denominatore);
}

double Statistiche::rapporto(int elemento) const {
    const Frazione a = frazioneAttese(elemento);
    if (a.numeratore == 0) return 0;
    return static_cast<double>(figura(elemento).presenze) * static_cast<double>(a.denominatore) /
           static_cast<double>(a.numeratore);
}

double Statistiche::ritardoMedio(int elemento) const {
    return static_cast<double>(estrazioniContate()) / (figura(elemento).estrazioniUscita + 1);
}

std::pair<double, double> Statistiche::momentiRitardoAttuale(int elemento) const {
    // P(D >= j), the chance of the last j draws without it, summed over j; and weighted by 2j - 1.
    const double manca = mancataRuota(elemento);
    double senza = 1, primo = 0, secondo = 0, j = 1;
    for (auto i = ruotePerEstrazione_.rbegin(); i != ruotePerEstrazione_.rend(); ++i, ++j) {
        senza *= std::pow(manca, *i);
        primo += senza;
        secondo += (2 * j - 1) * senza;
    }
    return {primo, secondo};
}

double Statistiche::ritardoAttualeCaso(int elemento) const {
    return momentiRitardoAttuale(elemento).first;
}

double Statistiche::ritardoMedioCaso(int elemento) const {
    const double manca = mancataRuota(elemento);
    double uscite = 0;
    for (std::uint8_t ruote : ruotePerEstrazione_) uscite += 1.0 - std::pow(manca, ruote);
    return estrazioniContate() / (uscite + 1);
}

std::optional<double> Statistiche::valoreCaso(ColonnaStatistiche colonna) const {
    if (colonna == ColonnaStatistiche::Rapporto) return 1.0;
    if (!casoComune()) return std::nullopt;
    switch (colonna) {
        case ColonnaStatistiche::Presenze:
            return attese();
        case ColonnaStatistiche::RitardoAttuale:
            return ritardoAttualeCaso();
        case ColonnaStatistiche::RitardoMedio:
            return ritardoMedioCaso();
        default:
            return std::nullopt;
    }
}

double Statistiche::varianzaRuota(int elemento) const {
    if (richiesta_.tipo == TipoStatistiche::Ambi || richiesta_.tipo == TipoStatistiche::Posizione) {
        const Frazione f = attesePerRuota(elemento);
        const double p = static_cast<double>(f.numeratore) / static_cast<double>(f.denominatore);
        return p * (1 - p);
    }
    // Members among the five of a wheel: hypergeometric, s of 90 drawn five times without return.
    const double s = richiesta_.tipo == TipoStatistiche::Gruppi
                         ? static_cast<double>(richiesta_.gruppi[static_cast<std::size_t>(elemento)].numeri.size())
                         : 1.0;
    constexpr double N = NumeroMassimo, n = NumPosizioni;
    return n * (s / N) * ((N - s) / N) * ((N - n) / (N - 1));
}

double Statistiche::sigmaPresenze(int elemento) const {
    return std::sqrt(static_cast<double>(estrazioniRuota_) * varianzaRuota(elemento));
}

double Statistiche::scartoDalCaso(int elemento) const {
    const double sigma = sigmaPresenze(elemento);
    return sigma > 0 ? (figura(elemento).presenze - attese(elemento)) / sigma : 0;
}

std::optional<double> Statistiche::sigmaCaso(ColonnaStatistiche colonna) const {
    if (!casoComune()) return std::nullopt;
    switch (colonna) {
        case ColonnaStatistiche::Presenze:
            return sigmaPresenze();
        case ColonnaStatistiche::Rapporto:
            return attese() > 0 ? std::optional(sigmaPresenze() / attese()) : std::nullopt;
        case ColonnaStatistiche::RitardoAttuale: {
            const auto [primo, secondo] = momentiRitardoAttuale(0);
            return std::sqrt(std::max(0.0, secondo - primo * primo));
        }
        default:
            return std::nullopt;
    }
}

double Statistiche::valore(int elemento, ColonnaStatistiche colonna) const {
    const FiguraStatistica& f = figura(elemento);
    switch (colonna) {
        case ColonnaStatistiche::Elemento:
            return elemento;
        case ColonnaStatistiche::Presenze:
            return f.presenze;
        case ColonnaStatistiche::Attese:
            return attese(elemento);
        case ColonnaStatistiche::Rapporto:
            return rapporto(elemento);
        case ColonnaStatistiche::RitardoAttuale:
            return f.ritardoAttuale;
        case ColonnaStatistiche::RitardoMassimo:
            return f.ritardoMassimo;
        case ColonnaStatistiche::FineMassimo:
            return f.fineMassimo;
        case ColonnaStatistiche::RitardoMedio:
            return ritardoMedio(elemento);
        case ColonnaStatistiche::Ultima:
        case ColonnaStatistiche::DataUltima:
            return f.ultima;
        case ColonnaStatistiche::RuoteUltima:
            return std::popcount(f.ruoteUltima);
        case ColonnaStatistiche::Numeri:
            return elemento;
    }
    return 0;
}

std::string Statistiche::testo(int elemento, ColonnaStatistiche colonna, const ArchivioEstrazioni& archivio) const {
    const FiguraStatistica& f = figura(elemento);
    const auto data = [&archivio](int d) { return d > 0 ? archivio.DateEstrazioni(d) : std::string(); };
    switch (colonna) {
        case ColonnaStatistiche::Elemento:
            return nome(elemento);
        case ColonnaStatistiche::Presenze:
            return std::to_string(f.presenze);
        case ColonnaStatistiche::Attese: {
            const Frazione a = frazioneAttese(elemento);
            return testoCentesimi(a.numeratore, a.denominatore);
        }
        case ColonnaStatistiche::Rapporto: {
            const Frazione a = frazioneAttese(elemento);
            return testoCentesimi(f.presenze * a.denominatore, a.numeratore);
        }
        case ColonnaStatistiche::RitardoAttuale:
            return std::to_string(f.ritardoAttuale);
        case ColonnaStatistiche::RitardoMassimo:
            return std::to_string(f.ritardoMassimo);
        case ColonnaStatistiche::FineMassimo:
            return data(f.fineMassimo);
        case ColonnaStatistiche::RitardoMedio:
            return testoCentesimi(estrazioniContate(), f.estrazioniUscita + 1);
        case ColonnaStatistiche::Ultima:
            return f.ultima > 0 ? std::to_string(f.ultima) : std::string();
        case ColonnaStatistiche::DataUltima:
            return data(f.ultima);
        case ColonnaStatistiche::RuoteUltima: {
            std::string sigle;
            for (int w = 1; w <= NumRuote; ++w)
                if ((f.ruoteUltima >> (w - 1)) & 1) (sigle += sigle.empty() ? "" : " ") += SiglaRuota[w];
            return sigle;
        }
        case ColonnaStatistiche::Numeri:
            return richiesta_.tipo == TipoStatistiche::Gruppi
                       ? testoNumeri(richiesta_.gruppi[static_cast<std::size_t>(elemento)])
                       : nome(elemento);
    }
    return {};
}

std::vector<int> Statistiche::ordine(ColonnaStatistiche colonna, bool discendente) const {
    std::vector<int> elenco(figure_.size());
    std::iota(elenco.begin(), elenco.end(), 0);
    if (colonna == ColonnaStatistiche::Elemento) {
        if (discendente) std::reverse(elenco.begin(), elenco.end());
        return elenco;
    }
    std::vector<double> chiavi(figure_.size());
    for (int e : elenco) chiavi[static_cast<std::size_t>(e)] = valore(e, colonna);
    std::stable_sort(elenco.begin(), elenco.end(), [&](int a, int b) {
        const double x = chiavi[static_cast<std::size_t>(a)], y = chiavi[static_cast<std::size_t>(b)];
        return discendente ? x > y : x < y;
    });
    return elenco;
}

std::string_view intestazioneStatistiche(ColonnaStatistiche colonna) {
    return Intestazioni[static_cast<std::size_t>(colonna)];
}

std::vector<std::string> intestazioniStatistiche(TipoStatistiche tipo) {
    std::vector<std::string> testi;
    for (ColonnaStatistiche c : colonneStatistiche(tipo)) testi.emplace_back(intestazioneStatistiche(c));
    testi[0] = tipo == TipoStatistiche::Ambi ? "Ambo" : tipo == TipoStatistiche::Gruppi ? "Gruppo" : "Numero";
    return testi;
}

std::optional<ColonnaStatistiche> colonnaStatistiche(std::string_view nome, TipoStatistiche tipo) {
    const std::string cercata = normalizza(nome);
    if (cercata == "ambo" || cercata == "gruppo") return ColonnaStatistiche::Elemento;
    for (ColonnaStatistiche c : colonneStatistiche(tipo))
        if (cercata == normalizza(intestazioneStatistiche(c))) return c;
    return std::nullopt;
}

bool discendentePerPrimo(ColonnaStatistiche colonna) {
    return colonna != ColonnaStatistiche::Elemento && colonna != ColonnaStatistiche::Numeri;
}

void riempiStatistiche(Griglia& tabella, const Statistiche& statistiche, const ArchivioEstrazioni& archivio,
                       const std::vector<int>& ordine) {
    const TipoStatistiche tipo = statistiche.richiesta().tipo;
    const std::vector<ColonnaStatistiche> colonne = colonneStatistiche(tipo);
    const int ultima = static_cast<int>(colonne.size()) - 1;
    std::string intestazione;
    for (const std::string& testo : intestazioniStatistiche(tipo))
        (intestazione += intestazione.empty() ? "" : "|") += testo;
    tabella.impostaIntestazione(intestazione);
    tabella.impostaRighe(1);
    tabella.impostaRighe(static_cast<int>(ordine.size()) + 1);
    for (int c = 0; c <= ultima; ++c) {
        const auto colonna = colonne[static_cast<std::size_t>(c)];
        const bool testuale = colonna == ColonnaStatistiche::Elemento || colonna == ColonnaStatistiche::FineMassimo ||
                              colonna == ColonnaStatistiche::DataUltima || colonna == ColonnaStatistiche::RuoteUltima;
        tabella.impostaAllineamentoColonna(c, testuale                                ? Allineamento::Centro
                                              : colonna == ColonnaStatistiche::Numeri ? Allineamento::Sinistra
                                                                                      : Allineamento::Destra);
    }
    int riga = 1;
    for (int e : ordine) {
        for (int c = 0; c <= ultima; ++c)
            tabella.impostaTesto(riga, c, statistiche.testo(e, colonne[static_cast<std::size_t>(c)], archivio));
        const FiguraStatistica& f = statistiche.figura(e);
        if (f.ritardoAttuale == f.ritardoMassimo) tabella.impostaSfondo(riga, 1, riga, ultima, ArancioChiaro);
        ++riga;
    }
}

}  // namespace quorvane
