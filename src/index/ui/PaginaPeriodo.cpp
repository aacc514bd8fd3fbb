#include "index/ui/PaginaPeriodo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "core/SceltaEstrazione.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/VistaGriglia.h"
#include "index/Configurazione.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/ui/ControlliIndice.h"

namespace quorvane {

namespace {

void posiziona(QComboBox* lista, int posizione) {
    // A position the list does not have (a database written elsewhere) leaves the choice.
    if (posizione >= 0 && posizione < lista->count()) lista->setCurrentIndex(posizione);
}

}  // namespace

PaginaPeriodo::PaginaPeriodo(ContestoIndice& contesto, QWidget* padre) : QWidget(padre), contesto_(contesto) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(creaPeriodo());
    layout->addWidget(creaOpzioni());
    layout->addWidget(creaEstrazioneMostrata());
    layout->addStretch(1);

    // The end of the period starts at the last draw, the month ordinal at the last draw's.
    const ArchivioEstrazioni& archivio = contesto_.sessione.archivio;
    sceltaEstrazione(quorvane::seguiArchivio(barraFine_, archivio, {}));
    if (archivio.NumEstrazioni() > 0) sceltaMensile_->setCurrentIndex(archivio.ProgMese(archivio.NumEstrazioni()));
}

QWidget* PaginaPeriodo::creaPeriodo() {
    auto* periodo = new QGroupBox(QStringLiteral("Estrazione finale del periodo"), this);
    auto* lp = new QGridLayout(periodo);
    barraFine_ = barraEstrazioni(periodo, "hFine");
    barraFine_->setMinimumWidth(300);
    etichettaFine_ = etichetta(periodo, "labend");
    QFont grassetto = etichettaFine_->font();
    grassetto.setBold(true);
    etichettaFine_->setFont(grassetto);
    etichettaIndiceData_ = etichetta(periodo, "Label4");
    // As wide as the longest text they can show, so that nothing beside them moves.
    etichettaFine_->setMinimumWidth(QFontMetrics(grassetto).horizontalAdvance(QStringLiteral("00000 del 00/00/0000")));
    etichettaIndiceData_->setMinimumWidth(
        etichettaIndiceData_->fontMetrics().horizontalAdvance(QStringLiteral("00000  00/00/0000")));
    etichettaNelMese_ = etichetta(periodo, "Label7");
    etichettaNelMese_->setToolTip(QStringLiteral("Progressivo nel mese dell'estrazione selezionata"));
    auto* ultima = pulsante(periodo, "Command22", QStringLiteral("Ultima"));
    auto* perIndice = pulsante(periodo, "Command23", QStringLiteral("Seleziona per numero indice"));
    auto* perData = pulsante(periodo, "Command24", QStringLiteral("Seleziona per data"));
    auto* usaMese = pulsante(periodo, "Command26", QStringLiteral("Utilizza questa estrazione del mese"));
    lp->addWidget(barraFine_, 0, 0, 1, 3);
    lp->addWidget(ultima, 0, 3);
    lp->addWidget(etichettaFine_, 1, 0);
    lp->addWidget(etichettaIndiceData_, 1, 1);
    lp->addWidget(new QLabel(QStringLiteral("Nel mese:"), periodo), 1, 2, Qt::AlignRight);
    lp->addWidget(etichettaNelMese_, 1, 3);
    lp->addWidget(perIndice, 2, 0, 1, 2);
    lp->addWidget(perData, 2, 2, 1, 2);
    lp->addWidget(usaMese, 3, 0, 1, 4);
    lp->setRowStretch(4, 1);

    connect(barraFine_, &QScrollBar::valueChanged, this, &PaginaPeriodo::sceltaEstrazione);
    connect(ultima, &QPushButton::clicked, this, &PaginaPeriodo::ultima);
    connect(perIndice, &QPushButton::clicked, this, &PaginaPeriodo::selezionaPerNumeroIndice);
    connect(perData, &QPushButton::clicked, this, &PaginaPeriodo::selezionaPerData);
    connect(usaMese, &QPushButton::clicked, this, &PaginaPeriodo::utilizzaQuestaEstrazioneDelMese);
    return periodo;
}

