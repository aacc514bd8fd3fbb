#pragma once
// The "Tabellone analitico" window: one figure of every number on every wheel and on the ten
// regional wheels together, shaded in bands; a click on a cell asks for that number's statistics.
#include <QWidget>
#include <array>

#include "analyses/TabelloneAnalitico.h"

class QComboBox;
class QLabel;

namespace quorvane {

class SceltaPeriodo;
class Sessione;
class VistaGriglia;

class FinestraTabellone : public QWidget {
    Q_OBJECT
public:
    explicit FinestraTabellone(Sessione& sessione, QWidget* padre = nullptr);

    // CmdCalcola: the board of the chosen figure over the period.
    void calcola();
    const TabelloneAnalitico& tabellone() const { return tabellone_; }

signals:
    // A click on the cell of `numero` on `ruote` (one wheel, or the ten regional ones for TT).
    void statisticheNumero(int numero, const std::array<bool, NumRuote>& ruote, int dal, int al);

private:
    void archivioRicaricato();
    void riempi();
    void cellaCliccata(int riga, int colonna);
    // The bands of a grid column (1..12): the column of the cell last chosen.
    void mostraLegenda(int colonna);

    Sessione& sessione_;
    TabelloneAnalitico tabellone_;
    bool calcolato_ = false;

    QComboBox* sceltaValore_;
    SceltaPeriodo* periodo_;
    VistaGriglia* tabella_;  // FgTabellone
    QLabel* titoloLegenda_;  // LblLegenda
    std::array<QLabel*, NumFasceTabellone> legenda_{};
    int colonnaLegenda_ = 1;
};

}  // namespace quorvane
