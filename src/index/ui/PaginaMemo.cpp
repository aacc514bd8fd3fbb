#include "index/ui/PaginaMemo.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/TavolaNumeri.h"

namespace quorvane {

PaginaMemo::PaginaMemo(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    auto* layout = new QVBoxLayout(this);
    memoSerie_ = new VistaGriglia("FgSerie", this);
    memoSerie_->griglia().impostaIntestazione("CC|N1 |N2 |N3 |N4 |N5 |N6 |N7 |N8 ");
    memoSerie_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    memoSerie_->horizontalHeader()->setDefaultSectionSize(40);
    auto* svuota = pulsante(this, "Command21", QStringLiteral("Svuota"));
    svuota->setToolTip(QStringLiteral("Svuota il memo serie"));
    auto* copia = pulsante(this, "Command32", QStringLiteral("Copia numeri riga in selezione"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(copia);
    comandi->addWidget(svuota);
    comandi->addStretch(1);
    layout->addWidget(memoSerie_, 1);
    layout->addLayout(comandi);
    connect(svuota, &QPushButton::clicked, this, &PaginaMemo::svuota);
    connect(copia, &QPushButton::clicked, this, &PaginaMemo::copiaNumeriRigaInSelezione);
}

void PaginaMemo::aggiungi(const std::vector<std::string>& celle) {
    Griglia& memo = memoSerie_->griglia();
    const int r = memo.righe();
    memo.impostaRighe(r + 1);
    for (int c = 0; c < static_cast<int>(celle.size()); ++c) memo.impostaTesto(r, c, celle[c]);
}

void PaginaMemo::svuota() {
    memoSerie_->griglia().impostaRighe(1);
}

void PaginaMemo::copiaNumeriRigaInSelezione() {
    const Griglia& memo = memoSerie_->griglia();
    const int r = memo.rigaCorrente();
    if (r < 1 || r >= memo.righe()) return;
    TavolaNumeri& tavola = contesto_.tavola;
    tavola.svuota();
    for (int c = 1; c <= TavolaNumeri::Massimo && c < memo.colonne(); ++c)
        tavola.scegli(static_cast<int>(memo.valore(r, c)));
    emit numeriInSelezione();
}

}  // namespace quorvane
