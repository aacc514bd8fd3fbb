#include "core/ui/FinestraInizio.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/db/DescrizioniParametri.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 300;

QPushButton* pulsanteAlto(QWidget* padre, const char* nome, const QString& testo) {
    auto* p = pulsante(padre, nome, testo);
    p->setMinimumHeight(32);
    return p;
}
}  // namespace

FinestraInizio::FinestraInizio(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("INIZIO"));
    setWindowTitle(QStringLiteral("Quorvane: Versione %1").arg(QStringLiteral(QUORVANE_VERSIONE)));

    auto* pulsanteProcedi = pulsanteAlto(this, "Command2", QStringLiteral("PROCEDI"));
    auto* pulsanteSeleziona = pulsanteAlto(this, "Command4", QStringLiteral("SELEZIONE ARCHIVIO"));
    auto* fine = pulsanteAlto(this, "Command3", QStringLiteral("FINE"));
    auto* help = pulsanteAlto(this, "CmDHelp", QStringLiteral("Help in linea"));
    auto* avvertenza = etichetta(this, "Label1",
                                 QStringLiteral("Da utilizzare solamente al primo utilizzo del programma. "
                                                "Consultare l'help in linea ------->"));
    avvertenza->setWordWrap(true);
    auto* titoloPercorso = etichetta(this, "Label5", QStringLiteral("Percorso archivio:"));
    etichettaArchivio_ = etichetta(this, "Lbl_Archivio", QString());
    etichettaArchivio_->setWordWrap(true);
    etichettaArchivio_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    etichettaArchivio_->setFrameShape(QFrame::StyledPanel);
    etichettaDimostrativo_ = avvisoDimostrativo(this);
    barraAvanzamento_ = new QProgressBar(this);
    barraAvanzamento_->setObjectName(QStringLiteral("pb1"));
    barraAvanzamento_->setValue(0);
    tabellaParametri_ = new VistaGriglia("FgP", this);
    tabellaParametri_->setMinimumHeight(130);
    tabellaParametri_->setTextElideMode(Qt::ElideMiddle);

    auto* griglia = new QGridLayout;
    griglia->addWidget(avvertenza, 0, 0);
    griglia->addWidget(help, 0, 1);
    griglia->addWidget(pulsanteSeleziona, 1, 1);
    griglia->addWidget(titoloPercorso, 1, 0, Qt::AlignBottom);
    griglia->addWidget(etichettaArchivio_, 2, 0, 1, 2);
    griglia->setColumnStretch(0, 1);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(pulsanteProcedi, 1);
    comandi->addWidget(fine);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(griglia);
    layout->addWidget(etichettaDimostrativo_);
    layout->addWidget(tabellaParametri_);
    layout->addWidget(barraAvanzamento_);
    layout->addLayout(comandi);
    resize(900, 480);

    connect(pulsanteProcedi, &QPushButton::clicked, this, &FinestraInizio::procedi);
    connect(pulsanteSeleziona, &QPushButton::clicked, this, &FinestraInizio::selezionaArchivio);
    connect(fine, &QPushButton::clicked, this, [this] { close(); });
    connect(help, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    installaHelp(this, ArgomentoHelp);
}

void FinestraInizio::avvia() {
    // The path as the system writes it: C:\... on Windows.
    etichettaArchivio_->setText(QDir::toNativeSeparators(sessione_.percorsoArchivio()));
    mostraParametri();
    mostraArchivio();
    show();
    if (!sessione_.archivioApribile()) {
        Dialoghi::correnti().messaggio(
            this, QMessageBox::Warning, QStringLiteral("Selezionare Archivio"),
            QStringLiteral("Attenzione, la prima volta è necessario configurare l'origine dell'archivio"));
        selezionaArchivio();
    }
}

void FinestraInizio::selezionaArchivio() {
    const QString scelto = Dialoghi::correnti().apriFile(
        this, QStringLiteral("Selezione archivio"), sessione_.cartellaDati(),
        QStringLiteral("File di archivio (*.db *.sqlite);;Tutti i file (*)"));
    if (scelto.isEmpty()) return;
    if (QFileInfo(scelto).canonicalFilePath() == QFileInfo(sessione_.programma().percorso()).canonicalFilePath()) {
        Dialoghi::correnti().messaggio(
            this, QMessageBox::Warning, QStringLiteral("Selezione archivio"),
            QStringLiteral("%1 è il database del programma, non un archivio delle estrazioni: "
                           "l'archivio resta quello di prima.")
                .arg(QFileInfo(scelto).fileName()));
        return;
    }
    sessione_.selezionaArchivio(scelto);
    etichettaArchivio_->setText(QStringLiteral("Database: ") + QDir::toNativeSeparators(scelto));
    mostraArchivio();
    mostraParametri();
}

void FinestraInizio::procedi() {
    QString motivo;
    const bool caricato = sessione_.caricaArchivio(
        TipoCaricamento::Avvio,
        [this](int riga, int righe) {
            if (barraAvanzamento_->maximum() != righe) barraAvanzamento_->setMaximum(righe);
            barraAvanzamento_->setValue(riga);
        },
        &motivo);
    if (!caricato) {
        Dialoghi::correnti().messaggio(this, QMessageBox::Critical, QStringLiteral("Avviso"),
                                       MessaggioCaricamento + QStringLiteral("\n") + motivo);
        return;
    }
    emit archivioCaricato();
    close();
}

void FinestraInizio::mostraArchivio() {
    etichettaDimostrativo_->setVisible(sessione_.archivioDimostrativo());
}

void FinestraInizio::mostraParametri() {
    Griglia& g = tabellaParametri_->griglia();
    g.impostaIntestazione("|Parametro|Significato|Valore1|Valore2");
    g.nascondiColonna(0);
    const auto parametri = sessione_.programma().parametri();
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(parametri.size()) + 1);
    bool valore2 = false;
    for (int i = 0; i < parametri.size(); ++i) {
        valore2 = valore2 || !parametri[i].valore2.isEmpty();
        g.impostaTesto(i + 1, 1, parametri[i].nome.toStdString());
        g.impostaTesto(i + 1, 2, descrizioneParametro(parametri[i].nome).toStdString());
        g.impostaTesto(i + 1, 3, parametri[i].valore1.toStdString());
        g.impostaTesto(i + 1, 4, parametri[i].valore2.toStdString());
    }
    // An empty column would only take room from the paths.
    g.nascondiColonna(4, !valore2);
    tabellaParametri_->adattaColonne(1, 4);
    // Valore1 takes what the other columns leave, so that Valore2 stays in sight: a long path
    // is shortened in its cell and shown whole in the tooltip.
    tabellaParametri_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
}

}  // namespace quorvane
