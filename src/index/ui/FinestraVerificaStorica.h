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
    const EsitoStorico& esito() const { return esito_; }

    void avvia();
    void annulla();

private:
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
    std::atomic<bool> annullata_{false};
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
    QChartView* grafico_;
};

}  // namespace quorvane
