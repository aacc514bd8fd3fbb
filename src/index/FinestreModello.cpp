#include "index/FinestreModello.h"

#include <algorithm>
#include <bit>

namespace quorvane {

FinestreModello::FinestreModello(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, int limite) {
    const int ultima = limite > 0 ? limite : archivio.NumEstrazioni();
    for (std::size_t i = 0; i < analisi.modello.size(); ++i) {
        const RigaModello& m = analisi.modello[i];
        if (m.coperta) continue;
        Riga riga;
        riga.indice = static_cast<int>(i);
        riga.prima = static_cast<int>(uscite_.size());
        const int fine = m.end < ultima ? m.end : ultima;
        for (int d = m.inizio; d <= fine; ++d) {
            for (int w = 1; w <= NumRuote; ++w) {
                if (!analisi.RuoteSel[w - 1]) continue;
                const Maschera90& uscita = archivio.NumeriRuota(d, w);
                if (uscita.vuota()) continue;
                uscite_.push_back(uscita);
                riga.unione |= uscita;
            }
        }
        riga.dopo = static_cast<int>(uscite_.size());
        righe_.push_back(riga);
    }
    if (righe() > 64 * ParoleMassime) return;
    parole_ = std::max(1, (righe() + 63) / 64);
    coppie_.assign(static_cast<std::size_t>(NumeroMassimo + 1) * (NumeroMassimo + 1) * parole_, 0);
    for (int k = 0; k < righe(); ++k) {
        const std::uint64_t bit = std::uint64_t{1} << (k % 64);
        for (int u = righe_[k].prima; u < righe_[k].dopo; ++u) {
            const Maschera90& uscita = uscite_[u];
            uscita.perOgni([&](int a) {
                uscita.perOgni([&](int b) {
                    if (a < b) coppie_[primaParola(a, b) + k / 64] |= bit;
                });
            });
        }
    }
}

QUORVANE_CONTA_BIT int FinestreModello::coperturaCoppie(const Maschera90& numeri) const {
    std::array<int, NumeroMassimo> n;  // only the first `quanti` are read: no need to clear them
    int quanti = 0;
    numeri.perOgni([&](int x) { n[quanti++] = x; });
    std::array<std::uint64_t, ParoleMassime> vinte{};
    for (int i = 0; i < quanti; ++i)
        for (int j = i + 1; j < quanti; ++j) {
            const std::uint64_t* righe = &coppie_[primaParola(n[i], n[j])];
            for (int w = 0; w < parole_; ++w) vinte[w] |= righe[w];
        }
    int conta = 0;
    for (int w = 0; w < parole_; ++w) conta += std::popcount(vinte[w]);
    return conta;
}

bool FinestreModello::vinta(int k, const Maschera90& numeri, int soglia) const {
    const Riga& riga = righe_[k];
    if (soglia <= 1) return !(riga.unione & numeri).vuota();
    for (int u = riga.prima; u < riga.dopo; ++u)
        if ((uscite_[u] & numeri).conta() >= soglia) return true;
    return false;
}

int FinestreModello::copertura(const Maschera90& numeri, int soglia) const {
    if (soglia == 2 && !coppie_.empty()) return coperturaCoppie(numeri);
    int conta = 0;
    for (int k = 0; k < righe(); ++k) conta += vinta(k, numeri, soglia);
    return conta;
}

}  // namespace quorvane
