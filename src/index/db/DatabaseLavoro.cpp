#include "index/db/DatabaseLavoro.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "core/db/DatabaseProgramma.h"
#include "core/db/ErroreSql.h"
#include "index/Configurazione.h"

namespace quorvane {

void registraTabelleLavoro() {
    DatabaseProgramma::registraTabelle(QStringLiteral("Lavoro"), [](Transazione& t, QSqlDatabase&) {
        return t.esegui(QStringLiteral("CREATE TABLE IF NOT EXISTS AnalisiInCorso (Fine TEXT, Presenze INTEGER, "
                                       "Colpi INTEGER, Mensile INTEGER, Ultima INTEGER, FineRicerca INTEGER, "
                                       "Ruote TEXT)")) &&
               t.esegui(QStringLiteral("CREATE TABLE IF NOT EXISTS PrevisioniInCorso (Riga INTEGER PRIMARY KEY, "
                                       "Numero INTEGER, Sorte INTEGER, Attiva INTEGER, Numeri TEXT)"));
    });
}

bool salvaLavoro(QSqlDatabase& db, const LavoroIndice& lavoro, QString* errore) {
    Transazione t(db);
    t.esegui(QStringLiteral("DELETE FROM AnalisiInCorso"));
    t.esegui(QStringLiteral("DELETE FROM PrevisioniInCorso"));
    if (lavoro.fine) {
        const AnalisiIndice& a = lavoro.opzioni;
        QSqlQuery q(db);
        t.prepara(q, QStringLiteral("INSERT INTO AnalisiInCorso (Fine, Presenze, Colpi, Mensile, Ultima, FineRicerca, "
                                    "Ruote) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& v :
             {QVariant(QString::fromStdString(lavoro.fine->testo())), QVariant(a.Presenze), QVariant(a.NumeroColpi),
              QVariant(a.Mensile), QVariant(a.forzaUltima ? 1 : 0), QVariant(a.fineAllaSelezionata ? 1 : 0),
              QVariant(QString::fromStdString(testoRuote(a.RuoteSel)))})
            q.addBindValue(v);
        t.esegui(q);
    }
    QSqlQuery riga(db);
    t.prepara(riga, QStringLiteral("INSERT INTO PrevisioniInCorso (Riga, Numero, Sorte, Attiva, Numeri) "
                                   "VALUES (?, ?, ?, ?, ?)"));
    for (std::size_t i = 0; i < lavoro.previsioni.size(); ++i) {
        const Previsione& p = lavoro.previsioni[i];
        riga.addBindValue(static_cast<int>(i) + 1);
        riga.addBindValue(p.numero);
        riga.addBindValue(p.sorte);
        riga.addBindValue(p.attiva ? 1 : 0);
        riga.addBindValue(QString::fromStdString(testoNumeri(p)));
        t.esegui(riga);
    }
    if (t.conferma()) return true;
    *errore = t.errore();
    return false;
}

std::optional<LavoroIndice> leggiLavoro(QSqlDatabase& db, QString* errore) {
    LavoroIndice lavoro;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Fine, Presenze, Colpi, Mensile, Ultima, FineRicerca, Ruote "
                               "FROM AnalisiInCorso"))) {
        *errore = descriviErrore(q.lastError());
        return std::nullopt;
    }
    if (q.next()) {
        AnalisiIndice& a = lavoro.opzioni;
        lavoro.fine = Data::daTesto(q.value(0).toString().toStdString());
        // A value outside its range (a file written elsewhere) leaves the option as it opens.
        a.Presenze = std::clamp(q.value(1).toInt(), AnalisiIndice::PresenzeMinime, AnalisiIndice::PresenzeMassime);
        a.NumeroColpi = std::clamp(q.value(2).toInt(), 1, AnalisiIndice::ColpiMassimi);
        a.Mensile = std::clamp(q.value(3).toInt(), 0, 31);
        a.forzaUltima = q.value(4).toInt() != 0;
        a.fineAllaSelezionata = q.value(5).toInt() != 0;
        applicaRuote(q.value(6).toString().toStdString(), a.RuoteSel);
    }
    QSqlQuery righe(db);
    righe.setForwardOnly(true);
    if (!righe.exec(QStringLiteral("SELECT Numero, Sorte, Attiva, Numeri FROM PrevisioniInCorso ORDER BY Riga"))) {
        *errore = descriviErrore(righe.lastError());
        return std::nullopt;
    }
    while (righe.next() && static_cast<int>(lavoro.previsioni.size()) < AnalisiIndice::MaxPrevisioni) {
        const std::vector<int> numeri = numeriDaTesto(righe.value(3).toString().toStdString());
        Previsione p;
        p.numero = righe.value(0).toInt();
        p.sorte = righe.value(1).toInt();
        p.attiva = righe.value(2).toInt() != 0;
        std::copy_n(numeri.begin(), std::min<std::size_t>(numeri.size(), Previsione::MaxNumeri), p.numeri.begin());
        if (numeri.empty() || erroreSorte(p.sorte, p.quanti()) || p.numero < 1 ||
            p.numero > ContatoriVerifica::MaxNumeroPrevisione)
            continue;
        lavoro.previsioni.push_back(p);
    }
    return lavoro;
}

}  // namespace quorvane
