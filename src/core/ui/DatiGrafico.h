#pragma once
// What a chart shows, as plain data: the windows fill it from engine results and the chart widget
// draws it, so that a test can read what a window charted without looking at pixels.
#include <QColor>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

namespace quorvane {

struct SerieGrafico {
    enum class Forma { Barre, Linea, LineaTratteggiata };
    QString nome;  // in the legend and the tooltip
    Forma forma = Forma::Barre;
    QColor colore = QColor(70, 110, 170);
    std::vector<double> x;  // lines: the abscissas, increasing; bars: none, bar i stands on item i
    std::vector<double> y;
    std::vector<QString> didascalie;  // lines: what each point is (a date), for the tooltip
};

// What chance gives every item: a line at `valore`, a band from valore - 2σ to valore + 2σ.
struct CasoGrafico {
    double valore = 0;
    double sigma = 0;  // 0: no band
    // The lowest value the figure can take (0 for a count or a delay): the band stops there.
    std::optional<double> minimo;

    double sotto() const { return minimo ? std::max(*minimo, valore - 2 * sigma) : valore - 2 * sigma; }
    double sopra() const { return valore + 2 * sigma; }
};

struct DatiGrafico {
    QString titolo;
    std::vector<QString> elementi;  // bar charts: the name under each bar, left to right
    std::vector<SerieGrafico> serie;
    std::optional<CasoGrafico> caso;
    int decimali = 0;         // of the values in the tooltip
    double passoMinimoX = 0;  // lines: the smallest step between two ticks (1 for years)
    bool vuoto() const { return serie.empty(); }
    bool aBarre() const;
};

// Each item's distance from chance in standard deviations, (observed - expected) / sigma, with
// the band from -2 to 2 where chance puts about 95 items in 100.
DatiGrafico datiScarto(const QString& titolo, std::vector<QString> elementi, std::vector<double> scarti);

// A value as the chart writes it: Italian decimal comma, no thousands separator, no "-0".
QString testoValoreGrafico(double valore, int decimali);
// "Caso: 12,34" and "±2σ: 5,00 – 19,68", in the legend and the tooltip.
QString testoCaso(const CasoGrafico& caso);
QString testoFascia(const CasoGrafico& caso);

}  // namespace quorvane
