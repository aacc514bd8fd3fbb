#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "analyses/Ripetizioni.h"
#include "analyses/ui/FinestraMiniElenco.h"
#include "analyses/ui/FinestraRipetizioni.h"
#include "archive/ArchivioDemo.h"
#include "core/Colori.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/VistaGriglia.h"
#include "support/DialoghiFinti.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::trova;

namespace {

// A run on the simulated draws of 1939 (no Nazionale wheel yet).
class FinestreSuArchivio : public ::testing::Test {
protected:
    FinestreSuArchivio() {
        QString errore;
        sessione = Sessione::avvia(test::qpath(cartella.percorso()), Data{1940, 1, 1}, &errore);
        EXPECT_TRUE(sessione) << errore.toStdString();
        EXPECT_TRUE(sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) << errore.toStdString();
    }
    ArchivioEstrazioni& archivio() { return sessione->archivio; }

    // The draws of January 1940 stored, then the reload that every window hears of.
    void archivioCresciuto() {
        auto gennaio = generaArchivioDemo(Data{1940, 2, 1});
        gennaio.erase(gennaio.begin(), gennaio.begin() + archivio().NumEstrazioni());
        QString errore;
        auto db = DatabaseArchivio::apri(sessione->percorsoArchivio(), &errore);
        ASSERT_TRUE(db && db->aggiungiEstrazioni(gennaio, &errore)) << errore.toStdString();
        db.reset();
        ASSERT_TRUE(sessione->caricaArchivio(TipoCaricamento::Ricarica, {}, &errore)) << errore.toStdString();
    }

    void clicca(QWidget* w, const char* nome) { QTest::mouseClick(trova<QPushButton>(w, nome), Qt::LeftButton); }
    QPoint centro(VistaGriglia* v, int riga, int colonna) {
        QCoreApplication::processEvents();  // the grid is on screen before a user can click it
        return v->visualRect(v->model()->index(v->modello()->rigaModello(riga), colonna)).center();
    }

    test::CartellaTemporanea cartella;
    test::DialoghiFinti dialoghi;
    std::unique_ptr<Sessione> sessione;
};

}  // namespace

TEST_F(FinestreSuArchivio, RipetizioniSeguonoLEstrazioneFinale) {
    const int ultima = archivio().NumEstrazioni();
    ASSERT_GT(ultima, 40);
    FinestraRipetizioni w(*sessione);
    w.show();
    auto* hFine = trova<QScrollBar>(&w, "hFine");
    EXPECT_EQ(hFine->maximum(), ultima);
    EXPECT_EQ(trova<QLabel>(&w, "labend")->text().toStdString(),
              std::to_string(ultima) + " del " + archivio().DateEstrazioni(ultima));

    // What the list shows is the search of e draws and r wheels, as the lists stand.
    const auto elenco = [&](int fine, int e, int r) {
        Ripetizioni rip;
        rip.Rilevazione(archivio(), fine);
        Griglia atteso("Fg2");
        riempiRipetizioni(atteso, rip.Combinazioni(e, r));
        return atteso.testoTabella();
    };
    Griglia& fg2 = trova<VistaGriglia>(&w, "Fg2")->griglia();
    EXPECT_EQ(fg2.testoTabella(), elenco(ultima, 2, 3));
    trova<QComboBox>(&w, "ComboE")->setCurrentIndex(0);
    trova<QComboBox>(&w, "ComboR")->setCurrentIndex(0);
    EXPECT_EQ(fg2.testoTabella(), elenco(ultima, 2, 3));  // not until COMBINAZIONI
    clicca(&w, "Command3");
    ASSERT_EQ(fg2.testoTabella(), elenco(ultima, 1, 2));
    ASSERT_GT(fg2.righe(), 1) << "the simulated end draw has a number on two wheels";

    // RILEVAZIONE alone shows its list, and an empty one is said.
    trova<QComboBox>(&w, "ComboE")->setCurrentIndex(9);
    trova<QComboBox>(&w, "ComboR")->setCurrentIndex(4);
    clicca(&w, "Command2");
    EXPECT_EQ(fg2.righe(), 1);
    EXPECT_EQ(trova<QLabel>(&w, "LblEsito")->text(),
              "Nessun numero uscito su 6 ruote in ciascuna delle ultime 10 estrazioni.");
    trova<QComboBox>(&w, "ComboE")->setCurrentIndex(0);
    trova<QComboBox>(&w, "ComboR")->setCurrentIndex(0);
    clicca(&w, "Command2");
    ASSERT_EQ(fg2.testoTabella(), elenco(ultima, 1, 2));

    // A double click on a listed number shows where it came out.
    auto* vista = trova<VistaGriglia>(&w, "Fg2");
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 1, 0));
    QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 1, 0));
    const int numero = static_cast<int>(fg2.valore(1, 0));
    EXPECT_EQ(trova<QComboBox>(&w, "ComboN")->currentText(), QString::number(numero));
    Griglia& fg1 = trova<VistaGriglia>(&w, "fg1")->griglia();
    ASSERT_EQ(fg1.righe(), 11);
    const int ruota = *ruotaDaSigla(fg2.testo(1, 1));
    EXPECT_EQ(fg1.testo(1, ruota + 2), std::to_string(numero));
    EXPECT_EQ(fg1.sfondo(1, ruota + 2), Verde);

    // By index (a bad answer is ignored), by date (a missing one is said), and back to the last.
    dialoghi.testi = {"abc", "5", "1/1/1939", QString::fromStdString(archivio().DateEstrazioni(20))};
    clicca(&w, "Command23");
    EXPECT_EQ(hFine->value(), ultima);
    clicca(&w, "Command23");
    EXPECT_EQ(hFine->value(), 5);
    EXPECT_EQ(fg2.testoTabella(), elenco(5, 1, 2));
    {
        Ripetizioni rip;
        rip.Rilevazione(archivio(), 5);
        Griglia atteso("fg1");
        riempiUsciteNumero(atteso, rip, numero);
        EXPECT_EQ(fg1.testoTabella(), atteso.testoTabella()) << "the detail grid follows the end draw";
    }
    clicca(&w, "Command24");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Data non trovata");
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Cerca data");
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Information);
    clicca(&w, "Command24");
    EXPECT_EQ(hFine->value(), 20);
    EXPECT_EQ(dialoghi.domande.back().titolo, "Ricerca per data GG/MM/AAAA");

    // The archive grows: the end draw stays, the bar reaches the new draws at once.
    archivioCresciuto();
    EXPECT_EQ(hFine->maximum(), archivio().NumEstrazioni());
    EXPECT_EQ(hFine->value(), 20);
    clicca(&w, "Command22");
    EXPECT_EQ(hFine->value(), archivio().NumEstrazioni());
    EXPECT_EQ(fg2.testoTabella(), elenco(archivio().NumEstrazioni(), 1, 2));
}

