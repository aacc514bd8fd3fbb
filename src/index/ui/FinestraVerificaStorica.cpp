#include "index/ui/FinestraVerificaStorica.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"
#include "index/GiudizioVerifica.h"
#include "index/GrigliaStorico.h"
#include "index/ImprontaArchivio.h"

namespace quorvane {

namespace {

std::string separatore() {
    return QLocale().decimalPoint().toStdString();
}

// The options taken from the index window, on one line.
QString testoOpzioni(const AnalisiIndice& a) {
    QStringList ruote;
    for (int w = 1; w <= NumRuote; ++w)
        if (a.ruoteInGioco[w - 1]) ruote << QString::fromUtf8(SiglaRuota[w].data(), SiglaRuota[w].size());
    return QStringLiteral("Mensile %1 · Presenze %2 · Colpi %3 · Ruote %4 · QN %5 · %6 · Capogioco %7%8%9")
        .arg(a.Mensile == 0 ? QStringLiteral("U") : QString::number(a.Mensile))
        .arg(a.Presenze)
        .arg(a.NumeroColpi)
        .arg(ruote.isEmpty() ? QStringLiteral("nessuna") : ruote.join(QLatin1Char(' ')))
        .arg(a.QuantitaNumeri)
        .arg(a.SorteElaborazione == 3 ? QStringLiteral("Terno") : QStringLiteral("Ambata e Ambo"))
        .arg(a.Capogioco == 0 ? QStringLiteral("No") : QString::number(a.Capogioco))
        .arg(a.forzaUltima ? QStringLiteral(" · Forza ultima mensile") : QString())
        .arg(a.veloce ? QStringLiteral(" · Velocizza") : QString());
}

QDateTime momento(const Data& d) {
    return QDateTime(QDate(d.anno, d.mese, d.giorno), QTime(12, 0));
}

}  // namespace

FinestraVerificaStorica::FinestraVerificaStorica(Sessione& sessione, const AnalisiIndice& opzioni, QWidget* padre)
    : QWidget(padre, Qt::Window), sessione_(sessione), opzioni_(opzioni) {
    setObjectName(QStringLiteral("VerificaStorica"));
    setWindowTitle(QStringLiteral("Verifica storica"));

    auto* scelte = new QGroupBox(QStringLiteral("Metodo e periodo"), this);
    auto* ls = new QGridLayout(scelte);
    opzioniTesto_ = new QLabel(testoOpzioni(opzioni_), scelte);
    opzioniTesto_->setObjectName(QStringLiteral("LblOpzioni"));
    sceltaMetodo_ = new QComboBox(scelte);
    sceltaMetodo_->setObjectName(QStringLiteral("ComboMetodo"));
    sceltaMetodo_->addItems(
        {QStringLiteral("Modalità 2: la prima formazione"), QStringLiteral("Ciclo di copertura: tutte le previsioni")});
    casellaDal_ = new QSpinBox(scelte);
    casellaDal_->setObjectName(QStringLiteral("SpinDal"));
    casellaAl_ = new QSpinBox(scelte);
    casellaAl_->setObjectName(QStringLiteral("SpinAl"));
    dataDal_ = new QLabel(scelte);
    dataAl_ = new QLabel(scelte);
    pulsanteAvvia_ = pulsante(scelte, "CmdAvvia", QStringLiteral("Avvia verifica"));
    pulsanteAvvia_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    pulsanteAnnulla_ = pulsante(scelte, "CmdAnnulla", QStringLiteral("Annulla"));
    ls->addWidget(new QLabel(QStringLiteral("Opzioni dell'analisi:"), scelte), 0, 0);
    ls->addWidget(opzioniTesto_, 0, 1, 1, 7);
    ls->addWidget(new QLabel(QStringLiteral("Metodo:"), scelte), 1, 0);
    ls->addWidget(sceltaMetodo_, 1, 1, 1, 2);
    ls->addWidget(new QLabel(QStringLiteral("Dall'estrazione"), scelte), 2, 0);
    ls->addWidget(casellaDal_, 2, 1);
    ls->addWidget(dataDal_, 2, 2);
    ls->addWidget(new QLabel(QStringLiteral("all'estrazione"), scelte), 2, 3);
    ls->addWidget(casellaAl_, 2, 4);
    ls->addWidget(dataAl_, 2, 5);
    ls->addWidget(pulsanteAvvia_, 1, 4, 1, 2);
    ls->addWidget(pulsanteAnnulla_, 1, 6);
    ls->setColumnStretch(7, 1);

    avanzamento_ = new QProgressBar(this);
    avanzamento_->setObjectName(QStringLiteral("Avanzamento"));
    avanzamento_->setFormat(QStringLiteral("%v di %m punti"));
    avanzamento_->setValue(0);
    stato_ = new QLabel(this);
    stato_->setObjectName(QStringLiteral("LblStato"));

    tabellaStorico_ = new VistaGriglia("FgStorico", this);
    riempiTabellaStorico(tabellaStorico_->griglia(), {}, sessione_.archivio, separatore());
    tabellaStorico_->adattaColonne();
    auto* copia = pulsante(this, "CmdCopia", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "CmdStampa", QStringLiteral("Stampa grid"));
    auto* help = pulsante(this, "CmdHelp", QStringLiteral("Help in linea"));
    riepilogo_ = new QLabel(this);
    riepilogo_->setObjectName(QStringLiteral("LblRiepilogo"));
    riepilogo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    giudizio_ = new QLabel(this);
    giudizio_->setObjectName(QStringLiteral("LblGiudizio"));
    giudizio_->setWordWrap(true);
    giudizio_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grafico_ = new QChartView(this);
    grafico_->setObjectName(QStringLiteral("GraficoSaldo"));
    grafico_->setRenderHint(QPainter::Antialiasing);
    grafico_->setMinimumHeight(220);

    auto* tabella = new QWidget(this);
    auto* lt = new QVBoxLayout(tabella);
    lt->setContentsMargins(0, 0, 0, 0);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(copia);
    comandi->addWidget(stampa);
    comandi->addStretch(1);
    comandi->addWidget(help);
    lt->addWidget(tabellaStorico_, 1);
    lt->addLayout(comandi);
    auto* risultati = new QWidget(this);
    auto* lr = new QVBoxLayout(risultati);
    lr->setContentsMargins(0, 0, 0, 0);
    lr->addWidget(riepilogo_);
    lr->addWidget(giudizio_);
    lr->addWidget(grafico_, 1);
    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(tabella);
    divisore->addWidget(risultati);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scelte);
    auto* progresso = new QHBoxLayout;
    progresso->addWidget(avanzamento_, 1);
    progresso->addWidget(stato_, 2);
    layout->addLayout(progresso);
    layout->addWidget(divisore, 1);
    resize(1100, 860);
    installaHelp(this, ArgomentoHelp);

