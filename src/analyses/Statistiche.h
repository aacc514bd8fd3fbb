#pragma once
// Frequencies and delays on a group of wheels over a period of draws, with what chance would
// give: of the 90 numbers, of the 4,005 pairs, of the 90 numbers in one position of the draw
// (estratto determinato), or of groups of numbers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analyses/ComuneStatistiche.h"
#include "analyses/GruppiNumeri.h"
#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

namespace quorvane {

enum class TipoStatistiche {
    Estratti,
    Ambi,
    Posizione,  // a number counts only when it is drawn in the chosen position
    Gruppi,     // a group counts when any member comes out; each member drawn is a presence
};

inline constexpr int NumAmbi = 4005;

// Place 0..4004 of the pair a-b (1 <= a < b <= 90) in the order 1-2, 1-3, ..., 89-90.
constexpr int indiceAmbo(int a, int b) {
    return (a - 1) * 90 - (a - 1) * a / 2 + (b - a - 1);
}

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
    int al = 0;                        // 0: the last draw
    int posizione = 1;                 // 1..5, for Posizione
    std::vector<GruppoNumeri> gruppi;  // for Gruppi
};

// The figures a view can show; the grid of numbers and pairs shows the first eleven in this
// order, the last of them the wheels of the last exit. Numeri are a group's members.
enum class ColonnaStatistiche {
    Elemento,
    Presenze,
    Attese,
    Rapporto,
    RitardoAttuale,
    RitardoMassimo,
    FineMassimo,
    RitardoMedio,
    Ultima,
    DataUltima,
    RuoteUltima,
    Numeri
};
inline constexpr int NumColonneStatistiche = 11;

// The columns of the grid of a kind, in order: groups show their members after their name and
// no wheels of the last exit.
std::vector<ColonnaStatistiche> colonneStatistiche(TipoStatistiche tipo);

// The figures of one number, pair or group. Draws are archive indexes; 0 where there is none.
struct FiguraStatistica {
    int presenze = 0;          // (draw, wheel) in which it came out; for a group, (draw, wheel, member)
    int estrazioniUscita = 0;  // counted draws in which it came out on some chosen wheel
    int ritardoAttuale = 0;
    int ritardoMassimo = 0;
    int fineMassimo = 0;  // the draw that ended the longest run; 0 when it is the current one
    int ultima = 0;
    int ultimaContata = 0;          // the same draw as an ordinal among the counted draws
    std::uint16_t ruoteUltima = 0;  // bit w - 1 for wheel w
};

// One exit in archive draw d, the k-th counted draw, on wheel w.
inline void segnaUscita(FiguraStatistica& f, int d, int k, int w) {
    ++f.presenze;
    const auto ruota = static_cast<std::uint16_t>(1u << (w - 1));
    if (f.ultimaContata == k) {  // again in the same draw, on another wheel
        f.ruoteUltima |= ruota;
        return;
    }
    // Ties go to the later run, so that a current delay equal to the longest is the longest.
    const int corsa = k - f.ultimaContata - 1;
    if (corsa >= f.ritardoMassimo) {
        f.ritardoMassimo = corsa;
        f.fineMassimo = d;
    }
    f.ultimaContata = k;
    f.ultima = d;
    f.ruoteUltima = ruota;
    ++f.estrazioniUscita;
}

// After the last of `contate` counted draws: the current delay, which is the longest when it ties.
inline void chiudiRitardi(FiguraStatistica& f, int contate) {
    f.ritardoAttuale = contate - f.ultimaContata;
    if (f.ritardoAttuale >= f.ritardoMassimo) {
        f.ritardoMassimo = f.ritardoAttuale;
        f.fineMassimo = 0;
    }
}

class Statistiche {
public:
    // Computes every figure from the archive in memory. A refused request changes nothing.
    ErroreStatistiche calcola(const ArchivioEstrazioni& archivio, const RichiestaStatistiche& richiesta);

