#pragma once
// The analytical board: one figure of every number on every wheel, and on the ten regional
// wheels together, over a period, as the statistics of numbers compute it.
#include <array>
#include <optional>
#include <string_view>

#include "analyses/ComuneStatistiche.h"
#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

enum class ValoreTabellone { Ritardo, Presenze, Massimo };

// "ritardo", "presenze" or "massimo", whatever the letter case.
std::optional<ValoreTabellone> valoreTabellone(std::string_view nome);

// Columns 0..10 are the wheels BA..NZ, column 11 the ten regional wheels together.
inline constexpr int NumColonneTabellone = NumRuote + 1;
inline constexpr int ColonnaTutteRegionali = NumRuote;

class TabelloneAnalitico {
public:
    // Computes every cell from the archive in memory. A refused request changes nothing.
    ErroreStatistiche calcola(const ArchivioEstrazioni& archivio, int dal = 1, int al = 0);

    int dal() const { return dal_; }
    int al() const { return al_; }
    // False for a column none of whose draws of the period has numbers: its cells are empty.
    bool colonnaPresente(int colonna) const { return presente_[static_cast<std::size_t>(colonna)]; }
    int valore(int numero, int colonna, ValoreTabellone quale) const {
        return valori_[static_cast<std::size_t>(quale)][static_cast<std::size_t>(colonna)]
                      [static_cast<std::size_t>(numero - 1)];
    }

private:
    using Colonne = std::array<std::array<int, NumeroMassimo>, NumColonneTabellone>;
    int dal_ = 0;
    int al_ = 0;
    std::array<bool, NumColonneTabellone> presente_{};
    std::array<Colonne, 3> valori_{};
};

// The shading of one column of the board: its 90 figures split in four bands by their quartiles,
// each band the figures da..a. Each column has its own, because the columns have scales of their
// own: NZ is drawn only since 2005, TT sums ten wheels. A band can be empty (a < da) when many
// figures are equal; every band is empty in a column without draws.
inline constexpr int NumFasceTabellone = 4;
struct FasciaTabellone {
    int da = 0;
    int a = -1;
    Colore sfondo = 0;
};
std::array<FasciaTabellone, NumFasceTabellone> fasceTabellone(const TabelloneAnalitico& tabellone,
                                                              ValoreTabellone quale, int colonna);

// FgTabellone: 90 rows, the number then one column per wheel and "TT"; each cell shaded by its
// column's band.
void riempiTabellone(Griglia& tabella, const TabelloneAnalitico& tabellone, ValoreTabellone quale);

}  // namespace quorvane
