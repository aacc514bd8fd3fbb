#include "analyses/ui/FinestraQuadrature.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Colori.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 500;
constexpr Colore Nero = 0;
constexpr Colore Ciano = 0xFFFF00;

// Label names in pair order: horizontal 1 and 2, vertical 1 and 2, diagonal 1 and 2.
constexpr const char* NomiSomme[NumCoppie] = {"LblSO1", "LblSO2", "LblSv1", "LblSv2", "LblSD1", "LblSD2"};
constexpr const char* NomiDistanze[NumCoppie] = {"LblDO1", "LblDO2", "LblDv1", "LblDv2", "LblDD1", "LblDD2"};
constexpr const char* NomiCoppie[NumCoppie] = {"orizzontale 1 (N1 N2)", "orizzontale 2 (N3 N4)", "verticale 1 (N1 N3)",
                                               "verticale 2 (N2 N4)",   "diagonale 1 (N1 N4)",   "diagonale 2 (N2 N3)"};

void impostaColore(QWidget* w, QPalette::ColorRole ruolo, Colore c) {
    QPalette p = w->palette();
    p.setColor(ruolo, coloreQt(c));
    w->setPalette(p);
}

QLabel* risultato(QWidget* padre, const char* nome, Colore sfondo, const QString& descrizione) {
    auto* l = etichetta(padre, nome);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumSize(34, 22);
    l->setAutoFillBackground(true);
    impostaColore(l, QPalette::Window, sfondo);
    impostaColore(l, QPalette::WindowText, Nero);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setToolTip(descrizione);
    return l;
}
}  // namespace

