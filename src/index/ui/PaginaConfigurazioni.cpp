#include "index/ui/PaginaConfigurazioni.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"
#include "index/MetodoIndice.h"
#include "index/db/DatabaseConfigurazioni.h"
#include "index/ui/ControlliIndice.h"
#include "index/ui/PaginaPeriodo.h"

namespace quorvane {

namespace {

// The name box: a double click empties it.
class CasellaNome : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { clear(); }
};

}  // namespace

PaginaConfigurazioni::PaginaConfigurazioni(ContestoIndice& contesto, PaginaPeriodo& periodo, QWidget* padre)
    : QWidget(padre), contesto_(contesto), periodo_(periodo) {
    auto* layout = new QVBoxLayout(this);
    auto* ssTab3 = new QTabWidget(this);
    ssTab3->setObjectName(QStringLiteral("SSTab3"));
    ssTab3->addTab(creaMemorizza(ssTab3), QStringLiteral("Memorizza"));
    ssTab3->addTab(creaElenco(ssTab3), QStringLiteral("Elenco"));
    // The help beside the tabs, where it takes no height.
    ssTab3->setCornerWidget(pulsanteHelp(this, "Command38"), Qt::TopRightCorner);
    layout->addWidget(ssTab3, 1);
    elencoConfigurazioni();
}

QWidget* PaginaConfigurazioni::creaMemorizza(QWidget* padre) {
    auto* tab = new QWidget(padre);
    auto* layout = new QVBoxLayout(tab);
    nomeConfigurazione_ = new CasellaNome(tab);
    nomeConfigurazione_->setObjectName(QStringLiteral("Text1"));
    nomeConfigurazione_->setMaxLength(Configurazione::MaxNome);
    nomeConfigurazione_->setToolTip(QStringLiteral("Doppio clic per svuotare"));
    auto* salva = pulsante(tab, "Command17", QStringLiteral("Salva configurazione"));
    layout->addWidget(new QLabel(QStringLiteral("Denominazione (Max 60 caratteri)"), tab));
    layout->addWidget(nomeConfigurazione_);
    layout->addWidget(salva, 0, Qt::AlignLeft);
    layout->addStretch(1);
    connect(salva, &QPushButton::clicked, this, &PaginaConfigurazioni::salvaConfigurazione);
    return tab;
}