QWidget* PaginaPeriodo::creaOpzioni() {
    auto* opzioni = new QGroupBox(QStringLiteral("Estrazioni modello"), this);
    auto* lo = new QGridLayout(opzioni);
    sceltaMensile_ = listaScelte(opzioni, "ComboMensile", QStringList{QStringLiteral("U")} + numeri(1, 31), 0);
    sceltaPresenze_ = listaScelte(opzioni, "ComboPresenze",
                                  numeri(AnalisiIndice::PresenzeMinime, AnalisiIndice::PresenzeMassime), 7);
    sceltaColpi_ = listaScelte(opzioni, "ComboC", numeri(1, AnalisiIndice::ColpiMassimi), 11);
    auto* presenzeMassime = new EtichettaCliccabile(QStringLiteral("Label10"), QStringLiteral("max"), opzioni);
    presenzeMassime->setToolTip(QStringLiteral("Presenze: 200"));
    casellaFineRicerca_ = new QCheckBox(QStringLiteral("Fine ricerca"), opzioni);
    casellaFineRicerca_->setObjectName(QStringLiteral("Ch_Fine"));
    casellaForzaUltima_ = new QCheckBox(QStringLiteral("Forza ultima mensile"), opzioni);
    casellaForzaUltima_->setObjectName(QStringLiteral("Ch_ultima"));
    lo->addWidget(new QLabel(QStringLiteral("Mensile"), opzioni), 0, 0);
    lo->addWidget(sceltaMensile_, 0, 1);
    lo->addWidget(new QLabel(QStringLiteral("Presenze"), opzioni), 1, 0);
    lo->addWidget(sceltaPresenze_, 1, 1);
    lo->addWidget(presenzeMassime, 1, 2);
    lo->addWidget(new QLabel(QStringLiteral("Colpi"), opzioni), 2, 0);
    lo->addWidget(sceltaColpi_, 2, 1);
    lo->addWidget(casellaFineRicerca_, 0, 3);
    lo->addWidget(casellaForzaUltima_, 1, 3);
    lo->setRowStretch(3, 1);

    connect(presenzeMassime, &EtichettaCliccabile::clic, this,
            [this] { sceltaPresenze_->setCurrentIndex(sceltaPresenze_->count() - 1); });
    connect(sceltaColpi_, &QComboBox::currentIndexChanged, this,
            [this] { contesto_.metodo.analisi.NumeroColpi = sceltaColpi_->currentText().toInt(); });
    return opzioni;
}

QWidget* PaginaPeriodo::creaEstrazioneMostrata() {
    auto* riquadro = new QGroupBox(QStringLiteral("Estrazione selezionata"), this);
    auto* layout = new QHBoxLayout(riquadro);
    estrazioneMostrata_ = new VistaGriglia("fga", riquadro);
    riempiEstrazioneMostrata(estrazioneMostrata_->griglia(), contesto_.sessione.archivio, 0);
    estrazioneMostrata_->aggiornaCambi();  // the rows and columns are in the view before it is sized
    dimensionaTavola(estrazioneMostrata_, 30);
    estrazioneMostrata_->verticalHeader()->setDefaultSectionSize(15);
    adattaAltezza(estrazioneMostrata_);
    estrazioneMostrata_->setFixedWidth(6 * 30 + 2 * estrazioneMostrata_->frameWidth());

    auto* legenda = new VistaGriglia("Fgcolore", riquadro);
    riempiLegendaEsiti(legenda->griglia());
    legenda->aggiornaCambi();  // the rows and columns are in the view before it is sized
    dimensionaTavola(legenda, 22);
    adattaAltezza(legenda);
    legenda->setFixedWidth(2 * 22 + 2 * legenda->frameWidth());
    legenda->setToolTip(QStringLiteral("Colori degli esiti per numero di punti"));
    auto* spiegazione = new QLabel(QStringLiteral("Colori degli esiti\nper punti (1-5)"), riquadro);
    layout->addWidget(estrazioneMostrata_);
    layout->addSpacing(12);
    layout->addWidget(legenda, 0, Qt::AlignTop);
    layout->addWidget(spiegazione, 0, Qt::AlignTop);
    layout->addStretch(1);
    return riquadro;
}

