#include <QApplication>
#include <QMessageBox>
#include <cstring>
#include <iostream>

#include "app/Moduli.h"
#include "app/db/Funzionalita.h"
#include "core/db/CartellaDati.h"
#include "core/ui/FinestreNelloSchermo.h"
#include "core/ui/Programma.h"

int main(int argc, char** argv) {
    // Answered before any window: it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "quorvane " QUORVANE_VERSIONE "\n";
        return 0;
    }
    QApplication app(argc, argv);
    quorvane::Programma::preparaApplicazione(app);
    app.installEventFilter(new quorvane::FinestreNelloSchermo(&app));
    quorvane::registraModuli();
    quorvane::registraControlliAvvio();
    quorvane::registraFunzionalita();
    QString errore;
    auto programma = quorvane::Programma::avvia(quorvane::cartellaDati(), &errore);
    if (!programma) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"), errore);
        return 1;
    }
    return app.exec();
}
