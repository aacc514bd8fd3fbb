#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

#include "archive/db/ScaricoStorico.h"
#include "archive/ui/ControlloAvvio.h"
#include "archive/ui/ProvaArchivio.h"
#include "support/ScritturaZip.h"
#include "support/ServerHttp.h"

using namespace quorvane;
using namespace test;

namespace {

long righe(const std::string& testo) {
    return std::count(testo.begin(), testo.end(), '\n');
}

class SalvataggiArchivio : public ProvaArchivio {
protected:
    void usaServer(const ServerHttp& server) {
        ASSERT_NE(server.porta(), 0);
        ASSERT_TRUE(sessione->programma().impostaParametro("IndirizzoAggiornamenti",
                                                           QString::fromStdString(server.indirizzo())));
    }
    std::string copia() { return test::leggiFile(finestra->aggiornamenti().copiaAggiornamento().toStdString()); }
    VistaGriglia* fg1() { return trova<VistaGriglia>(w(), "fg1"); }
    void cliccaCella(VistaGriglia* vista, int riga, int colonna) {
        QCoreApplication::processEvents();  // the grid is on screen before a user can click it
        const QModelIndex cella = vista->model()->index(riga - 1, colonna);
        vista->scrollTo(cella);
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(cella).center());
    }
};

}  // namespace

TEST_F(SalvataggiArchivio, ScaricoEControlloDalSito) {
    std::string testo;
    for (std::size_t i = 57; i < 60; ++i) testo += rigaFileAggiornamento(estrazioni[i].riga()) + "\r\n";
    RigaArchivio nuova = estrazioni.back().riga();
    nuova.data = "04/02/2023";
    testo += rigaFileAggiornamento(nuova) + "\r\n";
    ServerHttp server({.corpo = testo});
    usaServer(server);
    clicca("Command27");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Fatto");
    EXPECT_EQ(copia(), testo + "\r\n");
    EXPECT_EQ(griglia("FgImporta").righe(), 1);  // only downloaded

    // The line break the download adds makes an empty last row, which is dropped.
    clicca("Command18");
    EXPECT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(griglia("FgImporta").righe(), 5);
    EXPECT_EQ(list4(), (QStringList{"Manca estrazione del: 04/02/2023", "Nessuna anomalia rilevata"}));

    // A failed download names its step and leaves the copy and the grids as they were.
    ServerHttp assente({.stato = 404, .corpo = "no"});
    usaServer(assente);
    clicca("Command18");
    ASSERT_EQ(dialoghi.messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.messaggi[1].icona, QMessageBox::Critical);
    EXPECT_EQ(dialoghi.messaggi[1].titolo, "Avviso");
    EXPECT_TRUE(dialoghi.messaggi[1].testo.startsWith(
        "Attenzione qualcosa è andato strorto nella procedura Collegamento al sito\n"));
    EXPECT_EQ(griglia("FgImporta").righe(), 5);
    EXPECT_EQ(list4().size(), 2);
    clicca("Command27");
    ASSERT_EQ(dialoghi.messaggi.size(), 3u);
    EXPECT_EQ(dialoghi.messaggi[2].icona, QMessageBox::Critical);
    EXPECT_EQ(copia(), testo + "\r\n");
}

