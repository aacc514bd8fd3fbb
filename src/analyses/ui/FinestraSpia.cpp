#include "analyses/ui/FinestraSpia.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "analyses/ui/GraficoStatistiche.h"
#include "analyses/ui/SceltaPeriodo.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 550;
const QString Titolo = QStringLiteral("Numeri spia");

QString testoQt(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}
}  // namespace

FinestraSpia::FinestraSpia(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("NumeriSpia"));
    setWindowTitle(Titolo);

    sceltaNumero_ = new QSpinBox(this);
    sceltaNumero_->setObjectName(QStringLiteral("SpinNumero"));
    sceltaNumero_->setRange(1, NumeroMassimo);
    sceltaNumero_->setValue(NumeroMassimo);
    sceltaNumero_->setMinimumWidth(64);
    sceltaRuota_ = new QComboBox(this);
    sceltaRuota_->setObjectName(QStringLiteral("ComboRuota"));
    for (int w = 1; w <= NumRuote; ++w) sceltaRuota_->addItem(testoQt(NomeRuota[static_cast<std::size_t>(w)]));
    sceltaPosizione_ = new QComboBox(this);
    sceltaPosizione_->setObjectName(QStringLiteral("ComboPosizione"));
    sceltaPosizione_->addItem(QStringLiteral("qualsiasi"));
    for (int p = 1; p <= NumPosizioni; ++p) sceltaPosizione_->addItem(QStringLiteral("%1°").arg(p));
    sceltaColpi_ = new QSpinBox(this);
    sceltaColpi_->setObjectName(QStringLiteral("SpinColpi"));
    sceltaColpi_->setRange(1, ColpiSpiaMassimi);
    sceltaColpi_->setValue(RichiestaSpia{}.colpi);
    auto* richiesta = new QHBoxLayout;
    richiesta->addWidget(new QLabel(QStringLiteral("Numero spia"), this));
    richiesta->addWidget(sceltaNumero_);
    richiesta->addWidget(new QLabel(QStringLiteral("sulla ruota di"), this));
    richiesta->addWidget(sceltaRuota_);
    richiesta->addWidget(new QLabel(QStringLiteral("in posizione"), this));
    richiesta->addWidget(sceltaPosizione_);
    richiesta->addWidget(new QLabel(QStringLiteral("Colpi"), this));
    richiesta->addWidget(sceltaColpi_);
    richiesta->addStretch(1);

    auto* bersaglio = new QHBoxLayout;
    auto* spiegazione = new QLabel(QStringLiteral("Ruote dei numeri seguenti"), this);
    spiegazione->setToolTip(QStringLiteral("Nessuna ruota scelta: la ruota del numero spia"));
    bersaglio->addWidget(spiegazione);
    for (int w = 1; w <= NumRuote; ++w) {
        const QString sigla = testoQt(SiglaRuota[static_cast<std::size_t>(w)]);
        auto* casella = new QCheckBox(sigla, this);
        casella->setObjectName(QStringLiteral("ChkBersaglio_") + sigla);
        casella->setToolTip(testoQt(NomeRuota[static_cast<std::size_t>(w)]));
        bersaglio_[static_cast<std::size_t>(w - 1)] = casella;
        bersaglio->addWidget(casella);
    }
    bersaglio->addStretch(1);

    periodo_ = new SceltaPeriodo(sessione_.archivio, this);
    connect(periodo_, &SceltaPeriodo::tuttoLArchivio, this, &FinestraSpia::calcola);
    auto* calcolaP = pulsante(this, "CmdCalcola", QStringLiteral("CALCOLA"));
    connect(calcolaP, &QPushButton::clicked, this, &FinestraSpia::calcola);
    auto* copia = pulsante(this, "CmdCopia", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "CmdStampa", QStringLiteral("Stampa"));
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(periodo_);
    periodo->addStretch(1);
    periodo->addWidget(calcolaP);
    periodo->addWidget(copia);
    periodo->addWidget(stampa);

    tabella_ = new VistaGriglia("FgSpia", this);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(copia, &QPushButton::clicked, tabella_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this, [this] { tabella_->stampaConDialogo(Titolo); });
    verdetto_ = etichetta(this, "LblVerdetto");
    verdetto_->setWordWrap(true);
    grafico_ = new QChartView(this);
    grafico_->setObjectName(QStringLiteral("GraficoSpia"));
    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumHeight(240);

    auto* sopra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sopra);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(tabella_, 1);
    colonna->addWidget(verdetto_);
    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(sopra);
    divisore->addWidget(grafico_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(richiesta);
    layout->addLayout(bersaglio);
    layout->addLayout(periodo);
    layout->addWidget(divisore, 1);
    resize(1000, 820);
    installaHelp(this, ArgomentoHelp);

    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraSpia::archivioRicaricato);
    calcola();
}

