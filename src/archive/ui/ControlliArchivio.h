#pragma once
// The fixed texts of the archive window's tabs.
#include <QLabel>

#include "core/ui/Controlli.h"

namespace quorvane {

inline QLabel* testoFisso(const QString& testo, QWidget* padre) {
    auto* l = new QLabel(testo, padre);
    l->setWordWrap(true);
    return l;
}

}  // namespace quorvane
