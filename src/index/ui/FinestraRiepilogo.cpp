#include "index/ui/FinestraRiepilogo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/Colori.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

// Draws each colpo's share as an orange bar under the percentage text.
class BarraPercentuale : public QStyledItemDelegate {
public:
    BarraPercentuale(VistaGriglia* vista, QObject* padre) : QStyledItemDelegate(padre), vista_(vista) {}

    void imposta(const Riepilogo& r) {
        quote_.fill(0.0);
        for (int c = 1; c <= AnalisiIndice::ColpiMassimi && r.totale > 0; ++c)
            quote_[c] = static_cast<double>(r.perColpo[c]) / r.totale;
    }

    void paint(QPainter* pittore, const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override {
        const int riga = vista_->modello()->rigaGriglia(indice.row());
        const double quota = riga >= 1 && riga <= AnalisiIndice::ColpiMassimi ? quote_[riga] : 0.0;
        if (quota > 0) {
            QRect barra = opzione.rect.adjusted(1, 2, -1, -2);
            barra.setWidth(static_cast<int>(barra.width() * quota + 0.5));
            pittore->fillRect(barra, coloreQt(Arancio));
        }
        QStyledItemDelegate::paint(pittore, opzione, indice);
    }

private:
    VistaGriglia* vista_;
    std::array<double, AnalisiIndice::ColpiMassimi + 1> quote_{};
};

namespace {
QPushButton* copiaTabella(QWidget* padre, const char* nome, VistaGriglia* vista) {
    auto* p = new QPushButton(QStringLiteral("Copia tabella"), padre);
    p->setObjectName(QString::fromLatin1(nome));
    QObject::connect(p, &QPushButton::clicked, vista, &VistaGriglia::copiaTabella);
    return p;
}
}  // namespace

FinestraRiepilogo::FinestraRiepilogo(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName(QStringLiteral("Ventrallo_Riepilogo"));
    setWindowTitle(QStringLiteral("Riepilogo statistico"));
    esitiPerQuantita_ = new VistaGriglia("Fg1", this);
    esitiPerColpo_ = new VistaGriglia("Fg2", this);
    barra_ = new BarraPercentuale(esitiPerColpo_, esitiPerColpo_);
    esitiPerColpo_->setItemDelegateForColumn(2, barra_);
    // Both tables are short: shown whole, without scroll bars.
    for (VistaGriglia* v : {esitiPerQuantita_, esitiPerColpo_}) {
        v->verticalHeader()->setDefaultSectionSize(20);
        v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    auto* titolo = new QLabel(QStringLiteral("Esiti per quantità numeri                      Esiti per colpo"), this);
    titolo->setObjectName(QStringLiteral("Label1"));
    titolo->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* testoTotale = new QLabel(QStringLiteral("Totale esiti"), this);
    testoTotale->setObjectName(QStringLiteral("Label2"));
    etichettaTotale_ = new QLabel(this);
    etichettaTotale_->setObjectName(QStringLiteral("Label3"));
    etichettaTotale_->setFrameShape(QFrame::StyledPanel);
    etichettaTotale_->setMinimumWidth(60);
    etichettaTotale_->setAlignment(Qt::AlignCenter);
    etichettaTotale_->setStyleSheet(QStringLiteral("font-weight: bold;"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(titolo, 0, 0, 1, 3);
    int colonna = 0;
    for (auto [vista, copia] : {std::pair{esitiPerQuantita_, "Command4"}, std::pair{esitiPerColpo_, "Command1"}}) {
        auto* tabella = new QVBoxLayout;
        tabella->addWidget(vista);
        tabella->addWidget(copiaTabella(this, copia, vista), 0, Qt::AlignLeft);
        tabella->addStretch(1);
        layout->addLayout(tabella, 1, colonna++);
    }
    auto* totale = new QHBoxLayout;
    totale->addWidget(testoTotale);
    totale->addWidget(etichettaTotale_);
    totale->addStretch(1);
    layout->addLayout(totale, 2, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    installaHelp(this, ArgomentoHelp);
    riempi(ContatoriVerifica{});
    adjustSize();
}

void FinestraRiepilogo::mostra(const ContatoriVerifica& contatori) {
    riempi(contatori);
    show();
    raise();
    activateWindow();
}

void FinestraRiepilogo::riempi(const ContatoriVerifica& contatori) {
    const Riepilogo r = calcolaRiepilogo(contatori);
    riempiEsitiPerQuantita(esitiPerQuantita_->griglia(), r);
    riempiEsitiPerColpo(esitiPerColpo_->griglia(), r, QLocale().decimalPoint().toStdString());
    barra_->imposta(r);
    for (VistaGriglia* v : {esitiPerQuantita_, esitiPerColpo_}) {
        v->adattaColonne();
        for (int c = 1; c < v->griglia().colonne(); ++c) v->setColumnWidth(c, std::max(v->columnWidth(c), 34));
    }
    esitiPerColpo_->setColumnWidth(2, std::max(esitiPerColpo_->columnWidth(2), 130));
    for (VistaGriglia* v : {esitiPerQuantita_, esitiPerColpo_}) {
        int larghezza = 2 * v->frameWidth();
        for (int c = 0; c < v->griglia().colonne(); ++c) larghezza += v->columnWidth(c);
        v->setFixedSize(larghezza, 2 * v->frameWidth() + v->horizontalHeader()->sizeHint().height() +
                                       (v->griglia().righe() - 1) * v->verticalHeader()->defaultSectionSize());
    }
    etichettaTotale_->setText(QString::number(r.totale));
}

}  // namespace quorvane
