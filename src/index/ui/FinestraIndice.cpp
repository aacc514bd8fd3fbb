#include "index/ui/FinestraIndice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "index/Verifica.h"
#include "index/db/DatabaseLavoro.h"
#include "index/ui/PaginaConfigurazioni.h"
#include "index/ui/PaginaCoppie.h"
#include "index/ui/PaginaFormazioni.h"
#include "index/ui/PaginaMemo.h"
#include "index/ui/PaginaModello.h"
#include "index/ui/PaginaPeriodo.h"
#include "index/ui/PaginaPrevisioni.h"
#include "index/ui/PaginaRitardi.h"
#include "index/ui/PaginaRuote.h"
#include "index/ui/PaginaSelezione.h"

namespace quorvane {

FinestraIndice::FinestraIndice(Sessione& sessione, QProgressBar* avanzamento, QWidget* padre)
    : QWidget(padre),
      sessione_(sessione),
      metodo_(sessione.archivio, static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())),
      contesto_{sessione,
                metodo_,
                tavola_,
                avanzamento,
                [this] { leggiOpzioniBase(); },
                [this] { leggiOpzioniElaborazione(); },
                [this] { return opzioniCorrenti(); }} {
    setObjectName(QStringLiteral("Ventrallo"));
    // Not the main window's caption: the window list tells the two apart.
    setWindowTitle(QStringLiteral("Analisi con il metodo degli indici"));

    // Across the top the period, the options and the selected draw; below, the model draws and
    // the delays on the left, the elaborations and the forecasts on the right. It fits a
    // 1280x1024 screen.
    periodo_ = new PaginaPeriodo(contesto_, this);
    ruote_ = new PaginaRuote(contesto_, this);
    modello_ = new PaginaModello(contesto_, this);
    selezione_ = new PaginaSelezione(contesto_, this);
    formazioni_ = new PaginaFormazioni(contesto_, this);
    coppie_ = new PaginaCoppie(contesto_, this);
    configurazioni_ = new PaginaConfigurazioni(contesto_, *periodo_, this);

    schedeElaborazioni_ = new QTabWidget(this);
    schedeElaborazioni_->setObjectName(QStringLiteral("SSTab1"));
    schedeElaborazioni_->addTab(selezione_, QStringLiteral("Selezione"));
    schedeElaborazioni_->addTab(formazioni_, QStringLiteral("Elenco"));
    schedeElaborazioni_->addTab(coppie_, QStringLiteral("Coppie"));
    schedeElaborazioni_->addTab(configurazioni_, QStringLiteral("Database"));
    schedeElaborazioni_->setCurrentIndex(1);

    auto* ritardiEMemo = new QTabWidget(this);
    ritardiEMemo->setObjectName(QStringLiteral("SSTab2"));
    ritardi_ = new PaginaRitardi(contesto_, ritardiEMemo);
    memo_ = new PaginaMemo(contesto_, ritardiEMemo);
    ritardiEMemo->addTab(ritardi_, QStringLiteral("Ritardo dei numeri"));
    ritardiEMemo->addTab(memo_, QStringLiteral("Memo serie"));
    previsioni_ = new PaginaPrevisioni(contesto_, this);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(ruote_);
    sinistra->addWidget(modello_, 3);
    sinistra->addWidget(ritardiEMemo, 2);
    auto* destra = new QVBoxLayout;
    destra->addWidget(schedeElaborazioni_, 1);
    destra->addWidget(previsioni_);
    auto* sotto = new QHBoxLayout;
    sotto->addLayout(sinistra, 3);
    sotto->addLayout(destra, 2);
    avvisoArchivio_ = new QLabel(this);
    avvisoArchivio_->setObjectName(QStringLiteral("LblArchivio"));
    avvisoArchivio_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(periodo_);
    layout->addWidget(avvisoArchivio_);
    layout->addLayout(sotto, 1);
    resize(1250, 960);
    installaHelp(this, ArgomentoHelp);

    collegaPagine();
    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraIndice::archivioRicaricato);
    riprendiLavoro();
}

FinestraIndice::~FinestraIndice() = default;

