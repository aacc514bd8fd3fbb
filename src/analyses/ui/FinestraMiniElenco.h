#pragma once
// The mini list: one draw at a time, its ordinals, and marks the user puts on its numbers.
#include <QWidget>

#include "analyses/MiniElenco.h"

class QLabel;
class QScrollBar;

namespace quorvane {

class Sessione;
class VistaGriglia;

class Estrazioni_minielenco : public QWidget {
    Q_OBJECT
public:
    explicit Estrazioni_minielenco(Sessione& sessione, QWidget* padre = nullptr);

private:
    void mostra(int estrazione);
    // The archive was reloaded: the draw shown is kept when it still exists, else the last.
    void archivioRicaricato();
    void segna(int riga, int colonna);
    void cancellaSegni();

    Sessione& sessione_;
    MiniElenco elenco_;
    std::string data_;  // the date of the draw shown, to find it again after a reload
    QScrollBar* hs1_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    VistaGriglia* fg2_;
};

}  // namespace quorvane
