#include "analyses/BibliotecaSistemi.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace quorvane {

namespace {

// GF(p^k) for q <= 9: an element is the base-p number of its polynomial's coefficients,
// lowest first; products are reduced by a monic irreducible polynomial of degree k.
class CampoFinito {
public:
    // `riduzione`: the coefficients below x^k of the irreducible polynomial, as a base-p number.
    CampoFinito(int p, int k, int riduzione) : q_(1) {
        for (int i = 0; i < k; ++i) q_ *= p;
        for (int a = 0; a < q_; ++a)
            for (int b = 0; b < q_; ++b) {
                somma_[a][b] = static_cast<unsigned char>(sommaCifre(a, b, p, k));
                prodotto_[a][b] = static_cast<unsigned char>(moltiplica(a, b, p, k, riduzione));
            }
    }
    int q() const { return q_; }
    int somma(int a, int b) const { return somma_[a][b]; }
    int prodotto(int a, int b) const { return prodotto_[a][b]; }

private:
    static std::array<int, 8> cifre(int x, int p) {
        std::array<int, 8> c{};
        for (int& d : c) {
            d = x % p;
            x /= p;
        }
        return c;
    }
    static int numero(const std::array<int, 8>& c, int p, int k) {
        int x = 0;
        for (int i = k - 1; i >= 0; --i) x = x * p + c[i];
        return x;
    }
    static int sommaCifre(int a, int b, int p, int k) {
        auto ca = cifre(a, p), cb = cifre(b, p);
        for (int i = 0; i < k; ++i) ca[i] = (ca[i] + cb[i]) % p;
        return numero(ca, p, k);
    }
    static int moltiplica(int a, int b, int p, int k, int riduzione) {
        const auto ca = cifre(a, p), cb = cifre(b, p), r = cifre(riduzione, p);
        std::array<int, 8> c{};
        for (int i = 0; i < k; ++i)
            for (int j = 0; j < k; ++j) c[i + j] = (c[i + j] + ca[i] * cb[j]) % p;
        // x^k = -(r_0 + r_1 x + ... + r_{k-1} x^{k-1})
        for (int g = 2 * k - 2; g >= k; --g) {
            const int t = c[g];
            c[g] = 0;
            for (int i = 0; i < k; ++i) c[g - k + i] = ((c[g - k + i] - t * r[i]) % p + p) % p;
        }
        return numero(c, p, k);
    }

