#include "index/Ritardi.h"

namespace quorvane {

TabellaRitardi calcolaRitardi(const ArchivioEstrazioni& archivio, int estrazione) {
    TabellaRitardi ritardi{};
    if (!archivio.contiene(estrazione)) return ritardi;
    std::array<Maschera90, NumRuote> trovati{};
    int mancanti = NumRuote * NumeroMassimo;
    for (int d = estrazione; d >= 1 && mancanti > 0; --d) {
        for (int w = 1; w <= NumRuote; ++w) {
            const Maschera90& uscite = archivio.NumeriRuota(d, w);
            if ((uscite & trovati[w - 1]) == uscite) continue;  // nothing new on this wheel
            for (int k = 1; k <= NumPosizioni; ++k) {
                const int n = archivio.Estratti(d, w, k);
                if (n < 1 || n > NumeroMassimo || trovati[w - 1].contiene(n)) continue;
                trovati[w - 1].aggiungi(n);
                ritardi[n][w - 1] = estrazione - d;
                --mancanti;
            }
        }
    }
    return ritardi;
}

}  // namespace quorvane