TEST_F(SalvataggiArchivio, ArchivioUfficialeAlPostoDelDimostrativo) {
    const QString demo = QDir(sessione->cartellaDati()).filePath(Sessione::NomeArchivioDimostrativo);
    sessione->selezionaArchivio(demo);
    apri(1);
    ASSERT_FALSE(trova<QLabel>(container.get(), "LblDimostrativo")->isHidden());
    const std::string simulato = test::leggiFile(demo.toStdString());
    test::scriviZip(cartella / "storico.zip",
                    "1939/01/07\tBA\t58\t22\t47\t49\t69\n"
                    "1948/05/01\tNA\t10\t20\t30\t40\t50\n");
    ServerHttp server({.stato = 404}, {{"/storico.zip", {.corpo = test::leggiFile(cartella / "storico.zip")}}});

    // The address is edited on the "Salvataggi" tab: only a web address is kept.
    QLineEdit* indirizzo = trova<QLineEdit>(w(), "TxtArchivioUfficiale");
    EXPECT_EQ(indirizzo->text(), IndirizzoArchivioUfficialePredefinito);
    indirizzo->setText("ftp://127.0.0.1/storico.zip");
    clicca("CmdArchivioUfficiale");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Critical);
    EXPECT_EQ(sessione->programma().parametro("IndirizzoArchivioUfficiale"), IndirizzoArchivioUfficialePredefinito);

    // A failed download says so and leaves the archive as it was.
    indirizzo->setText(QString::fromStdString(server.indirizzo()) + "/vecchio.zip");
    clicca("CmdArchivioUfficiale");
    clicca("CmdScaricaStorico");
    ASSERT_EQ(dialoghi.messaggi.size(), 3u);
    EXPECT_EQ(dialoghi.messaggi[2].icona, QMessageBox::Critical);
    EXPECT_TRUE(dialoghi.messaggi[2].testo.contains("404")) << dialoghi.messaggi[2].testo.toStdString();
    EXPECT_TRUE(dialoghi.domande.empty());
    EXPECT_EQ(griglia("FgImporta").righe(), 1);
    EXPECT_EQ(test::leggiFile(demo.toStdString()), simulato);

    indirizzo->setText(QString::fromStdString(server.indirizzo()) + "/storico.zip");
    clicca("CmdArchivioUfficiale");
    clicca("CmdScaricaStorico");
    ASSERT_EQ(dialoghi.domande.size(), 1u);
    EXPECT_TRUE(dialoghi.domande[0].testo.contains(PaginaAggiornamenti::NomeArchivioStorico));
    ASSERT_EQ(griglia("FgImporta").righe(), 3);
    EXPECT_EQ(griglia("FgImporta").testo(1, 2), "58-22-47-49-69");
    clicca("Command28");
    EXPECT_EQ(list4().last(), "aggiunti N° 2 record");
    EXPECT_EQ(sessione->percorsoArchivio(),
              QDir(sessione->cartellaDati()).filePath(PaginaAggiornamenti::NomeArchivioStorico));
    EXPECT_EQ(sessione->archivio.NumEstrazioni(), 2);
    EXPECT_TRUE(trova<QLabel>(container.get(), "LblDimostrativo")->isHidden());
    EXPECT_EQ(test::leggiFile(demo.toStdString()), simulato);
}

TEST_F(SalvataggiArchivio, IndirizzoDelSito) {
    QLabel* label5 = trova<QLabel>(w(), "Label5");
    QLineEdit* text2 = trova<QLineEdit>(w(), "Text2");
    const QString iniziale = sessione->indirizzoInternet();
    EXPECT_EQ(text2->text(), iniziale);

    QGuiApplication::clipboard()->setText("https://esempio.it/lotto");
    clicca("Command16");
    EXPECT_EQ(text2->text(), "https://esempio.it/lotto");
    clicca("Command15");
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].testo, "Salvataggio effettuato");
    EXPECT_EQ(dialoghi.messaggi[0].titolo, "Salvataggio");
    EXPECT_EQ(sessione->programma().parametro("IndirizzoInternet"), "https://esempio.it/lotto");
    // Until the next start the site opened is the one read at start-up.
    EXPECT_EQ(label5->text(), iniziale);
    clicca("Command5");
    EXPECT_EQ(dialoghi.indirizziAperti, std::vector<QUrl>{QUrl(iniziale)});

    // Only web addresses are handed to the browser: a site read at start-up that is not one.
    ASSERT_TRUE(sessione->programma().impostaParametro("IndirizzoInternet", "file:///etc/passwd"));
    const QString dati = sessione->cartellaDati();
    finestra.reset();
    container.reset();
    sessione.reset();
    QString errore;
    sessione = Sessione::avvia(dati, Data{1939, 2, 1}, &errore);
    ASSERT_TRUE(sessione) << errore.toStdString();
    apri();
    clicca("Command5");
    EXPECT_EQ(dialoghi.indirizziAperti.size(), 1u);
    ASSERT_EQ(dialoghi.messaggi.size(), 2u);
    EXPECT_EQ(dialoghi.messaggi[1].icona, QMessageBox::Critical);

    // Without its parameter row "RENDE PREDEFINITO" does nothing and says nothing.
    QSqlQuery(sessione->programma().db()).exec("DELETE FROM ParametriProgramma WHERE Parametro = 'IndirizzoInternet'");
    clicca("Command15");
    EXPECT_EQ(dialoghi.messaggi.size(), 2u);
}

