#include "core/ui/Controlli.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimeZone>

#include "core/SceltaEstrazione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

QDateTime oraItaliana() {
    const QTimeZone italia(QByteArrayLiteral("Europe/Rome"));
    const QDateTime adesso = QDateTime::currentDateTime();
    return italia.isValid() ? adesso.toTimeZone(italia) : adesso;
}

QLabel* etichettaPer(QWidget* controllo, const QString& testo) {
    auto* l = new QLabel(testo, controllo->parentWidget());
    l->setBuddy(controllo);
    controllo->setAccessibleName(testo);
    return l;
}

namespace {
// Sees the Enter that an input left unused on its way up to the window.
class InvioPremePulsante : public QObject {
public:
    InvioPremePulsante(QWidget* finestra, QPushButton* pulsante)
        : QObject(finestra), finestra_(finestra), pulsante_(pulsante) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (oggetto != finestra_ || evento->type() != QEvent::KeyPress) return false;
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() != Qt::Key_Return && tasto->key() != Qt::Key_Enter) return false;
        if ((tasto->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        const QWidget* fuoco = finestra_->focusWidget();
        const bool inInput = qobject_cast<const QAbstractSpinBox*>(fuoco) || qobject_cast<const QComboBox*>(fuoco) ||
                             qobject_cast<const QCheckBox*>(fuoco);
        if (!inInput || !pulsante_->isEnabled()) return false;
        pulsante_->click();
        return true;
    }

private:
    QWidget* finestra_;
    QPushButton* pulsante_;
};
}  // namespace

void invioPremePulsante(QWidget* finestra, QPushButton* pulsante) {
    finestra->installEventFilter(new InvioPremePulsante(finestra, pulsante));
}

QLabel* avvisoDimostrativo(QWidget* padre) {
    auto* l = etichetta(
        padre, "LblDimostrativo",
        QStringLiteral("<b>Archivio dimostrativo:</b> le sue estrazioni sono <b>simulate</b> e non sono quelle "
                       "reali del Lotto. Per avere le estrazioni reali, nella finestra principale: "
                       "<i>Gestione archivio</i>, scheda <i>Aggiornamenti</i>, <b>SCARICA ARCHIVIO UFFICIALE</b>, "
                       "poi <b>AGGIORNAMENTO</b>."));
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("QLabel { background: #fff4c0; padding: 6px; }"));
    return l;
}

QScrollBar* barraEstrazioni(QWidget* padre, const char* nome) {
    auto* barra = new QScrollBar(Qt::Horizontal, padre);
    barra->setObjectName(QString::fromLatin1(nome));
    barra->setMinimum(1);
    barra->setPageStep(10);
    return barra;
}

int seguiArchivio(QScrollBar* barra, const ArchivioEstrazioni& archivio, const std::string& data) {
    const int estrazione = estrazioneRitrovata(archivio, data);
    const QSignalBlocker blocco(barra);
    barra->setRange(1, std::max(ultimaEstrazione(archivio), 1));
    barra->setValue(estrazione);
    return estrazione;
}

void mostraAvanzamento(QProgressBar* barra, int valore, int massimo) {
    if (!barra) return;
    if (barra->maximum() != massimo) barra->setMaximum(massimo);
    barra->setValue(valore);
}

BarraLavoro::~BarraLavoro() {
    if (barra_) barra_->reset();
}

void sfondoEtichetta(QLabel* etichetta, Colore colore) {
    etichetta->setStyleSheet(QStringLiteral("QLabel { background-color: %1; }").arg(coloreQt(colore).name()));
}

std::optional<int> chiediIndice(QWidget* padre, const ArchivioEstrazioni& archivio) {
    const auto risposta = Dialoghi::correnti().chiediTesto(
        padre, QStringLiteral("Scelta estrazione"), QStringLiteral("Inserire il n° indice dell'archivio modello."),
        QString());
    if (!risposta) return std::nullopt;
    const auto indice = indiceDigitato(archivio, risposta->toStdString());
    if (!indice && numeroDigitato(risposta->toStdString()))
        Dialoghi::correnti().messaggio(
            padre, QMessageBox::Information, QStringLiteral("Scelta estrazione"),
            QStringLiteral("Indice fuori archivio: digitare un numero da 1 a %1.").arg(ultimaEstrazione(archivio)));
    return indice;
}

std::optional<int> chiediData(QWidget* padre, const ArchivioEstrazioni& archivio) {
    const auto risposta = Dialoghi::correnti().chiediTesto(padre, QStringLiteral("Ricerca per data GG/MM/AAAA"),
                                                           QStringLiteral("Data ?"), QString());
    if (!risposta) return std::nullopt;
    const std::string testo = risposta->trimmed().toStdString();
    if (const auto trovata = estrazioneDellaData(archivio, testo)) return trovata;
    const auto data = Data::daTesto(testo);
    const int ultima = ultimaEstrazione(archivio);
    int vicina = data && ultima >= 1 ? estrazionePiuVicina(archivio, *data) : 0;
    // Not a date, or a draw past those a window may move to (a reload still under way).
    if (vicina == 0 || archivio.DataEstrazione(vicina) == *data) {
        Dialoghi::correnti().messaggio(padre, QMessageBox::Information, QStringLiteral("Cerca data"),
                                       QStringLiteral("Data non trovata"));
        return std::nullopt;
    }
    // A day without a draw: the draw nearest to it, if the player wants it.
    vicina = std::min(vicina, ultima);
    if (!Dialoghi::correnti().conferma(
            padre, QStringLiteral("Cerca data"),
            QStringLiteral("Il %1 non c'è estrazione: andare alla più vicina, del %2?")
                .arg(QString::fromStdString(data->testo()), QString::fromStdString(archivio.DateEstrazioni(vicina)))))
        return std::nullopt;
    return vicina;
}

}  // namespace quorvane
