#pragma once
// "Riepilogo statistico": the hits of the last verification by size of forecast and by colpo,
// each colpo's share drawn as a bar in its cell.
#include <QWidget>

#include "index/Riepilogo.h"

class QLabel;

namespace quorvane {

class VistaGriglia;
class BarraPercentuale;

class FinestraRiepilogo : public QWidget {
    Q_OBJECT
public:
    static constexpr int ArgomentoHelp = 410;

    explicit FinestraRiepilogo(QWidget* padre = nullptr);
    // Fills both grids and the total from the counters, then shows the window in front.
    void mostra(const ContatoriVerifica& contatori);

private:
    void riempi(const ContatoriVerifica& contatori);

    VistaGriglia* esitiPerQuantita_;
    VistaGriglia* esitiPerColpo_;
    QLabel* etichettaTotale_;
    BarraPercentuale* barra_;
};

}  // namespace quorvane
