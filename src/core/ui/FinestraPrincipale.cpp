#include "core/ui/Container.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Colori.h"
#include "core/ElencoEstrazioni.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Help.h"
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

std::map<QString, Container::Fabbrica>& Container::fabbriche() {
    static std::map<QString, Fabbrica> elenco;
    return elenco;
}

void Container::registraModulo(const QString& nome, Fabbrica fabbrica) {
    fabbriche()[nome] = std::move(fabbrica);
}

Container::Container(Sessione& sessione, QWidget* padre) : QMainWindow(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Container"));
    setWindowTitle(QStringLiteral("Quorvane"));

    auto* centro = new QWidget(this);
    fgpa_ = new VistaGriglia("fgpa", centro);

    auto* periodo = new QGridLayout;
    auto* inizio = etichettaPeriodo(centro, "Label4_0", QStringLiteral("Inizio"));
    auto* fine = etichettaPeriodo(centro, "Label4_1", QStringLiteral("Fine"));
    inizio->setFrameShape(QFrame::NoFrame);
    fine->setFrameShape(QFrame::NoFrame);
    lblInizioNE_ = etichettaPeriodo(centro, "Lbl_inizioNE", QStringLiteral("Indice inizio"));
    lblFineNE_ = etichettaPeriodo(centro, "Lbl_fineNE", QStringLiteral("Indice fine"));
    lblInizio_ = etichettaPeriodo(centro, "LblInizio", QStringLiteral("Data inizio"));
    lblFine_ = etichettaPeriodo(centro, "LblFine", QStringLiteral("Data fine"));
    lblEv_ = etichettaPeriodo(centro, "Lbl_Ev", QStringLiteral("Estrazioni archivio modello"));
    lblEv_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; font-weight: bold; }")
                              .arg(coloreCss(VerdeScuro)));
    lblEv_->setToolTip(QStringLiteral("Estrazioni archivio modello"));
    auto* titolo = new QLabel(QStringLiteral("<b>Archivio modello</b>"), centro);
    auto* conteggio = new QLabel(QStringLiteral("Estrazioni"), centro);
    conteggio->setAlignment(Qt::AlignCenter);
    periodo->addWidget(titolo, 0, 0, 1, 3);
    periodo->addWidget(conteggio, 0, 3);
    periodo->addWidget(inizio, 1, 0);
    periodo->addWidget(lblInizioNE_, 1, 1);
    periodo->addWidget(lblInizio_, 1, 2);
    periodo->addWidget(fine, 2, 0);
    periodo->addWidget(lblFineNE_, 2, 1);
    periodo->addWidget(lblFine_, 2, 2);
    periodo->addWidget(lblEv_, 1, 3, 2, 1);

    auto* picture1 = new QFrame(centro);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAutoFillBackground(true);
    picture1->setBackgroundRole(QPalette::Button);
    auto* colonna = new QVBoxLayout(picture1);
    for (const Modulo& m : moduli) {
        auto* p = new QPushButton(QString::fromUtf8(m.testo), picture1);
        p->setObjectName(QString::fromLatin1(m.pulsante));
        p->setMinimumHeight(34);
        const QString finestra = QString::fromLatin1(m.finestra);
        connect(p, &QPushButton::clicked, this, [this, finestra] { apriModulo(finestra); });
        colonna->addWidget(p);
    }
    colonna->addStretch(1);
    auto* help = new QPushButton(QStringLiteral("Help in linea"), picture1);
    help->setObjectName(QStringLiteral("Command33"));
    connect(help, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    auto* esci = new QPushButton(QStringLiteral("FINE"), picture1);
    esci->setObjectName(QStringLiteral("Command45"));
    connect(esci, &QPushButton::clicked, this, [this] { close(); });
    colonna->addWidget(help);
    colonna->addWidget(esci);

    pb1_ = new QProgressBar(centro);
    pb1_->setObjectName(QStringLiteral("Pb1"));
    pb1_->setValue(0);

    auto* dimostrativo = avvisoDimostrativo(centro);
    const auto mostraDimostrativo = [this, dimostrativo] {
        dimostrativo->setVisible(sessione_.archivioDimostrativo());
    };
    mostraDimostrativo();
    connect(&sessione_, &Sessione::archivioRicaricato, dimostrativo, mostraDimostrativo);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(dimostrativo);
    sinistra->addLayout(periodo);
    sinistra->addWidget(fgpa_, 1);
    sinistra->addWidget(pb1_);
    auto* layout = new QHBoxLayout(centro);
    layout->addLayout(sinistra, 1);
    layout->addWidget(picture1);
    setCentralWidget(centro);
    resize(640, 640);
    installaHelp(this, ArgomentoHelp);

    connect(&sessione_, &Sessione::archivioRicaricato, this, &Container::archivioRicaricato);
    archivioRicaricato();
}

void Container::archivioRicaricato() {
    riempiElenco();
    ImpostazioniArchivioModello();
}

void Container::riempiElenco() {
    riempiElencoEstrazioni(fgpa_->griglia(), sessione_.archivio);
    fgpa_->aggiorna();
    fgpa_->adattaColonne(1, 4);
    fgpa_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void Container::ImpostazioniArchivioModello() {
    const PeriodoModello p = sessione_.archivio.periodoModello();
    lblInizio_->setText(QString::fromStdString(p.dataInizio));
    lblInizioNE_->setText(QString::number(p.inizio));
    lblFine_->setText(QString::fromStdString(p.dataFine));
    lblFineNE_->setText(QString::number(p.fine));
    lblEv_->setText(QString::number(p.estrazioni));
}

void Container::apriModulo(const QString& nome) {
    QPointer<QWidget>& finestra = moduli_[nome];
    if (!finestra) {
        auto fabbrica = fabbriche().find(nome);
        if (fabbrica == fabbriche().end()) return;
        finestra = fabbrica->second(*this);
        if (!finestra) return;
        finestra->setParent(this, Qt::Window);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

void Container::closeEvent(QCloseEvent* evento) {
    // The run ends with the main window, whichever way it is closed.
    for (auto& [nome, finestra] : moduli_)
        if (finestra) finestra->close();
    evento->accept();
    QApplication::quit();
}

}  // namespace quorvane
