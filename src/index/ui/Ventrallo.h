#pragma once
// The index analysis window: the end of the model period, the options, the model draws with
// their windows, the delays, the elaborations, the forecast list with its verification, the
// number board and the memo of formations. The method itself is the engine's MetodoIndice.
#include <QPointer>
#include <QWidget>

#include "index/Configurazione.h"
#include "index/MetodoIndice.h"
#include "index/TavolaNumeri.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace quorvane {

class Sessione;
class VistaGriglia;
class VerificaPrevisioneFinestra;
class VentralloRiepilogo;

class Ventrallo : public QWidget {
    Q_OBJECT
public:
    static constexpr int ArgomentoHelp = 400;

    Ventrallo(Sessione& sessione, QProgressBar* avanzamento, QWidget* padre = nullptr);
    ~Ventrallo() override;

    const AnalisiIndice& analisi() const { return metodo_.analisi; }
    const MetodoIndice& metodo() const { return metodo_; }
    const TavolaNumeri& tavola() const { return tavola_; }
    // Makes the random search repeatable (the window seeds it from the clock).
    void semina(std::uint64_t seme) { metodo_.semina(seme); }

    // Commands, by their captions.
    void RicavaBaseDati();
    void Elabora();
    void ElaborazioneModalita1();
    void ElaborazioneModalita2();
    void AggiungePrevisioneDaFormazioni();
    void AggiungePrevisioneDaTavola();
    void AggiungePrevisioneDaCoppia();
    void RimuoveRigaSelezionata();
    void AzzeraPrevisioni();
    void VisualizzaSfaldamenti();
    void VerificaPrevisione();
    void CercaNumeroConMaggioreAbbinamento();
    void FiltraNumeriDellePrevisioni();
    void CopiaNumeriPrevisioneInSelezione();
    void Ultima();
    void SelezionaPerNumeroIndice();
    void SelezionaPerData();
    void UtilizzaQuestaEstrazioneDelMese();
    // Saved configurations ("Database" tab) and the summary.
    void ElencoConfigurazioni();
    void SalvaConfigurazione();
    void EliminaRigaSelezionata();
    void ApriConfigurazione();  // the current row of FgE
    void CaricaSoloGiocate();
    void RiepilogoStatistico();
    long long IdConfigCorrente() const { return idConfigCorrente_; }

private:
    QWidget* creaTestata();
    QWidget* creaRuote();
    QWidget* creaEstrazioneMostrata();
    QWidget* creaModello();
    QWidget* creaTabSelezione();
    QWidget* creaTabElenco();
    QWidget* creaTabCoppie();
    QWidget* creaTabDatabase();
    QWidget* creaTabMemorizza(QWidget* padre);
    QWidget* creaTabConfigurazioni(QWidget* padre);
    QWidget* creaRitardiEMemo();
    QWidget* creaPrevisioni();
    QWidget* pulsanteHelp(const char* nome);

    void sceltaEstrazione(int valore);
    // The archive was reloaded: the selected draw is kept when it still exists, else the last
    // draw is selected; the model draws and all built on them are emptied.
    void archivioRicaricato();
    void leggiOpzioniBase();
    void leggiOpzioniElaborazione();
    void mostraRuote();
    void mostraTavola();
    void mostraModello();
    void mostraPrevisioni();
    void mostraFormazioni();
    void mostraRitardi();
    void clicFormazione(int riga);
    void aggiungiAMemo();
    void copiaMemoInSelezione();
    void modificaSorte(int riga, int colonna);
    void attivaTutte(bool attive);

    Sessione& sessione_;
    ArchivioEstrazioni& archivio_;
    QProgressBar* avanzamento_;
    MetodoIndice metodo_;
    TavolaNumeri tavola_;
    int rigaFormazione_ = 0;  // selected row of Fg_CC, 0 = none
    std::string dataScelta_;  // the date of the selected draw, to find it again after a reload
    QPointer<VerificaPrevisioneFinestra> verifica_;
    QPointer<VentralloRiepilogo> riepilogo_;
    std::vector<Configurazione> configurazioni_;  // FgE as last listed
    std::vector<PrevisioneSalvata> giocate_;      // FgCn: the configuration opened last
    long long idConfigCorrente_ = 0;              // the configuration saved last

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
    QRadioButton* sorteTavola_[3];
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
    VistaGriglia* fgAbb_;
    VistaGriglia* fgRit_;
    VistaGriglia* fgSerie_;
    VistaGriglia* fgZZ_;
    QLineEdit* text1_;
    QCheckBox* check1_;
    VistaGriglia* fgE_;
    VistaGriglia* fgCn_;
};

}  // namespace quorvane
