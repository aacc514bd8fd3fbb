#pragma once
// The quadrature window: four numbers picked from a list, their sums and distances.
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

#include "analyses/Quadratura.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace quorvane {

class VistaGriglia;

class FinestraQuadrature : public QWidget {
    Q_OBJECT
public:
    explicit FinestraQuadrature(QWidget* padre = nullptr);

    // Command1: reads the four boxes and writes every result; refuses, with a message, a square
    // without four numbers.
    void calcola();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void scegli(QListWidgetItem* voce);
    void evidenzia(int riga);
    // Command2: empties the boxes, the results and the highlights.
    void reset();
    // After every change of a box: the results of four numbers, or none.
    void ricalcola();
    void mostra(const std::array<int, 4>& numeri);
    // The four numbers; nothing when a box is empty or out of 1..90 (named in `mancanti`).
    std::optional<std::array<int, 4>> numeriScelti(QStringList* mancanti) const;
    void coloraCaselle(Colore colore);
    void coloraEtichette(Colore colore);
    QLabel* etichettaRisultato(Coppia coppia, bool somma) const;

    std::array<QLineEdit*, 4> caselleNumeri_{};
    std::array<QLabel*, NumCoppie> somme_{};
    std::array<QLabel*, NumCoppie> distanze_{};
    QLabel* etichettaTotale_;         // LblTS
    QListWidget* elencoNumeri_;       // List1
    VistaGriglia* tabellaRisultati_;  // fg1
    int ultimaCasella_ = 0;           // 0..3
};

}  // namespace quorvane
