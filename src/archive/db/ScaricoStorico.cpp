#include "archive/db/ScaricoStorico.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include "archive/db/FileSorgente.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane {

QString indirizzoArchivioUfficiale(DatabaseProgramma& programma) {
    const QString valore = programma.parametro(Parametri::IndirizzoArchivioUfficiale).value_or(QString()).trimmed();
    return valore.isEmpty() ? IndirizzoArchivioUfficialePredefinito : valore;
}

namespace {
EsitoSorgente scarica(const QString& indirizzo, const AvanzamentoScarico& avanzamento, const LimitiScarico& limiti,
                      VersioneFile* versione) {
    const QUrl url(indirizzo.trimmed(), QUrl::StrictMode);
    if (!indirizzoHttp(url))
        return ErroreSorgente{false, QStringLiteral("L'indirizzo dell'archivio ufficiale \"%1\" (parametro %2) non è "
                                                    "un indirizzo http o https.")
                                         .arg(indirizzo, Parametri::IndirizzoArchivioUfficiale)
                                         .toStdString()};
    QTemporaryDir cartella;
    if (!cartella.isValid())
        return ErroreSorgente{
            false,
            QStringLiteral("Impossibile creare una cartella temporanea: %1").arg(cartella.errorString()).toStdString()};
    // Named as on the site, so that a message about the file names it as the user knows it.
    QString nome = QFileInfo(url.path()).fileName();
    if (nome.isEmpty()) nome = QStringLiteral("storico.zip");
    const QString file = cartella.filePath(nome);
    QString errore;
    if (!scaricaFile(url, file, &errore, avanzamento, limiti, versione))
        return ErroreSorgente{false, errore.toStdString()};
    if (versione && versione->invariata) return std::vector<RigaAggiornamento>{};
    EsitoSorgente letto = leggiStoricoComeAggiornamento(file);
    if (auto* e = std::get_if<ErroreSorgente>(&letto))
        e->messaggio = QStringLiteral("Il file scaricato da %1 non è il file storico ufficiale delle estrazioni.\n%2")
                           .arg(url.toString(), QString::fromStdString(e->messaggio).replace(file, nome))
                           .toStdString();
    return letto;
}
}  // namespace

EsitoSorgente scaricaArchivioUfficiale(const QString& indirizzo, const AvanzamentoScarico& avanzamento,
                                       const LimitiScarico& limiti) {
    return scarica(indirizzo, avanzamento, limiti, nullptr);
}

std::optional<EsitoSorgente> scaricaArchivioUfficialeSeCambiato(const QString& indirizzo, VersioneFile& versione,
                                                                const LimitiScarico& limiti) {
    VersioneFile nuova = versione;
    EsitoSorgente letto = scarica(indirizzo, {}, limiti, &nuova);
    versione.invariata = nuova.invariata;
    if (nuova.invariata) return std::nullopt;
    // A file that could not be read is no version to remember.
    if (std::holds_alternative<std::vector<RigaAggiornamento>>(letto)) versione = nuova;
    return letto;
}

}  // namespace quorvane
