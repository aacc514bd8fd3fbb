#pragma once
// "Database": saving the options with the forecast list as a named configuration
// ("Memorizza"), and listing, deleting and opening the saved ones ("Elenco").
#include <QWidget>
#include <vector>

#include "index/Configurazione.h"
#include "index/ui/ContestoIndice.h"

class QCheckBox;
class QLineEdit;

namespace quorvane {

class PaginaPeriodo;
class VistaGriglia;

class PaginaConfigurazioni : public QWidget {
    Q_OBJECT
public:
    // `periodo`: the page whose options a configuration saves and restores.
    PaginaConfigurazioni(ContestoIndice& contesto, PaginaPeriodo& periodo, QWidget* padre = nullptr);

    void elencoConfigurazioni();
    void salvaConfigurazione();
    void eliminaRigaSelezionata();
    // Opens the current row of the list: its options, its model draws, its forecasts.
    void apriConfigurazione();
    void caricaSoloGiocate();
    // The configuration saved last.
    long long idConfigCorrente() const { return idConfigCorrente_; }

signals:
    // The options of the configuration opened are in place (the wheels in the analysis): its
    // model draws are to be built.
    void configurazioneAperta();
    void previsioniCambiate();

private:
    QWidget* creaMemorizza(QWidget* padre);
    QWidget* creaElenco(QWidget* padre);

    ContestoIndice& contesto_;
    PaginaPeriodo& periodo_;
    std::vector<Configurazione> configurazioni_;  // the list as last shown
    std::vector<PrevisioneSalvata> giocate_;      // the configuration opened last
    long long idConfigCorrente_ = 0;

    QLineEdit* nomeConfigurazione_;        // Text1
    QCheckBox* casellaConEstrazione_;      // Check1
    VistaGriglia* tabellaConfigurazioni_;  // FgE
    VistaGriglia* tabellaGiocate_;         // FgCn
};

}  // namespace quorvane
