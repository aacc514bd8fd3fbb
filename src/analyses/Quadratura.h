#pragma once
// A quadrature: four numbers on the corners of a square and the fuori 90 sums and distances
// of its two rows, two columns and two diagonals.
#include <array>
#include <string>

#include "core/Griglia.h"

namespace quorvane {

// N1 N2 on top, N3 N4 below; corners are 0-based here (N1 is 0).
enum class Coppia { Orizzontale1, Orizzontale2, Verticale1, Verticale2, Diagonale1, Diagonale2 };
inline constexpr int NumCoppie = 6;

struct ElementiCoppia {
    int primo;  // corner 0..3
    int secondo;
};
// In the order of the pairs: N1 N2, N3 N4, N1 N3, N2 N4, N1 N4, N2 N3.
inline constexpr std::array<ElementiCoppia, NumCoppie> ElementiCoppie = {
    {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {0, 3}, {1, 2}}};

struct Quadratura {
    std::array<int, 4> numeri{};  // an empty box counts as 0
    std::array<int, NumCoppie> somme{};
    std::array<int, NumCoppie> distanze{};
    int totale = 0;
};

Quadratura calcolaQuadratura(const std::array<int, 4>& numeri);

// A box's text as the computation reads it: empty or not numeric gives 0.
int valoreCasella(const std::string& testo);

// The rows of the results table (fg1): 1..6 the sums, 7..12 the distances, each in pair order.
inline constexpr int RigheQuadratura = 13;
struct RigaQuadratura {
    Coppia coppia;
    bool somma;
};
// Which pair and which kind of result a row of the results table shows; rows outside 1..12 show none.
bool rigaQuadratura(int riga, RigaQuadratura* esito);

// The results table (fg1) as the window opens, without results: the fixed texts of columns 0
// and 1, columns 1..3 centred.
void preparaTabellaQuadratura(Griglia& tabella);
// Writes the results in columns 2 and 3 with their colours; `caselle` are the four box texts.
void scriviQuadratura(Griglia& tabella, const std::array<std::string, 4>& caselle, const Quadratura& q);

}  // namespace quorvane
