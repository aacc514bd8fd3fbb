#pragma once
// The orthogonal systems of the program database (Sist_Ortogonali, Sist_OrtoSv).
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "analyses/SviluppoSistema.h"

namespace quorvane {

// Writes the program's library of systems when the database holds none; the caller's
// transaction keeps it whole.
bool preparaBibliotecaSistemi(QSqlDatabase& db, QString* errore);

// The list of systems, in the order of their `Numeri` key.
std::optional<std::vector<VoceSistema>> leggiElencoSistemi(QSqlDatabase& db, QString* errore);

// The stored rows of one system, by row number.
std::optional<std::vector<RigaSalvata>> leggiRigheSistema(QSqlDatabase& db, long long cod, QString* errore);

}  // namespace quorvane
