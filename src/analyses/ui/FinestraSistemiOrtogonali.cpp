#include "analyses/ui/SistemiOrtogonali.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "analyses/db/DatabaseSistemi.h"
#include "core/ui/Controlli.h"
#include "core/Colori.h"
#include "core/db/DatabaseProgramma.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 510;
constexpr int MargineStampa = 400;

void colonneStrette(VistaGriglia* v, int larghezza) {
    for (int c = 0; c < v->griglia().colonne(); ++c) v->setColumnWidth(c, larghezza);
}
}  // namespace

SistemiOrtogonali::SistemiOrtogonali(DatabaseProgramma& programma, QWidget* padre)
    : QWidget(padre), programma_(programma) {
    setObjectName(QStringLiteral("SistemiOrtogonali"));
    setWindowTitle(QStringLiteral("Sistemi ortogonali"));

    fgSistemi_ = new VistaGriglia("FgSistemi", this);
    fgSistemi_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgSistemi_->setSelectionMode(QAbstractItemView::SingleSelection);
    fgSistemi_->setToolTip(QStringLiteral("Doppio clic per caricare il sistema"));
    connect(fgSistemi_, &VistaGriglia::doppioClic, this, [this](int riga, int) {
        if (riga >= 1) caricaSistema();
    });
    fgSv1_ = new VistaGriglia("FGSv1", this);
    riempiRigheSalvate(fgSv1_->griglia(), {});
    fgSv1_->aggiorna();
    fgSy_ = new VistaGriglia("FgSy", this);
    fg99_ = new VistaGriglia("Fg99", this);
    fG88_ = new VistaGriglia("fG88", this);
    for (VistaGriglia* v : {fgSy_, fG88_}) {
        SviluppoSistema().riempiSviluppo(v->griglia());
        v->aggiorna();
        colonneStrette(v, 32);
    }
    sviluppo_.riempiFg99(fg99_->griglia());
    fg99_->aggiorna();
    colonneStrette(fg99_, 40);
    // Room for every column and the vertical scroll bar: these grids never scroll sideways.
    const int bordi = 2 * fgSy_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    fgSy_->setFixedWidth(11 * 32 + bordi);
    fg99_->setFixedWidth(2 * 40 + bordi);

    fg99x_ = new VistaGriglia("Fg99x", this);
    fg99x_->setSelectionMode(QAbstractItemView::NoSelection);
    fg99x_->horizontalHeader()->hide();
    sviluppo_.riempiPannello(fg99x_->griglia());
    fg99x_->aggiorna();
    colonneStrette(fg99x_, 30);
    fg99x_->setFixedSize(15 * 30 + 2 * fg99x_->frameWidth(),
                         6 * fg99x_->verticalHeader()->defaultSectionSize() + 2 * fg99x_->frameWidth());
    fg99x_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fg99x_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(fg99x_, &VistaGriglia::clic, this, &SistemiOrtogonali::scegliNumero);

    label20_ = etichetta(this, "Label20", QStringLiteral("0"));
    label20_->setAlignment(Qt::AlignCenter);
    label20_->setMinimumWidth(44);
    label20_->setFrameShape(QFrame::Panel);
    label20_->setFrameShadow(QFrame::Sunken);

    auto* ricaricaP = pulsante(this, "Command12", QStringLiteral("RICARICA"));
    auto* preparaP = pulsante(this, "Command34", QStringLiteral("PREPARA"));
    auto* sostituisciP = pulsante(this, "Command36", QStringLiteral("SOSTITUISCI ----->>>>>"));
    auto* stampaP = pulsante(this, "Command9", QStringLiteral("Stampa formazioni"));
    auto* copiaP = pulsante(this, "Command44", QStringLiteral("Copia tabella"));
    auto* helpP = pulsante(this, "CmDHelp", QStringLiteral("Help in linea"));
    connect(ricaricaP, &QPushButton::clicked, this, &SistemiOrtogonali::ricarica);
    connect(preparaP, &QPushButton::clicked, this, &SistemiOrtogonali::prepara);
    connect(sostituisciP, &QPushButton::clicked, this, &SistemiOrtogonali::sostituisci);
    connect(stampaP, &QPushButton::clicked, this, [this] {
        fG88_->stampaConDialogo(QStringLiteral("Sviluppo sistema selezionato"), QPageLayout::Portrait, MargineStampa);
    });
    connect(copiaP, &QPushButton::clicked, this, [this] { fG88_->copiaTabella(); });
    connect(helpP, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });

    // Left: the systems above; below, the one loaded, as stored and in base numbers, and the
    // substitution table.
    auto* elenco = new QVBoxLayout;
    elenco->addWidget(new QLabel(QStringLiteral("<b>Sistemi memorizzati</b> (doppio clic per caricarne uno)"), this));
    elenco->addWidget(fgSistemi_, 1);
    elenco->addWidget(ricaricaP);
    auto* dettaglio = new QGridLayout;
    dettaglio->addWidget(new QLabel(QStringLiteral("<b>Sistema in numeri base</b>"), this), 0, 0);
    dettaglio->addWidget(new QLabel(QStringLiteral("Sostituzioni"), this), 0, 1);
    dettaglio->addWidget(new QLabel(QStringLiteral("Righe memorizzate"), this), 0, 2);
    dettaglio->addWidget(fgSy_, 1, 0, 2, 1);
    dettaglio->addWidget(fg99_, 1, 1);
    dettaglio->addWidget(preparaP, 2, 1);
    dettaglio->addWidget(fgSv1_, 1, 2, 2, 1);
    dettaglio->setColumnStretch(2, 1);
    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(elenco, 2);
    sinistra->addLayout(dettaglio, 3);

    // Right: the panel, the count of chosen numbers and the development.
    auto* conteggio = new QHBoxLayout;
    conteggio->addWidget(new QLabel(QStringLiteral("QN"), this));
    conteggio->addWidget(label20_);
    conteggio->addStretch(1);
    conteggio->addWidget(sostituisciP);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(stampaP);
    pulsanti->addWidget(copiaP);
    pulsanti->addStretch(1);
    pulsanti->addWidget(helpP);
    auto* destra = new QVBoxLayout;
    destra->addWidget(new QLabel(QStringLiteral("<b>Numeri da giocare</b>"), this));
    destra->addWidget(fg99x_);
    destra->addLayout(conteggio);
    destra->addWidget(new QLabel(QStringLiteral("<b>Sviluppo</b>"), this));
    destra->addWidget(fG88_, 1);
    destra->addLayout(pulsanti);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(sinistra, 1);
    layout->addLayout(destra, 0);
    resize(1260, 760);
    installaHelp(this, ArgomentoHelp);

    ricarica();
}

