#pragma once
// The verdict of a historical test in one Italian sentence: the hits against those chance
// expects, whether the difference is one chance gives, and the return against chance's.
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct DatiGiudizio {
    int vincite = 0;
    double attese = 0;        // expected hits
    std::optional<double> z;  // (vincite - attese) / standard deviation; none without variance
    std::optional<double> p;  // two-sided probability of a result this far from chance, when known
    double resa = 0;          // percent of the stake paid back
    double resaCaso = 0;      // percent chance pays back on the same plays
};

// Beyond these the hits are not what chance usually gives: |z| of 2 without p, p of 5% with it.
inline constexpr double SogliaZ = 2.0;
inline constexpr double SogliaP = 0.05;

// "Il metodo ha fatto 17 vincite contro 20,1 attese dal caso (z = −0,72): il risultato è
// compatibile con il caso; la resa, 51,5%, è sotto quella del caso, 62,4%." Numbers written
// with `separatore` as decimal point; returns are compared at one decimal, as shown.
std::string giudizioVerifica(const DatiGiudizio& dati, std::string_view separatore = ",");

}  // namespace quorvane
