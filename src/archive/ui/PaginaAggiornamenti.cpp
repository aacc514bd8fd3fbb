#include "archive/ui/PaginaAggiornamenti.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "archive/GrigliaArchivio.h"
#include "archive/db/FileSorgente.h"
#include "archive/db/ScaricoAggiornamento.h"
#include "archive/db/ScaricoStorico.h"
#include "archive/db/ScritturaArchivio.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
const QString TitoloAggiornamento = QStringLiteral("Aggiornamento archivio");
const QString NessunaDaAggiungere = QStringLiteral("Nessuna estrazione da aggiungere");
const QString QualcosaStorto = QStringLiteral("Attenzione qualcosa è andato strorto nella procedura ");

QString qtesto(const std::string& s) {
    return QString::fromStdString(s);
}

void messaggio(QWidget* padre, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
    Dialoghi::correnti().messaggio(padre, icona, titolo, testo);
}
}  // namespace

PaginaAggiornamenti::PaginaAggiornamenti(FinestraPrincipale& principale, QWidget* padre)
    : QWidget(padre), principale_(principale), sessione_(principale.sessione()) {
    tabellaImporta_ = new VistaGriglia("FgImporta", this);
    riempiRigheImportate(tabellaImporta_->griglia(), {});
    righeSegnalate_ = new QListWidget(this);
    righeSegnalate_->setObjectName(QStringLiteral("List4"));
    correggiErrate_ = new QCheckBox(QStringLiteral("Corregge estrazioni errate"), this);
    correggiErrate_->setObjectName(QStringLiteral("Check3"));

    auto* daFile = pulsante(this, "Command21", QStringLiteral("AGGIORNA DA FILE"));
    connect(daFile, &QPushButton::clicked, this, &PaginaAggiornamenti::aggiornaDaFile);
    auto* importa = pulsante(this, "CmdImportaStorico", QStringLiteral("IMPORTA ARCHIVIO STORICO"));
    importa->setToolTip(QStringLiteral("Il file storico ufficiale delle estrazioni: una riga per data e ruota"));
    connect(importa, &QPushButton::clicked, this, &PaginaAggiornamenti::importaArchivioStorico);
    auto* scarica = pulsante(this, "CmdScaricaStorico", QStringLiteral("SCARICA ARCHIVIO UFFICIALE"));
    scarica->setToolTip(
        QStringLiteral("Scarica dal sito del concessionario il file storico ufficiale e lo controlla "
                       "come IMPORTA ARCHIVIO STORICO"));
    connect(scarica, &QPushButton::clicked, this, &PaginaAggiornamenti::scaricaArchivioUfficiale);
    auto* aggiorna = pulsante(this, "Command28", QStringLiteral("AGGIORNAMENTO"));
    connect(aggiorna, &QPushButton::clicked, this, &PaginaAggiornamenti::eseguiAggiornamento);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(daFile);
    comandi->addWidget(importa);
    comandi->addWidget(scarica);
    comandi->addWidget(aggiorna);
    comandi->addWidget(correggiErrate_);
    comandi->addStretch(1);
    comandi->addWidget(pulsanteHelp("Command25", this));

    auto* elenco = new QVBoxLayout;
    elenco->addWidget(new QLabel(QStringLiteral("Elenco estrazioni mancanti"), this));
    elenco->addWidget(righeSegnalate_, 1);
    auto* note = new QVBoxLayout;
    note->addWidget(testoFisso(
        QStringLiteral("Lo sfondo arancione nella colonna della data identifica le estrazioni da importare"), this));
    note->addWidget(testoFisso(QStringLiteral("La data in rosso e lo sfondo di una ruota bianco identifica una "
                                              "estrazione  con errori in quella ruota"),
                               this));
    note->addWidget(testoFisso(QStringLiteral("Il controllo viene effettuato nelle ultime 100 estrazioni. Per "
                                              "l'archivio completo contattare il programmatore"),
                               this));
    note->addWidget(creaScarico());
    note->addStretch(1);
    auto* sotto = new QHBoxLayout;
    sotto->addLayout(elenco, 1);
    sotto->addLayout(note, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(comandi);
    layout->addWidget(tabellaImporta_, 3);
    layout->addLayout(sotto, 2);
}

void PaginaAggiornamenti::svuotaImporta() {
    righeImporta_.clear();
    controllo_ = {};
    nuovoArchivio_.clear();
    riempiRigheImportate(tabellaImporta_->griglia(), {});
}

QString PaginaAggiornamenti::archivioDaAggiornare() const {
    return nuovoArchivio_.isEmpty() ? sessione_.percorsoArchivio() : nuovoArchivio_;
}

void PaginaAggiornamenti::aggiornaDaFile() {
    const QString file = Dialoghi::correnti().apriFile(this, QStringLiteral("AGGIORNA DA FILE"),
                                                       sessione_.cartellaDati(),
                                                       QStringLiteral("File di testo (*.Txt *.txt)"));
    if (file.isEmpty()) return;
    auto letto = leggiFileAggiornamento(file);
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) {
        messaggioErrore(this, QStringLiteral("Avviso"),
                        e->formatoErrato ? qtesto(e->messaggio)
                                         : QStringLiteral("Attenzione qualcosa è andato strorto nella procedura "
                                                          "Elenco nuove estrazioni\n") +
                                               qtesto(e->messaggio));
        return;
    }
    nuovoArchivio_.clear();
    confrontaAggiornamento(std::get<std::vector<RigaAggiornamento>>(std::move(letto)));
}

