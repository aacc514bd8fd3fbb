#include "index/ui/PaginaRitardi.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"

namespace quorvane {

PaginaRitardi::PaginaRitardi(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    tabellaRitardi_ = new VistaGriglia("FgRit", this);
    impostaIntestazioneRitardi(tabellaRitardi_->griglia());
    tabellaRitardi_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    tabellaRitardi_->horizontalHeader()->setDefaultSectionSize(34);
    auto* layout = new QVBoxLayout(this);
    auto* filtra = pulsante(this, "Command15", QStringLiteral("Filtra numeri delle previsioni"));
    auto* tutti = pulsante(this, "Command16", QStringLiteral("Visualizza tutti"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(filtra);
    comandi->addWidget(tutti);
    comandi->addStretch(1);
    layout->addWidget(tabellaRitardi_, 1);
    layout->addLayout(comandi);
    connect(filtra, &QPushButton::clicked, this, &PaginaRitardi::filtraNumeriDellePrevisioni);
    connect(tutti, &QPushButton::clicked, this, &PaginaRitardi::visualizzaTutti);
}

void PaginaRitardi::filtraNumeriDellePrevisioni() {
    Maschera90 usati;
    for (const Previsione& p : contesto_.metodo.analisi.previsioni) usati |= p.maschera();
    Griglia& g = tabellaRitardi_->griglia();
    for (int r = 1; r < g.righe(); ++r) g.nascondiRiga(r, !usati.contiene(static_cast<int>(g.valore(r, 0))));
}

void PaginaRitardi::visualizzaTutti() {
    Griglia& g = tabellaRitardi_->griglia();
    for (int r = 1; r < g.righe(); ++r) g.nascondiRiga(r, false);
}

void PaginaRitardi::mostra() {
    const MetodoIndice& metodo = contesto_.metodo;
    if (metodo.analisi.modello.empty()) return;
    riempiTabellaRitardi(tabellaRitardi_->griglia(), metodo.ritardi, metodo.analisi.RuoteSel);
}

void PaginaRitardi::svuota() {
    tabellaRitardi_->griglia().impostaRighe(1);
}

}  // namespace quorvane
