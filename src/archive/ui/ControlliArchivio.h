#pragma once
// The small controls every tab of the archive window builds: named buttons and fixed texts.
#include <QLabel>
#include <QPushButton>

namespace quorvane {

inline QPushButton* pulsante(const char* nome, const QString& testo, QWidget* padre) {
    auto* p = new QPushButton(testo, padre);
    p->setObjectName(QString::fromLatin1(nome));
    return p;
}

inline QLabel* testoFisso(const QString& testo, QWidget* padre) {
    auto* l = new QLabel(testo, padre);
    l->setWordWrap(true);
    return l;
}

}  // namespace quorvane
