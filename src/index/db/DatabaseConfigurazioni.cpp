#include "index/db/DatabaseConfigurazioni.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "core/db/DatabaseProgramma.h"
#include "core/db/ErroreSql.h"
#include "core/db/NomiGiocatore.h"

namespace quorvane {

namespace {

QString q(const std::string& testo) {
    return QString::fromStdString(testo);
}
std::string s(const QVariant& v) {
    return v.isNull() ? std::string() : v.toString().toStdString();
}

const QStringList schema = {
    QStringLiteral("CREATE TABLE IF NOT EXISTS Configurazioni ("
                   "IdConfig INTEGER PRIMARY KEY AUTOINCREMENT, "
                   "Configurazione TEXT NOT NULL UNIQUE CHECK (length(Configurazione) <= 60), "
                   "NE INTEGER, Mesi INTEGER, Mensile INTEGER, Colpi INTEGER, Ruote TEXT, Fine INTEGER)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS ConfigNumeri ("
                   "ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                   "IdConfig INTEGER NOT NULL REFERENCES Configurazioni(IdConfig) ON DELETE CASCADE, "
                   "Riga INTEGER, Sorte INTEGER, Esiti INTEGER, Et INTEGER, Numeri TEXT)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS ConfigNumeriPerConfig ON ConfigNumeri(IdConfig)"),
};

bool fallito(const QSqlQuery& query, QString* errore) {
    *errore = descriviErrore(query.lastError());
    return false;
}

// Everything the save writes; a failed step leaves the reason in the transaction.
std::optional<long long> scrivi(Transazione& t, QSqlDatabase& db, const Configurazione& c,
                                const std::vector<PrevisioneSalvata>& righe, QString* errore) {
    QSqlQuery nomi(db);
    // Names that read the same (spaces around, letter case, Unicode form) are the same name.
    if (!t.esegui(nomi, QStringLiteral("SELECT Configurazione FROM Configurazioni"))) return std::nullopt;
    while (nomi.next()) {
        if (chiaveNome(nomi.value(0).toString()) != chiaveNome(q(c.nome))) continue;
        *errore = QStringLiteral("la denominazione \"%1\" è già presente").arg(nomi.value(0).toString());
        return std::nullopt;
    }
    QSqlQuery testata(db);
    t.prepara(testata,
              QStringLiteral("INSERT INTO Configurazioni (Configurazione, NE, Mesi, Mensile, Colpi, Ruote, Fine) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : {QVariant(q(c.nome)), QVariant(c.NE), QVariant(c.Mesi), QVariant(c.Mensile),
                              QVariant(c.Colpi), QVariant(q(c.Ruote)), QVariant(c.Fine)})
        testata.addBindValue(v);
    if (!t.esegui(testata)) return std::nullopt;
    const long long id = testata.lastInsertId().toLongLong();

    QSqlQuery riga(db);
    t.prepara(riga,
              QStringLiteral("INSERT INTO ConfigNumeri (IdConfig, Riga, Sorte, Esiti, Numeri) VALUES (?, ?, ?, ?, ?)"));
    for (const PrevisioneSalvata& p : righe) {
        riga.addBindValue(id);
        riga.addBindValue(p.Riga);
        riga.addBindValue(p.Sorte);
        riga.addBindValue(p.Esiti);
        riga.addBindValue(q(p.Numeri));
        if (!t.esegui(riga)) return std::nullopt;
    }
    return id;
}

// A tab or a line end breaks the list it is printed in, an escape reaches the terminal.
bool haCaratteriDiControllo(const QString& nome) {
    return std::any_of(nome.begin(), nome.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

}  // namespace

void registraTabelleConfigurazioni() {
    DatabaseProgramma::registraTabelle(QStringLiteral("Configurazioni"), [](Transazione& t, QSqlDatabase&) {
        for (const QString& istruzione : schema) t.esegui(istruzione);
        return t.riuscita();
    });
}

std::optional<long long> salvaConfigurazione(QSqlDatabase& db, const Configurazione& c,
                                             const std::vector<PrevisioneSalvata>& righe, QString* errore,
                                             bool* nomePresente) {
    errore->clear();
    if (haCaratteriDiControllo(q(c.nome))) {
        *errore = QStringLiteral("la denominazione contiene caratteri di controllo (tabulazioni, a capo, escape)");
        return std::nullopt;
    }
    const auto nome = nomeVisibile(q(c.nome));
    if (!nome) {
        *errore = q(c.nome).trimmed().isEmpty() ? QStringLiteral("la denominazione è vuota")
                                                : QStringLiteral("la denominazione non ha caratteri visibili");
        return std::nullopt;
    }
    // Characters, not UTF-16 units: the column's limit counts what the user typed.
    if (nome->toUcs4().size() > Configurazione::MaxNome) {
        *errore = QStringLiteral("la denominazione supera i %1 caratteri").arg(Configurazione::MaxNome);
        return std::nullopt;
    }
    Configurazione memorizzata = c;
    memorizzata.nome = nome->toStdString();
    Transazione t(db);
    const auto id = scrivi(t, db, memorizzata, righe, errore);
    if (id && t.conferma()) return id;
    if (nomePresente) *nomePresente = !errore->isEmpty() && t.riuscita();
    if (errore->isEmpty()) *errore = t.errore();
    return std::nullopt;
}

std::optional<std::vector<Configurazione>> leggiConfigurazioni(QSqlDatabase& db, QString* errore) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT Configurazioni.IdConfig as Cod, Configurazioni.Configurazione, Configurazioni.NE, "
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
    Transazione t(db);
    QSqlQuery righe(db), testata(db);
    t.prepara(righe, QStringLiteral("DELETE FROM ConfigNumeri WHERE IdConfig = ?"));
    righe.addBindValue(idConfig);
    t.prepara(testata, QStringLiteral("DELETE FROM Configurazioni WHERE IdConfig = ?"));
    testata.addBindValue(idConfig);
    t.esegui(righe);
    const bool trovata = t.esegui(testata) && testata.numRowsAffected() > 0;
    if (!t.conferma()) {
        *errore = t.errore();
        return EsitoEliminazione::Errore;
    }
    return trovata ? EsitoEliminazione::Eliminata : EsitoEliminazione::Inesistente;
}

}  // namespace quorvane
