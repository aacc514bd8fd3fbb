#pragma once
// Small builders and boxes shared by every window: named buttons and labels, coloured labels,
// the notice of the demonstration archive,
// and the two ways to choose a draw (by typed index, by typed date).
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "core/Griglia.h"

namespace quorvane {

class ArchivioEstrazioni;

inline QPushButton* pulsante(QWidget* padre, const char* nome, const QString& testo) {
    auto* p = new QPushButton(testo, padre);
    p->setObjectName(QString::fromLatin1(nome));
    return p;
}

inline QLabel* etichetta(QWidget* padre, const char* nome, const QString& testo = {}) {
    auto* l = new QLabel(testo, padre);
    l->setObjectName(QString::fromLatin1(nome));
    return l;
}

// "LblDimostrativo": says that the draws are simulated and how to get the real ones; the
// windows show it while the archive in use is the demonstration one.
QLabel* avvisoDimostrativo(QWidget* padre);

// Back colour of a label, as the program's 0xBBGGRR colours give it.
void sfondoEtichetta(QLabel* etichetta, Colore colore);

// "Seleziona per numero indice": the draw whose index the user types; nothing for any other
// answer or a cancelled box.
std::optional<int> chiediIndice(QWidget* padre, const ArchivioEstrazioni& archivio);
// "Seleziona per data": the first draw of the typed date; "Data non trovata" when there is
// none; nothing for a cancelled box.
std::optional<int> chiediData(QWidget* padre, const ArchivioEstrazioni& archivio);

}  // namespace quorvane
