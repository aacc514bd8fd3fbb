#include "index/ui/PaginaPrevisioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/TavolaNumeri.h"
#include "index/ui/ControlliIndice.h"
#include "index/ui/FinestraRiepilogo.h"

namespace quorvane {

PaginaPrevisioni::PaginaPrevisioni(ContestoIndice& contesto, QWidget* padre)
    : QGroupBox(QStringLiteral("Previsioni"), padre), contesto_(contesto) {
    auto* layout = new QGridLayout(this);
    tabellaPrevisioni_ = new VistaGriglia("Fg_ZZ", this);
    impostaIntestazionePrevisioni(tabellaPrevisioni_->griglia());
    tabellaPrevisioni_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    // All nine forecasts in sight, every header whole.
    tabellaPrevisioni_->horizontalHeader()->setDefaultSectionSize(30);
    tabellaPrevisioni_->adattaColonne();
    tabellaPrevisioni_->verticalHeader()->setDefaultSectionSize(22);
    tabellaPrevisioni_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabellaPrevisioni_->setFixedHeight(AnalisiIndice::MaxPrevisioni * 22 +
                                       tabellaPrevisioni_->horizontalHeader()->sizeHint().height() +
                                       2 * tabellaPrevisioni_->frameWidth());
    etichettaCoperti_ = etichetta(this, "Lbl_T");
    etichettaScoperti_ = etichetta(this, "Lbl_S");
    for (QLabel* l : {etichettaCoperti_, etichettaScoperti_}) {
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(50);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
    }
    tabellaPrevisioni_->griglia().impostaModificabile(true);
    auto* copia = pulsante(this, "Command4", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "Command6", QStringLiteral("Stampa grid"));
    auto* sfaldamenti = pulsante(this, "Cmd_VerificaPrevisioni", QStringLiteral("Visualizza sfaldamenti"));
    auto* rimuove = pulsante(this, "Cmd_Rimuove", QStringLiteral("Rimuove riga selezionata"));
    auto* azzera = pulsante(this, "Command28", QStringLiteral("Azzera la grid delle previsioni"));
    auto* inSelezione = pulsante(this, "Command30", QStringLiteral("Copia numeri riga in selezione"));
    auto* tutte = new EtichettaCliccabile(QStringLiteral("Label16"), QStringLiteral("Seleziona tutti"), this);
    auto* nessuna = new EtichettaCliccabile(QStringLiteral("Label15"), QStringLiteral("Deseleziona"), this);
    auto* riepilogo = pulsante(this, "Command10", QStringLiteral("Riepilogo statistico"));
    layout->setVerticalSpacing(4);
    auto* contatori = new QHBoxLayout;
    contatori->setSpacing(8);
    contatori->addWidget(tutte);
    contatori->addWidget(nessuna);
    contatori->addStretch(1);
    contatori->addWidget(new QLabel(QStringLiteral("Coperti"), this));
    contatori->addWidget(etichettaCoperti_);
    contatori->addWidget(new QLabel(QStringLiteral("Scoperti"), this));
    contatori->addWidget(etichettaScoperti_);
    layout->addWidget(tabellaPrevisioni_, 0, 0, 1, 2);
    layout->addLayout(contatori, 1, 0, 1, 2);
    QWidget* comandi[][2] = {
        {sfaldamenti, azzera}, {rimuove, riepilogo}, {inSelezione, copia}, {stampa, pulsanteHelp(this, "Command39")}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c) layout->addWidget(comandi[r][c], r + 2, c);
    connect(copia, &QPushButton::clicked, tabellaPrevisioni_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { tabellaPrevisioni_->stampaConDialogo(QString(), QPageLayout::Landscape, 450); });
    connect(sfaldamenti, &QPushButton::clicked, this, &PaginaPrevisioni::visualizzaSfaldamenti);
    connect(riepilogo, &QPushButton::clicked, this, &PaginaPrevisioni::riepilogoStatistico);
    connect(rimuove, &QPushButton::clicked, this, &PaginaPrevisioni::rimuoveRigaSelezionata);
    connect(azzera, &QPushButton::clicked, this, &PaginaPrevisioni::azzeraPrevisioni);
    connect(inSelezione, &QPushButton::clicked, this, &PaginaPrevisioni::copiaNumeriPrevisioneInSelezione);
    connect(tutte, &EtichettaCliccabile::clic, this, [this] { attivaTutte(true); });
    connect(nessuna, &EtichettaCliccabile::clic, this, [this] { attivaTutte(false); });
    connect(tabellaPrevisioni_, &VistaGriglia::doppioClic, this, [this](int riga, int colonna) {
        auto& previsioni = contesto_.metodo.analisi.previsioni;
        if (colonna == 1 || riga < 1 || riga > static_cast<int>(previsioni.size())) return;
        Previsione& p = previsioni[riga - 1];
        p.attiva = !p.attiva;
        emit previsioniCambiate();
    });
    connect(tabellaPrevisioni_, &VistaGriglia::cellaModificata, this, &PaginaPrevisioni::modificaSorte);
}

int PaginaPrevisioni::rigaSelezionata() const {
    const int r = tabellaPrevisioni_->griglia().rigaCorrente();
    return r >= 1 && r <= static_cast<int>(contesto_.metodo.analisi.previsioni.size()) ? r : 0;
}

const Previsione* PaginaPrevisioni::selezionata() const {
    const int r = rigaSelezionata();
    return r > 0 ? &contesto_.metodo.analisi.previsioni[r - 1] : nullptr;
}

void PaginaPrevisioni::visualizzaSfaldamenti() {
    contesto_.metodo.VisualizzaSfaldamenti();
    emit previsioniCambiate();
}

void PaginaPrevisioni::rimuoveRigaSelezionata() {
    const int r = rigaSelezionata();
    if (r == 0) return;
    contesto_.leggiOpzioniElaborazione();
    const BarraLavoro barra(contesto_.avanzamento);
    contesto_.metodo.Rimuovi(r - 1, barra.avanzamento());
    emit formazioniCambiate();
    emit previsioniCambiate();
}

void PaginaPrevisioni::azzeraPrevisioni() {
    contesto_.metodo.Azzera();
    emit previsioniCambiate();
}

void PaginaPrevisioni::copiaNumeriPrevisioneInSelezione() {
    const Previsione* p = selezionata();
    if (!p) return;
    TavolaNumeri& tavola = contesto_.tavola;
    p->maschera().perOgni([&tavola](int n) {
        if (!tavola.scelto(n)) tavola.scegli(n);
    });
    emit numeriInSelezione();
}

void PaginaPrevisioni::riepilogoStatistico() {
    if (!riepilogo_) riepilogo_ = new FinestraRiepilogo(this);
    riepilogo_->mostra(contesto_.metodo.contatori);
}

// A sorte the forecast cannot be played with is refused with the reason; an accepted one
// credits the list again, so that "Esiti" and "ET" move together.
void PaginaPrevisioni::modificaSorte(int riga, int colonna) {
    auto& previsioni = contesto_.metodo.analisi.previsioni;
    if (colonna != 1 || riga < 1 || riga > static_cast<int>(previsioni.size())) return;
    Griglia& g = tabellaPrevisioni_->griglia();
    bool numero = false;
    const int sorte = QString::fromStdString(g.testo(riga, 1)).trimmed().toInt(&numero);
    const Previsione& p = previsioni[riga - 1];
    if (sorte == p.sorte && numero) return;
    if (const auto errore = erroreSorte(numero ? sorte : 0, p.quanti())) {
        // Only this cell changes now: the list is not rebuilt under the editor that wrote it.
        g.impostaTesto(riga, 1, std::to_string(p.sorte));
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, QStringLiteral("Sorte"),
                                       QString::fromStdString(*errore));
        return;
    }
    contesto_.metodo.CambiaSorte(riga - 1, sorte);
    // The whole list changed: shown once the editor has closed.
    QMetaObject::invokeMethod(this, &PaginaPrevisioni::previsioniCambiate, Qt::QueuedConnection);
}

void PaginaPrevisioni::attivaTutte(bool attive) {
    for (Previsione& p : contesto_.metodo.analisi.previsioni) p.attiva = attive;
    emit previsioniCambiate();
}

void PaginaPrevisioni::mostra() {
    const AnalisiIndice& analisi = contesto_.metodo.analisi;
    riempiTabellaPrevisioni(tabellaPrevisioni_->griglia(), analisi);
    tabellaPrevisioni_->adattaColonne();
    etichettaCoperti_->setText(QString::fromStdString(testoCoperti(analisi)));
    etichettaScoperti_->setText(QString::fromStdString(testoScoperti(analisi)));
    etichettaCoperti_->setStyleSheet(copertiCompleti(analisi) ? QStringLiteral("QLabel { background: #00ff00; }")
                                                              : QStringLiteral("QLabel { background: white; }"));
}

}  // namespace quorvane
