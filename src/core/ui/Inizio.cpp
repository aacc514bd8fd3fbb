#include "core/ui/Inizio.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

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

Inizio::Inizio(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("INIZIO"));
    setWindowTitle(QStringLiteral("Quorvane: Versione %1").arg(QStringLiteral(QUORVANE_VERSIONE)));

    auto* procedi = pulsanteAlto(this, "Command2", QStringLiteral("PROCEDI"));
    auto* seleziona = pulsanteAlto(this, "Command4", QStringLiteral("SELEZIONE ARCHIVIO"));
    auto* fine = pulsanteAlto(this, "Command3", QStringLiteral("FINE"));
    auto* help = pulsanteAlto(this, "CmDHelp", QStringLiteral("Help in linea"));
    auto* label1 = etichetta(this, "Label1",
                             QStringLiteral("Da utilizzare solamente al primo utilizzo del programma. "
                                            "Consultare l'help in linea ------->"));
    label1->setWordWrap(true);
    auto* label5 = etichetta(this, "Label5", QStringLiteral("Percorso archivio:"));
    lblArchivio_ = etichetta(this, "Lbl_Archivio", QString());
    lblArchivio_->setWordWrap(true);
    lblArchivio_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblArchivio_->setFrameShape(QFrame::StyledPanel);
    lblDimostrativo_ = avvisoDimostrativo(this);
    pb1_ = new QProgressBar(this);
    pb1_->setObjectName(QStringLiteral("pb1"));
    pb1_->setValue(0);
    fgP_ = new VistaGriglia("FgP", this);
    fgP_->setMinimumHeight(130);

    auto* griglia = new QGridLayout;
    griglia->addWidget(label1, 0, 0);
    griglia->addWidget(help, 0, 1);
    griglia->addWidget(seleziona, 1, 1);
    griglia->addWidget(label5, 1, 0, Qt::AlignBottom);
    griglia->addWidget(lblArchivio_, 2, 0, 1, 2);
    griglia->setColumnStretch(0, 1);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(procedi, 1);
    comandi->addWidget(fine);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(griglia);
    layout->addWidget(lblDimostrativo_);
    layout->addWidget(fgP_);
    layout->addWidget(pb1_);
    layout->addLayout(comandi);
    resize(620, 460);

    connect(procedi, &QPushButton::clicked, this, &Inizio::PROCEDI);
    connect(seleziona, &QPushButton::clicked, this, &Inizio::SELEZIONE_ARCHIVIO);
    connect(fine, &QPushButton::clicked, this, [this] { close(); });
    connect(help, &QPushButton::clicked, this, [] { mostraHelp(ArgomentoHelp); });
    installaHelp(this, ArgomentoHelp);
}

void Inizio::avvia() {
    lblArchivio_->setText(sessione_.percorsoArchivio());
    mostraParametri();
    mostraArchivio();
    show();
    if (!sessione_.archivioApribile()) {
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, QStringLiteral("Selezionare Archivio"),
            QStringLiteral("Attenzione, la prima volta è necessario configurare l'origine dell'archivio"));
        SELEZIONE_ARCHIVIO();
    }
}

void Inizio::SELEZIONE_ARCHIVIO() {
    const QString scelto = Dialoghi::correnti().apriFile(
        this, QStringLiteral("Selezione archivio"), sessione_.cartellaDati(),
        QStringLiteral("File di archivio (*.db *.sqlite);;Tutti i file (*)"));
    if (scelto.isEmpty()) return;
    sessione_.selezionaArchivio(scelto);
    lblArchivio_->setText(QStringLiteral("Database: ") + scelto);
    mostraArchivio();
    mostraParametri();
}

void Inizio::PROCEDI() {
    QString motivo;
    const bool caricato = sessione_.caricaArchivio(TipoCaricamento::Avvio, [this](int riga, int righe) {
        if (pb1_->maximum() != righe) pb1_->setMaximum(righe);
        pb1_->setValue(riga);
    }, &motivo);
    if (!caricato) {
        Dialoghi::correnti().messaggio(this, QMessageBox::Critical, QStringLiteral("Avviso"),
                                       MessaggioCaricamento);
        return;
    }
    emit archivioCaricato();
    close();
}

void Inizio::mostraArchivio() { lblDimostrativo_->setVisible(sessione_.archivioDimostrativo()); }

void Inizio::mostraParametri() {
    Griglia& g = fgP_->griglia();
    g.impostaIntestazione("|Parametro|Valore1|Valore2");
    g.nascondiColonna(0);
    const auto parametri = sessione_.programma().parametri();
    g.impostaRighe(1);
    g.impostaRighe(static_cast<int>(parametri.size()) + 1);
    for (int i = 0; i < parametri.size(); ++i) {
        g.impostaTesto(i + 1, 1, parametri[i].nome.toStdString());
        g.impostaTesto(i + 1, 2, parametri[i].valore1.toStdString());
        g.impostaTesto(i + 1, 3, parametri[i].valore2.toStdString());
    }
    fgP_->aggiorna();
    fgP_->adattaColonne(1, 3);
}

}  // namespace quorvane
