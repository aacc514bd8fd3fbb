// Entry point of the test programs that need a Qt application object.
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/db/Funzionalita.h"
#include "core/db/CartellaDati.h"

#ifdef QUORVANE_TEST_WIDGETS
#include <QApplication>
using Applicazione = QApplication;
#else
#include <QCoreApplication>
using Applicazione = QCoreApplication;
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keep the data folder away from the user's.
    QTemporaryDir dati;
    qputenv(quorvane::VariabileCartellaDati, dati.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    // The program database and the start-up as both programs have them.
    quorvane::registraFunzionalita();
    Applicazione app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
