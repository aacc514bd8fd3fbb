#include "archive/ui/Archivio.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "archive/GrigliaArchivio.h"
#include "archive/ui/CasellaNumero.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Container.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/Inizio.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
QLabel* etichetta(const char* nome, QWidget* padre) {
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(80);
    return l;
}

QString qtesto(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

Archivio::Archivio(Container& container, QWidget* padre)
    : QWidget(padre), container_(container), sessione_(container.sessione()) {
    setObjectName(QStringLiteral("archivio"));
    setWindowTitle(QStringLiteral("Gestione archivio DB"));

    tab_ = new QTabWidget(this);
    tab_->setObjectName(QStringLiteral("SSTab1"));
    tab_->addTab(creaGestione(), QStringLiteral("&Gestione estrazioni"));
    tab_->addTab(creaElenco(), QStringLiteral("Elenco estrazioni"));
    tab_->addTab(creaSalvataggi(), QStringLiteral("Salvataggi"));
    tab_->addTab(creaAggiornamenti(), QStringLiteral("Aggiornamenti"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tab_);
    resize(980, 840);
    installaHelp(this, ArgomentoHelp);

    // Window load: the stored draws read again, shown up to the newest.
    tab_->setCurrentIndex(0);
    connect(&sessione_, &Sessione::archivioRicaricato, this, &Archivio::archivioRicaricato);
    CaricaGrigliaArchivio();
    archivioRicaricato();
    AggiornaRiepilogoArchivio();
    fgDB_->adattaColonne(1, -1);
    impostaCalendario(Data{QDate::currentDate().year(), QDate::currentDate().month(), QDate::currentDate().day()});
}

QWidget* Archivio::pulsanteHelp(const char* nome, QWidget* padre) {
    auto* p = pulsante(padre, nome, QStringLiteral("Help in linea"));
    connect(p, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    return p;
}

QWidget* Archivio::creaGestione() {
    auto* pagina = new QWidget;

    auto* corrente = new QGroupBox(QStringLiteral("Estrazione corrente"), pagina);
    auto* griglia = new QGridLayout(corrente);
    pAN_DC_ = etichetta("pAN_DC", corrente);
    pAN_DC_->setCursor(Qt::PointingHandCursor);
    pAN_DC_->setToolTip(QStringLiteral("Clic per digitare il numero indice"));
    pAN_DC_->installEventFilter(this);
    lblEstrazione_ = etichetta("LBLESTRAZIONE", corrente);
    labelPM_ = etichetta("LabelPM", corrente);
    labelPA_ = etichetta("LabelPA", corrente);
    label2_ = etichetta("Label2", corrente);
    lblAggiornato_ = etichetta("LBLAGGIORNATO", corrente);
    const std::pair<const char*, QLabel*> voci[] = {
        {"Indice", pAN_DC_}, {"Data", lblEstrazione_}, {"Mensile", labelPM_},
        {"Annuale", labelPA_}, {"Num estraz", label2_}, {"Dati aggiornati al", lblAggiornato_},
    };
    for (int i = 0; i < 6; ++i) {
        griglia->addWidget(new QLabel(QString::fromUtf8(voci[i].first), corrente), 0, i, Qt::AlignCenter);
        griglia->addWidget(voci[i].second, 1, i);
    }

    auto* caselle = new QGridLayout;
    caselle->setHorizontalSpacing(4);
    caselle->setVerticalSpacing(2);
    for (int r = 1; r <= NumRuote; ++r) {
        const QString sigla = r == NumRuote ? QStringLiteral("NAZ") : qtesto(std::string(SiglaRuota[r]));
        auto* l = new QLabel(sigla, pagina);
        l->setAlignment(Qt::AlignCenter);
        caselle->addWidget(l, r - 1, 0);
        for (int p = 1; p <= NumPosizioni; ++p) {
            const int i = (r - 1) * NumPosizioni + p;
            auto* c = new CasellaNumero(i, pagina);
            connect(c, &CasellaNumero::sposta, this, [this](int d) { txtin_[d - 1]->setFocus(); });
            txtin_[i - 1] = c;
            caselle->addWidget(c, r - 1, p);
        }
    }

    hScrestrazione_ = new QScrollBar(Qt::Horizontal, pagina);
    hScrestrazione_->setObjectName(QStringLiteral("HScrestrazione"));
    hScrestrazione_->setMinimum(1);
    connect(hScrestrazione_, &QScrollBar::valueChanged, this, &Archivio::cambioSlider);

    auto* command4 = pulsante(pagina, "Command4", QStringLiteral("Vai ultima estrazione"));
    connect(command4, &QPushButton::clicked, this, [this] { impostaSlider(sessione_.archivio.NumEstrazioni()); });
    auto* command42 = pulsante(pagina, "Command42", QStringLiteral("Ricerca per numero indice"));
    connect(command42, &QPushButton::clicked, this, &Archivio::ricercaPerIndice);
    auto* command59 = pulsante(pagina, "Command59", QStringLiteral("Ricerca per data"));
    connect(command59, &QPushButton::clicked, this, &Archivio::ricercaPerData);
    auto* ricerche = new QHBoxLayout;
    ricerche->addWidget(command4);
    ricerche->addWidget(command42);
    ricerche->addWidget(command59);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(corrente);
    auto* riquadro = new QHBoxLayout;
    riquadro->addStretch(1);
    riquadro->addLayout(caselle);
    riquadro->addStretch(1);
    sinistra->addLayout(riquadro);
    sinistra->addWidget(hScrestrazione_);
    sinistra->addLayout(ricerche);
    sinistra->addStretch(1);

    monthView1_ = new QCalendarWidget(pagina);
    monthView1_->setObjectName(QStringLiteral("MonthView1"));
    monthView1_->setGridVisible(true);
    monthView1_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    text1_ = new QLineEdit(pagina);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    connect(monthView1_, &QCalendarWidget::clicked, this, [this] {
        text1_->setText(qtesto(dataCalendario().testo()));
        text1_->setFocus();
    });
    auto* command9 = pulsante(pagina, "Command9", QStringLiteral("Imposta data odierna"));
    connect(command9, &QPushButton::clicked, this, [this] {
        const QDate oggi = QDate::currentDate();
        impostaCalendario(Data{oggi.year(), oggi.month(), oggi.day()});
    });
    auto* command6 = pulsante(pagina, "Command6", QStringLiteral("Imposta data"));
    connect(command6, &QPushButton::clicked, this, [this] {
        if (auto d = Data::daTesto(lblEstrazione_->text().toStdString()))
            monthView1_->setSelectedDate(QDate(d->anno, d->mese, d->giorno));
    });
    auto* data = new QHBoxLayout;
    data->addWidget(new QLabel(QStringLiteral("Data selezionata"), pagina));
    data->addWidget(text1_);
    auto* date = new QHBoxLayout;
    date->addWidget(command9);
    date->addWidget(command6);

    auto* command8 = pulsante(pagina, "Command8", QStringLiteral("SALVA ESTRAZIONE"));
    connect(command8, &QPushButton::clicked, this, &Archivio::SALVA_ESTRAZIONE);
    auto* command3 = pulsante(pagina, "Command3", QStringLiteral("MODIFICA ESTRAZIONE"));
    connect(command3, &QPushButton::clicked, this, &Archivio::MODIFICA_ESTRAZIONE);
    auto* command2 = pulsante(pagina, "Command2", QStringLiteral("ELIMINA ESTRAZIONE"));
    connect(command2, &QPushButton::clicked, this, &Archivio::ELIMINA_ESTRAZIONE);
    auto* command1 = pulsante(pagina, "Command1", QStringLiteral("AZZERA GRID "));
    connect(command1, &QPushButton::clicked, this, [this] {
        for (auto* c : txtin_) c->clear();
    });
    auto* command12 = pulsante(pagina, "Command12", QStringLiteral("INCOLLA ESTRAZIONE"));
    connect(command12, &QPushButton::clicked, this, &Archivio::INCOLLA_ESTRAZIONE);
    auto* comandi = new QGridLayout;
    comandi->addWidget(command8, 0, 0);
    comandi->addWidget(command3, 0, 1);
    comandi->addWidget(command2, 1, 0);
    comandi->addWidget(command1, 1, 1);
    comandi->addWidget(command12, 2, 0);
    comandi->addWidget(pulsanteHelp("CmDHelp", pagina), 2, 1);

    auto* destra = new QVBoxLayout;
    destra->addWidget(monthView1_);
    destra->addLayout(data);
    destra->addLayout(date);
    destra->addWidget(testoFisso(QStringLiteral("Attenzione: la data considerata è quella del calendario e "
                                                "riportata anche nella casella Data selezionata"),
                                 pagina));
    destra->addStretch(1);
    destra->addLayout(comandi);

    auto* colonne = new QHBoxLayout;
    colonne->addLayout(sinistra, 3);
    colonne->addLayout(destra, 2);
    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(colonne);
    layout->addWidget(creaCalendario(), 1);
    return pagina;
}

QWidget* Archivio::creaElenco() {
    auto* pagina = new QWidget;
    fgDB_ = new VistaGriglia("FgDB", pagina);
    connect(fgDB_, &VistaGriglia::clic, this, [this](int riga, int) {
        Griglia& g = fgDB_->griglia();
        evidenziaRigaFgDB(g, riga);
        fgDB_->aggiornaCelle(1, 1, g.righe() - 1, g.colonne() - 1);
    });
    label9_ = etichetta("Label9", pagina);

    auto* command14 = pulsante(pagina, "Command14", QStringLiteral("Vai alla prima estrazione"));
    connect(command14, &QPushButton::clicked, this, [this] {
        fgDB_->griglia().impostaPrimaRigaMostrata(1);
        fgDB_->aggiorna();
    });
    auto* command13 = pulsante(pagina, "Command13", QStringLiteral("Vai ultima estrazione"));
    connect(command13, &QPushButton::clicked, this, [this] {
        fgDB_->griglia().impostaPrimaRigaMostrata(fgDB_->griglia().righe() - 1);
        fgDB_->aggiorna();
    });
    auto* command11 = pulsante(pagina, "Command11", QStringLiteral("Selezione estrazione"));
    connect(command11, &QPushButton::clicked, this, &Archivio::selezioneEstrazione);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(command14);
    comandi->addWidget(command13);
    comandi->addWidget(command11);
    comandi->addStretch(1);
    comandi->addWidget(new QLabel(QStringLiteral("Estrazioni"), pagina));
    comandi->addWidget(label9_);
    comandi->addWidget(pulsanteHelp("Command22", pagina));
    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(fgDB_, 1);
    layout->addLayout(comandi);
    return pagina;
}

QWidget* Archivio::creaAggiornamenti() {
    auto* pagina = new QWidget;
    fgImporta_ = new VistaGriglia("FgImporta", pagina);
    riempiFgImporta(fgImporta_->griglia(), {});
    fgImporta_->aggiorna();
    list4_ = new QListWidget(pagina);
    list4_->setObjectName(QStringLiteral("List4"));
    check3_ = new QCheckBox(QStringLiteral("Corregge estrazioni errate"), pagina);
    check3_->setObjectName(QStringLiteral("Check3"));

    auto* command21 = pulsante(pagina, "Command21", QStringLiteral("AGGIORNA DA FILE"));
    connect(command21, &QPushButton::clicked, this, &Archivio::AGGIORNA_DA_FILE);
    auto* importa = pulsante(pagina, "CmdImportaStorico", QStringLiteral("IMPORTA ARCHIVIO STORICO"));
    importa->setToolTip(QStringLiteral("Il file storico ufficiale delle estrazioni: una riga per data e ruota"));
    connect(importa, &QPushButton::clicked, this, &Archivio::IMPORTA_ARCHIVIO_STORICO);
    auto* scarica = pulsante(pagina, "CmdScaricaStorico", QStringLiteral("SCARICA ARCHIVIO UFFICIALE"));
    scarica->setToolTip(QStringLiteral("Scarica dal sito del concessionario il file storico ufficiale e lo controlla "
                                       "come IMPORTA ARCHIVIO STORICO"));
    connect(scarica, &QPushButton::clicked, this, &Archivio::SCARICA_ARCHIVIO_UFFICIALE);
    auto* command28 = pulsante(pagina, "Command28", QStringLiteral("AGGIORNAMENTO"));
    connect(command28, &QPushButton::clicked, this, &Archivio::AGGIORNAMENTO);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(command21);
    comandi->addWidget(importa);
    comandi->addWidget(scarica);
    comandi->addWidget(command28);
    comandi->addWidget(check3_);
    comandi->addStretch(1);
    comandi->addWidget(pulsanteHelp("Command25", pagina));

    auto* elenco = new QVBoxLayout;
    elenco->addWidget(new QLabel(QStringLiteral("Elenco estrazioni mancanti"), pagina));
    elenco->addWidget(list4_, 1);
    auto* note = new QVBoxLayout;
    note->addWidget(testoFisso(
        QStringLiteral("Lo sfondo arancione nella colonna della data identifica le estrazioni da importare"), pagina));
    note->addWidget(testoFisso(QStringLiteral("La data in rosso e lo sfondo di una ruota bianco identifica una "
                                              "estrazione  con errori in quella ruota"),
                               pagina));
    note->addWidget(testoFisso(QStringLiteral("Il controllo viene effettuato nelle ultime 100 estrazioni. Per "
                                              "l'archivio completo contattare il programmatore"),
                               pagina));
    note->addWidget(creaScarico(pagina));
    note->addStretch(1);
    auto* sotto = new QHBoxLayout;
    sotto->addLayout(elenco, 1);
    sotto->addLayout(note, 1);

    auto* layout = new QVBoxLayout(pagina);
    layout->addLayout(comandi);
    layout->addWidget(fgImporta_, 3);
    layout->addLayout(sotto, 2);
    return pagina;
}

// ---------------------------------------------------------------------------------------------
// Reload and display.

void Archivio::avanzamento(int valore, int massimo) { mostraAvanzamento(container_.Pb1(), valore, massimo); }

bool Archivio::CaricaArchivioExNovo() {
    const BarraLavoro barra(container_.Pb1());
    QString errore;
    // The bar is touched every 50 draws only: a repaint per draw would cost more than the load.
    const auto progresso = [this](int i, int n) {
        if (i % 50 == 0 || i == n) avanzamento(i, n);
    };
    if (sessione_.caricaArchivio(TipoCaricamento::Ricarica, progresso, &errore)) return true;
    Dialoghi::correnti().messaggio(this, QMessageBox::Critical, QStringLiteral("Avviso"),
                                   Inizio::MessaggioCaricamento + QStringLiteral("\n") + errore);
    return false;
}

void Archivio::CaricaGrigliaArchivio() {
    QString errore;
    sessione_.caricaArchivio(TipoCaricamento::SoloEstratti, {}, &errore);
}

// Every reload, whoever asked for it: the list, the summary, the current draw (kept when it
// still exists) and the calendar of the year chosen.
void Archivio::archivioRicaricato() {
    const std::vector<RigaArchivio>& righe = sessione_.righeArchivio();
    Griglia& g = fgDB_->griglia();
    riempiFgDB(g, righe);
    g.impostaPrimaRigaMostrata(g.righe() - 1);
    fgDB_->aggiorna();
    label9_->setText(QString::number(righe.size()));
    mostraRiepilogo();
    cambioSlider(seguiArchivio(hScrestrazione_, sessione_.archivio, lblEstrazione_->text().toStdString()));
    Carica_calendario();
}

void Archivio::mostraRiepilogo() {
    const ArchivioEstrazioni& a = sessione_.archivio;
    lblAggiornato_->setText(a.contiene(a.NumEstrazioni()) ? qtesto(a.DateEstrazioni(a.NumEstrazioni())) : QString());
    label2_->setText(QString::number(a.NumEstrazioni()));
}

void Archivio::AggiornaRiepilogoArchivio() {
    mostraRiepilogo();
    impostaSlider(sessione_.archivio.NumEstrazioni());
}

// The slider's value always shows: set to the value it already has, the draw is shown again
// all the same, since the archive under it may have changed.
void Archivio::impostaSlider(int valore) {
    if (hScrestrazione_->value() != valore) hScrestrazione_->setValue(valore);
    if (hScrestrazione_->value() == valore) cambioSlider(valore);
}

void Archivio::cambioSlider(int valore) {
    const ArchivioEstrazioni& a = sessione_.archivio;
    if (valore < 1 || valore > a.NumEstrazioni()) return;
    estrazioneCorrente_ = valore;
    pAN_DC_->setText(QString::number(valore));
    lblEstrazione_->setText(qtesto(a.DateEstrazioni(valore)));
    CaricaTabellaArchivio();
}

void Archivio::CaricaTabellaArchivio() {
    const ArchivioEstrazioni& a = sessione_.archivio;
    const int e = estrazioneCorrente_;
    for (int r = 1; r <= NumRuote; ++r)
        for (int p = 1; p <= NumPosizioni; ++p) {
            const int n = a.Estratti(e, r, p);
            txtin_[(r - 1) * NumPosizioni + p - 1]->setText(
                QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
        }
    labelPM_->setText(QString::number(a.ProgMese(e)));
    labelPA_->setText(QString::number(a.ProgAnno(e)));
}

// ---------------------------------------------------------------------------------------------
// Navigation.

void Archivio::ricercaPerIndice() {
    // The index search of this window starts from draw 20.
    if (auto indice = chiediIndice(this, sessione_.archivio); indice && *indice >= 20) impostaSlider(*indice);
}

void Archivio::ricercaPerData() {
    if (auto indice = chiediData(this, sessione_.archivio)) impostaSlider(*indice);
}

void Archivio::cliccaIndice() {
    auto risposta = Dialoghi::correnti().chiediTesto(this, QStringLiteral("Indice estrazione"),
                                                     QStringLiteral("Digitare il numero indice"),
                                                     QStringLiteral("3894"));
    if (!risposta) return;
    bool ok = false;
    const int indice = risposta->trimmed().toInt(&ok);
    if (ok && indice >= 1 && indice <= sessione_.archivio.NumEstrazioni()) impostaSlider(indice);
}

bool Archivio::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == pAN_DC_ && evento->type() == QEvent::MouseButtonRelease) {
        cliccaIndice();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void Archivio::selezioneEstrazione() {
    const Griglia& g = fgDB_->griglia();
    const int riga = g.rigaCorrente();
    if (riga < 1 || riga >= g.righe()) return;
    impostaSlider(riga);
    if (auto d = Data::daTesto(g.testo(riga, 1))) monthView1_->setSelectedDate(QDate(d->anno, d->mese, d->giorno));
    text1_->setText(qtesto(g.testo(riga, 1)));
    tab_->setCurrentIndex(0);
}

void Archivio::impostaCalendario(const Data& data) {
    monthView1_->setSelectedDate(QDate(data.anno, data.mese, data.giorno));
    text1_->setText(qtesto(dataCalendario().testo()));
}

Data Archivio::dataCalendario() const {
    const QDate d = monthView1_->selectedDate();
    return Data{d.year(), d.month(), d.day()};
}

}  // namespace quorvane
