#include "archive/ArchivioDemo.h"

namespace quorvane {

namespace {

// splitmix64: a few lines of integer arithmetic, so the sequence is the same with every
// compiler and standard library (std distributions are not).
class Generatore {
public:
    explicit Generatore(std::uint64_t seme) : stato_(seme) {}

    std::uint64_t prossimo() {
        std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 1..90; the bias of the 32-bit product is far below anything a demo could show.
    int numero() { return static_cast<int>(((prossimo() >> 32) * NumeroMassimo) >> 32) + 1; }

private:
    std::uint64_t stato_;
};

CinqueNumeri estraiRuota(Generatore& g) {
    CinqueNumeri numeri{};
    for (int k = 0; k < NumPosizioni;) {
        int n = g.numero();
        bool ripetuto = false;
        for (int j = 0; j < k; ++j) ripetuto = ripetuto || numeri[j] == n;
        if (!ripetuto) numeri[k++] = static_cast<std::int16_t>(n);
    }
    return numeri;
}

}  // namespace

std::vector<Estrazione> generaArchivioDemo(const Data& oggi, std::uint32_t seme) {
    std::vector<Estrazione> estrazioni;
    const long primo = PrimaEstrazioneLotto.giorniDaEpoca();
    const long ultimo = oggi.giorniDaEpoca() - 1;
    if (ultimo < primo) return estrazioni;
    estrazioni.reserve(static_cast<std::size_t>((ultimo - primo) / 7 * 3 + 3));

    Generatore g(seme);
    for (long giorno = primo; giorno <= ultimo; ++giorno) {
        const Data d = Data::daGiorniDaEpoca(giorno);
        if (!giornoEstrazioneLotto(d)) continue;
        Estrazione e{d, {}};
        const int ruote = d < PrimaEstrazioneNazionale ? NumRuote - 1 : NumRuote;
        for (int r = 0; r < ruote; ++r) e.ruote[r] = estraiRuota(g);
        estrazioni.push_back(e);
    }
    return estrazioni;
}

}  // namespace quorvane
