#pragma once
// Page "Aggiornamenti": the update from a file, from the program's server and from the official
// historical file. The rows read are checked against the archive and shown; AGGIORNAMENTO then
// writes what is missing and, when asked, corrects what differs.
#include <QWidget>
#include <vector>

#include "archive/ControlloAggiornamento.h"
#include "archive/FileAggiornamento.h"
#include "archive/SorgenteAggiornamento.h"

class QCheckBox;
class QListWidget;

namespace quorvane {

class FinestraPrincipale;
class Sessione;
class VistaGriglia;

class PaginaAggiornamenti : public QWidget {
    Q_OBJECT
public:
    static inline const QString NomeArchivioStorico = QStringLiteral("ArchivioLotto.db");

    explicit PaginaAggiornamenti(FinestraPrincipale& principale, QWidget* padre = nullptr);

    void aggiornaDaFile();
    void importaArchivioStorico();
    // The official file from the address of IndirizzoArchivioUfficiale, checked as an import.
    void scaricaArchivioUfficiale();
    // The official file already downloaded, shown and checked as the button above does.
    void confrontaArchivioUfficiale(EsitoSorgente letto);
    // AGGIORNAMENTO: writes the rows checked.
    void eseguiAggiornamento();
    // Shows the rows in FgImporta and checks them against the archive being updated.
    void confrontaAggiornamento(std::vector<RigaAggiornamento> righe);
    // The update file from the program's server, kept as Estr_Agg.txt in the data folder.
    void controllaAggiornamenti();
    void scaricaFile();
    QString copiaAggiornamento() const;
    // Drops the rows read and their check: the archive they were checked against has changed.
    void svuotaImporta();

signals:
    // The page "Gestione estrazioni" is to be shown.
    void richiestaGestione();
    // AGGIORNAMENTO is over and the archive reloaded.
    void aggiornamentoFinito();

private:
    QWidget* creaScarico();
    bool scaricaCopia(QString* errore);
    void avanzamentoScarico(qint64 ricevuti, qint64 totali);
    // The official file's rows into FgImporta and their check; over the demonstration archive,
    // after confirmation, aimed at a new archive. A read error is shown after `nonRiuscito`.
    void confrontaStorico(EsitoSorgente letto, const QString& titolo, const QString& nonRiuscito);
    QString archivioDaAggiornare() const;

    FinestraPrincipale& principale_;
    Sessione& sessione_;
    VistaGriglia* tabellaImporta_;  // FgImporta
    QListWidget* righeSegnalate_;   // List4
    QCheckBox* correggiErrate_;     // Check3

    // The rows of FgImporta and the result of their check: what AGGIORNAMENTO writes.
    std::vector<RigaAggiornamento> righeImporta_;
    ControlloAggiornamento controllo_;
    // Where AGGIORNAMENTO writes when it is not the archive in use: the new archive that
    // receives the official historical file in place of the demonstration one.
    QString nuovoArchivio_;
};

}  // namespace quorvane
