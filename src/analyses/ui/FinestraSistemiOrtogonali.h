#pragma once
// The orthogonal systems window: a stored system developed on the numbers chosen on a panel.
#include <QWidget>

#include "analyses/SviluppoSistema.h"

class QLabel;

namespace quorvane {

class DatabaseProgramma;
class VistaGriglia;

class SistemiOrtogonali : public QWidget {
    Q_OBJECT
public:
    explicit SistemiOrtogonali(DatabaseProgramma& programma, QWidget* padre = nullptr);

    void ricarica();        // Command12
    void caricaSistema();   // double click on FgSistemi: the system of its current row
    void prepara();         // Command34
    void sostituisci();     // Command36

private:
    void scegliNumero(int riga, int colonna);
    void mostraScelta();

    DatabaseProgramma& programma_;
    SviluppoSistema sviluppo_;
    VistaGriglia* fgSistemi_;
    VistaGriglia* fgSv1_;
    VistaGriglia* fgSy_;
    VistaGriglia* fg99_;
    VistaGriglia* fg99x_;
    VistaGriglia* fG88_;
    QLabel* label20_;
};

}  // namespace quorvane
