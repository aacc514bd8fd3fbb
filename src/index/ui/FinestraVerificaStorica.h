#pragma once
// "Verifica storica", the method laboratory: the method of the index window, or another belief a
// player follows, followed over a period, each time with only the draws known then, against what
// chance gives the same plays; or the search for its best options, trained on the first years
// and tested on the last, and that search run again on archives of chance. The run works on worker
// threads over a copy of the archive; the window shows progress, the plays or the combinations, the
// summary, the verdict and the running balance.
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "index/ConfrontoStorico.h"
#include "index/TentativiStorici.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace quorvane {

class Grafico;
class PaginaMetodoProprio;
class Sessione;
class VistaGriglia;

class FinestraVerificaStorica : public QWidget {
    Q_OBJECT
public:
    static constexpr int ArgomentoHelp = 420;

    // `opzioni`: the options of the index window when it was opened.
    FinestraVerificaStorica(Sessione& sessione, const AnalisiIndice& opzioni, QWidget* padre = nullptr);
    ~FinestraVerificaStorica() override;

    bool inCorso() const { return lavoro_.joinable(); }
    // The options of the index window changed while this window is open.
    void seguiOpzioni(const AnalisiIndice& opzioni);
    const EsitoStorico& esito() const { return esito_; }
    const EsitoConfronto& confronto() const { return confronto_; }
    const SimulazioneConfronto& simulazione() const { return simulazione_; }

    void avvia();
    void annulla();

private:
    OpzioniStoriche opzioniScelte() const;
    // The options the user asked to vary; empty when no comparison is asked; none when unreadable.
    std::optional<std::vector<OpzioneConfronto>> confrontoScelto() const;
    bool risultatiMostrati() const { return !esito_.giocate.empty() || !confronto_.combinazioni.empty(); }
    // Only the chosen strategy's own options can be set.
    void mostraOpzioniStrategia();
    // The period's range after a (re)load, keeping the chosen draws where the archive allows.
    void adattaPeriodo();
    // The count of points of the options chosen, before a run.
    void mostraPunti();
    // True when the draws the shown results read, and their points, are the same in the archive.
    bool risultatiAncoraVeri() const;
    void archivioCambiato();
    void mostraData(QSpinBox* casella, QLabel* data);
    // What a run gives: the walk, or the comparison with its simulation when one was asked.
    struct EsitoLavoro {
        EsitoStorico storico;
        EsitoConfronto confronto;
        SimulazioneConfronto simulazione;
    };
    void concludi(EsitoLavoro esito);
    // The status line after a run.
    QString testoConcluso() const;
    // The comparison is done: it is shown, and the bar counts the archives of chance from here.
    void avviaSimulazione(EsitoConfronto confronto, int quante);
    // A player's method stopped the run: its message, its log and its line.
    void metodoInterrotto(const ErroreMetodo& errore);
    // What chance alone gives the best combination: the simulation when one ran, else the median
    // 1/(N+1).
    QString testoCasoMigliore() const;
    void mostraRisultati();
    // A named run of plays on the balance chart.
    struct ParteSaldo {
        QString nome;
        const std::vector<GiocataStorica>* giocate;
    };
    void mostraGrafico(const std::vector<ParteSaldo>& parti);
    void aggiornaComandi();

    Sessione& sessione_;
    AnalisiIndice opzioni_;
    // The archive the run reads: a copy, so that a reload never changes it under the workers.
    std::shared_ptr<const ArchivioEstrazioni> archivio_;
    EsitoStorico esito_;
    EsitoConfronto confronto_;
    SimulazioneConfronto simulazione_;           // of confronto_; none when simulazioni is 0
    std::vector<OpzioneConfronto> confrontate_;  // the options varied in confronto_
    int provaDal_ = 0;                           // the first test draw of confronto_
    OpzioniStoriche eseguite_;                   // the options of the results shown
    std::atomic<bool> annullata_{false};
    bool rifai_ = false;  // a reload stopped the run: it starts again on the new archive
    QString premessa_;    // said before the outcome of a run started by a reload
    std::thread lavoro_;
    TentativiStorici tentativi_;
    int tentativo_ = 0;  // of the results shown, among the different runs on their period

    QComboBox* sceltaStrategia_;
    QComboBox* sceltaMetodo_;
    QSpinBox* casellaQuanti_;
    QSpinBox* casellaFinestra_;
    QLineEdit* numeriFissi_;
    QComboBox* sceltaSorte_;
    QLineEdit* opzioniConfronto_;
    QSpinBox* casellaProvaDal_;
    QSpinBox* casellaSimula_;
    QLabel* dataProvaDal_;
    QSpinBox* casellaDal_;
    QSpinBox* casellaAl_;
    QLabel* dataDal_;
    QLabel* dataAl_;
    QPushButton* pulsanteAvvia_;
    QPushButton* pulsanteAnnulla_;
    QProgressBar* avanzamento_;
    QLabel* stato_;
    QTabWidget* schede_;
    VistaGriglia* tabellaStorico_;
    VistaGriglia* tabellaConfronto_;
    PaginaMetodoProprio* paginaMetodo_;
    QLabel* riepilogo_;
    QLabel* giudizio_;
    QLabel* opzioniTesto_;
    Grafico* grafico_;  // GraficoSaldo
};

}  // namespace quorvane