TEST_F(FinestreSuArchivio, MiniElencoSegniERicerche) {
    const int ultima = archivio().NumEstrazioni();
    FinestraMiniElenco w(*sessione);
    w.show();
    EXPECT_EQ(w.windowTitle(), "Mini elenco");
    auto* hs1 = trova<QScrollBar>(&w, "hs1");
    EXPECT_EQ(hs1->value(), ultima);
    EXPECT_EQ(trova<QLabel>(&w, "Label2")->text(), QString::number(ultima));
    EXPECT_EQ(trova<QLabel>(&w, "Label1")->text().toStdString(), archivio().DateEstrazioni(ultima));
    EXPECT_EQ(
        trova<QLabel>(&w, "Label3")->text().toStdString(),
        "PM=" + std::to_string(archivio().ProgMese(ultima)) + "   PA=" + std::to_string(archivio().ProgAnno(ultima)));
    auto* vista = trova<VistaGriglia>(&w, "Fg2");
    Griglia& fg2 = vista->griglia();
    EXPECT_EQ(fg2.testo(8, 0), "RO");
    EXPECT_EQ(fg2.testo(8, 3), std::to_string(archivio().Estratti(ultima, 8, 3)));
    EXPECT_EQ(fg2.testo(11, 1), "0");

    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 3, 2));
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 4, 5));
    EXPECT_EQ(fg2.sfondo(3, 2), Verde);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 3, 2));
    EXPECT_EQ(fg2.sfondo(3, 2), Bianco);
    EXPECT_EQ(fg2.sfondo(4, 5), Verde);
    clicca(&w, "Command81");
    EXPECT_EQ(fg2.sfondo(4, 5), Bianco);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 4, 5));
    hs1->setValue(ultima - 1);  // another draw: the marks go
    EXPECT_EQ(fg2.sfondo(4, 5), Bianco);
    EXPECT_EQ(trova<QLabel>(&w, "Label2")->text(), QString::number(ultima - 1));

    dialoghi.testi = {"0", "7", "", "07/01/1939"};
    clicca(&w, "Command42_0");
    EXPECT_EQ(hs1->value(), ultima - 1);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo,
              QStringLiteral("Indice fuori archivio: digitare un numero da 1 a %1.").arg(ultima));
    clicca(&w, "Command42_0");
    EXPECT_EQ(hs1->value(), 7);
    clicca(&w, "Command42_1");
    ASSERT_EQ(dialoghi.messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.messaggi[1].testo, "Data non trovata");
    clicca(&w, "Command42_1");
    EXPECT_EQ(hs1->value(), 1);

    // The archive grows: the draw shown stays with its marks, the bar reaches the new draws at once.
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, centro(vista, 2, 1));
    archivioCresciuto();
    ASSERT_GT(archivio().NumEstrazioni(), ultima);
    EXPECT_EQ(hs1->maximum(), archivio().NumEstrazioni());
    EXPECT_EQ(hs1->value(), 1);
    EXPECT_EQ(fg2.sfondo(2, 1), Verde);
    clicca(&w, "Command56");
    EXPECT_EQ(hs1->value(), archivio().NumEstrazioni());
    EXPECT_EQ(trova<QLabel>(&w, "Label1")->text().toStdString(), archivio().DateEstrazioni(archivio().NumEstrazioni()));
}
