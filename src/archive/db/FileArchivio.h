#pragma once
// Archives given as files: an SQLite archive database or the official historical file, plain
// or zipped.
#include <QString>
#include <optional>
#include <vector>

#include "core/ArchivioEstrazioni.h"

namespace quorvane {

// The draws of a file, read and never written: an SQLite archive database or an official
// historical file, told apart by the SQLite header.
std::optional<std::vector<RigaArchivio>> leggiFileArchivio(const QString& percorso, QString* errore);

struct EsitoImportazione {
    int lette = 0;     // draws in the file
    int aggiunte = 0;  // draws that were not in the archive yet
};

// Adds to the archive database (created when missing) every draw of an official historical
// file that it does not hold yet. A bad line stops everything before anything is written.
std::optional<EsitoImportazione> importaStorico(const QString& fileStorico, const QString& archivio, QString* errore);

}  // namespace quorvane
