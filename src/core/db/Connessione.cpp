#include "core/db/Connessione.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "core/FileDati.h"
#include "core/db/ErroreSql.h"
#include "core/db/PercorsoFile.h"

namespace quorvane {

Connessione::~Connessione() {
    if (nome_.isEmpty()) return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(nome_);
}

bool Connessione::apri(const QString& percorso, Modo modo, QString* errore) {
    percorso_ = percorso;
    const QFileInfo file(percorso);
    if (file.exists() && !file.isFile()) {
        *errore = QStringLiteral("\"%1\" non è un file normale: non può essere un database.").arg(percorso);
        return false;
    }
    if (modo != Modo::CreaSeManca && !file.exists()) {
        *errore = QString::fromStdString(motivoFileAssente(percorsoFile(percorso), percorso.toStdString()));
        return false;
    }
    nome_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_);
    db_.setDatabaseName(percorso);
    if (modo == Modo::SolaLettura) db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db_.open()) {
        *errore = QStringLiteral("Impossibile aprire \"%1\": %2.").arg(percorso, descriviErrore(db_.lastError()));
        return false;
    }
    // SQLite opens anything lazily: the first read finds a damaged file, but also a lock held
    // by another program or a folder it cannot write in, which are no damage.
    QSqlQuery prova(db_);
    if (!prova.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QSqlError motivo = prova.lastError();
        *errore = tipoErrore(motivo) == TipoErroreSql::Danneggiato
                      ? QStringLiteral("Il file \"%1\" non è un database valido.").arg(percorso)
                      : QStringLiteral("Impossibile leggere \"%1\": %2.").arg(percorso, descriviErrore(motivo));
        prova = QSqlQuery();
        db_.close();
        return false;
    }
    prova.finish();
    QSqlQuery(db_).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    return true;
}

bool Connessione::haTabella(const QString& nome) const {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE"));
    q.addBindValue(nome);
    return q.exec() && q.next();
}

}  // namespace quorvane
