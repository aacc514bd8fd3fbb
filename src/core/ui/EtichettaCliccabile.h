#pragma once
// A caption that works as a command when clicked ("Seleziona tutti", "Deseleziona", ...).
#include <QLabel>
#include <QMouseEvent>

namespace quorvane {

class EtichettaCliccabile : public QLabel {
    Q_OBJECT
public:
    EtichettaCliccabile(const QString& nome, const QString& testo, QWidget* padre = nullptr) : QLabel(testo, padre) {
        setObjectName(nome);
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(QStringLiteral("QLabel { color: #1a4fa0; text-decoration: underline; }"));
    }

signals:
    void clic();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override {
        if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit clic();
        QLabel::mouseReleaseEvent(evento);
    }
};

}  // namespace quorvane
