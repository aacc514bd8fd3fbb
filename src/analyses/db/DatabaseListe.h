#pragma once
// The player's own lists of numbers (ListeNumeri), saved by name in the program database.
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "analyses/GruppiNumeri.h"

namespace quorvane {

// Gives the program database the table of the lists.
void registraTabelleListe();

// The lists by name.
std::optional<std::vector<GruppoNumeri>> leggiListe(QSqlDatabase& db, QString* errore);
// Every stored name, as stored, in order.
std::optional<QStringList> nomiListe(QSqlDatabase& db, QString* errore);
// Saves a list under its name, in place of any list whose name reads the same (chiaveNome).
bool salvaLista(QSqlDatabase& db, const GruppoNumeri& lista, QString* errore);
bool eliminaLista(QSqlDatabase& db, const QString& nome, QString* errore);

}  // namespace quorvane
