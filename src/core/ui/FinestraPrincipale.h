#pragma once
// The main window: the list of draws, the model period and the buttons of the modules.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

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
    // Opens a module window (`archivio`, `Ventrallo`, ...) once and brings it to the front later;
    // null when no module has that name.
    QWidget* apriModulo(const QString& nome);
    static void registraModulo(const QString& nome, Fabbrica fabbrica);

    Sessione& sessione() { return sessione_; }
    QProgressBar* barraAvanzamento() { return barraAvanzamento_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // The list and the period follow every reload of the archive.
    void archivioRicaricato();
    void riempiElenco();
    static std::map<QString, Fabbrica>& fabbriche();

    Sessione& sessione_;
    VistaGriglia* tabellaEstrazioni_;  // fgpa
    QLabel* etichettaIndiceInizio_;    // Lbl_inizioNE
    QLabel* etichettaIndiceFine_;      // Lbl_fineNE
    QLabel* etichettaDataInizio_;      // LblInizio
    QLabel* etichettaDataFine_;        // LblFine
    QLabel* etichettaEstrazioni_;      // Lbl_Ev
    QProgressBar* barraAvanzamento_;   // Pb1
    std::map<QString, QPointer<QWidget>> moduli_;
};

}  // namespace quorvane
