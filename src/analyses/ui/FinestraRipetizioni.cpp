#include "analyses/ui/FinestraRipetizioni.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/SceltaEstrazione.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
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

FinestraRipetizioni::FinestraRipetizioni(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Ripetizionenumeri"));
    setWindowTitle(QStringLiteral("Ripetizione numeri"));
    barraFine_ = barraEstrazioni(this, "hFine");
    etichettaFine_ = etichetta(this, "labend");
    etichettaFine_->setMinimumWidth(150);
    etichettaFine_->setFrameShape(QFrame::Panel);
    etichettaFine_->setFrameShadow(QFrame::Sunken);
    etichettaFine_->setAlignment(Qt::AlignCenter);
    auto* ultimaP = pulsante(this, "Command22", QStringLiteral("Ultima"));
    auto* indiceP = pulsante(this, "Command23", QStringLiteral("Seleziona per numero indice"));
    auto* dataP = pulsante(this, "Command24", QStringLiteral("Seleziona per data"));
    connect(ultimaP, &QPushButton::clicked, this,
            [this] { barraFine_->setValue(ultimaEstrazione(sessione_.archivio)); });
    connect(indiceP, &QPushButton::clicked, this, &FinestraRipetizioni::scegliPerIndice);
    connect(dataP, &QPushButton::clicked, this, &FinestraRipetizioni::scegliPerData);

    sceltaEstrazioni_ = elenco(this, "ComboE", 1, Ripetizioni::EstrazioniRilevate, 2);
    sceltaRuote_ = elenco(this, "ComboR", Ripetizioni::MinimoRuote, Ripetizioni::MassimoRuote, 3);
    sceltaNumero_ = elenco(this, "ComboN", 1, 90, 1);
    auto* rilevazioneP = pulsante(this, "Command2", QStringLiteral("RILEVAZIONE"));
    auto* combinazioniP = pulsante(this, "Command3", QStringLiteral("COMBINAZIONI"));
    auto* visualizzaP = pulsante(this, "Command1", QStringLiteral("Visualizza numero selezionato"));
    rilevazioneP->setToolTip(QStringLiteral("Rileva le uscite fino all'estrazione finale e mostra le ripetizioni"));
    connect(rilevazioneP, &QPushButton::clicked, this, [this] {
        rilevazione();
        combinazioni();
    });
    connect(combinazioniP, &QPushButton::clicked, this, &FinestraRipetizioni::combinazioni);
    connect(visualizzaP, &QPushButton::clicked, this, &FinestraRipetizioni::visualizza);

    tabellaRipetizioni_ = new VistaGriglia("Fg2", this);
    riempiRipetizioni(tabellaRipetizioni_->griglia(), {});
    tabellaRipetizioni_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabellaRipetizioni_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every column, also those the first refresh brings.
    tabellaRipetizioni_->horizontalHeader()->setDefaultSectionSize(38);
    tabellaRipetizioni_->setMinimumWidth(7 * 38 + 30);
    connect(tabellaRipetizioni_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        if (riga < 1) return;
        sceltaNumero_->setCurrentIndex(static_cast<int>(tabellaRipetizioni_->griglia().valore(riga, 0)) - 1);
        visualizza();
    });
    etichettaEsito_ = etichetta(this, "LblEsito");
    etichettaEsito_->setWordWrap(true);
    tabellaUscite_ = new VistaGriglia("fg1", this);
    tabellaUscite_->setSelectionMode(QAbstractItemView::NoSelection);
    riempiUsciteNumero(tabellaUscite_->griglia(), ripetizioni_, 0);
    tabellaUscite_->griglia().impostaRighe(1);
    tabellaUscite_->adattaColonne(0, 2);
    for (int c = 3; c < 14; ++c) tabellaUscite_->setColumnWidth(c, 36);

    auto* fine = new QHBoxLayout;
    fine->addWidget(new QLabel(QStringLiteral("Estrazione finale"), this));
    fine->addWidget(barraFine_, 1);
    fine->addWidget(etichettaFine_);
    auto* scelte = new QHBoxLayout;
    scelte->addWidget(ultimaP);
    scelte->addWidget(indiceP);
    scelte->addWidget(dataP);
    scelte->addStretch(1);

    auto* opzioni = new QGridLayout;
    opzioni->addWidget(new QLabel(QStringLiteral("Ultime estrazioni"), this), 0, 0);
    opzioni->addWidget(sceltaEstrazioni_, 0, 1);
    opzioni->addWidget(new QLabel(QStringLiteral("Ruote per gruppo"), this), 1, 0);
    opzioni->addWidget(sceltaRuote_, 1, 1);
    opzioni->addWidget(rilevazioneP, 2, 0, 1, 2);
    opzioni->addWidget(combinazioniP, 3, 0, 1, 2);
    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(opzioni);
    sinistra->addWidget(tabellaRipetizioni_, 1);
    sinistra->addWidget(etichettaEsito_);

    auto* numero = new QHBoxLayout;
    numero->addWidget(new QLabel(QStringLiteral("Numero"), this));
    numero->addWidget(sceltaNumero_);
    numero->addWidget(visualizzaP);
    numero->addStretch(1);
    auto* destra = new QVBoxLayout;
    destra->addLayout(numero);
    destra->addWidget(tabellaUscite_, 1);

    auto* centro = new QHBoxLayout;
    centro->addLayout(sinistra);
    centro->addLayout(destra, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fine);
    layout->addLayout(scelte);
    layout->addLayout(centro, 1);
    resize(960, 520);
    installaHelp(this, ArgomentoHelp);

    connect(barraFine_, &QScrollBar::valueChanged, this, &FinestraRipetizioni::fineCambiata);
    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraRipetizioni::archivioRicaricato);
    archivioRicaricato();
}

