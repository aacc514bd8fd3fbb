#pragma once
// The "Numeri spia" window: which numbers come out in the draws after a number came out on a
// wheel, sorted by the chance of seeing as much, with the verdict under the table.
#include <QWidget>
#include <array>

#include "analyses/NumeriSpia.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace quorvane {

class Grafico;
class SceltaPeriodo;
class Sessione;
class VistaGriglia;

class FinestraSpia : public QWidget {
    Q_OBJECT
public:
    explicit FinestraSpia(Sessione& sessione, QWidget* padre = nullptr);

    // CmdCalcola: the followers of the chosen spy; a refused request says why and leaves the
    // window empty.
    void calcola();
    const NumeriSpia& spia() const { return spia_; }
    // The title of the printout: the window's, with the spy once computed.
    QString titoloStampa() const;
    Grafico* grafico() const { return grafico_; }

private:
    void archivioRicaricato();
    void mostraGrafico();

    Sessione& sessione_;
    NumeriSpia spia_;
    bool calcolata_ = false;

    QSpinBox* sceltaNumero_;
    QComboBox* sceltaRuota_;
    QComboBox* sceltaPosizione_;
    QSpinBox* sceltaColpi_;
    std::array<QCheckBox*, NumRuote> bersaglio_{};
    SceltaPeriodo* periodo_;
    VistaGriglia* tabella_;     // FgSpia
    QLabel* verdetto_;          // LblVerdetto
    QComboBox* sceltaGrafico_;  // ComboGrafico: the cases, or their distance from chance
    Grafico* grafico_;          // GraficoSpia
};

}  // namespace quorvane
