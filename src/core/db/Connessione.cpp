#include "core/db/Connessione.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace quorvane {

Connessione::~Connessione() {
    if (nome_.isEmpty()) return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(nome_);
}

bool Connessione::apri(const QString& percorso, Modo modo, QString* errore) {
    percorso_ = percorso;
    if (modo != Modo::CreaSeManca && !QFileInfo(percorso).isFile()) {
        *errore = QStringLiteral("Il file \"%1\" non esiste.").arg(percorso);
        return false;
    }
    nome_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_);
    db_.setDatabaseName(percorso);
    if (modo == Modo::SolaLettura) db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db_.open()) {
        *errore = QStringLiteral("Impossibile aprire \"%1\": %2").arg(percorso, db_.lastError().text());
        return false;
    }
    QSqlQuery prova(db_);
    if (!prova.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        *errore = QStringLiteral("Il file \"%1\" non è un database valido.").arg(percorso);
        db_.close();
        return false;
    }
    prova.finish();
    QSqlQuery(db_).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    return true;
}

bool Connessione::haTabella(const QString& nome) const {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE"));
    q.addBindValue(nome);
    return q.exec() && q.next();
}

bool eseguiTutte(QSqlDatabase& db, const QStringList& istruzioni, QString* errore) {
    for (const QString& sql : istruzioni) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            *errore = q.lastError().text();
            return false;
        }
    }
    return true;
}

}  // namespace quorvane
