#include <QProcess>
#include <algorithm>

#include "archive/FileAggiornamento.h"
#include "core/db/CartellaDati.h"
#include "support/RigaDiComando.h"
#include "support/ScritturaZip.h"
#include "support/ServerHttp.h"
#include "support/Supporto.h"

using namespace quorvane;
using test::qpath;

namespace {

RigaArchivio riga(const std::string& data, const std::string& bari) {
    RigaArchivio r;
    r.data = data;
    r.ruote[0] = bari;
    return r;
}

// An archive of two draws of Bari only, and its scratch folders.
class AggiornamentoCli : public ::testing::Test {
protected:
    void SetUp() override {
        test::scriviFile(cartella / "storico.txt",
                         "2023/01/03\tBA\t10\t20\t30\t40\t50\n"
                         "2023/01/05\tBA\t11\t21\t31\t41\t51\n");
        test::EsitoCli importa = test::eseguiCli({"importa-storico", qpath(cartella / "storico.txt"), "--archivio", db},
                                                 dati);
        ASSERT_EQ(importa.codice, 0) << importa.errori.toStdString();
        test::scriviFile(cartella / "agg.txt", rigaFileAggiornamento(riga("05/01/2023", "11-21-31-41-59")) + "\r\n" +
                                                   rigaFileAggiornamento(riga("07/01/2023", "12-22-32-42-52")) +
                                                   "\r\n");
    }

    test::CartellaTemporanea cartella;
    QString dati = qpath(cartella / "dati");
    QString db = qpath(cartella / "a.db");
    QString agg = qpath(cartella / "agg.txt");
};

}  // namespace

TEST_F(AggiornamentoCli, ControllaStampaLaGrigliaEIlResoconto) {
    test::EsitoCli tsv = test::eseguiCli({"--archivio", db, "controlla-aggiornamento", agg}, dati);
    ASSERT_EQ(tsv.codice, 0) << tsv.errori.toStdString();
    const QStringList righe = tsv.uscita.split('\n');
    EXPECT_TRUE(righe[0].startsWith("Data    estraz\tBari\tCagliari\t")) << righe[0].toStdString();
    EXPECT_TRUE(righe[1].startsWith("05/01/2023\t11-21-31-41-59\t"));
    EXPECT_EQ(righe[3], "");
    EXPECT_EQ(righe[4], "Manca estrazione del: 07/01/2023");
    EXPECT_EQ(righe[5], "Errori Estrazione del 05/01/2023");

    test::EsitoCli json = test::eseguiCli({"--archivio", db, "--json", "controlla-aggiornamento", agg}, dati);
    ASSERT_EQ(json.codice, 0);
    EXPECT_TRUE(json.uscita.startsWith(R"({"tabella":"righe_aggiornamento","griglia":"FgImporta")"));
    EXPECT_TRUE(json.uscita.contains(R"({"testo":"07/01/2023","sfondo":8438015,"colore":null,"grassetto":false})"));
    EXPECT_TRUE(json.uscita.contains(R"({"testo":"05/01/2023","sfondo":null,"colore":255,"grassetto":true})"));
    EXPECT_TRUE(json.uscita.trimmed().endsWith(
        R"("resoconto":["Manca estrazione del: 07/01/2023","Errori Estrazione del 05/01/2023"]})"));
}

