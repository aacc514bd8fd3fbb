#include "analyses/ui/FinestraSistemiOrtogonali.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "analyses/db/DatabaseSistemi.h"
#include "core/Colori.h"
#include "core/db/DatabaseProgramma.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 510;
constexpr int MargineStampa = 400;

void colonneStrette(VistaGriglia* v, int larghezza) {
    v->aggiornaCambi();  // the columns must be in the view to take a width
    for (int c = 0; c < v->griglia().colonne(); ++c) v->setColumnWidth(c, larghezza);
}
}  // namespace

FinestraSistemiOrtogonali::FinestraSistemiOrtogonali(DatabaseProgramma& programma, QWidget* padre)
    : QWidget(padre), programma_(programma) {
    setObjectName(QStringLiteral("SistemiOrtogonali"));
    setWindowTitle(QStringLiteral("Sistemi ortogonali"));

    tabellaSistemi_ = new VistaGriglia("FgSistemi", this);
    tabellaSistemi_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabellaSistemi_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabellaSistemi_->setToolTip(QStringLiteral("Doppio clic per caricare il sistema"));
    connect(tabellaSistemi_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        if (riga >= 1) caricaSistema();
    });
    tabellaRigheSalvate_ = new VistaGriglia("FGSv1", this);
    riempiRigheSalvate(tabellaRigheSalvate_->griglia(), {});
    // "Num" heads a column of 90 marks, far wider than the view: centred, its name fell outside.
    tabellaRigheSalvate_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabellaSistemaBase_ = new VistaGriglia("FgSy", this);
    tabellaSostituzioni_ = new VistaGriglia("Fg99", this);
    tabellaSviluppo_ = new VistaGriglia("fG88", this);
    for (VistaGriglia* v : {tabellaSistemaBase_, tabellaSviluppo_}) {
        SviluppoSistema().riempiSviluppo(v->griglia());
        colonneStrette(v, 32);
    }
    sviluppo_.riempiSostituzioni(tabellaSostituzioni_->griglia());
    colonneStrette(tabellaSostituzioni_, 40);
    // Room for every column and the vertical scroll bar: these grids never scroll sideways.
    const int bordi = 2 * tabellaSistemaBase_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    tabellaSistemaBase_->setFixedWidth(11 * 32 + bordi);
    tabellaSostituzioni_->setFixedWidth(2 * 40 + bordi);

    pannelloNumeri_ = new VistaGriglia("Fg99x", this);
    pannelloNumeri_->setSelectionMode(QAbstractItemView::NoSelection);
    pannelloNumeri_->horizontalHeader()->hide();
    sviluppo_.riempiPannello(pannelloNumeri_->griglia());
    colonneStrette(pannelloNumeri_, 30);
    pannelloNumeri_->setFixedSize(
        15 * 30 + 2 * pannelloNumeri_->frameWidth(),
        6 * pannelloNumeri_->verticalHeader()->defaultSectionSize() + 2 * pannelloNumeri_->frameWidth());
    pannelloNumeri_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pannelloNumeri_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(pannelloNumeri_, &VistaGriglia::clic, this, &FinestraSistemiOrtogonali::scegliNumero);

    etichettaScelti_ = etichetta(this, "Label20", QStringLiteral("0"));
    etichettaScelti_->setAlignment(Qt::AlignCenter);
    etichettaScelti_->setMinimumWidth(44);
    etichettaScelti_->setFrameShape(QFrame::Panel);
    etichettaScelti_->setFrameShadow(QFrame::Sunken);

    auto* ricaricaP = pulsante(this, "Command12", QStringLiteral("RICARICA"));
    auto* preparaP = pulsante(this, "Command34", QStringLiteral("PREPARA"));
    auto* sostituisciP = pulsante(this, "Command36", QStringLiteral("SOSTITUISCI ----->>>>>"));
    auto* stampaP = pulsante(this, "Command9", QStringLiteral("Stampa formazioni"));
    auto* copiaP = pulsante(this, "Command44", QStringLiteral("Copia tabella"));
    auto* helpP = pulsante(this, "CmDHelp", QStringLiteral("Help in linea"));
    connect(ricaricaP, &QPushButton::clicked, this, &FinestraSistemiOrtogonali::ricarica);
    connect(preparaP, &QPushButton::clicked, this, &FinestraSistemiOrtogonali::prepara);
    connect(sostituisciP, &QPushButton::clicked, this, &FinestraSistemiOrtogonali::sostituisci);
    connect(stampaP, &QPushButton::clicked, this, [this] {
        tabellaSviluppo_->stampaConDialogo(QStringLiteral("Sviluppo sistema selezionato"), QPageLayout::Portrait,
                                           MargineStampa);
    });
    connect(copiaP, &QPushButton::clicked, this, [this] { tabellaSviluppo_->copiaTabella(); });
    connect(helpP, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });

    // Left: the systems above; below, the one loaded, as stored and in base numbers, and the
    // substitution table.
    auto* elenco = new QVBoxLayout;
    elenco->addWidget(new QLabel(QStringLiteral("<b>Sistemi memorizzati</b> (doppio clic per caricarne uno)"), this));
    elenco->addWidget(tabellaSistemi_, 1);
    elenco->addWidget(ricaricaP);
    auto* dettaglio = new QGridLayout;
    dettaglio->addWidget(new QLabel(QStringLiteral("<b>Sistema in numeri base</b>"), this), 0, 0);
    dettaglio->addWidget(new QLabel(QStringLiteral("Sostituzioni"), this), 0, 1);
    dettaglio->addWidget(new QLabel(QStringLiteral("Righe memorizzate"), this), 0, 2);
    dettaglio->addWidget(tabellaSistemaBase_, 1, 0, 2, 1);
    dettaglio->addWidget(tabellaSostituzioni_, 1, 1);
    dettaglio->addWidget(preparaP, 2, 1);
    dettaglio->addWidget(tabellaRigheSalvate_, 1, 2, 2, 1);
    dettaglio->setColumnStretch(2, 1);
    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(elenco, 2);
    sinistra->addLayout(dettaglio, 3);

    // Right: the panel, the count of chosen numbers and the development.
    auto* conteggio = new QHBoxLayout;
    conteggio->addWidget(new QLabel(QStringLiteral("QN"), this));
    conteggio->addWidget(etichettaScelti_);
    conteggio->addStretch(1);
    conteggio->addWidget(sostituisciP);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(stampaP);
    pulsanti->addWidget(copiaP);
    pulsanti->addStretch(1);
    pulsanti->addWidget(helpP);
    auto* destra = new QVBoxLayout;
    destra->addWidget(new QLabel(QStringLiteral("<b>Numeri da giocare</b>"), this));
    destra->addWidget(pannelloNumeri_);
    destra->addLayout(conteggio);
    destra->addWidget(new QLabel(QStringLiteral("<b>Sviluppo</b>"), this));
    destra->addWidget(tabellaSviluppo_, 1);
    destra->addLayout(pulsanti);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(sinistra, 1);
    layout->addLayout(destra, 0);
    resize(1260, 760);
    installaHelp(this, ArgomentoHelp);

    ricarica();
}

