#pragma once
// Across the top of the index window: the end of the model period ("Estrazione finale del
// periodo"), the options of the model draws ("Estrazioni modello") and the selected draw with
// the legend of the outcome colours.
#include <QWidget>
#include <string>

#include "index/ui/ContestoIndice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollBar;

namespace quorvane {

struct AnalisiIndice;
struct Configurazione;
class VistaGriglia;

class PaginaPeriodo : public QWidget {
    Q_OBJECT
public:
    PaginaPeriodo(ContestoIndice& contesto, QWidget* padre = nullptr);

    // The options as the controls show them, into the analysis.
    void leggiOpzioni(AnalisiIndice& analisi) const;
    bool fineRicerca() const;
    // The selected draw and the options as positions in their lists.
    void scriviIn(Configurazione& configurazione) const;
    // The options of a saved configuration; the selected draw only with `conEstrazione`.
    void applica(const Configurazione& configurazione, bool conEstrazione);
    // The selected draw and the options of the model draws of an analysis taken up again.
    void mostraOpzioni(const AnalisiIndice& analisi);
    // The archive was reloaded: the selected draw is kept when it still exists, else
    // `sostituta` (the end of a redone analysis) when given, else the last draw.
    void seguiArchivio(int sostituta = 0);

    void ultima();
    void selezionaPerNumeroIndice();
    void selezionaPerData();
    void utilizzaQuestaEstrazioneDelMese();

private:
    QWidget* creaPeriodo();
    QWidget* creaOpzioni();
    QWidget* creaEstrazioneMostrata();
    void sceltaEstrazione(int valore);

    ContestoIndice& contesto_;
    std::string dataScelta_;   // the date of the selected draw, to find it again after a reload
    int progressivoMese_ = 0;  // the selected draw's ordinal within its month

    QScrollBar* barraFine_;             // hFine
    QLabel* etichettaFine_;             // labend: "N del GG/MM/AAAA"
    QLabel* etichettaIndiceData_;       // Label4
    QLabel* etichettaNelMese_;          // Label7
    QComboBox* sceltaMensile_;          // ComboMensile
    QComboBox* sceltaPresenze_;         // ComboPresenze
    QComboBox* sceltaColpi_;            // ComboC
    QCheckBox* casellaFineRicerca_;     // Ch_Fine
    QCheckBox* casellaForzaUltima_;     // Ch_ultima
    VistaGriglia* estrazioneMostrata_;  // fga
};

}  // namespace quorvane
