#include <QApplication>
#include <QMessageBox>

#include "app/Moduli.h"
#include "core/db/CartellaDati.h"
#include "core/ui/Programma.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvane::Programma::preparaApplicazione(app);
    quorvane::registraModuli();
    QString errore;
    auto programma = quorvane::Programma::avvia(quorvane::cartellaDati(), &errore);
    if (!programma) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"), errore);
        return 1;
    }
    return app.exec();
}
