#pragma once
// The "Statistiche" window: frequencies and delays of the numbers, pairs, a number in one
// position or groups of numbers, as a grid and a chart.
#include <QWidget>
#include <array>
#include <vector>

#include "analyses/Statistiche.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace quorvane {

class GraficoStatistiche;
class SceltaPeriodo;
class Sessione;
class VistaGriglia;

class FinestraStatistiche : public QWidget {
    Q_OBJECT
public:
    // The places of the kinds in ComboTipo, and of the player's lists in ComboGruppi after the families.
    enum Tipo { TipoEstratti, TipoAmbi, TipoPosizione, TipoGruppi };
    static constexpr int ListeProprie = 4;

    explicit FinestraStatistiche(Sessione& sessione, QWidget* padre = nullptr);

    // CmdCalcola: the figures of the chosen kind, wheels and period; a refused request says why
    // and leaves the grid and the chart empty.
    void calcola();
    // A click on a column header: sorted by it, the other way on a second click.
    void ordinaPer(int colonna);
    // Selects the grid row of an element, as a click on its bar does.
    void selezionaElemento(int elemento);
    // The numbers on the given wheels over dal..al, with the row of `numero` selected.
    void mostraNumero(int numero, const std::array<bool, NumRuote>& ruote, int dal, int al);

private:
    void archivioRicaricato();
    void mostraScelte();
    void mostraGrafico();
    void riempi();
    // The groups of the chosen family, or the player's lists; none, with the message shown,
    // when the lists cannot be read.
    std::optional<std::vector<GruppoNumeri>> gruppiScelti();
    void salvaLista();
    void eliminaLista();

    Sessione& sessione_;
    Statistiche statistiche_;
    bool calcolate_ = false;
    ColonnaStatistiche colonna_ = ColonnaStatistiche::Elemento;
    bool discendente_ = false;
    std::vector<int> ordine_;  // the element of each grid row after the header

    QComboBox* sceltaTipo_;
    QSpinBox* sceltaPosizione_;
    QComboBox* sceltaGruppi_;
    QPushButton* salvaLista_;
    QPushButton* eliminaLista_;
    std::array<QCheckBox*, NumRuote> ruote_{};
    SceltaPeriodo* periodo_;
    QComboBox* sceltaGrafico_;
    VistaGriglia* tabella_;  // FgStatistiche
    GraficoStatistiche* grafico_;
};

}  // namespace quorvane
