#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "support/RigaDiComando.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

TEST(RigaDiComando, ImportaElencaEMostraIlPeriodo) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt",
                     "1939/01/07\tBA\t58\t22\t47\t49\t69\n"
                     "1939/01/14\tBA\t7\t8\t9\t10\t11\n"
                     "1939/02/04\tRM\t1\t2\t3\t4\t5\n");
    const QString db = qpath(cartella / "a.db");
    auto importa = eseguiCli({"importa-storico", qpath(cartella / "storico.txt"), "--archivio", db}, dati);
    EXPECT_EQ(importa.codice, 0) << importa.errori.toStdString();
    EXPECT_EQ(importa.uscita, "Estrazioni lette: 3, aggiunte all'archivio: 3\n");
    auto ancora = eseguiCli({"--json", "importa-storico", qpath(cartella / "storico.txt"), "--archivio", db}, dati);
    EXPECT_EQ(ancora.uscita,
              "{\"messaggio\":\"Estrazioni lette: 3, aggiunte all'archivio: 0\",\"lette\":3,\"aggiunte\":0}\n");

    auto elenco = eseguiCli({"--archivio", db, "estrazioni"}, dati);
    EXPECT_EQ(elenco.codice, 0);
    EXPECT_EQ(elenco.uscita,
              "Indice\tData\tProg. anno\tProg. mese\n"
              "1\t07/01/1939\t1\t1\n"
              "2\t14/01/1939\t2\t2\n"
              "3\t04/02/1939\t3\t1\n");

    auto periodo = eseguiCli({"--archivio", db, "--json", "periodo", "--iniziale", "2"}, dati);
    EXPECT_EQ(periodo.codice, 0);
    EXPECT_TRUE(periodo.uscita.startsWith(
        R"({"tabella":"periodo_modello","griglia":"periodo","intestazione":["Indice inizio")"));
    EXPECT_TRUE(periodo.uscita.contains(R"({"testo":"14/01/1939","sfondo":null,"colore":null,"grassetto":false})"));
    EXPECT_TRUE(periodo.uscita.contains(R"({"testo":"2","sfondo":null)"));
}

TEST(RigaDiComando, ErroriSuUnaRigaConIlCodiceGiusto) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt", "1939/01/07\tBA\t58\t22\t47\t49\n");
    const QString db = qpath(cartella / "a.db");

    auto riga = eseguiCli({"importa-storico", qpath(cartella / "storico.txt"), "--archivio", db}, dati);
    EXPECT_EQ(riga.codice, 1);
    EXPECT_TRUE(riga.errori.startsWith("Errore: Riga 1:")) << riga.errori.toStdString();
    EXPECT_EQ(riga.errori.count('\n'), 1);

    EXPECT_EQ(eseguiCli({"importa-storico", qpath(cartella / "storico.txt")}, dati).codice, 2);
    EXPECT_EQ(eseguiCli({"sconosciuto"}, dati).codice, 2);
    EXPECT_EQ(eseguiCli({"estrazioni", "--colpi"}, dati).codice, 2);
    // A value that is no number is bad usage; a number out of bounds, bad input.
    EXPECT_EQ(eseguiCli({"--archivio", qpath(cartella / "storico.txt"), "periodo", "--iniziale", "x"}, dati).codice, 2);
    EXPECT_EQ(eseguiCli({"--archivio", qpath(cartella / "storico.txt"), "periodo", "--iniziale", "0"}, dati).codice, 1);
    // An empty name or, where the system has them, a FIFO: one Italian line, at once, no warning
    // of the libraries.
    QStringList speciali = {QString()};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((cartella / "fifo").c_str(), 0600), 0);
    speciali.append(qpath(cartella / "fifo"));