void FinestraRipetizioni::archivioRicaricato() {
    const std::string primaFine = dataFine_;
    const Ripetizioni prima = ripetizioni_;
    fineCambiata(seguiArchivio(barraFine_, sessione_.archivio, dataFine_));
    // Unchanged draws give the same detection: then there is nothing to tell.
    if (primaFine.empty() || (primaFine == dataFine_ && prima == ripetizioni_)) return;
    const QString nota =
        primaFine == dataFine_
            ? QStringLiteral("Archivio cambiato: rilevazione rifatta al %1.").arg(QString::fromStdString(dataFine_))
            : QStringLiteral("Archivio cambiato: l'estrazione finale del %1 non c'è più, rilevazione rifatta al %2.")
                  .arg(QString::fromStdString(primaFine), QString::fromStdString(dataFine_));
    etichettaEsito_->setText(nota + QLatin1Char(' ') + etichettaEsito_->text());
}

void FinestraRipetizioni::fineCambiata(int fine) {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    fine_ = fine;
    dataFine_ = archivio.contiene(fine) ? archivio.DateEstrazioni(fine) : std::string();
    etichettaFine_->setText(QString::fromStdString(testoFineAnalisi(archivio, fine)));
    rilevazione();
    combinazioni();
    // The number shown follows the new end draw.
    if (tabellaUscite_->griglia().righe() > 1) visualizza();
}

void FinestraRipetizioni::rilevazione() {
    ripetizioni_.Rilevazione(sessione_.archivio, fine_);
}

void FinestraRipetizioni::combinazioni() {
    const int e = sceltaEstrazioni_->currentIndex() + 1;
    const int r = sceltaRuote_->currentIndex() + Ripetizioni::MinimoRuote;
    const auto elenco = ripetizioni_.Combinazioni(e, r);
    riempiRipetizioni(tabellaRipetizioni_->griglia(), elenco);
    etichettaEsito_->setText(
        !elenco.empty() ? QStringLiteral("Ripetizioni trovate: %1.").arg(elenco.size())
        : e == 1
            ? QStringLiteral("Nessun numero uscito su %1 ruote nell'ultima estrazione.").arg(r)
            : QStringLiteral("Nessun numero uscito su %1 ruote in ciascuna delle ultime %2 estrazioni.").arg(r).arg(e));
}

void FinestraRipetizioni::visualizza() {
    riempiUsciteNumero(tabellaUscite_->griglia(), ripetizioni_, sceltaNumero_->currentIndex() + 1);
}

void FinestraRipetizioni::scegliPerIndice() {
    if (const auto indice = chiediIndice(this, sessione_.archivio)) barraFine_->setValue(*indice);
}

void FinestraRipetizioni::scegliPerData() {
    if (const auto trovata = chiediData(this, sessione_.archivio)) barraFine_->setValue(*trovata);
}

}  // namespace quorvane
