#pragma once
// The archive window `archivio`: four pages, "Gestione estrazioni" (the current draw, the draw
// calendar, draw entry), "Elenco estrazioni" (the stored draws), "Salvataggi" (addresses and
// exports) and "Aggiornamenti" (updates from file, server and the official historical file).
// It is the only writer of EstrazioniLotto; after every write it reloads the archive.
#include <QWidget>

class QTabWidget;

namespace quorvane {

class FinestraPrincipale;
class PaginaAggiornamenti;
class PaginaElenco;
class PaginaGestione;
class PaginaSalvataggi;
class Sessione;

class FinestraArchivio : public QWidget {
    Q_OBJECT
public:
    explicit FinestraArchivio(FinestraPrincipale& principale, QWidget* padre = nullptr);

    // Reloads the whole archive in memory; false, with a message, when it failed. The window
    // follows the reload as every window does, through the session's announcement.
    bool caricaArchivioExNovo();

    PaginaGestione& gestione() { return *gestione_; }
    PaginaElenco& elenco() { return *elenco_; }
    PaginaSalvataggi& salvataggi() { return *salvataggi_; }
    PaginaAggiornamenti& aggiornamenti() { return *aggiornamenti_; }
    // Brings the page "Aggiornamenti" to the front.
    void mostraAggiornamenti();

private:
    // Reads the stored draws again, for the list; a failure is said and the draws in memory stay.
    void caricaGrigliaArchivio();
    // Every reload, whoever asked for it: the list, the summary, the current draw (kept when it
    // still exists) and the calendar of the year chosen.
    void archivioRicaricato();
    void mostraGestione();

    FinestraPrincipale& principale_;
    Sessione& sessione_;
    QTabWidget* pagine_;  // SSTab1
    PaginaGestione* gestione_;
    PaginaElenco* elenco_;
    PaginaSalvataggi* salvataggi_;
    PaginaAggiornamenti* aggiornamenti_;
};

}  // namespace quorvane