    connect(casellaDal_, &QSpinBox::valueChanged, this, [this] {
        mostraData(casellaDal_, dataDal_);
        mostraPunti();
    });
    connect(casellaAl_, &QSpinBox::valueChanged, this, [this] {
        mostraData(casellaAl_, dataAl_);
        mostraPunti();
    });
    connect(sceltaMetodo_, &QComboBox::currentIndexChanged, this, &FinestraVerificaStorica::mostraPunti);
    connect(pulsanteAvvia_, &QPushButton::clicked, this, &FinestraVerificaStorica::avvia);
    connect(pulsanteAnnulla_, &QPushButton::clicked, this, &FinestraVerificaStorica::annulla);
    connect(copia, &QPushButton::clicked, tabellaStorico_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { tabellaStorico_->stampaConDialogo(QStringLiteral("Verifica storica"), QPageLayout::Landscape); });
    connect(help, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraVerificaStorica::archivioCambiato);
    adattaPeriodo();
    const OpzioniStoriche periodo = periodoPredefinito({opzioni_}, sessione_.archivio);
    casellaDal_->setValue(periodo.dal);
    casellaAl_->setValue(periodo.al);
    mostraRisultati();
    aggiornaComandi();
}

FinestraVerificaStorica::~FinestraVerificaStorica() {
    annullata_ = true;
    if (lavoro_.joinable()) lavoro_.join();
}

