#include "index/ui/PaginaMetodoProprio.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QVBoxLayout>

#include "archive/db/FileEsportazione.h"
#include "core/db/Sessione.h"
#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "index/ui/EditorLua.h"
#include "metodo/FileMetodo.h"
#include "metodo/MetodoLua.h"

namespace quorvane {

namespace {

const QString Titolo = QStringLiteral("Metodo proprio");
const QString Filtro = QStringLiteral("Metodi in Lua (*.lua)");

// The examples shipped with the program, as the choice box lists them.
const std::pair<const char*, const char*> Esempi[] = {
    {"ritardatario", "Il numero più ritardato"}, {"ambo-ritardatario", "L'ambo più ritardato"},
    {"frequenti", "I numeri più frequenti"},     {"distanza", "Ambata dalla distanza"},
    {"spia", "Il numero dopo la spia"},          {"isotopi", "Isotopi per posizione"},
};

const QString Iniziale = QStringLiteral(
    "-- Il metodo: a ogni punto t restituisce nil (nessuna giocata) o la giocata.\n"
    "-- Legge solo le estrazioni fino a t; le funzioni sono nell'Help.\n\n"
    "function metodo(t)\n"
    "  local ruota = ruote()[1]\n"
    "  local numeri = estratti(t, ruota)\n"
    "  if not numeri then return nil end\n"
    "  return { numeri = { numeri[1] }, sorte = 1 }\n"
    "end\n");

}  // namespace

PaginaMetodoProprio::PaginaMetodoProprio(Sessione& sessione, QWidget* padre) : QWidget(padre), sessione_(sessione) {
    setObjectName(QStringLiteral("PaginaMetodoProprio"));
    auto* apri = pulsante(this, "CmdApriMetodo", QStringLiteral("Apri..."));
    auto* pulsanteSalva = pulsante(this, "CmdSalvaMetodo", QStringLiteral("Salva"));
    auto* salvaCome = pulsante(this, "CmdSalvaMetodoCome", QStringLiteral("Salva con nome..."));
    esempi_ = new QComboBox(this);
    esempi_->setObjectName(QStringLiteral("ComboEsempi"));
    esempi_->addItem(QStringLiteral("Esempi..."));
    for (const auto& [file, nome] : Esempi) esempi_->addItem(QString::fromUtf8(nome));
    nomeFile_ = new QLabel(this);
    nomeFile_->setObjectName(QStringLiteral("LblFileMetodo"));
    editor_ = new EditorLua(this);
    editor_->setObjectName(QStringLiteral("TxtMetodo"));
    editor_->setPlainText(Iniziale);
    auto* parametri = new QWidget(this);
    campi_ = new QFormLayout(parametri);
    campi_->setContentsMargins(0, 0, 0, 0);
    registro_ = new QPlainTextEdit(this);
    registro_->setObjectName(QStringLiteral("TxtRegistro"));
    registro_->setReadOnly(true);
    registro_->setPlaceholderText(QStringLiteral("Il registro della prova: le righe di scrivi(...) e gli errori"));

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(apri);
    comandi->addWidget(pulsanteSalva);
    comandi->addWidget(salvaCome);
    comandi->addWidget(esempi_);
    comandi->addWidget(nomeFile_, 1);
    auto* lato = new QWidget(this);
    auto* ll = new QVBoxLayout(lato);
    ll->setContentsMargins(0, 0, 0, 0);
    ll->addWidget(new QLabel(QStringLiteral("Parametri (vuoto: il valore del metodo)"), lato));
    ll->addWidget(parametri);
    ll->addWidget(new QLabel(QStringLiteral("Registro"), lato));
    ll->addWidget(registro_, 1);
    auto* divisore = new QSplitter(Qt::Horizontal, this);
    divisore->addWidget(editor_);
    divisore->addWidget(lato);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(comandi);
    layout->addWidget(divisore, 1);

    connect(apri, &QPushButton::clicked, this, &PaginaMetodoProprio::apri);
    connect(pulsanteSalva, &QPushButton::clicked, this, [this] { salva(false); });
    connect(salvaCome, &QPushButton::clicked, this, [this] { salva(true); });
    connect(esempi_, &QComboBox::activated, this, &PaginaMetodoProprio::apriEsempio);
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        modificato_ = true;
        mostraNome();
        aggiornaParametri();
    });
    aggiornaParametri();
    modificato_ = false;
    mostraNome();
}

std::shared_ptr<const MetodoProprio> PaginaMetodoProprio::metodo(QString* errore) {
    try {
        return std::make_shared<MetodoLua>(editor_->toPlainText().toStdString());
    } catch (const ErroreMetodo& e) {
        *errore = QString::fromStdString(e.what());
        mostraEsito({e.what()}, e.riga());
        return nullptr;
    }
}

std::map<std::string, std::string> PaginaMetodoProprio::parametri() const {
    std::map<std::string, std::string> valori;
    for (const auto& [nome, campo] : parametri_)
        if (!campo->text().trimmed().isEmpty()) valori[nome.toStdString()] = campo->text().trimmed().toStdString();
    return valori;
}

