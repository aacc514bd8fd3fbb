#include "index/ui/PaginaRuote.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/ui/ControlliIndice.h"

namespace quorvane {

PaginaRuote::PaginaRuote(ContestoIndice& contesto, QWidget* padre)
    : QGroupBox(QStringLiteral("Ruote in gioco"), padre), contesto_(contesto) {
    auto* lr = new QHBoxLayout(this);
    tavolaRuote_ = new VistaGriglia("FgR", this);
    dimensionaTavola(tavolaRuote_, 30);
    riempiRuoteInGioco(tavolaRuote_->griglia(), contesto_.metodo.analisi.ruoteInGioco);
    tavolaRuote_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    adattaAltezza(tavolaRuote_);
    tavolaRuote_->setFixedWidth(NumRuote * 30 + 2 * tavolaRuote_->frameWidth());
    auto* tutte = new EtichettaCliccabile(QStringLiteral("Label6"), QStringLiteral("Seleziona tutti"), this);
    auto* nessuna = new EtichettaCliccabile(QStringLiteral("Label1"), QStringLiteral("Deseleziona"), this);
    auto* ricava = pulsante(this, "Command13", QStringLiteral("RICAVA BASE DATI"));
    ricava->setMinimumHeight(34);
    ricava->setStyleSheet(QStringLiteral("font-weight: bold;"));
    ricava->setMinimumWidth(180);
    lr->addWidget(tavolaRuote_);
    lr->addWidget(tutte);
    lr->addWidget(nessuna);
    lr->addStretch(1);
    lr->addWidget(ricava);

    auto& inGioco = contesto_.metodo.analisi.ruoteInGioco;
    connect(tavolaRuote_, &VistaGriglia::clic, this, [this, &inGioco](int, int colonna) {
        if (colonna < 0 || colonna >= NumRuote) return;
        inGioco[colonna] = !inGioco[colonna];
        mostra();
    });
    connect(tutte, &EtichettaCliccabile::clic, this, [this, &inGioco] {
        inGioco.fill(true);
        mostra();
    });
    connect(nessuna, &EtichettaCliccabile::clic, this, [this, &inGioco] {
        inGioco.fill(false);
        mostra();
    });
    connect(ricava, &QPushButton::clicked, this, [this] { ricavaBaseDati(); });
}

void PaginaRuote::ricavaBaseDati(bool chiedi) {
    contesto_.leggiOpzioniBase();
    const int quante = static_cast<int>(contesto_.metodo.analisi.previsioni.size());
    const bool tieni = chiedi && quante > 0 &&
                       Dialoghi::correnti().conferma(this, QStringLiteral("Previsioni"),
                                                     quante == 1
                                                         ? QStringLiteral("Tenere la previsione?")
                                                         : QStringLiteral("Tenere le %1 previsioni?").arg(quante));
    emit baseDatiRicavata(contesto_.metodo.RicavaBaseDati(tieni));
}

void PaginaRuote::mostra() {
    riempiRuoteInGioco(tavolaRuote_->griglia(), contesto_.metodo.analisi.ruoteInGioco);
    emit ruoteCambiate();
}

}  // namespace quorvane
