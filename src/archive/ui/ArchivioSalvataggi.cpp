// Tab "Salvataggi": the site address, the official archive's address and the exports of the archive to other programs' formats.
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "archive/Esportazione.h"
#include "archive/db/FileEsportazione.h"
#include "archive/db/ScaricoStorico.h"
#include "archive/ui/Archivio.h"
#include "archive/ui/ControlliArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Container.h"
#include "core/ui/Dialoghi.h"

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

QWidget* Archivio::creaSalvataggi() {
    auto* pagina = new QWidget;

    auto* sito = new QGroupBox(QStringLiteral("Indirizzo Internet"), pagina);
    label5_ = casella("Label5", sessione_.indirizzoInternet(), sito);
    text2_ = new CasellaIndirizzo(sessione_.indirizzoInternet(), sito);
    text2_->setObjectName(QStringLiteral("Text2"));
    auto* command16 = pulsante(sito, "Command16", QStringLiteral("Incolla contenuto appunti"));
    connect(command16, &QPushButton::clicked, this,
            [this] { text2_->setText(QGuiApplication::clipboard()->text()); });
    auto* command15 = pulsante(sito, "Command15", QStringLiteral("RENDE PREDEFINITO"));
    connect(command15, &QPushButton::clicked, this, &Archivio::RENDE_PREDEFINITO);
    auto* command5 = pulsante(sito, "Command5", QStringLiteral("COLLEGA AL SITO"));
    connect(command5, &QPushButton::clicked, this, &Archivio::COLLEGA_AL_SITO);
    auto* griglia = new QGridLayout(sito);
    griglia->addWidget(label5_, 0, 0);
    griglia->addWidget(command5, 0, 1);
    griglia->addWidget(text2_, 1, 0);
    griglia->addWidget(command16, 1, 1);
    griglia->addWidget(command15, 2, 1);
    griglia->addWidget(testoFisso(QStringLiteral("Per modificare l'indirizzo internet predefinito, copiare l'indirizzo "
                                           "desiderato ed incollarlo in questa casella dopodichè usare il pulsante "
                                           "RENDE PREDEFINITO"),
                            sito),
                       2, 0);
    griglia->setColumnStretch(0, 1);

    auto* ufficiale = new QGroupBox(QStringLiteral("Indirizzo dell'archivio ufficiale (SCARICA ARCHIVIO UFFICIALE)"),
                                    pagina);
    txtArchivioUfficiale_ = new QLineEdit(indirizzoArchivioUfficiale(sessione_.programma()), ufficiale);
    txtArchivioUfficiale_->setObjectName(QStringLiteral("TxtArchivioUfficiale"));
    auto* predefinito = pulsante(ufficiale, "CmdArchivioUfficiale", QStringLiteral("RENDE PREDEFINITO"));
    connect(predefinito, &QPushButton::clicked, this, &Archivio::indirizzoArchivioUfficialePredefinito);
    auto* rigaUfficiale = new QGridLayout(ufficiale);
    rigaUfficiale->addWidget(txtArchivioUfficiale_, 0, 0);
    rigaUfficiale->addWidget(predefinito, 0, 1);
    rigaUfficiale->addWidget(testoFisso(QStringLiteral("Il file storico ufficiale delle estrazioni (zip o testo) "
                                                       "pubblicato dal concessionario del Lotto"),
                                        ufficiale),
                             1, 0);
    rigaUfficiale->setColumnStretch(0, 1);

    auto* formati = new QGroupBox(QStringLiteral("Salvataggio dell'archivio in altri formati"), pagina);
    auto* command10 = pulsante(formati, "Command10", TitoloDatiIII);
    connect(command10, &QPushButton::clicked, this, &Archivio::SALVA_DATI_III);
    auto* command7 = pulsante(formati, "Command7", TitoloZendravolta);
    command7->setToolTip(QStringLiteral("Scrive DATI32.III nella cartella KVEL3 del disco C: "
                                        "(con Wine, in ~/.wine/drive_c/KVEL3)"));
    connect(command7, &QPushButton::clicked, this, &Archivio::SALVA_ZENDRAVOLTA);
    auto* command34 = pulsante(formati, "Command34", TitoloNazionale);
    connect(command34, &QPushButton::clicked, this, &Archivio::SALVA_NAZIONALE);
    auto* command35 = pulsante(formati, "Command35", QStringLiteral("RENDE PREDEFINITA"));
    connect(command35, &QPushButton::clicked, this, &Archivio::RENDE_PREDEFINITA);
    // Window load: the Dati.iii path stored as the default.
    label13_ = casella("Label13", sessione_.programma().parametro(Parametri::PercorsoDati).value_or(QString()), formati);

    auto* layoutFormati = new QGridLayout(formati);
    layoutFormati->addWidget(command10, 0, 0);
    layoutFormati->addWidget(label13_, 0, 1);
    layoutFormati->addWidget(command35, 1, 0);
    layoutFormati->addWidget(command7, 2, 0);
    layoutFormati->addWidget(testoFisso(QStringLiteral("Attenzione, questo file deve essere obbligatoriamente salvato "
                                                 "nella cartella C:/Kvel3/ ....."),
                                  formati),
                             2, 1);
    layoutFormati->addWidget(testoFisso(QStringLiteral("Attenzione: questi due formati non prevedono i dati della ruota "
                                                 "nazionale. Vengono salvate le estrazioni delle 10 ruote classiche."),
                                  formati),
                             3, 0, 1, 2);
    layoutFormati->addWidget(command34, 4, 0);
    layoutFormati->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(pagina);
    layout->addWidget(sito);
    layout->addWidget(ufficiale);
    layout->addWidget(formati);
    layout->addStretch(1);
    auto* piede = new QHBoxLayout;
    piede->addStretch(1);
    piede->addWidget(pulsanteHelp("Command23", pagina));
    layout->addLayout(piede);
    return pagina;
}

