#include "core/db/DatabaseArchivio.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <array>
#include <memory>

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

// One value per draw, its columns joined by tabs (printf writes NULL as an empty text), as
// bytes: through Qt's driver every value costs a variant and every text a UTF-16 copy, and the
// whole archive is read on every load.
const QString letturaEstrazioni = QStringLiteral(
    "SELECT CAST(printf('%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s', DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, "
    "Pa, Ro, \"To\", Ve, Nz) AS BLOB) FROM EstrazioniLotto ORDER BY DataEstrazione");

QString erroreLettura(const QSqlError& e) {
    return QStringLiteral("Lettura dell'archivio non riuscita: %1.").arg(descriviErrore(e));
}

// A row of the reading above split into its columns, the stored date text first; false when a
// value held a tab itself.
bool dividiRiga(std::string_view testo, std::string_view& dataMemorizzata, RigaArchivio& riga) {
    std::array<std::string_view, NumRuote + 1> colonne;
    for (int i = 0; i < NumRuote; ++i) {
        const std::size_t tab = testo.find('\t');
        if (tab == std::string_view::npos) return false;
        colonne[i] = testo.substr(0, tab);
        testo.remove_prefix(tab + 1);
    }
    if (testo.find('\t') != std::string_view::npos) return false;
    colonne[NumRuote] = testo;
    dataMemorizzata = colonne[0];
    for (int r = 0; r < NumRuote; ++r) riga.ruote[r] = colonne[r + 1];
    return true;
}
}  // namespace

std::unique_ptr<DatabaseArchivio> DatabaseArchivio::apri(const QString& percorso, QString* errore, bool solaLettura) {
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
    if (!db->connessione_.apri(percorso, Connessione::Modo::CreaSeManca, errore) || !db->creaSchema(errore))
        return nullptr;
    return db;
}

bool DatabaseArchivio::creaSchema(QString* errore) {
    Transazione t(connessione_.db());
    for (const QString& istruzione : schema) t.esegui(istruzione);
    if (t.conferma()) return true;
    *errore = QStringLiteral("Impossibile preparare l'archivio \"%1\": %2.").arg(percorso(), t.errore());
    return false;
}

// Through Qt's driver only: a Qt built for Windows carries its own SQLite, and a handle taken
// out of the driver would reach a different library from the one the program links.
std::optional<std::vector<RigaArchivio>> DatabaseArchivio::leggiEstrazioni(QString* errore) {
    std::vector<RigaArchivio> righe;
    righe.reserve(static_cast<std::size_t>(std::max(numeroEstrazioni(), 0)));
    QSqlQuery q(connessione_.db());
    q.setForwardOnly(true);
    if (!q.exec(letturaEstrazioni)) {
        *errore = erroreLettura(q.lastError());
        return std::nullopt;
    }
    // Draws are ordered by the stored text: only "AAAA-MM-GG" (possibly followed by a time) puts
    // them in date order, and a table made elsewhere may lack the key that keeps dates single.
    // Such an archive would load silently wrong, so it is refused, naming what is wrong.
    const auto nonValido = [&](const QString& motivo) {
        *errore = QStringLiteral("L'archivio \"%1\" non si può usare: %2.").arg(percorso(), motivo);
        return std::nullopt;
    };
    std::optional<Data> precedente;
    while (q.next()) {
        RigaArchivio riga;
        std::string_view memorizzata;
        const QByteArray valori = q.value(0).toByteArray();
        if (!dividiRiga(std::string_view(valori.constData(), static_cast<std::size_t>(valori.size())), memorizzata,
                        riga))
            return nonValido(QStringLiteral("un valore contiene una tabulazione"));
        const auto data = Data::daTestoIso(memorizzata.substr(0, 10));
        if (!data)
            return nonValido(
                QStringLiteral("la data \"%1\" non è scritta come AAAA-MM-GG")
                    .arg(QString::fromUtf8(memorizzata.data(), static_cast<qsizetype>(memorizzata.size()))));
        if (precedente && !(*precedente < *data))
            return nonValido(QStringLiteral("la data %1 è ripetuta").arg(QString::fromStdString(data->testo())));
        precedente = data;
        riga.data = data->testo();
        righe.push_back(std::move(riga));
    }
    if (q.lastError().isValid()) {
        *errore = erroreLettura(q.lastError());
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
    bool danneggiato = false;
    if (connessione_.integro(&danneggiato, errore)) return true;
    if (danneggiato)
        *errore = QStringLiteral("l'archivio è danneggiato (il controllo di integrità di SQLite non è riuscito)");
    return false;
}

std::optional<int> DatabaseArchivio::aggiungiEstrazioni(const std::vector<Estrazione>& estrazioni, QString* errore) {
    if (!integro(errore)) return std::nullopt;
    Transazione scrittura(connessione_.db());
    const QDateTime adesso = QDateTime::currentDateTime();
    const QString giorno = adesso.toString(QStringLiteral("yyyy-MM-dd"));
    const QString ora = adesso.toString(QStringLiteral("HH:mm:ss"));
    QSqlQuery q(connessione_.db());
    scrittura.prepara(
        q, QStringLiteral("INSERT OR IGNORE INTO EstrazioniLotto (DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, "
                          "\"To\", Ve, Nz, datareg, orareg) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    int aggiunte = 0;
    for (std::size_t i = 0; i < estrazioni.size() && scrittura.riuscita(); ++i) {
        const Estrazione& e = estrazioni[i];
        q.bindValue(0, QString::fromStdString(e.data.testoIso()));
        for (int r = 0; r < NumRuote; ++r) q.bindValue(r + 1, QString::fromStdString(scriviTestoRuota(e.ruote[r])));
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
