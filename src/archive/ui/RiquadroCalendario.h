#pragma once
// "Calendario estrazioni" on the page "Gestione estrazioni": a year's draws month by day; a
// click on a day chooses its draw. It reads the dates from the archive database in use.
#include <QGroupBox>

#include "core/Data.h"

class QCheckBox;
class QComboBox;

namespace quorvane {

class Sessione;
class VistaGriglia;

class RiquadroCalendario : public QGroupBox {
    Q_OBJECT
public:
    explicit RiquadroCalendario(Sessione& sessione, QWidget* padre = nullptr);

    // The calendar of the year chosen; a failed read of the archive leaves an empty table and
    // no message, as a year without draws.
    void caricaCalendario();

signals:
    // A day cell was clicked: its date, and its draw in the archive in memory (0 when none).
    void giornoScelto(int estrazione, const Data& data);

private:
    void cliccaCalendario(int riga, int colonna);

    Sessione& sessione_;
    QComboBox* sceltaAnno_;      // Combo1
    QCheckBox* sigleGiorni_;     // Check2
    VistaGriglia* tabellaAnno_;  // fg1
};

}  // namespace quorvane
