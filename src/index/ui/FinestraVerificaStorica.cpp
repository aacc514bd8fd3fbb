#include "index/ui/FinestraVerificaStorica.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>

#include "core/LetturaNumeri.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Grafico.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"
#include "index/GiudizioVerifica.h"
#include "index/GrigliaStorico.h"
#include "index/ImprontaArchivio.h"
#include "index/ui/PaginaMetodoProprio.h"

namespace quorvane {

namespace {

std::string separatore() {
    return QLocale().decimalPoint().toStdString();
}

QString sigla(int ruota) {
    return QString::fromUtf8(SiglaRuota[ruota].data(), SiglaRuota[ruota].size());
}

// The options taken from the index window that the strategy reads, on one line: all of them for
// the method, the colpi and the wheels (and the wheel read) for the others.
QString testoOpzioni(const AnalisiIndice& a, Strategia strategia, int ruotaLetta) {
    QStringList ruote;
    for (int w = 1; w <= NumRuote; ++w)
        if (a.ruoteInGioco[w - 1]) ruote << sigla(w);
    const QString colpiERuote = QStringLiteral("Colpi %1 · Ruote %2")
                                    .arg(a.NumeroColpi)
                                    .arg(ruote.isEmpty() ? QStringLiteral("nessuna") : ruote.join(QLatin1Char(' ')));
    if (strategia == Strategia::Fissi || strategia == Strategia::Metodo) return colpiERuote;
    if (strategia != Strategia::Indice) return colpiERuote + QStringLiteral(" · ruota letta ") + sigla(ruotaLetta);
    return QStringLiteral("Mensile %1 · Presenze %2 · %3 · QN %4 · %5 · Capogioco %6%7%8")
        .arg(a.Mensile == 0 ? QStringLiteral("U") : QString::number(a.Mensile))
        .arg(a.Presenze)
        .arg(colpiERuote)
        .arg(a.QuantitaNumeri)
        .arg(a.SorteElaborazione == 3 ? QStringLiteral("Terno") : QStringLiteral("Ambata e Ambo"))
        .arg(a.Capogioco == 0 ? QStringLiteral("No") : QString::number(a.Capogioco))
        .arg(a.forzaUltima ? QStringLiteral(" · Forza ultima mensile") : QString())
        .arg(a.veloce ? QStringLiteral(" · Velocizza") : QString());
}

// The strategies in the order of the choice box.
constexpr Strategia Strategie[] = {Strategia::Indice,    Strategia::Ritardatario, Strategia::AmboRitardatario,
                                   Strategia::Frequenti, Strategia::Fissi,        Strategia::Metodo};

// The first wheel in play: the one a strategy reads (Bari when none).
int primaRuota(const AnalisiIndice& a) {
    for (int w = 1; w <= NumRuote; ++w)
        if (a.ruoteInGioco[w - 1]) return w;
    return 1;
}

// A draw's date as a year with its fraction, the abscissa of the balance chart.
double anno(const Data& d) {
    const QDate giorno(d.anno, d.mese, d.giorno);
    return d.anno + (giorno.dayOfYear() - 1.0) / giorno.daysInYear();
}

}  // namespace

FinestraVerificaStorica::FinestraVerificaStorica(Sessione& sessione, const AnalisiIndice& opzioni, QWidget* padre)
    : QWidget(padre, Qt::Window), sessione_(sessione), opzioni_(opzioni) {
    setObjectName(QStringLiteral("VerificaStorica"));
    setWindowTitle(QStringLiteral("Verifica storica"));

    auto* scelte = new QGroupBox(QStringLiteral("Strategia, periodo e confronto"), this);
    auto* ls = new QGridLayout(scelte);
    opzioniTesto_ = new QLabel(scelte);
    opzioniTesto_->setObjectName(QStringLiteral("LblOpzioni"));
    sceltaStrategia_ = new QComboBox(scelte);
    sceltaStrategia_->setObjectName(QStringLiteral("ComboStrategia"));
    sceltaStrategia_->addItems({QStringLiteral("Metodo degli indici"), QStringLiteral("Numero ritardatario"),
                                QStringLiteral("Ambo ritardatario"), QStringLiteral("Numeri più frequenti"),
                                QStringLiteral("Numeri fissi"), QStringLiteral("Metodo proprio")});
    sceltaStrategia_->setToolTip(
        QStringLiteral("Le strategie diverse dal metodo leggono la prima ruota in gioco e giocano per i colpi "
                       "dell'analisi sulle ruote in gioco"));
    casellaQuanti_ = new QSpinBox(scelte);
    casellaQuanti_->setObjectName(QStringLiteral("SpinQuanti"));
    casellaQuanti_->setRange(1, Previsione::MaxNumeri);
    casellaQuanti_->setValue(2);
    casellaFinestra_ = new QSpinBox(scelte);
    casellaFinestra_->setObjectName(QStringLiteral("SpinFinestra"));
    casellaFinestra_->setRange(1, OpzioniStoriche::FinestraMassima);
    casellaFinestra_->setValue(100);
    numeriFissi_ = new QLineEdit(scelte);
    numeriFissi_->setObjectName(QStringLiteral("TxtNumeri"));
    numeriFissi_->setPlaceholderText(QStringLiteral("es. 1, 2"));
    numeriFissi_->setMinimumWidth(120);
    sceltaSorte_ = new QComboBox(scelte);
    sceltaSorte_->setObjectName(QStringLiteral("ComboSorte"));
    sceltaSorte_->addItems({QStringLiteral("Secondo i numeri"), QStringLiteral("Estratto"), QStringLiteral("Ambo"),
                            QStringLiteral("Terno"), QStringLiteral("Quaterna"), QStringLiteral("Cinquina")});
    opzioniConfronto_ = new QLineEdit(scelte);
    opzioniConfronto_->setObjectName(QStringLiteral("TxtConfronto"));
    opzioniConfronto_->setPlaceholderText(
        QStringLiteral("vuoto: nessun confronto; es. presenze = 50,100,150; qn = 2,3"));
    opzioniConfronto_->setToolTip(
        QStringLiteral("Opzioni da confrontare: presenze, mensile, qn, capogioco, colpi per il metodo; quanti, "
                       "finestra, colpi per i più frequenti; colpi per le altre"));
    casellaProvaDal_ = new QSpinBox(scelte);
    casellaProvaDal_->setObjectName(QStringLiteral("SpinProvaDal"));
    dataProvaDal_ = new QLabel(scelte);
    casellaSimula_ = new QSpinBox(scelte);
    casellaSimula_->setObjectName(QStringLiteral("SpinSimula"));
    casellaSimula_->setRange(0, SimulazioneConfronto::Massime);
    casellaSimula_->setSpecialValueText(QStringLiteral("nessuno"));
    casellaSimula_->setToolTip(
        QStringLiteral("Con un confronto: la stessa ricerca ripetuta su altrettanti archivi estratti a caso sul "
                       "calendario vero, per sapere quanto spesso il solo caso trova un migliore così buono"));
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
    ls->addWidget(etichettaPer(sceltaStrategia_, QStringLiteral("Strategia:")), 1, 0);
    ls->addWidget(sceltaStrategia_, 1, 1, 1, 2);
    ls->addWidget(etichettaPer(sceltaMetodo_, QStringLiteral("Metodo:")), 1, 3);
    ls->addWidget(sceltaMetodo_, 1, 4, 1, 2);
    dataProvaDal_->setMinimumWidth(90);
    ls->addWidget(pulsanteAvvia_, 1, 6);
    ls->addWidget(pulsanteAnnulla_, 1, 7);
    ls->addWidget(etichettaPer(casellaQuanti_, QStringLiteral("Quanti numeri")), 2, 0);
    ls->addWidget(casellaQuanti_, 2, 1);
    ls->addWidget(etichettaPer(casellaFinestra_, QStringLiteral("nelle ultime")), 2, 2);
    ls->addWidget(casellaFinestra_, 2, 3);
    ls->addWidget(etichettaPer(numeriFissi_, QStringLiteral("Numeri fissi")), 2, 4);
    ls->addWidget(numeriFissi_, 2, 5);
    ls->addWidget(etichettaPer(sceltaSorte_, QStringLiteral("Sorte")), 2, 6);
    ls->addWidget(sceltaSorte_, 2, 7);
    ls->addWidget(etichettaPer(casellaDal_, QStringLiteral("Dall'estrazione")), 3, 0);
    ls->addWidget(casellaDal_, 3, 1);
    ls->addWidget(dataDal_, 3, 2);
    ls->addWidget(etichettaPer(casellaAl_, QStringLiteral("all'estrazione")), 3, 3);
    ls->addWidget(casellaAl_, 3, 4);
    ls->addWidget(dataAl_, 3, 5);
    auto* rigaConfronto = new QHBoxLayout;
    rigaConfronto->addWidget(etichettaPer(opzioniConfronto_, QStringLiteral("Confronta")));
    rigaConfronto->addWidget(opzioniConfronto_, 1);
    rigaConfronto->addWidget(etichettaPer(casellaProvaDal_, QStringLiteral("prova dall'estrazione")));
    rigaConfronto->addWidget(casellaProvaDal_);
    rigaConfronto->addWidget(dataProvaDal_);
    rigaConfronto->addWidget(etichettaPer(casellaSimula_, QStringLiteral("archivi del caso")));
    rigaConfronto->addWidget(casellaSimula_);
    ls->addLayout(rigaConfronto, 4, 0, 1, 9);
    ls->setColumnStretch(8, 1);

    avanzamento_ = new QProgressBar(this);
    avanzamento_->setObjectName(QStringLiteral("Avanzamento"));
    avanzamento_->setFormat(QStringLiteral("%v di %m punti"));
    avanzamento_->setValue(0);
    stato_ = new QLabel(this);
    stato_->setObjectName(QStringLiteral("LblStato"));

    schede_ = new QTabWidget(this);
    tabellaStorico_ = new VistaGriglia("FgStorico", schede_);
    riempiTabellaStorico(tabellaStorico_->griglia(), {}, sessione_.archivio, separatore());
    tabellaStorico_->adattaColonne();
    tabellaConfronto_ = new VistaGriglia("FgConfronto", schede_);
    schede_->addTab(tabellaStorico_, QStringLiteral("Giocate"));
    schede_->addTab(tabellaConfronto_, QStringLiteral("Confronto"));
    paginaMetodo_ = new PaginaMetodoProprio(sessione_, schede_);
    schede_->addTab(paginaMetodo_, QStringLiteral("Metodo proprio"));
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
    grafico_ = new Grafico(this);
    grafico_->setObjectName(QStringLiteral("GraficoSaldo"));
    grafico_->setMinimumHeight(220);

    auto* tabella = new QWidget(this);
    auto* lt = new QVBoxLayout(tabella);
    lt->setContentsMargins(0, 0, 0, 0);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(copia);
    comandi->addWidget(stampa);
    comandi->addStretch(1);
    comandi->addWidget(help);
    lt->addWidget(schede_, 1);
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
    connect(casellaProvaDal_, &QSpinBox::valueChanged, this, [this] { mostraData(casellaProvaDal_, dataProvaDal_); });
    connect(sceltaMetodo_, &QComboBox::currentIndexChanged, this, &FinestraVerificaStorica::mostraPunti);
    connect(sceltaStrategia_, &QComboBox::currentIndexChanged, this, [this] {
        mostraOpzioniStrategia();
        mostraPunti();
        if (Strategie[sceltaStrategia_->currentIndex()] == Strategia::Metodo) schede_->setCurrentWidget(paginaMetodo_);
    });
    connect(pulsanteAvvia_, &QPushButton::clicked, this, &FinestraVerificaStorica::avvia);
    connect(pulsanteAnnulla_, &QPushButton::clicked, this, &FinestraVerificaStorica::annulla);
    connect(copia, &QPushButton::clicked, this,
            [this] { (schede_->currentIndex() == 0 ? tabellaStorico_ : tabellaConfronto_)->copiaTabella(); });
    connect(stampa, &QPushButton::clicked, this,
            [this] { tabellaStorico_->stampaConDialogo(QStringLiteral("Verifica storica"), QPageLayout::Landscape); });
    connect(help, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraVerificaStorica::archivioCambiato);
    adattaPeriodo();
    OpzioniStoriche analisi;
    analisi.analisi = opzioni_;
    const OpzioniStoriche periodo = periodoPredefinito(analisi, sessione_.archivio);
    casellaDal_->setValue(periodo.dal);
    casellaAl_->setValue(periodo.al);
    // The last ten years of the period for the test of a comparison's best.
    casellaProvaDal_->setValue(std::max(periodo.dal + 1, periodo.al - (periodo.al - periodo.dal) / 2));
    mostraOpzioniStrategia();
    mostraRisultati();
    aggiornaComandi();
}

FinestraVerificaStorica::~FinestraVerificaStorica() {
    annullata_ = true;
    if (lavoro_.joinable()) lavoro_.join();
}

void FinestraVerificaStorica::seguiOpzioni(const AnalisiIndice& opzioni) {
    opzioni_ = opzioni;
    mostraOpzioniStrategia();
    mostraPunti();
    if (risultatiMostrati() && !inCorso())
        stato_->setText(QStringLiteral("Opzioni cambiate: i risultati mostrati sono delle opzioni precedenti."));
}

OpzioniStoriche FinestraVerificaStorica::opzioniScelte() const {
    OpzioniStoriche o;
    o.analisi = opzioni_;
    o.strategia = Strategie[std::max(sceltaStrategia_->currentIndex(), 0)];
    o.metodo = sceltaMetodo_->currentIndex() == 1 ? MetodoStorico::Ciclo : MetodoStorico::Modalita2;
    o.ruotaLetta = primaRuota(opzioni_);
    o.quanti = casellaQuanti_->value();
    o.finestra = casellaFinestra_->value();
    // Unreadable numbers are left out here and refused by erroreStorico as no numbers.
    o.numeri = leggiNumeri(numeriFissi_->text().toStdString()).value_or(std::vector<int>{});
    o.sorte = sceltaSorte_->currentIndex();
    o.dal = casellaDal_->value();
    o.al = casellaAl_->value();
    return o;
}

std::optional<std::vector<OpzioneConfronto>> FinestraVerificaStorica::confrontoScelto() const {
    return leggiConfronto(opzioniConfronto_->text().toStdString());
}

void FinestraVerificaStorica::mostraOpzioniStrategia() {
    const Strategia s = Strategie[std::max(sceltaStrategia_->currentIndex(), 0)];
    const bool libero = !inCorso();
    sceltaMetodo_->setEnabled(libero && s == Strategia::Indice);
    casellaQuanti_->setEnabled(libero && s == Strategia::Frequenti);
    casellaFinestra_->setEnabled(libero && s == Strategia::Frequenti);
    numeriFissi_->setEnabled(libero && s == Strategia::Fissi);
    sceltaSorte_->setEnabled(libero && (s == Strategia::Frequenti || s == Strategia::Fissi));
    opzioniTesto_->setText(testoOpzioni(opzioni_, s, primaRuota(opzioni_)));
}

void FinestraVerificaStorica::adattaPeriodo() {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    for (QSpinBox* casella : {casellaDal_, casellaAl_, casellaProvaDal_}) {
        const QSignalBlocker blocco(casella);
        casella->setRange(archivio.NumEstrazioni() > 0 ? 1 : 0, archivio.NumEstrazioni());
    }
    mostraData(casellaDal_, dataDal_);
    mostraData(casellaAl_, dataAl_);
    mostraData(casellaProvaDal_, dataProvaDal_);
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
    // A comparison reads the same draws as the walk of its period; its points are its walks'.
    return improntePrefissi(*archivio_)[lette] == improntePrefissi(archivio)[lette] &&
           (!confronto_.combinazioni.empty() ||
            static_cast<int>(puntiStorici(eseguite_, archivio).size()) == esito_.riepilogo.punti);
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
    if (!risultatiMostrati() || risultatiAncoraVeri()) return;
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
    OpzioniStoriche o = opzioniScelte();
    if (o.strategia == Strategia::Metodo) {
        QString errore;
        o.metodoProprio = paginaMetodo_->metodo(&errore);
        o.parametri = paginaMetodo_->parametri();
        if (!o.metodoProprio) {
            schede_->setCurrentWidget(paginaMetodo_);
            stato_->setText(errore);
            return;
        }
    }
    const auto opzioni = confrontoScelto();
    const int provaDal = casellaProvaDal_->value();
    std::optional<std::string> errore = erroreStorico(o, sessione_.archivio);
    if (!errore && !opzioni)
        errore =
            "Il confronto si scrive come \"presenze = 50,100,150; qn = 2,3\": un'opzione per volta, "
            "con valori interi separati da virgole.";
    if (!errore && !opzioni->empty()) errore = erroreConfronto(o, *opzioni, provaDal, sessione_.archivio);
    if (errore) {
        premessa_.clear();
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, QStringLiteral("Verifica storica"),
                                       QString::fromStdString(*errore));
        return;
    }
    archivio_ = std::make_shared<const ArchivioEstrazioni>(sessione_.archivio);
    for (const OpzioniStoriche& tentata : opzioni->empty() ? std::vector{o} : combinazioniConfronto(o, *opzioni))
        tentativo_ = tentativi_.registra(tentata);
    eseguite_ = o;
    confrontate_ = *opzioni;
    provaDal_ = provaDal;
    esito_ = {};
    confronto_ = {};
    simulazione_ = {};
    mostraRisultati();
    annullata_ = false;
    const bool confronto = !confrontate_.empty();
    avanzamento_->setFormat(confronto ? QStringLiteral("%v di %m passi") : QStringLiteral("%v di %m punti"));
    avanzamento_->setRange(0, confronto ? static_cast<int>(combinazioniConfronto(o, confrontate_).size()) + 1
                                        : static_cast<int>(puntiStorici(o, *archivio_).size()));
    avanzamento_->setValue(0);
    stato_->setText(premessa_ + QStringLiteral("Verifica in corso..."));
    const int simulazioni = confronto ? casellaSimula_->value() : 0;
    lavoro_ = std::thread([this, o, confrontate = confrontate_, provaDal, simulazioni, archivio = archivio_] {
        // A few updates a second: each one repaints the bar in the window's thread, which would
        // otherwise take a core from the run.
        auto mostrato = std::chrono::steady_clock::now();
        const AvanzamentoStorico passo = [this, mostrato](int fatti, int quanti) mutable {
            const auto adesso = std::chrono::steady_clock::now();
            if (fatti < quanti && adesso - mostrato < std::chrono::milliseconds(100)) return;
            mostrato = adesso;
            QMetaObject::invokeMethod(
                avanzamento_, [barra = avanzamento_, fatti] { barra->setValue(fatti); }, Qt::QueuedConnection);
        };
        auto fatto = std::make_shared<EsitoLavoro>();
        try {
            if (confrontate.empty()) {
                fatto->storico = VerificaStorica(o, *archivio, &annullata_, passo);
            } else {
                EsitoConfronto& c = fatto->confronto;
                c = confronta(o, confrontate, provaDal, *archivio, &annullata_, passo);
                fatto->storico.annullato = c.annullato;
                if (simulazioni > 0 && !c.annullato) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, simulazioni, fatto = std::make_shared<EsitoConfronto>(c)] {
                            avviaSimulazione(std::move(*fatto), simulazioni);
                        },
                        Qt::QueuedConnection);
                    fatto->simulazione = simulaConfronto(o, confrontate, provaDal, *archivio,
                                                         c.combinazioni[c.migliore].allenamento.p.value_or(1),
                                                         simulazioni, &annullata_, passo);
                }
            }
        } catch (const ErroreMetodo& e) {
            QMetaObject::invokeMethod(
                this, [this, errore = std::make_shared<ErroreMetodo>(e)] { metodoInterrotto(*errore); },
                Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, fatto] { concludi(std::move(*fatto)); }, Qt::QueuedConnection);
    });
    aggiornaComandi();
}

