#pragma once
// The bar chart of one figure of the statistics, with the line of what chance gives.
#include <QChartView>
#include <vector>

class QBarSet;
class QCategoryAxis;
class QLineSeries;

namespace quorvane {

class Statistiche;
enum class ColonnaStatistiche;

class GraficoStatistiche : public QChartView {
    Q_OBJECT
public:
    // The figures a chart can show: those chance gives a value for.
    static const std::vector<ColonnaStatistiche>& figure();
    static constexpr int BarreAmbi = 50;

    explicit GraficoStatistiche(QWidget* padre = nullptr);

    // The horizontal axis of bars 0..n-1 named by `nomi`, every name shown, the first and the
    // last too: a category axis hides the labels at its ends.
    static QCategoryAxis* asseElementi(const QStringList& nomi);

    // The 90 numbers or the groups in order, or the 50 pairs highest by the figure; the vertical
    // axis starts near the data, so that what sets a bar apart from chance shows.
    void mostra(const Statistiche& statistiche, ColonnaStatistiche figura);
    void svuota();

    // The element of each bar, left to right.
    const std::vector<int>& elementi() const { return elementi_; }
    QBarSet* barre() const { return barre_; }
    QLineSeries* lineaCaso() const { return linea_; }  // null when the elements have no common chance

signals:
    void elementoCliccato(int elemento);

private:
    std::vector<int> elementi_;
    QBarSet* barre_ = nullptr;
    QLineSeries* linea_ = nullptr;
};

}  // namespace quorvane
