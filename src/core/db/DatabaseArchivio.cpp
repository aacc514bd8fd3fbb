#include "core/db/DatabaseArchivio.h"

#include <QDateTime>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <memory>

#include <sqlite3.h>

#include "core/db/ErroreSql.h"

namespace quorvane {

namespace {
const QStringList schema = {
    // "To" (Torino) is an SQL keyword and is always quoted. Dates are stored as "AAAA-MM-GG"
    // so that ordering by DataEstrazione is chronological.
    QStringLiteral("CREATE TABLE IF NOT EXISTS EstrazioniLotto ("
                   "DataEstrazione TEXT NOT NULL PRIMARY KEY, "
                   "Ba TEXT, Ca TEXT, Fi TEXT, Ge TEXT, Mi TEXT, Na TEXT, Pa TEXT, Ro TEXT, "
                   "\"To\" TEXT, Ve TEXT, Nz TEXT, datareg TEXT, orareg TEXT)"),
    QStringLiteral("CREATE VIEW IF NOT EXISTS Query_AAMMGG AS SELECT "
                   "CAST(substr(DataEstrazione, 1, 4) AS INTEGER) AS A, "
                   "CAST(substr(DataEstrazione, 6, 2) AS INTEGER) AS M, "
                   "CAST(substr(DataEstrazione, 9, 2) AS INTEGER) AS G, "
                   "DataEstrazione FROM EstrazioniLotto"),
};

const char* const letturaEstrazioni =
    "SELECT EstrazioniLotto.DataEstrazione, EstrazioniLotto.Ba, EstrazioniLotto.Ca, "
    "EstrazioniLotto.Fi, EstrazioniLotto.Ge, EstrazioniLotto.Mi, EstrazioniLotto.Na, "
    "EstrazioniLotto.Pa, EstrazioniLotto.Ro, EstrazioniLotto.\"To\", EstrazioniLotto.Ve, "
    "EstrazioniLotto.Nz From EstrazioniLotto ORDER BY EstrazioniLotto.DataEstrazione";

QString erroreLettura(sqlite3* sqlite) {
    const QSqlError e({}, {}, QSqlError::StatementError, QString::number(sqlite3_extended_errcode(sqlite)));
    return QStringLiteral("Lettura dell'archivio non riuscita: %1.").arg(descriviErrore(e));
}

std::string_view testoColonna(sqlite3_stmt* istruzione, int colonna) {
    auto* testo = reinterpret_cast<const char*>(sqlite3_column_text(istruzione, colonna));
    if (!testo) return {};
    return {testo, static_cast<std::size_t>(sqlite3_column_bytes(istruzione, colonna))};
}

// The driver's own connection: the whole archive is read on every load, and going through
// SQLite's interface directly avoids a variant and a UTF-16 copy per value, most of its time.
sqlite3* connessioneSqlite(QSqlDatabase& db) {
    QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}
}  // namespace

std::unique_ptr<DatabaseArchivio> DatabaseArchivio::apri(const QString& percorso, QString* errore,
                                                         bool solaLettura) {
    auto db = std::unique_ptr<DatabaseArchivio>(new DatabaseArchivio);
    auto modo = solaLettura ? Connessione::Modo::SolaLettura : Connessione::Modo::Esistente;
    if (!db->connessione_.apri(percorso, modo, errore)) return nullptr;
    if (!db->connessione_.haTabella(QStringLiteral("EstrazioniLotto"))) {
        *errore = QStringLiteral("Il file \"%1\" non contiene un archivio delle estrazioni.").arg(percorso);
        return nullptr;
    }
    return db;
}

std::unique_ptr<DatabaseArchivio> DatabaseArchivio::apriOCrea(const QString& percorso, QString* errore) {
    auto db = std::unique_ptr<DatabaseArchivio>(new DatabaseArchivio);
    if (!db->connessione_.apri(percorso, Connessione::Modo::CreaSeManca, errore) || !db->creaSchema(errore)) return nullptr;
    return db;
}

bool DatabaseArchivio::creaSchema(QString* errore) {
    Transazione t(connessione_.db());
    for (const QString& istruzione : schema) t.esegui(istruzione);
    if (t.conferma()) return true;
    *errore = QStringLiteral("Impossibile preparare l'archivio \"%1\": %2.").arg(percorso(), t.errore());
    return false;
}

std::optional<std::vector<RigaArchivio>> DatabaseArchivio::leggiEstrazioni(QString* errore) {
    sqlite3* sqlite = connessioneSqlite(connessione_.db());
    sqlite3_stmt* grezza = nullptr;
    if (!sqlite || sqlite3_prepare_v2(sqlite, letturaEstrazioni, -1, &grezza, nullptr) != SQLITE_OK) {
        *errore = sqlite ? erroreLettura(sqlite) : QStringLiteral("Connessione SQLite non disponibile.");
        return std::nullopt;
    }
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> istruzione(grezza, sqlite3_finalize);
    std::vector<RigaArchivio> righe;
    righe.reserve(static_cast<std::size_t>(std::max(numeroEstrazioni(), 0)));
    // Draws are ordered by the stored text: only "AAAA-MM-GG" (possibly followed by a time) puts
    // them in date order, and a table made elsewhere may lack the key that keeps dates single.
    // Such an archive would load silently wrong, so it is refused, naming what is wrong.
    const auto nonValido = [&](const QString& motivo) {
        *errore = QStringLiteral("L'archivio \"%1\" non si può usare: %2.").arg(percorso(), motivo);
        return std::nullopt;
    };
    std::optional<Data> precedente;
    int esito;
    while ((esito = sqlite3_step(istruzione.get())) == SQLITE_ROW) {
        const std::string_view memorizzata = testoColonna(istruzione.get(), 0);
        const auto data = Data::daTestoIso(memorizzata.substr(0, 10));
        if (!data)
            return nonValido(QStringLiteral("la data \"%1\" non è scritta come AAAA-MM-GG")
                                 .arg(QString::fromUtf8(memorizzata.data(), static_cast<qsizetype>(memorizzata.size()))));
        if (precedente && !(*precedente < *data))
            return nonValido(QStringLiteral("la data %1 è ripetuta").arg(QString::fromStdString(data->testo())));
        precedente = data;
        RigaArchivio riga;
        riga.data = data->testo();
        for (int r = 0; r < NumRuote; ++r) riga.ruote[r] = testoColonna(istruzione.get(), r + 1);
        righe.push_back(std::move(riga));
    }
    if (esito != SQLITE_DONE) {
        *errore = erroreLettura(sqlite);
        return std::nullopt;
    }
    return righe;
}

int DatabaseArchivio::numeroEstrazioni() {
    QSqlQuery q(connessione_.db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM EstrazioniLotto")) || !q.next()) return -1;
    return q.value(0).toInt();
}

bool DatabaseArchivio::integro(QString* errore) {
    QSqlQuery q(connessione_.db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        *errore = descriviErrore(q.lastError());
        return false;
    }
    if (q.value(0).toString() == QStringLiteral("ok")) return true;
    *errore = QStringLiteral("l'archivio è danneggiato (il controllo di integrità di SQLite non è riuscito)");
    return false;
}

std::optional<int> DatabaseArchivio::aggiungiEstrazioni(const std::vector<Estrazione>& estrazioni,
                                                        QString* errore) {
    if (!integro(errore)) return std::nullopt;
    Transazione scrittura(connessione_.db());
    const QDateTime adesso = QDateTime::currentDateTime();
    const QString giorno = adesso.toString(QStringLiteral("yyyy-MM-dd"));
    const QString ora = adesso.toString(QStringLiteral("HH:mm:ss"));
    QSqlQuery q(connessione_.db());
    scrittura.prepara(q, QStringLiteral(
        "INSERT OR IGNORE INTO EstrazioniLotto (DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, "
        "\"To\", Ve, Nz, datareg, orareg) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    int aggiunte = 0;
    for (std::size_t i = 0; i < estrazioni.size() && scrittura.riuscita(); ++i) {
        const Estrazione& e = estrazioni[i];
        q.bindValue(0, QString::fromStdString(e.data.testoIso()));
        for (int r = 0; r < NumRuote; ++r)
            q.bindValue(r + 1, QString::fromStdString(scriviTestoRuota(e.ruote[r])));
        q.bindValue(12, giorno);
        q.bindValue(13, ora);
        if (scrittura.esegui(q)) aggiunte += q.numRowsAffected();
    }
    if (!scrittura.conferma()) {
        *errore = scrittura.errore() + QStringLiteral(": nessuna estrazione è stata scritta");
        return std::nullopt;
    }
    return aggiunte;
}

}  // namespace quorvane
