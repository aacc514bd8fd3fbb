#pragma once
// The state of one run of the program: the program database, the archive it names, the
// parameters read at start-up and the draw archive in memory that every window reads.
#include <QObject>
#include <QString>
#include <memory>

#include "core/ArchivioEstrazioni.h"
#include "core/Data.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane {

// Every window that shows draws listens to archivioRicaricato: it is announced once after each
// load that changed the archive in memory (its draws or its model period), whatever asked for
// it. A load that read the same draws again announces nothing, so open analyses stay.
class Sessione : public QObject {
    Q_OBJECT
public:
    static inline const QString NomeArchivioDimostrativo = QStringLiteral("ArchivioDimostrativo.db");
    static inline const QString NomeFilePercorso = QStringLiteral("PercorsoDatabase.txt");

    // Opens the program database of the data folder and the archive it names. On the first
    // run both are created: the archive with simulated draws up to the day before `oggi`.
    // Null, with an Italian message, when the program database cannot be used.
    static std::unique_ptr<Sessione> avvia(const QString& cartellaDati, const Data& oggi,
                                           QString* errore);

    DatabaseProgramma& programma() { return *programma_; }
    const QString& cartellaDati() const { return cartellaDati_; }
    // The archive database opened at start-up; null when it could not be opened.
    DatabaseArchivio* archivioAperto() { return archivioAperto_.get(); }
    bool archivioDimostrativo() const;
    // True when this run created the program database.
    bool primoAvvio() const { return programma_->creato(); }

    QString PercorsoArchivio;
    QString IndirizzoInternet;
    ArchivioEstrazioni archivio;

    // Reads EstrazioneIniziale; a missing row leaves the current value.
    void ImpostaInizialix();
    // Makes `percorso` the archive: remembered in the data folder's text file and in the
    // parameter row, when the row exists. Read by the next load.
    void selezionaArchivio(const QString& percorso);
    // Loads the draws of PercorsoArchivio into memory; on failure the archive in memory is
    // unchanged and `errore` says why.
    bool caricaArchivio(TipoCaricamento tipo, const Avanzamento& avanzamento, QString* errore);
    // The draws as stored, as the last successful load read them.
    const std::vector<RigaArchivio>& righeArchivio() const { return righe_; }

signals:
    void archivioRicaricato();

private:
    Sessione() = default;
    bool creaArchivioDimostrativo(const Data& oggi, QString* errore);

    QString cartellaDati_;
    std::unique_ptr<DatabaseProgramma> programma_;
    std::unique_ptr<DatabaseArchivio> archivioAperto_;
    std::vector<RigaArchivio> righe_;
};

}  // namespace quorvane
