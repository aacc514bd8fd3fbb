#pragma once
// One of the 55 number boxes of draw entry: it keeps only what a box may hold, turns yellow
// while it has the focus and asks its window to move the focus on Enter and the arrow keys.
#include <QLineEdit>

#include "archive/InserimentoEstrazione.h"

namespace quorvane {

class CasellaNumero : public QLineEdit {
    Q_OBJECT
public:
    // indice 1..55; the objectName is "txtin_<indice>".
    CasellaNumero(int indice, QWidget* padre = nullptr);
    int indice() const { return indice_; }

signals:
    void sposta(int destinazione);

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void filtra();
    void coloraSfondo(const QColor& colore);

    int indice_;
};

}  // namespace quorvane
