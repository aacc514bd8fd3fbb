#include "archive/ui/PaginaElenco.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "archive/GrigliaArchivio.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

PaginaElenco::PaginaElenco(QWidget* padre) : QWidget(padre) {
    tabellaEstrazioni_ = new VistaGriglia("FgDB", this);
    connect(tabellaEstrazioni_, &VistaGriglia::clic, this,
            [this](int riga, int) { evidenziaEstrazione(tabellaEstrazioni_->griglia(), riga); });
    numeroEstrazioni_ = etichettaIncorniciata("Label9", this);

    auto* vaiPrima = pulsante(this, "Command14", QStringLiteral("Vai alla prima estrazione"));
    connect(vaiPrima, &QPushButton::clicked, this,
            [this] { tabellaEstrazioni_->griglia().impostaPrimaRigaMostrata(1); });
    auto* vaiUltima = pulsante(this, "Command13", QStringLiteral("Vai ultima estrazione"));
    connect(vaiUltima, &QPushButton::clicked, this, [this] {
        tabellaEstrazioni_->griglia().impostaPrimaRigaMostrata(tabellaEstrazioni_->griglia().righe() - 1);
    });
    auto* seleziona = pulsante(this, "Command11", QStringLiteral("Selezione estrazione"));
    connect(seleziona, &QPushButton::clicked, this, &PaginaElenco::selezionaEstrazione);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(vaiPrima);
    comandi->addWidget(vaiUltima);
    comandi->addWidget(seleziona);
    comandi->addStretch(1);
    comandi->addWidget(new QLabel(QStringLiteral("Estrazioni"), this));
    comandi->addWidget(numeroEstrazioni_);
    comandi->addWidget(pulsanteHelp("Command22", this));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabellaEstrazioni_, 1);
    layout->addLayout(comandi);
}

void PaginaElenco::mostraEstrazioni(const std::vector<RigaArchivio>& righe) {
    Griglia& g = tabellaEstrazioni_->griglia();
    riempiEstrazioniMemorizzate(g, righe);
    g.impostaPrimaRigaMostrata(g.righe() - 1);
    numeroEstrazioni_->setText(QString::number(righe.size()));
}

void PaginaElenco::adattaColonne() {
    tabellaEstrazioni_->adattaColonne(1, -1);
}

int PaginaElenco::larghezzaPiena() const {
    const QMargins margini = layout()->contentsMargins();
    return tabellaEstrazioni_->horizontalHeader()->length() +
           tabellaEstrazioni_->verticalScrollBar()->sizeHint().width() + 2 * tabellaEstrazioni_->frameWidth() +
           margini.left() + margini.right();
}

void PaginaElenco::selezionaEstrazione() {
    const Griglia& g = tabellaEstrazioni_->griglia();
    const int riga = g.rigaCorrente();
    if (riga < 1 || riga >= g.righe()) return;
    emit estrazioneScelta(riga, QString::fromStdString(g.testo(riga, 1)));
}

}  // namespace quorvane
