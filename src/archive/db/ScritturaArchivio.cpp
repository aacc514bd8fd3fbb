#include "archive/db/ScritturaArchivio.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace quorvane {

namespace {
// A draw is added only while its date is free, as a seek before the insert would.
const QString sqlAggiungi = QStringLiteral(
    "INSERT OR IGNORE INTO EstrazioniLotto (DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, \"To\", "
    "Ve, Nz, datareg, orareg) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
const QString sqlModifica = QStringLiteral(
    "UPDATE EstrazioniLotto SET Ba = ?, Ca = ?, Fi = ?, Ge = ?, Mi = ?, Na = ?, Pa = ?, Ro = ?, "
    "\"To\" = ?, Ve = ?, Nz = ?, datareg = ?, orareg = ? WHERE DataEstrazione = ?");

QString testo(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString chiave(const Data& d) { return QString::fromStdString(d.testoIso()); }

// The moment of a write, as datareg and orareg.
struct Registrazione {
    QString giorno, ora;
    Registrazione() {
        const QDateTime adesso = QDateTime::currentDateTime();
        giorno = adesso.toString(QStringLiteral("yyyy-MM-dd"));
        ora = adesso.toString(QStringLiteral("HH:mm:ss"));
    }
};

void legaRuote(QSqlQuery& q, int primo, const TestiRuote& ruote, const Registrazione& reg) {
    for (int k = 0; k < NumRuote; ++k) q.bindValue(primo + k, testo(ruote[k]));
    q.bindValue(primo + NumRuote, reg.giorno);
    q.bindValue(primo + NumRuote + 1, reg.ora);
}

// Runs a prepared write; Fatta when it touched a row, NonTrovata when none.
EsitoScrittura esegui(QSqlQuery& q, QString* errore) {
    if (!q.exec()) {
        *errore = q.lastError().text();
        return EsitoScrittura::Errore;
    }
    return q.numRowsAffected() > 0 ? EsitoScrittura::Fatta : EsitoScrittura::NonTrovata;
}

bool prepara(QSqlQuery& q, const QString& sql, QString* errore) {
    if (q.prepare(sql)) return true;
    *errore = q.lastError().text();
    return false;
}
}  // namespace

EsitoScrittura aggiungiEstrazione(DatabaseArchivio& db, const Data& data, const TestiRuote& ruote,
                                  QString* errore) {
    QSqlQuery q(db.db());
    if (!prepara(q, sqlAggiungi, errore)) return EsitoScrittura::Errore;
    q.bindValue(0, chiave(data));
    legaRuote(q, 1, ruote, Registrazione());
    const EsitoScrittura esito = esegui(q, errore);
    return esito == EsitoScrittura::NonTrovata ? EsitoScrittura::GiaPresente : esito;
}

EsitoScrittura modificaEstrazione(DatabaseArchivio& db, const Data& data, const TestiRuote& ruote,
                                  QString* errore) {
    QSqlQuery q(db.db());
    if (!prepara(q, sqlModifica, errore)) return EsitoScrittura::Errore;
    legaRuote(q, 0, ruote, Registrazione());
    q.bindValue(NumRuote + 2, chiave(data));
    return esegui(q, errore);
}

EsitoScrittura eliminaEstrazione(DatabaseArchivio& db, const Data& data, QString* errore) {
    QSqlQuery q(db.db());
    if (!prepara(q, QStringLiteral("DELETE FROM EstrazioniLotto WHERE DataEstrazione = ?"), errore))
        return EsitoScrittura::Errore;
    q.bindValue(0, chiave(data));
    return esegui(q, errore);
}

EsitoAggiornamento scriviAggiornamento(DatabaseArchivio& db, const std::vector<ScritturaEstrazione>& piano) {
    EsitoAggiornamento esito;
    QSqlDatabase& sql = db.db();
    QSqlQuery aggiungi(sql), modifica(sql);
    // One transaction keeps a whole archive fast to write; a failure commits what came before.
    if (!sql.transaction()) {
        esito.errore = sql.lastError().text();
        return esito;
    }
    if (!prepara(aggiungi, sqlAggiungi, &esito.errore) || !prepara(modifica, sqlModifica, &esito.errore)) {
        sql.rollback();
        return esito;
    }
    const Registrazione reg;
    for (const ScritturaEstrazione& s : piano) {
        const std::string data = s.data.testo();
        QSqlQuery& q = s.aggiunta ? aggiungi : modifica;
        if (s.aggiunta) {
            q.bindValue(0, chiave(s.data));
            legaRuote(q, 1, s.ruote, reg);
        } else {
            legaRuote(q, 0, s.ruote, reg);
            q.bindValue(NumRuote + 2, chiave(s.data));
        }
        const EsitoScrittura e = esegui(q, &esito.errore);
        if (e == EsitoScrittura::Errore) {
            esito.dataErrore = data;
            break;
        }
        if (e == EsitoScrittura::NonTrovata) continue;
        if (s.aggiunta) {
            ++esito.aggiunte;
            esito.List4.push_back("Aggiunta estrazione del" + data);
        } else {
            ++esito.modificate;
            esito.List4.push_back("Modificata estrazione del" + data);
        }
    }
    if (!sql.commit()) {
        const QString motivo = sql.lastError().text();
        sql.rollback();
        esito.List4.clear();
        esito.aggiunte = esito.modificate = 0;
        if (esito.errore.isEmpty()) esito.errore = motivo;
    }
    return esito;
}

}  // namespace quorvane