void FinestraVerificaStorica::annulla() {
    annullata_ = true;
}

void FinestraVerificaStorica::avviaSimulazione(EsitoConfronto confronto, int quante) {
    confronto_ = std::move(confronto);
    mostraRisultati();
    avanzamento_->setFormat(QStringLiteral("%v di %m archivi del caso"));
    avanzamento_->setRange(0, quante);
    avanzamento_->setValue(0);
    stato_->setText(premessa_ + QStringLiteral("Confronto completato: la stessa ricerca sugli archivi del caso..."));
}

void FinestraVerificaStorica::concludi(EsitoLavoro esito) {
    if (lavoro_.joinable()) lavoro_.join();
    esito_ = std::move(esito.storico);
    confronto_ = esito_.annullato ? EsitoConfronto{} : std::move(esito.confronto);
    simulazione_ = esito.simulazione;
    aggiornaComandi();
    if (std::exchange(rifai_, false)) {
        premessa_ = QStringLiteral("Archivio cambiato: verifica ripresa. ");
        avvia();
        return;
    }
    stato_->setText(premessa_ + testoConcluso());
    premessa_.clear();
    // The strategies other than the method choose in one pass and report no progress on the way.
    avanzamento_->setValue(esito_.annullato || simulazione_.annullato ? 0 : avanzamento_->maximum());
    if (eseguite_.strategia == Strategia::Metodo) paginaMetodo_->mostraEsito(esito_.registro);
    mostraRisultati();
}