FinestraQuadrature::FinestraQuadrature(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("Quadrature"));
    setWindowTitle(QStringLiteral("Quadrature"));

    // The square: boxes at the corners, each pair's sum and distance beside its side or diagonal.
    auto* quadrato = new QGridLayout;
    quadrato->setHorizontalSpacing(10);
    quadrato->setVerticalSpacing(10);
    for (int i = 0; i < NumCoppie; ++i) {
        somme_[i] = risultato(this, NomiSomme[i], GialloChiaro, QStringLiteral("Somma ") + NomiCoppie[i]);
        distanze_[i] = risultato(this, NomiDistanze[i], CelesteChiaro, QStringLiteral("Distanza ") + NomiCoppie[i]);
    }
    const auto coppiaEtichette = [&](int i, Qt::Orientation verso) {
        auto* l = verso == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
        l->setSpacing(4);
        l->addWidget(somme_[i]);
        l->addWidget(distanze_[i]);
        return l;
    };
    const int posizioni[4][2] = {{1, 1}, {1, 3}, {3, 1}, {3, 3}};
    for (int i = 0; i < 4; ++i) {
        auto* casella = new QLineEdit(this);
        casella->setObjectName(QStringLiteral("TxtQ_%1").arg(i + 1));
        casella->setMaxLength(2);
        casella->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), casella));
        casella->setToolTip(QStringLiteral("Un numero da 1 a 90: si digita o si sceglie dall'elenco"));
        casella->setAlignment(Qt::AlignCenter);
        casella->setFixedSize(54, 30);
        QFont f = casella->font();
        f.setPointSizeF(f.pointSizeF() * 1.3);
        f.setBold(true);
        casella->setFont(f);
        casella->setContextMenuPolicy(Qt::NoContextMenu);
        casella->installEventFilter(this);
        impostaColore(casella, QPalette::Base, Bianco);
        caselleNumeri_[i] = casella;
        connect(casella, &QLineEdit::textChanged, this, &FinestraQuadrature::ricalcola);
        auto* nome = new QLabel(QStringLiteral("N%1").arg(i + 1), this);
        nome->setAlignment(Qt::AlignCenter);
        quadrato->addWidget(nome, posizioni[i][0] + (i < 2 ? -1 : 1), posizioni[i][1], Qt::AlignCenter);
        quadrato->addWidget(casella, posizioni[i][0], posizioni[i][1], Qt::AlignCenter);
    }
    quadrato->addLayout(coppiaEtichette(0, Qt::Horizontal), 1, 2, Qt::AlignCenter);
    quadrato->addLayout(coppiaEtichette(1, Qt::Horizontal), 3, 2, Qt::AlignCenter);
    quadrato->addLayout(coppiaEtichette(2, Qt::Vertical), 2, 1, Qt::AlignCenter);
    quadrato->addLayout(coppiaEtichette(3, Qt::Vertical), 2, 3, Qt::AlignCenter);
    auto* diagonali = new QGridLayout;
    diagonali->setSpacing(4);
    diagonali->addWidget(new QLabel(QStringLiteral("D1"), this), 0, 0);
    diagonali->addWidget(somme_[4], 0, 1);
    diagonali->addWidget(distanze_[4], 0, 2);
    diagonali->addWidget(new QLabel(QStringLiteral("D2"), this), 1, 0);
    diagonali->addWidget(somme_[5], 1, 1);
    diagonali->addWidget(distanze_[5], 1, 2);
    quadrato->addLayout(diagonali, 2, 2, Qt::AlignCenter);

    auto* legenda = new QHBoxLayout;
    auto* titoloSomme = etichetta(this, "LabelSomme", QStringLiteral("SOMME"));
    auto* titoloDistanze = etichetta(this, "LabelDistanze", QStringLiteral("DISTANZE"));
    for (auto [titolo, colore] : {std::pair{titoloSomme, GialloChiaro}, std::pair{titoloDistanze, CelesteChiaro}}) {
        titolo->setAlignment(Qt::AlignCenter);
        titolo->setMinimumWidth(90);
        sfondoEtichetta(titolo, colore);
        legenda->addWidget(titolo);
    }

    auto* totale = new QHBoxLayout;
    etichettaTotale_ = risultato(this, "LblTS", Bianco, QStringLiteral("Totale dei quattro numeri"));
    etichettaTotale_->setMinimumWidth(50);
    totale->addStretch(1);
    totale->addWidget(new QLabel(QStringLiteral("Totale"), this));
    totale->addWidget(etichettaTotale_);
    totale->addStretch(1);

    elencoNumeri_ = new QListWidget(this);
    elencoNumeri_->setObjectName(QStringLiteral("List1"));
    elencoNumeri_->setFixedWidth(64);
    for (int n = 1; n <= 90; ++n) elencoNumeri_->addItem(QString::number(n));
    elencoNumeri_->hide();
    connect(elencoNumeri_, &QListWidget::itemClicked, this, &FinestraQuadrature::scegli);

    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(legenda);
    sinistra->addLayout(quadrato);
    sinistra->addLayout(totale);
    sinistra->addStretch(1);
    auto* alto = new QHBoxLayout;
    alto->addLayout(sinistra);
    alto->addWidget(elencoNumeri_);
    alto->addStretch(1);

    tabellaRisultati_ = new VistaGriglia("fg1", this);
    preparaTabellaQuadratura(tabellaRisultati_->griglia());
    tabellaRisultati_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabellaRisultati_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabellaRisultati_->adattaColonne();
    tabellaRisultati_->setColumnWidth(2, 70);
    tabellaRisultati_->setColumnWidth(3, 60);
    tabellaRisultati_->horizontalHeader()->setStretchLastSection(true);
    connect(tabellaRisultati_, &VistaGriglia::clic, this, [this](int riga, int) { evidenzia(riga); });

    auto* pulsanti = new QHBoxLayout;
    auto* calcolaP = pulsante(this, "Command1", QStringLiteral("CALCOLA"));
    auto* resetP = pulsante(this, "Command2", QStringLiteral("RESET"));
    connect(calcolaP, &QPushButton::clicked, this, &FinestraQuadrature::calcola);
    connect(resetP, &QPushButton::clicked, this, &FinestraQuadrature::reset);
    pulsanti->addWidget(calcolaP);
    pulsanti->addWidget(resetP);
    pulsanti->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(alto);
    layout->addLayout(pulsanti);
    layout->addWidget(tabellaRisultati_, 1);
    resize(460, 640);
    installaHelp(this, ArgomentoHelp);
}

