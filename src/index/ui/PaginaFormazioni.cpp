#include "index/ui/PaginaFormazioni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/Colori.h"
#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/Modalita2.h"
#include "index/TavolaNumeri.h"
#include "index/ui/ControlliIndice.h"

namespace quorvane {

PaginaFormazioni::PaginaFormazioni(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    auto* layout = new QGridLayout(this);
    tabellaFormazioni_ = new VistaGriglia("Fg_CC", this);
    impostaIntestazioneFormazioni(tabellaFormazioni_->griglia());
    tabellaFormazioni_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    tabellaFormazioni_->horizontalHeader()->setDefaultSectionSize(40);
    sceltaQuantita_ = listaScelte(this, "ComboN", numeri(1, TavolaNumeri::Massimo), 2);
    sceltaCapogioco_ = listaScelte(this, "ComboCG", QStringList{QStringLiteral("No")} + numeri(1, 90), 0);
    sceltaAmbataAmbo_ = new QRadioButton(QStringLiteral("Ambata e Ambo"), this);
    sceltaAmbataAmbo_->setObjectName(QStringLiteral("Option3"));
    sceltaAmbataAmbo_->setChecked(true);
    auto* terno = new QRadioButton(QStringLiteral("Terno"), this);
    terno->setObjectName(QStringLiteral("Option4"));
    casellaVeloce_ = new QCheckBox(QStringLiteral("Velocizza ricerca ma meno precisione"), this);
    casellaVeloce_->setObjectName(QStringLiteral("ChFast"));
    auto* memo = pulsante(this, "Command20", QStringLiteral("Aggiunge riga selezionata a memo serie"));
    auto* copia = pulsante(this, "Command11", QStringLiteral("Copia tabella"));
    auto* modalita1 = pulsante(this, "Command27", QStringLiteral("Elaborazione modalità 1"));
    auto* modalita2 = pulsante(this, "Command44", QStringLiteral("Elaborazione modalità 2"));
    auto* aggiungi = pulsante(this, "Cmd_aggiunge", QStringLiteral("Aggiunge previsione"));
    for (QPushButton* p : {modalita1, modalita2}) p->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* opzioni = new QHBoxLayout;
    opzioni->addWidget(new QLabel(QStringLiteral("QN"), this));
    opzioni->addWidget(sceltaQuantita_);
    opzioni->addWidget(new QLabel(QStringLiteral("Capogioco"), this));
    opzioni->addWidget(sceltaCapogioco_);
    opzioni->addSpacing(12);
    opzioni->addWidget(sceltaAmbataAmbo_);
    opzioni->addWidget(terno);
    opzioni->addStretch(1);
    layout->addLayout(opzioni, 0, 0, 1, 2);
    layout->addWidget(casellaVeloce_, 2, 0, 1, 2);
    layout->addWidget(modalita1, 3, 0);
    layout->addWidget(modalita2, 3, 1);
    layout->addWidget(tabellaFormazioni_, 4, 0, 1, 2);
    layout->addWidget(aggiungi, 5, 0);
    layout->addWidget(copia, 5, 1);
    layout->addWidget(memo, 6, 0);
    layout->addWidget(pulsanteHelp(this, "Command35"), 6, 1);

    connect(sceltaQuantita_, &QComboBox::currentIndexChanged, this,
            [this] { contesto_.metodo.analisi.QuantitaNumeri = sceltaQuantita_->currentText().toInt(); });
    connect(tabellaFormazioni_, &VistaGriglia::clic, this, [this](int riga, int) { clicFormazione(riga); });
    connect(tabellaFormazioni_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        clicFormazione(riga);
        aggiungePrevisione();
    });
    connect(modalita1, &QPushButton::clicked, this, &PaginaFormazioni::elaborazioneModalita1);
    connect(modalita2, &QPushButton::clicked, this, &PaginaFormazioni::elaborazioneModalita2);
    connect(aggiungi, &QPushButton::clicked, this, &PaginaFormazioni::aggiungePrevisione);
    connect(memo, &QPushButton::clicked, this, &PaginaFormazioni::aggiungeRigaSelezionataAMemo);
    connect(copia, &QPushButton::clicked, tabellaFormazioni_, &VistaGriglia::copiaTabella);
}

void PaginaFormazioni::leggiOpzioni(AnalisiIndice& a) const {
    a.QuantitaNumeri = sceltaQuantita_->currentText().toInt();
    a.Capogioco = sceltaCapogioco_->currentIndex();
    a.SorteElaborazione = sceltaAmbataAmbo_->isChecked() ? 2 : 3;
    a.veloce = casellaVeloce_->isChecked();
}

void PaginaFormazioni::scegliQuantita(int quantita) {
    sceltaQuantita_->setCurrentIndex(quantita - 1);
}

void PaginaFormazioni::elaborazioneModalita1() {
    contesto_.leggiOpzioniElaborazione();
    const BarraLavoro barra(contesto_.avanzamento);
    contesto_.metodo.Modalita1(barra.avanzamento());
    mostra();
}

void PaginaFormazioni::elaborazioneModalita2() {
    contesto_.leggiOpzioniElaborazione();
    const BarraLavoro barra(contesto_.avanzamento);
    contesto_.metodo.Modalita2(barra.avanzamento());
    mostra();
    if (const auto motivo = motivoModalita2Vuota(contesto_.metodo.analisi, contesto_.metodo.formazioni))
        emit avviso(QStringLiteral("Elaborazione modalità 2: ") + QString::fromStdString(*motivo));
}

void PaginaFormazioni::aggiungePrevisione() {
    MetodoIndice& metodo = contesto_.metodo;
    const int indice = rigaFormazione_ - 1;
    if (indice >= 0 && indice < static_cast<int>(metodo.formazioni.size()) &&
        previsioneRifiutata(this, metodo,
                            previsioneDaFormazione(metodo.formazioni[indice], metodo.analisi.SorteElaborazione)))
        return;
    if (metodo.AggiungiFormazione(indice)) emit previsioniCambiate();
}

void PaginaFormazioni::aggiungeRigaSelezionataAMemo() {
    const Griglia& g = tabellaFormazioni_->griglia();
    if (rigaFormazione_ < 1 || rigaFormazione_ >= g.righe()) return;
    std::vector<std::string> celle;
    for (int c = 0; c <= TavolaNumeri::Massimo && c < g.colonne(); ++c) celle.push_back(g.testo(rigaFormazione_, c));
    emit rigaPerMemo(celle);
}

void PaginaFormazioni::mostra() {
    riempiTabellaFormazioni(tabellaFormazioni_->griglia(), contesto_.metodo.formazioni);
    rigaFormazione_ = 0;
}

void PaginaFormazioni::clicFormazione(int riga) {
    Griglia& g = tabellaFormazioni_->griglia();
    if (riga < 1 || riga >= g.righe()) return;
    rigaFormazione_ = riga;
    g.impostaSfondo(1, 1, g.righe() - 1, g.colonne() - 1, Bianco);
    g.impostaSfondo(riga, 1, riga, g.colonne() - 1, Giallo);
}

}  // namespace quorvane
