#include "analyses/ui/FinestraStatistiche.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "analyses/db/DatabaseListe.h"
#include "analyses/ui/GraficoStatistiche.h"
#include "analyses/ui/SceltaPeriodo.h"
#include "core/db/NomiGiocatore.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

namespace {
constexpr int ArgomentoHelp = 540;
// By ColonnaStatistiche.
constexpr std::array<int, NumColonneStatistiche + 1> Larghezze = {78, 84, 74, 84, 96, 104, 104, 86, 70, 100, 100, 230};

QString testoQt(std::string_view testo) {
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

const QString Titolo = QStringLiteral("Statistiche");
}  // namespace

FinestraStatistiche::FinestraStatistiche(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("Statistiche"));
    setWindowTitle(Titolo);

    sceltaTipo_ = new QComboBox(this);
    sceltaTipo_->setObjectName(QStringLiteral("ComboTipo"));
    sceltaTipo_->addItems({QStringLiteral("Estratti"), QStringLiteral("Ambi"), QStringLiteral("Estratto determinato"),
                           QStringLiteral("Gruppi")});
    sceltaPosizione_ = new QSpinBox(this);
    sceltaPosizione_->setObjectName(QStringLiteral("SpinPosizione"));
    sceltaPosizione_->setRange(1, NumPosizioni);
    sceltaPosizione_->setPrefix(QStringLiteral("posizione "));
    sceltaPosizione_->setAccessibleName(QStringLiteral("Posizione"));
    sceltaGruppi_ = new QComboBox(this);
    sceltaGruppi_->setObjectName(QStringLiteral("ComboGruppi"));
    sceltaGruppi_->addItems({QStringLiteral("Decine"), QStringLiteral("Cadenze"), QStringLiteral("Figure"),
                             QStringLiteral("Gemelli"), QStringLiteral("Liste proprie")});
    salvaLista_ = pulsante(this, "CmdSalvaLista", QStringLiteral("Salva lista..."));
    eliminaLista_ = pulsante(this, "CmdEliminaLista", QStringLiteral("Elimina lista..."));
    connect(sceltaTipo_, &QComboBox::currentIndexChanged, this, &FinestraStatistiche::mostraScelte);
    connect(salvaLista_, &QPushButton::clicked, this, &FinestraStatistiche::salvaLista);
    connect(eliminaLista_, &QPushButton::clicked, this, &FinestraStatistiche::eliminaLista);
    auto* richiesta = new QHBoxLayout;
    richiesta->addWidget(etichettaPer(sceltaTipo_, QStringLiteral("Tipo")));
    richiesta->addWidget(sceltaTipo_);
    richiesta->addWidget(sceltaPosizione_);
    richiesta->addWidget(sceltaGruppi_);
    richiesta->addWidget(salvaLista_);
    richiesta->addWidget(eliminaLista_);
    richiesta->addStretch(1);
    auto* sceltaRuote = new QHBoxLayout;
    sceltaRuote->addWidget(new QLabel(QStringLiteral("Ruote"), this));
    const RichiestaStatistiche predefinita;
    for (int w = 1; w <= NumRuote; ++w) {
        const QString sigla = testoQt(SiglaRuota[static_cast<std::size_t>(w)]);
        auto* casella = new QCheckBox(sigla, this);
        casella->setObjectName(QStringLiteral("Chk_") + sigla);
        casella->setToolTip(testoQt(NomeRuota[static_cast<std::size_t>(w)]));
        casella->setChecked(predefinita.ruote[static_cast<std::size_t>(w - 1)]);
        ruote_[static_cast<std::size_t>(w - 1)] = casella;
        sceltaRuote->addWidget(casella);
    }
    sceltaRuote->addStretch(1);

    periodo_ = new SceltaPeriodo(sessione_.archivio, this);
    connect(periodo_, &SceltaPeriodo::tuttoLArchivio, this, &FinestraStatistiche::calcola);
    auto* calcolaP = pulsante(this, "CmdCalcola", QStringLiteral("CALCOLA"));
    connect(calcolaP, &QPushButton::clicked, this, &FinestraStatistiche::calcola);
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(periodo_);
    periodo->addStretch(1);
    periodo->addWidget(calcolaP);

