#include "index/ui/Ventrallo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/Colori.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"
#include "index/GriglieIndice.h"
#include "index/ui/VerificaPrevisione.h"
#include "index/ui/VerificaStoricaFinestra.h"

#include <QDateTime>

namespace quorvane {

namespace {

QComboBox* combo(QWidget* padre, const char* nome, const QStringList& voci, int scelta) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(voci);
    c->setCurrentIndex(scelta);
    return c;
}

QStringList numeri(int da, int a) {
    QStringList voci;
    for (int n = da; n <= a; ++n) voci << QString::number(n);
    return voci;
}

// A grid sized to show all its cells, for the small boards.
void dimensionaTavola(VistaGriglia* vista, int larghezzaCella) {
    vista->horizontalHeader()->setDefaultSectionSize(larghezzaCella);
    vista->horizontalHeader()->setMinimumSectionSize(larghezzaCella / 2);
    vista->verticalHeader()->setDefaultSectionSize(22);
    vista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setSelectionMode(QAbstractItemView::NoSelection);
    vista->setFocusPolicy(Qt::NoFocus);
    vista->clearSelection();
    vista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void adattaAltezza(VistaGriglia* vista) {
    const int righe = vista->model()->rowCount();
    const int testata = vista->horizontalHeader()->isVisible() ? vista->horizontalHeader()->height() : 0;
    vista->setFixedHeight(righe * vista->verticalHeader()->defaultSectionSize() + testata + 2 * vista->frameWidth());
}

}  // namespace

Ventrallo::Ventrallo(Sessione& sessione, QProgressBar* avanzamento, QWidget* padre)
    : QWidget(padre),
      sessione_(sessione),
      archivio_(sessione.archivio),
      avanzamento_(avanzamento),
      metodo_(sessione.archivio, static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())) {
    setObjectName(QStringLiteral("Ventrallo"));
    setWindowTitle(QStringLiteral(" Quorvane"));

    // Across the top the period, the options and the selected draw; below, the model draws and
    // the delays on the left, the elaborations and the forecasts on the right. It fits a
    // 1280x1024 screen.
    auto* alto = new QHBoxLayout;
    alto->addWidget(creaTestata());
    alto->addWidget(creaEstrazioneMostrata());
    alto->addStretch(1);
    auto* sinistra = new QVBoxLayout;
    auto* destra = new QVBoxLayout;
    sinistra->addWidget(creaRuote());
    sinistra->addWidget(creaModello(), 3);

    ssTab1_ = new QTabWidget(this);
    ssTab1_->setObjectName(QStringLiteral("SSTab1"));
    ssTab1_->addTab(creaTabSelezione(), QStringLiteral("Selezione"));
    ssTab1_->addTab(creaTabElenco(), QStringLiteral("Elenco"));
    ssTab1_->addTab(creaTabCoppie(), QStringLiteral("Coppie"));
    ssTab1_->addTab(creaTabDatabase(), QStringLiteral("Database"));
    ssTab1_->setCurrentIndex(1);
    sinistra->addWidget(creaRitardiEMemo(), 2);
    destra->addWidget(ssTab1_, 1);
    destra->addWidget(creaPrevisioni());
    auto* sotto = new QHBoxLayout;
    sotto->addLayout(sinistra, 3);
    sotto->addLayout(destra, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(alto);
    layout->addLayout(sotto, 1);
    resize(1250, 960);
    installaHelp(this, ArgomentoHelp);

    // The end of the period starts at the last draw, the month ordinal at the last draw's.
    sceltaEstrazione(seguiArchivio(hFine_, archivio_, {}));
    if (archivio_.NumEstrazioni() > 0) comboMensile_->setCurrentIndex(archivio_.ProgMese(archivio_.NumEstrazioni()));
    connect(&sessione_, &Sessione::archivioRicaricato, this, &Ventrallo::archivioRicaricato);
    ElencoConfigurazioni();
}

Ventrallo::~Ventrallo() = default;

QWidget* Ventrallo::creaModello() {
    auto* riquadro = new QWidget(this);
    auto* modello = new QVBoxLayout(riquadro);
    modello->setContentsMargins(0, 0, 0, 0);
    fgV_ = new VistaGriglia("FgV", riquadro);
    impostaIntestazioneFgV(fgV_->griglia());
    fgV_->aggiorna();
    fgV_->adattaColonne();
    auto* comandi = new QHBoxLayout;
    auto* verifica = pulsante(riquadro, "Command12", QStringLiteral("Verifica previsione"));
    auto* copia = pulsante(riquadro, "Command25", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(riquadro, "Command37", QStringLiteral("Stampa grid"));
    auto* storica = pulsante(riquadro, "CmdStorica", QStringLiteral("Verifica storica"));
    comandi->addWidget(verifica);
    comandi->addWidget(copia);
    comandi->addWidget(stampa);
    comandi->addWidget(storica);
    comandi->addStretch(1);
    comandi->addWidget(pulsanteHelp("Command33"));
    modello->addWidget(fgV_, 1);
    modello->addLayout(comandi);
    connect(verifica, &QPushButton::clicked, this, &Ventrallo::VerificaPrevisione);
    connect(copia, &QPushButton::clicked, fgV_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { fgV_->stampaConDialogo(QString(), QPageLayout::Landscape, 350); });
    // The historical test takes the options as they are set now.
    connect(storica, &QPushButton::clicked, this, [this] {
        leggiOpzioniBase();
        leggiOpzioniElaborazione();
        auto* finestra = new VerificaStoricaFinestra(sessione_, metodo_.analisi, this);
        finestra->setAttribute(Qt::WA_DeleteOnClose);
        finestra->show();
    });
    return riquadro;
}

QWidget* Ventrallo::pulsanteHelp(const char* nome) {
    auto* p = pulsante(this, nome, QStringLiteral("Help in linea"));
    connect(p, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    return p;
}

QWidget* Ventrallo::creaTestata() {
    auto* testata = new QWidget(this);
    auto* layout = new QHBoxLayout(testata);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* periodo = new QGroupBox(QStringLiteral("Estrazione finale del periodo"), testata);
    auto* lp = new QGridLayout(periodo);
    hFine_ = barraEstrazioni(periodo, "hFine");
    hFine_->setMinimumWidth(300);
    labend_ = etichetta(periodo, "labend");
    QFont grassetto = labend_->font();
    grassetto.setBold(true);
    labend_->setFont(grassetto);
    label4_ = etichetta(periodo, "Label4");
    // As wide as the longest text they can show, so that nothing beside them moves.
    labend_->setMinimumWidth(QFontMetrics(grassetto).horizontalAdvance(QStringLiteral("00000 del 00/00/0000")));
    label4_->setMinimumWidth(label4_->fontMetrics().horizontalAdvance(QStringLiteral("00000  00/00/0000")));
    label7_ = etichetta(periodo, "Label7");
    label7_->setToolTip(QStringLiteral("Progressivo nel mese dell'estrazione selezionata"));
    auto* ultima = pulsante(periodo, "Command22", QStringLiteral("Ultima"));
    auto* perIndice = pulsante(periodo, "Command23", QStringLiteral("Seleziona per numero indice"));
    auto* perData = pulsante(periodo, "Command24", QStringLiteral("Seleziona per data"));
    auto* usaMese = pulsante(periodo, "Command26", QStringLiteral("Utilizza questa estrazione del mese"));
    lp->addWidget(hFine_, 0, 0, 1, 3);
    lp->addWidget(ultima, 0, 3);
    lp->addWidget(labend_, 1, 0);
    lp->addWidget(label4_, 1, 1);
    lp->addWidget(new QLabel(QStringLiteral("Nel mese:"), periodo), 1, 2, Qt::AlignRight);
    lp->addWidget(label7_, 1, 3);
    lp->addWidget(perIndice, 2, 0, 1, 2);
    lp->addWidget(perData, 2, 2, 1, 2);
    lp->addWidget(usaMese, 3, 0, 1, 4);
    lp->setRowStretch(4, 1);
    layout->addWidget(periodo);

    auto* opzioni = new QGroupBox(QStringLiteral("Estrazioni modello"), testata);
    auto* lo = new QGridLayout(opzioni);
    comboMensile_ = combo(opzioni, "ComboMensile", QStringList{QStringLiteral("U")} + numeri(1, 31), 0);
    comboPresenze_ = combo(opzioni, "ComboPresenze", numeri(AnalisiIndice::PresenzeMinime, AnalisiIndice::PresenzeMassime), 7);
    comboC_ = combo(opzioni, "ComboC", numeri(1, AnalisiIndice::ColpiMassimi), 11);
    auto* label10 = new EtichettaCliccabile(QStringLiteral("Label10"), QStringLiteral("max"), opzioni);
    label10->setToolTip(QStringLiteral("Presenze: 200"));
    chFine_ = new QCheckBox(QStringLiteral("Fine ricerca"), opzioni);
    chFine_->setObjectName(QStringLiteral("Ch_Fine"));
    chUltima_ = new QCheckBox(QStringLiteral("Forza ultima mensile"), opzioni);
    chUltima_->setObjectName(QStringLiteral("Ch_ultima"));
    lo->addWidget(new QLabel(QStringLiteral("Mensile"), opzioni), 0, 0);
    lo->addWidget(comboMensile_, 0, 1);
    lo->addWidget(new QLabel(QStringLiteral("Presenze"), opzioni), 1, 0);
    lo->addWidget(comboPresenze_, 1, 1);
    lo->addWidget(label10, 1, 2);
    lo->addWidget(new QLabel(QStringLiteral("Colpi"), opzioni), 2, 0);
    lo->addWidget(comboC_, 2, 1);
    lo->addWidget(chFine_, 0, 3);
    lo->addWidget(chUltima_, 1, 3);
    lo->setRowStretch(3, 1);
    layout->addWidget(opzioni);

    connect(hFine_, &QScrollBar::valueChanged, this, &Ventrallo::sceltaEstrazione);
    connect(ultima, &QPushButton::clicked, this, &Ventrallo::Ultima);
    connect(perIndice, &QPushButton::clicked, this, &Ventrallo::SelezionaPerNumeroIndice);
    connect(perData, &QPushButton::clicked, this, &Ventrallo::SelezionaPerData);
    connect(usaMese, &QPushButton::clicked, this, &Ventrallo::UtilizzaQuestaEstrazioneDelMese);
    connect(label10, &EtichettaCliccabile::clic, this,
            [this] { comboPresenze_->setCurrentIndex(comboPresenze_->count() - 1); });
    connect(comboC_, &QComboBox::currentIndexChanged, this,
            [this] { metodo_.analisi.NumeroColpi = comboC_->currentText().toInt(); });
    return testata;
}

QWidget* Ventrallo::creaRuote() {
    auto* ruote = new QGroupBox(QStringLiteral("Ruote in gioco"), this);
    auto* lr = new QHBoxLayout(ruote);
    fgR_ = new VistaGriglia("FgR", ruote);
    dimensionaTavola(fgR_, 30);
    riempiFgR(fgR_->griglia(), metodo_.analisi.ruoteInGioco);
    fgR_->aggiorna();
    adattaAltezza(fgR_);
    fgR_->setFixedWidth(NumRuote * 30 + 2 * fgR_->frameWidth());
    auto* tutte = new EtichettaCliccabile(QStringLiteral("Label6"), QStringLiteral("Seleziona tutti"), ruote);
    auto* nessuna = new EtichettaCliccabile(QStringLiteral("Label1"), QStringLiteral("Deseleziona"), ruote);
    auto* ricava = pulsante(ruote, "Command13", QStringLiteral("RICAVA BASE DATI"));
    ricava->setMinimumHeight(34);
    ricava->setStyleSheet(QStringLiteral("font-weight: bold;"));
    ricava->setMinimumWidth(180);
    lr->addWidget(fgR_);
    lr->addWidget(tutte);
    lr->addWidget(nessuna);
    lr->addStretch(1);
    lr->addWidget(ricava);

    connect(fgR_, &VistaGriglia::clic, this, [this](int, int colonna) {
        if (colonna < 0 || colonna >= NumRuote) return;
        metodo_.analisi.ruoteInGioco[colonna] = !metodo_.analisi.ruoteInGioco[colonna];
        mostraRuote();
    });
    connect(tutte, &EtichettaCliccabile::clic, this, [this] {
        metodo_.analisi.ruoteInGioco.fill(true);
        mostraRuote();
    });
    connect(nessuna, &EtichettaCliccabile::clic, this, [this] {
        metodo_.analisi.ruoteInGioco.fill(false);
        mostraRuote();
    });
    connect(ricava, &QPushButton::clicked, this, &Ventrallo::RicavaBaseDati);
    return ruote;
}

QWidget* Ventrallo::creaEstrazioneMostrata() {
    auto* riquadro = new QGroupBox(QStringLiteral("Estrazione selezionata"), this);
    auto* layout = new QHBoxLayout(riquadro);
    fga_ = new VistaGriglia("fga", riquadro);
    riempiFga(fga_->griglia(), archivio_, 0);
    fga_->aggiorna();
    dimensionaTavola(fga_, 30);
    fga_->verticalHeader()->setDefaultSectionSize(15);
    adattaAltezza(fga_);
    fga_->setFixedWidth(6 * 30 + 2 * fga_->frameWidth());

    auto* legenda = new VistaGriglia("Fgcolore", riquadro);
    riempiFgcolore(legenda->griglia());
    legenda->aggiorna();
    dimensionaTavola(legenda, 22);
    adattaAltezza(legenda);
    legenda->setFixedWidth(2 * 22 + 2 * legenda->frameWidth());
    legenda->setToolTip(QStringLiteral("Colori degli esiti per numero di punti"));
    auto* spiegazione = new QLabel(QStringLiteral("Colori degli esiti\nper punti (1-5)"), riquadro);
    layout->addWidget(fga_);
    layout->addSpacing(12);
    layout->addWidget(legenda, 0, Qt::AlignTop);
    layout->addWidget(spiegazione, 0, Qt::AlignTop);
    layout->addStretch(1);
    return riquadro;
}

QWidget* Ventrallo::creaTabSelezione() {
    auto* tab = new QWidget(this);
    auto* layout = new QHBoxLayout(tab);
    fg90_ = new VistaGriglia("Fg90", tab);
    riempiFg90(fg90_->griglia(), tavola_);
    fg90_->aggiorna();
    dimensionaTavola(fg90_, 30);
    adattaAltezza(fg90_);
    fg90_->setFixedWidth(10 * 30 + 2 * fg90_->frameWidth());
    auto* colonna = new QVBoxLayout;
    auto* azzera = pulsante(tab, "Command3", QStringLiteral("Azzera"));
    azzera->setToolTip(QStringLiteral("Deseleziona tutti i numeri"));
    auto* sorte = new QGroupBox(QStringLiteral("Sorte"), tab);
    auto* ls = new QVBoxLayout(sorte);
    const char* nomi[] = {"Option1", "Option2", "Option5"};
    const char* testi[] = {"Ambata", "Ambo", "Terno"};
    for (int i = 0; i < 3; ++i) {
        sorteTavola_[i] = new QRadioButton(QString::fromLatin1(testi[i]), sorte);
        sorteTavola_[i]->setObjectName(QString::fromLatin1(nomi[i]));
        sorteTavola_[i]->setChecked(i == 1);
        ls->addWidget(sorteTavola_[i]);
    }
    auto* aggiungi = pulsante(tab, "Command2", QStringLiteral("Aggiunge previsione"));
    colonna->addWidget(azzera);
    colonna->addWidget(sorte);
    colonna->addWidget(aggiungi);
    colonna->addStretch(1);
    colonna->addWidget(pulsanteHelp("Command34"));
    layout->addWidget(fg90_, 0, Qt::AlignTop);
    layout->addLayout(colonna);
    layout->addStretch(1);

    connect(fg90_, &VistaGriglia::clic, this, [this](int riga, int colonna) {
        if (riga < 0 || riga > 8 || colonna < 0 || colonna > 9) return;
        if (tavola_.commuta(10 * riga + colonna + 1)) mostraTavola();
    });
    connect(azzera, &QPushButton::clicked, this, [this] {
        tavola_.svuota();
        mostraTavola();
    });
    connect(aggiungi, &QPushButton::clicked, this, &Ventrallo::AggiungePrevisioneDaTavola);
    return tab;
}

QWidget* Ventrallo::creaTabElenco() {
    auto* tab = new QWidget(this);
    auto* layout = new QGridLayout(tab);
    fgCC_ = new VistaGriglia("Fg_CC", tab);
    impostaIntestazioneFgCC(fgCC_->griglia());
    fgCC_->aggiorna();
    fgCC_->horizontalHeader()->setDefaultSectionSize(40);
    comboN_ = combo(tab, "ComboN", numeri(1, TavolaNumeri::Massimo), 2);
    comboCG_ = combo(tab, "ComboCG", QStringList{QStringLiteral("No")} + numeri(1, 90), 0);
    option3_ = new QRadioButton(QStringLiteral("Ambata e Ambo"), tab);
    option3_->setObjectName(QStringLiteral("Option3"));
    option3_->setChecked(true);
    auto* option4 = new QRadioButton(QStringLiteral("Terno"), tab);
    option4->setObjectName(QStringLiteral("Option4"));
    chFast_ = new QCheckBox(QStringLiteral("Velocizza ricerca ma meno precisione"), tab);
    chFast_->setObjectName(QStringLiteral("ChFast"));
    auto* memo = pulsante(tab, "Command20", QStringLiteral("Aggiunge riga selezionata a memo serie"));
    auto* copia = pulsante(tab, "Command11", QStringLiteral("Copia tabella"));
    auto* modalita1 = pulsante(tab, "Command27", QStringLiteral("Elaborazione modalità 1"));
    auto* modalita2 = pulsante(tab, "Command44", QStringLiteral("Elaborazione modalità 2"));
    auto* aggiungi = pulsante(tab, "Cmd_aggiunge", QStringLiteral("Aggiunge previsione"));
    for (QPushButton* p : {modalita1, modalita2}) p->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* opzioni = new QHBoxLayout;
    opzioni->addWidget(new QLabel(QStringLiteral("QN"), tab));
    opzioni->addWidget(comboN_);
    opzioni->addWidget(new QLabel(QStringLiteral("Capogioco"), tab));
    opzioni->addWidget(comboCG_);
    opzioni->addSpacing(12);
    opzioni->addWidget(option3_);
    opzioni->addWidget(option4);
    opzioni->addStretch(1);
    layout->addLayout(opzioni, 0, 0, 1, 2);
    layout->addWidget(chFast_, 2, 0, 1, 2);
    layout->addWidget(modalita1, 3, 0);
    layout->addWidget(modalita2, 3, 1);
    layout->addWidget(fgCC_, 4, 0, 1, 2);
    layout->addWidget(aggiungi, 5, 0);
    layout->addWidget(copia, 5, 1);
    layout->addWidget(memo, 6, 0);
    layout->addWidget(pulsanteHelp("Command35"), 6, 1);

    connect(comboN_, &QComboBox::currentIndexChanged, this,
            [this] { metodo_.analisi.QuantitaNumeri = comboN_->currentText().toInt(); });
    connect(fgCC_, &VistaGriglia::clic, this, [this](int riga, int) { clicFormazione(riga); });
    connect(fgCC_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        clicFormazione(riga);
        AggiungePrevisioneDaFormazioni();
    });
    connect(modalita1, &QPushButton::clicked, this, &Ventrallo::ElaborazioneModalita1);
    connect(modalita2, &QPushButton::clicked, this, &Ventrallo::ElaborazioneModalita2);
    connect(aggiungi, &QPushButton::clicked, this, &Ventrallo::AggiungePrevisioneDaFormazioni);
    connect(memo, &QPushButton::clicked, this, &Ventrallo::aggiungiAMemo);
    connect(copia, &QPushButton::clicked, fgCC_, &VistaGriglia::copiaTabella);
    return tab;
}

QWidget* Ventrallo::creaTabCoppie() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    fg9090_ = new VistaGriglia("Fg9090", tab);
    riempiFg9090(fg9090_->griglia(), {});
    fg9090_->aggiorna();
    fg9090_->setColumnWidth(0, 18);
    auto* elabora = pulsante(tab, "Command60", QStringLiteral("ELABORA"));
    elabora->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* aggiungi = pulsante(tab, "Command7", QStringLiteral("Aggiunge previsione"));
    auto* abbinamento = pulsante(tab, "Command5", QStringLiteral("Cerca numero con maggiore abbinamento"));
    fgAbb_ = new VistaGriglia("FgAbb", tab);
    riempiFgAbb(fgAbb_->griglia(), {});
    fgAbb_->aggiorna();
    // Both columns, the score "Pr" included, without sideways scrolling.
    fgAbb_->verticalHeader()->hide();
    fgAbb_->horizontalHeader()->setDefaultSectionSize(44);
    fgAbb_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fgAbb_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fgAbb_->setFixedWidth(2 * 44 + fgAbb_->verticalScrollBar()->sizeHint().width() + 2 * fgAbb_->frameWidth());
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(elabora);
    comandi->addWidget(aggiungi);
    comandi->addStretch(1);
    comandi->addWidget(pulsanteHelp("Command36"));
    auto* tabelle = new QHBoxLayout;
    tabelle->addWidget(fg9090_, 1);
    tabelle->addWidget(fgAbb_);
    layout->addLayout(comandi);
    layout->addLayout(tabelle, 1);
    layout->addWidget(abbinamento);
    connect(elabora, &QPushButton::clicked, this, &Ventrallo::Elabora);
    connect(aggiungi, &QPushButton::clicked, this, &Ventrallo::AggiungePrevisioneDaCoppia);
    connect(fg9090_, &VistaGriglia::doppioClic, this, [this] { AggiungePrevisioneDaCoppia(); });
    connect(abbinamento, &QPushButton::clicked, this, &Ventrallo::CercaNumeroConMaggioreAbbinamento);
    return tab;
}

QWidget* Ventrallo::creaTabDatabase() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* ssTab3 = new QTabWidget(tab);
    ssTab3->setObjectName(QStringLiteral("SSTab3"));
    ssTab3->addTab(creaTabMemorizza(ssTab3), QStringLiteral("Memorizza"));
    ssTab3->addTab(creaTabConfigurazioni(ssTab3), QStringLiteral("Elenco"));
    // The help beside the tabs, where it takes no height.
    ssTab3->setCornerWidget(pulsanteHelp("Command38"), Qt::TopRightCorner);
    layout->addWidget(ssTab3, 1);
    return tab;
}

