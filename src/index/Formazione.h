#pragma once
// A formation found by an elaboration, with the model rows it covers.
#include <algorithm>
#include <string>
#include <vector>

#include "core/Maschera90.h"

namespace quorvane {

struct Formazione {
    int copertura = 0;        // model rows covered ("CC")
    std::vector<int> numeri;  // ascending

    Maschera90 maschera() const {
        Maschera90 m;
        for (int n : numeri) m.aggiungi(n);
        return m;
    }
    bool operator==(const Formazione&) const = default;
};

// Most covering first; equal coverages keep their order.
inline void ordinaPerCopertura(std::vector<Formazione>& formazioni) {
    std::stable_sort(formazioni.begin(), formazioni.end(),
                     [](const Formazione& a, const Formazione& b) { return a.copertura > b.copertura; });
}

}  // namespace quorvane
