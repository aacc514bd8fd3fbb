#include "core/ui/FinestraPrincipale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/CalendarioEstrazioni.h"
#include "core/Colori.h"
#include "core/ElencoEstrazioni.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Help.h"
#include "core/ui/Informazioni.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 310;

struct Modulo {
    const char* pulsante;
    const char* testo;
    const char* finestra;
};
constexpr Modulo moduli[] = {
    {"Command1", "Gestione archivio", "archivio"},
    {"Command2", "Quorvane", "Ventrallo"},
    {"Command3", "Quadrature", "Quadrature"},
    {"Command5", "Mini elenco estrazioni", "Estrazioni_minielenco"},
    {"Command6", "Sistemi ortogonali", "SistemiOrtogonali"},
    {"Command7", "Ripetizione numeri", "Ripetizionenumeri"},
    {"CmdStatistiche", "Statistiche", "Statistiche"},
    {"CmdNumeriSpia", "Numeri spia", "NumeriSpia"},
    {"CmdTabellone", "Tabellone analitico", "TabelloneAnalitico"},
};

QLabel* etichettaPeriodo(QWidget* padre, const char* nome, const QString& testo) {
    auto* l = new QLabel(testo, padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(90);
    return l;
}

QString coloreCss(Colore c) {
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}
}  // namespace

std::map<QString, FinestraPrincipale::Fabbrica>& FinestraPrincipale::fabbriche() {
    static std::map<QString, Fabbrica> elenco;
    return elenco;
}

void FinestraPrincipale::registraModulo(const QString& nome, Fabbrica fabbrica) {
    fabbriche()[nome] = std::move(fabbrica);
}

std::vector<std::function<void(FinestraPrincipale&)>>& FinestraPrincipale::azioniAvvio() {
    static std::vector<std::function<void(FinestraPrincipale&)>> elenco;
    return elenco;
}

void FinestraPrincipale::registraAvvio(std::function<void(FinestraPrincipale&)> azione) {
    azioniAvvio().push_back(std::move(azione));
}

FinestraPrincipale::FinestraPrincipale(Sessione& sessione, QWidget* padre) : QMainWindow(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Container"));
    setWindowTitle(QStringLiteral("Quorvane"));

    auto* centro = new QWidget(this);
    tabellaEstrazioni_ = new VistaGriglia("fgpa", centro);

    auto* periodo = new QGridLayout;
    auto* inizio = etichettaPeriodo(centro, "Label4_0", QStringLiteral("Inizio"));
    auto* fine = etichettaPeriodo(centro, "Label4_1", QStringLiteral("Fine"));
    inizio->setFrameShape(QFrame::NoFrame);
    fine->setFrameShape(QFrame::NoFrame);
    etichettaIndiceInizio_ = etichettaPeriodo(centro, "Lbl_inizioNE", QStringLiteral("Indice inizio"));
    etichettaIndiceFine_ = etichettaPeriodo(centro, "Lbl_fineNE", QStringLiteral("Indice fine"));
    etichettaDataInizio_ = etichettaPeriodo(centro, "LblInizio", QStringLiteral("Data inizio"));
    etichettaDataFine_ = etichettaPeriodo(centro, "LblFine", QStringLiteral("Data fine"));
    etichettaEstrazioni_ = etichettaPeriodo(centro, "Lbl_Ev", QStringLiteral("Estrazioni archivio modello"));
    etichettaEstrazioni_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; font-weight: bold; }").arg(coloreCss(VerdeScuro)));
    etichettaEstrazioni_->setToolTip(QStringLiteral("Estrazioni archivio modello"));
    auto* titolo = new QLabel(QStringLiteral("<b>Archivio modello</b>"), centro);
    auto* conteggio = new QLabel(QStringLiteral("Estrazioni"), centro);
    conteggio->setAlignment(Qt::AlignCenter);
    periodo->addWidget(titolo, 0, 0, 1, 3);
    periodo->addWidget(conteggio, 0, 3);
    periodo->addWidget(inizio, 1, 0);
    periodo->addWidget(etichettaIndiceInizio_, 1, 1);
    periodo->addWidget(etichettaDataInizio_, 1, 2);
    periodo->addWidget(fine, 2, 0);
    periodo->addWidget(etichettaIndiceFine_, 2, 1);
    periodo->addWidget(etichettaDataFine_, 2, 2);
    periodo->addWidget(etichettaEstrazioni_, 1, 3, 2, 1);

    auto* pannelloModuli = new QFrame(centro);
    pannelloModuli->setObjectName(QStringLiteral("Picture1"));
    pannelloModuli->setAutoFillBackground(true);
    pannelloModuli->setBackgroundRole(QPalette::Button);
    auto* colonna = new QVBoxLayout(pannelloModuli);
    for (const Modulo& m : moduli) {
        auto* p = new QPushButton(QString::fromUtf8(m.testo), pannelloModuli);
        p->setObjectName(QString::fromLatin1(m.pulsante));
        p->setMinimumHeight(34);
        const QString finestra = QString::fromLatin1(m.finestra);
        connect(p, &QPushButton::clicked, this, [this, finestra] { apriModulo(finestra); });
        colonna->addWidget(p);
    }
    colonna->addStretch(1);
    auto* help = new QPushButton(QStringLiteral("Help in linea"), pannelloModuli);
    help->setObjectName(QStringLiteral("Command33"));
    connect(help, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    auto* informazioni = new QPushButton(QStringLiteral("Informazioni"), pannelloModuli);
    informazioni->setObjectName(QStringLiteral("CmdInformazioni"));
    connect(informazioni, &QPushButton::clicked, this, [this] { mostraInformazioni(this); });
    auto* esci = new QPushButton(QStringLiteral("FINE"), pannelloModuli);
    esci->setObjectName(QStringLiteral("Command45"));
    connect(esci, &QPushButton::clicked, this, [this] { close(); });
    colonna->addWidget(help);
    colonna->addWidget(informazioni);
    colonna->addWidget(esci);

    barraAvanzamento_ = new QProgressBar(centro);
    barraAvanzamento_->setObjectName(QStringLiteral("Pb1"));
    barraAvanzamento_->setValue(0);

    auto* dimostrativo = avvisoDimostrativo(centro);
    const auto mostraDimostrativo = [this, dimostrativo] {
        dimostrativo->setVisible(sessione_.archivioDimostrativo());
    };
    mostraDimostrativo();
    connect(&sessione_, &Sessione::archivioRicaricato, dimostrativo, mostraDimostrativo);

    etichettaUltima_ = new QLabel(centro);
    etichettaUltima_->setObjectName(QStringLiteral("LblUltimaEstrazione"));
    etichettaUltima_->setToolTip(
        QStringLiteral("Estrazioni in calendario: martedì, giovedì e sabato, e dal 07/07/2023 anche venerdì, alle "
                       "20:00. Una festa sposta l'estrazione a un altro giorno."));

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(dimostrativo);
    sinistra->addWidget(etichettaUltima_);
    sinistra->addLayout(periodo);
    sinistra->addWidget(tabellaEstrazioni_, 1);
    sinistra->addWidget(barraAvanzamento_);
    auto* layout = new QHBoxLayout(centro);
    layout->addLayout(sinistra, 1);
    layout->addWidget(pannelloModuli);
    setCentralWidget(centro);
    resize(640, 640);
    installaHelp(this, ArgomentoHelp);

    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraPrincipale::archivioRicaricato);
    archivioRicaricato();
    // Once the window is on screen, so that a question it asks has the window behind it.
    QTimer::singleShot(0, this, [this] {
        for (const auto& azione : azioniAvvio()) azione(*this);
    });
}