void FinestraIndice::collegaPagine() {
    connect(ruote_, &PaginaRuote::baseDatiRicavata, this, &FinestraIndice::baseDatiRicavata);
    connect(selezione_, &PaginaSelezione::previsioniCambiate, this, &FinestraIndice::mostraPrevisioni);
    connect(formazioni_, &PaginaFormazioni::previsioniCambiate, this, &FinestraIndice::mostraPrevisioni);
    connect(configurazioni_, &PaginaConfigurazioni::previsioniCambiate, this, &FinestraIndice::mostraPrevisioni);
    connect(previsioni_, &PaginaPrevisioni::previsioniCambiate, this, &FinestraIndice::mostraPrevisioni);
    connect(previsioni_, &PaginaPrevisioni::formazioniCambiate, formazioni_, &PaginaFormazioni::mostra);
    connect(previsioni_, &PaginaPrevisioni::numeriInSelezione, this, &FinestraIndice::mostraSelezione);
    connect(memo_, &PaginaMemo::numeriInSelezione, this, &FinestraIndice::mostraSelezione);
    connect(formazioni_, &PaginaFormazioni::rigaPerMemo, memo_, &PaginaMemo::aggiungi);
    connect(formazioni_, &PaginaFormazioni::avviso, this, &FinestraIndice::avvisa);
    connect(coppie_, &PaginaCoppie::coppiaScelta, this, &FinestraIndice::aggiungiCoppia);
    connect(coppie_, &PaginaCoppie::abbinamentoRichiesto, this, &FinestraIndice::cercaNumeroConMaggioreAbbinamento);
    // An open historical test shows the options as they are set.
    const auto seguiOpzioni = [this] { modello_->seguiOpzioni(); };
    for (QWidget* pagina : std::initializer_list<QWidget*>{periodo_, formazioni_}) {
        for (auto* lista : pagina->findChildren<QComboBox*>())
            connect(lista, &QComboBox::currentIndexChanged, this, seguiOpzioni);
        for (auto* scelta : pagina->findChildren<QAbstractButton*>())
            if (scelta->isCheckable()) connect(scelta, &QAbstractButton::toggled, this, seguiOpzioni);
    }
    connect(ruote_, &PaginaRuote::ruoteCambiate, this, seguiOpzioni);
    // The message line tells what the archive did until the player acts again.
    for (auto* comando : findChildren<QAbstractButton*>())
        connect(comando, &QAbstractButton::pressed, this, [this] { avvisa(QString()); });
    connect(configurazioni_, &PaginaConfigurazioni::configurazioneAperta, this, [this] {
        ruote_->mostra();
        ruote_->ricavaBaseDati(false);
    });
}

void FinestraIndice::leggiOpzioniBase() {
    periodo_->leggiOpzioni(metodo_.analisi);
}

void FinestraIndice::leggiOpzioniElaborazione() {
    metodo_.analisi.fineAllaSelezionata = periodo_->fineRicerca();
    formazioni_->leggiOpzioni(metodo_.analisi);
}

AnalisiIndice FinestraIndice::opzioniCorrenti() const {
    AnalisiIndice opzioni = metodo_.analisi;
    periodo_->leggiOpzioni(opzioni);
    opzioni.fineAllaSelezionata = periodo_->fineRicerca();
    formazioni_->leggiOpzioni(opzioni);
    return opzioni;
}

void FinestraIndice::baseDatiRicavata(bool trovate) {
    avvisa(QString());
    coppie_->mostra();
    modello_->mostra();
    if (!trovate) return;
    mostraPrevisioni();
    formazioni_->mostra();
}

void FinestraIndice::mostraPrevisioni() {
    previsioni_->mostra();
    modello_->mostra();
    ritardi_->mostra();
    salvaLavoro();
}

void FinestraIndice::salvaLavoro() {
    LavoroIndice lavoro;
    if (metodo_.fineAnalisi() > 0) lavoro.fine = sessione_.archivio.DataEstrazione(metodo_.fineAnalisi());
    lavoro.opzioni = metodo_.analisi;
    lavoro.previsioni = metodo_.analisi.previsioni;
    QString errore;
    if (!quorvane::salvaLavoro(sessione_.programma().db(), lavoro, &errore))
        avvisa(QStringLiteral("Previsioni non salvate: %1").arg(errore));
}

