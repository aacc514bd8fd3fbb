#pragma once
// The orthogonal systems of the program database (Sist_Ortogonali, Sist_OrtoSv).
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "analyses/SviluppoSistema.h"
#include "core/db/ErroreSql.h"

namespace quorvane {

// Gives the program database the two tables of the systems, with the program's library of
// systems written into them while they hold none.
void registraTabelleSistemi();

// Writes the program's library of systems when the database holds none, within the caller's
// transaction, which keeps it whole and holds the reason of a failure.
bool preparaBibliotecaSistemi(Transazione& t, QSqlDatabase& db);

// The list of systems, in the order of their `Numeri` key.
std::optional<std::vector<VoceSistema>> leggiElencoSistemi(QSqlDatabase& db, QString* errore);

// The stored rows of one system, by row number.
std::optional<std::vector<RigaSalvata>> leggiRigheSistema(QSqlDatabase& db, long long cod, QString* errore);

}  // namespace quorvane
