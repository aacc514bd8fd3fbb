#pragma once
// Frequencies and delays of the 90 numbers or of the 4,005 pairs on a group of wheels over a
// period of draws, with what chance would give.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

enum class TipoStatistiche { Estratti, Ambi };

inline constexpr int NumAmbi = 4005;

// Place 0..4004 of the pair a-b (1 <= a < b <= 90) in the order 1-2, 1-3, ..., 89-90.
constexpr int indiceAmbo(int a, int b) { return (a - 1) * 90 - (a - 1) * a / 2 + (b - a - 1); }

struct Ambo {
    int a = 0;
    int b = 0;
};
Ambo amboDiIndice(int indice);

struct RichiestaStatistiche {
    TipoStatistiche tipo = TipoStatistiche::Estratti;
    // The ten regional wheels: the Nazionale was drawn only in the later years.
    std::array<bool, NumRuote> ruote = {true, true, true, true, true, true, true, true, true, true, false};
    int dal = 1;
    int al = 0;  // 0: the last draw
};

enum class ErroreStatistiche { Nessuno, FuoriArchivio, PeriodoRovesciato, NessunaRuota, NessunaEstrazione };

// The Italian message of a refused request.
std::string messaggioStatistiche(ErroreStatistiche errore, const ArchivioEstrazioni& archivio);

// What the grid shows, in its order; the last column carries the wheels of the last exit.
enum class ColonnaStatistiche {
    Elemento, Presenze, Attese, Rapporto, RitardoAttuale, RitardoMassimo, FineMassimo, RitardoMedio,
    Ultima, DataUltima, RuoteUltima
};
inline constexpr int NumColonneStatistiche = 11;

// The figures of one number or pair. Draws are archive indexes; 0 where there is none.
struct FiguraStatistica {
    int presenze = 0;           // (draw, wheel) in which it came out
    int estrazioniUscita = 0;   // counted draws in which it came out on some chosen wheel
    int ritardoAttuale = 0;
    int ritardoMassimo = 0;
    int fineMassimo = 0;        // the draw that ended the longest run; 0 when it is the current one
    int ultima = 0;
    int ultimaContata = 0;      // the same draw as an ordinal among the counted draws
    std::uint16_t ruoteUltima = 0;  // bit w - 1 for wheel w
};

class Statistiche {
public:
    // Computes every figure from the archive in memory. A refused request changes nothing.
    ErroreStatistiche calcola(const ArchivioEstrazioni& archivio, const RichiestaStatistiche& richiesta);

    const RichiestaStatistiche& richiesta() const { return richiesta_; }
    int elementi() const { return static_cast<int>(figure_.size()); }
    const FiguraStatistica& figura(int elemento) const { return figure_[static_cast<std::size_t>(elemento)]; }
    // "7" for a number, "3-45" for a pair.
    std::string nome(int elemento) const;
    // Draws of the period in which at least one chosen wheel has numbers.
    int estrazioniContate() const { return static_cast<int>(ruotePerEstrazione_.size()); }
    // (draw, chosen wheel) with numbers, over the counted draws.
    long long estrazioniRuota() const { return estrazioniRuota_; }

    // Chance: each (draw, wheel) gives a number with probability 5/90, a pair with 10/4005.
    double attese() const;
    double rapporto(int elemento) const;  // presenze / attese; 0 when nothing was expected
    double ritardoMedio(int elemento) const;
    // What a number or pair that comes out by chance would show: its expected current delay,
    // and the mean delay of one that came out in the expected count of draws.
    double ritardoAttualeCaso() const;
    double ritardoMedioCaso() const;
    // What chance gives for a column, the line across the chart; none for the other columns.
    std::optional<double> valoreCaso(ColonnaStatistiche colonna) const;

    // The value a column is sorted and charted by (for dates, the draw index).
    double valore(int elemento, ColonnaStatistiche colonna) const;
    // The text of a cell: decimals rounded half up to two digits after the Italian comma.
    std::string testo(int elemento, ColonnaStatistiche colonna, const ArchivioEstrazioni& archivio) const;
    // The elements ordered by a column, equal values in element order.
    std::vector<int> ordine(ColonnaStatistiche colonna, bool discendente) const;

private:
    struct Frazione {
        long long numeratore;
        long long denominatore;
    };
    Frazione probabilitaRuota() const;
    Frazione frazioneAttese() const;
    template <class Segna>
    void scorri(const ArchivioEstrazioni& archivio, Segna&& segna);

    RichiestaStatistiche richiesta_;
    std::vector<FiguraStatistica> figure_;
    std::vector<std::uint8_t> ruotePerEstrazione_;  // per counted draw: chosen wheels drawn
    long long estrazioniRuota_ = 0;
};

// The header text of a column ("Numero" for the element).
std::string_view intestazioneStatistiche(ColonnaStatistiche colonna);
// Name of a column as --ordina takes it: the header text, letter case, blanks and dots aside.
std::optional<ColonnaStatistiche> colonnaStatistiche(std::string_view nome);
// The order a click on a column gives first: the element ascending, every figure descending.
bool discendentePerPrimo(ColonnaStatistiche colonna);

// FgStatistiche: one row per element in `ordine`; rows whose current delay is their longest
// ever are highlighted.
void riempiStatistiche(Griglia& tabella, const Statistiche& statistiche, const ArchivioEstrazioni& archivio,
                       const std::vector<int>& ordine);

}  // namespace quorvane
