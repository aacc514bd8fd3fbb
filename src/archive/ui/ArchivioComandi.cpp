// The commands of the archive window that write: draw entry and editing, update from file.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>

#include "archive/GrigliaArchivio.h"
#include "archive/db/FileSorgente.h"
#include "archive/db/ScritturaArchivio.h"
#include "archive/ui/Archivio.h"
#include "archive/ui/CasellaNumero.h"
#include "core/db/Sessione.h"
#include "core/ui/Container.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
const QString TitoloSalvataggio = QStringLiteral("Salvataggio estrazione");
const QString TitoloAggiornamento = QStringLiteral("Aggiornamento archivio");
const QString TitoloEliminazione = QStringLiteral("Sistemazione Archivio estrazioni");
const QString DataGiaMemorizzata =
    QStringLiteral("Attenzione probabilmente hai inserito una data già memorizzata...");

QString qtesto(const std::string& s) { return QString::fromStdString(s); }

void messaggio(QWidget* padre, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
    Dialoghi::correnti().messaggio(padre, icona, titolo, testo);
}

}  // namespace

void Archivio::messaggioErrore(const QString& titolo, const QString& testo) {
    messaggio(this, QMessageBox::Critical, titolo, testo);
}

std::unique_ptr<DatabaseArchivio> Archivio::apriArchivio(const QString& titolo) {
    QString errore;
    auto db = DatabaseArchivio::apri(sessione_.percorsoArchivio(), &errore);
    if (!db) messaggioErrore(titolo, errore);
    return db;
}

TestiCaselle Archivio::testiCaselle() const {
    TestiCaselle testi;
    for (int i = 0; i < NumCaselle; ++i) testi[i] = txtin_[i]->text().toStdString();
    return testi;
}

std::optional<std::array<std::string, NumRuote>> Archivio::ruoteDaSalvare() {
    RuoteInserite r = ruoteDaCaselle(testiCaselle());
    if (r.errore.empty()) return r.ruote;
    messaggioErrore(TitoloSalvataggio, qtesto(r.errore) + QStringLiteral("\nL'estrazione non è stata salvata."));
    return std::nullopt;
}

void Archivio::svuotaImporta() {
    righeImporta_.clear();
    controllo_ = {};
    nuovoArchivio_.clear();
    riempiFgImporta(fgImporta_->griglia(), {});
    fgImporta_->aggiorna();
}

// ---------------------------------------------------------------------------------------------
// Draw entry and editing.

void Archivio::INCOLLA_ESTRAZIONE() {
    const TestiCaselle caselle =
        caselleDaAppunti(QStringLiteral(" ").append(QGuiApplication::clipboard()->text()).toStdString());
    for (int i = 0; i < NumCaselle; ++i) txtin_[i]->setText(qtesto(caselle[i]));
}

void Archivio::SALVA_ESTRAZIONE() {
    auto ruote = ruoteDaSalvare();
    if (!ruote) return;
    const Data data = dataCalendario();
    const QString testoData = qtesto(data.testo());
    if (!Dialoghi::correnti().conferma(this, TitoloSalvataggio,
                                       QStringLiteral("Confermi il salvataggio dell'estrazione del ") + testoData +
                                           QStringLiteral(" ?")))
        return;
    auto db = apriArchivio(QStringLiteral("Anomalia archivio"));
    if (!db) return;
    QString errore;
    switch (aggiungiEstrazione(*db, data, *ruote, &errore)) {
    case EsitoScrittura::Fatta:
        break;
    case EsitoScrittura::GiaPresente:
    case EsitoScrittura::NonTrovata:
        messaggioErrore(QStringLiteral("Anomalia archivio"), DataGiaMemorizzata);
        return;
    case EsitoScrittura::Errore:
        messaggioErrore(QStringLiteral("Anomalia archivio"),
                        QStringLiteral("L'estrazione del %1 non è stata salvata.\n%2").arg(testoData, errore));
        return;
    }
    db.reset();
    messaggio(this, QMessageBox::Information, TitoloSalvataggio,
              QStringLiteral("Dati salvati correttamente. Ricarico archivio."));
    // The summary puts the slider on the newest draw, whatever the date just saved.
    CaricaArchivioExNovo();
    AggiornaRiepilogoArchivio();
    svuotaImporta();
}

