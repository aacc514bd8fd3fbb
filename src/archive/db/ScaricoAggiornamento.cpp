#include "archive/db/ScaricoAggiornamento.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSslError>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>

#include "archive/CopiaAggiornamento.h"
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
// What is read from the network at a time, and all Qt may hold unread.
constexpr qint64 BloccoLettura = 64 * 1024;

// Why the site's certificate was refused, in words a player can act on; `altrimenti` when no
// certificate is to blame.
QString motivoCertificato(const QList<QSslError>& errori, const QString& altrimenti) {
    for (const QSslError& e : errori) {
        switch (e.error()) {
            case QSslError::SelfSignedCertificate:
            case QSslError::SelfSignedCertificateInChain:
            case QSslError::UnableToGetLocalIssuerCertificate:
            case QSslError::UnableToGetIssuerCertificate:
            case QSslError::UnableToVerifyFirstCertificate:
            case QSslError::CertificateUntrusted:
            case QSslError::CertificateRejected:
            case QSslError::InvalidCaCertificate:
                return QStringLiteral(
                    "il certificato del sito non viene da un'autorità di cui il sistema si fida (su una rete che "
                    "controlla le connessioni sicure, il suo certificato va aggiunto a quelli del sistema)");
            case QSslError::HostNameMismatch:
                return QStringLiteral("il certificato presentato è di un altro sito");
            case QSslError::CertificateExpired:
                return QStringLiteral("il certificato del sito è scaduto (o la data del computer è sbagliata)");
            case QSslError::CertificateNotYetValid:
                return QStringLiteral(
                    "il certificato del sito non è ancora valido (o la data del computer è sbagliata)");
            case QSslError::CertificateRevoked:
                return QStringLiteral("il certificato del sito è stato revocato");
            default:
                break;
        }
    }
    return altrimenti;
}

