#include <QSqlQuery>
#include <QString>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "archive/db/CalendarioArchivio.h"
#include "archive/db/FileArchivio.h"
#include "archive/db/FileEsportazione.h"
#include "core/db/DatabaseArchivio.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::qpath;

TEST(FileEsportazione, UnFilePiuCortoNonLasciaCodeEUnErroreSiDice) {
    test::CartellaTemporanea cartella;
    test::scriviFile(cartella / "Dati.iii", std::string(330, 'v'));
    QString errore;
    ASSERT_TRUE(scriviEsportazione(qpath(cartella / "Dati.iii"), std::string(220, 'n'), {}, &errore));
    EXPECT_EQ(test::leggiFile(cartella / "Dati.iii"), std::string(220, 'n'));
    EXPECT_FALSE(scriviEsportazione(qpath(cartella / "manca" / "x.Txt"), "x", {}, &errore));
    EXPECT_TRUE(errore.contains("Impossibile scrivere")) << errore.toStdString();

#ifndef _WIN32
    // A FIFO (or a device) stays what it is: never replaced by a regular file.
    ASSERT_EQ(::mkfifo((cartella / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(scriviEsportazione(qpath(cartella / "fifo"), "x", {}, &errore));
    EXPECT_TRUE(errore.contains("non è un file normale")) << errore.toStdString();
    EXPECT_FALSE(std::filesystem::is_regular_file(cartella / "fifo"));
#endif
}

#ifndef _WIN32  // on Windows the folder is C:\KVEL3 itself
TEST(FileEsportazione, CartellaDiZendravoltaSottoWine) {
    test::CartellaTemporanea cartella;
    test::VariabileAmbiente wine("WINEPREFIX", cartella.percorso().string());
    EXPECT_TRUE(cartellaZendravolta().isEmpty());
    EXPECT_EQ(cartellaZendravoltaPrevista(), qpath(cartella / "drive_c" / "KVEL3"));  // what the page names
    std::filesystem::create_directories(cartella / "drive_c" / "Kvel3");
    const QString kvel = cartellaZendravolta();
    EXPECT_EQ(kvel, qpath(cartella / "drive_c" / "Kvel3"));
    EXPECT_EQ(cartellaZendravoltaPrevista(), kvel);
    EXPECT_EQ(fileZendravolta(kvel), qpath(cartella / "drive_c" / "Kvel3" / "DATI32.III"));
    test::scriviFile(cartella / "drive_c" / "Kvel3" / "dati32.iii", "vecchio");
    EXPECT_EQ(fileZendravolta(kvel), qpath(cartella / "drive_c" / "Kvel3" / "dati32.iii"));
}
#endif

TEST(CalendarioArchivio, DateDellAnnoConESenzaLaQuery) {
    test::CartellaTemporanea cartella;
    test::scriviFile(cartella / "storico.txt",
                     "2022/12/31\tBA\t1\t2\t3\t4\t5\n"
                     "2023/01/03\tBA\t1\t2\t3\t4\t5\n"
                     "2023/03/31\tBA\t1\t2\t3\t4\t5\n"
                     "2024/01/02\tBA\t1\t2\t3\t4\t5\n");
    QString errore;
    const QString percorso = qpath(cartella / "a.db");
    ASSERT_TRUE(importaStorico(qpath(cartella / "storico.txt"), percorso, &errore)) << errore.toStdString();
    auto db = DatabaseArchivio::apri(percorso, &errore, true);
    ASSERT_TRUE(db);
    const std::vector<Data> attese = {{2023, 1, 3}, {2023, 3, 31}};
    auto date = dateCalendario(*db, 2023, &errore);
    ASSERT_TRUE(date) << errore.toStdString();
    EXPECT_EQ(*date, attese);
    EXPECT_TRUE(dateCalendario(*db, 1950, &errore)->empty());

    // An archive made elsewhere, with the table alone.
    db.reset();
    {
        auto scrivibile = DatabaseArchivio::apri(percorso, &errore);
        QSqlQuery q(scrivibile->db());
        ASSERT_TRUE(q.exec("DROP VIEW Query_AAMMGG"));
    }
    db = DatabaseArchivio::apri(percorso, &errore, true);
    date = dateCalendario(*db, 2023, &errore);
    ASSERT_TRUE(date) << errore.toStdString();
    EXPECT_EQ(*date, attese);
}