void PaginaMetodoProprio::mostraEsito(const std::vector<std::string>& registro, int rigaErrore) {
    QStringList righe;
    for (const std::string& riga : registro) righe << QString::fromStdString(riga);
    registro_->setPlainText(righe.join(QLatin1Char('\n')));
    editor_->segnaErrore(rigaErrore);
}

void PaginaMetodoProprio::aggiornaParametri() {
    static const QRegularExpression chiamata(
        QStringLiteral("parametro\\s*\\(\\s*[\"']([A-Za-z_][A-Za-z0-9_]*)[\"']\\s*(?:,\\s*([^)]*?))?\\s*\\)"));
    std::map<QString, QString> trovati;
    for (auto t = chiamata.globalMatch(editor_->toPlainText()); t.hasNext();) {
        const auto m = t.next();
        trovati.emplace(m.captured(1), m.captured(2));
    }
    // Fields of names the text no longer reads go; those of names it still reads keep their value.
    for (auto it = parametri_.begin(); it != parametri_.end();) {
        if (trovati.count(it->first)) {
            ++it;
            continue;
        }
        campi_->removeRow(it->second);
        it = parametri_.erase(it);
    }
    for (const auto& [nome, predefinito] : trovati) {
        auto [voce, nuova] = parametri_.emplace(nome, nullptr);
        if (nuova) {
            voce->second = new QLineEdit(this);
            voce->second->setObjectName(QStringLiteral("TxtParametro_") + nome);
            campi_->addRow(nome, voce->second);
        }
        voce->second->setPlaceholderText(predefinito);
    }
}

void PaginaMetodoProprio::mostraNome() {
    const QString nome = percorso_.isEmpty() ? QStringLiteral("(metodo non salvato)") : QFileInfo(percorso_).fileName();
    nomeFile_->setText(modificato_ ? nome + QStringLiteral(" *") : nome);
    nomeFile_->setToolTip(percorso_);
}

void PaginaMetodoProprio::apri() {
    if (modificato_ && !Dialoghi::correnti().conferma(this, Titolo,
                                                      QStringLiteral("Il metodo nell'editor non è salvato: aprirne "
                                                                     "un altro e perdere le modifiche?")))
        return;
    const QString cartella = percorso_.isEmpty() ? QDir::homePath() : QFileInfo(percorso_).absolutePath();
    const QString file = Dialoghi::correnti().apriFile(this, QStringLiteral("Apri un metodo"), cartella, Filtro);
    if (!file.isEmpty()) apriFile(file);
}

void PaginaMetodoProprio::apriFile(const QString& percorso) {
    const FileMetodo letto = leggiFileMetodo(percorso.toStdString());
    if (!letto.errore.empty()) {
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, Titolo, QString::fromStdString(letto.errore));
        return;
    }
    editor_->setPlainText(QString::fromStdString(letto.testo));
    percorso_ = percorso;
    modificato_ = false;
    registro_->clear();
    mostraNome();
}

void PaginaMetodoProprio::apriEsempio(int indice) {
    esempi_->setCurrentIndex(0);
    if (indice < 1 || indice > static_cast<int>(std::size(Esempi))) return;
    if (modificato_ && !Dialoghi::correnti().conferma(this, Titolo,
                                                      QStringLiteral("Il metodo nell'editor non è salvato: aprire "
                                                                     "l'esempio e perdere le modifiche?")))
        return;
    QFile file(QStringLiteral(":/metodi/%1.lua").arg(QString::fromUtf8(Esempi[indice - 1].first)));
    file.open(QIODevice::ReadOnly);
    editor_->setPlainText(QString::fromUtf8(file.readAll()));
    // An example is saved as a new file, never over the shipped one.
    percorso_.clear();
    modificato_ = false;
    registro_->clear();
    mostraNome();
}

void PaginaMetodoProprio::salva(bool chiedi) {
    QString percorso = percorso_;
    if (chiedi || percorso.isEmpty()) {
        percorso = Dialoghi::correnti().salvaFile(this, QStringLiteral("Salva il metodo"),
                                                  percorso_.isEmpty() ? QDir::homePath() : percorso_, Filtro,
                                                  QStringLiteral("lua"));
        if (percorso.isEmpty()) return;
    }
    salvaIn(percorso);
}

bool PaginaMetodoProprio::salvaIn(const QString& percorso) {
    const std::vector<FileProtetto> protetti = {
        {sessione_.percorsoArchivio(), QStringLiteral("l'archivio in uso")},
        {sessione_.programma().percorso(), QStringLiteral("il database del programma")}};
    QString errore;
    if (!scriviEsportazione(percorso, editor_->toPlainText().toStdString(), protetti, &errore)) {
        Dialoghi::correnti().messaggio(this, QMessageBox::Warning, Titolo,
                                       QStringLiteral("Metodo non salvato: ") + errore);
        return false;
    }
    percorso_ = percorso;
    modificato_ = false;
    mostraNome();
    return true;
}

}  // namespace quorvane
