#pragma once
// Storage failures told for what they are: a database held by another program, a full disk,
// a read-only file, a damaged file. The same words for every read and write of storage.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace quorvane {

enum class TipoErroreSql { Bloccato, Pieno, SolaLettura, Danneggiato, Altro };

TipoErroreSql tipoErrore(const QSqlError& errore);

// A read-only connection met the journal of a write stopped halfway, which it cannot roll back.
bool scritturaInterrotta(const QSqlError& errore);

// What happened, in Italian, without SQLite's own English text.
QString descriviErrore(const QSqlError& errore);

// One write of storage: begun at construction, undone at destruction unless confirmed. Every
// step is checked; the first failure stops the rest and is kept, described, in errore().
class Transazione {
public:
    // Immediata takes the write lock at once: what is read inside is what the write will change,
    // since no other program can write in between.
    enum class Inizio { Differita, Immediata };
    explicit Transazione(QSqlDatabase& db, Inizio inizio = Inizio::Differita);
    ~Transazione();
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;

    bool prepara(QSqlQuery& q, const QString& sql);
    bool esegui(QSqlQuery& q);
    bool esegui(QSqlQuery& q, const QString& sql);
    bool esegui(const QString& sql);
    bool conferma();
    // False once a step failed: nothing of the transaction is written.
    bool riuscita() const { return errore_.isEmpty(); }
    const QString& errore() const { return errore_; }

private:
    bool fallita(const QSqlError& e);
    QSqlDatabase& db_;
    bool aperta_ = false;
    QString errore_;
};

}  // namespace quorvane
