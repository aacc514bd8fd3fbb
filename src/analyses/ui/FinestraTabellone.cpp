#include "analyses/ui/FinestraTabellone.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "analyses/Statistiche.h"
#include "analyses/ui/SceltaPeriodo.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 560;
const QString Titolo = QStringLiteral("Tabellone analitico");
}  // namespace

FinestraTabellone::FinestraTabellone(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("TabelloneAnalitico"));
    setWindowTitle(Titolo);

    sceltaValore_ = new QComboBox(this);
    sceltaValore_->setObjectName(QStringLiteral("ComboValore"));
    sceltaValore_->addItems(
        {QStringLiteral("Ritardo attuale"), QStringLiteral("Presenze"), QStringLiteral("Ritardo massimo")});
    connect(sceltaValore_, &QComboBox::currentIndexChanged, this, &FinestraTabellone::riempi);
    periodo_ = new SceltaPeriodo(sessione_.archivio, this);
    connect(periodo_, &SceltaPeriodo::tuttoLArchivio, this, &FinestraTabellone::calcola);
    auto* calcolaP = pulsante(this, "CmdCalcola", QStringLiteral("CALCOLA"));
    connect(calcolaP, &QPushButton::clicked, this, &FinestraTabellone::calcola);
    auto* richiesta = new QHBoxLayout;
    richiesta->addWidget(etichettaPer(sceltaValore_, QStringLiteral("Valore")));
    richiesta->addWidget(sceltaValore_);
    richiesta->addSpacing(12);
    richiesta->addWidget(periodo_);
    richiesta->addStretch(1);
    richiesta->addWidget(calcolaP);

    auto* copia = pulsante(this, "CmdCopia", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "CmdStampa", QStringLiteral("Stampa"));
    auto* comandi = new QHBoxLayout;
    titoloLegenda_ = etichetta(this, "LblLegenda");
    comandi->addWidget(titoloLegenda_);
    for (std::size_t i = 0; i < legenda_.size(); ++i) {
        legenda_[i] = etichetta(this, ("LblFascia" + std::to_string(i + 1)).c_str());
        legenda_[i]->setMargin(3);
        comandi->addWidget(legenda_[i]);
    }
    comandi->addStretch(1);
    comandi->addWidget(copia);
    comandi->addWidget(stampa);
    auto* spiegazione = new QLabel(
        QStringLiteral("Colori per colonna: ogni ruota, NZ e TT divisi nei quarti dei propri 90 valori (la legenda "
                       "mostra la colonna della casella scelta). Un clic su una casella apre le statistiche del "
                       "numero."),
        this);
    spiegazione->setWordWrap(true);

    tabella_ = new VistaGriglia("FgTabellone", this);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(tabella_, &VistaGriglia::clic, this, &FinestraTabellone::cellaCliccata);
    connect(tabella_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& corrente) { mostraLegenda(corrente.column()); });
    connect(copia, &QPushButton::clicked, tabella_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this, [this] { tabella_->stampaConDialogo(Titolo); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(richiesta);
    layout->addLayout(comandi);
    layout->addWidget(spiegazione);
    layout->addWidget(tabella_, 1);
    resize(1000, 860);
    installaHelp(this, ArgomentoHelp);
    invioPremePulsante(this, calcolaP);

    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraTabellone::archivioRicaricato);
    calcola();
}

void FinestraTabellone::archivioRicaricato() {
    periodo_->seguiArchivio();
    calcola();
}

void FinestraTabellone::calcola() {
    const ErroreStatistiche errore = tabellone_.calcola(sessione_.archivio, periodo_->dal(), periodo_->al());
    calcolato_ = errore == ErroreStatistiche::Nessuno;
    riempi();
    if (!calcolato_)
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, Titolo,
                                       QString::fromStdString(messaggioStatistiche(errore, sessione_.archivio)));
}

void FinestraTabellone::riempi() {
    Griglia& g = tabella_->griglia();
    const auto quale = static_cast<ValoreTabellone>(sceltaValore_->currentIndex());
    if (!calcolato_) {
        g.impostaRighe(1);
        titoloLegenda_->clear();
        for (QLabel* l : legenda_) l->clear();
        return;
    }
    riempiTabellone(g, tabellone_, quale);
    for (int c = 0; c < g.colonne(); ++c) g.impostaLarghezzaColonna(c, c == 0 ? 64 : 62);
    mostraLegenda(colonnaLegenda_);
}

void FinestraTabellone::mostraLegenda(int colonna) {
    if (colonna < 1 || colonna > NumColonneTabellone) return;
    colonnaLegenda_ = colonna;
    const Griglia& g = tabella_->griglia();
    if (!calcolato_ || g.righe() == 0) return;
    const auto fasce = fasceTabellone(tabellone_, static_cast<ValoreTabellone>(sceltaValore_->currentIndex()),
                                      colonna - 1);
    const QString nome = QString::fromStdString(g.testo(0, colonna));
    titoloLegenda_->setText(tabellone_.colonnaPresente(colonna - 1)
                                ? QStringLiteral("Legenda di %1:").arg(nome)
                                : QStringLiteral("%1: nessuna estrazione nel periodo").arg(nome));
    for (std::size_t i = 0; i < fasce.size(); ++i) {
        const FasciaTabellone& f = fasce[i];
        legenda_[i]->setVisible(f.a >= f.da);
        legenda_[i]->setText(f.a > f.da ? QStringLiteral("%1 – %2").arg(f.da).arg(f.a) : QString::number(f.da));
        sfondoEtichetta(legenda_[i], f.sfondo);
    }
}

void FinestraTabellone::cellaCliccata(int riga, int colonna) {
    if (!calcolato_ || riga < 1 || riga > NumeroMassimo || colonna < 1 || colonna > NumColonneTabellone) return;
    if (!tabellone_.colonnaPresente(colonna - 1)) return;
    std::array<bool, NumRuote> ruote{};
    if (colonna - 1 == ColonnaTutteRegionali) ruote = RichiestaStatistiche{}.ruote;
    else ruote[static_cast<std::size_t>(colonna - 1)] = true;
    emit statisticheNumero(riga, ruote, tabellone_.dal(), tabellone_.al());
}

}  // namespace quorvane
