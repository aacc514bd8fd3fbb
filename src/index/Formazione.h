#pragma once
// A formation found by an elaboration, with the model rows it covers.
#include <string>
#include <vector>

#include "core/Maschera90.h"

namespace quorvane {

struct Formazione {
    int copertura = 0;          // model rows covered ("CC")
    std::vector<int> numeri;    // ascending

    Maschera90 maschera() const {
        Maschera90 m;
        for (int n : numeri) m.aggiungi(n);
        return m;
    }
    bool operator==(const Formazione&) const = default;
};

}  // namespace quorvane