    sceltaGrafico_ = new QComboBox(this);
    sceltaGrafico_->setObjectName(QStringLiteral("ComboGrafico"));
    for (ColonnaStatistiche figura : GraficoStatistiche::figure())
        sceltaGrafico_->addItem(testoQt(intestazioneStatistiche(figura)));
    sceltaGrafico_->addItem(QStringLiteral("Scarto dal caso"));
    connect(sceltaGrafico_, &QComboBox::currentIndexChanged, this, &FinestraStatistiche::mostraGrafico);
    auto* copia = pulsante(this, "CmdCopia", QStringLiteral("Copia tabella"));
    auto* stampa = pulsante(this, "CmdStampa", QStringLiteral("Stampa"));
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(new QLabel(QStringLiteral("Grafico"), this));
    comandi->addWidget(sceltaGrafico_);
    comandi->addStretch(1);
    comandi->addWidget(copia);
    comandi->addWidget(stampa);

    tabella_ = new VistaGriglia("FgStatistiche", this);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->horizontalHeader()->setSortIndicatorShown(true);
    connect(tabella_->horizontalHeader(), &QHeaderView::sectionClicked, this, &FinestraStatistiche::ordinaPer);
    connect(copia, &QPushButton::clicked, tabella_, &VistaGriglia::copiaTabella);
    connect(stampa, &QPushButton::clicked, this,
            [this] { tabella_->stampaConDialogo(Titolo, QPageLayout::Landscape); });
    grafico_ = new GraficoStatistiche(this);
    grafico_->setMinimumHeight(260);
    connect(grafico_, &GraficoStatistiche::elementoCliccato, this, &FinestraStatistiche::selezionaElemento);

    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(tabella_);
    divisore->addWidget(grafico_);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(richiesta);
    layout->addLayout(sceltaRuote);
    layout->addLayout(periodo);
    layout->addLayout(comandi);
    layout->addWidget(divisore, 1);
    resize(1100, 820);
    installaHelp(this, ArgomentoHelp);
    invioPremePulsante(this, calcolaP);

    connect(&sessione_, &Sessione::archivioRicaricato, this, &FinestraStatistiche::archivioRicaricato);
    mostraScelte();
    calcola();
}

void FinestraStatistiche::archivioRicaricato() {
    periodo_->seguiArchivio();
    calcola();
}

void FinestraStatistiche::mostraScelte() {
    const int tipo = sceltaTipo_->currentIndex();
    sceltaPosizione_->setVisible(tipo == TipoPosizione);
    for (QWidget* w : {static_cast<QWidget*>(sceltaGruppi_), static_cast<QWidget*>(salvaLista_),
                       static_cast<QWidget*>(eliminaLista_)})
        w->setVisible(tipo == TipoGruppi);
}

std::optional<std::vector<GruppoNumeri>> FinestraStatistiche::gruppiScelti() {
    if (sceltaGruppi_->currentIndex() < ListeProprie)
        return gruppiFamiglia(static_cast<FamigliaGruppi>(sceltaGruppi_->currentIndex()));
    QString errore;
    auto liste = leggiListe(sessione_.programma().db(), &errore);
    if (!liste)
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, Titolo,
                                       QStringLiteral("Liste illeggibili: ") + errore);
    return liste;
}

