#include "index/ui/PaginaModello.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/Verifica.h"
#include "index/ui/ControlliIndice.h"
#include "index/ui/FinestraVerificaPrevisione.h"
#include "index/ui/FinestraVerificaStorica.h"

namespace quorvane {

PaginaModello::PaginaModello(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    auto* modello = new QVBoxLayout(this);
    modello->setContentsMargins(0, 0, 0, 0);
    tabellaModello_ = new VistaGriglia("FgV", this);
    impostaIntestazioneModello(tabellaModello_->griglia());
    tabellaModello_->adattaColonne();
    auto* comandi = new QHBoxLayout;
    auto* verifica = pulsante(this, "Command12", QStringLiteral("Verifica previsione"));
    auto* copia = pulsante(this, "Command25", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "Command37", QStringLiteral("Stampa grid"));
    auto* storica = pulsante(this, "CmdStorica", QStringLiteral("Verifica storica"));
    comandi->addWidget(verifica);
    comandi->addWidget(copia);
    comandi->addWidget(stampa);
    comandi->addWidget(storica);
    comandi->addStretch(1);
    comandi->addWidget(pulsanteHelp(this, "Command33"));
    modello->addWidget(tabellaModello_, 1);
    modello->addLayout(comandi);
    connect(verifica, &QPushButton::clicked, this, &PaginaModello::verificaPrevisione);
    connect(copia, &QPushButton::clicked, tabellaModello_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { tabellaModello_->stampaConDialogo(QString(), QPageLayout::Landscape, 350); });
    connect(storica, &QPushButton::clicked, this, &PaginaModello::verificaStorica);
}

void PaginaModello::verificaPrevisione() {
    const AnalisiIndice& analisi = contesto_.metodo.analisi;
    const int riga = tabellaModello_->griglia().rigaCorrente();
    if (riga < 1 || riga > static_cast<int>(analisi.modello.size())) return;
    if (!verifica_) verifica_ = new FinestraVerificaPrevisione(this);
    rigaVerificata_ = riga;
    verifica_->mostra(VerificaPrevisione(analisi, contesto_.sessione.archivio, riga), analisi.NumeroColpi);
}

// The historical test takes the options as they are set now, and follows them while it is open.
void PaginaModello::verificaStorica() {
    if (!storica_) {
        storica_ = new FinestraVerificaStorica(contesto_.sessione, contesto_.opzioniCorrenti(), this);
        storica_->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        storica_->seguiOpzioni(contesto_.opzioniCorrenti());
    }
    storica_->show();
    storica_->raise();
    storica_->activateWindow();
}

void PaginaModello::seguiOpzioni() {
    if (storica_) storica_->seguiOpzioni(contesto_.opzioniCorrenti());
}

void PaginaModello::mostra() {
    riempiTabellaModello(tabellaModello_->griglia(), contesto_.metodo.analisi, contesto_.sessione.archivio);
    tabellaModello_->adattaColonne();
}

void PaginaModello::seguiArchivio() {
    if (!verifica_) return;
    const AnalisiIndice& analisi = contesto_.metodo.analisi;
    if (rigaVerificata_ < 1 || rigaVerificata_ > static_cast<int>(analisi.modello.size())) verifica_->close();
    else
        verifica_->aggiorna(VerificaPrevisione(analisi, contesto_.sessione.archivio, rigaVerificata_),
                            analisi.NumeroColpi);
}

}  // namespace quorvane
