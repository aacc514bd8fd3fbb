#include "analyses/ui/FinestraSpia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include "analyses/ui/SceltaPeriodo.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Grafico.h"
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
    richiesta->addWidget(etichettaPer(sceltaNumero_, QStringLiteral("Numero spia")));
    richiesta->addWidget(sceltaNumero_);
    richiesta->addWidget(etichettaPer(sceltaRuota_, QStringLiteral("sulla ruota di")));
    richiesta->addWidget(sceltaRuota_);
    richiesta->addWidget(etichettaPer(sceltaPosizione_, QStringLiteral("in posizione")));
    richiesta->addWidget(sceltaPosizione_);
    richiesta->addWidget(etichettaPer(sceltaColpi_, QStringLiteral("Colpi")));
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
    sceltaGrafico_ = new QComboBox(this);
    sceltaGrafico_->setObjectName(QStringLiteral("ComboGrafico"));
    sceltaGrafico_->addItems({QStringLiteral("Casi"), QStringLiteral("Scarto dal caso")});
    connect(sceltaGrafico_, &QComboBox::currentIndexChanged, this, &FinestraSpia::mostraGrafico);
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(periodo_);
    periodo->addStretch(1);
    periodo->addWidget(etichettaPer(sceltaGrafico_, QStringLiteral("Grafico")));
    periodo->addWidget(sceltaGrafico_);
    periodo->addWidget(calcolaP);
    periodo->addWidget(copia);
    periodo->addWidget(stampa);

    tabella_ = new VistaGriglia("FgSpia", this);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(copia, &QPushButton::clicked, tabella_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this, [this] { tabella_->stampaConDialogo(titoloStampa()); });
    verdetto_ = etichetta(this, "LblVerdetto");
    verdetto_->setWordWrap(true);
    grafico_ = new Grafico(this);
    grafico_->setObjectName(QStringLiteral("GraficoSpia"));
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
    invioPremePulsante(this, calcolaP);

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

QString FinestraSpia::titoloStampa() const {
    return calcolata_ ? Titolo + QStringLiteral(" – ") + QString::fromStdString(spia_.fraseRichiesta()) : Titolo;
}

void FinestraSpia::mostraGrafico() {
    if (!calcolata_) return grafico_->svuota();
    const bool scarto = sceltaGrafico_->currentIndex() == 1;
    const QString titolo = QStringLiteral("%1: %2 dei 90 numeri su %3 finestre")
                               .arg(QString::fromStdString(spia_.fraseRichiesta()),
                                    scarto ? QStringLiteral("scarto dal caso") : QStringLiteral("casi"),
                                    QString::number(spia_.occorrenze().size()));
    std::vector<QString> numeri;
    std::vector<double> valori;
    for (int n = 1; n <= NumeroMassimo; ++n) {
        numeri.push_back(QString::number(n));
        valori.push_back(scarto ? spia_.scartoDalCaso(n) : spia_.figura(n).casi);
    }
    if (scarto)
        return grafico_->mostra(datiScarto(titolo + QStringLiteral(" (casi meno attesi, in deviazioni standard)"),
                                           std::move(numeri), std::move(valori)));
    DatiGrafico dati;
    dati.titolo = titolo;
    dati.elementi = std::move(numeri);
    SerieGrafico casi;
    casi.nome = QStringLiteral("Casi");
    casi.y = std::move(valori);
    dati.serie.push_back(std::move(casi));
    dati.caso = CasoGrafico{spia_.casiAttesi(), spia_.sigmaCasi(), 0.0};
    grafico_->mostra(std::move(dati));
}

}  // namespace quorvane
