#pragma once
// Every window of the program opens inside the free area of its screen: on a small screen or at
// a large text size (125%, 150%) none asks for more than can be seen, so that nothing is cut.
#include <QObject>

class QWidget;

namespace quorvane {

// Installed on the application, it fits each window as it is shown.
class FinestreNelloSchermo : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};

// The window no larger than the free area of its screen, frame included, and moved inside it;
// never smaller than its layout allows.
void entroLoSchermo(QWidget* finestra);

}  // namespace quorvane
