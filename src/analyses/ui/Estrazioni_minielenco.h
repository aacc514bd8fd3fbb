#pragma once
// The mini list: one draw at a time, its ordinals, and marks the user puts on its numbers.
#include <QWidget>

#include "analyses/MiniElenco.h"

class QLabel;

namespace quorvane {

class BarraEstrazioni;
class Sessione;
class VistaGriglia;

class Estrazioni_minielenco : public QWidget {
    Q_OBJECT
public:
    explicit Estrazioni_minielenco(Sessione& sessione, QWidget* padre = nullptr);

private:
    void mostra(int estrazione);
    void segna(int riga, int colonna);
    void cancellaSegni();

    Sessione& sessione_;
    MiniElenco elenco_;
    BarraEstrazioni* hs1_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    VistaGriglia* fg2_;
};

}  // namespace quorvane
