#pragma once
// The "Statistiche" window: frequencies and delays of the numbers or pairs, as a grid and a chart.
#include <QWidget>
#include <array>
#include <vector>

#include "analyses/Statistiche.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace quorvane {

class CasellaEstrazione;
class GraficoStatistiche;
class Sessione;
class VistaGriglia;

class FinestraStatistiche : public QWidget {
    Q_OBJECT
public:
    explicit FinestraStatistiche(Sessione& sessione, QWidget* padre = nullptr);

    // CmdCalcola: the figures of the chosen kind, wheels and period; a refused request says why
    // and leaves the grid and the chart empty.
    void calcola();
    // A click on a column header: sorted by it, the other way on a second click.
    void ordinaPer(int colonna);
    // Selects the grid row of an element, as a click on its bar does.
    void selezionaElemento(int elemento);

private:
    void archivioRicaricato();
    void mostraDate();
    void mostraGrafico();
    void riempi();

    Sessione& sessione_;
    Statistiche statistiche_;
    bool calcolate_ = false;
    ColonnaStatistiche colonna_ = ColonnaStatistiche::Elemento;
    bool discendente_ = false;
    std::vector<int> ordine_;  // the element of each grid row after the header

    QComboBox* sceltaTipo_;
    std::array<QCheckBox*, NumRuote> ruote_{};
    CasellaEstrazione* dal_;
    CasellaEstrazione* al_;
    QLabel* dataDal_;
    QLabel* dataAl_;
    QComboBox* sceltaGrafico_;
    VistaGriglia* tabella_;  // FgStatistiche
    GraficoStatistiche* grafico_;
};

}  // namespace quorvane
