#include "index/FinestreModello.h"

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
    int conta = 0;
    for (int k = 0; k < righe(); ++k) conta += vinta(k, numeri, soglia);
    return conta;
}

}  // namespace quorvane