TEST_F(AggiornamentoCli, AggiornaScriveSoloInUnArchivioSqlite) {
    // The draw that differs is left as stored without --correggi: said, and no success.
    test::EsitoCli prima = test::eseguiCli({"--archivio", db, "aggiorna", agg}, dati);
    EXPECT_EQ(prima.codice, 1);
    EXPECT_EQ(prima.uscita,
              "Aggiunta estrazione del 07/01/2023\naggiunti N° 1 record\nErrori Estrazione del 05/01/2023\n");
    EXPECT_TRUE(prima.errori.contains("1 estrazioni diverse dall'archivio non corrette")) << prima.errori.toStdString();
    test::EsitoCli ancora = test::eseguiCli({"--archivio", db, "--json", "aggiorna", agg}, dati);
    // Under --json one object: the error with the report.
    EXPECT_EQ(ancora.codice, 1);
    EXPECT_TRUE(ancora.uscita.startsWith("{\"errore\":\"aggiornamento incompleto: ") &&
                ancora.uscita.endsWith(",\"resoconto\":[\"Errori Estrazione del 05/01/2023\"]}\n"))
        << ancora.uscita.toStdString();
    test::EsitoCli corregge = test::eseguiCli({"--archivio", db, "aggiorna", agg, "--correggi"}, dati);
    EXPECT_EQ(corregge.codice, 0) << corregge.errori.toStdString();
    EXPECT_EQ(corregge.uscita, "Modificata estrazione del 05/01/2023\n");

    // A last line cut short: the other draws are written, the line is named, no success.
    const std::string intera = rigaFileAggiornamento(riga("12/01/2023", "13-23-33-43-53"));
    test::scriviFile(cartella / "tagliato.txt", rigaFileAggiornamento(riga("10/01/2023", "01-02-03-04-05")) + "\r\n" +
                                                    intera.substr(0, 40) + "\r\n");
    test::EsitoCli tagliato = test::eseguiCli({"--archivio", db, "aggiorna", qpath(cartella / "tagliato.txt")}, dati);
    EXPECT_EQ(tagliato.codice, 1);
    EXPECT_TRUE(
        tagliato.uscita.startsWith("Aggiunta estrazione del 10/01/2023\naggiunti N° 1 record\n"
                                   "Riga non valida del 12/01/2023 ("))
        << tagliato.uscita.toStdString();
    EXPECT_TRUE(tagliato.errori.contains("1 righe non valide non scritte")) << tagliato.errori.toStdString();
    test::EsitoCli elenco = test::eseguiCli({"--archivio", db, "controlla-aggiornamento", agg}, dati);
    EXPECT_TRUE(elenco.uscita.endsWith("\nNessuna anomalia rilevata\n"));

    // The official file as the source of an update.
    test::scriviFile(cartella / "storico2.txt", "2023/01/11\tBA\t1\t2\t3\t4\t5\n2023/01/11\tRN\t6\t7\t8\t9\t10\n");
    test::EsitoCli storico = test::eseguiCli({"--archivio", db, "aggiorna", qpath(cartella / "storico2.txt")}, dati);
    EXPECT_EQ(storico.uscita, "Aggiunta estrazione del 11/01/2023\naggiunti N° 1 record\n");

    // A text archive is never written; usage errors are said as such.
    const std::string testo = test::leggiFile(cartella / "storico.txt");
    test::EsitoCli suTesto = test::eseguiCli({"--archivio", qpath(cartella / "storico.txt"), "aggiorna", agg}, dati);
    EXPECT_EQ(suTesto.codice, 1);
    EXPECT_EQ(test::leggiFile(cartella / "storico.txt"), testo);
    EXPECT_EQ(test::eseguiCli({"aggiorna", agg}, dati).codice, 2);
    EXPECT_EQ(test::eseguiCli({"--archivio", db, "aggiorna", agg, "--colpi", "3"}, dati).codice, 2);
    test::scriviFile(cartella / "corto.txt", "05/01/2023 11-21\r\n");
    test::EsitoCli corto = test::eseguiCli({"--archivio", db, "controlla-aggiornamento", qpath(cartella / "corto.txt")},
                                           dati);
    EXPECT_EQ(corto.codice, 1);
    EXPECT_EQ(corto.errori, "Errore: Attenzione, sembra che il file non sia del formato corretto\n");

    // A file whose only line is no draw: nothing was there to write, and that is what is said.
    test::scriviFile(cartella / "intestazione.txt", rigaFileAggiornamento(riga("Data estr.", "")) + "\r\n");
    test::EsitoCli intestazione = test::eseguiCli({"--archivio", db, "aggiorna", qpath(cartella / "intestazione.txt")},
                                                  dati);
    EXPECT_EQ(intestazione.codice, 1);
    EXPECT_TRUE(intestazione.errori.endsWith("nel file non c'erano altre estrazioni da scrivere\n"))
        << intestazione.errori.toStdString();
}