// The start-up check, asked once on the first start, is changed here afterwards.
TEST_F(SalvataggiArchivio, ControlloAllAvvioDaSalvataggi) {
    const QString attivo = ParametriControlloAvvio::Attivo;
    QCheckBox* box = trova<QCheckBox>(w(), "ChkControlloAvvio");
    EXPECT_FALSE(box->isChecked());  // never asked: off
    box->click();
    EXPECT_EQ(sessione->programma().parametro(attivo), "Sì");
    box->click();
    EXPECT_EQ(sessione->programma().parametro(attivo), "No");

    ASSERT_TRUE(sessione->programma().impostaParametro(attivo, "Sì"));
    apri();
    box = trova<QCheckBox>(w(), "ChkControlloAvvio");
    EXPECT_TRUE(box->isChecked());
    // A choice that cannot be stored is said, and the box goes back to the stored one.
    QSqlQuery(sessione->programma().db()).exec("DELETE FROM ParametriProgramma WHERE Parametro = '" + attivo + "'");
    box->click();
    EXPECT_TRUE(box->isChecked());
    ASSERT_EQ(dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(dialoghi.messaggi[0].icona, QMessageBox::Critical);
}

TEST_F(SalvataggiArchivio, EsportazioniDellArchivio) {
    QLabel* label13 = trova<QLabel>(w(), "Label13");
    const QString predefinito = *sessione->programma().parametro("PercorsoDati.iii");
    EXPECT_EQ(label13->text(), predefinito);

    // Over a longer file: nothing of its old records is left.
    test::scriviFile(cartella / "Lotto.iii", std::string(100 * 110, 'x'));
    dialoghi.fileDaSalvare = qpath(cartella / "Lotto.iii");
    clicca("Command10");
    EXPECT_EQ(dialoghi.domande.back().iniziale, predefinito);  // the dialog starts at Label13
    EXPECT_EQ(test::leggiFile(cartella / "Lotto.iii").size(), 60u * 110u);
    EXPECT_EQ(label13->text(), qpath(cartella / "Lotto.iii"));
    EXPECT_EQ(container->barraAvanzamento()->maximum(), 60);
    EXPECT_LT(container->barraAvanzamento()->value(),
              container->barraAvanzamento()->minimum());  // emptied when the export ended
    clicca("Command35");
    EXPECT_EQ(sessione->programma().parametro("PercorsoDati.iii"), qpath(cartella / "Lotto.iii"));
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Salvataggio effettuato");

    dialoghi.fileDaSalvare.clear();
    clicca("Command10");
    EXPECT_EQ(label13->text(), qpath(cartella / "Lotto.iii"));  // cancelled: nothing changes

    dialoghi.fileDaSalvare = qpath(cartella / "Nazionale.Txt");
    clicca("Command34");
    EXPECT_EQ(righe(test::leggiFile(cartella / "Nazionale.Txt")), 60);

#ifndef _WIN32
    // Zendravolta's folder on Linux is in Wine's C: drive; on Windows, C:\KVEL3 itself.
    VariabileAmbiente wine("WINEPREFIX", (cartella / "wine").string());
    const auto messaggi = dialoghi.messaggi.size();
    clicca("Command7");
    ASSERT_EQ(dialoghi.messaggi.size(), messaggi + 1);
    EXPECT_EQ(dialoghi.messaggi.back().testo, "Attenzione Zendravolta non presente.");
    std::filesystem::create_directories(cartella / "wine" / "drive_c" / "KVEL3");
    clicca("Command7");
    EXPECT_EQ(dialoghi.messaggi.size(), messaggi + 1);
    EXPECT_EQ(righe(test::leggiFile(cartella / "wine" / "drive_c" / "KVEL3" / "DATI32.III")), 60);
#endif

    // A file that cannot be written is said, not passed over.
    dialoghi.fileDaSalvare = qpath(cartella / "manca" / "x.Txt");
    clicca("Command34");
    EXPECT_EQ(dialoghi.messaggi.back().icona, QMessageBox::Critical);
    EXPECT_EQ(dialoghi.messaggi.back().titolo, "SALVA NAZIONALE FORMATO TESTO");
}

TEST_F(SalvataggiArchivio, CalendarioDelleEstrazioni) {
    auto* combo1 = trova<QComboBox>(w(), "Combo1");
    const int anno = QDate::currentDate().year();
    EXPECT_EQ(combo1->itemText(0), "1939");
    EXPECT_EQ(combo1->currentText(), QString::number(anno));
    EXPECT_EQ(combo1->count(), anno - 1939 + 1);
    EXPECT_EQ(fg1()->griglia().righe(), 1);  // the archive ends in 2023

    // The archive's draws of 2022, the last on 31/12.
    combo1->setCurrentText("2022");
    const Griglia& g = fg1()->griglia();
    const Estrazione* ultima2022 = nullptr;
    for (const auto& e : estrazioni)
        if (e.data.anno == 2022) ultima2022 = &e;
    ASSERT_NE(ultima2022, nullptr);
    ASSERT_EQ(ultima2022->data, (Data{2022, 12, 31}));
    ASSERT_GT(g.righe(), 1);
    const int ultimaRiga = g.righe() - 1;
    EXPECT_EQ(g.testo(ultimaRiga, 2), "12");
    EXPECT_EQ(g.rigaCorrente(), ultimaRiga);
    EXPECT_EQ(g.testo(0, g.colonnaCorrente()), "31");
    EXPECT_EQ(g.testo(ultimaRiga, g.colonnaCorrente()), "7");  // a Saturday

    w()->show();
    QApplication::processEvents();
    // A day with a draw selects it; a day without one only sets the calendar.
    const int indice = static_cast<int>(ultima2022 - estrazioni.data()) + 1;
    cliccaCella(fg1(), ultimaRiga, g.colonnaCorrente());
    EXPECT_EQ(slider()->value(), indice);
    EXPECT_EQ(trova<QLineEdit>(w(), "Text1")->text(), "31/12/2022");
    int vuota = 3;
    while (vuota < g.colonne() && !g.testo(ultimaRiga, vuota).empty()) ++vuota;
    ASSERT_LT(vuota, g.colonne());
    cliccaCella(fg1(), ultimaRiga, vuota);
    EXPECT_EQ(slider()->value(), indice);
    const QDate senzaEstrazione(2022, 12, std::stoi(g.testo(0, vuota)));
    EXPECT_EQ(trova<QLineEdit>(w(), "Text1")->text(), senzaEstrazione.toString("dd/MM/yyyy"));
    EXPECT_EQ(trova<QCalendarWidget>(w(), "MonthView1")->selectedDate(), senzaEstrazione);

    auto* check2 = trova<QCheckBox>(w(), "Check2");
    check2->click();
    EXPECT_EQ(fg1()->griglia().testo(ultimaRiga, fg1()->griglia().colonnaCorrente()), "S");
    check2->click();
    EXPECT_EQ(fg1()->griglia().testo(ultimaRiga, fg1()->griglia().colonnaCorrente()), "7");
}

// The start-up check runs while the windows are in use: it returns at once even when the site
// never answers, and its "Annulla" stops it.
TEST_F(SalvataggiArchivio, IlControlloAllAvvioNonFermaLeFinestre) {
    ServerHttp muto({.silenzio = true});
    ASSERT_NE(muto.porta(), 0);
    ASSERT_TRUE(sessione->programma().impostaParametro(ParametriControlloAvvio::Attivo, ParametriControlloAvvio::Si));
    ASSERT_TRUE(sessione->programma().impostaParametro(Parametri::IndirizzoArchivioUfficiale,
                                                       QString::fromStdString(muto.indirizzo()) + "/storico.zip"));
    ASSERT_GT(container->estrazioniMancanti(), 0);
    controlloArchivioAllAvvio(*container);
    QStatusBar* stato = container->statusBar();
    EXPECT_EQ(stato->currentMessage(), "Controllo dell'archivio ufficiale…");
    auto* annulla = trova<QPushButton>(container.get(), "AnnullaControllo");
    ASSERT_TRUE(annulla->isVisibleTo(container.get()));
    QTest::mouseClick(annulla, Qt::LeftButton);
    EXPECT_EQ(stato->currentMessage(), "Controllo dell'archivio ufficiale annullato.");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(container->findChild<QPushButton*>("AnnullaControllo"), nullptr);
}
