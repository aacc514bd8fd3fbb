#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QTabWidget>

#include "archive/ui/ProvaArchivio.h"
#include "core/Colori.h"

using namespace quorvane;
using namespace test;

TEST_F(ProvaArchivio, AllaAperturaMostraLUltimaEstrazione) {
    EXPECT_EQ(w()->windowTitle(), "Gestione archivio DB");
    auto* tab = trova<QTabWidget>(w(), "SSTab1");
    ASSERT_EQ(tab->count(), 4);
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(tab->tabText(0), "&Gestione estrazioni");
    EXPECT_EQ(tab->tabText(3), "Aggiornamenti");

    EXPECT_EQ(slider()->maximum(), 60);
    EXPECT_EQ(slider()->value(), 60);
    EXPECT_EQ(finestra->gestione().estrazioneCorrente(), 60);
    const Estrazione& ultima = estrazioni.back();
    EXPECT_EQ(etichetta("pAN_DC"), "60");
    EXPECT_EQ(etichetta("LBLESTRAZIONE"), QString::fromStdString(ultima.data.testo()));
    EXPECT_EQ(etichetta("LBLAGGIORNATO"), QString::fromStdString(ultima.data.testo()));
    EXPECT_EQ(etichetta("Label2"), "60");
    EXPECT_EQ(etichetta("Label9"), "60");
    EXPECT_EQ(etichetta("LabelPM"), QString::number(sessione->archivio.ProgMese(60)));
    EXPECT_EQ(casella(1)->text(), QStringLiteral("%1").arg(ultima.ruote[0][0], 2, 10, QLatin1Char('0')));
    EXPECT_EQ(casella(55)->text(), QStringLiteral("%1").arg(ultima.ruote[10][4], 2, 10, QLatin1Char('0')));
    EXPECT_EQ(trova<QLineEdit>(w(), "Text1")->text(), QDate::currentDate().toString("dd/MM/yyyy"));

    const Griglia& fgDB = griglia("FgDB");
    EXPECT_EQ(fgDB.righe(), 61);
    EXPECT_EQ(fgDB.testo(1, 1), estrazioni.front().data.testo());
    EXPECT_EQ(fgDB.testo(60, 2), scriviTestoRuota(ultima.ruote[0]));
    EXPECT_EQ(fgDB.primaRigaMostrata(), 60);
    // Opening changes nothing of the model period set at start-up.
    EXPECT_EQ(etichettaPrincipale("Lbl_inizioNE"), "10");
}

TEST_F(ProvaArchivio, RicercheEScorrimento) {
    dialoghi.testi = {"19", "20", "abc"};
    clicca("Command42");
    EXPECT_EQ(slider()->value(), 60);
    clicca("Command42");
    EXPECT_EQ(slider()->value(), 20);
    clicca("Command42");
    EXPECT_EQ(slider()->value(), 20);
    EXPECT_EQ(dialoghi.domande[0].titolo, "Scelta estrazione");
    EXPECT_EQ(dialoghi.domande[0].testo, "Inserire il n° indice dell'archivio modello.");

    const std::string data = estrazioni[30].data.testo();
    std::string trattini = data;
    trattini[2] = trattini[5] = '-';
    dialoghi.testi = {QString::fromStdString(trattini), QString::fromStdString(data)};
    clicca("Command59");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Data non trovata");
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Cerca data");
    clicca("Command59");
    EXPECT_EQ(slider()->value(), 31);
    EXPECT_EQ(etichetta("LBLESTRAZIONE"), QString::fromStdString(data));

    // "Imposta data" brings the calendar to the current draw, and the date box with it; so does
    // a day chosen on the calendar with the keyboard.
    auto* calendario = trova<QCalendarWidget>(w(), "MonthView1");
    auto* dataSalvata = trova<QLineEdit>(w(), "Text1");
    clicca("Command6");
    EXPECT_EQ(calendario->selectedDate().toString("dd/MM/yyyy"), QString::fromStdString(data));
    EXPECT_EQ(dataSalvata->text(), QString::fromStdString(data));
    calendario->setFocus();
    QTest::keyClick(calendario->focusWidget(), Qt::Key_Right);
    EXPECT_NE(dataSalvata->text(), QString::fromStdString(data));
    EXPECT_EQ(dataSalvata->text(), calendario->selectedDate().toString("dd/MM/yyyy"));
    EXPECT_TRUE(dataSalvata->isReadOnly());

    // The index label proposes 3894 whatever the archive; beyond the archive nothing moves.
    dialoghi.testi = {"3894", "5"};
    QLabel* indice = trova<QLabel>(w(), "pAN_DC");
    QTest::mouseClick(indice, Qt::LeftButton);
    EXPECT_EQ(dialoghi.domande.back().iniziale, "3894");
    EXPECT_EQ(slider()->value(), 31);
    QTest::mouseClick(indice, Qt::LeftButton);
    EXPECT_EQ(slider()->value(), 5);

    clicca("Command4");
    EXPECT_EQ(slider()->value(), 60);

    // The day after a draw has none: the nearest draw is offered by its date, and taken on Sì.
    const std::string giorno = Data::daGiorniDaEpoca(estrazioni[10].data.giorniDaEpoca() + 1).testo();
    ASSERT_NE(giorno, estrazioni[11].data.testo());
    dialoghi.testi = {QString::fromStdString(giorno), QString::fromStdString(giorno)};
    dialoghi.risposteSi = false;
    clicca("Command59");
    EXPECT_EQ(slider()->value(), 60);
    ASSERT_FALSE(dialoghi.domande.empty());
    EXPECT_EQ(dialoghi.domande.back().testo,
              QString::fromStdString("Il " + giorno + " non c'è estrazione: andare alla più vicina, del " +
                                     estrazioni[10].data.testo() + "?"));
    dialoghi.risposteSi = true;
    clicca("Command59");
    EXPECT_EQ(slider()->value(), 11);
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);
}

