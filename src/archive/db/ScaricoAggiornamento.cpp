#include "archive/db/ScaricoAggiornamento.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

#include "archive/db/FileSorgente.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane {

bool indirizzoHttp(const QUrl& url) {
    const QString schema = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (schema == QLatin1String("http") || schema == QLatin1String("https"));
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
    return leggiRigheAggiornamento(*testo);
}

bool scaricaFile(const QUrl& url, const QString& destinazione, QString* errore,
                 const AvanzamentoScarico& avanzamento, const LimitiScarico& limiti) {
    if (!indirizzoHttp(url)) {
        *errore = QStringLiteral("L'indirizzo \"%1\" non è un indirizzo http o https.").arg(url.toString());
        return false;
    }
    QNetworkAccessManager rete;
    QNetworkRequest richiesta(url);
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
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
        interrompi(QStringLiteral("Il sito non ha risposto entro %1 secondi.").arg(limiti.tempoMassimoMs / 1000.0));
    });
    QEventLoop attesa;
    QObject::connect(risposta, &QNetworkReply::finished, &attesa, &QEventLoop::quit);
    scadenza.start(limiti.tempoMassimoMs);
    if (!risposta->isFinished()) attesa.exec(QEventLoop::ExcludeUserInputEvents);
    scadenza.stop();

    if (motivo.isEmpty() && risposta->error() == QNetworkReply::NoError) contenuto += risposta->readAll();
    if (motivo.isEmpty() && risposta->error() != QNetworkReply::NoError) {
        const QVariant stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        motivo = stato.isValid() ? QStringLiteral("Il sito ha risposto %1 %2.")
                                       .arg(stato.toInt())
                                       .arg(risposta->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                                 : risposta->errorString();
    }
    risposta->deleteLater();
    if (!motivo.isEmpty()) {
        *errore = QStringLiteral("Download di %1 non riuscito: %2").arg(url.toString(), motivo);
        return false;
    }

    QSaveFile copia(destinazione);
    contenuto += "\r\n";
    if (!copia.open(QIODevice::WriteOnly) || copia.write(contenuto) != contenuto.size() || !copia.commit()) {
        *errore = QStringLiteral("Impossibile scrivere \"%1\": %2").arg(destinazione, copia.errorString());
        return false;
    }
    return true;
}

bool scaricaAggiornamento(const QString& indirizzo, const QString& destinazione, QString* errore,
                          const AvanzamentoScarico& avanzamento, const LimitiScarico& limiti) {
    const QUrl url = urlFileAggiornamento(indirizzo);
    if (url.isEmpty()) {
        *errore = QStringLiteral("L'indirizzo degli aggiornamenti \"%1\" (parametro %2) non è un indirizzo "
                                 "http o https.")
                      .arg(indirizzo, Parametri::IndirizzoAggiornamenti);
        return false;
    }
    return scaricaFile(url, destinazione, errore, avanzamento, limiti);
}

}  // namespace quorvane
