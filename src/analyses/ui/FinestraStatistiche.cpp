#include "analyses/ui/FinestraStatistiche.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "analyses/ui/CasellaEstrazione.h"
#include "analyses/ui/GraficoStatistiche.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 540;
constexpr std::array<int, NumColonneStatistiche> Larghezze = {78, 84, 74, 84, 96, 104, 104, 86, 70, 100, 100};

QString testoQt(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}
}  // namespace

FinestraStatistiche::FinestraStatistiche(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Statistiche"));
    setWindowTitle(QStringLiteral("Statistiche"));
    const ArchivioEstrazioni& archivio = sessione_.archivio;

    sceltaTipo_ = new QComboBox(this);
    sceltaTipo_->setObjectName(QStringLiteral("ComboTipo"));
    sceltaTipo_->addItems({QStringLiteral("Estratti"), QStringLiteral("Ambi")});
    auto* richiesta = new QHBoxLayout;
    richiesta->addWidget(new QLabel(QStringLiteral("Tipo"), this));
    richiesta->addWidget(sceltaTipo_);
    richiesta->addSpacing(12);
    richiesta->addWidget(new QLabel(QStringLiteral("Ruote"), this));
    const RichiestaStatistiche predefinita;
    for (int w = 1; w <= NumRuote; ++w) {
        const QString sigla = testoQt(SiglaRuota[static_cast<std::size_t>(w)]);
        auto* casella = new QCheckBox(sigla, this);
        casella->setObjectName(QStringLiteral("Chk_") + sigla);
        casella->setToolTip(testoQt(NomeRuota[static_cast<std::size_t>(w)]));
        casella->setChecked(predefinita.ruote[static_cast<std::size_t>(w - 1)]);
        ruote_[static_cast<std::size_t>(w - 1)] = casella;
        richiesta->addWidget(casella);
    }
    richiesta->addStretch(1);

    dal_ = new CasellaEstrazione(archivio, "SpinDal", this);
    al_ = new CasellaEstrazione(archivio, "SpinAl", this);
    dataDal_ = etichetta(this, "LblDal");
    dataAl_ = etichetta(this, "LblAl");
    for (QLabel* data : {dataDal_, dataAl_}) data->setMinimumWidth(80);
    auto* tutto = pulsante(this, "CmdTutto", QStringLiteral("Tutto l'archivio"));
    auto* calcolaP = pulsante(this, "CmdCalcola", QStringLiteral("CALCOLA"));
    connect(tutto, &QPushButton::clicked, this, [this] {
        dal_->setValue(dal_->minimum());
        al_->setValue(al_->maximum());
        calcola();
    });
    connect(calcolaP, &QPushButton::clicked, this, &FinestraStatistiche::calcola);
    connect(dal_, &QSpinBox::valueChanged, this, &FinestraStatistiche::mostraDate);
    connect(al_, &QSpinBox::valueChanged, this, &FinestraStatistiche::mostraDate);
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(new QLabel(QStringLiteral("Dall'estrazione"), this));
    periodo->addWidget(dal_);
    periodo->addWidget(dataDal_);
    periodo->addWidget(new QLabel(QStringLiteral("all'estrazione"), this));
    periodo->addWidget(al_);
    periodo->addWidget(dataAl_);
    periodo->addWidget(tutto);
    periodo->addStretch(1);
    periodo->addWidget(calcolaP);

    sceltaGrafico_ = new QComboBox(this);
    sceltaGrafico_->setObjectName(QStringLiteral("ComboGrafico"));
    for (ColonnaStatistiche figura : GraficoStatistiche::figure())
        sceltaGrafico_->addItem(testoQt(intestazioneStatistiche(figura)));
    connect(sceltaGrafico_, &QComboBox::currentIndexChanged, this, &FinestraStatistiche::mostraGrafico);
    auto* copia = pulsante(this, "CmdCopia", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "CmdStampa", QStringLiteral("Stampa"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(new QLabel(QStringLiteral("Grafico"), this));
    comandi->addWidget(sceltaGrafico_);
    comandi->addStretch(1);
    comandi->addWidget(copia);
    comandi->addWidget(stampa);

    tabella_ = new VistaGriglia("FgStatistiche", this);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->horizontalHeader()->setSortIndicatorShown(true);
    connect(tabella_->horizontalHeader(), &QHeaderView::sectionClicked, this, &FinestraStatistiche::ordinaPer);
    connect(copia, &QPushButton::clicked, tabella_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { tabella_->stampaConDialogo(QStringLiteral("Statistiche"), QPageLayout::Landscape); });
    grafico_ = new GraficoStatistiche(this);
    grafico_->setMinimumHeight(260);
    connect(grafico_, &GraficoStatistiche::elementoCliccato, this, &FinestraStatistiche::selezionaElemento);

    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(tabella_);
    divisore->addWidget(grafico_);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(richiesta);
    layout->addLayout(periodo);
    layout->addLayout(comandi);
    layout->addWidget(divisore, 1);
    resize(1060, 820);
    installaHelp(this, ArgomentoHelp);

    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraStatistiche::archivioRicaricato);
    dal_->setRange(1, std::max(1, archivio.NumEstrazioni()));
    al_->setRange(1, std::max(1, archivio.NumEstrazioni()));
    dal_->setValue(1);
    al_->setValue(archivio.NumEstrazioni());
    mostraDate();
    calcola();
}

void FinestraStatistiche::archivioRicaricato() {
    // A period that ended with the last draw keeps ending with it.
    const bool finoAllUltima = al_->value() == al_->maximum();
    const int ultima = std::max(1, sessione_.archivio.NumEstrazioni());
    dal_->setMaximum(ultima);
    al_->setMaximum(ultima);
    if (finoAllUltima) al_->setValue(ultima);
    mostraDate();
    calcola();
}

void FinestraStatistiche::mostraDate() {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    const auto data = [&archivio](int d) {
        return d >= 1 && d <= archivio.NumEstrazioni() ? QString::fromStdString(archivio.DateEstrazioni(d)) : QString();
    };
    dataDal_->setText(data(dal_->value()));
    dataAl_->setText(data(al_->value()));
}

void FinestraStatistiche::calcola() {
    RichiestaStatistiche richiesta;
    richiesta.tipo = sceltaTipo_->currentIndex() == 1 ? TipoStatistiche::Ambi : TipoStatistiche::Estratti;
    for (std::size_t w = 0; w < ruote_.size(); ++w) richiesta.ruote[w] = ruote_[w]->isChecked();
    richiesta.dal = dal_->value();
    richiesta.al = al_->value();
    const ErroreStatistiche errore = statistiche_.calcola(sessione_.archivio, richiesta);
    calcolate_ = errore == ErroreStatistiche::Nessuno;
    riempi();
    mostraGrafico();
    if (!calcolate_)
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, QStringLiteral("Statistiche"),
                                       QString::fromStdString(messaggioStatistiche(errore, sessione_.archivio)));
}

