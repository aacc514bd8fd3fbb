#pragma once
// "Ruote in gioco": the wheel board and "RICAVA BASE DATI", which builds the model draws on the
// wheels and options chosen.
#include <QGroupBox>

#include "index/ui/ContestoIndice.h"

namespace quorvane {

class VistaGriglia;

class PaginaRuote : public QGroupBox {
    Q_OBJECT
public:
    PaginaRuote(ContestoIndice& contesto, QWidget* padre = nullptr);

    // A forecast list already built is kept or emptied as the player answers; a configuration
    // being opened (`chiedi` false) brings its own.
    void ricavaBaseDati(bool chiedi = true);
    void mostra();

signals:
    // After "RICAVA BASE DATI"; `trovate` false when no model draw qualified.
    void baseDatiRicavata(bool trovate);
    // The board was shown again after a change of the wheels in play.
    void ruoteCambiate();

private:
    ContestoIndice& contesto_;
    VistaGriglia* tavolaRuote_;  // FgR
};

}  // namespace quorvane
