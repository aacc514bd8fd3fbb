#pragma once
// Update rows read from a file: the file itself, or the first file inside a zip archive, as the
// official historical file is published.
#include <QString>
#include <optional>
#include <string>

#include "archive/SorgenteAggiornamento.h"

namespace quorvane {

// The bytes of a file, or of the first file of a zip archive; nothing, with an Italian
// message, when it cannot be read.
std::optional<std::string> leggiFileOZip(const QString& percorso, QString* errore);

EsitoSorgente leggiFileAggiornamento(const QString& percorso);
EsitoSorgente leggiStoricoComeAggiornamento(const QString& percorso);
// An update file or the official file, told apart by the first line.
EsitoSorgente leggiSorgenteAggiornamento(const QString& percorso);

}  // namespace quorvane
