#pragma once
// Spy numbers: which numbers come out in the K draws after a given number came out on a wheel,
// set beside what chance gives. The windows after the spy's exits never overlap, so that the
// draws of one window are independent of the others' and the tail probability is exact.
#include <array>
#include <string>
#include <vector>

#include "analyses/ComuneStatistiche.h"
#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

inline constexpr int ColpiSpiaMassimi = 20;
// Under this corrected probability a number stands out from chance.
inline constexpr double SogliaSpia = 0.05;

struct RichiestaSpia {
    int numero = 1;
    int ruota = 1;                           // 1..11
    int posizione = 0;                       // 1..5 when the spy must come out in that position; 0 for any
    int colpi = 5;                           // 1..ColpiSpiaMassimi draws after each exit
    std::array<bool, NumRuote> bersaglio{};  // wheels where the followers are sought; none: the spy's wheel
    int dal = 1;
    int al = 0;  // 0: the last draw
};

// The figures of one follower x.
struct FiguraSpia {
    int casi = 0;          // windows that hold x on a target wheel
    int presenze = 0;      // (draw, target wheel) of the windows that hold x
    double p = 1;          // chance of at least `casi` windows with x
    double pCorretto = 1;  // min(1, 90 p): the 90 followers are tested together
};

// Whether any follower stands out after the correction, and the one that stands out most.
struct VerdettoSpia {
    bool spicca = false;
    int numero = 0;
    double pCorretto = 1;
};

enum class ColonnaSpia { Numero, Casi, Presenze, CasiAttesi, PresenzeAttese, P, PCorretto };
inline constexpr int NumColonneSpia = 7;

class NumeriSpia {
public:
    // Computes every figure from the archive in memory. A refused request changes nothing.
    ErroreStatistiche calcola(const ArchivioEstrazioni& archivio, const RichiestaSpia& richiesta);

    const RichiestaSpia& richiesta() const { return richiesta_; }  // with its wheels and period filled in
    // The draws after which a window opens, in order.
    const std::vector<int>& occorrenze() const { return occorrenze_; }
    const FiguraSpia& figura(int numero) const { return figure_[static_cast<std::size_t>(numero - 1)]; }
    // Chance, the same for every follower: the windows expected to hold it, and its presences.
    double casiAttesi() const { return casiAttesi_; }
    // The standard deviation of a follower's windows under chance, exact: each window holds it
    // independently of the others.
    double sigmaCasi() const { return sigmaCasi_; }
    // How far a follower's windows are from chance, in standard deviations.
    double scartoDalCaso(int numero) const;
    double presenzeAttese() const;
    // The 90 followers by p, lowest first; equal p by number.
    std::vector<int> ordine() const;
    VerdettoSpia verdetto() const;
    // What was asked, e.g. "Spia 90 su Bari, 5 colpi": it heads the verdict, the chart and the
    // printout, so that none of them is read apart from its spy.
    std::string fraseRichiesta() const;
    // The verdict in Italian after the request, to show under the table.
    std::string fraseVerdetto() const;

    std::string testo(int numero, ColonnaSpia colonna) const;

private:
    RichiestaSpia richiesta_;
    std::vector<int> occorrenze_;
    std::array<FiguraSpia, NumeroMassimo> figure_{};
    double casiAttesi_ = 0;
    double sigmaCasi_ = 0;
    long long ruoteFinestre_ = 0;  // (draw, target wheel) drawn over every window
    int senzaEstrazioni_ = 0;      // exits whose window holds no draw of a target wheel
};

// FgSpia: one row per follower in `ordine`; rows that stand out after the correction are highlighted.
void riempiNumeriSpia(Griglia& tabella, const NumeriSpia& spia, const std::vector<int>& ordine);

}  // namespace quorvane