// Why a transfer that Qt ended with an error failed, named for what it is.
QString motivoErrore(QNetworkReply* risposta, qint64 ricevuti, const QList<QSslError>& erroriCertificato) {
    const QVariant stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int codice = stato.isValid() ? stato.toInt() : 0;
    switch (risposta->error()) {
        case QNetworkReply::TooManyRedirectsError:
            return QStringLiteral("il sito rinvia da un indirizzo all'altro più di %1 volte: rinvio rifiutato.")
                .arg(MassimoRinvii);
        case QNetworkReply::SslHandshakeFailedError:
            return QStringLiteral("la connessione sicura (https) con il sito non è riuscita: %1.")
                .arg(motivoCertificato(erroriCertificato, risposta->errorString()));
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

// Streams the body of `url` into `uscita` as it arrives, never more than the limit: the bytes
// are counted as they come and the transfer stops at once past it. Empty when the whole body was
// written; otherwise why not. `senzaCache` asks every cache on the way for the site's own copy.
QString trasferisci(const QUrl& url, QIODevice& uscita, const AvanzamentoScarico& avanzamento,
                    const LimitiScarico& limiti, VersioneFile* versione = nullptr, bool senzaCache = false) {
    if (!indirizzoHttp(url))
        return QStringLiteral("L'indirizzo \"%1\" non è un indirizzo http o https.").arg(url.toString());
    // Through the proxy the system is set up with (the Internet settings on Windows, http_proxy
    // and its kin on Linux), as the browser goes.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkAccessManager rete;
    QNetworkRequest richiesta(url);
    if (versione) versione->invariata = false;
    if (versione && !versione->etag.isEmpty()) richiesta.setRawHeader("If-None-Match", versione->etag.toUtf8());
    if (versione && !versione->ultimaModifica.isEmpty())
        richiesta.setRawHeader("If-Modified-Since", versione->ultimaModifica.toUtf8());
    const bool condizionata = richiesta.hasRawHeader("If-None-Match") || richiesta.hasRawHeader("If-Modified-Since");
    if (senzaCache) {
        richiesta.setRawHeader("Cache-Control", "no-cache");
        richiesta.setRawHeader("Pragma", "no-cache");
    }
    // Qt follows only http and https, never from https down to http.
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    richiesta.setMaximumRedirectsAllowed(MassimoRinvii);
    QNetworkReply* risposta = rete.get(richiesta);
    // Without it Qt reads the socket as fast as it can and queues whatever this thread has not
    // yet taken: an endless reply would fill the memory before the count below could stop it.
    risposta->setReadBufferSize(BloccoLettura);

    qint64 scritti = 0;
    bool intestazioni = false;
    QString motivo;
    const auto interrompi = [&](const QString& perche) {
        if (motivo.isEmpty()) motivo = perche;
        risposta->abort();
    };
    constexpr qint64 MB = 1024 * 1024;
    const QString troppoGrande = limiti.byteMassimi >= MB
                                     ? QStringLiteral("Il file supera il limite di %1 MB.").arg(limiti.byteMassimi / MB)
                                     : QStringLiteral("Il file supera il limite di %1 byte.").arg(limiti.byteMassimi);
    QObject::connect(risposta, &QNetworkReply::metaDataChanged, [&] {
        intestazioni = true;
        const QVariant dimensione = risposta->header(QNetworkRequest::ContentLengthHeader);
        if (dimensione.isValid() && dimensione.toLongLong() > limiti.byteMassimi) interrompi(troppoGrande);
    });
    const auto leggi = [&] {
        while (motivo.isEmpty() && risposta->bytesAvailable() > 0) {
            // One byte past the limit is enough to know the file is too large.
            const QByteArray blocco = risposta->read(std::min(BloccoLettura, limiti.byteMassimi - scritti + 1));
            if (scritti + blocco.size() > limiti.byteMassimi) return interrompi(troppoGrande);
            if (uscita.write(blocco) != blocco.size())
                return interrompi(
                    QStringLiteral("impossibile scrivere il file ricevuto: %1").arg(uscita.errorString()));
            scritti += blocco.size();
            if (avanzamento) {
                const QVariant totale = risposta->header(QNetworkRequest::ContentLengthHeader);
                avanzamento(scritti, totale.isValid() ? totale.toLongLong() : -1);
            }
        }
    };
    QObject::connect(risposta, &QNetworkReply::readyRead, leggi);
    QList<QSslError> erroriCertificato;
    QObject::connect(risposta, &QNetworkReply::sslErrors,
                     [&erroriCertificato](const QList<QSslError>& errori) { erroriCertificato = errori; });
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, [&] {
        const double secondi = limiti.tempoMassimoMs / 1000.0;
        if (!intestazioni) return interrompi(QStringLiteral("Il sito non ha risposto entro %L1 secondi.").arg(secondi));
        interrompi(QStringLiteral("Il trasferimento non si è concluso entro %L1 secondi: il sito ha risposto, poi si "
                                  "è fermato dopo %2 byte.")
                       .arg(secondi)
                       .arg(scritti));
    });
    QTimer controllo;
    QObject::connect(&controllo, &QTimer::timeout, [&] {
        if (limiti.annulla->load()) interrompi(QStringLiteral("annullato."));
    });
    // Timers start once the loop exists: on a thread not started by Qt it brings the dispatcher.
    QEventLoop attesa;
    QObject::connect(risposta, &QNetworkReply::finished, &attesa, &QEventLoop::quit);
    scadenza.start(limiti.tempoMassimoMs);
    if (limiti.annulla) controllo.start(100);
    if (!risposta->isFinished()) attesa.exec(QEventLoop::ExcludeUserInputEvents);
    scadenza.stop();
    controllo.stop();

    const bool riuscito = motivo.isEmpty() && risposta->error() == QNetworkReply::NoError;
    if (riuscito && !condizionata && risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 304) {
        // "Not modified" was not asked for: no copy is known to be current, so the file is asked
        // for again, whole.
        risposta->deleteLater();
        if (!senzaCache) return trasferisci(url, uscita, avanzamento, limiti, versione, true);
        return QStringLiteral(
                   "Download di %1 non riuscito: il sito risponde 304 (non modificato) a una richiesta "
                   "del file intero, senza inviarlo.")
            .arg(url.toString());
    }
    if (riuscito && versione) {
        versione->invariata = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 304;
        if (versione->invariata) {
            risposta->deleteLater();
            return {};
        }
        versione->etag = QString::fromUtf8(risposta->rawHeader("ETag"));
        versione->ultimaModifica = QString::fromUtf8(risposta->rawHeader("Last-Modified"));
    }
    if (riuscito) leggi();
    if (motivo.isEmpty() && risposta->error() == QNetworkReply::NoError) {
        const QVariant annunciati = risposta->header(QNetworkRequest::ContentLengthHeader);
        if (annunciati.isValid() && scritti < annunciati.toLongLong()) {
            motivo = QStringLiteral("il trasferimento si è interrotto dopo %1 byte dei %2 annunciati.")
                         .arg(scritti)
                         .arg(annunciati.toLongLong());
        } else if (scritti == 0) {
            motivo = QStringLiteral("il sito ha inviato un file vuoto.");
        }
    }
    if (motivo.isEmpty() && risposta->error() != QNetworkReply::NoError)
        motivo = motivoErrore(risposta, scritti, erroriCertificato);
    risposta->deleteLater();
    if (motivo.isEmpty()) return {};
    return QStringLiteral("Download di %1 non riuscito: %2").arg(url.toString(), motivo);
}

// Writes `contenuto` over `destinazione` through a temporary file renamed over it.
bool scriviCopia(const QString& destinazione, const QByteArray& contenuto, QString* errore) {
    QSaveFile copia(destinazione);
    if (!copia.open(QIODevice::WriteOnly) || copia.write(contenuto) != contenuto.size() || !copia.commit()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2").arg(destinazione, copia.errorString());
        return false;
    }
    return true;
}
}  // namespace