void SistemiOrtogonali::ricarica() {
    QString errore;
    const auto sistemi = leggiElencoSistemi(programma_.db(), &errore);
    riempiElencoSistemi(fgSistemi_->griglia(), sistemi.value_or(std::vector<VoceSistema>{}));
    Griglia& g = fgSistemi_->griglia();
    g.nascondiColonna(1);
    g.nascondiColonna(3);
    fgSistemi_->aggiorna();
    fgSistemi_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
}

void SistemiOrtogonali::caricaSistema() {
    const Griglia& elenco = fgSistemi_->griglia();
    const int riga = elenco.rigaCorrente();
    if (riga < 1 || riga >= elenco.righe()) return;
    QString errore;
    const auto righe = leggiRigheSistema(programma_.db(), static_cast<long long>(elenco.valore(riga, 1)), &errore);
    riempiRigheSalvate(fgSv1_->griglia(), righe.value_or(std::vector<RigaSalvata>{}));
    fgSv1_->aggiorna();
    fgSv1_->adattaColonne();
    // FgSy starts empty whatever happens: a failed reading leaves it as far as it got.
    const bool letto = sviluppo_.carica(righe.value_or(std::vector<RigaSalvata>{})) && righe;
    sviluppo_.riempiFgSy(fgSy_->griglia());
    fgSy_->aggiorna();
    if (!letto) {
        Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QString(), QStringLiteral("errore"));
        return;
    }
    prepara();
}

void SistemiOrtogonali::prepara() {
    sviluppo_.prepara();
    sviluppo_.riempiFg99(fg99_->griglia());
    fg99_->aggiorna();
    sviluppo_.riempiSviluppo(fG88_->griglia());
    fG88_->aggiorna();
    mostraScelta();
}

void SistemiOrtogonali::scegliNumero(int riga, int colonna) {
    const int numero = numeroPannello(riga, colonna);
    if (numero == 0) return;
    sviluppo_.scegli(numero);
    mostraScelta();
}

void SistemiOrtogonali::mostraScelta() {
    sviluppo_.riempiPannello(fg99x_->griglia());
    fg99x_->aggiornaCelle(0, 0, 5, 14);
    label20_->setText(QString::number(sviluppo_.scelti()));
    sfondoEtichetta(label20_, sviluppo_.sceltaCompleta() ? Verde : Giallo);
}

void SistemiOrtogonali::sostituisci() {
    const Griglia& elenco = fgSistemi_->griglia();
    const int riga = elenco.rigaCorrente();
    const int sviluppo = riga >= 0 && riga < elenco.righe() ? static_cast<int>(elenco.valore(riga, 3)) : 0;
    sviluppo_.sostituisci(sviluppo);
    sviluppo_.riempiFg99(fg99_->griglia());
    fg99_->aggiornaCelle(1, 1, fg99_->griglia().righe() - 1, 1);
    sviluppo_.riempiSviluppo(fG88_->griglia());
    fG88_->aggiorna();
}

}  // namespace quorvane
