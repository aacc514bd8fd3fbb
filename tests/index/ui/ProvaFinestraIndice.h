#pragma once
// The index window on a scratch session, for the window tests.
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "archive/ArchivioDemo.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/VistaGriglia.h"
#include "index/ui/FinestraIndice.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

namespace test {

// A session on an archive of the first `quante` simulated draws, loaded in memory.
class ProvaFinestraIndice : public ::testing::Test {
protected:
    void apri(std::size_t quante) {
        using namespace quorvane;
        auto estrazioni = generaArchivioDemo(Data{2026, 1, 1});
        estrazioni.resize(quante);
        QString errore;
        const QString archivio = qpath(cartella / "archivio.db");
        auto db = DatabaseArchivio::apriOCrea(archivio, &errore);
        ASSERT_TRUE(db && db->aggiungiEstrazioni(estrazioni, &errore)) << errore.toStdString();
        db.reset();
        avvia();
        sessione->selezionaArchivio(archivio);
        ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
        finestra = std::make_unique<FinestraIndice>(*sessione, &avanzamento);
        finestra->show();
    }
    // The program closed and started again on the same data folder, the window opened anew.
    void riapri() {
        using namespace quorvane;
        finestra.reset();
        sessione.reset();
        avvia();
        QString errore;
        ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
        finestra = std::make_unique<FinestraIndice>(*sessione, &avanzamento);
        finestra->show();
    }
    void avvia() {
        QString errore;
        sessione = quorvane::Sessione::avvia(qpath(cartella / "dati"), quorvane::Data{2026, 12, 8}, &errore);
        ASSERT_TRUE(sessione) << errore.toStdString();
    }

    template <class T>
    T* trova(const char* nome) {
        return test::trova<T>(finestra.get(), nome);
    }
    const quorvane::Griglia& griglia(const char* nome) { return trova<quorvane::VistaGriglia>(nome)->griglia(); }
    void clicca(const char* pulsante) { QTest::mouseClick(trova<QPushButton>(pulsante), Qt::LeftButton); }
    // The centre of a grid cell (grid coordinates), scrolled into view.
    QPoint centro(const char* nome, int riga, int colonna) {
        auto* vista = trova<quorvane::VistaGriglia>(nome);
        QCoreApplication::processEvents();  // the grid is on screen before a user can click it
        const QModelIndex indice = vista->model()->index(vista->modello()->rigaModello(riga), colonna);
        vista->scrollTo(indice);
        return vista->visualRect(indice).center();
    }
    void cliccaCella(const char* nome, int riga, int colonna) {
        QTest::mouseClick(trova<quorvane::VistaGriglia>(nome)->viewport(), Qt::LeftButton, {},
                          centro(nome, riga, colonna));
    }
    const quorvane::ArchivioEstrazioni& archivio() { return sessione->archivio; }
    // Two ambate added from the number board: 5, then 21.
    void ambateDallaTavola() {
        trova<QTabWidget>("SSTab1")->setCurrentIndex(0);
        // Through click(): the widget's centre may fall past its text, where a click does nothing.
        trova<QRadioButton>("Option1")->click();
        for (int colonna : {4, 0}) {
            clicca("Command3");
            cliccaCella("Fg90", colonna == 0 ? 2 : 0, colonna);
            clicca("Command2");
        }
    }

    CartellaTemporanea cartella;
    std::unique_ptr<quorvane::Sessione> sessione;
    QProgressBar avanzamento;
    std::unique_ptr<quorvane::FinestraIndice> finestra;
};

}  // namespace test
