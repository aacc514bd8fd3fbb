#pragma once
// The draw dates of one year as the calendar reads them from the archive database.
#include <QString>
#include <optional>
#include <vector>

#include "core/Data.h"

namespace quorvane {

class DatabaseArchivio;

// The dates of the year's draws through the query Query_AAMMGG (year A, month M, day G), or
// straight from EstrazioniLotto in an archive made elsewhere that lacks it.
std::optional<std::vector<Data>> dateCalendario(DatabaseArchivio& db, int anno, QString* errore);

}  // namespace quorvane
