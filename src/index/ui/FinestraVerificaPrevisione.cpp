#include "index/ui/FinestraVerificaPrevisione.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"

namespace quorvane {

FinestraVerificaPrevisione::FinestraVerificaPrevisione(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName(QStringLiteral("VerificaPrevisione"));
    setWindowTitle(QStringLiteral("Verifica previsione"));
    tabellaVerifica_ = new VistaGriglia("Fg1", this);
    riempiTabellaVerifica(tabellaVerifica_->griglia(), {}, 0);
    auto* copia = new QPushButton(QStringLiteral("Copia tabella"), this);
    copia->setObjectName(QStringLiteral("Command25"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(copia);
    comandi->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabellaVerifica_, 1);
    layout->addLayout(comandi);
    resize(640, 560);
    connect(copia, &QPushButton::clicked, tabellaVerifica_, &VistaGriglia::copiaTabella);
}

void FinestraVerificaPrevisione::mostra(const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi) {
    aggiorna(estrazioni, numeroColpi);
    show();
    raise();
    activateWindow();
}

void FinestraVerificaPrevisione::aggiorna(const std::vector<EstrazioneVerificata>& estrazioni, int numeroColpi) {
    riempiTabellaVerifica(tabellaVerifica_->griglia(), estrazioni, numeroColpi);
    tabellaVerifica_->adattaColonne();
}

}  // namespace quorvane
