#include "archive/db/ScritturaArchivio.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "core/db/ErroreSql.h"

namespace quorvane {

namespace {
// A draw is added only while its date is free, as a seek before the insert would.
const QString sqlAggiungi = QStringLiteral(
    "INSERT OR IGNORE INTO EstrazioniLotto (DataEstrazione, Ba, Ca, Fi, Ge, Mi, Na, Pa, Ro, \"To\", "
    "Ve, Nz, datareg, orareg) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
const QString sqlModifica = QStringLiteral(
    "UPDATE EstrazioniLotto SET Ba = ?, Ca = ?, Fi = ?, Ge = ?, Mi = ?, Na = ?, Pa = ?, Ro = ?, "
    "\"To\" = ?, Ve = ?, Nz = ?, datareg = ?, orareg = ? WHERE DataEstrazione = ?");

QString testo(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString chiave(const Data& d) {
    return QString::fromStdString(d.testoIso());
}

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

// One write of one draw, in its own transaction: Fatta when it touched a row, NonTrovata when none.
template <class Lega>
EsitoScrittura scriviUna(DatabaseArchivio& db, const QString& sql, Lega lega, QString* errore) {
    Transazione t(db.db());
    QSqlQuery q(db.db());
    t.prepara(q, sql);
    lega(q);
    const bool toccata = t.esegui(q) && q.numRowsAffected() > 0;
    if (!t.conferma()) {
        *errore = t.errore();
        return EsitoScrittura::Errore;
    }
    return toccata ? EsitoScrittura::Fatta : EsitoScrittura::NonTrovata;
}
}  // namespace

EsitoScrittura aggiungiEstrazione(DatabaseArchivio& db, const Data& data, const TestiRuote& ruote, QString* errore) {
    const EsitoScrittura esito = scriviUna(
        db, sqlAggiungi,
        [&](QSqlQuery& q) {
            q.bindValue(0, chiave(data));
            legaRuote(q, 1, ruote, Registrazione());
        },
        errore);
    return esito == EsitoScrittura::NonTrovata ? EsitoScrittura::GiaPresente : esito;
}

EsitoScrittura modificaEstrazione(DatabaseArchivio& db, const Data& data, const TestiRuote& ruote, QString* errore) {
    return scriviUna(
        db, sqlModifica,
        [&](QSqlQuery& q) {
            legaRuote(q, 0, ruote, Registrazione());
            q.bindValue(NumRuote + 2, chiave(data));
        },
        errore);
}

EsitoScrittura eliminaEstrazione(DatabaseArchivio& db, const Data& data, QString* errore) {
    return scriviUna(
        db, QStringLiteral("DELETE FROM EstrazioniLotto WHERE DataEstrazione = ?"),
        [&](QSqlQuery& q) { q.bindValue(0, chiave(data)); }, errore);
}

EsitoAggiornamento scriviAggiornamento(DatabaseArchivio& db, const std::vector<RigaAggiornamento>& righe,
                                       bool correggi) {
    EsitoAggiornamento esito;
    if (!db.integro(&esito.errore)) return esito;
    // One transaction: the whole update is written, or nothing of it.
    Transazione scrittura(db.db(), Transazione::Inizio::Immediata);
    if (!scrittura.riuscita()) {
        esito.errore = scrittura.errore();
        return esito;
    }
    auto memorizzate = db.leggiEstrazioni(&esito.errore);
    if (!memorizzate) return esito;
    esito.controllo = ConfrontoAggiornamento(righe, *memorizzate);
    const std::vector<ScritturaEstrazione> piano = pianoAggiornamento(righe, esito.controllo, correggi);
    std::vector<std::string> fatte;
    {
        // Finished before the transaction ends: a statement still open would keep it from
        // rolling back, and the journal beside the archive would stay.
        QSqlQuery aggiungi(db.db()), modifica(db.db());
        scrittura.prepara(aggiungi, sqlAggiungi);
        scrittura.prepara(modifica, sqlModifica);
        const Registrazione reg;
        for (std::size_t i = 0; i < piano.size() && scrittura.riuscita(); ++i) {
            const ScritturaEstrazione& s = piano[i];
            QSqlQuery& q = s.aggiunta ? aggiungi : modifica;
            if (s.aggiunta) {
                q.bindValue(0, chiave(s.data));
                legaRuote(q, 1, s.ruote, reg);
            } else {
                legaRuote(q, 0, s.ruote, reg);
                q.bindValue(NumRuote + 2, chiave(s.data));
            }
            if (!scrittura.esegui(q)) {
                esito.dataErrore = s.data.testo();
                break;
            }
            if (q.numRowsAffected() == 0) continue;
            ++(s.aggiunta ? esito.aggiunte : esito.modificate);
            fatte.push_back((s.aggiunta ? "Aggiunta estrazione del " : "Modificata estrazione del ") + s.data.testo());
        }
    }
    if (!scrittura.conferma()) {
        esito.errore = scrittura.errore();
        esito.aggiunte = esito.modificate = 0;
        return esito;
    }
    esito.righeScritte = std::move(fatte);
    return esito;
}

QString EsitoAggiornamento::messaggio() const {
    const QString dove = dataErrore.empty() ? QString()
                                            : QStringLiteral(" (scrivendo l'estrazione del %1)").arg(testo(dataErrore));
    return QStringLiteral(
               "Aggiornamento non riuscito%1: %2. L'archivio è rimasto com'era: nessuna estrazione "
               "è stata scritta.")
        .arg(dove, errore);
}

}  // namespace quorvane
