#pragma once
// The start-up window: chooses the archive, loads it into memory and opens the main window.
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvane {

class Sessione;
class VistaGriglia;

class FinestraInizio : public QWidget {
    Q_OBJECT
public:
    static inline const QString MessaggioCaricamento = QStringLiteral(
        "Attenzione, probabilmente è stato selezionato un altro archivio. Chiudere il programma e riavviarlo");

    explicit FinestraInizio(Sessione& sessione, QWidget* padre = nullptr);

    // Shows the window; on the first run (no usable archive) asks for the archive file.
    void avvia();

    void procedi();
    void selezionaArchivio();

signals:
    // The archive is in memory and the main window should open.
    void archivioCaricato();

private:
    void mostraArchivio();
    void mostraParametri();

    Sessione& sessione_;
    QLabel* etichettaArchivio_;  // Lbl_Archivio
    QLabel* etichettaDimostrativo_;
    QProgressBar* barraAvanzamento_;  // pb1
    VistaGriglia* tabellaParametri_;  // FgP
};

}  // namespace quorvane
