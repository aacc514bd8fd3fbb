#pragma once
// The library of orthogonal systems the program ships: finite-geometry designs in which every
// pair of base numbers lies in exactly one row, so that any two drawn numbers of the system
// are always together in a row (ambo guaranteed).
#include <string>
#include <vector>

namespace quorvane {

struct DisegnoSistema {
    std::string denominazione;
    int numeri = 0;                       // base numbers 1..numeri
    int sviluppo = 0;                     // numbers per row
    std::vector<std::vector<int>> righe;  // each ascending
};

// The systems in list order (by base numbers, then rows): projective planes of order 2, 3,
// 4, 5, 7, 8, affine planes of order 3, 4, 5, 7, 8, 9 and Steiner triple systems on 13, 15,
// 19 and 21 numbers.
std::vector<DisegnoSistema> bibliotecaSistemi();

// The stored form of a row: 90 characters, "X" at the position of each base number.
std::string mascheraRiga(const std::vector<int>& riga);

}  // namespace quorvane
