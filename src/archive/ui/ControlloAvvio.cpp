#include "archive/ui/ControlloAvvio.h"

#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <atomic>
#include <thread>

#include "archive/db/ScaricoStorico.h"
#include "archive/ui/FinestraArchivio.h"
#include "archive/ui/PaginaAggiornamenti.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {

namespace {

// A check that cannot answer soon is dropped: the next start tries again.
constexpr LimitiScarico LimitiControllo{30000, LimitiArchivioUfficiale.byteMassimi};

// Whether the user wants the check: asked once, on the first start; off until then.
bool controlloVoluto(FinestraPrincipale& principale) {
    Sessione& sessione = principale.sessione();
    const QString scelta = sessione.programma().parametro(ParametriControlloAvvio::Attivo).value_or(QString());
    if (!scelta.isEmpty() || !sessione.primoAvvio()) return scelta == ParametriControlloAvvio::Si;
    const bool voluto = Dialoghi::correnti().conferma(
        &principale, QStringLiteral("Quorvane"),
        QStringLiteral("All'avvio il programma può controllare se l'archivio ufficiale delle estrazioni ha le "
                       "estrazioni che mancano in archivio secondo il calendario.\n"
                       "Il controllo costa una piccola richiesta al sito quando il file non è cambiato; le "
                       "estrazioni nuove sono mostrate nella finestra dell'archivio e scritte solo con "
                       "AGGIORNAMENTO.\n\nControllare a ogni avvio?"));
    sessione.programma().impostaParametro(ParametriControlloAvvio::Attivo,
                                          voluto ? ParametriControlloAvvio::Si : ParametriControlloAvvio::No);
    return voluto;
}

// The download runs on a thread of its own while the windows stay in use; its result comes back
// to the windows' thread. The main window owns the check, so that closing it stops the transfer
// and waits for the thread.
class ControlloInCorso : public QObject {
public:
    ControlloInCorso(FinestraPrincipale& principale, const QString& indirizzo, VersioneFile versione)
        : QObject(&principale), principale_(principale) {
        annulla_ = new QPushButton(QStringLiteral("Annulla"));
        annulla_->setObjectName(QStringLiteral("AnnullaControllo"));
        annulla_->setToolTip(QStringLiteral("Ferma il controllo dell'archivio ufficiale"));
        principale.statusBar()->addPermanentWidget(annulla_);
        principale.statusBar()->showMessage(QStringLiteral("Controllo dell'archivio ufficiale…"));
        connect(annulla_, &QPushButton::clicked, this, [this] {
            mostra(QStringLiteral("Controllo dell'archivio ufficiale annullato."));
            chiudi();
        });
        filo_ = std::thread([this, indirizzo, versione]() mutable {
            LimitiScarico limiti = LimitiControllo;
            limiti.annulla = &annullato_;
            auto letto = scaricaArchivioUfficialeSeCambiato(indirizzo, versione, limiti);
            QMetaObject::invokeMethod(
                this, [this, letto, versione] { concludi(letto, versione); }, Qt::QueuedConnection);
        });
    }
    ~ControlloInCorso() override {
        annullato_ = true;
        filo_.join();
    }

private:
    // A status line, whole in the tooltip when the bar cuts it.
    void mostra(const QString& testo) {
        principale_.statusBar()->showMessage(testo.section(QLatin1Char('\n'), 0, 0));
        principale_.statusBar()->setToolTip(testo);
    }

    void chiudi() {
        annullato_ = true;
        annulla_->deleteLater();
        annulla_ = nullptr;
        deleteLater();
    }

    void concludi(const std::optional<EsitoSorgente>& letto, const VersioneFile& versione);

    FinestraPrincipale& principale_;
    QPushButton* annulla_;
    std::atomic<bool> annullato_{false};
    std::thread filo_;
};

void ControlloInCorso::concludi(const std::optional<EsitoSorgente>& letto, const VersioneFile& versione) {
    if (!annulla_) return;  // cancelled meanwhile
    chiudi();
    Sessione& sessione = principale_.sessione();
    if (!letto) {
        mostra(
            QStringLiteral("Archivio ufficiale invariato dall'ultimo controllo: le estrazioni che "
                           "mancano non vi sono ancora."));
        return;
    }
    if (const auto* errore = std::get_if<ErroreSorgente>(&*letto)) {
        mostra(QStringLiteral("Controllo dell'archivio ufficiale non riuscito: %1")
                   .arg(QString::fromStdString(errore->messaggio)));
        return;
    }
    // Only draws after the archive's last one are news; a missing draw the file does not have
    // either (a holiday moves a draw) is no fault. The archive may have changed meanwhile.
    if (sessione.archivio.NumEstrazioni() == 0) return;
    const Data ultima = sessione.archivio.DataEstrazione(sessione.archivio.NumEstrazioni());
    const auto& righe = std::get<std::vector<RigaAggiornamento>>(*letto);
    const bool nuove = std::any_of(righe.begin(), righe.end(), [&ultima](const RigaAggiornamento& r) {
        const auto data = Data::daTesto(r.data);
        return data && *data > ultima;
    });
    DatabaseProgramma& programma = sessione.programma();
    if (!nuove) {
        // The file as it is now holds nothing new: the next start asks only whether it changed.
        programma.impostaParametro(ParametriControlloAvvio::Etag, versione.etag);
        programma.impostaParametro(ParametriControlloAvvio::UltimaModifica, versione.ultimaModifica);
        mostra(QStringLiteral("L'archivio ufficiale non ha ancora estrazioni dopo il %1.")
                   .arg(QString::fromStdString(ultima.testo())));
        return;
    }
    principale_.statusBar()->clearMessage();
    principale_.statusBar()->setToolTip({});
    auto* finestra = qobject_cast<FinestraArchivio*>(principale_.apriModulo(QStringLiteral("archivio")));
    if (!finestra) return;
    finestra->mostraAggiornamenti();
    finestra->aggiornamenti().confrontaArchivioUfficiale(*letto);
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
    new ControlloInCorso(principale, indirizzoArchivioUfficiale(programma), versione);
}

}  // namespace quorvane
