#pragma once
// Small builders and boxes shared by every window: named buttons and labels, coloured labels,
// the notice of the demonstration archive,
// and the two ways to choose a draw (by typed index, by typed date).
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "core/ArchivioEstrazioni.h"
#include "core/Griglia.h"

class QProgressBar;
class QScrollBar;

namespace quorvane {

// Now in Italy, where the draws are held at 20:00, wherever the program runs.
QDateTime oraItaliana();

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

// A label that names `controllo` beside it, for the eye and for screen readers: the control
// takes the text as its accessible name and becomes the label's buddy.
QLabel* etichettaPer(QWidget* controllo, const QString& testo);

// Enter in one of the window's inputs (a number box, a list, a tick box) presses `pulsante`:
// the player who has just typed a request has it computed without reaching for the mouse.
void invioPremePulsante(QWidget* finestra, QPushButton* pulsante);

// "LblDimostrativo": says that the draws are simulated and how to get the real ones; the
// windows show it while the archive in use is the demonstration one.
QLabel* avvisoDimostrativo(QWidget* padre);

// Back colour of a label, as the program's 0xBBGGRR colours give it.
void sfondoEtichetta(QLabel* etichetta, Colore colore);

// A horizontal bar over the draws of the archive, from 1.
QScrollBar* barraEstrazioni(QWidget* padre, const char* nome);
// After a reload: the bar spans the archive and stands on the draw of `data` when the archive
// still holds it, else on the last draw, without a signal (the window shows the draw itself).
// Returns that draw.
int seguiArchivio(QScrollBar* barra, const ArchivioEstrazioni& archivio, const std::string& data);

// A long job's progress on the main window's bar (null: nowhere).
void mostraAvanzamento(QProgressBar* barra, int valore, int massimo);

// Held for the length of a long job: the bar follows the job and is emptied when it ends, so
// that it never stays at the last step of a job that is over.
class BarraLavoro {
public:
    explicit BarraLavoro(QProgressBar* barra) : barra_(barra) {}
    ~BarraLavoro();
    BarraLavoro(const BarraLavoro&) = delete;
    BarraLavoro& operator=(const BarraLavoro&) = delete;
    Avanzamento avanzamento() const {
        return [barra = barra_](int valore, int massimo) { mostraAvanzamento(barra, valore, massimo); };
    }

private:
    QProgressBar* barra_;
};

// "Seleziona per numero indice": the draw whose index the user types. A whole number outside
// the archive is answered with the range; any other answer or a cancelled box gives nothing.
std::optional<int> chiediIndice(QWidget* padre, const ArchivioEstrazioni& archivio);
// "Seleziona per data": the first draw of the typed date; for a day without a draw, the nearest
// draw when the player accepts it; "Data non trovata" for a text that is no date; nothing for a
// cancelled box.
std::optional<int> chiediData(QWidget* padre, const ArchivioEstrazioni& archivio);

}  // namespace quorvane
