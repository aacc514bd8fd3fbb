#include "archive/ui/PaginaGestione.h"

#include <QCalendarWidget>
#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "archive/ui/CasellaNumero.h"
#include "archive/ui/ControlliArchivio.h"
#include "archive/ui/RiquadroCalendario.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {

namespace {
QString qtesto(const std::string& s) {
    return QString::fromStdString(s);
}

Data oggi() {
    const QDate d = QDate::currentDate();
    return Data{d.year(), d.month(), d.day()};
}
}  // namespace

PaginaGestione::PaginaGestione(FinestraPrincipale& principale, QWidget* padre)
    : QWidget(padre), principale_(principale), sessione_(principale.sessione()) {
    auto* colonne = new QHBoxLayout;
    colonne->addLayout(creaEstrazioneCorrente(), 3);
    colonne->addLayout(creaDataEComandi(), 2);
    calendario_ = new RiquadroCalendario(sessione_, this);
    connect(calendario_, &RiquadroCalendario::giornoScelto, this, &PaginaGestione::sceltaGiorno);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(colonne);
    layout->addWidget(calendario_, 1);
    impostaCalendario(oggi());
}

QLayout* PaginaGestione::creaEstrazioneCorrente() {
    auto* corrente = new QGroupBox(QStringLiteral("Estrazione corrente"), this);
    riquadroCorrente_ = corrente;
    auto* griglia = new QGridLayout(corrente);
    etichettaIndice_ = etichettaIncorniciata("pAN_DC", corrente);
    etichettaIndice_->setCursor(Qt::PointingHandCursor);
    etichettaIndice_->setToolTip(QStringLiteral("Clic per digitare il numero indice"));
    etichettaIndice_->installEventFilter(this);
    etichettaData_ = etichettaIncorniciata("LBLESTRAZIONE", corrente);
    etichettaMensile_ = etichettaIncorniciata("LabelPM", corrente);
    etichettaAnnuale_ = etichettaIncorniciata("LabelPA", corrente);
    etichettaNumEstrazioni_ = etichettaIncorniciata("Label2", corrente);
    etichettaAggiornato_ = etichettaIncorniciata("LBLAGGIORNATO", corrente);
    const std::pair<const char*, QLabel*> voci[] = {
        {"Indice", etichettaIndice_},
        {"Data", etichettaData_},
        {"Mensile", etichettaMensile_},
        {"Annuale", etichettaAnnuale_},
        {"Num estraz", etichettaNumEstrazioni_},
        {"Dati aggiornati al", etichettaAggiornato_},
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
        auto* l = new QLabel(sigla, this);
        l->setAlignment(Qt::AlignCenter);
        caselle->addWidget(l, r - 1, 0);
        for (int p = 1; p <= NumPosizioni; ++p) {
            const int i = (r - 1) * NumPosizioni + p;
            auto* c = new CasellaNumero(i, this);
            connect(c, &CasellaNumero::sposta, this, [this](int d) { caselle_[d - 1]->setFocus(); });
            caselle_[i - 1] = c;
            caselle->addWidget(c, r - 1, p);
        }
    }

    sceltaEstrazione_ = new QScrollBar(Qt::Horizontal, this);
    sceltaEstrazione_->setObjectName(QStringLiteral("HScrestrazione"));
    sceltaEstrazione_->setMinimum(1);
    connect(sceltaEstrazione_, &QScrollBar::valueChanged, this, &PaginaGestione::cambioSlider);

    auto* vaiUltima = pulsante(this, "Command4", QStringLiteral("Vai ultima estrazione"));
    connect(vaiUltima, &QPushButton::clicked, this, [this] { impostaSlider(sessione_.archivio.NumEstrazioni()); });
    auto* perIndice = pulsante(this, "Command42", QStringLiteral("Ricerca per numero indice"));
    connect(perIndice, &QPushButton::clicked, this, &PaginaGestione::ricercaPerIndice);
    auto* perData = pulsante(this, "Command59", QStringLiteral("Ricerca per data"));
    connect(perData, &QPushButton::clicked, this, &PaginaGestione::ricercaPerData);
    auto* ricerche = new QHBoxLayout;
    ricerche->addWidget(vaiUltima);
    ricerche->addWidget(perIndice);
    ricerche->addWidget(perData);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(corrente);
    auto* riquadro = new QHBoxLayout;
    riquadro->addStretch(1);
    riquadro->addLayout(caselle);
    riquadro->addStretch(1);
    sinistra->addLayout(riquadro);
    sinistra->addWidget(sceltaEstrazione_);
    sinistra->addLayout(ricerche);
    sinistra->addStretch(1);
    return sinistra;
}