void FinestraIndice::riprendiLavoro() {
    QString errore;
    const auto lavoro = leggiLavoro(sessione_.programma().db(), &errore);
    if (!lavoro) {
        avvisa(QStringLiteral("Previsioni salvate non lette: %1").arg(errore));
        return;
    }
    if (!lavoro->fine && lavoro->previsioni.empty()) return;
    if (!lavoro->fine) {
        metodo_.analisi.previsioni = lavoro->previsioni;
        mostraPrevisioni();
        return;
    }
    const bool ripresa = metodo_.Riprendi(lavoro->opzioni, *lavoro->fine, lavoro->previsioni);
    periodo_->mostraOpzioni(metodo_.analisi);
    ruote_->mostra();
    baseDatiRicavata(ripresa);
    if (!ripresa) mostraPrevisioni();
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    const int quante = static_cast<int>(metodo_.analisi.previsioni.size());
    const QString previsioni = quante == 1 ? QStringLiteral("1 previsione")
                                           : QStringLiteral("%1 previsioni").arg(quante);
    if (!ripresa)
        avvisa(QStringLiteral("Analisi del %1 non ripresa: nessuna estrazione modello; le previsioni restano")
                   .arg(QString::fromStdString(lavoro->fine->testo())));
    else if (archivio.DataEstrazione(metodo_.fineAnalisi()) != *lavoro->fine)
        avvisa(QStringLiteral("Estrazione del %1 non più in archivio: analisi ripresa al %2 con %3")
                   .arg(QString::fromStdString(lavoro->fine->testo()),
                        QString::fromStdString(archivio.DateEstrazioni(metodo_.fineAnalisi())), previsioni));
    else
        informa(QStringLiteral("Analisi ripresa al %1 con %2")
                    .arg(QString::fromStdString(lavoro->fine->testo()), previsioni));
}

void FinestraIndice::mostraSelezione() {
    selezione_->mostra();
    schedeElaborazioni_->setCurrentIndex(0);
}

void FinestraIndice::aggiungiCoppia(int primo, int secondo) {
    if (metodo_.listaPiena())
        return Dialoghi::correnti().messaggio(this, QMessageBox::Information, QStringLiteral("Previsioni"),
                                              QString::fromStdString(testoListaPiena()));
    formazioni_->scegliQuantita(1);
    leggiOpzioniElaborazione();
    metodo_.AggiungiCoppia(primo, secondo);
    formazioni_->mostra();
    mostraPrevisioni();
}

void FinestraIndice::cercaNumeroConMaggioreAbbinamento() {
    if (const Previsione* p = previsioni_->selezionata())
        coppie_->mostraAbbinamenti(Abbinamenti(metodo_.analisi, sessione_.archivio, *p));
}

void FinestraIndice::avvisa(const QString& testo) {
    avvisoArchivio_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    avvisoArchivio_->setText(testo);
    avvisoArchivio_->setVisible(!testo.isEmpty());
}

void FinestraIndice::informa(const QString& testo) {
    avvisa(testo);
    avvisoArchivio_->setStyleSheet(QStringLiteral("QLabel { color: #006000; font-weight: bold; }"));
}

// The player's work stays: the engine keeps or redoes the analysis and credits the list again;
// the window says what changed.
void FinestraIndice::archivioRicaricato() {
    const bool cera = !metodo_.analisi.modello.empty();
    const EsitoRicarica esito = metodo_.seguiArchivio();
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    if (esito == EsitoRicarica::Rifatta)
        avvisa(QStringLiteral("Archivio cambiato: analisi rifatta al %1")
                   .arg(QString::fromStdString(archivio.DateEstrazioni(metodo_.fineAnalisi()))));
    else if (esito == EsitoRicarica::Vuota && cera)
        avvisa(QStringLiteral("Archivio cambiato: nessuna estrazione modello, analisi vuota; le previsioni restano"));
    else if (esito == EsitoRicarica::Tenuta && metodo_.nuoveEstrazioni().prima > 0)
        informa(QString::fromStdString(testoNuoveEstrazioni(metodo_.nuoveEstrazioni(), archivio)));
    periodo_->seguiArchivio(metodo_.fineAnalisi());
    modello_->seguiArchivio();
    if (esito != EsitoRicarica::Tenuta) coppie_->mostraAbbinamenti({});
    coppie_->mostra();
    if (metodo_.analisi.modello.empty()) ritardi_->svuota();
    formazioni_->mostra();
    mostraPrevisioni();
}

}  // namespace quorvane