TEST_F(ProvaArchivio, ElencoESelezioneDellEstrazione) {
    auto* fgDB = trova<VistaGriglia>(w(), "FgDB");
    auto* tab = trova<QTabWidget>(w(), "SSTab1");
    tab->setCurrentIndex(1);
    w()->show();
    QApplication::processEvents();
    clicca("Command14");
    EXPECT_EQ(fgDB->griglia().primaRigaMostrata(), 1);
    const QModelIndex cella = fgDB->model()->index(11, 3);  // grid row 12
    fgDB->scrollTo(cella);
    QTest::mouseClick(fgDB->viewport(), Qt::LeftButton, {}, fgDB->visualRect(cella).center());
    EXPECT_EQ(fgDB->griglia().sfondo(12, 1), Giallo);
    EXPECT_EQ(fgDB->griglia().sfondo(12, 12), Giallo);
    EXPECT_EQ(fgDB->griglia().sfondo(11, 5), Bianco);
    clicca("Command11");
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_EQ(slider()->value(), 12);
    EXPECT_EQ(trova<QLineEdit>(w(), "Text1")->text(), QString::fromStdString(estrazioni[11].data.testo()));
    const QDate scelta = trova<QCalendarWidget>(w(), "MonthView1")->selectedDate();
    EXPECT_EQ(scelta, QDate(estrazioni[11].data.anno, estrazioni[11].data.mese, estrazioni[11].data.giorno));
}

