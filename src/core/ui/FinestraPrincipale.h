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

class Container : public QMainWindow {
    Q_OBJECT
public:
    // Builds a module window the first time its button is pressed.
    using Fabbrica = std::function<QWidget*(Container&)>;

    explicit Container(Sessione& sessione, QWidget* padre = nullptr);

    // Shows the model archive period in the five labels.
    void ImpostazioniArchivioModello();
    // Opens a module window (`archivio`, `Ventrallo`, ...) once and brings it to the front later.
    void apriModulo(const QString& nome);
    static void registraModulo(const QString& nome, Fabbrica fabbrica);

    Sessione& sessione() { return sessione_; }
    QProgressBar* Pb1() { return pb1_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // The list and the period follow every reload of the archive.
    void archivioRicaricato();
    void riempiElenco();
    static std::map<QString, Fabbrica>& fabbriche();

    Sessione& sessione_;
    VistaGriglia* fgpa_;
    QLabel* lblInizioNE_;
    QLabel* lblFineNE_;
    QLabel* lblInizio_;
    QLabel* lblFine_;
    QLabel* lblEv_;
    QProgressBar* pb1_;
    std::map<QString, QPointer<QWidget>> moduli_;
};

}  // namespace quorvane