void PaginaAggiornamenti::importaArchivioStorico() {
    const QString file = Dialoghi::correnti().apriFile(
        this, QStringLiteral("IMPORTA ARCHIVIO STORICO"), sessione_.cartellaDati(),
        QStringLiteral("Archivio storico (*.txt *.TXT *.zip *.ZIP);;Tutti i file (*)"));
    if (file.isEmpty()) return;
    confrontaStorico(leggiStoricoComeAggiornamento(file), QStringLiteral("IMPORTA ARCHIVIO STORICO"),
                     QStringLiteral("Il file storico non si può importare."));
}

void PaginaAggiornamenti::confrontaStorico(EsitoSorgente letto, const QString& titolo, const QString& nonRiuscito) {
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) {
        messaggioErrore(this, QStringLiteral("Avviso"), nonRiuscito + QLatin1Char('\n') + qtesto(e->messaggio));
        return;
    }
    nuovoArchivio_.clear();
    // Simulated draws must not stay among the real ones: the real archive gets a file of its own.
    if (sessione_.archivioDimostrativo()) {
        const QString nuovo = QDir(sessione_.cartellaDati()).filePath(NomeArchivioStorico);
        if (!Dialoghi::correnti().conferma(
                this, titolo,
                QStringLiteral("L'archivio in uso è quello dimostrativo, con estrazioni simulate.\n"
                               "Le estrazioni del file storico saranno scritte nel nuovo archivio\n%1\n"
                               "che con AGGIORNAMENTO diventerà l'archivio del programma. Procedere?")
                    .arg(QDir::toNativeSeparators(nuovo))))
            return;
        nuovoArchivio_ = nuovo;
    }
    confrontaAggiornamento(std::get<std::vector<RigaAggiornamento>>(std::move(letto)));
}

void PaginaAggiornamenti::confrontaAggiornamento(std::vector<RigaAggiornamento> righe) {
    righeImporta_ = std::move(righe);
    controllo_ = {};
    Griglia& g = tabellaImporta_->griglia();
    riempiRigheImportate(g, righeImporta_);
    g.impostaPrimaRigaMostrata(g.righe() - 1);
    tabellaImporta_->adattaColonne(0, -1);
    if (righeImporta_.empty()) return;

    // The archive being updated, as stored; a new archive not yet written has no draws.
    std::vector<RigaArchivio> memorizzate;
    const QString percorso = archivioDaAggiornare();
    if (nuovoArchivio_.isEmpty() || QFileInfo::exists(percorso)) {
        QString errore;
        auto db = DatabaseArchivio::apri(percorso, &errore, true);
        auto lette = db ? db->leggiEstrazioni(&errore) : std::nullopt;
        if (!lette) {
            messaggioErrore(this, QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione qualcosa è andato strorto nella procedura "
                                           "Controllo estrazioni mancanti\n") +
                                errore);
            return;
        }
        memorizzate = std::move(*lette);
    }
    righeSegnalate_->clear();
    const BarraLavoro barra(principale_.barraAvanzamento());
    controllo_ = ConfrontoAggiornamento(righeImporta_, memorizzate, [this](int i, int n) {
        if (i % 50 == 0 || i == n - 1) avanzamento(principale_, i, n);
    });
    segnaControllo(g, controllo_);
    QStringList voci;
    voci.reserve(static_cast<qsizetype>(controllo_.righeSegnalate.size()));
    for (const std::string& r : controllo_.righeSegnalate) voci.append(qtesto(r));
    righeSegnalate_->addItems(voci);
}

