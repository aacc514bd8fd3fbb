#pragma once
// The check made before a file of the user is opened for reading, for Qt paths.
#include <QString>
#include <limits>

#include "core/FileDati.h"

namespace quorvane {

// Empty when `percorso` names a regular file of at most `massimo` bytes; otherwise why not.
QString motivoNonLeggibile(const QString& percorso, std::uintmax_t massimo = MassimoFileDati);

// For a database, read a page at a time by SQLite: any size, but a regular file.
inline constexpr std::uintmax_t SenzaLimite = std::numeric_limits<std::uintmax_t>::max();

}  // namespace quorvane
