#include "analyses/ui/GraficoStatistiche.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "analyses/Statistiche.h"

namespace quorvane {

const std::vector<ColonnaStatistiche>& GraficoStatistiche::figure() {
    static const std::vector<ColonnaStatistiche> elenco = {ColonnaStatistiche::Presenze, ColonnaStatistiche::Rapporto,
                                                           ColonnaStatistiche::RitardoAttuale,
                                                           ColonnaStatistiche::RitardoMedio};
    return elenco;
}

GraficoStatistiche::GraficoStatistiche(QWidget* padre) : QChartView(padre) {
    setObjectName(QStringLiteral("GraficoStatistiche"));
    setRenderHint(QPainter::Antialiasing);
    svuota();
}

QCategoryAxis* GraficoStatistiche::asseElementi(const QStringList& nomi) {
    auto* asse = new QCategoryAxis;
    asse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Half a bar more on each side than the bars need leaves room for the end labels.
    asse->setStartValue(-1);
    for (qsizetype i = 0; i < nomi.size(); ++i) asse->append(nomi[i], static_cast<double>(i));
    asse->setRange(-1, static_cast<double>(nomi.size()));
    asse->setLabelsAngle(-90);
    asse->setTruncateLabels(false);
    asse->setGridLineVisible(false);
    QFont piccolo = asse->labelsFont();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.75);
    asse->setLabelsFont(piccolo);
    return asse;
}

void GraficoStatistiche::svuota() {
    elementi_.clear();
    barre_ = nullptr;
    linea_ = nullptr;
    QChart* vecchio = chart();
    setChart(new QChart);
    chart()->legend()->hide();
    delete vecchio;
}

void GraficoStatistiche::mostra(const Statistiche& statistiche, ColonnaStatistiche figura) {
    const TipoStatistiche tipo = statistiche.richiesta().tipo;
    const bool ambi = tipo == TipoStatistiche::Ambi;
    if (ambi) {
        elementi_ = statistiche.ordine(figura, true);
        elementi_.resize(std::min<std::size_t>(elementi_.size(), BarreAmbi));
    } else {
        elementi_.resize(static_cast<std::size_t>(statistiche.elementi()));
        std::iota(elementi_.begin(), elementi_.end(), 0);
    }
    const QString nomeFigura = QString::fromUtf8(intestazioneStatistiche(figura).data(),
                                                 static_cast<qsizetype>(intestazioneStatistiche(figura).size()));
    auto* grafico = new QChart;
    grafico->setLocalizeNumbers(true);  // the Italian decimal comma on the axis
    grafico->setTitle(ambi ? QStringLiteral("%1: i %2 ambi più alti").arg(nomeFigura).arg(elementi_.size())
                      : tipo == TipoStatistiche::Gruppi ? QStringLiteral("%1 dei gruppi").arg(nomeFigura)
                                                        : QStringLiteral("%1 dei 90 numeri").arg(nomeFigura));

    barre_ = new QBarSet(nomeFigura);
    QStringList categorie;
    double minimo = 0, massimo = 0;
    bool interi = true;
    for (int e : elementi_) {
        const double v = statistiche.valore(e, figura);
        *barre_ << v;
        minimo = categorie.isEmpty() ? v : std::min(minimo, v);
        massimo = categorie.isEmpty() ? v : std::max(massimo, v);
        interi = interi && v == std::floor(v);
        categorie << QString::fromStdString(statistiche.nome(e));
    }
    auto* serie = new QBarSeries;
    serie->append(barre_);
    serie->setBarWidth(0.8);
    grafico->addSeries(serie);

    // Drawn across every bar, from the left edge of the first to the right edge of the last;
    // none where the elements have no common chance (groups of different sizes).
    const std::optional<double> caso = statistiche.valoreCaso(figura);
    linea_ = nullptr;
    if (caso) {
        linea_ = new QLineSeries;
        linea_->setName(QStringLiteral("Caso: %L1").arg(*caso, 0, 'f', 2));
        linea_->append(-0.5, *caso);
        linea_->append(static_cast<double>(elementi_.size()) - 0.5, *caso);
        QPen penna(Qt::red);
        penna.setWidth(2);
        linea_->setPen(penna);
        grafico->addSeries(linea_);
        minimo = std::min(minimo, *caso);
        massimo = std::max(massimo, *caso);
    }

    QCategoryAxis* asseX = asseElementi(categorie);
    // The axis starts near the data, not at 0, so that what sets a bar apart from chance shows.
    const double margine = std::max((massimo - minimo) * 0.1, interi ? 1.0 : 0.01);
    auto* asseY = new QValueAxis;
    asseY->setRange(std::max(0.0, minimo - margine), massimo + margine);
    asseY->applyNiceNumbers();
    asseY->setLabelFormat(interi && asseY->max() - asseY->min() >= asseY->tickCount() - 1 ? QStringLiteral("%.0f")
                                                                                          : QStringLiteral("%.2f"));
    grafico->addAxis(asseX, Qt::AlignBottom);
    grafico->addAxis(asseY, Qt::AlignLeft);
    serie->attachAxis(asseX);
    serie->attachAxis(asseY);
    if (linea_) {
        linea_->attachAxis(asseX);
        linea_->attachAxis(asseY);
    }
    grafico->legend()->setAlignment(Qt::AlignTop);

    connect(barre_, &QBarSet::clicked, this, [this](int indice) {
        if (indice >= 0 && indice < static_cast<int>(elementi_.size()))
            emit elementoCliccato(elementi_[static_cast<std::size_t>(indice)]);
    });
    QChart* vecchio = chart();
    setChart(grafico);
    delete vecchio;
}

}  // namespace quorvane