void FinestraSpia::archivioRicaricato() {
    periodo_->seguiArchivio();
    calcola();
}

void FinestraSpia::calcola() {
    RichiestaSpia richiesta;
    richiesta.numero = sceltaNumero_->value();
    richiesta.ruota = sceltaRuota_->currentIndex() + 1;
    richiesta.posizione = sceltaPosizione_->currentIndex();
    richiesta.colpi = sceltaColpi_->value();
    for (std::size_t w = 0; w < bersaglio_.size(); ++w) richiesta.bersaglio[w] = bersaglio_[w]->isChecked();
    richiesta.dal = periodo_->dal();
    richiesta.al = periodo_->al();
    const ErroreStatistiche errore = spia_.calcola(sessione_.archivio, richiesta);
    calcolata_ = errore == ErroreStatistiche::Nessuno;
    Griglia& g = tabella_->griglia();
    riempiNumeriSpia(g, spia_, calcolata_ ? spia_.ordine() : std::vector<int>{});
    for (int c = 0; c < NumColonneSpia; ++c) g.impostaLarghezzaColonna(c, c == 0 ? 70 : 110);
    verdetto_->setText(calcolata_ ? QString::fromStdString(spia_.fraseVerdetto()) : QString());
    mostraGrafico();
    if (!calcolata_)
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, Titolo,
                                       QString::fromStdString(messaggioStatistiche(errore, sessione_.archivio)));
}

void FinestraSpia::mostraGrafico() {
    auto* grafico = new QChart;
    grafico->setLocalizeNumbers(true);
    grafico->legend()->setAlignment(Qt::AlignTop);
    if (calcolata_) {
        grafico->setTitle(QStringLiteral("Casi dei 90 numeri su %1 finestre").arg(spia_.occorrenze().size()));
        auto* barre = new QBarSet(QStringLiteral("Casi"));
        QStringList categorie;
        int minimo = spia_.figura(1).casi, massimo = minimo;
        for (int n = 1; n <= NumeroMassimo; ++n) {
            const int casi = spia_.figura(n).casi;
            *barre << casi;
            minimo = std::min(minimo, casi);
            massimo = std::max(massimo, casi);
            categorie << QString::number(n);
        }
        auto* serie = new QBarSeries;
        serie->append(barre);
        serie->setBarWidth(0.8);
        grafico->addSeries(serie);
        const double attesi = spia_.casiAttesi();
        auto* linea = new QLineSeries;
        linea->setName(QStringLiteral("Caso: %L1").arg(attesi, 0, 'f', 2));
        linea->append(-0.5, attesi);
        linea->append(NumeroMassimo - 0.5, attesi);
        QPen penna(Qt::red);
        penna.setWidth(2);
        linea->setPen(penna);
        grafico->addSeries(linea);
        QCategoryAxis* asseX = GraficoStatistiche::asseElementi(categorie);
        // Near the data, as the statistics chart, so that a number apart from chance shows.
        const double basso = std::min<double>(minimo, attesi), alto = std::max<double>(massimo, attesi);
        const double margine = std::max(1.0, (alto - basso) * 0.1);
        auto* asseY = new QValueAxis;
        asseY->setRange(std::max(0.0, basso - margine), alto + margine);
        asseY->applyNiceNumbers();
        asseY->setLabelFormat(QStringLiteral("%.0f"));
        grafico->addAxis(asseX, Qt::AlignBottom);
        grafico->addAxis(asseY, Qt::AlignLeft);
        for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(serie), static_cast<QAbstractSeries*>(linea)}) {
            s->attachAxis(asseX);
            s->attachAxis(asseY);
        }
    }
    QChart* vecchio = grafico_->chart();
    grafico_->setChart(grafico);
    delete vecchio;
}

}  // namespace quorvane
