#include "core/db/Connessione.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include "core/FileDati.h"
#include "core/db/ErroreSql.h"
#include "core/db/PercorsoFile.h"

namespace quorvane {

bool annullaScritturaInterrotta(const QString& percorso) {
    const QString nome = QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool annullata = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso);
        if (db.open()) annullata = QSqlQuery(db).exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return annullata && !QFileInfo::exists(percorso + QStringLiteral("-journal"));
}

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
    QSqlError motivo = primaLettura();
    if (modo == Modo::SolaLettura && scritturaInterrotta(motivo)) {
        db_.close();
        if (annullaScritturaInterrotta(percorso) && db_.open()) motivo = primaLettura();
    }
    if (motivo.isValid()) {
        *errore = tipoErrore(motivo) == TipoErroreSql::Danneggiato
                      ? QStringLiteral("Il file \"%1\" non è un database valido.").arg(percorso)
                      : QStringLiteral("Impossibile leggere \"%1\": %2.").arg(percorso, descriviErrore(motivo));
        db_.close();
        return false;
    }
    QSqlQuery(db_).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    return true;
}

QSqlError Connessione::primaLettura() {
    QSqlQuery prova(db_);
    return prova.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) ? QSqlError() : prova.lastError();
}

bool Connessione::haTabella(const QString& nome) const {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE"));
    q.addBindValue(nome);
    return q.exec() && q.next();
}

bool Connessione::integro(bool* danneggiato, QString* errore) {
    QSqlQuery q(db_);
    const bool eseguito = q.exec(QStringLiteral("PRAGMA quick_check")) && q.next();
    *danneggiato = eseguito ? q.value(0).toString() != QStringLiteral("ok")
                            : tipoErrore(q.lastError()) == TipoErroreSql::Danneggiato;
    if (!eseguito) *errore = descriviErrore(q.lastError());
    return eseguito && !*danneggiato;
}

}  // namespace quorvane
