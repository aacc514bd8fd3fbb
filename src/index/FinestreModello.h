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

private:
    static constexpr int ParoleMassime = 4;  // rows as bits: up to 256 rows, more than Presenze allows
    int coperturaCoppie(const Maschera90& numeri) const;

    struct Riga {
        int indice = 0;
        Maschera90 unione;  // every number of the window
        int prima = 0;      // its non-empty wheel draws are uscite_[prima .. dopo)
        int dopo = 0;
    };
    std::vector<Riga> righe_;
    std::vector<Maschera90> uscite_;  // row after row, in draw then wheel order
    // For a < b, the rows in which a and b came out together on one wheel in one draw, as
    // parole_ words of bits: a pair play's coverage is then a few ORs instead of a look at
    // every row.
    int parole_ = 0;
    std::vector<std::uint64_t> coppie_;
    std::size_t primaParola(int a, int b) const {
        return static_cast<std::size_t>(a * (NumeroMassimo + 1) + b) * parole_;
    }
};

}  // namespace quorvane
