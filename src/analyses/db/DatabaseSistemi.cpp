#include "analyses/db/DatabaseSistemi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "analyses/BibliotecaSistemi.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane {

namespace {
const QStringList schema = {
    QStringLiteral("CREATE TABLE IF NOT EXISTS Sist_Ortogonali ("
                   "IdOrto INTEGER PRIMARY KEY AUTOINCREMENT, Denominazione TEXT, "
                   "sviluppo INTEGER, Numeri INTEGER)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS Sist_OrtoSv ("
                   "NuRiga INTEGER, Qn TEXT, Num TEXT, "
                   "RifOrto INTEGER NOT NULL REFERENCES Sist_Ortogonali(IdOrto) ON DELETE CASCADE)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS Sist_OrtoSvPerSistema ON Sist_OrtoSv(RifOrto)"),
};

bool fallito(const QSqlQuery& q, QString* errore) {
    *errore = descriviErrore(q.lastError());
    return false;
}

std::string testo(const QVariant& v) {
    return v.isNull() ? std::string() : v.toString().toStdString();
}
}  // namespace

void registraTabelleSistemi() {
    DatabaseProgramma::registraTabelle(QStringLiteral("Sistemi"), [](Transazione& t, QSqlDatabase& db) {
        for (const QString& istruzione : schema) t.esegui(istruzione);
        return preparaBibliotecaSistemi(t, db);
    });
}

bool preparaBibliotecaSistemi(Transazione& t, QSqlDatabase& db) {
    QSqlQuery conta(db);
    if (!t.esegui(conta, QStringLiteral("SELECT COUNT(*) FROM Sist_Ortogonali")) || !conta.next()) return false;
    if (conta.value(0).toLongLong() > 0) return true;

    QSqlQuery sistema(db), riga(db);
    t.prepara(sistema,
              QStringLiteral("INSERT INTO Sist_Ortogonali (Denominazione, sviluppo, Numeri) VALUES (?, ?, ?)"));
    t.prepara(riga, QStringLiteral("INSERT INTO Sist_OrtoSv (NuRiga, Qn, Num, RifOrto) VALUES (?, ?, ?, ?)"));
    for (const DisegnoSistema& d : bibliotecaSistemi()) {
        sistema.addBindValue(QString::fromStdString(d.denominazione));
        sistema.addBindValue(d.sviluppo);
        sistema.addBindValue(d.numeri);
        if (!t.esegui(sistema)) return false;
        const QVariant id = sistema.lastInsertId();
        // Qn: how many numbers the row holds.
        const QString qn = QString::number(d.sviluppo);
        for (std::size_t i = 0; i < d.righe.size(); ++i) {
            riga.addBindValue(static_cast<int>(i) + 1);
            riga.addBindValue(qn);
            riga.addBindValue(QString::fromStdString(mascheraRiga(d.righe[i])));
            riga.addBindValue(id);
            if (!t.esegui(riga)) return false;
        }
    }
    return true;
}

std::optional<std::vector<VoceSistema>> leggiElencoSistemi(QSqlDatabase& db, QString* errore) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // IdOrto after the key keeps systems of the same size in the order they were stored.
    if (!q.exec(QStringLiteral("SELECT Sist_Ortogonali.IdOrto as Cod, Sist_Ortogonali.Denominazione, "
                               "Sist_Ortogonali.sviluppo From Sist_Ortogonali "
                               "ORDER BY Sist_Ortogonali.Numeri, Sist_Ortogonali.IdOrto"))) {
        fallito(q, errore);
        return std::nullopt;
    }
    std::vector<VoceSistema> elenco;
    while (q.next()) elenco.push_back({q.value(0).toLongLong(), testo(q.value(1)), q.value(2).toInt()});
    return elenco;
}

std::optional<std::vector<RigaSalvata>> leggiRigheSistema(QSqlDatabase& db, long long cod, QString* errore) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT Sist_OrtoSv.NuRiga, Sist_OrtoSv.Qn, Sist_OrtoSv.Num "
                       "FROM Sist_Ortogonali INNER JOIN Sist_OrtoSv ON Sist_Ortogonali.IdOrto = "
                       "Sist_OrtoSv.RifOrto Where (((Sist_OrtoSv.RifOrto) = ?)) "
                       "ORDER BY Sist_OrtoSv.NuRiga"));
    q.addBindValue(cod);
    if (!q.exec()) {
        fallito(q, errore);
        return std::nullopt;
    }
    std::vector<RigaSalvata> righe;
    while (q.next()) righe.push_back({testo(q.value(0)), testo(q.value(1)), testo(q.value(2))});
    return righe;
}

}  // namespace quorvane