void FinestraVerificaStorica::seguiOpzioni(const AnalisiIndice& opzioni) {
    opzioni_ = opzioni;
    opzioniTesto_->setText(testoOpzioni(opzioni_));
    mostraPunti();
    if (!esito_.giocate.empty() && !inCorso())
        stato_->setText(QStringLiteral("Opzioni cambiate: i risultati mostrati sono delle opzioni precedenti."));
}

OpzioniStoriche FinestraVerificaStorica::opzioniScelte() const {
    OpzioniStoriche o{opzioni_};
    o.metodo = sceltaMetodo_->currentIndex() == 1 ? MetodoStorico::Ciclo : MetodoStorico::Modalita2;
    o.dal = casellaDal_->value();
    o.al = casellaAl_->value();
    return o;
}

void FinestraVerificaStorica::adattaPeriodo() {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    for (QSpinBox* casella : {casellaDal_, casellaAl_}) {
        const QSignalBlocker blocco(casella);
        casella->setRange(archivio.NumEstrazioni() > 0 ? 1 : 0, archivio.NumEstrazioni());
    }
    mostraData(casellaDal_, dataDal_);
    mostraData(casellaAl_, dataAl_);
    mostraPunti();
}

void FinestraVerificaStorica::mostraPunti() {
    if (inCorso()) return;
    const auto punti = puntiStorici(opzioniScelte(), sessione_.archivio);
    avanzamento_->setRange(0, static_cast<int>(punti.size()));
    avanzamento_->setValue(0);
}

bool FinestraVerificaStorica::risultatiAncoraVeri() const {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    const int lette = std::min(eseguite_.al + eseguite_.analisi.NumeroColpi, archivio_->NumEstrazioni());
    if (lette > archivio.NumEstrazioni()) return false;
    return improntePrefissi(*archivio_)[lette] == improntePrefissi(archivio)[lette] &&
           static_cast<int>(puntiStorici(eseguite_, archivio).size()) == esito_.riepilogo.punti;
}

// A new archive: results that read only unchanged draws stay; others are made again on the
// new draws, and the window says so.
void FinestraVerificaStorica::archivioCambiato() {
    adattaPeriodo();
    if (inCorso()) {
        rifai_ = true;
        annulla();
        return;
    }
    if (esito_.giocate.empty() || risultatiAncoraVeri()) return;
    premessa_ = QStringLiteral("Archivio cambiato: verifica rifatta. ");
    avvia();
}

void FinestraVerificaStorica::mostraData(QSpinBox* casella, QLabel* data) {
    const int e = casella->value();
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    data->setText(e >= 1 && e <= archivio.NumEstrazioni() ? QString::fromStdString(archivio.DateEstrazioni(e))
                                                          : QString());
}

void FinestraVerificaStorica::avvia() {
    if (inCorso()) return;
    const OpzioniStoriche o = opzioniScelte();
    if (auto errore = erroreStorico(o, sessione_.archivio)) {
        premessa_.clear();
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, QStringLiteral("Verifica storica"),
                                       QString::fromStdString(*errore));
        return;
    }
    archivio_ = std::make_shared<const ArchivioEstrazioni>(sessione_.archivio);
    eseguite_ = o;
    esito_ = {};
    mostraRisultati();
    annullata_ = false;
    avanzamento_->setRange(0, static_cast<int>(puntiStorici(o, *archivio_).size()));
    avanzamento_->setValue(0);
    stato_->setText(premessa_ + QStringLiteral("Verifica in corso..."));
    lavoro_ = std::thread([this, o, archivio = archivio_] {
        EsitoStorico esito = VerificaStorica(o, *archivio, &annullata_, [this](int fatti, int) {
            QMetaObject::invokeMethod(
                avanzamento_, [barra = avanzamento_, fatti] { barra->setValue(fatti); }, Qt::QueuedConnection);
        });
        auto fatto = std::make_shared<EsitoStorico>(std::move(esito));
        QMetaObject::invokeMethod(
            this, [this, fatto] { concludi(std::move(*fatto)); }, Qt::QueuedConnection);
    });
    aggiornaComandi();
}

void FinestraVerificaStorica::annulla() {
    annullata_ = true;
}

