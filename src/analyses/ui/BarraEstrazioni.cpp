#include "analyses/ui/BarraEstrazioni.h"

#include <QEvent>


namespace quorvane {

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
