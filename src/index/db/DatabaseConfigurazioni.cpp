#include "index/db/DatabaseConfigurazioni.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace quorvane {

namespace {

QString q(const std::string& testo) { return QString::fromStdString(testo); }
std::string s(const QVariant& v) { return v.isNull() ? std::string() : v.toString().toStdString(); }

bool fallito(const QSqlQuery& query, QString* errore) {
    *errore = query.lastError().text();
    return false;
}

// Everything the transaction writes, or false with the reason (the caller rolls back).
bool scrivi(QSqlDatabase& db, const Configurazione& c, const std::vector<PrevisioneSalvata>& righe, long long* id,
            QString* errore) {
    QSqlQuery doppione(db);
    // Names differing only in letter case are the same name to the user.
    doppione.prepare(QStringLiteral("SELECT 1 FROM Configurazioni WHERE Configurazione = ? COLLATE NOCASE"));
    doppione.addBindValue(q(c.nome));
    if (!doppione.exec()) return fallito(doppione, errore);
    if (doppione.next()) {
        *errore = QStringLiteral("la denominazione \"%1\" è già presente").arg(q(c.nome));
        return false;
    }
    QSqlQuery testata(db);
    testata.prepare(QStringLiteral("INSERT INTO Configurazioni (Configurazione, NE, Mesi, Mensile, Colpi, Ruote, Fine) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : {QVariant(q(c.nome)), QVariant(c.NE), QVariant(c.Mesi), QVariant(c.Mensile),
                              QVariant(c.Colpi), QVariant(q(c.Ruote)), QVariant(c.Fine)})
        testata.addBindValue(v);
    if (!testata.exec()) return fallito(testata, errore);
    *id = testata.lastInsertId().toLongLong();

    QSqlQuery riga(db);
    riga.prepare(QStringLiteral("INSERT INTO ConfigNumeri (IdConfig, Riga, Sorte, Esiti, Numeri) VALUES (?, ?, ?, ?, ?)"));
    for (const PrevisioneSalvata& p : righe) {
        riga.addBindValue(*id);
        riga.addBindValue(p.Riga);
        riga.addBindValue(p.Sorte);
        riga.addBindValue(p.Esiti);
        riga.addBindValue(q(p.Numeri));
        if (!riga.exec()) return fallito(riga, errore);
    }
    return true;
}

}  // namespace

std::optional<long long> salvaConfigurazione(QSqlDatabase& db, const Configurazione& c,
                                             const std::vector<PrevisioneSalvata>& righe, QString* errore) {
    errore->clear();
    const QString nome = q(c.nome);
    if (nome.trimmed().isEmpty()) {
        *errore = QStringLiteral("la denominazione è vuota");
        return std::nullopt;
    }
    // Characters, not UTF-16 units: the column's limit counts what the user typed.
    if (nome.toUcs4().size() > Configurazione::MaxNome) {
        *errore = QStringLiteral("la denominazione supera i %1 caratteri").arg(Configurazione::MaxNome);
        return std::nullopt;
    }
    if (!db.transaction()) {
        *errore = db.lastError().text();
        return std::nullopt;
    }
    long long id = 0;
    if (!scrivi(db, c, righe, &id, errore) || !db.commit()) {
        if (errore->isEmpty()) *errore = db.lastError().text();
        db.rollback();
        return std::nullopt;
    }
    return id;
}

std::optional<std::vector<Configurazione>> leggiConfigurazioni(QSqlDatabase& db, QString* errore) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT Configurazioni.IdConfig as Cod, Configurazioni.Configurazione, Configurazioni.NE, "
            "Configurazioni.Mesi, Configurazioni.Mensile, Configurazioni.Colpi, Configurazioni.Ruote, "
            "Configurazioni.Fine FROM Configurazioni "
            "ORDER BY Configurazioni.Configurazione COLLATE NOCASE, Configurazioni.IdConfig"))) {
        fallito(query, errore);
        return std::nullopt;
    }
    std::vector<Configurazione> elenco;
    while (query.next()) {
        Configurazione c;
        c.IdConfig = query.value(0).toLongLong();
        c.nome = s(query.value(1));
        c.NE = query.value(2).toInt();
        c.Mesi = query.value(3).toInt();
        c.Mensile = query.value(4).toInt();
        c.Colpi = query.value(5).toInt();
        c.Ruote = s(query.value(6));
        c.Fine = query.value(7).toInt();
        elenco.push_back(std::move(c));
    }
    return elenco;
}

std::optional<std::vector<PrevisioneSalvata>> leggiPrevisioniSalvate(QSqlDatabase& db, long long idConfig,
                                                                     QString* errore) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT ConfigNumeri.ID, ConfigNumeri.IdConfig, ConfigNumeri.Riga, ConfigNumeri.Sorte, ConfigNumeri.Esiti, "
        "ConfigNumeri.Et, ConfigNumeri.Numeri "
        "FROM Configurazioni INNER JOIN ConfigNumeri ON Configurazioni.IdConfig = ConfigNumeri.IdConfig "
        "Where (((ConfigNumeri.IdConfig) = ?)) ORDER BY ConfigNumeri.Riga, ConfigNumeri.ID"));
    query.addBindValue(idConfig);
    if (!query.exec()) {
        fallito(query, errore);
        return std::nullopt;
    }
    std::vector<PrevisioneSalvata> righe;
    while (query.next()) {
        PrevisioneSalvata p;
        p.ID = query.value(0).toLongLong();
        p.IdConfig = query.value(1).toLongLong();
        p.Riga = query.value(2).toInt();
        p.Sorte = query.value(3).toInt();
        p.Esiti = query.value(4).toInt();
        if (!query.value(5).isNull()) p.Et = query.value(5).toInt();
        p.Numeri = s(query.value(6));
        righe.push_back(std::move(p));
    }
    return righe;
}

EsitoEliminazione eliminaConfigurazione(QSqlDatabase& db, long long idConfig, QString* errore) {
    if (!db.transaction()) {
        *errore = db.lastError().text();
        return EsitoEliminazione::Errore;
    }
    QSqlQuery righe(db), testata(db);
    righe.prepare(QStringLiteral("DELETE FROM ConfigNumeri WHERE IdConfig = ?"));
    righe.addBindValue(idConfig);
    testata.prepare(QStringLiteral("DELETE FROM Configurazioni WHERE IdConfig = ?"));
    testata.addBindValue(idConfig);
    if (!righe.exec() || !testata.exec()) {
        *errore = (righe.lastError().isValid() ? righe : testata).lastError().text();
        db.rollback();
        return EsitoEliminazione::Errore;
    }
    const bool trovata = testata.numRowsAffected() > 0;
    if (!db.commit()) {
        *errore = db.lastError().text();
        db.rollback();
        return EsitoEliminazione::Errore;
    }
    return trovata ? EsitoEliminazione::Eliminata : EsitoEliminazione::Inesistente;
}

}  // namespace quorvane
