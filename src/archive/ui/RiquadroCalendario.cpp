#include "archive/ui/RiquadroCalendario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/Calendario.h"
#include "archive/db/CalendarioArchivio.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

RiquadroCalendario::RiquadroCalendario(Sessione& sessione, QWidget* padre)
    : QGroupBox(QStringLiteral("Calendario estrazioni"), padre), sessione_(sessione) {
    sceltaAnno_ = new QComboBox(this);
    sceltaAnno_->setObjectName(QStringLiteral("Combo1"));
    auto* carica = pulsante(this, "Command24", QStringLiteral("Carica calendario"));
    sigleGiorni_ = new QCheckBox(QStringLiteral("Sigla giorno settimana"), this);
    sigleGiorni_->setObjectName(QStringLiteral("Check2"));
    tabellaAnno_ = new VistaGriglia("fg1", this);
    auto* legenda = new QLabel(QStringLiteral("1=(D) Domenica  2=(L) Lunedì   3=(M) Martedì  4=(m) Mercoledì  "
                                              "5=(G) Giovedì  6=(V) Venerdì  7=(S) Sabato"),
                               this);

    // Day columns as narrow as their two digits, so that a whole year fits without scrolling.
    tabellaAnno_->horizontalHeader()->setMinimumSectionSize(
        tabellaAnno_->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(sceltaAnno_);
    comandi->addWidget(carica);
    comandi->addWidget(sigleGiorni_);
    comandi->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(comandi);
    layout->addWidget(tabellaAnno_, 1);
    layout->addWidget(legenda);

    connect(carica, &QPushButton::clicked, this, &RiquadroCalendario::caricaCalendario);
    connect(sigleGiorni_, &QCheckBox::toggled, this, &RiquadroCalendario::caricaCalendario);
    connect(tabellaAnno_, &VistaGriglia::clic, this, &RiquadroCalendario::cliccaCalendario);

    // Window load: 1939 to this year, this year chosen, which loads its calendar.
    const int anno = QDate::currentDate().year();
    for (int a = PrimoAnnoCalendario; a <= anno; ++a) sceltaAnno_->addItem(QString::number(a));
    connect(sceltaAnno_, &QComboBox::currentIndexChanged, this, &RiquadroCalendario::caricaCalendario);
    sceltaAnno_->setCurrentIndex(sceltaAnno_->count() - 1);
}

void RiquadroCalendario::caricaCalendario() {
    const int anno = sceltaAnno_->currentText().toInt();
    QString errore;
    auto db = DatabaseArchivio::apri(sessione_.percorsoArchivio(), &errore, true);
    auto date = db ? dateCalendario(*db, anno, &errore) : std::nullopt;
    Griglia& g = tabellaAnno_->griglia();
    riempiCalendario(g, anno, date.value_or(std::vector<Data>{}));
    if (sigleGiorni_->isChecked()) lettereGiorniSettimana(g);
    tabellaAnno_->adattaColonne(1, -1);
}

void RiquadroCalendario::cliccaCalendario(int riga, int colonna) {
    const auto giorno = giornoCella(tabellaAnno_->griglia(), riga, colonna);
    if (!giorno) return;
    const ArchivioEstrazioni& a = sessione_.archivio;
    int estrazione = 0;
    for (int e = a.UltimaEstrazione(); e >= 1; --e)
        if (a.DateEstrazioni(e) == giorno->testo) {
            estrazione = e;
            break;
        }
    emit giornoScelto(estrazione, giorno->data);
}

}  // namespace quorvane