TEST_F(ProvaArchivio, CaselleGuidateDallaTastiera) {
    QLineEdit* c1 = casella(1);
    c1->clear();
    QTest::keyClicks(c1, "91");
    EXPECT_EQ(c1->text(), "");
    QTest::keyClicks(c1, "99");
    EXPECT_EQ(c1->text(), "99");
    c1->clear();
    QTest::keyClicks(c1, "x");
    EXPECT_EQ(c1->text(), "");
    QTest::keyClicks(c1, "4y");
    EXPECT_EQ(c1->text(), "");

    const auto tasto = [&](int da, Qt::Key k) {
        casella(da)->setFocus();
        QTest::keyClick(casella(da), k);
        QWidget* focus = w()->focusWidget();
        return focus ? focus->objectName() : QString();
    };
    EXPECT_EQ(tasto(10, Qt::Key_Right), "txtin_6");
    EXPECT_EQ(tasto(6, Qt::Key_Left), "txtin_10");
    EXPECT_EQ(tasto(3, Qt::Key_Up), "txtin_53");
    EXPECT_EQ(tasto(53, Qt::Key_Down), "txtin_3");
    EXPECT_EQ(tasto(55, Qt::Key_Return), "txtin_1");
    casella(20)->clear();
    EXPECT_EQ(tasto(20, Qt::Key_Return), "txtin_20");  // an empty box keeps the focus
    casella(21)->setText("0");
    EXPECT_EQ(tasto(21, Qt::Key_Enter), "txtin_21");
    EXPECT_EQ(casella(21)->text(), "");
    casella(22)->setText("7");
    EXPECT_EQ(tasto(22, Qt::Key_Down), "txtin_27");
    EXPECT_EQ(casella(22)->text(), "07");

    clicca("Command1");
    for (int i = 1; i <= 55; ++i) EXPECT_EQ(casella(i)->text(), "") << i;
    // A paste holds the 55 numbers or changes nothing; the last one counts without a line end.
    QGuiApplication::clipboard()->setText("1 2 3\r\n");
    clicca("Command12");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo,
              "Il testo incollato contiene 3 numeri: ne servono 55, 5 per ciascuna delle "
              "11 ruote.\nLe caselle restano come erano.");
    EXPECT_EQ(casella(3)->text(), "");
    QString incollato;
    for (int i = 1; i <= 55; ++i) incollato += QString::number(i) + (i % 5 ? "\t" : "\r\n");
    incollato.chop(2);
    QGuiApplication::clipboard()->setText(incollato);
    impostaData(Data{2023, 2, 2});
    clicca("Command12");
    EXPECT_EQ(casella(3)->text(), "03");
    EXPECT_EQ(casella(55)->text(), "55");
    // The header names the date the boxes will be saved under.
    EXPECT_EQ(etichetta("LBLESTRAZIONE"), "02/02/2023");
    EXPECT_EQ(etichetta("pAN_DC"), "");
}

TEST_F(ProvaArchivio, SalvaUnEstrazione) {
    // Ten wheels, Nazionale left empty, on a date before the last one.
    compilaRuote(10);
    const Data nuova{2022, 12, 25};
    impostaData(nuova);
    griglia("FgImporta").impostaRighe(5);
    clicca("Command8");
    ASSERT_EQ(dialoghi.domande.size(), 1u);
    EXPECT_EQ(dialoghi.domande[0].testo, "Il 25/12/2022 non è un giorno di estrazione: salvare lo stesso?");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Dati salvati correttamente. Ricarico archivio.");
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Information);

    auto righe = memorizzate();
    ASSERT_EQ(righe.size(), 61u);
    auto salvata = std::find_if(righe.begin(), righe.end(), [](auto& r) { return r.data == "25/12/2022"; });
    ASSERT_NE(salvata, righe.end());
    EXPECT_EQ(salvata->ruote[0], "03-13-23-33-43");
    EXPECT_EQ(salvata->ruote[10], "----");
    // The slider shows the newest draw, not the one saved; the model is the whole archive.
    EXPECT_EQ(slider()->maximum(), 61);
    EXPECT_EQ(slider()->value(), 61);
    EXPECT_EQ(etichetta("LBLESTRAZIONE"), QString::fromStdString(estrazioni.back().data.testo()));
    EXPECT_EQ(etichettaPrincipale("Lbl_inizioNE"), "1");
    EXPECT_EQ(etichettaPrincipale("Lbl_Ev"), "61");
    EXPECT_EQ(griglia("FgDB").righe(), 62);
    EXPECT_EQ(griglia("FgImporta").righe(), 1);

    // The same date again: refused by the archive.
    compilaRuote(11);
    clicca("Command8");
    ASSERT_EQ(dialoghi.messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.messaggi[1].testo,
              "Attenzione probabilmente hai inserito una data già memorizzata...\n"
              "L'estrazione del 25/12/2022 è già in archivio: per correggerla usare "
              "MODIFICA ESTRAZIONE.");
    EXPECT_EQ(dialoghi.messaggi[1].titolo, "Anomalia archivio");
    EXPECT_EQ(memorizzate().size(), 61u);
}

// Tonight's draw entered while earlier scheduled draws are missing: asked, and the main window
// does not call the archive up to date afterwards.
TEST_F(ProvaArchivio, EstrazioniMancantiPrimaChiedonoConferma) {
    ASSERT_EQ(estrazioni.back().data, (Data{2023, 1, 31}));
    compilaRuote(11);
    impostaData(Data{2023, 2, 11});  // Thursday 2, Saturday 4, Tuesday 7, Thursday 9 before it
    dialoghi.risposteSi = false;
    clicca("Command8");
    ASSERT_EQ(dialoghi.domande.size(), 1u);
    EXPECT_EQ(dialoghi.domande[0].testo, "Mancano 4 estrazioni prima del 11/02/2023: salvare lo stesso?");
    EXPECT_EQ(memorizzate().size(), 60u);
    dialoghi.risposteSi = true;
    clicca("Command8");
    EXPECT_EQ(memorizzate().size(), 61u);
    EXPECT_TRUE(etichettaPrincipale("LblUltimaEstrazione").endsWith("mancano 4 estrazioni prima dell'ultima"))
        << etichettaPrincipale("LblUltimaEstrazione").toStdString();
}

