#pragma once
// Numbers drawn together on a group of wheels in each of the last draws up to an end draw.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

class Ripetizioni {
public:
    static constexpr int EstrazioniRilevate = 10;
    static constexpr int MinimoRuote = 2;
    static constexpr int MassimoRuote = 6;

    // A number and the group of wheels (0..10, ascending) it came out on.
    struct Ripetizione {
        int numero = 0;
        int quanteRuote = 0;
        std::array<std::int8_t, MassimoRuote> ruote{};
    };

    // RILEVAZIONE: where each number came out in the ten draws up to `fine`. Draws before the
    // first (an end draw below 10) count as not drawn.
    void Rilevazione(const ArchivioEstrazioni& archivio, int fine);

    // Uscite(n, j, w): number n came out on wheel w (0..10) in the draw fine - j + 1 (j = 1..10).
    bool Uscite(int numero, int j, int ruota) const { return (uscite_[cella(numero, j)] >> ruota) & 1; }

    // COMBINAZIONI: for each number, ascending, every group of r wheels in lexicographic order
    // on which it came out in each of the e most recent draws.
    std::vector<Ripetizione> Combinazioni(int e, int r) const;

    bool operator==(const Ripetizioni&) const = default;

private:
    static std::size_t cella(int numero, int j) { return static_cast<std::size_t>(numero) * 11 + j; }
    std::array<std::uint16_t, 91 * 11> uscite_{};  // per number and j: the wheels as bits
};

// Fg2: one row per repetition, the number then the codes of its wheels.
void riempiRipetizioni(Griglia& tabella, const std::vector<Ripetizioni::Ripetizione>& elenco);
// fg1: where `numero` came out in the ten draws, green cells under the wheel codes.
void riempiUsciteNumero(Griglia& tabella, const Ripetizioni& ripetizioni, int numero);
// labend: "index del date".
std::string testoFineAnalisi(const ArchivioEstrazioni& archivio, int fine);

}  // namespace quorvane
