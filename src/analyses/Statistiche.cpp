#include "analyses/Statistiche.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

#include "core/Colori.h"

namespace quorvane {

namespace {

constexpr std::array<std::string_view, NumColonneStatistiche> Intestazioni = {
    "Numero", "Presenze", "Attese", "Rapporto", "Rit. attuale", "Rit. massimo",
    "Fine massimo", "Rit. medio", "Ultima", "Data ultima", "Ruote ultima"};

// numeratore / denominatore rounded half up to hundredths, as "12,34"; both whole and
// non-negative, so that no binary fraction decides a rounding.
std::string testoCentesimi(long long numeratore, long long denominatore) {
    const long long centesimi = (200 * numeratore + denominatore) / (2 * denominatore);
    const int resto = static_cast<int>(centesimi % 100);
    return std::to_string(centesimi / 100) + ',' + static_cast<char>('0' + resto / 10) +
           static_cast<char>('0' + resto % 10);
}

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

std::string messaggioStatistiche(ErroreStatistiche errore, const ArchivioEstrazioni& archivio) {
    switch (errore) {
        case ErroreStatistiche::Nessuno:
            return {};
        case ErroreStatistiche::FuoriArchivio:
            return "Il periodo deve stare nell'archivio: dall'estrazione 1 alla " +
                   std::to_string(archivio.NumEstrazioni());
        case ErroreStatistiche::PeriodoRovesciato:
            return "La prima estrazione del periodo viene dopo l'ultima";
        case ErroreStatistiche::NessunaRuota:
            return "Scegliere almeno una ruota";
        case ErroreStatistiche::NessunaEstrazione:
            return "Nessuna estrazione del periodo ha numeri sulle ruote scelte";
    }
    return {};
}

// Walks the counted draws of the period in order and calls segna(element, draw, ordinal, wheel)
// for every element that came out on a chosen wheel.
template <class Segna>
void Statistiche::scorri(const ArchivioEstrazioni& archivio, Segna&& segna) {
    const bool ambi = richiesta_.tipo == TipoStatistiche::Ambi;
    int contate = 0;
    for (int d = richiesta_.dal; d <= richiesta_.al; ++d) {
        int estratte = 0;
        for (int w = 1; w <= NumRuote; ++w) {
            if (!richiesta_.ruote[static_cast<std::size_t>(w - 1)]) continue;
            const Maschera90& numeri = archivio.NumeriRuota(d, w);
            if (numeri.vuota()) continue;
            if (estratte++ == 0) ++contate;
            if (!ambi) {
                numeri.perOgni([&](int n) { segna(n - 1, d, contate, w); });
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
    if (r.al == 0) r.al = archivio.NumEstrazioni();
    if (std::none_of(r.ruote.begin(), r.ruote.end(), [](bool b) { return b; })) return ErroreStatistiche::NessunaRuota;
    if (r.dal < 1 || r.dal > archivio.NumEstrazioni() || r.al < 1 || r.al > archivio.NumEstrazioni())
        return ErroreStatistiche::FuoriArchivio;
    if (r.dal > r.al) return ErroreStatistiche::PeriodoRovesciato;

    Statistiche nuove;
    nuove.richiesta_ = r;
    nuove.figure_.assign(r.tipo == TipoStatistiche::Ambi ? NumAmbi : NumeroMassimo, {});
    nuove.ruotePerEstrazione_.reserve(static_cast<std::size_t>(r.al - r.dal + 1));
    auto& figure = nuove.figure_;
    nuove.scorri(archivio, [&figure](int elemento, int d, int k, int w) {
        FiguraStatistica& f = figure[static_cast<std::size_t>(elemento)];
        ++f.presenze;
        const auto ruota = static_cast<std::uint16_t>(1u << (w - 1));
        if (f.ultimaContata == k) {  // again in the same draw, on another wheel
            f.ruoteUltima |= ruota;
            return;
        }
        // Ties go to the later run, so that a current delay equal to the longest is the longest.
        const int corsa = k - f.ultimaContata - 1;
        if (corsa >= f.ritardoMassimo) {
            f.ritardoMassimo = corsa;
            f.fineMassimo = d;
        }
        f.ultimaContata = k;
        f.ultima = d;
        f.ruoteUltima = ruota;
        ++f.estrazioniUscita;
    });
    const int contate = nuove.estrazioniContate();
    if (contate == 0) return ErroreStatistiche::NessunaEstrazione;
    for (FiguraStatistica& f : figure) {
        f.ritardoAttuale = contate - f.ultimaContata;
        if (f.ritardoAttuale >= f.ritardoMassimo) {
            f.ritardoMassimo = f.ritardoAttuale;
            f.fineMassimo = 0;
        }
    }
    *this = std::move(nuove);
    return ErroreStatistiche::Nessuno;
}

std::string Statistiche::nome(int elemento) const {
    if (richiesta_.tipo == TipoStatistiche::Estratti) return std::to_string(elemento + 1);
    const Ambo ambo = amboDiIndice(elemento);
    return std::to_string(ambo.a) + '-' + std::to_string(ambo.b);
}

Statistiche::Frazione Statistiche::probabilitaRuota() const {
    return richiesta_.tipo == TipoStatistiche::Ambi ? Frazione{10, NumAmbi} : Frazione{NumPosizioni, NumeroMassimo};
}

Statistiche::Frazione Statistiche::frazioneAttese() const {
    const Frazione p = probabilitaRuota();
    return {estrazioniRuota_ * p.numeratore, p.denominatore};
}

double Statistiche::attese() const {
    const Frazione a = frazioneAttese();
    return static_cast<double>(a.numeratore) / static_cast<double>(a.denominatore);
}

double Statistiche::rapporto(int elemento) const {
    const Frazione a = frazioneAttese();
    if (a.numeratore == 0) return 0;
    return static_cast<double>(figura(elemento).presenze) * static_cast<double>(a.denominatore) /
           static_cast<double>(a.numeratore);
}

double Statistiche::ritardoMedio(int elemento) const {
    return static_cast<double>(estrazioniContate()) / (figura(elemento).estrazioniUscita + 1);
}

double Statistiche::ritardoAttualeCaso() const {
    // The chance of j draws in a row without it, from the end, summed over j.
    const Frazione p = probabilitaRuota();
    const double manca = 1.0 - static_cast<double>(p.numeratore) / static_cast<double>(p.denominatore);
    double senza = 1, somma = 0;
    for (auto i = ruotePerEstrazione_.rbegin(); i != ruotePerEstrazione_.rend(); ++i) {
        senza *= std::pow(manca, *i);
        somma += senza;
    }
    return somma;
}

double Statistiche::ritardoMedioCaso() const {
    const Frazione p = probabilitaRuota();
    const double manca = 1.0 - static_cast<double>(p.numeratore) / static_cast<double>(p.denominatore);
    double uscite = 0;
    for (std::uint8_t ruote : ruotePerEstrazione_) uscite += 1.0 - std::pow(manca, ruote);
    return estrazioniContate() / (uscite + 1);
}

std::optional<double> Statistiche::valoreCaso(ColonnaStatistiche colonna) const {
    switch (colonna) {
        case ColonnaStatistiche::Presenze: return attese();
        case ColonnaStatistiche::Rapporto: return 1.0;
        case ColonnaStatistiche::RitardoAttuale: return ritardoAttualeCaso();
        case ColonnaStatistiche::RitardoMedio: return ritardoMedioCaso();
        default: return std::nullopt;
    }
}

double Statistiche::valore(int elemento, ColonnaStatistiche colonna) const {
    const FiguraStatistica& f = figura(elemento);
    switch (colonna) {
        case ColonnaStatistiche::Elemento: return elemento;
        case ColonnaStatistiche::Presenze: return f.presenze;
        case ColonnaStatistiche::Attese: return attese();
        case ColonnaStatistiche::Rapporto: return rapporto(elemento);
        case ColonnaStatistiche::RitardoAttuale: return f.ritardoAttuale;
        case ColonnaStatistiche::RitardoMassimo: return f.ritardoMassimo;
        case ColonnaStatistiche::FineMassimo: return f.fineMassimo;
        case ColonnaStatistiche::RitardoMedio: return ritardoMedio(elemento);
        case ColonnaStatistiche::Ultima:
        case ColonnaStatistiche::DataUltima: return f.ultima;
        case ColonnaStatistiche::RuoteUltima: return std::popcount(f.ruoteUltima);
    }
    return 0;
}

std::string Statistiche::testo(int elemento, ColonnaStatistiche colonna, const ArchivioEstrazioni& archivio) const {
    const FiguraStatistica& f = figura(elemento);
    const auto data = [&archivio](int d) { return d > 0 ? archivio.DateEstrazioni(d) : std::string(); };
    switch (colonna) {
        case ColonnaStatistiche::Elemento: return nome(elemento);
        case ColonnaStatistiche::Presenze: return std::to_string(f.presenze);
        case ColonnaStatistiche::Attese: {
            const Frazione a = frazioneAttese();
            return testoCentesimi(a.numeratore, a.denominatore);
        }
        case ColonnaStatistiche::Rapporto: {
            const Frazione a = frazioneAttese();
            return testoCentesimi(f.presenze * a.denominatore, a.numeratore);
        }
        case ColonnaStatistiche::RitardoAttuale: return std::to_string(f.ritardoAttuale);
        case ColonnaStatistiche::RitardoMassimo: return std::to_string(f.ritardoMassimo);
        case ColonnaStatistiche::FineMassimo: return data(f.fineMassimo);
        case ColonnaStatistiche::RitardoMedio: return testoCentesimi(estrazioniContate(), f.estrazioniUscita + 1);
        case ColonnaStatistiche::Ultima: return f.ultima > 0 ? std::to_string(f.ultima) : std::string();
        case ColonnaStatistiche::DataUltima: return data(f.ultima);
        case ColonnaStatistiche::RuoteUltima: {
            std::string sigle;
            for (int w = 1; w <= NumRuote; ++w)
                if ((f.ruoteUltima >> (w - 1)) & 1) (sigle += sigle.empty() ? "" : " ") += SiglaRuota[w];
            return sigle;
        }
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

std::optional<ColonnaStatistiche> colonnaStatistiche(std::string_view nome) {
    const std::string cercata = normalizza(nome);
    if (cercata == "ambo") return ColonnaStatistiche::Elemento;
    for (int c = 0; c < NumColonneStatistiche; ++c)
        if (cercata == normalizza(Intestazioni[static_cast<std::size_t>(c)])) return static_cast<ColonnaStatistiche>(c);
    return std::nullopt;
}

bool discendentePerPrimo(ColonnaStatistiche colonna) { return colonna != ColonnaStatistiche::Elemento; }

void riempiStatistiche(Griglia& tabella, const Statistiche& statistiche, const ArchivioEstrazioni& archivio,
                       const std::vector<int>& ordine) {
    std::string intestazione = statistiche.richiesta().tipo == TipoStatistiche::Ambi ? "Ambo" : "Numero";
    for (std::size_t c = 1; c < Intestazioni.size(); ++c) (intestazione += '|') += Intestazioni[c];
    tabella.impostaIntestazione(intestazione);
    tabella.impostaRighe(1);
    tabella.impostaRighe(static_cast<int>(ordine.size()) + 1);
    for (int c = 0; c < NumColonneStatistiche; ++c) {
        const auto colonna = static_cast<ColonnaStatistiche>(c);
        const bool testuale = colonna == ColonnaStatistiche::Elemento || colonna == ColonnaStatistiche::FineMassimo ||
                              colonna == ColonnaStatistiche::DataUltima || colonna == ColonnaStatistiche::RuoteUltima;
        tabella.impostaAllineamentoColonna(c, testuale ? Allineamento::Centro : Allineamento::Destra);
    }
    int riga = 1;
    for (int e : ordine) {
        for (int c = 0; c < NumColonneStatistiche; ++c)
            tabella.impostaTesto(riga, c, statistiche.testo(e, static_cast<ColonnaStatistiche>(c), archivio));
        const FiguraStatistica& f = statistiche.figura(e);
        if (f.ritardoAttuale == f.ritardoMassimo) tabella.impostaSfondo(riga, 1, riga, NumColonneStatistiche - 1, ArancioChiaro);
        ++riga;
    }
}

}  // namespace quorvane
