#pragma once
// The index analysis window: the end of the model period, the options, the model draws with
// their windows, the delays, the pair coverage, the number board and the memo of formations.
#include <QWidget>

#include "index/AnalisiIndice.h"
#include "index/TavolaNumeri.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace quorvane {

class Sessione;
class VistaGriglia;

class Ventrallo : public QWidget {
    Q_OBJECT
public:
    static constexpr int ArgomentoHelp = 400;

    Ventrallo(Sessione& sessione, QProgressBar* avanzamento, QWidget* padre = nullptr);

    const AnalisiIndice& analisi() const { return analisi_; }
    const TavolaNumeri& tavola() const { return tavola_; }

    // Commands, by their captions.
    void RicavaBaseDati();
    void Elabora();
    void Ultima();
    void SelezionaPerNumeroIndice();
    void SelezionaPerData();
    void UtilizzaQuestaEstrazioneDelMese();

private:
    QWidget* creaTestata();
    QWidget* creaEstrazioneMostrata();
    QWidget* creaTabSelezione();
    QWidget* creaTabElenco();
    QWidget* creaTabCoppie();
    QWidget* creaTabDatabase();
    QWidget* creaRitardiEMemo();
    QWidget* creaPrevisioni();
    QWidget* pulsanteHelp(const char* nome);

    void sceltaEstrazione(int valore);
    void leggiOpzioni();
    void mostraRuote();
    void mostraTavola();
    void clicFormazione(int riga);
    void aggiungiAMemo();
    void copiaMemoInSelezione();
    void avanza(int valore, int massimo);

    Sessione& sessione_;
    ArchivioEstrazioni& archivio_;
    QProgressBar* avanzamento_;
    AnalisiIndice analisi_;
    TavolaNumeri tavola_;
    int rigaFormazione_ = 0;  // selected row of Fg_CC, 0 = none

    QScrollBar* hFine_;
    QLabel* labend_;
    QLabel* label4_;
    QLabel* label7_;
    QComboBox* comboC_;
    QComboBox* comboPresenze_;
    QComboBox* comboMensile_;
    QComboBox* comboN_;
    QComboBox* comboCG_;
    QRadioButton* option3_;
    QCheckBox* chFine_;
    QCheckBox* chUltima_;
    QCheckBox* chFast_;
    QTabWidget* ssTab1_;
    QLabel* lblT_;
    QLabel* lblS_;
    VistaGriglia* fgV_;
    VistaGriglia* fga_;
    VistaGriglia* fgR_;
    VistaGriglia* fg90_;
    VistaGriglia* fgCC_;
    VistaGriglia* fg9090_;
    VistaGriglia* fgRit_;
    VistaGriglia* fgSerie_;
    VistaGriglia* fgZZ_;
};

}  // namespace quorvane
