#pragma once
// The period bar of the auxiliary analyses.
#include <QScrollBar>
#include <functional>
#include <optional>

#include "core/ui/Controlli.h"

namespace quorvane {

// A scroll bar over the draws that follows the archive: whenever the user reaches for it, its
// maximum becomes the last draw in memory, so a grown archive is reachable at once and a
// shrunk one never shows a draw that is gone.
class BarraEstrazioni : public QScrollBar {
    Q_OBJECT
public:
    BarraEstrazioni(const char* nome, std::function<int()> ultima, QWidget* padre);
    void aggiornaMassimo();
    // Moves to a draw (clamped to the archive), which runs valueChanged when the value changes.
    void vaiA(int estrazione);

protected:
    bool event(QEvent* evento) override;

private:
    std::function<int()> ultima_;
};

}  // namespace quorvane