QString FinestraVerificaStorica::testoConcluso() const {
    if (esito_.annullato) return QStringLiteral("Verifica annullata: nessun risultato.");
    if (confronto_.combinazioni.empty())
        return QStringLiteral("Verifica completata: %1 punti, %2 giocate.")
            .arg(esito_.riepilogo.punti)
            .arg(esito_.riepilogo.giocate);
    const QString fatto = QStringLiteral("Confronto completato: %1 combinazioni").arg(confronto_.combinazioni.size());
    if (simulazione_.annullato) return fatto + QStringLiteral("; simulazione annullata.");
    if (simulazione_.simulazioni > 0)
        return fatto + QStringLiteral(", ricerca ripetuta su %1 archivi del caso.").arg(simulazione_.simulazioni);
    return fatto + QLatin1Char('.');
}

void FinestraVerificaStorica::metodoInterrotto(const ErroreMetodo& errore) {
    if (lavoro_.joinable()) lavoro_.join();
    rifai_ = false;
    premessa_.clear();
    esito_ = {};
    confronto_ = {};
    simulazione_ = {};
    aggiornaComandi();
    avanzamento_->setValue(0);
    stato_->setText(QString::fromStdString(errore.what()));
    std::vector<std::string> registro = errore.registro();
    registro.push_back(errore.what());
    paginaMetodo_->mostraEsito(registro, errore.riga());
    mostraRisultati();
    schede_->setCurrentWidget(paginaMetodo_);  // the editor with the line marked, not the empty plays
}