void FinestraStatistiche::calcola() {
    RichiestaStatistiche richiesta;
    const int tipo = sceltaTipo_->currentIndex();
    richiesta.tipo = tipo == TipoAmbi        ? TipoStatistiche::Ambi
                     : tipo == TipoPosizione ? TipoStatistiche::Posizione
                     : tipo == TipoGruppi    ? TipoStatistiche::Gruppi
                                             : TipoStatistiche::Estratti;
    richiesta.posizione = sceltaPosizione_->value();
    if (tipo == TipoGruppi) {
        const auto gruppi = gruppiScelti();
        if (!gruppi) {
            calcolate_ = false;
            riempi();
            return mostraGrafico();
        }
        richiesta.gruppi = *gruppi;
    }
    for (std::size_t w = 0; w < ruote_.size(); ++w) richiesta.ruote[w] = ruote_[w]->isChecked();
    richiesta.dal = periodo_->dal();
    richiesta.al = periodo_->al();
    const ErroreStatistiche errore = statistiche_.calcola(sessione_.archivio, richiesta);
    calcolate_ = errore == ErroreStatistiche::Nessuno;
    // A column the new kind lacks (the wheels of the last exit, for groups) gives way to the first.
    const auto colonne = colonneStatistiche(richiesta.tipo);
    if (std::find(colonne.begin(), colonne.end(), colonna_) == colonne.end()) {
        colonna_ = ColonnaStatistiche::Elemento;
        discendente_ = false;
    }
    riempi();
    mostraGrafico();
    if (errore == ErroreStatistiche::NessunGruppo && sceltaGruppi_->currentIndex() == ListeProprie)
        return Dialoghi::correnti().messaggio(
            this, QMessageBox::Information, Titolo,
            QStringLiteral("Nessuna lista salvata: crearne una con \"Salva lista...\""));
    if (!calcolate_)
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, Titolo,
                                       QString::fromStdString(messaggioStatistiche(errore, sessione_.archivio)));
}

