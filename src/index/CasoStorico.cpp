#include "index/CasoStorico.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

#include "core/CodaBernoulli.h"
#include "index/Probabilita.h"

namespace quorvane {

namespace {

// splitmix64: tiny, fast, and good enough to draw five numbers.
struct Caso {
    std::uint64_t stato;
    std::uint64_t prossimo() {
        std::uint64_t z = (stato += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniforme() { return static_cast<double>(prossimo() >> 11) * 0x1.0p-53; }
    int intero(int n) { return static_cast<int>(uniforme() * n); }
};

// The plays of one point. A wheel draw matters only when it holds at least `minima` numbers of
// the union of the plays. The wheel draws are alike and their order does not matter (a play
// is won or not), so only how many of them matter is drawn (binomial), then in each the count
// in the union (hypergeometric, cut below `minima`), then which of them.
struct Punto {
    std::vector<Maschera90> giocate;
    std::vector<int> sorti;
    std::vector<int> unione;                          // the numbers of every play
    int estrazioni = 0;                               // wheel draws of the window
    int minima = 0;                                   // smallest sorte
    double utile = 0;                                 // chance that a wheel draw holds at least `minima` of the union
    std::vector<double> utili;                        // cumulative distribution of the draws that matter
    std::array<double, NumPosizioni + 1> cumulata{};  // of the count, given at least `minima`
};

// P(X <= m) for X binomial(n, q), m = 0..n; worked with logarithms, so that no term underflows
// when q is close to 1.
std::vector<double> binomialeCumulata(int n, double q) {
    std::vector<double> cumulata(static_cast<std::size_t>(n) + 1, 0.0);
    if (q >= 1) {
        cumulata.back() = 1;
        return cumulata;
    }
    if (q <= 0) {
        std::fill(cumulata.begin(), cumulata.end(), 1.0);
        return cumulata;
    }
    const double passo = std::log(q) - std::log1p(-q);
    double logaritmo = n * std::log1p(-q);  // of P(X = 0)
    double somma = 0;
    for (int m = 0; m <= n; ++m) {
        if (m > 0) logaritmo += std::log(static_cast<double>(n - m + 1) / m) + passo;
        somma += std::exp(logaritmo);
        cumulata[m] = somma;
    }
    for (double& c : cumulata) c /= somma;
    return cumulata;
}

std::vector<Punto> punti(const std::vector<GiocataStorica>& giocate) {
    std::vector<Punto> punti;
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        if (i == 0 || giocate[i].punto != giocate[i - 1].punto) punti.emplace_back();
        Punto& p = punti.back();
        Maschera90 m;
        for (int n : giocate[i].numeri) m.aggiungi(n);
        p.giocate.push_back(m);
        p.sorti.push_back(giocate[i].sorte);
        p.estrazioni = giocate[i].estrazioniRuota;
    }
    for (Punto& p : punti) {
        Maschera90 unione;
        for (const Maschera90& m : p.giocate) unione |= m;
        unione.perOgni([&](int n) { p.unione.push_back(n); });
        p.minima = *std::min_element(p.sorti.begin(), p.sorti.end());
        const int u = static_cast<int>(p.unione.size());
        double somma = 0;
        for (int k = p.minima; k <= NumPosizioni; ++k) {
            somma += combinazioni(u, k) * combinazioni(NumeroMassimo - u, NumPosizioni - k) /
                     combinazioni(NumeroMassimo, NumPosizioni);
            p.cumulata[k] = somma;
        }
        p.utile = somma;
        for (double& c : p.cumulata) c = somma > 0 ? c / somma : 0;
        p.utili = binomialeCumulata(p.estrazioni, p.utile);
    }
    return punti;
}

QUORVANE_CONTA_BIT int vinciteSimulate(const std::vector<Punto>& punti, Caso& caso) {
    int vincite = 0;
    std::vector<char> vinta;
    for (const Punto& p : punti) {
        if (p.utile <= 0) continue;
        vinta.assign(p.giocate.size(), 0);
        const double v = caso.uniforme();
        int utili = 0;
        while (utili < p.estrazioni && p.utili[utili] <= v) ++utili;
        for (int d = 0; d < utili; ++d) {
            const double u = caso.uniforme();
            int k = p.minima;
            while (k < NumPosizioni && p.cumulata[k] <= u) ++k;
            const int quanti = static_cast<int>(p.unione.size());
            k = std::min(k, quanti);  // rounding must not ask for more than there are
            Maschera90 uscita;
            for (int j = 0; j < k;) {
                const int n = p.unione[caso.intero(quanti)];
                if (uscita.contiene(n)) continue;
                uscita.aggiungi(n);
                ++j;
            }
            for (std::size_t g = 0; g < p.giocate.size(); ++g)
                if (!vinta[g] && (uscita & p.giocate[g]).conta() >= p.sorti[g]) vinta[g] = 1;
        }
        vincite += static_cast<int>(std::count(vinta.begin(), vinta.end(), 1));
    }
    return vincite;
}

}  // namespace

SimulazioneCaso simulaCaso(const std::vector<GiocataStorica>& giocate, int vincite, std::uint64_t seme, int quante,
                           int thread) {
    const std::vector<Punto> tutti = punti(giocate);
    std::vector<int> esiti(static_cast<std::size_t>(quante));
    const unsigned int numero = thread > 0 ? static_cast<unsigned int>(thread)
                                           : std::max(1u, std::thread::hardware_concurrency());
    auto lavora = [&](unsigned int parte) {
        for (int k = static_cast<int>(parte); k < quante; k += static_cast<int>(numero)) {
            Caso caso{seme * 0xD1B54A32D192ED03ull + static_cast<std::uint64_t>(k)};
            esiti[static_cast<std::size_t>(k)] = vinciteSimulate(tutti, caso);
        }
    };
    std::vector<std::thread> lavoratori;
    for (unsigned int k = 1; k < numero; ++k) lavoratori.emplace_back(lavora, k);
    lavora(0);
    for (std::thread& t : lavoratori) t.join();

    SimulazioneCaso s;
    if (quante <= 0) return s;
    double somma = 0, quadrati = 0;
    int almeno = 0, alPiu = 0;
    for (int v : esiti) {
        somma += v;
        quadrati += static_cast<double>(v) * v;
        almeno += v >= vincite;
        alPiu += v <= vincite;
    }
    s.media = somma / quante;
    s.varianza = std::max(0.0, quadrati / quante - s.media * s.media);
    s.p = static_cast<double>(almeno) / quante;
    s.pInferiore = static_cast<double>(alPiu) / quante;
    s.erroreP = std::sqrt(s.p * (1 - s.p) / quante);
    return s;
}

void aggiungiP(RiepilogoStorico& r, const std::vector<GiocataStorica>& giocate, std::uint64_t seme) {
    if (giocate.empty()) return;
    bool unaPerPunto = true;
    for (std::size_t i = 1; i < giocate.size(); ++i)
        unaPerPunto = unaPerPunto && giocate[i].punto != giocate[i - 1].punto;
    if (unaPerPunto) {
        std::vector<double> probabilita;
        for (const GiocataStorica& g : giocate) probabilita.push_back(g.probabilita);
        r.p = codaBernoulli(probabilita, r.vincite);
        r.pInferiore = codaInferioreBernoulli(probabilita, r.vincite);
        r.erroreP = 0;
        r.simulazioni = 0;
        return;
    }
    const SimulazioneCaso s = simulaCaso(giocate, r.vincite, seme);
    r.p = s.p;
    r.erroreP = s.erroreP;
    r.pInferiore = s.pInferiore;
    r.simulazioni = SimulazioneCaso::Quante;
    r.varianza = s.varianza;
}

}  // namespace quorvane