// ---------------------------------------------------------------------------------------------
// Site address.

void Archivio::COLLEGA_AL_SITO() {
    const QString testo = label5_->text().trimmed();
    const QUrl url(testo, QUrl::StrictMode);
    if (!indirizzoHttp(url)) {
        messaggioErrore(QStringLiteral("COLLEGA AL SITO"),
                        QStringLiteral("\"%1\" non è un indirizzo internet: si aprono solo gli indirizzi che "
                                       "iniziano con http:// o https://.")
                            .arg(testo));
        return;
    }
    if (!Dialoghi::correnti().apriIndirizzo(url))
        messaggioErrore(QStringLiteral("COLLEGA AL SITO"),
                        QStringLiteral("Nessun programma ha aperto l'indirizzo %1.").arg(testo));
}

void Archivio::salvaParametro(const QString& nome, const QString& valore) {
    // A missing row is left missing, without a word.
    if (!sessione_.programma().parametro(nome)) return;
    if (sessione_.programma().impostaParametro(nome, valore))
        Dialoghi::correnti().messaggio(this, QMessageBox::Information, QStringLiteral("Salvataggio"),
                                       QStringLiteral("Salvataggio effettuato"));
    else
        messaggioErrore(QStringLiteral("Salvataggio"),
                        QStringLiteral("Il parametro %1 non è stato salvato nel database del programma.").arg(nome));
}

// The stored address takes effect at the next start; Label5 keeps the one read at start-up.
void Archivio::RENDE_PREDEFINITO() { salvaParametro(ParametroSito, text2_->text()); }

void Archivio::indirizzoArchivioUfficialePredefinito() {
    const QString testo = txtArchivioUfficiale_->text().trimmed();
    if (!indirizzoHttp(QUrl(testo, QUrl::StrictMode))) {
        messaggioErrore(QStringLiteral("Salvataggio"),
                        QStringLiteral("\"%1\" non è un indirizzo internet: si scarica solo da indirizzi che "
                                       "iniziano con http:// o https://.")
                            .arg(testo));
        return;
    }
    salvaParametro(Parametri::IndirizzoArchivioUfficiale, testo);
}

void Archivio::RENDE_PREDEFINITA() { salvaParametro(Parametri::PercorsoDati, label13_->text()); }

// ---------------------------------------------------------------------------------------------
// Exports.

bool Archivio::esporta(const QString& file,
                       std::string (*formato)(const ArchivioEstrazioni&, const Avanzamento&),
                       const QString& titolo) {
    CursoreAttesa attesa;
    const BarraLavoro barra(container_.Pb1());
    const std::string contenuto =
        formato(sessione_.archivio, [this](int i, int n) { avanzamento(i, n); });
    QString errore;
    if (scriviEsportazione(file, contenuto, &errore)) return true;
    messaggioErrore(titolo, errore);
    return false;
}

void Archivio::SALVA_DATI_III() {
    const QString inizio = label13_->text().isEmpty() ? sessione_.cartellaDati() : label13_->text();
    const QString file = Dialoghi::correnti().salvaFile(this, TitoloDatiIII, inizio,
                                                        QStringLiteral("File di archivio (*.iii)"),
                                                        QStringLiteral("iii"));
    if (file.isEmpty()) return;
    if (esporta(file, esportaDatiIII, TitoloDatiIII)) label13_->setText(file);
}

void Archivio::SALVA_ZENDRAVOLTA() {
    const QString cartella = cartellaZendravolta();
    if (cartella.isEmpty()) {
        Dialoghi::correnti().messaggio(this, QMessageBox::NoIcon, QStringLiteral("Quorvane"),
                                       QStringLiteral("Attenzione Zendravolta non presente."));
        return;
    }
    esporta(fileZendravolta(cartella), esportaZendravolta, TitoloZendravolta);
}

void Archivio::SALVA_NAZIONALE() {
    const QString file = Dialoghi::correnti().salvaFile(this, TitoloNazionale, sessione_.cartellaDati(),
                                                        QStringLiteral("File di archivio (*.Txt)"),
                                                        QStringLiteral("Txt"));
    if (file.isEmpty()) return;
    esporta(file, esportaNazionale, TitoloNazionale);
}

}  // namespace quorvane