void FinestraVerificaStorica::concludi(EsitoStorico esito) {
    if (lavoro_.joinable()) lavoro_.join();
    esito_ = std::move(esito);
    aggiornaComandi();
    if (std::exchange(rifai_, false)) {
        premessa_ = QStringLiteral("Archivio cambiato: verifica ripresa. ");
        avvia();
        return;
    }
    stato_->setText(premessa_ + (esito_.annullato ? QStringLiteral("Verifica annullata: nessun risultato.")
                                                  : QStringLiteral("Verifica completata: %1 punti, %2 giocate.")
                                                        .arg(esito_.riepilogo.punti)
                                                        .arg(esito_.riepilogo.giocate)));
    premessa_.clear();
    if (esito_.annullato) avanzamento_->setValue(0);
    mostraRisultati();
}

void FinestraVerificaStorica::mostraRisultati() {
    const ArchivioEstrazioni& archivio = archivio_ && !esito_.giocate.empty() ? *archivio_ : sessione_.archivio;
    riempiTabellaStorico(tabellaStorico_->griglia(), esito_.giocate, archivio, separatore());
    tabellaStorico_->adattaColonne();
    QString righe;
    if (!esito_.giocate.empty()) {
        const auto testi = testiRiepilogoStorico(esito_.riepilogo, separatore());
        righe = QStringLiteral("<table cellspacing=\"6\"><tr>");
        for (std::size_t i = 0; i < testi.size(); ++i) {
            if (i == 5) righe += QStringLiteral("</tr><tr>");
            righe += QStringLiteral("<td>%1:</td><td align=\"right\"><b>%2</b></td>")
                         .arg(QString::fromStdString(testi[i].first), QString::fromStdString(testi[i].second));
        }
        righe += QStringLiteral("</tr></table>");
    }
    riepilogo_->setText(righe);
    QString giudizio;
    if (!esito_.giocate.empty()) {
        const RiepilogoStorico& r = esito_.riepilogo;
        giudizio = QString::fromStdString(
            giudizioVerifica({r.vincite, r.attese, r.z(), std::nullopt, r.resa(), r.resaAttesa()}, separatore()));
    }
    giudizio_->setText(giudizio);
    mostraGrafico();
}

// The running balance of the method and the one chance would give, after each point.
void FinestraVerificaStorica::mostraGrafico() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Saldo progressivo (unità di posta)"));
    auto* metodo = new QLineSeries(chart);
    metodo->setName(QStringLiteral("Saldo del metodo"));
    auto* caso = new QLineSeries(chart);
    caso->setName(QStringLiteral("Saldo atteso dal caso"));
    // Without plays the chart stays empty: no axis to label with nothing.
    if (!esito_.giocate.empty()) {
        double saldo = 0, saldoCaso = 0;
        for (std::size_t i = 0; i < esito_.giocate.size(); ++i) {
            const GiocataStorica& g = esito_.giocate[i];
            saldo += g.vincita - g.puntata;
            saldoCaso += g.vincitaAttesa - g.puntata;
            if (i + 1 < esito_.giocate.size() && esito_.giocate[i + 1].punto == g.punto) continue;
            const auto x = static_cast<qreal>(momento(archivio_->DataEstrazione(g.punto)).toMSecsSinceEpoch());
            metodo->append(x, saldo);
            caso->append(x, saldoCaso);
        }
        chart->addSeries(metodo);
        chart->addSeries(caso);
        auto* asseX = new QDateTimeAxis(chart);
        asseX->setFormat(QStringLiteral("yyyy"));
        auto* asseY = new QValueAxis(chart);
        asseY->setLabelFormat(QStringLiteral("%.0f"));
        chart->addAxis(asseX, Qt::AlignBottom);
        chart->addAxis(asseY, Qt::AlignLeft);
        for (QLineSeries* s : {metodo, caso}) {
            s->attachAxis(asseX);
            s->attachAxis(asseY);
        }
        asseY->applyNiceNumbers();
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* vecchio = grafico_->chart();
    grafico_->setChart(chart);
    delete vecchio;
}

void FinestraVerificaStorica::aggiornaComandi() {
    pulsanteAvvia_->setEnabled(!inCorso());
    pulsanteAnnulla_->setEnabled(inCorso());
    sceltaMetodo_->setEnabled(!inCorso());
    casellaDal_->setEnabled(!inCorso());
    casellaAl_->setEnabled(!inCorso());
}

}  // namespace quorvane
