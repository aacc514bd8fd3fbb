#pragma once
// Dense tables of how often pairs and triples of numbers came out together. They are large
// (the triples hold 91^3 counts), so the window allocates them once and each run refills them.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/Ruote.h"

namespace quorvane {

class TabelleConteggio {
public:
    static constexpr int Lato = NumeroMassimo + 1;  // indexes 0..90

    TabelleConteggio() : coppie_(Lato * Lato), terni_(Lato * Lato * Lato) {}

    std::uint16_t& coppia(int x, int y) { return coppie_[x * Lato + y]; }
    std::uint16_t coppia(int x, int y) const { return coppie_[x * Lato + y]; }
    std::uint16_t& terno(int x, int y, int z) { return terni_[(x * Lato + y) * Lato + z]; }
    std::uint16_t terno(int x, int y, int z) const { return terni_[(x * Lato + y) * Lato + z]; }

    // Counts a pair, or a triple, in every order, so that lookups need not sort it.
    void aggiungiCoppia(int x, int y) {
        ++coppia(x, y);
        ++coppia(y, x);
    }
    void aggiungiTerno(int x, int y, int z) {
        ++terno(x, y, z);
        ++terno(x, z, y);
        ++terno(y, x, z);
        ++terno(y, z, x);
        ++terno(z, x, y);
        ++terno(z, y, x);
    }

    void azzeraCoppie() { std::fill(coppie_.begin(), coppie_.end(), 0); }
    void azzeraTerni() { std::fill(terni_.begin(), terni_.end(), 0); }

private:
    std::vector<std::uint16_t> coppie_;
    std::vector<std::uint16_t> terni_;
};

}  // namespace quorvane
