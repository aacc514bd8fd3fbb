#pragma once
// "Selezione": the number board, where a forecast is made of chosen numbers.
#include <QWidget>

#include "index/ui/ContestoIndice.h"

class QRadioButton;

namespace quorvane {

class VistaGriglia;

class PaginaSelezione : public QWidget {
    Q_OBJECT
public:
    PaginaSelezione(ContestoIndice& contesto, QWidget* padre = nullptr);

    // "Aggiunge previsione": the chosen numbers with the sorte ticked.
    void aggiungePrevisione();
    void mostra();

signals:
    void previsioniCambiate();

private:
    ContestoIndice& contesto_;
    VistaGriglia* tavolaNumeri_;    // Fg90
    QRadioButton* sceltaSorte_[3];  // Option1 ambata, Option2 ambo, Option5 terno
};

}  // namespace quorvane
