#include "analyses/ui/Ripetizionenumeri.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <QScrollBar>

#include "core/SceltaEstrazione.h"
#include "core/ui/Controlli.h"
#include "core/db/Sessione.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 520;

QComboBox* elenco(QWidget* padre, const char* nome, int da, int a, int iniziale) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nome));
    for (int n = da; n <= a; ++n) c->addItem(QString::number(n));
    c->setCurrentIndex(iniziale - da);
    return c;
}
}  // namespace

Ripetizionenumeri::Ripetizionenumeri(Sessione& sessione, QWidget* padre)
    : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Ripetizionenumeri"));
    setWindowTitle(QStringLiteral("Ripetizione numeri"));
    hFine_ = barraEstrazioni(this, "hFine");
    labend_ = etichetta(this, "labend");
    labend_->setMinimumWidth(150);
    labend_->setFrameShape(QFrame::Panel);
    labend_->setFrameShadow(QFrame::Sunken);
    labend_->setAlignment(Qt::AlignCenter);
    auto* ultimaP = pulsante(this, "Command22", QStringLiteral("Ultima"));
    auto* indiceP = pulsante(this, "Command23", QStringLiteral("Seleziona per numero indice"));
    auto* dataP = pulsante(this, "Command24", QStringLiteral("Seleziona per data"));
    connect(ultimaP, &QPushButton::clicked, this, [this] { hFine_->setValue(ultimaEstrazione(sessione_.archivio)); });
    connect(indiceP, &QPushButton::clicked, this, &Ripetizionenumeri::scegliPerIndice);
    connect(dataP, &QPushButton::clicked, this, &Ripetizionenumeri::scegliPerData);

    comboE_ = elenco(this, "ComboE", 1, Ripetizioni::EstrazioniRilevate, 2);
    comboR_ = elenco(this, "ComboR", Ripetizioni::MinimoRuote, Ripetizioni::MassimoRuote, 3);
    comboN_ = elenco(this, "ComboN", 1, 90, 1);
    auto* rilevazioneP = pulsante(this, "Command2", QStringLiteral("RILEVAZIONE"));
    auto* combinazioniP = pulsante(this, "Command3", QStringLiteral("COMBINAZIONI"));
    auto* visualizzaP = pulsante(this, "Command1", QStringLiteral("Visualizza numero selezionato"));
    connect(rilevazioneP, &QPushButton::clicked, this, &Ripetizionenumeri::rilevazione);
    connect(combinazioniP, &QPushButton::clicked, this, &Ripetizionenumeri::combinazioni);
    connect(visualizzaP, &QPushButton::clicked, this, &Ripetizionenumeri::visualizza);

    fg2_ = new VistaGriglia("Fg2", this);
    riempiRipetizioni(fg2_->griglia(), {});
    fg2_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fg2_->setSelectionMode(QAbstractItemView::SingleSelection);
    fg2_->aggiorna();
    for (int c = 0; c <= Ripetizioni::MassimoRuote; ++c) fg2_->setColumnWidth(c, 38);
    fg2_->setMinimumWidth(7 * 38 + 30);
    connect(fg2_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        if (riga < 1) return;
        comboN_->setCurrentIndex(static_cast<int>(fg2_->griglia().valore(riga, 0)) - 1);
        visualizza();
    });
    fg1_ = new VistaGriglia("fg1", this);
    fg1_->setSelectionMode(QAbstractItemView::NoSelection);
    riempiUsciteNumero(fg1_->griglia(), ripetizioni_, 0);
    fg1_->griglia().impostaRighe(1);
    fg1_->aggiorna();
    fg1_->adattaColonne(0, 2);
    for (int c = 3; c < 14; ++c) fg1_->setColumnWidth(c, 36);

    auto* fine = new QHBoxLayout;
    fine->addWidget(new QLabel(QStringLiteral("Estrazione finale"), this));
    fine->addWidget(hFine_, 1);
    fine->addWidget(labend_);
    auto* scelte = new QHBoxLayout;
    scelte->addWidget(ultimaP);
    scelte->addWidget(indiceP);
    scelte->addWidget(dataP);
    scelte->addStretch(1);

    auto* opzioni = new QGridLayout;
    opzioni->addWidget(new QLabel(QStringLiteral("Ultime estrazioni"), this), 0, 0);
    opzioni->addWidget(comboE_, 0, 1);
    opzioni->addWidget(new QLabel(QStringLiteral("Ruote per gruppo"), this), 1, 0);
    opzioni->addWidget(comboR_, 1, 1);
    opzioni->addWidget(rilevazioneP, 2, 0, 1, 2);
    opzioni->addWidget(combinazioniP, 3, 0, 1, 2);
    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(opzioni);
    sinistra->addWidget(fg2_, 1);

    auto* numero = new QHBoxLayout;
    numero->addWidget(new QLabel(QStringLiteral("Numero"), this));
    numero->addWidget(comboN_);
    numero->addWidget(visualizzaP);
    numero->addStretch(1);
    auto* destra = new QVBoxLayout;
    destra->addLayout(numero);
    destra->addWidget(fg1_, 1);

    auto* centro = new QHBoxLayout;
    centro->addLayout(sinistra);
    centro->addLayout(destra, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fine);
    layout->addLayout(scelte);
    layout->addLayout(centro, 1);
    resize(960, 520);
    installaHelp(this, ArgomentoHelp);

    connect(hFine_, &QScrollBar::valueChanged, this, &Ripetizionenumeri::fineCambiata);
    connect(&sessione_, &Sessione::archivioRicaricato, this, &Ripetizionenumeri::archivioRicaricato);
    archivioRicaricato();
}

void Ripetizionenumeri::archivioRicaricato() { fineCambiata(seguiArchivio(hFine_, sessione_.archivio, dataFine_)); }

void Ripetizionenumeri::fineCambiata(int fine) {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    fine_ = fine;
    dataFine_ = archivio.contiene(fine) ? archivio.DateEstrazioni(fine) : std::string();
    labend_->setText(QString::fromStdString(testoFineAnalisi(archivio, fine)));
    rilevazione();
    combinazioni();
    // The number shown follows the new end draw.
    if (fg1_->griglia().righe() > 1) visualizza();
}

void Ripetizionenumeri::rilevazione() { ripetizioni_.Rilevazione(sessione_.archivio, fine_); }

void Ripetizionenumeri::combinazioni() {
    const int e = comboE_->currentIndex() + 1;
    const int r = comboR_->currentIndex() + Ripetizioni::MinimoRuote;
    riempiRipetizioni(fg2_->griglia(), ripetizioni_.Combinazioni(e, r));
    fg2_->aggiorna();
}

void Ripetizionenumeri::visualizza() {
    riempiUsciteNumero(fg1_->griglia(), ripetizioni_, comboN_->currentIndex() + 1);
    fg1_->aggiorna();
}

void Ripetizionenumeri::scegliPerIndice() {
    if (const auto indice = chiediIndice(this, sessione_.archivio)) hFine_->setValue(*indice);
}

void Ripetizionenumeri::scegliPerData() {
    if (const auto trovata = chiediData(this, sessione_.archivio)) hFine_->setValue(*trovata);
}

}  // namespace quorvane
