#pragma once
// The chart of the statistics: one figure per number, pair or group against what chance gives
// it, or how far each is from chance in standard deviations ("Scarto dal caso").
#include <vector>

#include "core/ui/Grafico.h"

namespace quorvane {

class Statistiche;
enum class ColonnaStatistiche;

class GraficoStatistiche : public Grafico {
    Q_OBJECT
public:
    // The figures a chart can show: those chance gives a value for.
    static const std::vector<ColonnaStatistiche>& figure();
    static constexpr int BarreAmbi = 50;

    explicit GraficoStatistiche(QWidget* padre = nullptr);

    // The 90 numbers or the groups in order, or the 50 pairs highest by the figure; the vertical
    // axis starts from 0, with the chance line and its band of two standard deviations.
    void mostra(const Statistiche& statistiche, ColonnaStatistiche figura);
    // (presenze - attese) / sigma of each element, with the band from -2 to 2: the pairs shown
    // are the 50 farthest above chance.
    void mostraScarto(const Statistiche& statistiche);
    void svuota();

    // The element of each bar, left to right.
    const std::vector<int>& elementi() const { return elementi_; }

signals:
    void elementoCliccato(int elemento);

private:
    // The elements charted, in order, and the chart's title for the figure named `nome`.
    QString scegliElementi(const Statistiche& statistiche, const std::vector<int>& ordineAmbi, const QString& nome);

    std::vector<int> elementi_;
};

}  // namespace quorvane