    const RichiestaStatistiche& richiesta() const { return richiesta_; }
    int elementi() const { return static_cast<int>(figure_.size()); }
    const FiguraStatistica& figura(int elemento) const { return figure_[static_cast<std::size_t>(elemento)]; }
    // "7" for a number, "3-45" for a pair, the name of a group.
    std::string nome(int elemento) const;
    // Draws of the period in which at least one chosen wheel has numbers.
    int estrazioniContate() const { return static_cast<int>(ruotePerEstrazione_.size()); }
    // (draw, chosen wheel) with numbers, over the counted draws.
    long long estrazioniRuota() const { return estrazioniRuota_; }

    // Chance: each (draw, wheel) gives a number 5/90 times on average, a pair 10/4005, a number
    // in one position 1/90, the members of a group of s numbers 5s/90.
    double attese(int elemento = 0) const;
    // True when every element has the same chance, so that one line on a chart shows it.
    bool casoComune() const;
    double rapporto(int elemento) const;  // presenze / attese; 0 when nothing was expected
    double ritardoMedio(int elemento) const;
    // What an element that comes out by chance would show: its expected current delay, and the
    // mean delay of one that came out in the expected count of draws.
    double ritardoAttualeCaso(int elemento = 0) const;
    double ritardoMedioCaso(int elemento = 0) const;
    // What chance gives for a column, the line across the chart; none for the other columns, nor
    // for groups of different sizes but for the ratio.
    std::optional<double> valoreCaso(ColonnaStatistiche colonna) const;
    // The standard deviation of an element's presences under chance, exact: every (draw, wheel)
    // is independent, and the members of a group drawn from one wheel are hypergeometric.
    double sigmaPresenze(int elemento = 0) const;
    // How far the presences are from chance, in standard deviations: (presenze - attese) / sigma.
    double scartoDalCaso(int elemento) const;
    // The standard deviation of a column's figure under chance, for the band around valoreCaso;
    // none where valoreCaso has none, nor for the mean delay.
    std::optional<double> sigmaCaso(ColonnaStatistiche colonna) const;

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
    Frazione attesePerRuota(int elemento) const;
    Frazione frazioneAttese(int elemento) const;
    double varianzaRuota(int elemento) const;  // of the presences given by one (draw, wheel)
    // E[D] and E[D^2] of the current delay D of an element that comes out by chance.
    std::pair<double, double> momentiRitardoAttuale(int elemento) const;
    double mancataRuota(int elemento) const;  // chance that one (draw, wheel) does not give it
    void indicizzaGruppi();
    template <class Segna>
    void scorri(const ArchivioEstrazioni& archivio, Segna&& segna);

    RichiestaStatistiche richiesta_;
    std::vector<FiguraStatistica> figure_;
    // The groups of number n are gruppiDelNumero_[inizioGruppi_[n - 1] .. inizioGruppi_[n] - 1].
    std::array<int, NumeroMassimo + 1> inizioGruppi_{};
    std::vector<int> gruppiDelNumero_;
    std::vector<std::uint8_t> ruotePerEstrazione_;  // per counted draw: chosen wheels drawn
    long long estrazioniRuota_ = 0;
};

// The header text of a column ("Numero" for the element).
std::string_view intestazioneStatistiche(ColonnaStatistiche colonna);
// The header texts of the table of a kind, in order.
std::vector<std::string> intestazioniStatistiche(TipoStatistiche tipo);
// A column of the table of a kind as --ordina names it: the header text, letter case, blanks and
// dots aside ("ambo" and "gruppo" name the element too); none for a column the table has not.
std::optional<ColonnaStatistiche> colonnaStatistiche(std::string_view nome, TipoStatistiche tipo);
// The order a click on a column gives first: the element ascending, every figure descending.
bool discendentePerPrimo(ColonnaStatistiche colonna);

// FgStatistiche: one row per element in `ordine`, the columns of its kind; rows whose current
// delay is their longest ever are highlighted.
void riempiStatistiche(Griglia& tabella, const Statistiche& statistiche, const ArchivioEstrazioni& archivio,
                       const std::vector<int>& ordine);

}  // namespace quorvane
