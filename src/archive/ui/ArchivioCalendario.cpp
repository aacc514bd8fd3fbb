// The draw calendar on "Gestione estrazioni": a year's draws month by day; a click on a day
// selects its draw.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/Calendario.h"
#include "archive/db/CalendarioArchivio.h"
#include "archive/ui/Archivio.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

QWidget* Archivio::creaCalendario() {
    auto* gruppo = new QGroupBox(QStringLiteral("Calendario estrazioni"));
    combo1_ = new QComboBox(gruppo);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    auto* command24 = pulsante(gruppo, "Command24", QStringLiteral("Carica calendario"));
    check2_ = new QCheckBox(QStringLiteral("Sigla giorno settimana"), gruppo);
    check2_->setObjectName(QStringLiteral("Check2"));
    fg1_ = new VistaGriglia("fg1", gruppo);
    auto* legenda = new QLabel(QStringLiteral("1=(D) Domenica  2=(L) Lunedì   3=(M) Martedì  4=(m) Mercoledì  "
                                              "5=(G) Giovedì  6=(V) Venerdì  7=(S) Sabato"),
                               gruppo);

    // Day columns as narrow as their two digits, so that a whole year fits without scrolling.
    fg1_->horizontalHeader()->setMinimumSectionSize(fg1_->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(combo1_);
    comandi->addWidget(command24);
    comandi->addWidget(check2_);
    comandi->addStretch(1);
    auto* layout = new QVBoxLayout(gruppo);
    layout->addLayout(comandi);
    layout->addWidget(fg1_, 1);
    layout->addWidget(legenda);

    connect(command24, &QPushButton::clicked, this, &Archivio::Carica_calendario);
    connect(check2_, &QCheckBox::toggled, this, &Archivio::Carica_calendario);
    connect(fg1_, &VistaGriglia::clic, this, &Archivio::cliccaCalendario);

    // Window load: 1939 to this year, this year chosen, which loads its calendar.
    const int anno = QDate::currentDate().year();
    for (int a = PrimoAnnoCalendario; a <= anno; ++a) combo1_->addItem(QString::number(a));
    connect(combo1_, &QComboBox::currentIndexChanged, this, &Archivio::Carica_calendario);
    combo1_->setCurrentIndex(combo1_->count() - 1);
    return gruppo;
}

// A failed read of the archive leaves an empty table and no message, as a year without draws.
void Archivio::Carica_calendario() {
    const int anno = combo1_->currentText().toInt();
    QString errore;
    auto db = DatabaseArchivio::apri(sessione_.percorsoArchivio(), &errore, true);
    auto date = db ? dateCalendario(*db, anno, &errore) : std::nullopt;
    Griglia& g = fg1_->griglia();
    riempiCalendario(g, anno, date.value_or(std::vector<Data>{}));
    if (check2_->isChecked()) lettereGiorniSettimana(g);
    fg1_->aggiorna();
    fg1_->adattaColonne(1, -1);
}

void Archivio::cliccaCalendario(int riga, int colonna) {
    const auto giorno = giornoCella(fg1_->griglia(), riga, colonna);
    if (!giorno) return;
    const ArchivioEstrazioni& a = sessione_.archivio;
    for (int e = a.UltimaEstrazione(); e >= 1; --e)
        if (a.DateEstrazioni(e) == giorno->testo) {
            impostaSlider(e);
            break;
        }
    impostaCalendario(giorno->data);
}

}  // namespace quorvane
