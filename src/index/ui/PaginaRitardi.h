#pragma once
// "Ritardo dei numeri": the delay of every number on every wheel, optionally only the numbers
// of the forecasts.
#include <QWidget>

#include "index/ui/ContestoIndice.h"

namespace quorvane {

class VistaGriglia;

class PaginaRitardi : public QWidget {
    Q_OBJECT
public:
    PaginaRitardi(ContestoIndice& contesto, QWidget* padre = nullptr);

    void filtraNumeriDellePrevisioni();
    void visualizzaTutti();
    // The delays as the method holds them; nothing before the first model draws.
    void mostra();
    void svuota();

private:
    ContestoIndice& contesto_;
    VistaGriglia* tabellaRitardi_;  // FgRit
};

}  // namespace quorvane
