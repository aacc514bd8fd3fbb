#include "analyses/db/DatabaseListe.h"

#include <QSqlQuery>
#include <QVariant>

#include "core/db/DatabaseProgramma.h"
#include "core/db/ErroreSql.h"
#include "core/db/NomiGiocatore.h"

namespace quorvane {

void registraTabelleListe() {
    DatabaseProgramma::registraTabelle(QStringLiteral("Liste"), [](Transazione& t, QSqlDatabase&) {
        return t.esegui(QStringLiteral("CREATE TABLE IF NOT EXISTS ListeNumeri (Nome TEXT PRIMARY KEY, Numeri TEXT)"));
    });
}

std::optional<std::vector<GruppoNumeri>> leggiListe(QSqlDatabase& db, QString* errore) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Nome, Numeri FROM ListeNumeri ORDER BY Nome"))) {
        *errore = descriviErrore(q.lastError());
        return std::nullopt;
    }
    std::vector<GruppoNumeri> liste;
    while (q.next()) {
        // A row written by hand with no numbers in it is skipped, not shown empty.
        const auto numeri = leggiNumeri(q.value(1).toString().toStdString());
        if (numeri && !numeri->empty()) liste.push_back({q.value(0).toString().toStdString(), *numeri});
    }
    return liste;
}

std::optional<QStringList> nomiListe(QSqlDatabase& db, QString* errore) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Nome FROM ListeNumeri ORDER BY Nome"))) {
        *errore = descriviErrore(q.lastError());
        return std::nullopt;
    }
    QStringList nomi;
    while (q.next()) nomi << q.value(0).toString();
    return nomi;
}

bool salvaLista(QSqlDatabase& db, const GruppoNumeri& lista, QString* errore) {
    const QString nome = QString::fromStdString(lista.nome);
    Transazione t(db, Transazione::Inizio::Immediata);
    QSqlQuery nomi(db), via(db), q(db);
    t.esegui(nomi, QStringLiteral("SELECT Nome FROM ListeNumeri"));
    QStringList stessoNome;
    while (t.riuscita() && nomi.next())
        if (chiaveNome(nomi.value(0).toString()) == chiaveNome(nome)) stessoNome << nomi.value(0).toString();
    nomi.finish();
    t.prepara(via, QStringLiteral("DELETE FROM ListeNumeri WHERE Nome = ?"));
    for (const QString& vecchio : stessoNome) {
        via.addBindValue(vecchio);
        t.esegui(via);
    }
    t.prepara(q, QStringLiteral("INSERT INTO ListeNumeri (Nome, Numeri) VALUES (?, ?)"));
    q.addBindValue(nome);
    q.addBindValue(QString::fromStdString(testoNumeri(lista)));
    if (t.esegui(q) && t.conferma()) return true;
    *errore = t.errore();
    return false;
}

bool eliminaLista(QSqlDatabase& db, const QString& nome, QString* errore) {
    Transazione t(db);
    QSqlQuery q(db);
    t.prepara(q, QStringLiteral("DELETE FROM ListeNumeri WHERE Nome = ?"));
    q.addBindValue(nome);
    if (t.esegui(q) && t.conferma()) return true;
    *errore = t.errore();
    return false;
}

}  // namespace quorvane
