#pragma once
// Small builders shared by the windows of the auxiliary analyses.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <optional>

#include "core/Griglia.h"

namespace quorvane {

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

// Back colour of a label, as the program's 0xBBGGRR colours give it.
void sfondoEtichetta(QLabel* etichetta, Colore colore);

class ArchivioEstrazioni;

// "Seleziona per numero indice": the draw whose index the user types; nothing for any other answer.
std::optional<int> chiediIndice(QWidget* padre, const ArchivioEstrazioni& archivio);
// "Seleziona per data": the first draw of the typed date; "Data non trovata" when there is none.
std::optional<int> chiediData(QWidget* padre, const ArchivioEstrazioni& archivio);

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
