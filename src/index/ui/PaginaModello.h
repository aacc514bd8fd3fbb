#pragma once
// The model table of the index window, with the verification of a row and the historical test.
#include <QPointer>
#include <QWidget>

#include "index/ui/ContestoIndice.h"

namespace quorvane {

class FinestraVerificaPrevisione;
class FinestraVerificaStorica;
class VistaGriglia;

class PaginaModello : public QWidget {
    Q_OBJECT
public:
    PaginaModello(ContestoIndice& contesto, QWidget* padre = nullptr);

    // "Verifica previsione" of the selected model row.
    void verificaPrevisione();
    // "Verifica storica": opens the window, or brings the open one forward with its results.
    void verificaStorica();
    // The options of the index window changed: an open historical test shows them.
    void seguiOpzioni();
    void mostra();
    // The archive was reloaded: an open verification shows its model draw on the new draws, or
    // closes when the table no longer has that row.
    void seguiArchivio();

private:
    ContestoIndice& contesto_;
    QPointer<FinestraVerificaPrevisione> verifica_;
    int rigaVerificata_ = 0;
    QPointer<FinestraVerificaStorica> storica_;
    VistaGriglia* tabellaModello_;  // FgV
};

}  // namespace quorvane
