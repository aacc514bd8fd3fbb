// The update file from the program's server: "CONTROLLO AGGIORNAMENTI" and "SCARICO FILE".
#include <QDir>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/db/ScaricoAggiornamento.h"
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
        [this](qint64 ricevuti, qint64 totali) {
            if (totali > 0) avanzamento(static_cast<int>(std::min(ricevuti, totali)), static_cast<int>(totali));
        });
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

}  // namespace quorvane