#endif
    for (const QString& file : speciali) {
        auto speciale = eseguiCli({"--archivio", file, "estrazioni"}, dati);
        EXPECT_EQ(speciale.codice, 1);
        EXPECT_EQ(speciale.errori.count('\n'), 1) << speciale.errori.toStdString();
        EXPECT_TRUE(speciale.errori.startsWith("Errore: ")) << speciale.errori.toStdString();
    }
    // No archive given and the program never started: said plainly, nothing created.
    auto senza = eseguiCli({"estrazioni"}, dati);
    EXPECT_EQ(senza.codice, 1);
    EXPECT_TRUE(senza.errori.contains("--archivio"));
    EXPECT_FALSE(std::filesystem::exists(cartella / "dati" / "DbQuorvane.db"));
}

TEST(RigaDiComando, ErroriInJsonBreviEConIlCodiceDelCaso) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt",
                     "1939/01/07\tBA\t58\t22\t47\t49\t69\n"
                     "1939/01/14\tBA\t7\t8\t9\t10\t11\n");
    const QStringList archivio = {"--archivio", qpath(cartella / "storico.txt")};

    // Under --json the error is also an object on standard output, with the same exit status.
    for (const QStringList& argomenti :
         {QStringList{"--json", "sconosciuto"}, archivio + QStringList{"--json", "periodo", "--iniziale", "9"}}) {
        auto esito = eseguiCli(argomenti, dati);
        EXPECT_NE(esito.codice, 0);
        const QJsonDocument json = QJsonDocument::fromJson(esito.uscita.toUtf8());
        ASSERT_TRUE(json.isObject()) << esito.uscita.toStdString();
        EXPECT_EQ(json.object().keys(), QStringList{"errore"});
        EXPECT_TRUE(esito.errori.contains(json.object()["errore"].toString())) << esito.errori.toStdString();
    }
    // A draw out of the archive is bad input, whatever its sign.
    for (const char* estrazione : {"-1", "0", "3", "01/01/2000"})
        EXPECT_EQ(eseguiCli(archivio + QStringList{"base-dati", "--estrazione", estrazione}, dati).codice, 1)
            << estrazione;
    // One reader of whole numbers: a seed out of range is refused by every command that takes it.
    for (const char* comando : {"elabora", "modalita1"})
        EXPECT_EQ(eseguiCli(archivio + QStringList{comando, "--seme", "99999999999999999999"}, dati).codice, 1)
            << comando;
    // An argument of any length comes back cut.
    auto lungo = eseguiCli(archivio + QStringList{"periodo", "--iniziale", QString(100000, '7')}, dati);
    EXPECT_EQ(lungo.codice, 1);
    EXPECT_LT(lungo.errori.size(), 300) << lungo.errori.left(300).toStdString();
    EXPECT_TRUE(lungo.errori.contains(QString(80, '7') + "…")) << lungo.errori.left(300).toStdString();
#ifndef _WIN32  // symbolic links need a privilege on Windows
    // A loop of links is no missing file.
    std::filesystem::create_symlink(cartella / "anello", cartella / "anello");
    auto anello = eseguiCli({"--archivio", qpath(cartella / "anello"), "estrazioni"}, dati);
    EXPECT_EQ(anello.codice, 1);
    EXPECT_TRUE(anello.errori.contains("collegamenti simbolici formano un ciclo")) << anello.errori.toStdString();
#endif
}

#ifndef _WIN32  // the file size limit is the shell's
// Past the file size limit the output cannot be written: a write error, exit 1, as a full disk
// would give, not a program ended by a signal without a word.
TEST(RigaDiComando, UnaScritturaOltreIlLimiteEUnErrore) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString uscita = qpath(cartella / "uscita.tsv");
    const auto esito = test::esegui("/bin/sh",
                                    {"-c", "ulimit -f 1; exec \"$0\" --archivio \"$1\" estrazioni > \"$2\"",
                                     QStringLiteral(QUORVANE_CLI), qpath(test::percorsoStorico()), uscita},
                                    qpath(cartella / "dati"));
    EXPECT_EQ(esito.codice, 1);
    EXPECT_TRUE(esito.errori.startsWith("Errore: scrittura dell'uscita non riuscita: il file supera la dimensione"))
        << esito.errori.toStdString();
}
#endif
