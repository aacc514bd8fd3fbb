#include "core/db/ErroreSql.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace quorvane {

namespace {
int codice(const QSqlError& errore) {
    bool ok = false;
    const int n = errore.nativeErrorCode().toInt(&ok);
    return ok ? n : -1;
}

// Qt leaves the code out of a failed COMMIT: the connection itself still holds it.
QSqlError conCodice(QSqlDatabase& db, const QSqlError& errore) {
    if (codice(errore) >= 0) return errore;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return errore;
    sqlite3* sqlite = *static_cast<sqlite3* const*>(handle.data());
    if (!sqlite) return errore;
    return QSqlError(errore.driverText(), errore.databaseText(), errore.type(),
                     QString::number(sqlite3_extended_errcode(sqlite)));
}
}  // namespace

TipoErroreSql tipoErrore(const QSqlError& errore) {
    switch (codice(errore) & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return TipoErroreSql::Bloccato;
        case SQLITE_FULL:
            return TipoErroreSql::Pieno;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
            return TipoErroreSql::SolaLettura;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return TipoErroreSql::Danneggiato;
        default:
            return TipoErroreSql::Altro;
    }
}

QString descriviErrore(const QSqlError& errore) {
    if (codice(errore) == SQLITE_READONLY_ROLLBACK)
        return QStringLiteral("una scrittura interrotta è rimasta a metà (il file \"-journal\" accanto al database) "
                              "e in sola lettura non si può annullare: aprire l'archivio una volta con Quorvane, che lo "
                              "riporta com'era prima");
    switch (tipoErrore(errore)) {
        case TipoErroreSql::Bloccato:
            return QStringLiteral("il database è bloccato da un altro programma che lo sta usando: riprovare più tardi");
        case TipoErroreSql::Pieno:
            return QStringLiteral("il disco è pieno");
        case TipoErroreSql::SolaLettura:
            return QStringLiteral("il file o la sua cartella sono di sola lettura, o non si possono aprire");
        case TipoErroreSql::Danneggiato:
            return QStringLiteral("il file è danneggiato o non è un database");
        case TipoErroreSql::Altro:
            break;
    }
    if ((codice(errore) & 0xFF) == SQLITE_IOERR) return QStringLiteral("errore di lettura o scrittura sul disco");
    // Any other failure (a constraint, a trigger of the file) with SQLite's own words.
    return QStringLiteral("errore del database: %1").arg(errore.databaseText());
}

Transazione::Transazione(QSqlDatabase& db) : db_(db) {
    aperta_ = db_.transaction();
    if (!aperta_) fallita(db_.lastError());
}

Transazione::~Transazione() {
    if (aperta_) db_.rollback();
}

bool Transazione::fallita(const QSqlError& e) {
    if (riuscita()) {
        errore_ = descriviErrore(conCodice(db_, e));
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
    if (!db_.commit()) return fallita(db_.lastError());
    aperta_ = false;
    return true;
}

}  // namespace quorvane