namespace {

// A summary as a two-row table of "name: value" cells.
QString tabellaRiepilogo(const RiepilogoStorico& r) {
    const auto testi = testiRiepilogoStorico(r, separatore());
    QString righe = QStringLiteral("<table cellspacing=\"6\"><tr>");
    for (std::size_t i = 0; i < testi.size(); ++i) {
        if (i == 5) righe += QStringLiteral("</tr><tr>");
        righe += QStringLiteral("<td>%1:</td><td align=\"right\"><b>%2</b></td>")
                     .arg(QString::fromStdString(testi[i].first), QString::fromStdString(testi[i].second));
    }
    return righe + QStringLiteral("</tr></table>");
}

}  // namespace

void FinestraVerificaStorica::mostraRisultati() {
    const ArchivioEstrazioni& archivio = archivio_ && risultatiMostrati() ? *archivio_ : sessione_.archivio;
    const bool confronto = !confronto_.combinazioni.empty();
    std::vector<GiocataStorica> giocate = esito_.giocate;
    if (confronto) {
        giocate = confronto_.giocateAllenamento;
        giocate.insert(giocate.end(), confronto_.giocateProva.begin(), confronto_.giocateProva.end());
    }
    riempiTabellaStorico(tabellaStorico_->griglia(), giocate, archivio, separatore());
    tabellaStorico_->adattaColonne();
    riempiTabellaConfronto(tabellaConfronto_->griglia(), confrontate_, confronto_, separatore());
    tabellaConfronto_->adattaColonne();
    schede_->setTabEnabled(1, confronto);
    schede_->setCurrentIndex(confronto ? 1 : 0);
    QString righe;
    QString giudizio;
    if (confronto) {
        QStringList valori;
        for (std::size_t k = 0; k < confrontate_.size(); ++k)
            valori << QStringLiteral("%1 = %2")
                          .arg(QString::fromStdString(confrontate_[k].nome))
                          .arg(confronto_.combinazioni[confronto_.migliore].valori[k]);
        righe = QStringLiteral("Migliore sugli anni di allenamento: <b>%1</b>; sugli anni di prova, dal %2:")
                    .arg(valori.join(QStringLiteral(", ")),
                         QString::fromStdString(archivio.DateEstrazioni(provaDal_))) +
                tabellaRiepilogo(confronto_.prova) + testoCasoMigliore();
        if (confronto_.prova.giocate > 0)
            giudizio = QStringLiteral("%1° tentativo su questo periodo. Anni di prova: ").arg(tentativo_) +
                       QString::fromStdString(giudizioVerifica(confronto_.prova, eseguite_.strategia, separatore()));
    } else if (!esito_.giocate.empty()) {
        righe = tabellaRiepilogo(esito_.riepilogo);
        giudizio = QStringLiteral("%1° tentativo su questo periodo: ").arg(tentativo_) +
                   QString::fromStdString(giudizioVerifica(esito_.riepilogo, eseguite_.strategia, separatore()));
    }
    riepilogo_->setText(righe);
    giudizio_->setText(giudizio);
    if (confronto)
        mostraGrafico({{QStringLiteral("Migliore, anni di allenamento"), &confronto_.giocateAllenamento},
                       {QStringLiteral("Migliore, anni di prova"), &confronto_.giocateProva}});
    else mostraGrafico({{QStringLiteral("Saldo della strategia"), &esito_.giocate}});
}

