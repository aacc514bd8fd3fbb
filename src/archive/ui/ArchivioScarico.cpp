// The downloads: the update file from the program's server ("CONTROLLO AGGIORNAMENTI",
// "SCARICO FILE") and the official historical file ("SCARICA ARCHIVIO UFFICIALE").
#include <QDir>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "archive/db/ScaricoAggiornamento.h"
#include "archive/db/ScaricoStorico.h"
#include "archive/ui/Archivio.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"

namespace quorvane {

namespace {
const QString QualcosaStorto = QStringLiteral("Attenzione qualcosa è andato strorto nella procedura ");
}  // namespace

QWidget* Archivio::creaScarico(QWidget* padre) {
    auto* gruppo = new QGroupBox(QStringLiteral("Aggiornamento dal sito"), padre);
    auto* command18 = pulsante(gruppo, "Command18", QStringLiteral("CONTROLLO AGGIORNAMENTI"));
    connect(command18, &QPushButton::clicked, this, &Archivio::CONTROLLO_AGGIORNAMENTI);
    auto* command27 = pulsante(gruppo, "Command27", QStringLiteral("SCARICO FILE"));
    connect(command27, &QPushButton::clicked, this, &Archivio::SCARICO_FILE);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(command18);
    pulsanti->addWidget(command27);
    pulsanti->addStretch(1);
    auto* layout = new QVBoxLayout(gruppo);
    layout->addLayout(pulsanti);
    for (const QString& testo : {
             QStringLiteral("L'aggiornamento automatico non è un servizio garantito"),
             QStringLiteral("Inoltre la disponibilità non è immediata ma potrebbe richiedere qualche giorno dopo "
                            "l'ultima estrazione effettuata. "),
             QStringLiteral("Di norma, se non ci sono impedimenti, l'aggiornamento dovrebbe essere disponibile il "
                            "giorno successivo all'ultima estrazione"),
         })
        layout->addWidget(testoFisso(testo, gruppo));
    return gruppo;
}

QString Archivio::copiaAggiornamento() const {
    return QDir(sessione_.cartellaDati()).filePath(NomeCopiaAggiornamento);
}

bool Archivio::scaricaCopia(QString* errore) {
    return scaricaAggiornamento(
        indirizzoAggiornamenti(sessione_.programma()), copiaAggiornamento(), errore,
        [this](qint64 ricevuti, qint64 totali) { avanzamentoScarico(ricevuti, totali); });
}

void Archivio::CONTROLLO_AGGIORNAMENTI() {
    QString errore;
    if (!scaricaCopia(&errore)) {
        messaggioErrore(QStringLiteral("Avviso"),
                        QualcosaStorto + QStringLiteral("Collegamento al sito\n") + errore);
        return;
    }
    auto letto = leggiCopiaAggiornamento(copiaAggiornamento());
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) {
        messaggioErrore(QStringLiteral("Avviso"), QualcosaStorto + QStringLiteral("Elenco nuove estrazioni\n") +
                                                     QString::fromStdString(e->messaggio));
        return;
    }
    nuovoArchivio_.clear();
    ConfrontoAggiornamento(std::get<std::vector<RigaAggiornamento>>(std::move(letto)));
}

void Archivio::SCARICO_FILE() {
    QString errore;
    if (!scaricaCopia(&errore)) {
        messaggioErrore(QStringLiteral("Avviso"), QStringLiteral("Il file di aggiornamento non è stato scaricato; "
                                                                 "la copia precedente resta com'era.\n") +
                                                     errore);
        return;
    }
    Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"), QStringLiteral("Fatto"));
}

void Archivio::SCARICA_ARCHIVIO_UFFICIALE() {
    auto letto = scaricaArchivioUfficiale(
        indirizzoArchivioUfficiale(sessione_.programma()),
        [this](qint64 ricevuti, qint64 totali) { avanzamentoScarico(ricevuti, totali); });
    confrontaStorico(std::move(letto), QStringLiteral("SCARICA ARCHIVIO UFFICIALE"),
                     QStringLiteral("L'archivio ufficiale non si può importare; l'archivio resta com'era."));
}

void Archivio::avanzamentoScarico(qint64 ricevuti, qint64 totali) {
    // A size past an int is far past the download limits: that transfer is being stopped.
    if (totali > 0 && totali <= std::numeric_limits<int>::max())
        avanzamento(static_cast<int>(std::min(ricevuti, totali)), static_cast<int>(totali));
}

}  // namespace quorvane
