#pragma once
// An archive database: the table EstrazioniLotto, one row per draw.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/ArchivioEstrazioni.h"
#include "core/Estrazione.h"
#include "core/db/Connessione.h"

namespace quorvane {

class DatabaseArchivio {
public:
    // An existing file holding EstrazioniLotto; null, with an Italian message, otherwise.
    static std::unique_ptr<DatabaseArchivio> apri(const QString& percorso, QString* errore, bool solaLettura = false);
    // Opens the file, creating it (and the table) when missing; an existing file without the
    // table gets it.
    static std::unique_ptr<DatabaseArchivio> apriOCrea(const QString& percorso, QString* errore);

    const QString& percorso() const { return connessione_.percorso(); }
    QSqlDatabase& db() { return connessione_.db(); }

    // Every draw in date order, dates as "GG/MM/AAAA".
    std::optional<std::vector<RigaArchivio>> leggiEstrazioni(QString* errore);
    int numeroEstrazioni();
    // False, with the reason, when SQLite finds the file damaged: nothing is written into it.
    bool integro(QString* errore);
    // Adds every draw whose date is not stored yet, all in one transaction: on any failure
    // (a damaged archive included) nothing is written. Returns how many were added.
    std::optional<int> aggiungiEstrazioni(const std::vector<Estrazione>& estrazioni, QString* errore);

private:
    bool creaSchema(QString* errore);
    Connessione connessione_;
};

}  // namespace quorvane
