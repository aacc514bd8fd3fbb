// File names as the user types them: letters beyond ASCII reach the file exactly, and a name
// that is no text in the system's encoding is refused, never turned into another name.
#include <QStringList>

#include "support/RigaDiComando.h"
#include "support/ScritturaZip.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

namespace {
const std::string storico =
    "2023/01/03\tBA\t10\t20\t30\t40\t50\n"
    "2023/01/05\tBA\t11\t21\t31\t41\t51\n";
}  // namespace

TEST(PercorsiCli, ArchivioFileUfficialeEZipInUnaCartellaConLettereAccentate) {
    test::CartellaTemporanea radice;
    const auto cartella = radice / "Niccolò è già lì";
    std::filesystem::create_directory(cartella);
    test::scriviFile(cartella / "storico ufficiale.txt", storico);
    test::scriviZip(cartella / "aggiornamento.zip", storico + "2023/01/07\tBA\t12\t22\t32\t42\t52\n");
    const QString dati = qpath(radice / "dati");
    const QString db = qpath(cartella / "archivio.db");

    auto importa = eseguiCli({"importa-storico", qpath(cartella / "storico ufficiale.txt"), "--archivio", db}, dati);
    ASSERT_EQ(importa.codice, 0) << importa.errori.toStdString();
    EXPECT_EQ(importa.uscita, "Estrazioni lette: 2, aggiunte all'archivio: 2\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(cartella / "archivio.db"));

    for (const QString& archivio : {db, qpath(cartella / "storico ufficiale.txt")}) {
        auto elenco = eseguiCli({"--archivio", archivio, "estrazioni"}, dati);
        EXPECT_EQ(elenco.codice, 0) << elenco.errori.toStdString();
        EXPECT_TRUE(elenco.uscita.endsWith("2\t05/01/2023\t2\t2\n")) << elenco.uscita.toStdString();
    }

    auto controllo = eseguiCli({"--archivio", db, "controlla-aggiornamento", qpath(cartella / "aggiornamento.zip")},
                               dati);
    EXPECT_EQ(controllo.codice, 0) << controllo.errori.toStdString();
    EXPECT_TRUE(controllo.uscita.contains("Manca estrazione del: 07/01/2023\n")) << controllo.uscita.toStdString();
}

#ifndef _WIN32
// On Windows names are UTF-16 and every name is text.
TEST(PercorsiCli, UnNomeNonValidoNellaCodificaDelSistemaVieneRifiutato) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt", storico);
    test::scriviFile(cartella / "storico\xE9.txt", storico);  // é in Latin-1, not UTF-8
    const auto prima = std::distance(std::filesystem::directory_iterator(cartella.percorso()), {});

    // QProcess passes arguments as text: the shell writes the byte itself.
    const QString cli = QStringLiteral(QUORVANE_CLI);
    const QString cartellaShell = qpath(cartella.percorso());
    auto scrittura = test::esegui(
        "/bin/sh",
        {"-c", R"(exec "$0" importa-storico "$1/storico.txt" --archivio "$1/archivio$(printf '\351').db")", cli,
         cartellaShell},
        dati);
    auto lettura = test::esegui(
        "/bin/sh", {"-c", R"(exec "$0" --archivio "$1/storico$(printf '\351').txt" estrazioni)", cli, cartellaShell},
        dati);

    for (const auto& esito : {scrittura, lettura}) {
        EXPECT_EQ(esito.codice, 1);
        EXPECT_EQ(esito.uscita, "");
        EXPECT_TRUE(esito.errori.contains("contiene caratteri non validi nella codifica del sistema"))
            << esito.errori.toStdString();
    }
    // Nothing written under another name (the data folder aside).
    std::filesystem::remove_all(cartella / "dati");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.percorso()), {}), prima);
}
#endif