void PaginaPeriodo::sceltaEstrazione(int valore) {
    const ArchivioEstrazioni& archivio = contesto_.sessione.archivio;
    if (!archivio.contiene(valore)) return;
    contesto_.metodo.analisi.EstrazioneSelezionata = valore;
    dataScelta_ = archivio.DateEstrazioni(valore);
    progressivoMese_ = archivio.ProgMese(valore);
    const QString data = QString::fromStdString(dataScelta_);
    etichettaFine_->setText(QStringLiteral("%1 del %2").arg(valore).arg(data));
    etichettaIndiceData_->setText(QStringLiteral("%1  %2").arg(valore).arg(data));
    etichettaNelMese_->setText(QString::number(progressivoMese_));
    riempiEstrazioneMostrata(estrazioneMostrata_->griglia(), archivio, valore);
}

void PaginaPeriodo::seguiArchivio(int sostituta) {
    const ArchivioEstrazioni& archivio = contesto_.sessione.archivio;
    int scelta = quorvane::seguiArchivio(barraFine_, archivio, dataScelta_);
    if (archivio.contiene(scelta) && archivio.DateEstrazioni(scelta) != dataScelta_ && archivio.contiene(sostituta)) {
        const QSignalBlocker blocco(barraFine_);
        barraFine_->setValue(sostituta);
        scelta = sostituta;
    }
    sceltaEstrazione(scelta);
}

void PaginaPeriodo::ultima() {
    barraFine_->setValue(ultimaEstrazione(contesto_.sessione.archivio));
}

void PaginaPeriodo::selezionaPerNumeroIndice() {
    if (auto indice = chiediIndice(this, contesto_.sessione.archivio)) barraFine_->setValue(*indice);
}

void PaginaPeriodo::selezionaPerData() {
    if (auto indice = chiediData(this, contesto_.sessione.archivio)) barraFine_->setValue(*indice);
}

void PaginaPeriodo::utilizzaQuestaEstrazioneDelMese() {
    sceltaMensile_->setCurrentIndex(progressivoMese_);
}

void PaginaPeriodo::leggiOpzioni(AnalisiIndice& a) const {
    a.Presenze = sceltaPresenze_->currentText().toInt();
    a.NumeroColpi = sceltaColpi_->currentText().toInt();
    a.Mensile = sceltaMensile_->currentIndex();
    a.fineAllaSelezionata = casellaFineRicerca_->isChecked();
    a.forzaUltima = casellaForzaUltima_->isChecked();
}

bool PaginaPeriodo::fineRicerca() const {
    return casellaFineRicerca_->isChecked();
}

void PaginaPeriodo::scriviIn(Configurazione& c) const {
    c.NE = barraFine_->value();
    c.Mesi = sceltaPresenze_->currentIndex();
    c.Mensile = sceltaMensile_->currentIndex();
    c.Colpi = sceltaColpi_->currentIndex();
    c.Fine = casellaFineRicerca_->isChecked() ? 1 : 0;
}

void PaginaPeriodo::mostraOpzioni(const AnalisiIndice& a) {
    if (contesto_.sessione.archivio.contiene(a.EstrazioneSelezionata)) barraFine_->setValue(a.EstrazioneSelezionata);
    posiziona(sceltaPresenze_, a.Presenze - AnalisiIndice::PresenzeMinime);
    posiziona(sceltaMensile_, a.Mensile);
    posiziona(sceltaColpi_, a.NumeroColpi - 1);
    casellaFineRicerca_->setChecked(a.fineAllaSelezionata);
    casellaForzaUltima_->setChecked(a.forzaUltima);
}

void PaginaPeriodo::applica(const Configurazione& c, bool conEstrazione) {
    if (conEstrazione && c.NE >= barraFine_->minimum() && c.NE <= barraFine_->maximum()) barraFine_->setValue(c.NE);
    posiziona(sceltaPresenze_, c.Mesi);
    posiziona(sceltaMensile_, c.Mensile);
    posiziona(sceltaColpi_, c.Colpi);
    casellaFineRicerca_->setChecked(c.Fine != 0);
}

}  // namespace quorvane
