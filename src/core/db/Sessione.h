#pragma once
// The state of one run of the program: the program database, the archive it names, the
// parameters read at start-up and the draw archive in memory that every window reads.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Data.h"
#include "core/Estrazione.h"
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

    // The draws of the demonstration archive: every draw day up to the day before `oggi`.
    using GeneratoreDimostrativo = std::function<std::vector<Estrazione>(const Data& oggi)>;

    // What the features add to the start-up, registered before the first start: parameter rows
    // written on the first run and added to program databases made before them (a second row
    // of the same name replaces the first), and the maker of the demonstration archive, without
    // which the first run names that archive but creates none.
    static void registraParametro(const Parametro& riga);
    static void registraArchivioDimostrativo(GeneratoreDimostrativo genera);

    // Opens the program database of the data folder and the archive it names. On the first
    // run both are created: the archive with simulated draws up to the day before `oggi`.
    // Null, with an Italian message, when the program database cannot be used.
    static std::unique_ptr<Sessione> avvia(const QString& cartellaDati, const Data& oggi, QString* errore);
    // The program database of the data folder as avvia opens it, created on the first run with
    // its parameter rows and the demonstration archive: the one path for the windows and the
    // command line alike.
    static std::unique_ptr<DatabaseProgramma> apriProgramma(const QString& cartellaDati, const Data& oggi,
                                                            QString* errore);

    DatabaseProgramma& programma() { return *programma_; }
    const QString& cartellaDati() const { return cartellaDati_; }
    // The archive database the next load reads.
    const QString& percorsoArchivio() const { return percorsoArchivio_; }
    // Whether that archive database can be opened now.
    bool archivioApribile() const;
    bool archivioDimostrativo() const;
    // The program's site as read at start-up.
    const QString& indirizzoInternet() const { return indirizzoInternet_; }
    // True when this run created the program database.
    bool primoAvvio() const { return programma_->creato(); }

    ArchivioEstrazioni archivio;

    // Reads EstrazioneIniziale into the archive in memory; a missing row leaves the current value.
    void leggiEstrazioneIniziale();
    // Makes `percorso` the archive: remembered in the data folder's text file and in the
    // parameter row, when the row exists. Read by the next load.
    void selezionaArchivio(const QString& percorso);
    // Loads the draws of the archive database into memory; on failure the archive in memory is
    // unchanged and `errore` says why.
    bool caricaArchivio(TipoCaricamento tipo, const Avanzamento& avanzamento, QString* errore);
    // The draws as stored, as the last successful load read them.
    const std::vector<RigaArchivio>& righeArchivio() const { return righe_; }

signals:
    void archivioRicaricato();

private:
    Sessione() = default;
    static bool creaArchivioDimostrativo(const QString& percorso, const Data& oggi, QString* errore);

    QString cartellaDati_;
    QString percorsoArchivio_;
    QString indirizzoInternet_;
    std::unique_ptr<DatabaseProgramma> programma_;
    std::vector<RigaArchivio> righe_;
};

}  // namespace quorvane