    int q_;
    unsigned char somma_[9][9]{};
    unsigned char prodotto_[9][9]{};
};

CampoFinito campo(int q) {
    switch (q) {
        case 4:
            return {2, 2, 3};  // x^2 + x + 1
        case 8:
            return {2, 3, 3};  // x^3 + x + 1
        case 9:
            return {3, 2, 1};  // x^2 + 1
        default:
            return {q, 1, 0};  // prime order: arithmetic mod q
    }
}

std::string nome(int numeri, std::size_t righe, int sviluppo, const std::string& tipo) {
    return std::to_string(numeri) + " numeri in " + std::to_string(righe) + " righe da " + std::to_string(sviluppo) +
           " (" + tipo + "), ambo garantito";
}

DisegnoSistema disegno(std::vector<std::vector<int>> righe, int numeri, const std::string& tipo) {
    for (auto& r : righe) std::sort(r.begin(), r.end());
    DisegnoSistema d;
    d.numeri = numeri;
    d.sviluppo = static_cast<int>(righe.front().size());
    d.denominazione = nome(numeri, righe.size(), d.sviluppo, tipo);
    d.righe = std::move(righe);
    return d;
}

// Points and lines of PG(2, q) are the triples whose first non-zero coordinate is 1; a point
// lies on a line when their dot product is 0.
DisegnoSistema pianoProiettivo(int q) {
    const CampoFinito f = campo(q);
    std::vector<std::array<int, 3>> punti;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            for (int c = 0; c < q; ++c) {
                const int primo = a ? a : b ? b : c;
                if (primo == 1) punti.push_back({a, b, c});
            }
    std::vector<std::vector<int>> righe;
    for (const auto& retta : punti) {
        std::vector<int> riga;
        for (std::size_t i = 0; i < punti.size(); ++i) {
            const auto& p = punti[i];
            const int prodotto = f.somma(f.somma(f.prodotto(retta[0], p[0]), f.prodotto(retta[1], p[1])),
                                         f.prodotto(retta[2], p[2]));
            if (prodotto == 0) riga.push_back(static_cast<int>(i) + 1);
        }
        righe.push_back(std::move(riga));
    }
    return disegno(std::move(righe), static_cast<int>(punti.size()), "piano proiettivo d'ordine " + std::to_string(q));
}

// AG(2, q): the point (x, y) is number x*q + y + 1. The lines come by parallel class: first
// x = c (runs of consecutive numbers), then y = m*x + b for each slope m.
DisegnoSistema pianoAffine(int q) {
    const CampoFinito f = campo(q);
    std::vector<std::vector<int>> righe;
    for (int c = 0; c < q; ++c) {
        std::vector<int> riga;
        for (int y = 0; y < q; ++y) riga.push_back(c * q + y + 1);
        righe.push_back(std::move(riga));
    }
    for (int m = 0; m < q; ++m)
        for (int b = 0; b < q; ++b) {
            std::vector<int> riga;
            for (int x = 0; x < q; ++x) riga.push_back(x * q + f.somma(f.prodotto(m, x), b) + 1);
            righe.push_back(std::move(riga));
        }
    return disegno(std::move(righe), q * q, "piano affine d'ordine " + std::to_string(q));
}

// Steiner triple systems on v = 6n+3 (Bose) and v = 6n+1 (Skolem) numbers, built from a
// commutative quasigroup on m = 2n+1 (idempotent) or m = 2n (half-idempotent) elements.
// The element (x, i) of the three copies is number i*m + x + 1; the extra point of Skolem's
// construction is v.
DisegnoSistema sistemaSteiner(int v) {
    const bool bose = v % 6 == 3;
    const int n = (v - (bose ? 3 : 1)) / 6;
    const int m = bose ? 2 * n + 1 : 2 * n;
    const auto numero = [m](int x, int i) { return (i % 3) * m + x + 1; };
    const auto composto = [&](int x, int y) {
        if (bose) return (x + y) * (n + 1) % m;
        const int s = (x + y) % m;
        return s % 2 == 0 ? s / 2 : n + (s - 1) / 2;
    };
    std::vector<std::vector<int>> righe;
    for (int x = 0; x < (bose ? m : n); ++x) righe.push_back({numero(x, 0), numero(x, 1), numero(x, 2)});
    if (!bose)
        for (int x = 0; x < n; ++x)
            for (int i = 0; i < 3; ++i) righe.push_back({v, numero(x + n, i), numero(x, i + 1)});
    for (int i = 0; i < 3; ++i)
        for (int x = 0; x < m; ++x)
            for (int y = x + 1; y < m; ++y)
                righe.push_back({numero(x, i), numero(y, i), numero(composto(x, y), i + 1)});
    for (auto& r : righe) std::sort(r.begin(), r.end());
    std::sort(righe.begin(), righe.end());
    return disegno(std::move(righe), v, "sistema di Steiner");
}

}  // namespace

std::vector<DisegnoSistema> bibliotecaSistemi() {
    std::vector<DisegnoSistema> elenco;
    for (int q : {2, 3, 4, 5, 7, 8}) elenco.push_back(pianoProiettivo(q));
    for (int q : {3, 4, 5, 7, 8, 9}) elenco.push_back(pianoAffine(q));
    for (int v : {13, 15, 19, 21}) elenco.push_back(sistemaSteiner(v));
    std::stable_sort(elenco.begin(), elenco.end(), [](const DisegnoSistema& a, const DisegnoSistema& b) {
        return std::tuple(a.numeri, a.righe.size()) < std::tuple(b.numeri, b.righe.size());
    });
    return elenco;
}

std::string mascheraRiga(const std::vector<int>& riga) {
    std::string maschera(90, '-');
    for (int n : riga)
        if (n >= 1 && n <= 90) maschera[static_cast<std::size_t>(n) - 1] = 'X';
    return maschera;
}

}  // namespace quorvane
