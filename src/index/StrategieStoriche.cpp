#include "index/StrategieStoriche.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

Previsione previsione(int sorte, const std::vector<int>& numeri) {
    Previsione p;
    p.sorte = sorte;
    std::copy(numeri.begin(), numeri.end(), p.numeri.begin());
    return p;
}

// The draws 1..t in which the wheel was drawn, read in order as t grows.
class UsciteRuota {
public:
    UsciteRuota(const ArchivioEstrazioni& archivio, int ruota) : archivio_(archivio), ruota_(ruota) {}
    // Calls nuova(numbers) for each drawn draw up to t not yet seen.
    template <class F>
    void avanza(int t, F nuova) {
        for (; letta_ < t; ++letta_) {
            const Maschera90 numeri = archivio_.NumeriRuota(letta_ + 1, ruota_);
            if (!numeri.vuota()) nuova(numeri);
        }
    }

private:
    const ArchivioEstrazioni& archivio_;
    int ruota_;
    int letta_ = 0;
};

std::vector<Previsione> ritardatario(UsciteRuota& uscite, const std::vector<int>& punti) {
    std::array<int, NumeroMassimo + 1> ultima{};  // count of drawn draws at the last appearance
    int viste = 0;
    std::vector<Previsione> scelte;
    for (int t : punti) {
        uscite.avanza(t, [&](const Maschera90& numeri) {
            ++viste;
            numeri.perOgni([&](int n) { ultima[n] = viste; });
        });
        int scelto = 1;
        for (int n = 2; n <= NumeroMassimo; ++n)
            if (ultima[n] < ultima[scelto]) scelto = n;
        scelte.push_back(previsione(1, {scelto}));
    }
    return scelte;
}

std::vector<Previsione> amboRitardatario(UsciteRuota& uscite, const std::vector<int>& punti) {
    std::array<std::array<int, NumeroMassimo + 1>, NumeroMassimo + 1> ultima{};
    int viste = 0;
    std::vector<Previsione> scelte;
    for (int t : punti) {
        uscite.avanza(t, [&](const Maschera90& numeri) {
            ++viste;
            numeri.perOgni([&](int a) {
                numeri.perOgni([&](int b) {
                    if (a < b) ultima[a][b] = viste;
                });
            });
        });
        int sa = 1, sb = 2;
        for (int a = 1; a < NumeroMassimo; ++a)
            for (int b = a + 1; b <= NumeroMassimo; ++b)
                if (ultima[a][b] < ultima[sa][sb]) sa = a, sb = b;
        scelte.push_back(previsione(2, {sa, sb}));
    }
    return scelte;
}

std::vector<Previsione> frequenti(UsciteRuota& uscite, const std::vector<int>& punti, const OpzioniStoriche& o) {
    std::vector<Maschera90> viste;
    std::vector<Previsione> scelte;
    for (int t : punti) {
        uscite.avanza(t, [&](const Maschera90& numeri) { viste.push_back(numeri); });
        std::array<int, NumeroMassimo + 1> volte{};
        const std::size_t da = viste.size() > static_cast<std::size_t>(o.finestra) ? viste.size() - o.finestra : 0;
        for (std::size_t k = da; k < viste.size(); ++k) viste[k].perOgni([&](int n) { ++volte[n]; });
        std::vector<int> numeri(NumeroMassimo);
        for (int n = 0; n < NumeroMassimo; ++n) numeri[n] = n + 1;
        std::stable_sort(numeri.begin(), numeri.end(), [&](int a, int b) { return volte[a] > volte[b]; });
        numeri.resize(o.quanti);
        std::sort(numeri.begin(), numeri.end());
        scelte.push_back(previsione(sorteGiocata(o), numeri));
    }
    return scelte;
}

}  // namespace

int sorteGiocata(const OpzioniStoriche& o) {
    if (o.sorte != 0) return o.sorte;
    const std::size_t numeri = o.strategia == Strategia::Fissi ? o.numeri.size() : static_cast<std::size_t>(o.quanti);
    return numeri >= 2 ? 2 : 1;
}

std::vector<Previsione> sceltePunti(const OpzioniStoriche& o, const ArchivioEstrazioni& archivio,
                                    const std::vector<int>& punti) {
    UsciteRuota uscite(archivio, o.ruotaLetta);
    switch (o.strategia) {
        case Strategia::Ritardatario:
            return ritardatario(uscite, punti);
        case Strategia::AmboRitardatario:
            return amboRitardatario(uscite, punti);
        case Strategia::Frequenti:
            return frequenti(uscite, punti, o);
        case Strategia::Fissi:
            return std::vector<Previsione>(punti.size(), previsione(sorteGiocata(o), o.numeri));
        case Strategia::Indice:
        case Strategia::Metodo:
            break;
    }
    return {};
}

}  // namespace quorvane
