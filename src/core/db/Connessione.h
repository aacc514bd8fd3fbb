#pragma once
// One SQLite connection through Qt Sql, with its own connection name, closed on destruction.
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace quorvane {

// A write stopped halfway (a full disk, a crash) leaves a journal beside the database that only
// a connection allowed to write can roll back, which SQLite does at its first read: a connection
// opened just for that. False, everything left as it is, when the file or its folder cannot be
// written.
bool annullaScritturaInterrotta(const QString& percorso);

class Connessione {
public:
    Connessione() = default;
    ~Connessione();
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    enum class Modo { Esistente, SolaLettura, CreaSeManca };

    // Opens an SQLite file (never creating one unless asked) and checks that it is a
    // database: SQLite opens anything lazily, so a first read is what finds a bad file.
    bool apri(const QString& percorso, Modo modo, QString* errore);
    QSqlDatabase& db() { return db_; }
    const QString& percorso() const { return percorso_; }
    bool haTabella(const QString& nome) const;
    // SQLite's quick check of the whole file: false when it finds damage (`danneggiato` set) or
    // cannot run (the reason in `errore`). Made before writing, so nothing goes into a bad file.
    bool integro(bool* danneggiato, QString* errore);

private:
    // The first read, where SQLite finds what is wrong with a file; no error when it worked.
    QSqlError primaLettura();
    QSqlDatabase db_;
    QString nome_;
    QString percorso_;
};

}  // namespace quorvane
