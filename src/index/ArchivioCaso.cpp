#include "index/ArchivioCaso.h"

#include <numeric>
#include <random>

namespace quorvane {

ArchivioEstrazioni archivioCaso(const ArchivioEstrazioni& reale, std::uint64_t seme) {
    std::mt19937_64 caso(seme);
    std::array<std::int16_t, NumeroMassimo> urna;
    std::iota(urna.begin(), urna.end(), std::int16_t{1});
    std::vector<RigaArchivio> righe(static_cast<std::size_t>(reale.NumEstrazioni()));
    for (int e = 1; e <= reale.NumEstrazioni(); ++e) {
        RigaArchivio& riga = righe[static_cast<std::size_t>(e - 1)];
        riga.data = reale.DateEstrazioni(e);
        for (int w = 1; w <= NumRuote; ++w) {
            if (reale.NumeriRuota(e, w).vuota()) continue;
            CinqueNumeri numeri;
            // The first five of a partial shuffle: five distinct numbers, each order as likely.
            for (int k = 0; k < NumPosizioni; ++k) {
                std::uniform_int_distribution<int> scelta(k, NumeroMassimo - 1);
                std::swap(urna[k], urna[scelta(caso)]);
                numeri[k] = urna[k];
            }
            riga.ruote[w - 1] = scriviTestoRuota(numeri);
        }
    }
    ArchivioEstrazioni archivio;
    archivio.CaricaArchivio(righe, TipoCaricamento::Avvio);
    return archivio;
}

}  // namespace quorvane