void FinestraStatistiche::riempi() {
    ordine_ = calcolate_ ? statistiche_.ordine(colonna_, discendente_) : std::vector<int>{};
    Griglia& g = tabella_->griglia();
    riempiStatistiche(g, statistiche_, sessione_.archivio, ordine_);
    for (int c = 0; c < NumColonneStatistiche; ++c)
        g.impostaLarghezzaColonna(c, Larghezze[static_cast<std::size_t>(c)]);
    tabella_->horizontalHeader()->setSortIndicator(static_cast<int>(colonna_),
                                                   discendente_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void FinestraStatistiche::mostraGrafico() {
    if (!calcolate_) return grafico_->svuota();
    grafico_->mostra(statistiche_,
                     GraficoStatistiche::figure()[static_cast<std::size_t>(sceltaGrafico_->currentIndex())]);
}

void FinestraStatistiche::ordinaPer(int colonna) {
    const auto scelta = static_cast<ColonnaStatistiche>(colonna);
    discendente_ = scelta == colonna_ ? !discendente_ : discendentePerPrimo(scelta);
    colonna_ = scelta;
    // The row the user was on stays selected wherever it goes.
    const int riga = tabella_->currentIndex().isValid()
                         ? tabella_->modello()->rigaGriglia(tabella_->currentIndex().row())
                         : 0;
    const int elemento = riga >= 1 && riga <= static_cast<int>(ordine_.size())
                             ? ordine_[static_cast<std::size_t>(riga - 1)]
                             : -1;
    riempi();
    if (elemento >= 0) selezionaElemento(elemento);
}

void FinestraStatistiche::selezionaElemento(int elemento) {
    const auto posto = std::find(ordine_.begin(), ordine_.end(), elemento);
    if (posto == ordine_.end()) return;
    tabella_->aggiornaCambi();  // the rows of a new order are in the view before one is selected
    const int riga = tabella_->modello()->rigaModello(static_cast<int>(posto - ordine_.begin()) + 1);
    tabella_->selectRow(riga);
    tabella_->scrollTo(tabella_->model()->index(riga, 0), QAbstractItemView::PositionAtCenter);
}

}  // namespace quorvane
