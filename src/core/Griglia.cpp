#include "core/Griglia.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace quorvane {

double valoreNumerico(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n' || t[i] == '\r')) ++i;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    double intero = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) intero = intero * 10 + (t[i] - '0');
    double frazione = 0;
    if (i < t.size() && t[i] == '.') {
        double peso = 0.1;
        for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, peso /= 10) frazione += (t[i] - '0') * peso;
    }
    double v = intero + frazione;
    return negativo ? -v : v;
}

Griglia::Griglia(std::string nome, int righe, int colonne) : nome_(std::move(nome)) {
    impostaColonne(colonne);
    impostaRighe(righe);
    rigaCorrente_ = std::min(righeFisse_, righe_ - 1);
    colonnaCorrente_ = std::min(colonneFisse_, colonne_ - 1);
    primaRigaMostrata_ = righeFisse_;
    limitaPosizioni();
}

void Griglia::impostaRighe(int righe) {
    righe = std::max(0, righe);
    celle_.resize(static_cast<std::size_t>(righe) * static_cast<std::size_t>(colonne_));
    righeNascoste_.resize(static_cast<std::size_t>(righe), 0);
    righe_ = righe;
    limitaPosizioni();
    ascolto_.segnala(Cambio::Forma);
}

void Griglia::impostaColonne(int colonne) {
    colonne = std::max(0, colonne);
    if (colonne != colonne_ && righe_ > 0) {
        std::vector<Cella> nuove(static_cast<std::size_t>(righe_) * static_cast<std::size_t>(colonne));
        const int comuni = std::min(colonne, colonne_);
        for (int r = 0; r < righe_; ++r)
            for (int c = 0; c < comuni; ++c)
                nuove[static_cast<std::size_t>(r) * colonne + c] = std::move(cellaScritta(r, c));
        celle_ = std::move(nuove);
    }
    colonne_ = colonne;
    colonneInfo_.resize(static_cast<std::size_t>(colonne));
    limitaPosizioni();
    ascolto_.segnala(Cambio::Forma);
}

void Griglia::riserva(int righe) {
    celle_.reserve(static_cast<std::size_t>(std::max(0, righe)) * static_cast<std::size_t>(colonne_));
    righeNascoste_.reserve(static_cast<std::size_t>(std::max(0, righe)));
}

void Griglia::impostaRigheFisse(int n) {
    righeFisse_ = std::max(0, n);
    ascolto_.segnala(Cambio::Forma);
}
void Griglia::impostaColonneFisse(int n) {
    colonneFisse_ = std::max(0, n);
    ascolto_.segnala(Cambio::Forma);
}

void Griglia::limitaPosizioni() {
    rigaCorrente_ = std::clamp(rigaCorrente_, 0, std::max(0, righe_ - 1));
    colonnaCorrente_ = std::clamp(colonnaCorrente_, 0, std::max(0, colonne_ - 1));
    if (primaRigaMostrata_ >= righe_ || primaRigaMostrata_ < righeFisse_) primaRigaMostrata_ = righeFisse_;
}

namespace {
// "a|b|c" as its pieces; an empty text is one empty piece.
std::vector<std::string_view> pezziTraBarre(std::string_view testo) {
    std::vector<std::string_view> pezzi;
    std::size_t inizio = 0;
    while (true) {
        auto fine = testo.find('|', inizio);
        pezzi.push_back(testo.substr(inizio, fine == std::string_view::npos ? fine : fine - inizio));
        if (fine == std::string_view::npos) break;
        inizio = fine + 1;
    }
    return pezzi;
}
}  // namespace

void Griglia::impostaIntestazione(std::string_view layout) {
    const std::vector<std::string_view> pezzi = pezziTraBarre(layout);
    impostaColonne(static_cast<int>(pezzi.size()));
    if (righe_ == 0) impostaRighe(1);
    for (std::size_t c = 0; c < pezzi.size(); ++c) cellaScritta(0, static_cast<int>(c)).testo = std::string(pezzi[c]);
}

int Griglia::aggiungiRiga(std::string_view testiTab) {
    const int r = righe_;
    impostaRighe(righe_ + 1);
    if (!testiTab.empty()) {
        int c = 0;
        std::size_t inizio = 0;
        while (c < colonne_) {
            auto fine = testiTab.find('\t', inizio);
            cellaScritta(r, c++).testo = std::string(
                testiTab.substr(inizio, fine == std::string_view::npos ? fine : fine - inizio));
            if (fine == std::string_view::npos) break;
            inizio = fine + 1;
        }
    }
    return r;
}

void Griglia::rimuoviRiga(int riga) {
    if (riga < 0 || riga >= righe_) return;
    auto primo = celle_.begin() + static_cast<std::ptrdiff_t>(indice(riga, 0));
    celle_.erase(primo, primo + colonne_);
    righeNascoste_.erase(righeNascoste_.begin() + riga);
    --righe_;
    limitaPosizioni();
    ascolto_.segnala(Cambio::Forma);
}

