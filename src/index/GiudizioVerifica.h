#pragma once
// The verdict of a historical test in one Italian sentence: the hits against those chance
// expects, whether chance often gives so many (or so few), and the return against chance's.
#include <optional>
#include <string>
#include <string_view>

#include "index/VerificaStorica.h"

namespace quorvane {

struct DatiGiudizio {
    int vincite = 0;
    double attese = 0;                 // expected hits
    std::optional<double> z;           // (vincite - attese) / standard deviation; none without variance
    std::optional<double> p;           // probability that chance gives at least `vincite` hits, when known
    double resa = 0;                   // percent of the stake paid back
    double resaCaso = 0;               // percent chance pays back on the same plays
    std::optional<double> pInferiore;  // probability that chance gives at most `vincite` hits
    bool metodoIndice = true;          // the subject: "Il metodo", else "La strategia"
};

// Beyond these the hits are not what chance usually gives: with p, chance gives as many (p) or
// as few (pInferiore) less than once in twenty; without p, |z| of at least 2.
inline constexpr double SogliaZ = 2.0;
inline constexpr double SogliaP = 0.05;

// "Il metodo ha fatto 17 vincite contro 20,1 attese dal caso (z = −0,72): il risultato è
// compatibile con il caso; la resa, 51,5%, è sotto quella del caso, 62,4%." Numbers written
// with `separatore` as decimal point; returns are compared at one decimal, as shown.
std::string giudizioVerifica(const DatiGiudizio& dati, std::string_view separatore = ",");

// The verdict on a walk's summary (which must have plays), its subject the strategy's.
std::string giudizioVerifica(const RiepilogoStorico& riepilogo, Strategia strategia, std::string_view separatore = ",");

}  // namespace quorvane
