#include "core/ui/FinestreNelloSchermo.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quorvane {

bool FinestreNelloSchermo::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Show && oggetto->isWidgetType()) {
        auto* finestra = static_cast<QWidget*>(oggetto);
        if (finestra->isWindow()) entroLoSchermo(finestra);
    }
    return false;
}

void entroLoSchermo(QWidget* finestra) {
    const QScreen* schermo = finestra->screen();
    if (!schermo) return;
    const QRect libero = schermo->availableGeometry();
    // The title bar and borders the system adds around the window.
    const QSize cornice = finestra->frameGeometry().size() - finestra->size();
    const QSize dimensione = finestra->size().boundedTo(libero.size() - cornice).expandedTo(finestra->minimumSize());
    if (dimensione != finestra->size()) finestra->resize(dimensione);
    const QSize esterna = dimensione + cornice;
    const QPoint angolo = finestra->frameGeometry().topLeft();
    const QPoint dentro(
        std::clamp(angolo.x(), libero.left(), std::max(libero.left(), libero.right() + 1 - esterna.width())),
        std::clamp(angolo.y(), libero.top(), std::max(libero.top(), libero.bottom() + 1 - esterna.height())));
    if (dentro != angolo) finestra->move(dentro);
}

}  // namespace quorvane
