#pragma once
// "Previsioni": the forecast list with its coverage counts and its commands, and the
// statistical summary of its verification.
#include <QGroupBox>
#include <QPointer>

#include "index/ui/ContestoIndice.h"

class QLabel;

namespace quorvane {

struct Previsione;
class FinestraRiepilogo;
class VistaGriglia;

class PaginaPrevisioni : public QGroupBox {
    Q_OBJECT
public:
    PaginaPrevisioni(ContestoIndice& contesto, QWidget* padre = nullptr);

    // The forecast of the selected row, or null.
    const Previsione* selezionata() const;

    void visualizzaSfaldamenti();
    void rimuoveRigaSelezionata();
    void azzeraPrevisioni();
    // "Copia numeri riga in selezione": the numbers of the selected forecast join the board.
    void copiaNumeriPrevisioneInSelezione();
    void riepilogoStatistico();
    void mostra();

signals:
    void previsioniCambiate();
    void formazioniCambiate();
    void numeriInSelezione();

private:
    int rigaSelezionata() const;  // 0 when no forecast is selected
    void modificaSorte(int riga, int colonna);
    void attivaTutte(bool attive);

    ContestoIndice& contesto_;
    QPointer<FinestraRiepilogo> riepilogo_;

    VistaGriglia* tabellaPrevisioni_;  // Fg_ZZ
    QLabel* etichettaCoperti_;         // Lbl_T
    QLabel* etichettaScoperti_;        // Lbl_S
};

}  // namespace quorvane
