// Entry point of the test programs that need a Qt application object.
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/db/Funzionalita.h"
#include "core/db/CartellaDati.h"

#ifdef QUORVANE_TEST_WIDGETS
#include <QApplication>

#include "core/ui/Dialoghi.h"
using Applicazione = QApplication;

namespace {
// A box that no test answers would wait for a user who never comes: it fails the test with its
// text and is cancelled. Tests that expect boxes answer them with test::DialoghiFinti.
void dialoghiSenzaRisposta() {
    const auto inatteso = [](const QString& titolo, const QString& testo) {
        ADD_FAILURE() << "finestra di dialogo senza risposta: " << titolo.toStdString() << ": " << testo.toStdString();
    };
    auto& d = quorvane::Dialoghi::correnti();
    d.messaggio = [=](QWidget*, QMessageBox::Icon, const QString& titolo, const QString& testo) {
        inatteso(titolo, testo);
    };
    d.conferma = [=](QWidget*, const QString& titolo, const QString& testo) {
        inatteso(titolo, testo);
        return false;
    };
    d.apriFile = [=](QWidget*, const QString& titolo, const QString& cartella, const QString&) {
        inatteso(titolo, cartella);
        return QString();
    };
    d.salvaFile = [=](QWidget*, const QString& titolo, const QString& percorso, const QString&, const QString&) {
        inatteso(titolo, percorso);
        return QString();
    };
    d.apriIndirizzo = [=](const QUrl& indirizzo) {
        inatteso(QStringLiteral("indirizzo"), indirizzo.toString());
        return false;
    };
    d.chiediTesto = [=](QWidget*, const QString& titolo, const QString& etichetta,
                        const QString&) -> std::optional<QString> {
        inatteso(titolo, etichetta);
        return std::nullopt;
    };
    d.scegli = [=](QWidget*, const QString& titolo, const QString& etichetta,
                   const QStringList&) -> std::optional<QString> {
        inatteso(titolo, etichetta);
        return std::nullopt;
    };
}
}  // namespace
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
#ifdef QUORVANE_TEST_WIDGETS
    dialoghiSenzaRisposta();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
