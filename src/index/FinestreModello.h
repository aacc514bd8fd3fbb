#pragma once
// The windows of the uncovered model rows, laid out for coverage questions: which rows would a
// set of numbers have won, with at least k of its numbers on one wheel in play in one draw.
#include <array>
#include <cstdint>
#include <vector>

#include "index/AnalisiIndice.h"

namespace quorvane {

class FinestreModello {
public:
    // Uncovered rows of the table (in table order); their draws Inizio..End, and not beyond
    // `limite` when it is given (0 = no limit); wheels in play from RuoteSel.
    FinestreModello(const AnalisiIndice& analisi, const ArchivioEstrazioni& archivio, int limite = 0);

    int righe() const { return static_cast<int>(righe_.size()); }
    // Index in analisi.modello of the k-th uncovered row.
    int rigaModello(int k) const { return righe_[k].indice; }
    // True when on some draw and wheel in play at least `soglia` numbers of `numeri` came out.
    bool vinta(int k, const Maschera90& numeri, int soglia) const;
    // How many rows are won.
    int copertura(const Maschera90& numeri, int soglia) const;
    // The drawn sets (one per draw and wheel in play, in draw then wheel order) of row k.
    const std::vector<Maschera90>& uscite(int k) const { return righe_[k].uscite; }

private:
    static constexpr int ParoleMassime = 4;  // rows as bits: up to 256 rows, more than Presenze allows
    int coperturaCoppie(const Maschera90& numeri) const;

    struct Riga {
        int indice = 0;
        Maschera90 unione;                 // every number of the window
        std::vector<Maschera90> uscite;    // non-empty draws of the window
        std::vector<Maschera90> compagni;  // compagni[n]: numbers drawn with n on one wheel and draw
    };
    std::vector<Riga> righe_;
    // For a < b, the rows in which a and b came out together on one wheel in one draw: a pair
    // play's coverage is then a few ORs instead of a look at every row.
    std::vector<std::array<std::uint64_t, ParoleMassime>> coppie_;
};

}  // namespace quorvane
