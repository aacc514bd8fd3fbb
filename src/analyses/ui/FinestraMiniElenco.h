#pragma once
// The mini list: one draw at a time, its ordinals, and marks the user puts on its numbers.
#include <QWidget>

#include "analyses/MiniElenco.h"

class QLabel;
class QScrollBar;

namespace quorvane {

class Sessione;
class VistaGriglia;

class FinestraMiniElenco : public QWidget {
    Q_OBJECT
public:
    explicit FinestraMiniElenco(Sessione& sessione, QWidget* padre = nullptr);

private:
    void mostra(int estrazione);
    // The labels and the grid of the draw in elenco_, its marks as they are.
    void riempi();
    // A line under the buttons; empty hides it.
    void mostraNota(const QString& nota);
    // The archive was reloaded: the draw shown is kept when it still exists, else the last.
    void archivioRicaricato();
    void segna(int riga, int colonna);
    void cancellaSegni();

    Sessione& sessione_;
    MiniElenco elenco_;
    std::string data_;              // the date of the draw shown, to find it again after a reload
    QScrollBar* barraEstrazione_;   // hs1
    QLabel* etichettaData_;         // Label1
    QLabel* etichettaIndice_;       // Label2
    QLabel* etichettaProgressivi_;  // Label3
    VistaGriglia* tabellaRuote_;    // Fg2
    QLabel* etichettaNota_;         // what a reload of the archive changed
};

}  // namespace quorvane