QWidget* PaginaConfigurazioni::creaElenco(QWidget* padre) {
    auto* tab = new QWidget(padre);
    auto* layout = new QGridLayout(tab);
    auto* elenco = pulsante(tab, "Command19", QStringLiteral("ELENCO"));
    auto* elimina = pulsante(tab, "Command18", QStringLiteral("Elimina riga selezionata"));
    auto* soloGiocate = pulsante(tab, "Command14", QStringLiteral("Carica solo giocate"));
    casellaConEstrazione_ = new QCheckBox(QStringLiteral("Estrazione"), tab);
    casellaConEstrazione_->setObjectName(QStringLiteral("Check1"));
    casellaConEstrazione_->setToolTip(QStringLiteral("Ripristina anche l'estrazione finale del periodo"));
    tabellaConfigurazioni_ = new VistaGriglia("FgE", tab);
    tabellaConfigurazioni_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabellaConfigurazioni_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabellaConfigurazioni_->setToolTip(QStringLiteral("Doppio clic per aprire la configurazione"));
    tabellaGiocate_ = new VistaGriglia("FgCn", tab);
    riempiTabellaGiocate(tabellaGiocate_->griglia(), {});
    layout->addWidget(elenco, 0, 0);
    layout->addWidget(casellaConEstrazione_, 0, 1);
    layout->addWidget(elimina, 0, 2);
    layout->addWidget(tabellaConfigurazioni_, 1, 0, 1, 4);
    layout->addWidget(soloGiocate, 2, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(tabellaGiocate_, 3, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(1, 2);
    layout->setRowStretch(3, 1);
    connect(elenco, &QPushButton::clicked, this, &PaginaConfigurazioni::elencoConfigurazioni);
    connect(elimina, &QPushButton::clicked, this, &PaginaConfigurazioni::eliminaRigaSelezionata);
    connect(soloGiocate, &QPushButton::clicked, this, &PaginaConfigurazioni::caricaSoloGiocate);
    connect(tabellaConfigurazioni_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        if (riga >= 1) apriConfigurazione();
    });
    return tab;
}

void PaginaConfigurazioni::elencoConfigurazioni() {
    QString errore;
    configurazioni_ =
        leggiConfigurazioni(contesto_.sessione.programma().db(), &errore).value_or(std::vector<Configurazione>{});
    riempiTabellaConfigurazioni(tabellaConfigurazioni_->griglia(), configurazioni_);
    tabellaConfigurazioni_->adattaColonne();
}

void PaginaConfigurazioni::salvaConfigurazione() {
    Dialoghi& dialoghi = Dialoghi::correnti();
    const AnalisiIndice& analisi = contesto_.metodo.analisi;
    if (analisi.previsioni.empty()) {
        dialoghi.messaggio(this, QMessageBox::Critical, QStringLiteral("Avviso"),
                           QStringLiteral("Attenzione !  non ci sono previsione associate."));
        return;
    }
    // The options as the controls show them now, which may differ from the model draws built.
    Configurazione c;
    c.nome = nomeConfigurazione_->text().toStdString();
    periodo_.scriviIn(c);
    c.Ruote = testoRuote(analisi.ruoteInGioco);
    QString errore;
    bool nomePresente = false;
    const auto id = quorvane::salvaConfigurazione(contesto_.sessione.programma().db(), c, previsioniDaSalvare(analisi),
                                                  &errore, &nomePresente);
    if (!id) {
        // Blame the name only when the name is what failed; any other failure says its own reason.
        dialoghi.messaggio(
            this, QMessageBox::Critical, QStringLiteral("Avviso"),
            nomePresente
                ? QStringLiteral("Attenzione, probabilmente la denominazione della configurazione è gia presente.")
                : QStringLiteral("Configurazione non salvata: %1.").arg(errore));
        return;
    }
    idConfigCorrente_ = *id;
    dialoghi.messaggio(this, QMessageBox::Information, QStringLiteral("Conferma salvataggio"),
                       QStringLiteral("Configurazione memorizzata."));
}

void PaginaConfigurazioni::eliminaRigaSelezionata() {
    const Griglia& g = tabellaConfigurazioni_->griglia();
    const int r = g.rigaCorrente();
    if (r < 1 || r > static_cast<int>(configurazioni_.size())) return;
    const QString cod = QString::fromStdString(g.testo(r, 1));
    if (!Dialoghi::correnti().conferma(this, QStringLiteral("Avviso"),
                                       QStringLiteral("Confermi la cancellazone del record N° %1 ?").arg(cod)))
        return;
    QString errore;
    if (eliminaConfigurazione(contesto_.sessione.programma().db(), configurazioni_[r - 1].IdConfig, &errore) ==
        EsitoEliminazione::Eliminata)
        Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"),
                                       QStringLiteral("Record eliminato"));
    elencoConfigurazioni();
}

void PaginaConfigurazioni::apriConfigurazione() {
    const int r = tabellaConfigurazioni_->griglia().rigaCorrente();
    if (r < 1 || r > static_cast<int>(configurazioni_.size())) return;
    const Configurazione c = configurazioni_[r - 1];
    QString errore;
    giocate_ = leggiPrevisioniSalvate(contesto_.sessione.programma().db(), c.IdConfig, &errore)
                   .value_or(std::vector<PrevisioneSalvata>{});
    riempiTabellaGiocate(tabellaGiocate_->griglia(), giocate_);
    tabellaGiocate_->adattaColonne();
    periodo_.applica(c, casellaConEstrazione_->isChecked());
    applicaRuote(c.Ruote, contesto_.metodo.analisi.ruoteInGioco);
    emit configurazioneAperta();
    caricaSoloGiocate();
}

void PaginaConfigurazioni::caricaSoloGiocate() {
    // Nothing opened yet: the list the user is building stays as it is.
    if (giocate_.empty()) return;
    CaricaSoloGiocate(contesto_.metodo, giocate_);
    emit previsioniCambiate();
}

}  // namespace quorvane
