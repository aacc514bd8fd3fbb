#include "archive/ui/PaginaSalvataggi.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "archive/Esportazione.h"
#include "archive/db/FileEsportazione.h"
#include "archive/db/ScaricoStorico.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {

namespace {
const QString ParametroSito = QStringLiteral("Indirizzointernet");
const QString TitoloDatiIII = QStringLiteral("SALVA IN FORMATO MARVESTA 3 (Dati.iii)");
const QString TitoloZendravolta = QStringLiteral("SALVA IN FORMATO ZENDRAVOLTA");
const QString TitoloNazionale = QStringLiteral("SALVA NAZIONALE FORMATO TESTO");

// A double click empties the box, ready for a new address.
class CasellaIndirizzo : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { clear(); }
};

QLabel* casella(const char* nome, const QString& testo, QWidget* padre) {
    auto* l = new QLabel(testo, padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFrameShape(QFrame::StyledPanel);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// Hourglass pointer for the length of an export.
struct CursoreAttesa {
    CursoreAttesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreAttesa() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

PaginaSalvataggi::PaginaSalvataggi(FinestraPrincipale& principale, QWidget* padre)
    : QWidget(padre), principale_(principale), sessione_(principale.sessione()) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(creaSito());
    layout->addWidget(creaArchivioUfficiale());
    layout->addWidget(creaFormati());
    layout->addStretch(1);
    auto* piede = new QHBoxLayout;
    piede->addStretch(1);
    piede->addWidget(pulsanteHelp("Command23", this));
    layout->addLayout(piede);
}

QWidget* PaginaSalvataggi::creaSito() {
    auto* sito = new QGroupBox(QStringLiteral("Indirizzo Internet"), this);
    indirizzoSito_ = casella("Label5", sessione_.indirizzoInternet(), sito);
    nuovoIndirizzoSito_ = new CasellaIndirizzo(sessione_.indirizzoInternet(), sito);
    nuovoIndirizzoSito_->setObjectName(QStringLiteral("Text2"));
    auto* incolla = pulsante(sito, "Command16", QStringLiteral("Incolla contenuto appunti"));
    connect(incolla, &QPushButton::clicked, this,
            [this] { nuovoIndirizzoSito_->setText(QGuiApplication::clipboard()->text()); });
    auto* predefinito = pulsante(sito, "Command15", QStringLiteral("RENDE PREDEFINITO"));
    connect(predefinito, &QPushButton::clicked, this, &PaginaSalvataggi::rendePredefinitoIndirizzo);
    auto* collega = pulsante(sito, "Command5", QStringLiteral("COLLEGA AL SITO"));
    connect(collega, &QPushButton::clicked, this, &PaginaSalvataggi::collegaAlSito);
    auto* griglia = new QGridLayout(sito);
    griglia->addWidget(indirizzoSito_, 0, 0);
    griglia->addWidget(collega, 0, 1);
    griglia->addWidget(nuovoIndirizzoSito_, 1, 0);
    griglia->addWidget(incolla, 1, 1);
    griglia->addWidget(predefinito, 2, 1);
    griglia->addWidget(
        testoFisso(QStringLiteral("Per modificare l'indirizzo internet predefinito, copiare l'indirizzo "
                                  "desiderato ed incollarlo in questa casella dopodichè usare il pulsante "
                                  "RENDE PREDEFINITO"),
                   sito),
        2, 0);
    griglia->setColumnStretch(0, 1);
    return sito;
}

QWidget* PaginaSalvataggi::creaArchivioUfficiale() {
    auto* ufficiale = new QGroupBox(QStringLiteral("Indirizzo dell'archivio ufficiale (SCARICA ARCHIVIO UFFICIALE)"),
                                    this);
    indirizzoArchivioUfficiale_ = new QLineEdit(indirizzoArchivioUfficiale(sessione_.programma()), ufficiale);
    indirizzoArchivioUfficiale_->setObjectName(QStringLiteral("TxtArchivioUfficiale"));
    auto* predefinito = pulsante(ufficiale, "CmdArchivioUfficiale", QStringLiteral("RENDE PREDEFINITO"));
    connect(predefinito, &QPushButton::clicked, this, &PaginaSalvataggi::rendePredefinitoArchivioUfficiale);
    auto* rigaUfficiale = new QGridLayout(ufficiale);
    rigaUfficiale->addWidget(indirizzoArchivioUfficiale_, 0, 0);
    rigaUfficiale->addWidget(predefinito, 0, 1);
    rigaUfficiale->addWidget(testoFisso(QStringLiteral("Il file storico ufficiale delle estrazioni (zip o testo) "
                                                       "pubblicato dal concessionario del Lotto"),
                                        ufficiale),
                             1, 0);
    rigaUfficiale->setColumnStretch(0, 1);
    return ufficiale;
}

QWidget* PaginaSalvataggi::creaFormati() {
    auto* formati = new QGroupBox(QStringLiteral("Salvataggio dell'archivio in altri formati"), this);
    auto* datiIII = pulsante(formati, "Command10", TitoloDatiIII);
    connect(datiIII, &QPushButton::clicked, this, &PaginaSalvataggi::salvaDatiIII);
    auto* zendravolta = pulsante(formati, "Command7", TitoloZendravolta);
    const QString cartellaKvel = QDir::toNativeSeparators(cartellaZendravoltaPrevista());
    zendravolta->setToolTip(QStringLiteral("Scrive DATI32.III nella cartella %1").arg(cartellaKvel));
    connect(zendravolta, &QPushButton::clicked, this, &PaginaSalvataggi::salvaZendravolta);
    auto* nazionale = pulsante(formati, "Command34", TitoloNazionale);
    connect(nazionale, &QPushButton::clicked, this, &PaginaSalvataggi::salvaNazionale);
    auto* predefinita = pulsante(formati, "Command35", QStringLiteral("RENDE PREDEFINITA"));
    connect(predefinita, &QPushButton::clicked, this, &PaginaSalvataggi::rendePredefinitoPercorsoDati);
    // Window load: the Dati.iii path stored as the default.
    percorsoDatiIII_ = casella("Label13", sessione_.programma().parametro(Parametri::PercorsoDati).value_or(QString()),
                               formati);

    auto* layoutFormati = new QGridLayout(formati);
    layoutFormati->addWidget(datiIII, 0, 0);
    layoutFormati->addWidget(percorsoDatiIII_, 0, 1);
    layoutFormati->addWidget(predefinita, 1, 0);
    layoutFormati->addWidget(zendravolta, 2, 0);
    auto* avvisoKvel = testoFisso(
        QStringLiteral("Attenzione, questo file deve essere obbligatoriamente salvato nella cartella %1 .....")
            .arg(cartellaKvel),
        formati);
    avvisoKvel->setObjectName(QStringLiteral("LblCartellaZendravolta"));
    avvisoKvel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layoutFormati->addWidget(avvisoKvel, 2, 1);
    layoutFormati->addWidget(
        testoFisso(QStringLiteral("Attenzione: questi due formati non prevedono i dati della ruota "
                                  "nazionale. Vengono salvate le estrazioni delle 10 ruote classiche."),
                   formati),
        3, 0, 1, 2);
    layoutFormati->addWidget(nazionale, 4, 0);
    layoutFormati->setColumnStretch(1, 1);
    return formati;
}

// ---------------------------------------------------------------------------------------------
// Site address.

void PaginaSalvataggi::collegaAlSito() {
    const QString testo = indirizzoSito_->text().trimmed();
    const QUrl url(testo, QUrl::StrictMode);
    if (!indirizzoHttp(url)) {
        messaggioErrore(this, QStringLiteral("COLLEGA AL SITO"),
                        QStringLiteral("\"%1\" non è un indirizzo internet: si aprono solo gli indirizzi che "
                                       "iniziano con http:// o https://.")
                            .arg(testo));
        return;
    }
    if (!Dialoghi::correnti().apriIndirizzo(url))
        messaggioErrore(this, QStringLiteral("COLLEGA AL SITO"),
                        QStringLiteral("Nessun programma ha aperto l'indirizzo %1.").arg(testo));
}

void PaginaSalvataggi::salvaParametro(const QString& nome, const QString& valore) {
    // A missing row is left missing, without a word.
    if (!sessione_.programma().parametro(nome)) return;
    if (sessione_.programma().impostaParametro(nome, valore))
        Dialoghi::correnti().messaggio(this, QMessageBox::Information, QStringLiteral("Salvataggio"),
                                       QStringLiteral("Salvataggio effettuato"));
    else
        messaggioErrore(this, QStringLiteral("Salvataggio"),
                        QStringLiteral("Il parametro %1 non è stato salvato nel database del programma.").arg(nome));
}

// The stored address takes effect at the next start; Label5 keeps the one read at start-up.
void PaginaSalvataggi::rendePredefinitoIndirizzo() {
    salvaParametro(ParametroSito, nuovoIndirizzoSito_->text());
}

void PaginaSalvataggi::rendePredefinitoArchivioUfficiale() {
    const QString testo = indirizzoArchivioUfficiale_->text().trimmed();
    if (!indirizzoHttp(QUrl(testo, QUrl::StrictMode))) {
        messaggioErrore(this, QStringLiteral("Salvataggio"),
                        QStringLiteral("\"%1\" non è un indirizzo internet: si scarica solo da indirizzi che "
                                       "iniziano con http:// o https://.")
                            .arg(testo));
        return;
    }
    salvaParametro(Parametri::IndirizzoArchivioUfficiale, testo);
}

void PaginaSalvataggi::rendePredefinitoPercorsoDati() {
    salvaParametro(Parametri::PercorsoDati, percorsoDatiIII_->text());
}

// ---------------------------------------------------------------------------------------------
// Exports.

bool PaginaSalvataggi::esporta(const QString& file,
                               std::string (*formato)(const ArchivioEstrazioni&, const Avanzamento&),
                               const QString& titolo) {
    CursoreAttesa attesa;
    const BarraLavoro barra(principale_.barraAvanzamento());
    const std::string contenuto = formato(sessione_.archivio, [this](int i, int n) { avanzamento(principale_, i, n); });
    QString errore;
    const std::vector<FileProtetto> protetti = {
        {sessione_.percorsoArchivio(), QStringLiteral("l'archivio in uso")},
        {sessione_.programma().percorso(), QStringLiteral("il database del programma")}};
    if (scriviEsportazione(file, contenuto, protetti, &errore)) return true;
    messaggioErrore(this, titolo, errore);
    return false;
}

void PaginaSalvataggi::salvaDatiIII() {
    const QString inizio = percorsoDatiIII_->text().isEmpty() ? sessione_.cartellaDati() : percorsoDatiIII_->text();
    const QString file = Dialoghi::correnti().salvaFile(
        this, TitoloDatiIII, inizio, QStringLiteral("File di archivio (*.iii)"), QStringLiteral("iii"));
    if (file.isEmpty()) return;
    if (esporta(file, esportaDatiIII, TitoloDatiIII)) percorsoDatiIII_->setText(file);
}

void PaginaSalvataggi::salvaZendravolta() {
    const QString cartella = cartellaZendravolta();
    if (cartella.isEmpty()) {
        Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"),
                                       QStringLiteral("Attenzione Zendravolta non presente."));
        return;
    }
    esporta(fileZendravolta(cartella), esportaZendravolta, TitoloZendravolta);
}

void PaginaSalvataggi::salvaNazionale() {
    const QString file = Dialoghi::correnti().salvaFile(this, TitoloNazionale, sessione_.cartellaDati(),
                                                        QStringLiteral("File di archivio (*.Txt)"),
                                                        QStringLiteral("Txt"));
    if (file.isEmpty()) return;
    esporta(file, esportaNazionale, TitoloNazionale);
}

}  // namespace quorvane
