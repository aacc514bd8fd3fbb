// The "Database" tab of the index analysis window: saving, listing, deleting and opening the
// configurations; and the statistical summary.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"
#include "index/db/DatabaseConfigurazioni.h"
#include "index/ui/Ventrallo.h"
#include "index/ui/VentralloRiepilogo.h"

namespace quorvane {

namespace {

// The name box: a double click empties it.
class CasellaNome : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { clear(); }
};

QPushButton* pulsante(QWidget* padre, const char* nome, const QString& testo) {
    auto* p = new QPushButton(testo, padre);
    p->setObjectName(QString::fromLatin1(nome));
    return p;
}

void posiziona(QComboBox* lista, int posizione) {
    // A position the list does not have (a database written elsewhere) leaves the choice.
    if (posizione >= 0 && posizione < lista->count()) lista->setCurrentIndex(posizione);
}

}  // namespace

QWidget* Ventrallo::creaTabMemorizza(QWidget* padre) {
    auto* tab = new QWidget(padre);
    auto* layout = new QVBoxLayout(tab);
    text1_ = new CasellaNome(tab);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(Configurazione::MaxNome);
    text1_->setToolTip(QStringLiteral("Doppio clic per svuotare"));
    auto* salva = pulsante(tab, "Command17", QStringLiteral("Salva configurazione"));
    layout->addWidget(new QLabel(QStringLiteral("Denominazione (Max 60 caratteri)"), tab));
    layout->addWidget(text1_);
    layout->addWidget(salva, 0, Qt::AlignLeft);
    layout->addStretch(1);
    connect(salva, &QPushButton::clicked, this, &Ventrallo::SalvaConfigurazione);
    return tab;
}

QWidget* Ventrallo::creaTabConfigurazioni(QWidget* padre) {
    auto* tab = new QWidget(padre);
    auto* layout = new QGridLayout(tab);
    auto* elenco = pulsante(tab, "Command19", QStringLiteral("ELENCO"));
    auto* elimina = pulsante(tab, "Command18", QStringLiteral("Elimina riga selezionata"));
    auto* soloGiocate = pulsante(tab, "Command14", QStringLiteral("Carica solo giocate"));
    check1_ = new QCheckBox(QStringLiteral("Estrazione"), tab);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setToolTip(QStringLiteral("Ripristina anche l'estrazione finale del periodo"));
    fgE_ = new VistaGriglia("FgE", tab);
    fgE_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgE_->setSelectionMode(QAbstractItemView::SingleSelection);
    fgE_->setToolTip(QStringLiteral("Doppio clic per aprire la configurazione"));
    fgCn_ = new VistaGriglia("FgCn", tab);
    riempiFgCn(fgCn_->griglia(), {});
    fgCn_->aggiorna();
    layout->addWidget(elenco, 0, 0);
    layout->addWidget(check1_, 0, 1);
    layout->addWidget(elimina, 0, 2);
    layout->addWidget(fgE_, 1, 0, 1, 4);
    layout->addWidget(soloGiocate, 2, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(fgCn_, 3, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(1, 2);
    layout->setRowStretch(3, 1);
    connect(elenco, &QPushButton::clicked, this, &Ventrallo::ElencoConfigurazioni);
    connect(elimina, &QPushButton::clicked, this, &Ventrallo::EliminaRigaSelezionata);
    connect(soloGiocate, &QPushButton::clicked, this, &Ventrallo::CaricaSoloGiocate);
    connect(fgE_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        if (riga >= 1) ApriConfigurazione();
    });
    return tab;
}

void Ventrallo::ElencoConfigurazioni() {
    QString errore;
    configurazioni_ = leggiConfigurazioni(sessione_.programma().db(), &errore).value_or(std::vector<Configurazione>{});
    riempiFgE(fgE_->griglia(), configurazioni_);
    fgE_->aggiorna();
    fgE_->adattaColonne();
}

void Ventrallo::SalvaConfigurazione() {
    Dialoghi& dialoghi = Dialoghi::correnti();
    if (metodo_.analisi.previsioni.empty()) {
        dialoghi.messaggio(this, QMessageBox::Critical, QStringLiteral("Avviso"),
                           QStringLiteral("Attenzione !  non ci sono previsione associate."));
        return;
    }
    // The options as the controls show them now, which may differ from the model draws built.
    Configurazione c;
    c.nome = text1_->text().toStdString();
    c.NE = hFine_->value();
    c.Mesi = comboPresenze_->currentIndex();
    c.Mensile = comboMensile_->currentIndex();
    c.Colpi = comboC_->currentIndex();
    c.Ruote = testoRuote(metodo_.analisi.ruoteInGioco);
    c.Fine = chFine_->isChecked() ? 1 : 0;
    QString errore;
    const auto id = salvaConfigurazione(sessione_.programma().db(), c, previsioniDaSalvare(metodo_.analisi), &errore);
    if (!id) {
        dialoghi.messaggio(this, QMessageBox::Critical, QStringLiteral("Avviso"),
                           QStringLiteral("Attenzione, probabilmente la denominazione della configurazione è gia presente."));
        return;
    }
    idConfigCorrente_ = *id;
    dialoghi.messaggio(this, QMessageBox::Information, QStringLiteral("Conferma salvataggio"),
                       QStringLiteral("Configurazione memorizzata."));
}

void Ventrallo::EliminaRigaSelezionata() {
    const Griglia& g = fgE_->griglia();
    const int r = g.rigaCorrente();
    if (r < 1 || r > static_cast<int>(configurazioni_.size())) return;
    const QString cod = QString::fromStdString(g.testo(r, 1));
    if (!Dialoghi::correnti().conferma(this, QStringLiteral("Avviso"),
                                       QStringLiteral("Confermi la cancellazone del record N° %1 ?").arg(cod)))
        return;
    QString errore;
    if (eliminaConfigurazione(sessione_.programma().db(), configurazioni_[r - 1].IdConfig, &errore) ==
        EsitoEliminazione::Eliminata)
        Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"),
                                       QStringLiteral("Record eliminato"));
    ElencoConfigurazioni();
}

void Ventrallo::ApriConfigurazione() {
    const int r = fgE_->griglia().rigaCorrente();
    if (r < 1 || r > static_cast<int>(configurazioni_.size())) return;
    const Configurazione c = configurazioni_[r - 1];
    QString errore;
    giocate_ = leggiPrevisioniSalvate(sessione_.programma().db(), c.IdConfig, &errore)
                   .value_or(std::vector<PrevisioneSalvata>{});
    riempiFgCn(fgCn_->griglia(), giocate_);
    fgCn_->aggiorna();
    fgCn_->adattaColonne();
    if (check1_->isChecked() && c.NE >= hFine_->minimum() && c.NE <= hFine_->maximum()) hFine_->setValue(c.NE);
    posiziona(comboPresenze_, c.Mesi);
    posiziona(comboMensile_, c.Mensile);
    posiziona(comboC_, c.Colpi);
    applicaRuote(c.Ruote, metodo_.analisi.ruoteInGioco);
    mostraRuote();
    chFine_->setChecked(c.Fine != 0);
    RicavaBaseDati();
    CaricaSoloGiocate();
}

void Ventrallo::CaricaSoloGiocate() {
    // Nothing opened yet: the list the user is building stays as it is.
    if (giocate_.empty()) return;
    quorvane::CaricaSoloGiocate(metodo_, giocate_);
    mostraPrevisioni();
}

void Ventrallo::RiepilogoStatistico() {
    if (!riepilogo_) riepilogo_ = new VentralloRiepilogo(this);
    riepilogo_->mostra(metodo_.contatori);
}

}  // namespace quorvane
