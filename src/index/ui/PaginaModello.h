#pragma once
// The model table of the index window, with the verification of a row and the historical test.
#include <QPointer>
#include <QWidget>

#include "index/ui/ContestoIndice.h"

namespace quorvane {

class FinestraVerificaPrevisione;
class VistaGriglia;

class PaginaModello : public QWidget {
    Q_OBJECT
public:
    PaginaModello(ContestoIndice& contesto, QWidget* padre = nullptr);

    // "Verifica previsione" of the selected model row.
    void verificaPrevisione();
    void verificaStorica();
    void mostra();
    // The draws the verification showed are gone.
    void chiudiVerifica();

private:
    ContestoIndice& contesto_;
    QPointer<FinestraVerificaPrevisione> verifica_;
    VistaGriglia* tabellaModello_;  // FgV
};

}  // namespace quorvane
