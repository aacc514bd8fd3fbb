#include "index/FinestreModello.h"

#include <bit>

namespace quorvane {

FinestreModello::FinestreModello(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, int limite) {
    const int ultima = limite > 0 ? limite : archivio.NumEstrazioni();
    for (std::size_t i = 0; i < analisi.modello.size(); ++i) {
        const RigaModello& m = analisi.modello[i];
        if (m.coperta) continue;
        Riga riga;
        riga.indice = static_cast<int>(i);
        riga.compagni.assign(NumeroMassimo + 1, Maschera90{});
        const int fine = m.end < ultima ? m.end : ultima;
        for (int d = m.inizio; d <= fine; ++d) {
            for (int w = 1; w <= NumRuote; ++w) {
                if (!analisi.RuoteSel[w - 1]) continue;
                const Maschera90& uscita = archivio.NumeriRuota(d, w);
                if (uscita.vuota()) continue;
                riga.uscite.push_back(uscita);
                riga.unione |= uscita;
                for (int k = 1; k <= NumPosizioni; ++k) {
                    const int n = archivio.Estratti(d, w, k);
                    if (n >= 1 && n <= NumeroMassimo) {
                        Maschera90 altri = uscita;
                        altri.rimuovi(n);
                        riga.compagni[n] |= altri;
                    }
                }
            }
        }
        righe_.push_back(std::move(riga));
    }
    if (righe() > 64 * ParoleMassime) return;
    coppie_.assign(static_cast<std::size_t>(NumeroMassimo + 1) * (NumeroMassimo + 1), {});
    for (int k = 0; k < righe(); ++k) {
        const std::uint64_t bit = std::uint64_t{1} << (k % 64);
        for (const Maschera90& uscita : righe_[k].uscite)
            uscita.perOgni([&](int a) {
                uscita.perOgni([&](int b) {
                    if (a < b) coppie_[a * (NumeroMassimo + 1) + b][k / 64] |= bit;
                });
            });
    }
}

QUORVANE_CONTA_BIT int FinestreModello::coperturaCoppie(const Maschera90& numeri) const {
    std::array<int, NumeroMassimo> n{};
    int quanti = 0;
    numeri.perOgni([&](int x) { n[quanti++] = x; });
    std::array<std::uint64_t, ParoleMassime> vinte{};
    for (int i = 0; i < quanti; ++i)
        for (int j = i + 1; j < quanti; ++j) {
            const auto& righe = coppie_[n[i] * (NumeroMassimo + 1) + n[j]];
            for (int w = 0; w < ParoleMassime; ++w) vinte[w] |= righe[w];
        }
    int conta = 0;
    for (std::uint64_t w : vinte) conta += std::popcount(w);
    return conta;
}

bool FinestreModello::vinta(int k, const Maschera90& numeri, int soglia) const {
    const Riga& riga = righe_[k];
    if (soglia <= 1) return !(riga.unione & numeri).vuota();
    if (soglia == 2)
        return (riga.unione & numeri).qualcuno([&](int n) { return !(riga.compagni[n] & numeri).vuota(); });
    for (const Maschera90& uscita : riga.uscite)
        if ((uscita & numeri).conta() >= soglia) return true;
    return false;
}

int FinestreModello::copertura(const Maschera90& numeri, int soglia) const {
    if (soglia == 2 && !coppie_.empty()) return coperturaCoppie(numeri);
    int conta = 0;
    for (int k = 0; k < righe(); ++k) conta += vinta(k, numeri, soglia);
    return conta;
}

}  // namespace quorvane
