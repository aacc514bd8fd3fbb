#pragma once
// The number board of the index analysis: at most eight numbers chosen out of 1..90.
#include <vector>

#include "core/Maschera90.h"

namespace quorvane {

class TavolaNumeri {
public:
    static constexpr int Massimo = 8;

    bool scelto(int numero) const { return scelti_.contiene(numero); }
    int conta() const { return scelti_.conta(); }
    // Chooses or releases a number; a ninth number is refused (false).
    bool commuta(int numero);
    // Chooses a number when there is room; false otherwise.
    bool scegli(int numero);
    void svuota() { scelti_ = {}; }
    // The chosen numbers in ascending order.
    std::vector<int> numeri() const;

private:
    Maschera90 scelti_;
};

}  // namespace quorvane