void FinestraSistemiOrtogonali::ricarica() {
    QString errore;
    const auto sistemi = leggiElencoSistemi(programma_.db(), &errore);
    riempiElencoSistemi(tabellaSistemi_->griglia(), sistemi.value_or(std::vector<VoceSistema>{}));
    Griglia& g = tabellaSistemi_->griglia();
    g.nascondiColonna(1);
    g.nascondiColonna(3);
    tabellaSistemi_->aggiornaCambi();  // column 2 must be in the view to stretch
    tabellaSistemi_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

void FinestraSistemiOrtogonali::caricaSistema() {
    const Griglia& elenco = tabellaSistemi_->griglia();
    const int riga = elenco.rigaCorrente();
    if (riga < 1 || riga >= elenco.righe()) return;
    QString errore;
    const auto righe = leggiRigheSistema(programma_.db(), static_cast<long long>(elenco.valore(riga, 1)), &errore);
    riempiRigheSalvate(tabellaRigheSalvate_->griglia(), righe.value_or(std::vector<RigaSalvata>{}));
    tabellaRigheSalvate_->adattaColonne();
    // FgSy starts empty whatever happens: a failed reading leaves it as far as it got.
    const bool letto = sviluppo_.carica(righe.value_or(std::vector<RigaSalvata>{})) && righe;
    sviluppo_.riempiSistemaBase(tabellaSistemaBase_->griglia());
    if (!letto) {
        Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QString(), QStringLiteral("errore"));
        return;
    }
    prepara();
}

void FinestraSistemiOrtogonali::prepara() {
    sviluppo_.prepara();
    sviluppo_.riempiSostituzioni(tabellaSostituzioni_->griglia());
    sviluppo_.riempiSviluppo(tabellaSviluppo_->griglia());
    mostraScelta();
}

void FinestraSistemiOrtogonali::scegliNumero(int riga, int colonna) {
    const int numero = numeroPannello(riga, colonna);
    if (numero == 0) return;
    sviluppo_.scegli(numero);
    mostraScelta();
}

void FinestraSistemiOrtogonali::mostraScelta() {
    sviluppo_.riempiPannello(pannelloNumeri_->griglia());
    etichettaScelti_->setText(QString::number(sviluppo_.scelti()));
    sfondoEtichetta(etichettaScelti_, sviluppo_.sceltaCompleta() ? Verde : Giallo);
}

void FinestraSistemiOrtogonali::sostituisci() {
    const Griglia& elenco = tabellaSistemi_->griglia();
    const int riga = elenco.rigaCorrente();
    const int sviluppo = riga >= 0 && riga < elenco.righe() ? static_cast<int>(elenco.valore(riga, 3)) : 0;
    sviluppo_.sostituisci(sviluppo);
    sviluppo_.riempiSostituzioni(tabellaSostituzioni_->griglia());
    sviluppo_.riempiSviluppo(tabellaSviluppo_->griglia());
}

}  // namespace quorvane
