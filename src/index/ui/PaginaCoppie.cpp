#include "index/ui/PaginaCoppie.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/ui/ControlliIndice.h"

namespace quorvane {

PaginaCoppie::PaginaCoppie(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    auto* layout = new QVBoxLayout(this);
    tabellaCoppie_ = new VistaGriglia("Fg9090", this);
    riempiTabellaCoppie(tabellaCoppie_->griglia(), {});
    tabellaCoppie_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    tabellaCoppie_->setColumnWidth(0, 18);
    auto* elabora = pulsante(this, "Command60", QStringLiteral("ELABORA"));
    elabora->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* aggiungi = pulsante(this, "Command7", QStringLiteral("Aggiunge previsione"));
    auto* abbinamento = pulsante(this, "Command5", QStringLiteral("Cerca numero con maggiore abbinamento"));
    tabellaAbbinamenti_ = new VistaGriglia("FgAbb", this);
    riempiTabellaAbbinamenti(tabellaAbbinamenti_->griglia(), {});
    tabellaAbbinamenti_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    // Both columns, the score "Pr" included, without sideways scrolling.
    tabellaAbbinamenti_->verticalHeader()->hide();
    tabellaAbbinamenti_->horizontalHeader()->setDefaultSectionSize(44);
    tabellaAbbinamenti_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabellaAbbinamenti_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabellaAbbinamenti_->setFixedWidth(2 * 44 + tabellaAbbinamenti_->verticalScrollBar()->sizeHint().width() +
                                       2 * tabellaAbbinamenti_->frameWidth());
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(elabora);
    comandi->addWidget(aggiungi);
    comandi->addStretch(1);
    comandi->addWidget(pulsanteHelp(this, "Command36"));
    auto* tabelle = new QHBoxLayout;
    tabelle->addWidget(tabellaCoppie_, 1);
    tabelle->addWidget(tabellaAbbinamenti_);
    layout->addLayout(comandi);
    layout->addLayout(tabelle, 1);
    layout->addWidget(abbinamento);
    connect(elabora, &QPushButton::clicked, this, &PaginaCoppie::elabora);
    connect(aggiungi, &QPushButton::clicked, this, &PaginaCoppie::sceltaCoppia);
    connect(tabellaCoppie_, &VistaGriglia::doppioClic, this, &PaginaCoppie::sceltaCoppia);
    connect(abbinamento, &QPushButton::clicked, this, &PaginaCoppie::abbinamentoRichiesto);
}

void PaginaCoppie::elabora() {
    const BarraLavoro barra(contesto_.avanzamento);
    contesto_.metodo.Elabora(barra.avanzamento());
    mostra();
    tabellaCoppie_->adattaColonne(1);
}

void PaginaCoppie::mostra() {
    riempiTabellaCoppie(tabellaCoppie_->griglia(), contesto_.metodo.coppie);
}

void PaginaCoppie::mostraAbbinamenti(const std::vector<std::pair<int, int>>& abbinamenti) {
    riempiTabellaAbbinamenti(tabellaAbbinamenti_->griglia(), abbinamenti);
}

void PaginaCoppie::sceltaCoppia() {
    const Griglia& g = tabellaCoppie_->griglia();
    const int r = g.rigaCorrente();
    if (r < 1 || r >= g.righe()) return;
    emit coppiaScelta(static_cast<int>(g.valore(r, 1)), static_cast<int>(g.valore(r, 2)));
}

}  // namespace quorvane