// Two updates of one archive at once, from files that disagree on a new draw: the second checks
// the draw as the first stored it, so the disagreement is reported, never lost.
TEST_F(AggiornamentoCli, DueAggiornamentiInsiemeNonPerdonoNulla) {
    const auto avvia = [&](QProcess& cli, const char* file) {
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(VariabileCartellaDati, dati);
        cli.setProcessEnvironment(ambiente);
        cli.start(QStringLiteral(QUORVANE_CLI), {"--archivio", db, "aggiorna", qpath(cartella / file)});
    };
    for (int giro = 0; giro < 10; ++giro) {
        const std::string data = Data::daGiorniDaEpoca(Data{2023, 2, 1}.giorniDaEpoca() + giro).testo();
        test::scriviFile(cartella / "uno.txt", rigaFileAggiornamento(riga(data, "01-02-03-04-05")) + "\r\n");
        test::scriviFile(cartella / "due.txt", rigaFileAggiornamento(riga(data, "06-07-08-09-10")) + "\r\n");
        QProcess uno, due;
        avvia(uno, "uno.txt");
        avvia(due, "due.txt");
        ASSERT_TRUE(uno.waitForFinished(30000) && due.waitForFinished(30000));
        QProcess& secondo = uno.exitCode() == 0 ? due : uno;
        EXPECT_EQ(uno.exitCode() + due.exitCode(), 1) << data;
        EXPECT_TRUE(QString::fromUtf8(secondo.readAllStandardOutput())
                        .contains(QString::fromStdString("Errori Estrazione del " + data)))
            << data;
    }
}

// A disk that fills during a write, as the shell's limit on file sizes makes it: the update
// leaves the archive as it was with no journal beside it, and an import leaves no file.
#ifndef _WIN32  // the full disk is made with the shell's file size limit
TEST_F(AggiornamentoCli, UnDiscoPienoNonLasciaNulla) {
    std::string storico, aggiornamento;
    for (int i = 0; i < 3000; ++i) {
        const Data d = Data::daGiorniDaEpoca(Data{2024, 1, 1}.giorniDaEpoca() + i);
        aggiornamento += rigaFileAggiornamento(riga(d.testo(), "01-02-03-04-05")) + "\r\n";
        std::string iso = d.testoIso();
        std::replace(iso.begin(), iso.end(), '-', '/');
        storico += iso + "\tBA\t1\t2\t3\t4\t5\n";
    }
    test::scriviFile(cartella / "grande.txt", aggiornamento);
    test::scriviFile(cartella / "grande-storico.txt", storico);
    const auto pieno = [&](const QStringList& argomenti) {
        return test::esegui(
            QStringLiteral("bash"),
            QStringList{"-c", "ulimit -f 48; trap '' XFSZ; exec \"$0\" \"$@\"", QUORVANE_CLI} + argomenti, dati);
    };

    test::EsitoCli aggiorna = pieno({"--archivio", db, "aggiorna", qpath(cartella / "grande.txt")});
    EXPECT_EQ(aggiorna.codice, 1);
    EXPECT_TRUE(aggiorna.errori.contains("disco")) << aggiorna.errori.toStdString();
    EXPECT_TRUE(aggiorna.errori.contains("L'archivio è rimasto com'era"));
    EXPECT_FALSE(std::filesystem::exists(cartella / "a.db-journal"));
    EXPECT_EQ(test::eseguiCli({"--archivio", db, "estrazioni"}, dati).uscita.count('\n'), 3);

    test::EsitoCli importa = pieno(
        {"importa-storico", qpath(cartella / "grande-storico.txt"), "--archivio", qpath(cartella / "nuovo.db")});
    EXPECT_EQ(importa.codice, 1);
    EXPECT_TRUE(importa.errori.contains("nessuna estrazione è stata scritta")) << importa.errori.toStdString();
    EXPECT_FALSE(std::filesystem::exists(cartella / "nuovo.db"));
}
#endif