QLayout* PaginaGestione::creaDataEComandi() {
    calendarioData_ = new QCalendarWidget(this);
    calendarioData_->setObjectName(QStringLiteral("MonthView1"));
    calendarioData_->setGridVisible(true);
    calendarioData_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    dataSelezionata_ = new QLineEdit(this);
    dataSelezionata_->setObjectName(QStringLiteral("Text1"));
    casellaSolaLettura(dataSelezionata_);
    dataSelezionata_->setToolTip(QStringLiteral("La data che SALVA ESTRAZIONE registra: si sceglie sul calendario"));
    // The box only ever shows the calendar's date, however the calendar got it.
    connect(calendarioData_, &QCalendarWidget::selectionChanged, this,
            [this] { dataSelezionata_->setText(qtesto(dataCalendario().testo())); });
    auto* dataOdierna = pulsante(this, "Command9", QStringLiteral("Imposta data odierna"));
    connect(dataOdierna, &QPushButton::clicked, this, [this] { impostaCalendario(oggi()); });
    auto* dataCorrente = pulsante(this, "Command6", QStringLiteral("Imposta data"));
    dataCorrente->setToolTip(QStringLiteral("Porta il calendario alla data dell'estrazione corrente"));
    connect(dataCorrente, &QPushButton::clicked, this, [this] {
        if (auto d = Data::daTesto(dataCorrente_)) impostaCalendario(*d);
    });
    auto* data = new QHBoxLayout;
    data->addWidget(new QLabel(QStringLiteral("Data selezionata"), this));
    data->addWidget(dataSelezionata_);
    auto* date = new QHBoxLayout;
    date->addWidget(dataOdierna);
    date->addWidget(dataCorrente);

    auto* salva = pulsante(this, "Command8", QStringLiteral("SALVA ESTRAZIONE"));
    connect(salva, &QPushButton::clicked, this, &PaginaGestione::salvaEstrazione);
    auto* modifica = pulsante(this, "Command3", QStringLiteral("MODIFICA ESTRAZIONE"));
    connect(modifica, &QPushButton::clicked, this, &PaginaGestione::modificaEstrazione);
    auto* elimina = pulsante(this, "Command2", QStringLiteral("ELIMINA ESTRAZIONE"));
    connect(elimina, &QPushButton::clicked, this, &PaginaGestione::eliminaEstrazione);
    auto* azzera = pulsante(this, "Command1", QStringLiteral("AZZERA GRID "));
    connect(azzera, &QPushButton::clicked, this, [this] {
        for (auto* c : caselle_) c->clear();
    });
    auto* incolla = pulsante(this, "Command12", QStringLiteral("INCOLLA ESTRAZIONE"));
    connect(incolla, &QPushButton::clicked, this, &PaginaGestione::incollaEstrazione);
    auto* comandi = new QGridLayout;
    comandi->addWidget(salva, 0, 0);
    comandi->addWidget(modifica, 0, 1);
    comandi->addWidget(elimina, 1, 0);
    comandi->addWidget(azzera, 1, 1);
    comandi->addWidget(incolla, 2, 0);
    comandi->addWidget(pulsanteHelp("CmDHelp", this), 2, 1);

    auto* destra = new QVBoxLayout;
    destra->addWidget(calendarioData_);
    destra->addLayout(data);
    destra->addLayout(date);
    destra->addWidget(testoFisso(QStringLiteral("Attenzione: la data considerata è quella del calendario e "
                                                "riportata anche nella casella Data selezionata"),
                                 this));
    destra->addStretch(1);
    destra->addLayout(comandi);
    return destra;
}

// ---------------------------------------------------------------------------------------------
// Display.

void PaginaGestione::seguiArchivio() {
    mostraRiepilogo();
    cambioSlider(quorvane::seguiArchivio(sceltaEstrazione_, sessione_.archivio, dataCorrente_));
    calendario_->caricaCalendario();
}