TEST_F(ProvaArchivio, RuoteIncompleteORipetuteNonSiSalvano) {
    compilaRuote(11);
    casella(8)->setText("");
    impostaData(Data{2023, 3, 1});
    clicca("Command8");
    casella(8)->setText("11");
    casella(9)->setText("11");
    clicca("Command3");
    EXPECT_TRUE(dialoghi.domande.empty());  // refused before any confirmation
    ASSERT_EQ(dialoghi.messaggi.size(), 2u);
    EXPECT_TRUE(dialoghi.messaggi[0].testo.startsWith("Ruota di Cagliari: compilata solo in parte."));
    EXPECT_EQ(dialoghi.messaggi[1].testo,
              "Ruota di Cagliari: il numero 11 è ripetuto.\nL'estrazione non è stata salvata.");
    EXPECT_EQ(dialoghi.messaggi[1].icona, QMessageBox::Critical);
    EXPECT_EQ(memorizzate().size(), 60u);
}

TEST_F(ProvaArchivio, ModificaEdEliminaLEstrazioneCorrente) {
    dialoghi.testi = {"30"};
    clicca("Command42");
    const std::string data = estrazioni[29].data.testo();
    compilaRuote(11);
    clicca("Command3");
    ASSERT_EQ(dialoghi.domande.size(), 2u);
    EXPECT_EQ(dialoghi.domande[1].testo,
              QString::fromStdString("Confermi la modifica dell'estrazione del " + data +
                                     " ?  La modifica è relativa agli estratti e viene mantenuta la stessa data."));
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Modifica effettuata. Ricarico archivio.");
    EXPECT_EQ(memorizzate()[29].ruote[10], "03-13-23-33-43");
    EXPECT_EQ(memorizzate()[29].data, data);
    EXPECT_EQ(slider()->value(), 30);  // back on the draw modified
    EXPECT_EQ(casella(51)->text(), "03");
    EXPECT_EQ(sessione->archivio.Estratti(30, 11, 2), 13);

    // No answers: nothing deleted.
    dialoghi.risposteSi = false;
    clicca("Command2");
    EXPECT_EQ(memorizzate().size(), 60u);
    dialoghi.risposteSi = true;
    clicca("Command2");
    EXPECT_EQ(dialoghi.domande.back().testo,
              QString::fromStdString("Attenzione: sarà eliminata l'estrazione del " + data + ".  Confermi ?"));
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Estrazione cancellata. L'archivio verrà ricaricato.");
    EXPECT_EQ(dialoghi.messaggi.back().titolo, "Sistemazione Archivio estrazioni");
    auto righe = memorizzate();
    EXPECT_EQ(righe.size(), 59u);
    EXPECT_EQ(righe[29].data, estrazioni[30].data.testo());
    EXPECT_EQ(sessione->archivio.NumEstrazioni(), 59);
    EXPECT_EQ(slider()->value(), 59);
}

TEST_F(ProvaArchivio, UnErroreDelDatabaseNelCancellareSiDiceENonPerdeNulla) {
    sql("CREATE TRIGGER blocca BEFORE DELETE ON EstrazioniLotto BEGIN SELECT RAISE(ABORT, 'bloccata'); END");
    clicca("Command2");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Critical);
    EXPECT_TRUE(dialoghi.messaggi[0].testo.contains(QString::fromStdString(estrazioni.back().data.testo())));
    EXPECT_TRUE(dialoghi.messaggi[0].testo.contains("bloccata"));
    EXPECT_EQ(memorizzate().size(), 60u);
    EXPECT_EQ(sessione->archivio.NumEstrazioni(), 60);
}

