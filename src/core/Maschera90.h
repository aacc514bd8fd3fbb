#pragma once
// A set of Lotto numbers 1..90 as two machine words, so that coverage counts are a few
// AND and popcount instructions instead of walks over draws.
#include <bit>
#include <cstdint>

// The x86-64 baseline has no popcount instruction, so std::popcount becomes a library call. A
// hot counting loop marked with this is compiled twice, and the loader picks the popcnt version
// on processors that have it (GCC's function multiversioning; not on Windows, which lacks ifunc).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(_WIN32)
#define QUORVANE_CONTA_BIT __attribute__((target_clones("default", "popcnt")))
#else
#define QUORVANE_CONTA_BIT
#endif

namespace quorvane {

class Maschera90 {
public:
    constexpr void aggiungi(int numero) {
        if (numero < 1 || numero > 90) return;
        int b = numero - 1;
        if (b < 64) basso_ |= std::uint64_t{1} << b;
        else alto_ |= std::uint64_t{1} << (b - 64);
    }
    constexpr void rimuovi(int numero) {
        if (numero < 1 || numero > 90) return;
        int b = numero - 1;
        if (b < 64) basso_ &= ~(std::uint64_t{1} << b);
        else alto_ &= ~(std::uint64_t{1} << (b - 64));
    }
    constexpr bool contiene(int numero) const {
        if (numero < 1 || numero > 90) return false;
        int b = numero - 1;
        return b < 64 ? (basso_ >> b) & 1 : (alto_ >> (b - 64)) & 1;
    }
    // Calls f(n) for every number of the set, in ascending order.
    template <class F>
    constexpr void perOgni(F&& f) const {
        for (std::uint64_t b = basso_; b; b &= b - 1) f(std::countr_zero(b) + 1);
        for (std::uint64_t b = alto_; b; b &= b - 1) f(std::countr_zero(b) + 65);
    }
    // True when f(n) holds for some number of the set; stops at the first that does.
    template <class F>
    constexpr bool qualcuno(F&& f) const {
        for (std::uint64_t b = basso_; b; b &= b - 1)
            if (f(std::countr_zero(b) + 1)) return true;
        for (std::uint64_t b = alto_; b; b &= b - 1)
            if (f(std::countr_zero(b) + 65)) return true;
        return false;
    }
    constexpr int conta() const { return std::popcount(basso_) + std::popcount(alto_); }
    constexpr bool vuota() const { return (basso_ | alto_) == 0; }
    constexpr Maschera90 operator&(const Maschera90& o) const { return {basso_ & o.basso_, alto_ & o.alto_}; }
    constexpr Maschera90 operator|(const Maschera90& o) const { return {basso_ | o.basso_, alto_ | o.alto_}; }
    constexpr Maschera90& operator|=(const Maschera90& o) {
        basso_ |= o.basso_;
        alto_ |= o.alto_;
        return *this;
    }
    constexpr bool operator==(const Maschera90&) const = default;

    constexpr Maschera90() = default;

private:
    constexpr Maschera90(std::uint64_t basso, std::uint64_t alto) : basso_(basso), alto_(alto) {}
    std::uint64_t basso_ = 0;  // numbers 1..64
    std::uint64_t alto_ = 0;   // numbers 65..90
};

}  // namespace quorvane
