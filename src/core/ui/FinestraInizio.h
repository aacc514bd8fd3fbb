#pragma once
// The start-up window: chooses the archive, loads it into memory and opens the main window.
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvane {

class Sessione;
class VistaGriglia;

class Inizio : public QWidget {
    Q_OBJECT
public:
    static inline const QString MessaggioCaricamento = QStringLiteral(
        "Attenzione, probabilmente è stato selezionato un altro archivio. Chiudere il programma e riavviarlo");

    explicit Inizio(Sessione& sessione, QWidget* padre = nullptr);

    // Shows the window; on the first run (no usable archive) asks for the archive file.
    void avvia();

    void PROCEDI();
    void SELEZIONE_ARCHIVIO();

signals:
    // The archive is in memory and the main window should open.
    void archivioCaricato();

private:
    void mostraArchivio();
    void mostraParametri();

    Sessione& sessione_;
    QLabel* lblArchivio_;
    QLabel* lblDimostrativo_;
    QProgressBar* pb1_;
    VistaGriglia* fgP_;
};

}  // namespace quorvane
