#include "core/ui/Help.h"

#include <QFile>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

// The topics live in a static library: their resources must be registered by hand.
static void registraArgomenti() {
    Q_INIT_RESOURCE(quorvane);
}

namespace quorvane {

namespace {
class FinestraHelp : public QWidget {
public:
    FinestraHelp() {
        registraArgomenti();
        setObjectName(QStringLiteral("FinestraHelp"));
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("Quorvane - Help in linea"));
        resize(640, 520);
        auto* layout = new QVBoxLayout(this);
        testo_ = new QTextBrowser(this);
        testo_->setObjectName(QStringLiteral("TestoHelp"));
        testo_->setOpenExternalLinks(false);
        layout->addWidget(testo_);
    }
    void mostra(int argomento) {
        QString pagina = QStringLiteral("qrc:/help/%1.html").arg(argomento);
        if (!QFile::exists(QStringLiteral(":/help/%1.html").arg(argomento))) {
            pagina = QStringLiteral("qrc:/help/indice.html");
            argomento = 0;
        }
        argomento_ = argomento;
        testo_->setSource(QUrl(pagina));
    }
    int argomento() const { return argomento_; }

private:
    QTextBrowser* testo_;
    int argomento_ = 0;
};

QPointer<FinestraHelp>& finestraHelp() {
    static QPointer<FinestraHelp> finestra;
    return finestra;
}
}  // namespace

void mostraHelp(int argomento) {
    auto& finestra = finestraHelp();
    if (!finestra) finestra = new FinestraHelp;
    finestra->mostra(argomento);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

void installaHelp(QWidget* finestra, int argomento) {
    auto* tasto = new QShortcut(QKeySequence(Qt::Key_F1), finestra);
    QObject::connect(tasto, &QShortcut::activated, finestra, [argomento] { mostraHelp(argomento); });
}

int argomentoHelpMostrato() {
    auto& finestra = finestraHelp();
    return finestra && finestra->isVisible() ? finestra->argomento() : 0;
}

}  // namespace quorvane