void PaginaAggiornamenti::eseguiAggiornamento() {
    righeSegnalate_->clear();
    if (righeImporta_.empty()) {
        messaggio(this, QMessageBox::Information, TitoloAggiornamento,
                  QStringLiteral("Non ci sono estrazioni da aggiornare."));
        emit richiestaGestione();
        return;
    }
    const QString percorso = archivioDaAggiornare();
    QString errore;
    auto db = nuovoArchivio_.isEmpty() ? DatabaseArchivio::apri(percorso, &errore)
                                       : DatabaseArchivio::apriOCrea(percorso, &errore);
    if (!db) {
        messaggioErrore(this, TitoloAggiornamento, errore);
        return;
    }
    const bool correggi = correggiErrate_->isChecked();
    const EsitoAggiornamento esito = scriviAggiornamento(*db, righeImporta_, correggi);
    db.reset();
    for (const std::string& r : esito.righeScritte) righeSegnalate_->addItem(qtesto(r));
    // Draws another program wrote since the check shown, differently: left as they are, and said.
    for (std::size_t i = 0; i < esito.controllo.righe.size() && i < controllo_.righe.size(); ++i) {
        const ControlloRiga& ora = esito.controllo.righe[i];
        if (!correggi && ora.stato == StatoRiga::Diversa && controllo_.righe[i].stato == StatoRiga::Mancante)
            righeSegnalate_->addItem(qtesto(ora.voce));
    }
    if (esito.aggiunte > 0) righeSegnalate_->addItem(QStringLiteral("aggiunti N° %1 record").arg(esito.aggiunte));
    if (!esito.errore.isEmpty()) {
        messaggioErrore(this, TitoloAggiornamento, esito.messaggio());
    } else if (esito.aggiunte > 0) {
        messaggio(this, QMessageBox::Information, TitoloAggiornamento, QStringLiteral("Dati salvati correttamente."));
        emit richiestaGestione();
    } else if (esito.modificate == 0) {
        // Rows read, but every one already stored (or left uncorrected): say so, not silence.
        righeSegnalate_->addItem(NessunaDaAggiungere);
        messaggio(this, QMessageBox::Information, TitoloAggiornamento, NessunaDaAggiungere);
    }
    if (!nuovoArchivio_.isEmpty() && esito.aggiunte + esito.modificate > 0) {
        sessione_.selezionaArchivio(nuovoArchivio_);
        nuovoArchivio_.clear();
    }
    caricaArchivioExNovo(principale_, this);
    svuotaImporta();
    emit aggiornamentoFinito();
}

QWidget* PaginaAggiornamenti::creaScarico() {
    auto* gruppo = new QGroupBox(QStringLiteral("Aggiornamento dal sito"), this);
    auto* controlla = pulsante(gruppo, "Command18", QStringLiteral("CONTROLLO AGGIORNAMENTI"));
    connect(controlla, &QPushButton::clicked, this, &PaginaAggiornamenti::controllaAggiornamenti);
    auto* scarico = pulsante(gruppo, "Command27", QStringLiteral("SCARICO FILE"));
    connect(scarico, &QPushButton::clicked, this, &PaginaAggiornamenti::scaricaFile);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(controlla);
    pulsanti->addWidget(scarico);
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

QString PaginaAggiornamenti::copiaAggiornamento() const {
    return QDir(sessione_.cartellaDati()).filePath(NomeCopiaAggiornamento);
}

bool PaginaAggiornamenti::scaricaCopia(QString* errore) {
    return scaricaAggiornamento(indirizzoAggiornamenti(sessione_.programma()), copiaAggiornamento(), errore,
                                [this](qint64 ricevuti, qint64 totali) { avanzamentoScarico(ricevuti, totali); });
}

void PaginaAggiornamenti::controllaAggiornamenti() {
    QString errore;
    if (!scaricaCopia(&errore)) {
        messaggioErrore(this, QStringLiteral("Avviso"),
                        QualcosaStorto + QStringLiteral("Collegamento al sito\n") + errore);
        return;
    }
    auto letto = leggiCopiaAggiornamento(copiaAggiornamento());
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) {
        messaggioErrore(this, QStringLiteral("Avviso"),
                        QualcosaStorto + QStringLiteral("Elenco nuove estrazioni\n") + qtesto(e->messaggio));
        return;
    }
    nuovoArchivio_.clear();
    confrontaAggiornamento(std::get<std::vector<RigaAggiornamento>>(std::move(letto)));
}

void PaginaAggiornamenti::scaricaFile() {
    QString errore;
    if (!scaricaCopia(&errore)) {
        messaggioErrore(this, QStringLiteral("Avviso"),
                        QStringLiteral("Il file di aggiornamento non è stato scaricato; "
                                       "la copia precedente resta com'era.\n") +
                            errore);
        return;
    }
    Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"), QStringLiteral("Fatto"));
}

void PaginaAggiornamenti::scaricaArchivioUfficiale() {
    confrontaArchivioUfficiale(quorvane::scaricaArchivioUfficiale(
        indirizzoArchivioUfficiale(sessione_.programma()),
        [this](qint64 ricevuti, qint64 totali) { avanzamentoScarico(ricevuti, totali); }));
}

void PaginaAggiornamenti::confrontaArchivioUfficiale(EsitoSorgente letto) {
    confrontaStorico(std::move(letto), QStringLiteral("SCARICA ARCHIVIO UFFICIALE"),
                     QStringLiteral("L'archivio ufficiale non si può importare; l'archivio resta com'era."));
}

void PaginaAggiornamenti::avanzamentoScarico(qint64 ricevuti, qint64 totali) {
    // A size past an int is far past the download limits: that transfer is being stopped.
    if (totali > 0 && totali <= std::numeric_limits<int>::max())
        avanzamento(principale_, static_cast<int>(std::min(ricevuti, totali)), static_cast<int>(totali));
}

}  // namespace quorvane