QWidget* Ventrallo::creaRitardiEMemo() {
    auto* ssTab2 = new QTabWidget(this);
    ssTab2->setObjectName(QStringLiteral("SSTab2"));
    fgRit_ = new VistaGriglia("FgRit", ssTab2);
    impostaIntestazioneFgRit(fgRit_->griglia());
    fgRit_->aggiorna();
    fgRit_->horizontalHeader()->setDefaultSectionSize(34);
    auto* ritardi = new QWidget(ssTab2);
    auto* lr = new QVBoxLayout(ritardi);
    auto* filtra = pulsante(ritardi, "Command15", QStringLiteral("Filtra numeri delle previsioni"));
    auto* tutti = pulsante(ritardi, "Command16", QStringLiteral("Visualizza tutti"));
    auto* comandiRitardi = new QHBoxLayout;
    comandiRitardi->addWidget(filtra);
    comandiRitardi->addWidget(tutti);
    comandiRitardi->addStretch(1);
    lr->addWidget(fgRit_, 1);
    lr->addLayout(comandiRitardi);
    ssTab2->addTab(ritardi, QStringLiteral("Ritardo dei numeri"));
    connect(filtra, &QPushButton::clicked, this, &Ventrallo::FiltraNumeriDellePrevisioni);
    connect(tutti, &QPushButton::clicked, this, [this] {
        Griglia& g = fgRit_->griglia();
        for (int r = 1; r < g.righe(); ++r) g.nascondiRiga(r, false);
        fgRit_->aggiorna();
    });

    auto* memo = new QWidget(ssTab2);
    auto* lm = new QVBoxLayout(memo);
    fgSerie_ = new VistaGriglia("FgSerie", memo);
    fgSerie_->griglia().impostaIntestazione("CC|N1 |N2 |N3 |N4 |N5 |N6 |N7 |N8 ");
    fgSerie_->aggiorna();
    fgSerie_->horizontalHeader()->setDefaultSectionSize(40);
    auto* svuota = pulsante(memo, "Command21", QStringLiteral("Svuota"));
    svuota->setToolTip(QStringLiteral("Svuota il memo serie"));
    auto* copia = pulsante(memo, "Command32", QStringLiteral("Copia numeri riga in selezione"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(copia);
    comandi->addWidget(svuota);
    comandi->addStretch(1);
    lm->addWidget(fgSerie_, 1);
    lm->addLayout(comandi);
    ssTab2->addTab(memo, QStringLiteral("Memo serie"));

    connect(svuota, &QPushButton::clicked, this, [this] {
        fgSerie_->griglia().impostaRighe(1);
        fgSerie_->aggiorna();
    });
    connect(copia, &QPushButton::clicked, this, &Ventrallo::copiaMemoInSelezione);
    return ssTab2;
}

QWidget* Ventrallo::creaPrevisioni() {
    auto* riquadro = new QGroupBox(QStringLiteral("Previsioni"), this);
    auto* layout = new QGridLayout(riquadro);
    fgZZ_ = new VistaGriglia("Fg_ZZ", riquadro);
    impostaIntestazioneFgZZ(fgZZ_->griglia());
    fgZZ_->aggiorna();
    // All nine forecasts in sight, every header whole.
    fgZZ_->horizontalHeader()->setDefaultSectionSize(30);
    fgZZ_->adattaColonne();
    fgZZ_->verticalHeader()->setDefaultSectionSize(22);
    fgZZ_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fgZZ_->setFixedHeight(AnalisiIndice::MaxPrevisioni * 22 + fgZZ_->horizontalHeader()->sizeHint().height() +
                          2 * fgZZ_->frameWidth());
    lblT_ = etichetta(riquadro, "Lbl_T");
    lblS_ = etichetta(riquadro, "Lbl_S");
    for (QLabel* l : {lblT_, lblS_}) {
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(50);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
    }
    fgZZ_->griglia().impostaModificabile(true);
    auto* copia = pulsante(riquadro, "Command4", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(riquadro, "Command6", QStringLiteral("Stampa grid"));
    auto* sfaldamenti = pulsante(riquadro, "Cmd_VerificaPrevisioni", QStringLiteral("Visualizza sfaldamenti"));
    auto* rimuove = pulsante(riquadro, "Cmd_Rimuove", QStringLiteral("Rimuove riga selezionata"));
    auto* azzera = pulsante(riquadro, "Command28", QStringLiteral("Azzera la grid delle previsioni"));
    auto* inSelezione = pulsante(riquadro, "Command30", QStringLiteral("Copia numeri riga in selezione"));
    auto* tutte = new EtichettaCliccabile(QStringLiteral("Label16"), QStringLiteral("Seleziona tutti"), riquadro);
    auto* nessuna = new EtichettaCliccabile(QStringLiteral("Label15"), QStringLiteral("Deseleziona"), riquadro);
    auto* riepilogo = pulsante(riquadro, "Command10", QStringLiteral("Riepilogo statistico"));
    layout->setVerticalSpacing(4);
    auto* contatori = new QHBoxLayout;
    contatori->setSpacing(8);
    contatori->addWidget(tutte);
    contatori->addWidget(nessuna);
    contatori->addStretch(1);
    contatori->addWidget(new QLabel(QStringLiteral("Coperti"), riquadro));
    contatori->addWidget(lblT_);
    contatori->addWidget(new QLabel(QStringLiteral("Scoperti"), riquadro));
    contatori->addWidget(lblS_);
    layout->addWidget(fgZZ_, 0, 0, 1, 2);
    layout->addLayout(contatori, 1, 0, 1, 2);
    QWidget* comandi[][2] = {{sfaldamenti, azzera}, {rimuove, riepilogo}, {inSelezione, copia},
                             {stampa, pulsanteHelp("Command39")}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c) layout->addWidget(comandi[r][c], r + 2, c);
    connect(copia, &QPushButton::clicked, fgZZ_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { fgZZ_->stampaConDialogo(QString(), QPageLayout::Landscape, 450); });
    connect(sfaldamenti, &QPushButton::clicked, this, &Ventrallo::VisualizzaSfaldamenti);
    connect(riepilogo, &QPushButton::clicked, this, &Ventrallo::RiepilogoStatistico);
    connect(rimuove, &QPushButton::clicked, this, &Ventrallo::RimuoveRigaSelezionata);
    connect(azzera, &QPushButton::clicked, this, &Ventrallo::AzzeraPrevisioni);
    connect(inSelezione, &QPushButton::clicked, this, &Ventrallo::CopiaNumeriPrevisioneInSelezione);
    connect(tutte, &EtichettaCliccabile::clic, this, [this] { attivaTutte(true); });
    connect(nessuna, &EtichettaCliccabile::clic, this, [this] { attivaTutte(false); });
    connect(fgZZ_, &VistaGriglia::doppioClic, this, [this](int riga, int colonna) {
        if (colonna == 1 || riga < 1 || riga > static_cast<int>(metodo_.analisi.previsioni.size())) return;
        Previsione& p = metodo_.analisi.previsioni[riga - 1];
        p.attiva = !p.attiva;
        mostraPrevisioni();
    });
    connect(fgZZ_, &VistaGriglia::cellaModificata, this, &Ventrallo::modificaSorte);
    return riquadro;
}

}  // namespace quorvane
