#include "index/ImprontaArchivio.h"

namespace quorvane {

namespace {

// FNV-1a, one value at a time.
void mescola(std::uint64_t& h, std::uint64_t valore) {
    for (int b = 0; b < 8; ++b) {
        h ^= (valore >> (8 * b)) & 0xFF;
        h *= 1099511628211ULL;
    }
}

}  // namespace

std::vector<std::uint64_t> improntePrefissi(const ArchivioEstrazioni& archivio) {
    std::vector<std::uint64_t> impronte(static_cast<std::size_t>(archivio.NumEstrazioni()) + 1);
    std::uint64_t h = 14695981039346656037ULL;
    impronte[0] = h;
    for (int d = 1; d <= archivio.NumEstrazioni(); ++d) {
        mescola(h, static_cast<std::uint64_t>(archivio.DataEstrazione(d).giorniDaEpoca()));
        for (int w = 1; w <= NumRuote; ++w)
            for (int p = 1; p <= NumPosizioni; ++p) mescola(h, static_cast<std::uint16_t>(archivio.Estratti(d, w, p)));
        impronte[d] = h;
    }
    return impronte;
}

}  // namespace quorvane