Allineamento Griglia::allineamento(int riga, int colonna) const {
    const auto& a = cella(riga, colonna).allineamento;
    return a ? *a : colonneInfo_[colonna].allineamento;
}

template <class F>
void Griglia::perOgniCella(int r1, int c1, int r2, int c2, F f) {
    if (r1 > r2) std::swap(r1, r2);
    if (c1 > c2) std::swap(c1, c2);
    r1 = std::max(r1, 0);
    c1 = std::max(c1, 0);
    r2 = std::min(r2, righe_ - 1);
    c2 = std::min(c2, colonne_ - 1);
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c) f(cellaScritta(r, c));
    ascolto_.segnala(Cambio::Celle);
}

void Griglia::impostaTesto(int r1, int c1, int r2, int c2, const std::string& testo) {
    perOgniCella(r1, c1, r2, c2, [&](Cella& x) { x.testo = testo; });
}
void Griglia::impostaSfondo(int r1, int c1, int r2, int c2, std::optional<Colore> c) {
    perOgniCella(r1, c1, r2, c2, [&](Cella& x) { x.sfondo = c; });
}
void Griglia::impostaColore(int r1, int c1, int r2, int c2, std::optional<Colore> c) {
    perOgniCella(r1, c1, r2, c2, [&](Cella& x) { x.colore = c; });
}
void Griglia::impostaGrassetto(int r1, int c1, int r2, int c2, bool g) {
    perOgniCella(r1, c1, r2, c2, [&](Cella& x) { x.grassetto = g; });
}
void Griglia::impostaAllineamento(int r1, int c1, int r2, int c2, std::optional<Allineamento> a) {
    perOgniCella(r1, c1, r2, c2, [&](Cella& x) { x.allineamento = a; });
}

std::vector<std::string> Griglia::valoriElenco(int colonna) const {
    std::vector<std::string> valori;
    std::string_view elenco = colonneInfo_[colonna].elenco;
    if (elenco.empty()) return valori;
    if (elenco.front() == '|') elenco.remove_prefix(1);
    for (std::string_view pezzo : pezziTraBarre(elenco)) valori.emplace_back(pezzo);
    return valori;
}

bool Griglia::elencoLibero(int colonna) const {
    const auto& e = colonneInfo_[colonna].elenco;
    return !e.empty() && e.front() == '|';
}

void Griglia::ordina(int colonna, Ordine ordine) {
    if (colonna < 0 || colonna >= colonne_ || righe_ - righeFisse_ < 2) return;
    const int n = righe_ - righeFisse_;
    std::vector<int> posto(static_cast<std::size_t>(n));
    std::iota(posto.begin(), posto.end(), righeFisse_);

    if (ordine == Ordine::TestoAscendente) {
        std::stable_sort(posto.begin(), posto.end(),
                         [&](int a, int b) { return testo(a, colonna) < testo(b, colonna); });
    } else {
        // Read each key once: parsing inside the comparison would repeat it n log n times.
        std::vector<double> chiave(static_cast<std::size_t>(righe_));
        for (int r = righeFisse_; r < righe_; ++r) chiave[static_cast<std::size_t>(r)] = valore(r, colonna);
        const bool discendente = ordine == Ordine::NumericoDiscendente;
        std::stable_sort(posto.begin(), posto.end(), [&](int a, int b) {
            const double x = chiave[static_cast<std::size_t>(a)], y = chiave[static_cast<std::size_t>(b)];
            return discendente ? x > y : x < y;
        });
    }

    std::vector<Cella> nuove;
    nuove.reserve(celle_.size());
    for (int r = 0; r < righeFisse_; ++r)
        for (int c = 0; c < colonne_; ++c) nuove.push_back(std::move(cellaScritta(r, c)));
    std::vector<unsigned char> nascoste(righeNascoste_.begin(), righeNascoste_.begin() + righeFisse_);
    nascoste.reserve(righeNascoste_.size());
    for (int r : posto) {
        for (int c = 0; c < colonne_; ++c) nuove.push_back(std::move(cellaScritta(r, c)));
        nascoste.push_back(righeNascoste_[static_cast<std::size_t>(r)]);
    }
    celle_ = std::move(nuove);
    righeNascoste_ = std::move(nascoste);
    ascolto_.segnala(Cambio::Forma);
}

std::string Griglia::testoIntervallo(int r1, int c1, int r2, int c2) const {
    if (r1 > r2) std::swap(r1, r2);
    if (c1 > c2) std::swap(c1, c2);
    r1 = std::max(r1, 0);
    c1 = std::max(c1, 0);
    r2 = std::min(r2, righe_ - 1);
    c2 = std::min(c2, colonne_ - 1);
    std::string testo;
    for (int r = r1; r <= r2; ++r) {
        if (r > r1) testo += '\r';
        for (int c = c1; c <= c2; ++c) {
            if (c > c1) testo += '\t';
            testo += cella(r, c).testo;
        }
    }
    return testo;
}

std::string Griglia::testoTabella() const {
    return testoIntervallo(0, 0, righe_ - 1, colonne_ - 1);
}

}  // namespace quorvane