QString FinestraVerificaStorica::testoCasoMigliore() const {
    if (simulazione_.simulazioni > 0)
        return QStringLiteral(
                   "Su %1 archivi del caso la stessa ricerca ha trovato in %2 una migliore almeno così buona: p del "
                   "migliore per caso = %3 ± %4.")
            .arg(simulazione_.simulazioni)
            .arg(simulazione_.almenoCosi)
            .arg(QString::fromStdString(testoDecimale(simulazione_.p, 3, separatore())),
                 QString::fromStdString(testoDecimale(simulazione_.erroreP, 3, separatore())));
    return QStringLiteral(
               "Il solo caso darebbe alla migliore di %1 combinazioni un p con mediana circa 1/(N+1) = %2 (la media è "
               "più alta: combinazioni simili si muovono insieme).")
        .arg(confronto_.combinazioni.size())
        .arg(QString::fromStdString(testoDecimale(confronto_.pAttesoMigliore, 4, separatore())));
}

// The running balance of each part of the plays, one after the other, and the one chance would
// give over them all, after each point.
void FinestraVerificaStorica::mostraGrafico(const std::vector<ParteSaldo>& parti) {
    static const QColor colori[] = {QColor(40, 90, 170), QColor(30, 140, 70)};
    DatiGrafico dati;
    dati.titolo = QStringLiteral("Saldo progressivo (unità di posta)");
    dati.decimali = 2;
    dati.passoMinimoX = 1;  // years
    SerieGrafico caso;
    caso.nome = QStringLiteral("Saldo atteso dal caso");
    caso.forma = SerieGrafico::Forma::LineaTratteggiata;
    caso.colore = QColor(200, 30, 30);
    double saldo = 0, saldoCaso = 0;
    for (const auto& [nome, giocate] : parti) {
        if (giocate->empty()) continue;
        SerieGrafico linea;
        linea.nome = nome;
        linea.forma = SerieGrafico::Forma::Linea;
        linea.colore = colori[dati.serie.size() % std::size(colori)];
        // Each part goes on from where the one before ended.
        if (!dati.serie.empty()) {
            const SerieGrafico& prima = dati.serie.back();
            linea.x.push_back(prima.x.back());
            linea.y.push_back(prima.y.back());
            linea.didascalie.push_back(prima.didascalie.back());
        }
        for (std::size_t i = 0; i < giocate->size(); ++i) {
            const GiocataStorica& g = (*giocate)[i];
            saldo += g.vincita - g.puntata;
            saldoCaso += g.vincitaAttesa - g.puntata;
            if (i + 1 < giocate->size() && (*giocate)[i + 1].punto == g.punto) continue;
            const Data data = archivio_->DataEstrazione(g.punto);
            for (SerieGrafico* s : {&linea, &caso}) {
                s->x.push_back(anno(data));
                s->y.push_back(s == &linea ? saldo : saldoCaso);
                s->didascalie.push_back(QString::fromStdString(data.testo()));
            }
        }
        dati.serie.push_back(std::move(linea));
    }
    // Without plays the chart stays empty: no axis to label with nothing.
    if (!dati.serie.empty()) dati.serie.push_back(std::move(caso));
    grafico_->mostra(std::move(dati));
}

void FinestraVerificaStorica::aggiornaComandi() {
    pulsanteAvvia_->setEnabled(!inCorso());
    pulsanteAnnulla_->setEnabled(inCorso());
    for (QWidget* w : std::initializer_list<QWidget*>{sceltaStrategia_, casellaDal_, casellaAl_, opzioniConfronto_,
                                                      casellaProvaDal_, casellaSimula_})
        w->setEnabled(!inCorso());
    mostraOpzioniStrategia();
}

}  // namespace quorvane
