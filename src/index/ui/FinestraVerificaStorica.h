#pragma once
// "Verifica storica": the method of the index window followed month by month over a period,
// each time with only the draws known then, against what chance gives the same plays. The walk
// runs on worker threads over a copy of the archive; the window shows progress, the plays, the
// summary and the running balance.
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "index/VerificaStorica.h"

class QChartView;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace quorvane {

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

    void avvia();
    void annulla();

private:
    OpzioniStoriche opzioniScelte() const;
    // The period's range after a (re)load, keeping the chosen draws where the archive allows.
    void adattaPeriodo();
    // The count of points of the options chosen, before a run.
    void mostraPunti();
    // True when the draws the shown results read, and their points, are the same in the archive.
    bool risultatiAncoraVeri() const;
    void archivioCambiato();
    void mostraData(QSpinBox* casella, QLabel* data);
    void concludi(EsitoStorico esito);
    void mostraRisultati();
    void mostraGrafico();
    void aggiornaComandi();

    Sessione& sessione_;
    AnalisiIndice opzioni_;
    // The archive the run reads: a copy, so that a reload never changes it under the workers.
    std::shared_ptr<const ArchivioEstrazioni> archivio_;
    EsitoStorico esito_;
    OpzioniStoriche eseguite_;  // the options of the results shown
    std::atomic<bool> annullata_{false};
    bool rifai_ = false;  // a reload stopped the run: it starts again on the new archive
    QString premessa_;    // said before the outcome of a run started by a reload
    std::thread lavoro_;

    QComboBox* sceltaMetodo_;
    QSpinBox* casellaDal_;
    QSpinBox* casellaAl_;
    QLabel* dataDal_;
    QLabel* dataAl_;
    QPushButton* pulsanteAvvia_;
    QPushButton* pulsanteAnnulla_;
    QProgressBar* avanzamento_;
    QLabel* stato_;
    VistaGriglia* tabellaStorico_;
    QLabel* riepilogo_;
    QLabel* giudizio_;
    QLabel* opzioniTesto_;
    QChartView* grafico_;
};

}  // namespace quorvane
