#pragma once
// The official historical file as its publisher offers it for download: a zip (or the plain
// text) at an address kept in the program's parameters.
#include <QString>
#include <optional>

#include "archive/SorgenteAggiornamento.h"
#include "archive/db/ScaricoAggiornamento.h"

namespace quorvane {

inline const QString IndirizzoArchivioUfficialePredefinito = QStringLiteral(
    "https://www.brightstarlottery.it/STORICO_ESTRAZIONI_LOTTO/storico.zip");

// The parameter rows of the check at start-up: whether the user wants it ("Sì", "No", empty
// until asked on the first start) and the version of the official file last found with no new
// draws, for the conditional request.
namespace ParametriControlloAvvio {
inline const QString Attivo = QStringLiteral("ControlloArchivioAvvio");
inline const QString Etag = QStringLiteral("EtagArchivioUfficiale");
inline const QString UltimaModifica = QStringLiteral("DataArchivioUfficiale");
}  // namespace ParametriControlloAvvio

// The file is a few megabytes: a slow line gets two minutes, anything past 20 MB is no such file.
inline constexpr LimitiScarico LimitiArchivioUfficiale{120000, 20 * 1024 * 1024};

// The address from the program's parameter, the default one when the row is missing or empty.
QString indirizzoArchivioUfficiale(DatabaseProgramma& programma);

// Downloads the official file from `indirizzo` into a temporary file and reads it, plain or
// zipped, as update rows. An error says in Italian whether the download failed or the file
// is not the official one; nothing outside the temporary folder is written.
EsitoSorgente scaricaArchivioUfficiale(const QString& indirizzo, const AvanzamentoScarico& avanzamento = {},
                                       const LimitiScarico& limiti = LimitiArchivioUfficiale);

// The same, asked only if the file changed since `versione` (a conditional request): nothing
// when the site answered that it did not, and `versione` then names the file downloaded.
std::optional<EsitoSorgente> scaricaArchivioUfficialeSeCambiato(const QString& indirizzo, VersioneFile& versione,
                                                                const LimitiScarico& limiti = LimitiArchivioUfficiale);

}  // namespace quorvane
