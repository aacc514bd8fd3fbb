#pragma once
// The orthogonal systems window: a stored system developed on the numbers chosen on a panel.
#include <QWidget>

#include "analyses/SviluppoSistema.h"

class QLabel;

namespace quorvane {

class DatabaseProgramma;
class VistaGriglia;

class FinestraSistemiOrtogonali : public QWidget {
    Q_OBJECT
public:
    explicit FinestraSistemiOrtogonali(DatabaseProgramma& programma, QWidget* padre = nullptr);

    void ricarica();       // Command12
    void caricaSistema();  // double click on FgSistemi: the system of its current row
    void prepara();        // Command34
    void sostituisci();    // Command36

private:
    void scegliNumero(int riga, int colonna);
    void mostraScelta();

    DatabaseProgramma& programma_;
    SviluppoSistema sviluppo_;
    VistaGriglia* tabellaSistemi_;       // FgSistemi
    VistaGriglia* tabellaRigheSalvate_;  // FGSv1
    VistaGriglia* tabellaSistemaBase_;   // FgSy
    VistaGriglia* tabellaSostituzioni_;  // Fg99
    VistaGriglia* pannelloNumeri_;       // Fg99x
    VistaGriglia* tabellaSviluppo_;      // fG88
    QLabel* etichettaScelti_;            // Label20
};

}  // namespace quorvane
