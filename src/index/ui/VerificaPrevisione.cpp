#include "index/ui/VerificaPrevisione.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"

namespace quorvane {

VerificaPrevisioneFinestra::VerificaPrevisioneFinestra(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName(QStringLiteral("VerificaPrevisione"));
    setWindowTitle(QStringLiteral("Verifica previsione"));
    fg1_ = new VistaGriglia("Fg1", this);
    riempiFg1(fg1_->griglia(), {}, 0);
    fg1_->aggiorna();
    auto* copia = new QPushButton(QStringLiteral("Copia tabella"), this);
    copia->setObjectName(QStringLiteral("Command25"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(copia);
    comandi->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fg1_, 1);
    layout->addLayout(comandi);
    resize(640, 560);
    connect(copia, &QPushButton::clicked, fg1_, &VistaGriglia::copiaTabella);
}

void VerificaPrevisioneFinestra::mostra(const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi) {
    riempiFg1(fg1_->griglia(), estrazioni, numeroColpi);
    fg1_->aggiorna();
    fg1_->adattaColonne();
    show();
    raise();
    activateWindow();
}

}  // namespace quorvane
