#include "archive/db/ScaricoAggiornamento.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <optional>

#include "archive/db/FileSorgente.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane {

bool indirizzoHttp(const QUrl& url) {
    const QString schema = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (schema == QLatin1String("http") || schema == QLatin1String("https"));
}

QString indirizzoAggiornamenti(DatabaseProgramma& programma) {
    const QString valore = programma.parametro(Parametri::IndirizzoAggiornamenti).value_or(QString()).trimmed();
    return valore.isEmpty() ? IndirizzoAggiornamentiPredefinito : valore;
}

QUrl urlFileAggiornamento(const QString& indirizzo) {
    QString base = indirizzo.trimmed();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    const QUrl url(base + PercorsoFileAggiornamento, QUrl::StrictMode);
    return indirizzoHttp(url) ? url : QUrl();
}

EsitoSorgente leggiCopiaAggiornamento(const QString& percorso) {
    QString errore;
    auto testo = leggiFileOZip(percorso, &errore);
    if (!testo) return ErroreSorgente{false, errore.toStdString()};
    return righeAggiornamentoIntere(*testo);
}

namespace {
constexpr int MassimoRinvii = 10;

// Why a transfer that Qt ended with an error failed, named for what it is.
QString motivoErrore(QNetworkReply* risposta, qint64 ricevuti) {
    const QVariant stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int codice = stato.isValid() ? stato.toInt() : 0;
    switch (risposta->error()) {
        case QNetworkReply::TooManyRedirectsError:
            return QStringLiteral("il sito rinvia da un indirizzo all'altro più di %1 volte: rinvio rifiutato.")
                .arg(MassimoRinvii);
        case QNetworkReply::InsecureRedirectError:
            return QStringLiteral("il sito rinvia da https a un indirizzo http, meno sicuro: rinvio rifiutato.");
        case QNetworkReply::ProtocolUnknownError:
            if (codice / 100 == 3)
                return QStringLiteral(
                           "il sito rinvia a \"%1\", che non è un indirizzo http o https: rinvio "
                           "rifiutato.")
                    .arg(QString::fromUtf8(risposta->rawHeader("Location")).left(200));
            break;
        default:
            break;
    }
    if (codice / 100 == 2)
        return QStringLiteral("il trasferimento si è interrotto dopo %1 byte (%2).")
            .arg(ricevuti)
            .arg(risposta->errorString());
    if (codice != 0)
        return QStringLiteral("Il sito ha risposto %1 %2.")
            .arg(codice)
            .arg(risposta->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    return risposta->errorString();
}

// The whole content of `url`, or nothing with `errore` saying why.
std::optional<QByteArray> scarica(const QUrl& url, QString* errore, const AvanzamentoScarico& avanzamento,
                                  const LimitiScarico& limiti) {
    if (!indirizzoHttp(url)) {
        *errore = QStringLiteral("L'indirizzo \"%1\" non è un indirizzo http o https.").arg(url.toString());
        return std::nullopt;
    }
    QNetworkAccessManager rete;
    QNetworkRequest richiesta(url);
    // Qt follows only http and https, never from https down to http.
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    richiesta.setMaximumRedirectsAllowed(MassimoRinvii);
    QNetworkReply* risposta = rete.get(richiesta);

    QByteArray contenuto;
    QString motivo;
    const auto interrompi = [&](const QString& perche) {
        if (motivo.isEmpty()) motivo = perche;
        risposta->abort();
    };
    const QString troppoGrande =
        QStringLiteral("Il file supera il limite di %1 MB.").arg(limiti.byteMassimi / (1024 * 1024));
    QObject::connect(risposta, &QNetworkReply::metaDataChanged, [&] {
        const QVariant dimensione = risposta->header(QNetworkRequest::ContentLengthHeader);
        if (dimensione.isValid() && dimensione.toLongLong() > limiti.byteMassimi) interrompi(troppoGrande);
    });
    QObject::connect(risposta, &QNetworkReply::readyRead, [&] {
        contenuto += risposta->readAll();
        if (contenuto.size() > limiti.byteMassimi) interrompi(troppoGrande);
    });
    if (avanzamento)
        QObject::connect(risposta, &QNetworkReply::downloadProgress,
                         [&avanzamento](qint64 ricevuti, qint64 totali) { avanzamento(ricevuti, totali); });
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, [&] {
        const double secondi = limiti.tempoMassimoMs / 1000.0;
        interrompi(contenuto.isEmpty()
                       ? QStringLiteral("Il sito non ha risposto entro %L1 secondi.").arg(secondi)
                       : QStringLiteral("Il trasferimento non si è concluso entro %L1 secondi (ricevuti %2 byte).")
                             .arg(secondi)
                             .arg(contenuto.size()));
    });
    QEventLoop attesa;
    QObject::connect(risposta, &QNetworkReply::finished, &attesa, &QEventLoop::quit);
    scadenza.start(limiti.tempoMassimoMs);
    if (!risposta->isFinished()) attesa.exec(QEventLoop::ExcludeUserInputEvents);
    scadenza.stop();

    if (motivo.isEmpty() && risposta->error() == QNetworkReply::NoError) {
        contenuto += risposta->readAll();
        const QVariant annunciati = risposta->header(QNetworkRequest::ContentLengthHeader);
        if (annunciati.isValid() && contenuto.size() < annunciati.toLongLong())
            motivo = QStringLiteral("il trasferimento si è interrotto dopo %1 byte dei %2 annunciati.")
                         .arg(contenuto.size())
                         .arg(annunciati.toLongLong());
        else if (contenuto.isEmpty()) motivo = QStringLiteral("il sito ha inviato un file vuoto.");
    }
    if (motivo.isEmpty() && risposta->error() != QNetworkReply::NoError)
        motivo = motivoErrore(risposta, contenuto.size());
    risposta->deleteLater();
    if (!motivo.isEmpty()) {
        *errore = QStringLiteral("Download di %1 non riuscito: %2").arg(url.toString(), motivo);
        return std::nullopt;
    }
    return contenuto;
}

// Through a temporary file renamed over `destinazione`: a failure leaves the previous copy.
bool scaricaIn(const QUrl& url, const QString& destinazione, QString* errore, const AvanzamentoScarico& avanzamento,
               const LimitiScarico& limiti, const QByteArray& coda) {
    auto contenuto = scarica(url, errore, avanzamento, limiti);
    if (!contenuto) return false;
    *contenuto += coda;
    QSaveFile copia(destinazione);
    if (!copia.open(QIODevice::WriteOnly) || copia.write(*contenuto) != contenuto->size() || !copia.commit()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2").arg(destinazione, copia.errorString());
        return false;
    }
    return true;
}
}  // namespace

bool scaricaFile(const QUrl& url, const QString& destinazione, QString* errore, const AvanzamentoScarico& avanzamento,
                 const LimitiScarico& limiti) {
    return scaricaIn(url, destinazione, errore, avanzamento, limiti, {});
}

bool scaricaAggiornamento(const QString& indirizzo, const QString& destinazione, QString* errore,
                          const AvanzamentoScarico& avanzamento, const LimitiScarico& limiti) {
    const QUrl url = urlFileAggiornamento(indirizzo);
    if (url.isEmpty()) {
        *errore = QStringLiteral(
                      "L'indirizzo degli aggiornamenti \"%1\" (parametro %2) non è un indirizzo "
                      "http o https.")
                      .arg(indirizzo, Parametri::IndirizzoAggiornamenti);
        return false;
    }
    // The copy ends with a line break, as the update check expects.
    return scaricaIn(url, destinazione, errore, avanzamento, limiti, QByteArrayLiteral("\r\n"));
}

}  // namespace quorvane
