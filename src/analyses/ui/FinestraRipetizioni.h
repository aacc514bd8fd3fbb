#pragma once
// The repetitions window: numbers drawn on every wheel of a group in each of the last draws.
#include <QWidget>

#include "analyses/Ripetizioni.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace quorvane {

class Sessione;
class VistaGriglia;

class FinestraRipetizioni : public QWidget {
    Q_OBJECT
public:
    explicit FinestraRipetizioni(Sessione& sessione, QWidget* padre = nullptr);

    void rilevazione();   // Command2 runs it, then COMBINAZIONI
    void combinazioni();  // Command3
    void visualizza();    // Command1

private:
    void fineCambiata(int fine);
    // The archive was reloaded: the end draw is kept when it still exists, the lists follow.
    void archivioRicaricato();
    void scegliPerIndice();
    void scegliPerData();

    Sessione& sessione_;
    Ripetizioni ripetizioni_;
    int fine_ = 0;                      // the end draw of the analysis
    std::string dataFine_;              // its date, to find it again after a reload
    QScrollBar* barraFine_;             // hFine
    QLabel* etichettaFine_;             // labend
    QComboBox* sceltaEstrazioni_;       // ComboE
    QComboBox* sceltaRuote_;            // ComboR
    QComboBox* sceltaNumero_;           // ComboN
    QLabel* etichettaEsito_;            // what the last search found, and what a reload changed
    VistaGriglia* tabellaRipetizioni_;  // Fg2
    VistaGriglia* tabellaUscite_;       // fg1
};

}  // namespace quorvane