void Archivio::MODIFICA_ESTRAZIONE() {
    const int ricordata = hScrestrazione_->value();
    const QString d = lblEstrazione_->text();
    const auto data = Data::daTesto(d.toStdString());
    if (!data) return;
    auto ruote = ruoteDaSalvare();
    if (!ruote) return;
    if (!Dialoghi::correnti().conferma(
            this, TitoloSalvataggio,
            QStringLiteral("Confermi la modifica dell'estrazione del ") + d +
                QStringLiteral(" ?  La modifica è relativa agli estratti e viene mantenuta la stessa data.")))
        return;
    auto db = apriArchivio(QStringLiteral("Anomalia archivio"));
    if (!db) return;
    QString errore;
    switch (modificaEstrazione(*db, *data, *ruote, &errore)) {
    case EsitoScrittura::NonTrovata:
    case EsitoScrittura::GiaPresente:
        messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"),
                  QStringLiteral("Elemento non trovato. Possibile anomalia"));
        break;
    case EsitoScrittura::Errore:
        messaggioErrore(QStringLiteral("Anomalia archivio"),
                        QStringLiteral("L'estrazione del %1 non è stata modificata.\n%2").arg(d, errore));
        return;
    case EsitoScrittura::Fatta:
        db.reset();
        messaggio(this, QMessageBox::Information, TitoloSalvataggio,
                  QStringLiteral("Modifica effettuata. Ricarico archivio."));
        CaricaArchivioExNovo();
        AggiornaRiepilogoArchivio();
        break;
    }
    impostaSlider(std::min(ricordata, sessione_.archivio.NumEstrazioni()));
    impostaCalendario(*data);
    svuotaImporta();
}

void Archivio::ELIMINA_ESTRAZIONE() {
    const QString d = lblEstrazione_->text();
    if (!Dialoghi::correnti().conferma(this, QStringLiteral("Eliminazione record"),
                                       QStringLiteral("Attenzione: sarà eliminata l'estrazione del ") + d +
                                           QStringLiteral(".  Confermi ?")))
        return;
    const auto data = Data::daTesto(d.toStdString());
    if (!data) return;
    auto db = apriArchivio(TitoloEliminazione);
    if (!db) return;
    QString errore;
    const EsitoScrittura esito = eliminaEstrazione(*db, *data, &errore);
    db.reset();
    if (esito == EsitoScrittura::Fatta)
        messaggio(this, QMessageBox::Information, TitoloEliminazione,
                  QStringLiteral("Estrazione cancellata. L'archivio verrà ricaricato."));
    else if (esito == EsitoScrittura::Errore)
        messaggioErrore(TitoloEliminazione,
                        QStringLiteral("L'estrazione del %1 non è stata eliminata.\n%2\nL'archivio verrà ricaricato.")
                            .arg(d, errore));
    else
        return;
    CaricaArchivioExNovo();
    AggiornaRiepilogoArchivio();
}

// ---------------------------------------------------------------------------------------------
// Update from file and from the official historical file.

QString Archivio::archivioDaAggiornare() const {
    return nuovoArchivio_.isEmpty() ? sessione_.percorsoArchivio() : nuovoArchivio_;
}

void Archivio::AGGIORNA_DA_FILE() {
    const QString file = Dialoghi::correnti().apriFile(this, QStringLiteral("AGGIORNA DA FILE"),
                                                       sessione_.cartellaDati(),
                                                       QStringLiteral("File di testo (*.Txt *.txt)"));
    if (file.isEmpty()) return;
    auto letto = leggiFileAggiornamento(file);
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) {
        messaggioErrore(QStringLiteral("Avviso"),
                        e->formatoErrato ? qtesto(e->messaggio)
                                         : QStringLiteral("Attenzione qualcosa è andato strorto nella procedura "
                                                          "Elenco nuove estrazioni\n") +
                                               qtesto(e->messaggio));
        return;
    }
    nuovoArchivio_.clear();
    ConfrontoAggiornamento(std::get<std::vector<RigaAggiornamento>>(std::move(letto)));
}

void Archivio::IMPORTA_ARCHIVIO_STORICO() {
    const QString file = Dialoghi::correnti().apriFile(this, QStringLiteral("IMPORTA ARCHIVIO STORICO"),
                                                       sessione_.cartellaDati(),
                                                       QStringLiteral("Archivio storico (*.txt *.TXT *.zip *.ZIP);;Tutti i file (*)"));
    if (file.isEmpty()) return;
    confrontaStorico(leggiStoricoComeAggiornamento(file), QStringLiteral("IMPORTA ARCHIVIO STORICO"),
                     QStringLiteral("Il file storico non si può importare."));
}

