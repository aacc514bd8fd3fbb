#include "analyses/ui/Estrazioni_minielenco.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/SceltaEstrazione.h"
#include "core/ui/Controlli.h"
#include "core/db/Sessione.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 530;

QLabel* riquadro(QWidget* padre, const char* nome) {
    auto* l = etichetta(padre, nome);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
}  // namespace

Estrazioni_minielenco::Estrazioni_minielenco(Sessione& sessione, QWidget* padre)
    : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Estrazioni_minielenco"));
    setWindowTitle(QStringLiteral("Mini elenco"));

    label2_ = riquadro(this, "Label2");
    label1_ = riquadro(this, "Label1");
    label3_ = riquadro(this, "Label3");
    label2_->setToolTip(QStringLiteral("Indice dell'estrazione"));
    label3_->setToolTip(QStringLiteral("Progressivo nel mese (PM) e nell'anno (PA)"));
    hs1_ = barraEstrazioni(this, "hs1");

    fg2_ = new VistaGriglia("Fg2", this);
    fg2_->setSelectionMode(QAbstractItemView::NoSelection);
    fg2_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    fg2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(fg2_, &VistaGriglia::clic, this, &Estrazioni_minielenco::segna);

    auto* indiceP = pulsante(this, "Command42_0", QStringLiteral("Ricerca per numero indice"));
    auto* dataP = pulsante(this, "Command42_1", QStringLiteral("Cerca estrazione per data"));
    auto* cancellaP = pulsante(this, "Command81", QStringLiteral("Cancella segni"));
    auto* ultimaP = pulsante(this, "Command56", QStringLiteral("Ultima estrazione"));
    connect(indiceP, &QPushButton::clicked, this, [this] {
        if (const auto indice = chiediIndice(this, sessione_.archivio)) hs1_->setValue(*indice);
    });
    connect(dataP, &QPushButton::clicked, this, [this] {
        if (const auto trovata = chiediData(this, sessione_.archivio)) hs1_->setValue(*trovata);
    });
    connect(cancellaP, &QPushButton::clicked, this, &Estrazioni_minielenco::cancellaSegni);
    connect(ultimaP, &QPushButton::clicked, this, [this] { hs1_->setValue(ultimaEstrazione(sessione_.archivio)); });

    auto* intestazione = new QHBoxLayout;
    intestazione->addWidget(label2_, 1);
    intestazione->addWidget(label1_, 2);
    intestazione->addWidget(label3_, 2);
    auto* pulsanti = new QGridLayout;
    pulsanti->addWidget(indiceP, 0, 0);
    pulsanti->addWidget(dataP, 0, 1);
    pulsanti->addWidget(ultimaP, 1, 0);
    pulsanti->addWidget(cancellaP, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(intestazione);
    layout->addWidget(fg2_);
    layout->addWidget(hs1_);
    layout->addLayout(pulsanti);
    installaHelp(this, ArgomentoHelp);

    connect(hs1_, &QScrollBar::valueChanged, this, &Estrazioni_minielenco::mostra);
    connect(&sessione_, &Sessione::archivioRicaricato, this, &Estrazioni_minielenco::archivioRicaricato);
    archivioRicaricato();
    fg2_->setFixedHeight(NumRuote * fg2_->verticalHeader()->defaultSectionSize() +
                         fg2_->horizontalHeader()->sizeHint().height() + 2 * fg2_->frameWidth());
    fg2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(400, sizeHint().height());
}

void Estrazioni_minielenco::archivioRicaricato() { mostra(seguiArchivio(hs1_, sessione_.archivio, data_)); }

void Estrazioni_minielenco::mostra(int estrazione) {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    elenco_.mostra(estrazione);
    data_ = archivio.contiene(estrazione) ? archivio.DateEstrazioni(estrazione) : std::string();
    label2_->setText(QString::number(estrazione));
    label1_->setText(QString::fromStdString(data_));
    label3_->setText(QString::fromStdString(elenco_.progressivi(archivio)));
    elenco_.riempiFg2(fg2_->griglia(), archivio);
    fg2_->aggiorna();
}

void Estrazioni_minielenco::segna(int riga, int colonna) {
    elenco_.segna(riga, colonna);
    elenco_.riempiFg2(fg2_->griglia(), sessione_.archivio);
    fg2_->aggiornaCelle(riga, colonna, riga, colonna);
}

void Estrazioni_minielenco::cancellaSegni() {
    elenco_.cancellaSegni();
    elenco_.riempiFg2(fg2_->griglia(), sessione_.archivio);
    fg2_->aggiornaCelle(1, 1, NumRuote, NumPosizioni);
}

}  // namespace quorvane
