// The writes of the page "Gestione estrazioni": a draw typed or pasted in the boxes saved,
// corrected or deleted, then the archive reloaded.
#include <QClipboard>
#include <QDateTime>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

#include "archive/db/ScritturaArchivio.h"
#include "archive/ui/CasellaNumero.h"
#include "archive/ui/ControlliArchivio.h"
#include "archive/ui/PaginaGestione.h"
#include "core/SceltaEstrazione.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {

namespace {
const QString TitoloSalvataggio = QStringLiteral("Salvataggio estrazione");
const QString TitoloEliminazione = QStringLiteral("Sistemazione Archivio estrazioni");
const QString DataGiaMemorizzata = QStringLiteral("Attenzione probabilmente hai inserito una data già memorizzata...");

QString qtesto(const std::string& s) {
    return QString::fromStdString(s);
}

void messaggio(QWidget* padre, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
    Dialoghi::correnti().messaggio(padre, icona, titolo, testo);
}
}  // namespace

std::unique_ptr<DatabaseArchivio> PaginaGestione::apriArchivio(const QString& titolo) {
    QString errore;
    auto db = DatabaseArchivio::apri(sessione_.percorsoArchivio(), &errore);
    if (!db) messaggioErrore(this, titolo, errore);
    return db;
}

TestiCaselle PaginaGestione::testiCaselle() const {
    TestiCaselle testi;
    for (int i = 0; i < NumCaselle; ++i) testi[i] = caselle_[i]->text().toStdString();
    return testi;
}