TEST_F(AggiornamentoCli, ScaricaStoricoScriveSoloUnFileUfficialeIntero) {
    // The stored two draws and a new one, zipped as published.
    test::scriviZip(cartella / "storico.zip",
                    test::leggiFile(cartella / "storico.txt") + "2023/01/07\tBA\t12\t22\t32\t42\t52\n");
    test::scriviZip(cartella / "leggimi.zip", "Il file arriverà presto.\n", "LEGGIMI.txt");
    test::ServerHttp server({.stato = 404}, {{"/storico.zip", {.corpo = test::leggiFile(cartella / "storico.zip")}},
                                             {"/leggimi.zip", {.corpo = test::leggiFile(cartella / "leggimi.zip")}},
                                             {"/rinvio.zip", {.stato = 302, .rinvio = "file:///etc/passwd"}},
                                             {"http://quorvane.invalid/storico.zip",
                                              {.corpo = test::leggiFile(cartella / "storico.zip")}}});
    const auto url = [&](const char* percorso) { return QString::fromStdString(server.indirizzo()) + percorso; };
    const std::string prima = test::leggiFile(cartella / "a.db");

    test::EsitoCli controlla = test::eseguiCli(
        {"--archivio", db, "scarica-storico", "--indirizzo", url("/storico.zip")}, dati);
    ASSERT_EQ(controlla.codice, 0) << controlla.errori.toStdString();
    EXPECT_TRUE(controlla.uscita.startsWith("Data    estraz\tBari\t")) << controlla.uscita.toStdString();
    EXPECT_TRUE(controlla.uscita.endsWith("\nManca estrazione del: 07/01/2023\nNessuna anomalia rilevata\n"))
        << controlla.uscita.toStdString();

    for (const char* guasto : {"/assente.zip", "/leggimi.zip", "/rinvio.zip"}) {
        test::EsitoCli fallito = test::eseguiCli(
            {"--archivio", db, "scarica-storico", "--indirizzo", url(guasto), "--aggiorna"}, dati);
        EXPECT_EQ(fallito.codice, 1) << guasto;
        EXPECT_TRUE(fallito.errori.startsWith("Errore: ")) << fallito.errori.toStdString();
        EXPECT_EQ(fallito.errori.count('\n'), 1) << fallito.errori.toStdString();  // one line, as every error
        EXPECT_EQ(fallito.uscita, "") << guasto;
        EXPECT_EQ(test::leggiFile(cartella / "a.db"), prima) << guasto;
    }

    test::EsitoCli aggiorna = test::eseguiCli(
        {"--archivio", db, "scarica-storico", "--indirizzo", url("/storico.zip"), "--aggiorna"}, dati);
    ASSERT_EQ(aggiorna.codice, 0) << aggiorna.errori.toStdString();
    EXPECT_EQ(aggiorna.uscita, "Aggiunta estrazione del 07/01/2023\naggiunti N° 1 record\n");

    // Through the system's proxy, which is asked for the whole address.
    {
        test::ProxyDiSistema proxy(server);
        test::EsitoCli perProxy = test::eseguiCli(
            {"--archivio", db, "scarica-storico", "--indirizzo", "http://quorvane.invalid/storico.zip"}, dati);
        EXPECT_EQ(perProxy.codice, 0) << perProxy.errori.toStdString();
    }
    EXPECT_EQ(server.richieste().back(), "http://quorvane.invalid/storico.zip");

    // Usage is checked before any transfer.
    EXPECT_EQ(test::eseguiCli({"scarica-storico", "--indirizzo", url("/storico.zip"), "--aggiorna"}, dati).codice, 2);
    EXPECT_EQ(test::eseguiCli({"--archivio", db, "scarica-storico", "--correggi"}, dati).codice, 2);
}

TEST_F(AggiornamentoCli, IlFileStoricoZippatoSiLeggeComeQuelloInChiaro) {
    test::scriviZip(cartella / "storico.zip", test::leggiFile(cartella / "storico.txt"));
    const QString zip = qpath(cartella / "storico.zip");
    test::EsitoCli importa = test::eseguiCli({"importa-storico", zip, "--archivio", qpath(cartella / "nuovo.db")},
                                             dati);
    ASSERT_EQ(importa.codice, 0) << importa.errori.toStdString();
    EXPECT_EQ(importa.uscita, "Estrazioni lette: 2, aggiunte all'archivio: 2\n");
    test::EsitoCli elenco = test::eseguiCli({"--archivio", zip, "estrazioni"}, dati);
    EXPECT_EQ(elenco.uscita, "Indice\tData\tProg. anno\tProg. mese\n1\t03/01/2023\t1\t1\n2\t05/01/2023\t2\t2\n");

    // A binary file is refused with a readable message.
    test::scriviFile(cartella / "binario", std::string("\x7f"
                                                       "ELF\x02\x01\0\0\x1b[2J",
                                                       12));
    test::EsitoCli binario = test::eseguiCli({"importa-storico", qpath(cartella / "binario"), "--archivio", db}, dati);
    EXPECT_EQ(binario.codice, 1);
    EXPECT_EQ(binario.errori, "Errore: Riga 1: data non valida \"?ELF?????[2J\"\n");
}
