#include "archive/ui/ControlloAvvio.h"

#include <QStatusBar>
#include <algorithm>

#include "archive/db/ScaricoStorico.h"
#include "archive/ui/FinestraArchivio.h"
#include "archive/ui/PaginaAggiornamenti.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {

namespace {
const QString Si = QStringLiteral("Sì");

// Whether the user wants the check: asked once, on the first start; off until then.
bool controlloVoluto(FinestraPrincipale& principale) {
    Sessione& sessione = principale.sessione();
    const QString scelta = sessione.programma().parametro(ParametriControlloAvvio::Attivo).value_or(QString());
    if (!scelta.isEmpty() || !sessione.primoAvvio()) return scelta == Si;
    const bool voluto = Dialoghi::correnti().conferma(
        &principale, QStringLiteral("Quorvane"),
        QStringLiteral("All'avvio il programma può controllare se l'archivio ufficiale delle estrazioni ha le "
                       "estrazioni che mancano in archivio secondo il calendario.\n"
                       "Il controllo costa una piccola richiesta al sito quando il file non è cambiato; le "
                       "estrazioni nuove sono mostrate nella finestra dell'archivio e scritte solo con "
                       "AGGIORNAMENTO.\n\nControllare a ogni avvio?"));
    sessione.programma().impostaParametro(ParametriControlloAvvio::Attivo, voluto ? Si : QStringLiteral("No"));
    return voluto;
}
}  // namespace

void controlloArchivioAllAvvio(FinestraPrincipale& principale) {
    Sessione& sessione = principale.sessione();
    // Simulated draws are no archive to bring up to date: the real one is imported whole.
    if (!controlloVoluto(principale) || principale.estrazioniMancanti() == 0 || sessione.archivioDimostrativo() ||
        sessione.archivio.NumEstrazioni() == 0)
        return;
    DatabaseProgramma& programma = sessione.programma();
    VersioneFile versione{programma.parametro(ParametriControlloAvvio::Etag).value_or(QString()),
                          programma.parametro(ParametriControlloAvvio::UltimaModifica).value_or(QString())};
    QStatusBar* stato = principale.statusBar();
    stato->showMessage(QStringLiteral("Controllo dell'archivio ufficiale…"));
    auto letto = scaricaArchivioUfficialeSeCambiato(indirizzoArchivioUfficiale(programma), versione);
    if (!letto) {
        stato->showMessage(
            QStringLiteral("Archivio ufficiale invariato dall'ultimo controllo: le estrazioni che "
                           "mancano non vi sono ancora."));
        return;
    }
    if (const auto* errore = std::get_if<ErroreSorgente>(&*letto)) {
        stato->showMessage(QStringLiteral("Controllo dell'archivio ufficiale non riuscito: %1")
                               .arg(QString::fromStdString(errore->messaggio).section(QLatin1Char('\n'), 0, 0)));
        return;
    }
    // Only draws after the archive's last one are news; a missing draw the file does not have
    // either (a holiday moves a draw) is no fault.
    const Data ultima = sessione.archivio.DataEstrazione(sessione.archivio.NumEstrazioni());
    const auto& righe = std::get<std::vector<RigaAggiornamento>>(*letto);
    const bool nuove = std::any_of(righe.begin(), righe.end(), [&ultima](const RigaAggiornamento& r) {
        const auto data = Data::daTesto(r.data);
        return data && *data > ultima;
    });
    if (!nuove) {
        // The file as it is now holds nothing new: the next start asks only whether it changed.
        programma.impostaParametro(ParametriControlloAvvio::Etag, versione.etag);
        programma.impostaParametro(ParametriControlloAvvio::UltimaModifica, versione.ultimaModifica);
        stato->showMessage(QStringLiteral("L'archivio ufficiale non ha ancora estrazioni dopo il %1.")
                               .arg(QString::fromStdString(ultima.testo())));
        return;
    }
    stato->clearMessage();
    auto* finestra = qobject_cast<FinestraArchivio*>(principale.apriModulo(QStringLiteral("archivio")));
    if (!finestra) return;
    finestra->mostraAggiornamenti();
    finestra->aggiornamenti().confrontaArchivioUfficiale(std::move(*letto));
}

}  // namespace quorvane
