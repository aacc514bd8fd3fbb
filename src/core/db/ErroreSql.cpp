#include "core/db/ErroreSql.h"

#include <QFileInfo>
#include <QVariant>

#include "core/db/Connessione.h"

namespace quorvane {

namespace {
// SQLite's result codes, as its driver reports them in nativeErrorCode(); they are part of
// SQLite's stable interface. The codes are read from the driver's errors only, so the program
// needs no SQLite of its own beside the one inside Qt.
enum CodiceSqlite {
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadonly = 8,
    SqliteIoerr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantopen = 14,
    SqliteNotadb = 26,
    SqliteReadonlyRollback = SqliteReadonly | (3 << 8),
};

int codice(const QSqlError& errore) {
    bool ok = false;
    const int n = errore.nativeErrorCode().toInt(&ok);
    return ok ? n : -1;
}
}  // namespace

TipoErroreSql tipoErrore(const QSqlError& errore) {
    switch (codice(errore) & 0xFF) {
        case SqliteBusy:
        case SqliteLocked:
            return TipoErroreSql::Bloccato;
        case SqliteFull:
            return TipoErroreSql::Pieno;
        case SqliteReadonly:
        case SqlitePerm:
        case SqliteCantopen:
            return TipoErroreSql::SolaLettura;
        case SqliteCorrupt:
        case SqliteNotadb:
            return TipoErroreSql::Danneggiato;
        default:
            return TipoErroreSql::Altro;
    }
}

bool scritturaInterrotta(const QSqlError& errore) {
    return codice(errore) == SqliteReadonlyRollback;
}

QString descriviErrore(const QSqlError& errore) {
    if (scritturaInterrotta(errore))
        return QStringLiteral(
            "una scrittura interrotta è rimasta a metà (il file \"-journal\" accanto al database) e non "
            "si può annullare perché il file o la sua cartella sono di sola lettura: renderli scrivibili e "
            "riprovare, e il database tornerà com'era prima");
    switch (tipoErrore(errore)) {
        case TipoErroreSql::Bloccato:
            return QStringLiteral(
                "il database è bloccato da un altro programma che lo sta usando: riprovare più tardi");
        case TipoErroreSql::Pieno:
            return QStringLiteral("il disco è pieno");
        case TipoErroreSql::SolaLettura:
            return QStringLiteral("il file o la sua cartella sono di sola lettura, o non si possono aprire");
        case TipoErroreSql::Danneggiato:
            return QStringLiteral("il file è danneggiato o non è un database");
        case TipoErroreSql::Altro:
            break;
    }
    if ((codice(errore) & 0xFF) == SqliteIoerr) return QStringLiteral("errore di lettura o scrittura sul disco");
    // Any other failure (a constraint, a trigger of the file) with SQLite's own words.
    return QStringLiteral("errore del database: %1").arg(errore.databaseText());
}

// BEGIN and COMMIT go through a query, not QSqlDatabase::transaction()/commit(): only a
// query's error keeps SQLite's code, which tells a lock from a full disk.
Transazione::Transazione(QSqlDatabase& db, Inizio inizio) : db_(db) {
    QSqlQuery q(db_);
    aperta_ = q.exec(inizio == Inizio::Immediata ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
    if (!aperta_) fallita(q.lastError());
}

Transazione::~Transazione() {
    if (!aperta_) return;
    db_.rollback();
    // After a failed write (a full disk) SQLite may keep the journal for the next connection to
    // roll back: done now, so that the file is as it was and no read-only opening meets it.
    const QString giornale = db_.databaseName() + QStringLiteral("-journal");
    if (!db_.databaseName().isEmpty() && QFileInfo::exists(giornale)) annullaScritturaInterrotta(db_.databaseName());
}

bool Transazione::fallita(const QSqlError& e) {
    if (riuscita()) {
        errore_ = descriviErrore(e);
    }
    return false;
}

bool Transazione::prepara(QSqlQuery& q, const QString& sql) {
    if (!riuscita()) return false;
    return q.prepare(sql) || fallita(q.lastError());
}

bool Transazione::esegui(QSqlQuery& q) {
    if (!riuscita()) return false;
    return q.exec() || fallita(q.lastError());
}

bool Transazione::esegui(QSqlQuery& q, const QString& sql) {
    if (!riuscita()) return false;
    return q.exec(sql) || fallita(q.lastError());
}

bool Transazione::esegui(const QString& sql) {
    QSqlQuery q(db_);
    return esegui(q, sql);
}

bool Transazione::conferma() {
    if (!riuscita()) return false;
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("COMMIT"))) return fallita(q.lastError());
    aperta_ = false;
    return true;
}

}  // namespace quorvane