std::optional<std::array<std::string, NumRuote>> PaginaGestione::ruoteDaSalvare() {
    RuoteInserite r = ruoteDaCaselle(testiCaselle());
    if (r.errore.empty()) return r.ruote;
    messaggioErrore(this, TitoloSalvataggio, qtesto(r.errore) + QStringLiteral("\nL'estrazione non è stata salvata."));
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// Draw entry and editing.

// The boxes then hold the draw being entered: the header names the date it will be saved under.
void PaginaGestione::incollaEstrazione() {
    const CaselleIncollate incollate = caselleDaAppunti(QGuiApplication::clipboard()->text().toStdString());
    if (!incollate.errore.empty()) {
        messaggio(this, QMessageBox::Warning, QStringLiteral("INCOLLA ESTRAZIONE"),
                  qtesto(incollate.errore) + QStringLiteral("\nLe caselle restano come erano."));
        return;
    }
    for (int i = 0; i < NumCaselle; ++i) caselle_[i]->setText(qtesto(incollate.caselle[i]));
    inInserimento_ = true;
    riquadroCorrente_->setTitle(QStringLiteral("Estrazione da inserire"));
    etichettaIndice_->clear();
    etichettaData_->setText(qtesto(dataCalendario().testo()));
    etichettaMensile_->clear();
    etichettaAnnuale_->clear();
}

void PaginaGestione::salvaEstrazione() {
    auto ruote = ruoteDaSalvare();
    if (!ruote) return;
    const Data data = dataCalendario();
    const QString testoData = qtesto(data.testo());
    if (estrazioneDellaData(sessione_.archivio, data.testo())) {
        messaggioErrore(
            this, QStringLiteral("Anomalia archivio"),
            DataGiaMemorizzata + QStringLiteral("\nL'estrazione del %1 è già in archivio: per correggerla usare "
                                                "MODIFICA ESTRAZIONE.")
                                     .arg(testoData));
        return;
    }
    // A doubt of the calendar is the question; otherwise the usual confirmation.
    const QDateTime adesso = oraItaliana();
    const QDate giorno = adesso.date();
    const std::vector<std::string> dubbi = dubbiCalendario(sessione_.archivio, data,
                                                           Data{giorno.year(), giorno.month(), giorno.day()},
                                                           adesso.time().hour() * 60 + adesso.time().minute());
    QStringList motivi;
    for (const std::string& d : dubbi) motivi << qtesto(d);
    const QString domanda = motivi.isEmpty()
                                ? QStringLiteral("Confermi il salvataggio dell'estrazione del ") + testoData +
                                      QStringLiteral(" ?")
                                : motivi.join(QStringLiteral("; ")) + QStringLiteral(": salvare lo stesso?");
    if (!Dialoghi::correnti().conferma(this, TitoloSalvataggio, domanda)) return;
    auto db = apriArchivio(QStringLiteral("Anomalia archivio"));
    if (!db) return;
    QString errore;
    switch (aggiungiEstrazione(*db, data, *ruote, &errore)) {
        case EsitoScrittura::Fatta:
            break;
        case EsitoScrittura::GiaPresente:
        case EsitoScrittura::NonTrovata:
            messaggioErrore(this, QStringLiteral("Anomalia archivio"), DataGiaMemorizzata);
            return;
        case EsitoScrittura::Errore:
            messaggioErrore(this, QStringLiteral("Anomalia archivio"),
                            QStringLiteral("L'estrazione del %1 non è stata salvata.\n%2").arg(testoData, errore));
            return;
    }
    db.reset();
    messaggio(this, QMessageBox::Information, TitoloSalvataggio,
              QStringLiteral("Dati salvati correttamente. Ricarico archivio."));
    // The summary puts the slider on the newest draw, whatever the date just saved.
    caricaArchivioExNovo(principale_, this);
    aggiornaRiepilogoArchivio();
    emit scritturaFinita();
}

void PaginaGestione::modificaEstrazione() {
    const int ricordata = sceltaEstrazione_->value();
    const QString d = qtesto(dataCorrente_);
    const auto data = Data::daTesto(dataCorrente_);
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
    switch (quorvane::modificaEstrazione(*db, *data, *ruote, &errore)) {
        case EsitoScrittura::NonTrovata:
        case EsitoScrittura::GiaPresente:
            messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"),
                      QStringLiteral("Elemento non trovato. Possibile anomalia"));
            break;
        case EsitoScrittura::Errore:
            messaggioErrore(this, QStringLiteral("Anomalia archivio"),
                            QStringLiteral("L'estrazione del %1 non è stata modificata.\n%2").arg(d, errore));
            return;
        case EsitoScrittura::Fatta:
            db.reset();
            messaggio(this, QMessageBox::Information, TitoloSalvataggio,
                      QStringLiteral("Modifica effettuata. Ricarico archivio."));
            caricaArchivioExNovo(principale_, this);
            aggiornaRiepilogoArchivio();
            break;
    }
    impostaSlider(std::min(ricordata, sessione_.archivio.NumEstrazioni()));
    impostaCalendario(*data);
    emit scritturaFinita();
}

void PaginaGestione::eliminaEstrazione() {
    const QString d = qtesto(dataCorrente_);
    if (!Dialoghi::correnti().conferma(
            this, QStringLiteral("Eliminazione record"),
            QStringLiteral("Attenzione: sarà eliminata l'estrazione del ") + d + QStringLiteral(".  Confermi ?")))
        return;
    const auto data = Data::daTesto(dataCorrente_);
    if (!data) return;
    auto db = apriArchivio(TitoloEliminazione);
    if (!db) return;
    QString errore;
    const EsitoScrittura esito = quorvane::eliminaEstrazione(*db, *data, &errore);
    db.reset();
    if (esito == EsitoScrittura::Fatta)
        messaggio(this, QMessageBox::Information, TitoloEliminazione,
                  QStringLiteral("Estrazione cancellata. L'archivio verrà ricaricato."));
    else if (esito == EsitoScrittura::Errore)
        messaggioErrore(this, TitoloEliminazione,
                        QStringLiteral("L'estrazione del %1 non è stata eliminata.\n%2\nL'archivio verrà ricaricato.")
                            .arg(d, errore));
    else return;
    caricaArchivioExNovo(principale_, this);
    aggiornaRiepilogoArchivio();
}

}  // namespace quorvane
