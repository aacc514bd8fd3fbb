#include "archive/ui/FinestraArchivio.h"

#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "archive/ui/ControlliArchivio.h"
#include "archive/ui/PaginaAggiornamenti.h"
#include "archive/ui/PaginaElenco.h"
#include "archive/ui/PaginaGestione.h"
#include "archive/ui/PaginaSalvataggi.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/Help.h"

namespace quorvane {

namespace {
// Room left for the window's frame beside a window as wide as the screen.
constexpr int MargineSchermo = 16;
}  // namespace

FinestraArchivio::FinestraArchivio(FinestraPrincipale& principale, QWidget* padre)
    : QWidget(padre), principale_(principale), sessione_(principale.sessione()) {
    setObjectName(QStringLiteral("archivio"));
    setWindowTitle(QStringLiteral("Gestione archivio DB"));

    gestione_ = new PaginaGestione(principale_);
    elenco_ = new PaginaElenco;
    salvataggi_ = new PaginaSalvataggi(principale_);
    aggiornamenti_ = new PaginaAggiornamenti(principale_);
    pagine_ = new QTabWidget(this);
    pagine_->setObjectName(QStringLiteral("SSTab1"));
    pagine_->addTab(gestione_, QStringLiteral("&Gestione estrazioni"));
    pagine_->addTab(elenco_, QStringLiteral("Elenco estrazioni"));
    pagine_->addTab(salvataggi_, QStringLiteral("Salvataggi"));
    pagine_->addTab(aggiornamenti_, QStringLiteral("Aggiornamenti"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pagine_);
    resize(980, 840);
    installaHelp(this, ArgomentoHelpArchivio);

    connect(elenco_, &PaginaElenco::estrazioneScelta, this, [this](int estrazione, const QString& data) {
        gestione_->mostraEstrazioneScelta(estrazione, data);
        mostraGestione();
    });
    connect(gestione_, &PaginaGestione::scritturaFinita, aggiornamenti_, &PaginaAggiornamenti::svuotaImporta);
    connect(aggiornamenti_, &PaginaAggiornamenti::richiestaGestione, this, &FinestraArchivio::mostraGestione);
    connect(aggiornamenti_, &PaginaAggiornamenti::aggiornamentoFinito, gestione_,
            &PaginaGestione::aggiornaRiepilogoArchivio);

    // Window load: the stored draws read again, shown up to the newest.
    pagine_->setCurrentIndex(0);
    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraArchivio::archivioRicaricato);
    caricaGrigliaArchivio();
    archivioRicaricato();
    gestione_->aggiornaRiepilogoArchivio();
    elenco_->adattaColonne();
    // Wide enough for the whole list where the screen has room; on a narrower screen as wide as
    // it allows, and the list scrolls to the last wheels.
    if (const QScreen* schermo = screen()) {
        const QMargins margini = layout->contentsMargins();
        const int piena = elenco_->larghezzaPiena() + margini.left() + margini.right() +
                          2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, pagine_);
        resize(std::max(width(), std::min(piena, schermo->availableGeometry().width() - MargineSchermo)), height());
    }
}

bool FinestraArchivio::caricaArchivioExNovo() {
    return quorvane::caricaArchivioExNovo(principale_, this);
}

void FinestraArchivio::caricaGrigliaArchivio() {
    QString errore;
    if (!sessione_.caricaArchivio(TipoCaricamento::SoloEstratti, {}, &errore))
        Dialoghi::correnti().messaggio(
            this, QMessageBox::Warning, QStringLiteral("Avviso"),
            QStringLiteral("Le estrazioni dell'archivio non sono state rilette: restano quelle già caricate.\n") +
                errore);
}

void FinestraArchivio::archivioRicaricato() {
    elenco_->mostraEstrazioni(sessione_.righeArchivio());
    gestione_->seguiArchivio();
}

void FinestraArchivio::mostraGestione() {
    pagine_->setCurrentIndex(0);
}

void FinestraArchivio::mostraAggiornamenti() {
    pagine_->setCurrentWidget(aggiornamenti_);
}

}  // namespace quorvane