// The window opened on an archive that someone spoiled since the last load: the reason is said,
// and the draws in memory and their list stay as they were.
TEST_F(ProvaArchivio, UnArchivioIlleggibileAllAperturaSiDiceETieneLeEstrazioni) {
    sql("UPDATE EstrazioniLotto SET Ca = '99-95-00-91-92' WHERE DataEstrazione = '" +
        QString::fromStdString(estrazioni[5].data.testoIso()) + "'");
    ASSERT_TRUE(dialoghi.messaggi.empty());
    finestra = std::make_unique<FinestraArchivio>(*container);
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Warning);
    EXPECT_TRUE(dialoghi.messaggi[0].testo.startsWith(
        "Le estrazioni dell'archivio non sono state rilette: restano quelle già caricate.\n"));
    EXPECT_TRUE(dialoghi.messaggi[0].testo.contains("Cagliari «99-95-00-91-92»"));
    EXPECT_EQ(sessione->archivio.NumEstrazioni(), 60);
    EXPECT_EQ(etichetta("Label9"), "60");
    EXPECT_EQ(slider()->value(), 60);
}

TEST_F(ProvaArchivio, AggiornaDaFileSegnaEScrive) {
    std::vector<RigaArchivio> righe;
    for (std::size_t i = 55; i < 60; ++i) righe.push_back(estrazioni[i].riga());
    righe[1].ruote[3] = "01-02-03-04-05";  // differs from the archive
    RigaArchivio nuova = righe.back();
    nuova.data = "04/02/2023";
    righe.push_back(nuova);  // missing
    RigaArchivio cattiva = nuova;
    cattiva.data = "07/02/2023";
    std::string troncata = rigaFileAggiornamento(cattiva).substr(0, 100);
    dialoghi.fileScelto = fileAggiornamento(righe, troncata + "\r\n");

    clicca("Command21");
    const Griglia& fg = griglia("FgImporta");
    ASSERT_EQ(fg.righe(), 8);
    EXPECT_EQ(fg.sfondo(6, 1), ArancioMedio);
    EXPECT_EQ(fg.colore(2, 1), Rosso);
    EXPECT_EQ(list4(),
              (QStringList{
                  "Riga non valida del 07/02/2023 (Palermo, Roma, Torino, Venezia, Nazionale): non sarà scritta",
                  "Manca estrazione del: 04/02/2023",
                  QString::fromStdString("Errori Estrazione del " + righe[1].data),
              }));

    // Without "Corregge estrazioni errate" only the missing draw is written.
    clicca("Command28");
    EXPECT_EQ(list4(), (QStringList{"Aggiunta estrazione del 04/02/2023", "aggiunti N° 1 record"}));
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Dati salvati correttamente.");
    EXPECT_EQ(memorizzate().size(), 61u);
    EXPECT_EQ(memorizzate()[56].ruote[3], scriviTestoRuota(estrazioni[56].ruote[3]));
    EXPECT_EQ(griglia("FgImporta").righe(), 1);
    EXPECT_EQ(slider()->value(), 61);
    EXPECT_EQ(etichettaPrincipale("Lbl_fineNE"), "61");

    // A second AGGIORNAMENTO finds nothing to write.
    clicca("Command28");
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Non ci sono estrazioni da aggiornare.");

    // The same file again, now correcting.
    trova<QCheckBox>(w(), "Check3")->setChecked(true);
    clicca("Command21");
    EXPECT_EQ(list4().size(), 2);
    const auto messaggi = dialoghi.messaggi.size();
    clicca("Command28");
    EXPECT_EQ(list4(), QStringList{QString::fromStdString("Modificata estrazione del " + righe[1].data)});
    EXPECT_EQ(dialoghi.messaggi.size(), messaggi);  // corrections alone show no message
    EXPECT_EQ(memorizzate()[56].ruote[3], "01-02-03-04-05");
    EXPECT_EQ(memorizzate().size(), 61u);

    clicca("Command21");
    EXPECT_EQ(list4().first(),
              "Riga non valida del 07/02/2023 (Palermo, Roma, Torino, Venezia, Nazionale): non sarà scritta");
    EXPECT_EQ(list4().size(), 1);  // the rest equals the archive now
    clicca("Command28");
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Nessuna estrazione da aggiungere");
    EXPECT_EQ(memorizzate().size(), 61u);
}