void Archivio::confrontaStorico(EsitoSorgente letto, const QString& titolo, const QString& nonRiuscito) {
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) {
        messaggioErrore(QStringLiteral("Avviso"), nonRiuscito + QLatin1Char('\n') + qtesto(e->messaggio));
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
    ConfrontoAggiornamento(std::get<std::vector<RigaAggiornamento>>(std::move(letto)));
}

void Archivio::ConfrontoAggiornamento(std::vector<RigaAggiornamento> righe) {
    righeImporta_ = std::move(righe);
    controllo_ = {};
    Griglia& g = fgImporta_->griglia();
    riempiFgImporta(g, righeImporta_);
    g.impostaPrimaRigaMostrata(g.righe() - 1);
    fgImporta_->aggiorna();
    fgImporta_->adattaColonne(0, -1);
    if (righeImporta_.empty()) return;

    // The archive being updated, as stored; a new archive not yet written has no draws.
    std::vector<RigaArchivio> memorizzate;
    const QString percorso = archivioDaAggiornare();
    if (nuovoArchivio_.isEmpty() || QFileInfo::exists(percorso)) {
        QString errore;
        auto db = DatabaseArchivio::apri(percorso, &errore, true);
        auto lette = db ? db->leggiEstrazioni(&errore) : std::nullopt;
        if (!lette) {
            messaggioErrore(QStringLiteral("Avviso"),
                            QStringLiteral("Attenzione qualcosa è andato strorto nella procedura "
                                           "Controllo estrazioni mancanti\n") + errore);
            return;
        }
        memorizzate = std::move(*lette);
    }
    list4_->clear();
    const BarraLavoro barra(container_.Pb1());
    controllo_ = quorvane::ConfrontoAggiornamento(righeImporta_, memorizzate, [this](int i, int n) {
        if (i % 50 == 0 || i == n - 1) avanzamento(i, n);
    });
    segnaControllo(g, controllo_);
    fgImporta_->aggiornaCelle(1, 0, g.righe() - 1, g.colonne() - 1);
    QStringList righeList4;
    righeList4.reserve(static_cast<qsizetype>(controllo_.List4.size()));
    for (const std::string& r : controllo_.List4) righeList4.append(qtesto(r));
    list4_->addItems(righeList4);
}

void Archivio::AGGIORNAMENTO() {
    list4_->clear();
    if (righeImporta_.empty()) {
        messaggio(this, QMessageBox::Information, TitoloAggiornamento,
                  QStringLiteral("Non ci sono estrazioni da aggiornare."));
        tab_->setCurrentIndex(0);
        return;
    }
    const auto piano = pianoAggiornamento(righeImporta_, controllo_, check3_->isChecked());
    const QString percorso = archivioDaAggiornare();
    QString errore;
    auto db = nuovoArchivio_.isEmpty() ? DatabaseArchivio::apri(percorso, &errore)
                                       : DatabaseArchivio::apriOCrea(percorso, &errore);
    if (!db) {
        messaggioErrore(TitoloAggiornamento, errore);
        return;
    }
    const EsitoAggiornamento esito = scriviAggiornamento(*db, piano);
    db.reset();
    for (const std::string& r : esito.List4) list4_->addItem(qtesto(r));
    if (esito.aggiunte > 0)
        list4_->addItem(QStringLiteral("aggiunti N° %1 record").arg(esito.aggiunte));
    if (!esito.errore.isEmpty()) {
        messaggioErrore(TitoloAggiornamento, esito.messaggio());
    } else if (esito.aggiunte > 0) {
        messaggio(this, QMessageBox::Information, TitoloAggiornamento, QStringLiteral("Dati salvati correttamente."));
        tab_->setCurrentIndex(0);
    }
    if (!nuovoArchivio_.isEmpty() && esito.aggiunte + esito.modificate > 0) {
        sessione_.selezionaArchivio(nuovoArchivio_);
        nuovoArchivio_.clear();
    }
    CaricaArchivioExNovo();
    svuotaImporta();
    AggiornaRiepilogoArchivio();
}

}  // namespace quorvane