bool scaricaFile(const QUrl& url, const QString& destinazione, QString* errore, const AvanzamentoScarico& avanzamento,
                 const LimitiScarico& limiti, VersioneFile* versione) {
    QSaveFile copia(destinazione);
    if (!copia.open(QIODevice::WriteOnly)) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2").arg(destinazione, copia.errorString());
        return false;
    }
    *errore = trasferisci(url, copia, avanzamento, limiti, versione);
    if (!errore->isEmpty()) return false;
    if (versione && versione->invariata) return true;  // the file in place stays
    if (!copia.commit()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2").arg(destinazione, copia.errorString());
        return false;
    }
    return true;
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
    QTemporaryFile ricevuto;
    if (!ricevuto.open()) {
        *errore = QStringLiteral("Impossibile creare un file temporaneo: %1").arg(ricevuto.errorString());
        return false;
    }
    *errore = trasferisci(url, ricevuto, avanzamento, limiti);
    if (!errore->isEmpty()) return false;
    // Within the limit: the whole file can be checked in memory before it replaces the copy.
    ricevuto.seek(0);
    QByteArray contenuto = ricevuto.readAll();
    const std::string motivo = motivoCopiaNonValida(
        std::string_view(contenuto.constData(), static_cast<std::size_t>(contenuto.size())));
    if (!motivo.empty()) {
        *errore = QStringLiteral(
                      "Il file scaricato da %1 non è stato salvato: %2. La copia precedente \"%3\" resta "
                      "com'era.")
                      .arg(url.toString(), QString::fromStdString(motivo), QDir::toNativeSeparators(destinazione));
        return false;
    }
    // The copy ends with a line break, as the update check expects.
    return scriviCopia(destinazione, contenuto + QByteArrayLiteral("\r\n"), errore);
}

}  // namespace quorvane
