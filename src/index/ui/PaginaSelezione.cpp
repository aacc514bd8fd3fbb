#include "index/ui/PaginaSelezione.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/TavolaNumeri.h"
#include "index/ui/ControlliIndice.h"

namespace quorvane {

PaginaSelezione::PaginaSelezione(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    auto* layout = new QHBoxLayout(this);
    tavolaNumeri_ = new VistaGriglia("Fg90", this);
    riempiTavolaNumeri(tavolaNumeri_->griglia(), contesto_.tavola);
    tavolaNumeri_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    dimensionaTavola(tavolaNumeri_, 30);
    adattaAltezza(tavolaNumeri_);
    tavolaNumeri_->setFixedWidth(10 * 30 + 2 * tavolaNumeri_->frameWidth());
    auto* colonna = new QVBoxLayout;
    auto* azzera = pulsante(this, "Command3", QStringLiteral("Azzera"));
    azzera->setToolTip(QStringLiteral("Deseleziona tutti i numeri"));
    auto* sorte = new QGroupBox(QStringLiteral("Sorte"), this);
    auto* ls = new QVBoxLayout(sorte);
    const char* nomi[] = {"Option1", "Option2", "Option5"};
    const char* testi[] = {"Ambata", "Ambo", "Terno"};
    for (int i = 0; i < 3; ++i) {
        sceltaSorte_[i] = new QRadioButton(QString::fromLatin1(testi[i]), sorte);
        sceltaSorte_[i]->setObjectName(QString::fromLatin1(nomi[i]));
        sceltaSorte_[i]->setChecked(i == 1);
        ls->addWidget(sceltaSorte_[i]);
    }
    auto* aggiungi = pulsante(this, "Command2", QStringLiteral("Aggiunge previsione"));
    colonna->addWidget(azzera);
    colonna->addWidget(sorte);
    colonna->addWidget(aggiungi);
    colonna->addStretch(1);
    colonna->addWidget(pulsanteHelp(this, "Command34"));
    layout->addWidget(tavolaNumeri_, 0, Qt::AlignTop);
    layout->addLayout(colonna);
    layout->addStretch(1);

    connect(tavolaNumeri_, &VistaGriglia::clic, this, [this](int riga, int colonna) {
        if (riga < 0 || riga > 8 || colonna < 0 || colonna > 9) return;
        if (contesto_.tavola.commuta(10 * riga + colonna + 1)) mostra();
    });
    connect(azzera, &QPushButton::clicked, this, [this] {
        contesto_.tavola.svuota();
        mostra();
    });
    connect(aggiungi, &QPushButton::clicked, this, &PaginaSelezione::aggiungePrevisione);
}

void PaginaSelezione::aggiungePrevisione() {
    int sorte = 1;
    for (int i = 0; i < 3; ++i)
        if (sceltaSorte_[i]->isChecked()) sorte = i + 1;
    const std::vector<int> scelti = contesto_.tavola.numeri();
    if (!scelti.empty() && previsioneRifiutata(this, contesto_.metodo, previsioneDaNumeri(sorte, scelti))) return;
    if (contesto_.metodo.AggiungiDaTavola(sorte, scelti)) emit previsioniCambiate();
}

void PaginaSelezione::mostra() {
    riempiTavolaNumeri(tavolaNumeri_->griglia(), contesto_.tavola);
}

}  // namespace quorvane
