#pragma once
// "Elenco": the options of the elaborations, the formations they find and the adding of a
// formation to the forecasts or to the memo.
#include <QWidget>
#include <string>
#include <vector>

#include "index/ui/ContestoIndice.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace quorvane {

struct AnalisiIndice;
class VistaGriglia;

class PaginaFormazioni : public QWidget {
    Q_OBJECT
public:
    PaginaFormazioni(ContestoIndice& contesto, QWidget* padre = nullptr);

    // The options of the elaborations this page shows, into the analysis.
    void leggiOpzioni(AnalisiIndice& analisi) const;
    // QN as chosen by a command (the pairs make single numbers).
    void scegliQuantita(int quantita);

    void elaborazioneModalita1();
    void elaborazioneModalita2();
    // "Aggiunge previsione" from the selected formation.
    void aggiungePrevisione();
    void aggiungeRigaSelezionataAMemo();
    void mostra();

signals:
    void previsioniCambiate();
    // For the window's message line: why an elaboration has nothing to offer.
    void avviso(const QString& testo);
    // The cells of a formation row, coverage first, for "Memo serie".
    void rigaPerMemo(const std::vector<std::string>& celle);

private:
    void clicFormazione(int riga);

    ContestoIndice& contesto_;
    int rigaFormazione_ = 0;  // selected row of the table, 0 = none

    VistaGriglia* tabellaFormazioni_;  // Fg_CC
    QComboBox* sceltaQuantita_;        // ComboN: QN
    QComboBox* sceltaCapogioco_;       // ComboCG
    QRadioButton* sceltaAmbataAmbo_;   // Option3; Option4 is the terno
    QCheckBox* casellaVeloce_;         // ChFast
};

}  // namespace quorvane