void FinestraPrincipale::archivioRicaricato() {
    riempiElenco();
    mostraPeriodoModello();
    mostraUltimaEstrazione(oraItaliana());
}

void FinestraPrincipale::mostraUltimaEstrazione(const QDateTime& adesso) {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    mancanti_ = 0;
    if (archivio.NumEstrazioni() == 0) return etichettaUltima_->clear();
    const Data ultima = archivio.DataEstrazione(archivio.NumEstrazioni());
    const QDate oggi = adesso.date();
    mancanti_ = quorvane::estrazioniMancanti(ultima, Data{oggi.year(), oggi.month(), oggi.day()},
                                             adesso.time().hour() * 60 + adesso.time().minute());
    // Draws missing before the last one (tonight's entered first) leave the archive behind too.
    const int n = archivio.NumEstrazioni();
    const int buchi = n > 1 ? estrazioniInCalendarioTra(archivio.DataEstrazione(n - 1), ultima) : 0;
    QString stato = mancanti_ == 0   ? QString()
                    : mancanti_ == 1 ? QStringLiteral("manca 1 estrazione in calendario")
                                     : QStringLiteral("mancano %1 estrazioni in calendario").arg(mancanti_);
    if (buchi > 0)
        stato += (stato.isEmpty() ? QString() : QStringLiteral("; ")) +
                 (buchi == 1 ? QStringLiteral("manca 1 estrazione prima dell'ultima")
                             : QStringLiteral("mancano %1 estrazioni prima dell'ultima").arg(buchi));
    if (stato.isEmpty()) stato = QStringLiteral("l'archivio è aggiornato al calendario");
    etichettaUltima_->setText(
        QStringLiteral("Ultima estrazione in archivio: %1 — %2").arg(QString::fromStdString(ultima.testo()), stato));
}

void FinestraPrincipale::riempiElenco() {
    riempiElencoEstrazioni(tabellaEstrazioni_->griglia(), sessione_.archivio);
    tabellaEstrazioni_->adattaColonne(1, 4);
    tabellaEstrazioni_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The latest draws are the ones the player looks at; scrolled once the view is laid out.
    QMetaObject::invokeMethod(tabellaEstrazioni_, &QTableView::scrollToBottom, Qt::QueuedConnection);
}

void FinestraPrincipale::mostraPeriodoModello() {
    const PeriodoModello p = sessione_.archivio.periodoModello();
    etichettaDataInizio_->setText(QString::fromStdString(p.dataInizio));
    etichettaIndiceInizio_->setText(QString::number(p.inizio));
    etichettaDataFine_->setText(QString::fromStdString(p.dataFine));
    etichettaIndiceFine_->setText(QString::number(p.fine));
    etichettaEstrazioni_->setText(QString::number(p.estrazioni));
}

QWidget* FinestraPrincipale::apriModulo(const QString& nome) {
    QPointer<QWidget>& finestra = moduli_[nome];
    if (!finestra) {
        auto fabbrica = fabbriche().find(nome);
        if (fabbrica == fabbriche().end()) return nullptr;
        finestra = fabbrica->second(*this);
        if (!finestra) return nullptr;
        finestra->setParent(this, Qt::Window);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}

void FinestraPrincipale::closeEvent(QCloseEvent* evento) {
    // The run ends with the main window, whichever way it is closed.
    for (auto& [nome, finestra] : moduli_)
        if (finestra) finestra->close();
    evento->accept();
    QApplication::quit();
}

}  // namespace quorvane
