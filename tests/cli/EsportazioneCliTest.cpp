#include <QDir>

#include "archive/FileAggiornamento.h"
#include "archive/db/ScaricoAggiornamento.h"
#include "core/db/Sessione.h"
#include "support/RigaDiComando.h"
#include "support/ServerHttp.h"
#include "support/Supporto.h"

using namespace quorvane;
using test::eseguiCli;
using test::qpath;

namespace {

// Three draws of 2023 given as the official file; the Nazionale only on the second.
class EsportazioneCli : public ::testing::Test {
protected:
    void SetUp() override {
        test::scriviFile(cartella / "storico.txt",
                         "2023/01/03\tBA\t10\t20\t30\t40\t50\n"
                         "2023/01/05\tBA\t11\t21\t31\t41\t51\n"
                         "2023/01/05\tRN\t1\t2\t3\t4\t90\n"
                         "2023/03/31\tVE\t5\t6\t7\t8\t9\n");
    }
    test::EsitoCli esegui(QStringList argomenti) {
        argomenti.prepend(storico);
        argomenti.prepend("--archivio");
        return eseguiCli(argomenti, dati);
    }

    test::CartellaTemporanea cartella;
    QString dati = qpath(cartella / "dati");
    QString storico = qpath(cartella / "storico.txt");
};

}  // namespace

TEST_F(EsportazioneCli, EsportaNeiTreFormati) {
    const QString iii = qpath(cartella / "Dati.iii");
    test::EsitoCli dati3 = esegui({"esporta", "dati-iii", iii});
    ASSERT_EQ(dati3.codice, 0) << dati3.errori.toStdString();
    EXPECT_EQ(dati3.uscita, "Fatto: " + QDir::toNativeSeparators(iii) + "\n");
    EXPECT_EQ(test::leggiFile(cartella / "Dati.iii").size(), 330u);
    ASSERT_EQ(esegui({"esporta", "nazionale", qpath(cartella / "Naz.Txt")}).codice, 0);
    EXPECT_EQ(test::leggiFile(cartella / "Naz.Txt"), "00002-0102030490\r\n");

#ifndef _WIN32
    // Zendravolta's folder on Linux is in Wine's C: drive; on Windows, C:\KVEL3 itself.
    test::VariabileAmbiente wine("WINEPREFIX", (cartella / "wine").string());
    test::EsitoCli assente = esegui({"esporta", "zendravolta"});
    EXPECT_EQ(assente.codice, 1);
    EXPECT_EQ(assente.errori, "Errore: Attenzione Zendravolta non presente.\n");
    std::filesystem::create_directories(cartella / "wine" / "drive_c" / "KVEL3");
    ASSERT_EQ(esegui({"esporta", "zendravolta"}).codice, 0);
    EXPECT_EQ(test::leggiFile(cartella / "wine" / "drive_c" / "KVEL3" / "DATI32.III").size(), 3u * 114u);
#endif

    EXPECT_EQ(esegui({"esporta", "access", iii}).codice, 2);
    EXPECT_EQ(esegui({"esporta", "dati-iii"}).codice, 2);
    EXPECT_EQ(esegui({"esporta", "nazionale", qpath(cartella / "manca" / "n.Txt")}).codice, 1);
}

