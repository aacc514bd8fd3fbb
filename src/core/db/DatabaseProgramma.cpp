#include "core/db/DatabaseProgramma.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/db/ErroreSql.h"

namespace quorvane {

namespace {
const QStringList schema = {
    // NOCASE: parameter keys are written in more than one letter case over the years.
    QStringLiteral("CREATE TABLE IF NOT EXISTS ParametriProgramma ("
                   "Parametro TEXT NOT NULL PRIMARY KEY COLLATE NOCASE, Valore1 TEXT, Valore2 TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS Salvataggi ("
                   "IdSalvataggio INTEGER PRIMARY KEY AUTOINCREMENT, Descrizione TEXT)"),
};

std::vector<std::pair<QString, PreparazioneTabelle>>& tabelleRegistrate() {
    static std::vector<std::pair<QString, PreparazioneTabelle>> tabelle;
    return tabelle;
}

// Every opening may write (a table a new version adds): a damaged file is left as it is.
QString messaggioDanneggiato(const QString& percorso) {
    return QStringLiteral(
               "Il database del programma \"%1\" è danneggiato: non vi è stato scritto nulla. "
               "Se ne esiste una copia di sicurezza (per esempio nel salvataggio della cartella dei dati), "
               "rimetterla al suo posto; altrimenti spostare o rinominare il file: al prossimo avvio Quorvane ne "
               "crea uno nuovo, senza le configurazioni salvate.")
        .arg(QDir::toNativeSeparators(percorso));
}
}  // namespace

void DatabaseProgramma::registraTabelle(const QString& nome, PreparazioneTabelle prepara) {
    auto& tabelle = tabelleRegistrate();
    auto gia = std::find_if(tabelle.begin(), tabelle.end(), [&](const auto& t) { return t.first == nome; });
    if (gia != tabelle.end()) gia->second = std::move(prepara);
    else tabelle.emplace_back(nome, std::move(prepara));
}

std::unique_ptr<DatabaseProgramma> DatabaseProgramma::apri(const QString& cartella,
                                                           const QList<Parametro>& valoriIniziali, QString* errore) {
    if (!QDir().mkpath(cartella)) {
        *errore = QStringLiteral("Impossibile creare la cartella dei dati \"%1\".").arg(cartella);
        return nullptr;
    }
    auto db = std::unique_ptr<DatabaseProgramma>(new DatabaseProgramma);
    const QString percorso = QDir(cartella).filePath(NomeFile);
    QString motivo;
    if (!db->connessione_.apri(percorso, Connessione::Modo::CreaSeManca, &motivo)) {
        *errore = QStringLiteral("Il database del programma non si può usare.\n%1").arg(motivo);
        return nullptr;
    }
    bool danneggiato = false;
    if (!db->connessione_.integro(&danneggiato, &motivo)) {
        *errore = danneggiato
                      ? messaggioDanneggiato(percorso)
                      : QStringLiteral("Il database del programma \"%1\" non si può usare: %2.").arg(percorso, motivo);
        return nullptr;
    }
    // New when it has no parameter table yet: a missing file, but also an empty one (0 bytes,
    // as a failed first start can leave), which must get its parameter rows too.
    db->creato_ = !db->connessione_.haTabella(QStringLiteral("ParametriProgramma"));
    QSqlDatabase& sql = db->db();
    Transazione t(sql);
    for (const QString& istruzione : schema) t.esegui(istruzione);
    for (const auto& [nome, prepara] : tabelleRegistrate()) prepara(t, sql);
    if (db->creato_) {
        for (const Parametro& p : valoriIniziali) {
            QSqlQuery q(sql);
            t.prepara(q,
                      QStringLiteral("INSERT INTO ParametriProgramma (Parametro, Valore1, Valore2) VALUES (?, ?, ?)"));
            q.addBindValue(p.nome);
            q.addBindValue(p.valore1);
            q.addBindValue(p.valore2);
            t.esegui(q);
        }
    }
    if (!t.conferma()) {
        *errore = QStringLiteral("Il database del programma \"%1\" non si può preparare: %2.").arg(percorso, t.errore());
        return nullptr;
    }
    return db;
}

std::optional<QString> DatabaseProgramma::parametro(const QString& nome) {
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT Valore1 FROM ParametriProgramma WHERE Parametro = ?"));
    q.addBindValue(nome);
    if (!q.exec() || !q.next()) return std::nullopt;
    return q.value(0).toString();
}

bool DatabaseProgramma::impostaParametro(const QString& nome, const QString& valore) {
    QSqlQuery q(db());
    q.prepare(QStringLiteral("UPDATE ParametriProgramma SET Valore1 = ? WHERE Parametro = ?"));
    q.addBindValue(valore);
    q.addBindValue(nome);
    return q.exec() && q.numRowsAffected() == 1;
}

bool DatabaseProgramma::aggiungiParametroSeManca(const Parametro& parametro) {
    QSqlQuery q(db());
    q.prepare(
        QStringLiteral("INSERT OR IGNORE INTO ParametriProgramma (Parametro, Valore1, Valore2) VALUES (?, ?, ?)"));
    q.addBindValue(parametro.nome);
    q.addBindValue(parametro.valore1);
    q.addBindValue(parametro.valore2);
    return q.exec();
}

QList<Parametro> DatabaseProgramma::parametri() {
    QList<Parametro> elenco;
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Parametro, Valore1, Valore2 FROM ParametriProgramma "
                               "ORDER BY Parametro")))
        return elenco;
    while (q.next()) elenco.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return elenco;
}

}  // namespace quorvane