void PaginaGestione::mostraRiepilogo() {
    const ArchivioEstrazioni& a = sessione_.archivio;
    etichettaAggiornato_->setText(a.contiene(a.NumEstrazioni()) ? qtesto(a.DateEstrazioni(a.NumEstrazioni()))
                                                                : QString());
    etichettaNumEstrazioni_->setText(QString::number(a.NumEstrazioni()));
}

void PaginaGestione::aggiornaRiepilogoArchivio() {
    mostraRiepilogo();
    impostaSlider(sessione_.archivio.NumEstrazioni());
}

// The slider's value always shows: set to the value it already has, the draw is shown again
// all the same, since the archive under it may have changed.
void PaginaGestione::impostaSlider(int valore) {
    if (sceltaEstrazione_->value() != valore) sceltaEstrazione_->setValue(valore);
    if (sceltaEstrazione_->value() == valore) cambioSlider(valore);
}

void PaginaGestione::cambioSlider(int valore) {
    const ArchivioEstrazioni& a = sessione_.archivio;
    if (valore < 1 || valore > a.NumEstrazioni()) return;
    estrazioneCorrente_ = valore;
    inInserimento_ = false;
    riquadroCorrente_->setTitle(QStringLiteral("Estrazione corrente"));
    etichettaIndice_->setText(QString::number(valore));
    dataCorrente_ = a.DateEstrazioni(valore);
    etichettaData_->setText(qtesto(dataCorrente_));
    mostraEstrazione();
}

void PaginaGestione::mostraEstrazione() {
    const ArchivioEstrazioni& a = sessione_.archivio;
    const int e = estrazioneCorrente_;
    for (int r = 1; r <= NumRuote; ++r)
        for (int p = 1; p <= NumPosizioni; ++p) {
            const int n = a.Estratti(e, r, p);
            caselle_[(r - 1) * NumPosizioni + p - 1]->setText(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
        }
    etichettaMensile_->setText(QString::number(a.ProgMese(e)));
    etichettaAnnuale_->setText(QString::number(a.ProgAnno(e)));
}

// ---------------------------------------------------------------------------------------------
// Navigation.

void PaginaGestione::ricercaPerIndice() {
    // The index search of this window starts from draw 20.
    if (auto indice = chiediIndice(this, sessione_.archivio); indice && *indice >= 20) impostaSlider(*indice);
}

void PaginaGestione::ricercaPerData() {
    if (auto indice = chiediData(this, sessione_.archivio)) impostaSlider(*indice);
}

void PaginaGestione::cliccaIndice() {
    auto risposta = Dialoghi::correnti().chiediTesto(
        this, QStringLiteral("Indice estrazione"), QStringLiteral("Digitare il numero indice"), QStringLiteral("3894"));
    if (!risposta) return;
    bool ok = false;
    const int indice = risposta->trimmed().toInt(&ok);
    if (ok && indice >= 1 && indice <= sessione_.archivio.NumEstrazioni()) impostaSlider(indice);
}

bool PaginaGestione::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == etichettaIndice_ && evento->type() == QEvent::MouseButtonRelease) {
        cliccaIndice();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void PaginaGestione::mostraEstrazioneScelta(int estrazione, const QString& data) {
    impostaSlider(estrazione);
    if (auto d = Data::daTesto(data.toStdString())) impostaCalendario(*d);
}

void PaginaGestione::sceltaGiorno(int estrazione, const Data& data) {
    if (estrazione > 0) impostaSlider(estrazione);
    impostaCalendario(data);
}

void PaginaGestione::impostaCalendario(const Data& data) {
    calendarioData_->setSelectedDate(QDate(data.anno, data.mese, data.giorno));
    // Also when the calendar already stood on that day and signalled nothing.
    dataSelezionata_->setText(qtesto(dataCalendario().testo()));
    if (inInserimento_) etichettaData_->setText(qtesto(dataCalendario().testo()));
}

Data PaginaGestione::dataCalendario() const {
    const QDate d = calendarioData_->selectedDate();
    return Data{d.year(), d.month(), d.day()};
}

}  // namespace quorvane
