#include "analyses/ui/FinestraMiniElenco.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/SceltaEstrazione.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 530;

QLabel* riquadro(QWidget* padre, const char* nome) {
    auto* l = etichetta(padre, nome);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
}  // namespace

FinestraMiniElenco::FinestraMiniElenco(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Estrazioni_minielenco"));
    setWindowTitle(QStringLiteral("Mini elenco"));

    etichettaIndice_ = riquadro(this, "Label2");
    etichettaData_ = riquadro(this, "Label1");
    etichettaProgressivi_ = riquadro(this, "Label3");
    etichettaIndice_->setToolTip(QStringLiteral("Indice dell'estrazione"));
    etichettaProgressivi_->setToolTip(
        QStringLiteral("PM: posto dell'estrazione tra quelle del suo mese (PM=2 è la seconda del mese)\n"
                       "PA: posto dell'estrazione tra quelle del suo anno"));
    barraEstrazione_ = barraEstrazioni(this, "hs1");
    etichettaNota_ = etichetta(this, "LblNota");
    etichettaNota_->setWordWrap(true);
    etichettaNota_->hide();

    tabellaRuote_ = new VistaGriglia("Fg2", this);
    tabellaRuote_->setSelectionMode(QAbstractItemView::NoSelection);
    tabellaRuote_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabellaRuote_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(tabellaRuote_, &VistaGriglia::clic, this, &FinestraMiniElenco::segna);

    auto* indiceP = pulsante(this, "Command42_0", QStringLiteral("Ricerca per numero indice"));
    auto* dataP = pulsante(this, "Command42_1", QStringLiteral("Cerca estrazione per data"));
    auto* cancellaP = pulsante(this, "Command81", QStringLiteral("Cancella segni"));
    auto* ultimaP = pulsante(this, "Command56", QStringLiteral("Ultima estrazione"));
    connect(indiceP, &QPushButton::clicked, this, [this] {
        if (const auto indice = chiediIndice(this, sessione_.archivio)) barraEstrazione_->setValue(*indice);
    });
    connect(dataP, &QPushButton::clicked, this, [this] {
        if (const auto trovata = chiediData(this, sessione_.archivio)) barraEstrazione_->setValue(*trovata);
    });
    connect(cancellaP, &QPushButton::clicked, this, &FinestraMiniElenco::cancellaSegni);
    connect(ultimaP, &QPushButton::clicked, this,
            [this] { barraEstrazione_->setValue(ultimaEstrazione(sessione_.archivio)); });

    auto* intestazione = new QHBoxLayout;
    intestazione->addWidget(etichettaIndice_, 1);
    intestazione->addWidget(etichettaData_, 2);
    intestazione->addWidget(etichettaProgressivi_, 2);
    auto* pulsanti = new QGridLayout;
    pulsanti->addWidget(indiceP, 0, 0);
    pulsanti->addWidget(dataP, 0, 1);
    pulsanti->addWidget(ultimaP, 1, 0);
    pulsanti->addWidget(cancellaP, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(intestazione);
    layout->addWidget(tabellaRuote_);
    layout->addWidget(barraEstrazione_);
    layout->addLayout(pulsanti);
    layout->addWidget(etichettaNota_);
    installaHelp(this, ArgomentoHelp);

    connect(barraEstrazione_, &QScrollBar::valueChanged, this, &FinestraMiniElenco::mostra);
    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraMiniElenco::archivioRicaricato);
    archivioRicaricato();
    tabellaRuote_->setFixedHeight(NumRuote * tabellaRuote_->verticalHeader()->defaultSectionSize() +
                                  tabellaRuote_->horizontalHeader()->sizeHint().height() +
                                  2 * tabellaRuote_->frameWidth());
    tabellaRuote_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resize(400, sizeHint().height());
}

// The marks are the user's: they stay on the same draw when its numbers did not change.
void FinestraMiniElenco::archivioRicaricato() {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    const std::string prima = data_;
    const std::string numeriPrima = tabellaRuote_->griglia().testoTabella();
    const int estrazione = seguiArchivio(barraEstrazione_, archivio, data_);
    if (prima.empty() || !archivio.contiene(estrazione) || archivio.DateEstrazioni(estrazione) != prima) {
        mostra(estrazione);
        if (!prima.empty())
            mostraNota(QStringLiteral("Archivio cambiato: l'estrazione del %1 non c'è più; mostrata l'ultima.")
                           .arg(QString::fromStdString(prima)));
        return;
    }
    elenco_.spostaEstrazione(estrazione);
    riempi();
    if (tabellaRuote_->griglia().testoTabella() == numeriPrima) return;
    elenco_.cancellaSegni();
    riempi();
    mostraNota(QStringLiteral("Archivio cambiato: l'estrazione del %1 è stata corretta; segni cancellati.")
                   .arg(QString::fromStdString(prima)));
}

void FinestraMiniElenco::mostraNota(const QString& nota) {
    etichettaNota_->setText(nota);
    etichettaNota_->setVisible(!nota.isEmpty());
}

void FinestraMiniElenco::mostra(int estrazione) {
    elenco_.mostra(estrazione);
    mostraNota({});
    riempi();
}

void FinestraMiniElenco::riempi() {
    const ArchivioEstrazioni& archivio = sessione_.archivio;
    const int estrazione = elenco_.estrazione();
    data_ = archivio.contiene(estrazione) ? archivio.DateEstrazioni(estrazione) : std::string();
    etichettaIndice_->setText(QString::number(estrazione));
    etichettaData_->setText(QString::fromStdString(data_));
    etichettaProgressivi_->setText(QString::fromStdString(elenco_.progressivi(archivio)));
    elenco_.riempiTabella(tabellaRuote_->griglia(), archivio);
}

void FinestraMiniElenco::segna(int riga, int colonna) {
    elenco_.segna(riga, colonna);
    elenco_.riempiTabella(tabellaRuote_->griglia(), sessione_.archivio);
}

void FinestraMiniElenco::cancellaSegni() {
    elenco_.cancellaSegni();
    elenco_.riempiTabella(tabellaRuote_->griglia(), sessione_.archivio);
}

}  // namespace quorvane
