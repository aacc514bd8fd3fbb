#include "analyses/ui/Controlli.h"

#include <QEvent>

#include "core/SceltaEstrazione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/VistaGriglia.h"

namespace quorvane {

void sfondoEtichetta(QLabel* etichetta, Colore colore) {
    etichetta->setStyleSheet(QStringLiteral("QLabel { background-color: %1; }").arg(coloreQt(colore).name()));
}

std::optional<int> chiediIndice(QWidget* padre, const ArchivioEstrazioni& archivio) {
    const auto risposta = Dialoghi::correnti().chiediTesto(padre, QStringLiteral("Scelta estrazione"),
                                                           QStringLiteral("Inserire il n° indice dell'archivio modello."),
                                                           QString());
    if (!risposta) return std::nullopt;
    return indiceDigitato(archivio, risposta->toStdString());
}

std::optional<int> chiediData(QWidget* padre, const ArchivioEstrazioni& archivio) {
    const auto risposta = Dialoghi::correnti().chiediTesto(padre, QStringLiteral("Ricerca per data GG/MM/AAAA"),
                                                           QStringLiteral("Data ?"), QString());
    const auto trovata = estrazioneDellaData(archivio, risposta.value_or(QString()).toStdString());
    if (!trovata)
        Dialoghi::correnti().messaggio(padre, QMessageBox::Information, QStringLiteral("Cerca data"),
                                       QStringLiteral("Data non trovata"));
    return trovata;
}

BarraEstrazioni::BarraEstrazioni(const char* nome, std::function<int()> ultima, QWidget* padre)
    : QScrollBar(Qt::Horizontal, padre), ultima_(std::move(ultima)) {
    setObjectName(QString::fromLatin1(nome));
    setMinimum(1);
    setPageStep(10);
}

void BarraEstrazioni::aggiornaMassimo() {
    const int ultima = std::max(ultima_(), 1);
    if (maximum() != ultima) setMaximum(ultima);
}

void BarraEstrazioni::vaiA(int estrazione) {
    aggiornaMassimo();
    setValue(estrazione);
}

bool BarraEstrazioni::event(QEvent* evento) {
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        aggiornaMassimo();
        break;
    default:
        break;
    }
    return QScrollBar::event(evento);
}

}  // namespace quorvane