void FinestraStatistiche::riempi() {
    ordine_ = calcolate_ ? statistiche_.ordine(colonna_, discendente_) : std::vector<int>{};
    Griglia& g = tabella_->griglia();
    riempiStatistiche(g, statistiche_, sessione_.archivio, ordine_);
    const auto colonne = colonneStatistiche(statistiche_.richiesta().tipo);
    // Each column as wide as its texts ("Ruote ultima" may hold all 11 wheels), never narrower
    // than its own width, which leaves room for the sort arrow.
    tabella_->adattaColonne();
    for (std::size_t c = 0; c < colonne.size(); ++c)
        g.impostaLarghezzaColonna(static_cast<int>(c), std::max(Larghezze[static_cast<std::size_t>(colonne[c])],
                                                                tabella_->columnWidth(static_cast<int>(c))));
    const auto posto = std::find(colonne.begin(), colonne.end(), colonna_);
    tabella_->horizontalHeader()->setSortIndicator(static_cast<int>(posto - colonne.begin()),
                                                   discendente_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void FinestraStatistiche::mostraGrafico() {
    if (!calcolate_) return grafico_->svuota();
    const auto figura = static_cast<std::size_t>(sceltaGrafico_->currentIndex());
    if (figura < GraficoStatistiche::figure().size())
        grafico_->mostra(statistiche_, GraficoStatistiche::figure()[figura]);
    else grafico_->mostraScarto(statistiche_);
}

void FinestraStatistiche::ordinaPer(int colonna) {
    const auto colonne = colonneStatistiche(statistiche_.richiesta().tipo);
    if (colonna < 0 || colonna >= static_cast<int>(colonne.size())) return;
    const ColonnaStatistiche scelta = colonne[static_cast<std::size_t>(colonna)];
    discendente_ = scelta == colonna_ ? !discendente_ : discendentePerPrimo(scelta);
    colonna_ = scelta;
    // The row the user was on stays selected wherever it goes.
    const int riga = tabella_->currentIndex().isValid()
                         ? tabella_->modello()->rigaGriglia(tabella_->currentIndex().row())
                         : 0;
    const int elemento = riga >= 1 && riga <= static_cast<int>(ordine_.size())
                             ? ordine_[static_cast<std::size_t>(riga - 1)]
                             : -1;
    riempi();
    if (elemento >= 0) selezionaElemento(elemento);
}

void FinestraStatistiche::selezionaElemento(int elemento) {
    const auto posto = std::find(ordine_.begin(), ordine_.end(), elemento);
    if (posto == ordine_.end()) return;
    tabella_->aggiornaCambi();  // the rows of a new order are in the view before one is selected
    const int riga = tabella_->modello()->rigaModello(static_cast<int>(posto - ordine_.begin()) + 1);
    tabella_->selectRow(riga);
    tabella_->scrollTo(tabella_->model()->index(riga, 0), QAbstractItemView::PositionAtCenter);
}

void FinestraStatistiche::mostraNumero(int numero, const std::array<bool, NumRuote>& ruote, int dal, int al) {
    sceltaTipo_->setCurrentIndex(TipoEstratti);
    for (std::size_t w = 0; w < ruote_.size(); ++w) ruote_[w]->setChecked(ruote[w]);
    periodo_->imposta(dal, al);
    calcola();
    selezionaElemento(numero - 1);
}

// A name already used (as the player reads it) is replaced only on a Yes.
void FinestraStatistiche::salvaLista() {
    Dialoghi& d = Dialoghi::correnti();
    const auto digitato = d.chiediTesto(this, Titolo, QStringLiteral("Nome della lista"), {});
    if (!digitato || digitato->trimmed().isEmpty()) return;
    const auto nome = nomeVisibile(*digitato);
    if (!nome)
        return d.messaggio(this, QMessageBox::Warning, Titolo,
                           QStringLiteral("Il nome della lista non ha caratteri visibili."));
    const auto testo = d.chiediTesto(this, Titolo, QStringLiteral("Numeri della lista (per esempio 5 17 48)"), {});
    if (!testo) return;
    const auto numeri = leggiNumeri(testo->toStdString());
    GruppoNumeri lista{nome->toStdString(), numeri.value_or(std::vector<int>{})};
    ErroreStatistiche errore = numeri ? controllaGruppi({lista}) : ErroreStatistiche::NumeroFuoriGruppo;
    if (errore != ErroreStatistiche::Nessuno)
        return d.messaggio(this, QMessageBox::Warning, Titolo,
                           QString::fromStdString(messaggioStatistiche(errore, sessione_.archivio)));
    QString motivo;
    for (const QString& usato : nomiListe(sessione_.programma().db(), &motivo).value_or(QStringList{}))
        if (chiaveNome(usato) == chiaveNome(*nome) &&
            !d.conferma(this, Titolo, QStringLiteral("Esiste già la lista \"%1\": sostituirla?").arg(usato)))
            return;
    if (!quorvane::salvaLista(sessione_.programma().db(), lista, &motivo))
        return d.messaggio(this, QMessageBox::Warning, Titolo, QStringLiteral("Lista non salvata: ") + motivo);
    sceltaGruppi_->setCurrentIndex(ListeProprie);
    calcola();
}

// The stored lists are offered to choose from; the one chosen goes after a Yes.
void FinestraStatistiche::eliminaLista() {
    Dialoghi& d = Dialoghi::correnti();
    QString motivo;
    const auto nomi = nomiListe(sessione_.programma().db(), &motivo);
    if (!nomi) return d.messaggio(this, QMessageBox::Warning, Titolo, QStringLiteral("Liste non lette: ") + motivo);
    if (nomi->isEmpty())
        return d.messaggio(this, QMessageBox::Information, Titolo, QStringLiteral("Non ci sono liste salvate."));
    const auto nome = d.scegli(this, Titolo, QStringLiteral("Lista da eliminare"), *nomi);
    if (!nome || !d.conferma(this, Titolo, QStringLiteral("Eliminare la lista \"%1\"?").arg(*nome))) return;
    if (!quorvane::eliminaLista(sessione_.programma().db(), *nome, &motivo))
        return d.messaggio(this, QMessageBox::Warning, Titolo, QStringLiteral("Lista non eliminata: ") + motivo);
    if (sceltaGruppi_->currentIndex() == ListeProprie) calcola();
}

}  // namespace quorvane
