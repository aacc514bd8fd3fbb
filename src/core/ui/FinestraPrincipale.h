#pragma once
// The main window: the list of draws, the model period and the buttons of the modules.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

class QDateTime;
class QLabel;
class QProgressBar;

namespace quorvane {

class Sessione;
class VistaGriglia;

class FinestraPrincipale : public QMainWindow {
    Q_OBJECT
public:
    // Builds a module window the first time its button is pressed.
    using Fabbrica = std::function<QWidget*(FinestraPrincipale&)>;

    explicit FinestraPrincipale(Sessione& sessione, QWidget* padre = nullptr);

    // Shows the model archive period in the five labels.
    void mostraPeriodoModello();
    // The archive's last draw and how many draws of the calendar came after it, at `adesso`
    // (Italian time).
    void mostraUltimaEstrazione(const QDateTime& adesso);
    // Opens a module window (`archivio`, `Ventrallo`, ...) once and brings it to the front later;
    // null when no such module is registered.
    QWidget* apriModulo(const QString& nome);
    static void registraModulo(const QString& nome, Fabbrica fabbrica);
    // Work of a feature once the main window is on screen (a check at start-up).
    static void registraAvvio(std::function<void(FinestraPrincipale&)> azione);

    // The draws of the calendar after the archive's last one, as the window shows them.
    int estrazioniMancanti() const { return mancanti_; }

    Sessione& sessione() { return sessione_; }
    QProgressBar* barraAvanzamento() { return barraAvanzamento_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // The list and the period follow every reload of the archive.
    void archivioRicaricato();
    void riempiElenco();
    static std::map<QString, Fabbrica>& fabbriche();
    static std::vector<std::function<void(FinestraPrincipale&)>>& azioniAvvio();

    Sessione& sessione_;
    VistaGriglia* tabellaEstrazioni_;  // fgpa
    QLabel* etichettaIndiceInizio_;    // Lbl_inizioNE
    QLabel* etichettaIndiceFine_;      // Lbl_fineNE
    QLabel* etichettaDataInizio_;      // LblInizio
    QLabel* etichettaDataFine_;        // LblFine
    QLabel* etichettaEstrazioni_;      // Lbl_Ev
    QLabel* etichettaUltima_;          // the last draw and the draws of the calendar missing after it
    int mancanti_ = 0;
    QProgressBar* barraAvanzamento_;  // Pb1
    std::map<QString, QPointer<QWidget>> moduli_;
};

}  // namespace quorvane
