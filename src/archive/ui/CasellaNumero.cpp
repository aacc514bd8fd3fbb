#include "archive/ui/CasellaNumero.h"

#include <QKeyEvent>
#include <QTimer>

namespace quorvane {

CasellaNumero::CasellaNumero(int indice, QWidget* padre) : QLineEdit(padre), indice_(indice) {
    setObjectName(QStringLiteral("txtin_%1").arg(indice));
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    // The filter runs on every change, typed or set by the window, as the box's own rule.
    connect(this, &QLineEdit::textChanged, this, [this] { filtra(); });
}

void CasellaNumero::filtra() {
    const QString filtrato = QString::fromStdString(filtraCasella(text().toStdString()));
    if (filtrato != text()) setText(filtrato);
}

void CasellaNumero::coloraSfondo(const QColor& colore) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colore);
    setPalette(p);
}

void CasellaNumero::focusInEvent(QFocusEvent* evento) {
    QLineEdit::focusInEvent(evento);
    coloraSfondo(QColor(255, 255, 0));
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

void CasellaNumero::focusOutEvent(QFocusEvent* evento) {
    setText(QString::fromStdString(formattaCasella(text().toStdString())));
    coloraSfondo(Qt::white);
    QLineEdit::focusOutEvent(evento);
}

void CasellaNumero::keyPressEvent(QKeyEvent* evento) {
    Tasto tasto;
    switch (evento->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (valoreCasella(text().toStdString()) == 0) {
                clear();
                return;
            }
            tasto = Tasto::Invio;
            break;
        case Qt::Key_Right:
            tasto = Tasto::Destra;
            break;
        case Qt::Key_Left:
            tasto = Tasto::Sinistra;
            break;
        case Qt::Key_Up:
            tasto = Tasto::Su;
            break;
        case Qt::Key_Down:
            tasto = Tasto::Giu;
            break;
        default:
            QLineEdit::keyPressEvent(evento);
            return;
    }
    if (!text().isEmpty() && text().size() != 2) setText(QLatin1Char('0') + text());
    emit sposta(casellaDestinazione(indice_, tasto));
}

}  // namespace quorvane
