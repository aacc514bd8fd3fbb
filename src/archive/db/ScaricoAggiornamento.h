#pragma once
// The update file on the program's server: its address, its download and the local copy
// "Estr_Agg.txt" in the data folder that the update check reads.
#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>

#include "archive/SorgenteAggiornamento.h"

namespace quorvane {

class DatabaseProgramma;

inline const QString IndirizzoAggiornamentiPredefinito = QStringLiteral("https://www.quorvane.it");
inline const QString PercorsoFileAggiornamento = QStringLiteral("/archiviomarvesta/archiviomarvesta2023.txt");
inline const QString NomeCopiaAggiornamento = QStringLiteral("Estr_Agg.txt");

// True for an http or https address with a host: the only ones the program opens or fetches.
bool indirizzoHttp(const QUrl& url);

// The server's address from the program's parameter, the default one when the row is missing.
QString indirizzoAggiornamenti(DatabaseProgramma& programma);
// The address followed by the file's path; an empty URL when it is not an http or https address.
QUrl urlFileAggiornamento(const QString& indirizzo);

struct LimitiScarico {
    int tempoMassimoMs = 20000;  // the whole transfer
    qint64 byteMassimi = 10 * 1024 * 1024;
    // When set, from any thread, the transfer stops within a tenth of a second.
    const std::atomic<bool>* annulla = nullptr;
};

// The rows of a downloaded copy: every line with a date, whatever the first line looks like.
EsitoSorgente leggiCopiaAggiornamento(const QString& percorso);

// Bytes received and bytes expected (-1 when the server does not say).
using AvanzamentoScarico = std::function<void(qint64, qint64)>;

// The version of a file as its server names it, for a conditional request that costs one small
// answer when the file has not changed.
struct VersioneFile {
    QString etag;            // ETag of the last download
    QString ultimaModifica;  // Last-Modified of the last download
    bool invariata = false;  // the server answered 304 Not Modified: nothing was downloaded
};

// Fetches `url` (http or https, also after redirects) and writes its content to `destinazione`
// through a temporary file: when anything fails, an empty or cut-short body included, the
// previous copy stays as it was and `errore` says why in Italian. Waits in a local event loop
// that repaints but leaves the user's input for afterwards. With `versione`, asks for the file
// only if it changed since that version: after a 304 nothing is written and `invariata` is set;
// after a download `versione` names the new one.
bool scaricaFile(const QUrl& url, const QString& destinazione, QString* errore,
                 const AvanzamentoScarico& avanzamento = {}, const LimitiScarico& limiti = {},
                 VersioneFile* versione = nullptr);

// The update file of the server at `indirizzo` (see indirizzoAggiornamenti), into `destinazione`,
// followed by CR LF.
bool scaricaAggiornamento(const QString& indirizzo, const QString& destinazione, QString* errore,
                          const AvanzamentoScarico& avanzamento = {}, const LimitiScarico& limiti = {});

}  // namespace quorvane