bool FinestraQuadrature::eventFilter(QObject* oggetto, QEvent* evento) {
    const auto casella = std::find(caselleNumeri_.begin(), caselleNumeri_.end(), oggetto);
    if (casella == caselleNumeri_.end()) return QWidget::eventFilter(oggetto, evento);
    const int i = static_cast<int>(casella - caselleNumeri_.begin());
    switch (evento->type()) {
        case QEvent::MouseButtonPress:
            ultimaCasella_ = i;
            elencoNumeri_->show();
            break;
        case QEvent::FocusIn:
            coloraCaselle(Bianco);
            impostaColore(caselleNumeri_[i], QPalette::Base, Giallo);
            break;
        case QEvent::MouseButtonDblClick:
            caselleNumeri_[i]->clear();
            return true;
        default:
            break;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FinestraQuadrature::scegli(QListWidgetItem* voce) {
    caselleNumeri_[ultimaCasella_]->setText(voce->text());
    elencoNumeri_->hide();
}

std::optional<std::array<int, 4>> FinestraQuadrature::numeriScelti(QStringList* mancanti) const {
    std::array<int, 4> numeri{};
    for (int i = 0; i < 4; ++i) {
        numeri[i] = valoreCasella(caselleNumeri_[i]->text().toStdString());
        if ((numeri[i] < 1 || numeri[i] > 90) && mancanti) mancanti->append(QStringLiteral("N%1").arg(i + 1));
    }
    if (std::all_of(numeri.begin(), numeri.end(), [](int n) { return n >= 1 && n <= 90; })) return numeri;
    return std::nullopt;
}

void FinestraQuadrature::calcola() {
    QStringList mancanti;
    const auto numeri = numeriScelti(&mancanti);
    if (!numeri) {
        Dialoghi::correnti().messaggio(
            this, QMessageBox::Warning, windowTitle(),
            QStringLiteral("Servono quattro numeri da 1 a 90; non ne ha uno valido: %1.").arg(mancanti.join(", ")));
        return;
    }
    mostra(*numeri);
}

// A square with a box empty or out of range has no result: nothing is shown rather than sums
// that count the missing number as 0.
void FinestraQuadrature::ricalcola() {
    if (const auto numeri = numeriScelti(nullptr)) {
        mostra(*numeri);
        return;
    }
    preparaTabellaQuadratura(tabellaRisultati_->griglia());
    for (int i = 0; i < NumCoppie; ++i) {
        somme_[i]->clear();
        distanze_[i]->clear();
    }
    etichettaTotale_->clear();
}

void FinestraQuadrature::mostra(const std::array<int, 4>& numeri) {
    std::array<std::string, 4> testi;
    for (int i = 0; i < 4; ++i) testi[i] = caselleNumeri_[i]->text().toStdString();
    const Quadratura q = calcolaQuadratura(numeri);
    scriviQuadratura(tabellaRisultati_->griglia(), testi, q);
    for (int i = 0; i < NumCoppie; ++i) {
        somme_[i]->setText(QString::number(q.somme[i]));
        distanze_[i]->setText(QString::number(q.distanze[i]));
    }
    etichettaTotale_->setText(QString::number(q.totale));
}

QLabel* FinestraQuadrature::etichettaRisultato(Coppia coppia, bool somma) const {
    return (somma ? somme_ : distanze_)[static_cast<int>(coppia)];
}

void FinestraQuadrature::evidenzia(int riga) {
    coloraCaselle(Bianco);
    coloraEtichette(Nero);
    RigaQuadratura r{};
    if (!rigaQuadratura(riga, &r)) return;
    const ElementiCoppia& e = ElementiCoppie[static_cast<int>(r.coppia)];
    impostaColore(caselleNumeri_[e.primo], QPalette::Base, Ciano);
    impostaColore(caselleNumeri_[e.secondo], QPalette::Base, Ciano);
    impostaColore(etichettaRisultato(r.coppia, r.somma), QPalette::WindowText, Rosso);
}

void FinestraQuadrature::reset() {
    for (QLineEdit* c : caselleNumeri_) c->clear();
    coloraCaselle(Bianco);
    coloraEtichette(Nero);
    elencoNumeri_->hide();
}

void FinestraQuadrature::coloraCaselle(Colore colore) {
    for (QLineEdit* c : caselleNumeri_) impostaColore(c, QPalette::Base, colore);
}

void FinestraQuadrature::coloraEtichette(Colore colore) {
    for (int i = 0; i < NumCoppie; ++i) {
        impostaColore(somme_[i], QPalette::WindowText, colore);
        impostaColore(distanze_[i], QPalette::WindowText, colore);
    }
}

}  // namespace quorvane