TEST_F(ProvaArchivio, FileNonValidoOAnnullato) {
    const std::string riga = rigaFileAggiornamento(estrazioni.back().riga());
    test::scriviFile(cartella / "corto.txt", riga.substr(0, 177) + "\r\n");
    dialoghi.fileScelto = qpath(cartella / "corto.txt");
    clicca("Command21");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Attenzione, sembra che il file non sia del formato corretto");
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Avviso");
    EXPECT_EQ(griglia("FgImporta").righe(), 1);

    dialoghi.fileScelto.clear();
    clicca("Command21");
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);  // a cancelled dialog changes nothing
}

TEST_F(ProvaArchivio, UnErroreDiScritturaFermaLAggiornamentoELoDice) {
    std::vector<RigaArchivio> righe;
    for (const char* data : {"04/02/2023", "07/02/2023", "09/02/2023"}) {
        RigaArchivio r = estrazioni.back().riga();
        r.data = data;
        righe.push_back(r);
    }
    sql("CREATE TRIGGER blocca BEFORE INSERT ON EstrazioniLotto WHEN NEW.DataEstrazione = '2023-02-07' "
        "BEGIN SELECT RAISE(ABORT, 'rifiutata'); END");
    dialoghi.fileScelto = fileAggiornamento(righe);
    clicca("Command21");
    clicca("Command28");
    ASSERT_FALSE(dialoghi.messaggi.empty());
    EXPECT_EQ(dialoghi.messaggi.back().icona, QMessageBox::Critical);
    // One transaction: the draw written before the failure is not kept either, and that is said.
    EXPECT_TRUE(dialoghi.messaggi.back().testo.startsWith(
        "Aggiornamento non riuscito (scrivendo l'estrazione del 07/02/2023)"));
    EXPECT_TRUE(dialoghi.messaggi.back().testo.contains("rifiutata"));
    EXPECT_TRUE(dialoghi.messaggi.back().testo.contains("nessuna estrazione è stata scritta"));
    EXPECT_EQ(memorizzate().size(), 60u);
    EXPECT_EQ(sessione->archivio.NumEstrazioni(), 60);
    EXPECT_TRUE(list4().isEmpty());
}

TEST_F(ProvaArchivio, LArchivioStoricoSostituisceQuelloDimostrativo) {
    const QString demo = QDir(sessione->cartellaDati()).filePath(Sessione::NomeArchivioDimostrativo);
    sessione->selezionaArchivio(demo);
    apri(1);
    ASSERT_TRUE(sessione->archivioDimostrativo());
    const int simulate = sessione->archivio.NumEstrazioni();
    test::scriviFile(cartella / "storico.txt",
                     "1939/01/07\tBA\t58\t22\t47\t49\t69\n"
                     "1939/01/07\tRM\t1\t2\t3\t4\t5\n"
                     "1948/05/01\tNA\t10\t20\t30\t40\t50\n");
    dialoghi.fileScelto = qpath(cartella / "storico.txt");
    clicca("CmdImportaStorico");
    ASSERT_EQ(dialoghi.domande.size(), 1u);
    EXPECT_TRUE(dialoghi.domande[0].testo.contains(PaginaAggiornamenti::NomeArchivioStorico));
    const Griglia& fg = griglia("FgImporta");
    ASSERT_EQ(fg.righe(), 3);
    EXPECT_EQ(fg.testo(1, 2), "58-22-47-49-69");
    EXPECT_EQ(fg.sfondo(1, 1), ArancioMedio);  // the new archive has no draw yet
    EXPECT_EQ(fg.sfondo(2, 1), ArancioMedio);

    clicca("Command28");
    EXPECT_EQ(list4().last(), "aggiunti N° 2 record");
    const QString nuovo = QDir(sessione->cartellaDati()).filePath(PaginaAggiornamenti::NomeArchivioStorico);
    EXPECT_EQ(sessione->percorsoArchivio(), nuovo);
    EXPECT_EQ(sessione->programma().parametro("PercorsoArchivio"), nuovo);
    EXPECT_EQ(sessione->archivio.NumEstrazioni(), 2);
    EXPECT_EQ(sessione->archivio.Estratti(2, 6, 1), 10);
    EXPECT_EQ(sessione->archivio.Estratti(2, 1, 1), 0);  // Bari not drawn on 01/05/1948
    EXPECT_EQ(etichetta("LBLAGGIORNATO"), "01/05/1948");
    // The demonstration archive is left as it was.
    QString errore;
    auto db = DatabaseArchivio::apri(demo, &errore);
    ASSERT_TRUE(db);
    EXPECT_EQ(db->numeroEstrazioni(), simulate);
}