TEST_F(EsportazioneCli, NonSiEsportaSullArchivioNeSulDatabaseDelProgramma) {
    const std::string originale = test::leggiFile(cartella / "storico.txt");
    QStringList bersagli = {storico};
#ifndef _WIN32  // symbolic links need a privilege on Windows
    std::filesystem::create_symlink(cartella / "storico.txt", cartella / "collegamento.txt");
    bersagli.append(qpath(cartella / "collegamento.txt"));
#endif
    for (const QString& bersaglio : bersagli) {
        test::EsitoCli esito = esegui({"esporta", "nazionale", bersaglio});
        EXPECT_EQ(esito.codice, 1);
        EXPECT_TRUE(esito.errori.contains("è l'archivio in uso")) << esito.errori.toStdString();
    }
    EXPECT_EQ(test::leggiFile(cartella / "storico.txt"), originale);

    QString errore;
    ASSERT_TRUE(Sessione::avvia(dati, Data{1939, 2, 1}, &errore)) << errore.toStdString();
    const auto programma = cartella / "dati" / DatabaseProgramma::NomeFile.toStdString();
    const std::string database = test::leggiFile(programma);
    test::EsitoCli esito = esegui({"esporta", "dati-iii", qpath(programma)});
    EXPECT_EQ(esito.codice, 1);
    EXPECT_TRUE(esito.errori.contains("è il database del programma")) << esito.errori.toStdString();
    EXPECT_EQ(test::leggiFile(programma), database);
}

TEST_F(EsportazioneCli, CalendarioDellAnno) {
    test::EsitoCli numeri = esegui({"calendario", "2023"});
    ASSERT_EQ(numeri.codice, 0) << numeri.errori.toStdString();
    EXPECT_EQ(numeri.uscita, "A\tM\t3\t5\t31\n2023\t1\t3\t5\t\n2023\t3\t\t\t6\n");
    EXPECT_EQ(esegui({"calendario", "2023", "--lettere"}).uscita, "A\tM\t3\t5\t31\n2023\t1\tM\tG\t\n2023\t3\t\t\tV\n");
    EXPECT_EQ(esegui({"calendario", "duemila"}).codice, 2);  // no number: usage
    EXPECT_EQ(esegui({"calendario"}).codice, 2);
}

TEST_F(EsportazioneCli, ScaricaAggiornamentoDalServerDelProgramma) {
    // The program's own data folder, as the command line finds it, naming the local server.
    const QString cartellaProgramma = qpath(cartella / "dati");
    const auto indirizzo = [&](const test::ServerHttp& server) {
        QString errore;
        auto sessione = Sessione::avvia(cartellaProgramma, Data{1939, 2, 1}, &errore);
        ASSERT_TRUE(sessione) << errore.toStdString();
        ASSERT_TRUE(sessione->programma().impostaParametro(Parametri::IndirizzoAggiornamenti,
                                                           QString::fromStdString(server.indirizzo())));
    };
    // 05/01 as stored, 07/01 missing.
    RigaArchivio r;
    r.data = "05/01/2023";
    r.ruote[0] = "11-21-31-41-51";
    r.ruote[10] = "01-02-03-04-90";
    std::string testo = rigaFileAggiornamento(r) + "\r\n";
    r.data = "07/01/2023";
    testo += rigaFileAggiornamento(r) + "\r\n";
    test::ServerHttp server({.corpo = testo});
    indirizzo(server);
    test::EsitoCli scarica = eseguiCli({"scarica-aggiornamento"}, dati);
    ASSERT_EQ(scarica.codice, 0) << scarica.errori.toStdString();
    EXPECT_EQ(scarica.uscita, "Fatto: " + QDir::toNativeSeparators(cartellaProgramma + "/Estr_Agg.txt") + "\n");
    EXPECT_EQ(test::leggiFile(cartella / "dati" / "Estr_Agg.txt"), testo + "\r\n");

    test::EsitoCli controlla = esegui({"scarica-aggiornamento", "--controlla"});
    ASSERT_EQ(controlla.codice, 0) << controlla.errori.toStdString();
    EXPECT_TRUE(controlla.uscita.endsWith("\n\nManca estrazione del: 07/01/2023\nNessuna anomalia rilevata\n"))
        << controlla.uscita.toStdString();

    test::ServerHttp assente({.stato = 404, .corpo = "no"});
    indirizzo(assente);
    test::EsitoCli fallito = eseguiCli({"scarica-aggiornamento"}, dati);
    EXPECT_EQ(fallito.codice, 1);
    EXPECT_TRUE(fallito.errori.contains("404")) << fallito.errori.toStdString();
}
