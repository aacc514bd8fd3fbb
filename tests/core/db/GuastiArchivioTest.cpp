// What storage does when the archive is locked, the disk full or the file damaged or made
// elsewhere: the fault named for what it is, and nothing half-written.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <fstream>

#include "archive/ControlloAggiornamento.h"
#include "archive/db/FileArchivio.h"
#include "archive/db/ScritturaArchivio.h"
#include "core/db/DatabaseArchivio.h"
#include "support/RigaDiComando.h"
#include "support/Supporto.h"
#include "support/SupportoQt.h"

using namespace quorvane;
using test::qpath;

namespace {

// An archive of two draws, and an update that adds 300 more (more than its pages hold).
class GuastiArchivio : public ::testing::Test {
protected:
    void SetUp() override {
        test::scriviFile(cartella / "storico.txt",
                         "2023/01/03\tBA\t10\t20\t30\t40\t50\n2023/01/05\tBA\t11\t21\t31\t41\t51\n");
        QString errore;
        ASSERT_TRUE(importaStorico(qpath(cartella / "storico.txt"), percorso, &errore)) << errore.toStdString();
        for (int i = 0; i < 300; ++i) {
            RigaAggiornamento r;
            r.data = Data::daGiorniDaEpoca(Data{2024, 1, 1}.giorniDaEpoca() + i).testo();
            r.ruote.fill(std::string(LunghezzaTestoRuota, ' '));
            r.ruote[0] = "01-02-03-04-05";
            righe.push_back(r);
        }
    }

    std::unique_ptr<DatabaseArchivio> apri() {
        QString errore;
        auto db = DatabaseArchivio::apri(percorso, &errore);
        EXPECT_TRUE(db) << errore.toStdString();
        return db;
    }

    int estrazioni() { return apri()->numeroEstrazioni(); }

    test::CartellaTemporanea cartella;
    QString percorso = qpath(cartella / "a.db");
    std::vector<RigaAggiornamento> righe;
};

// A second connection of the same file, as another program would hold it.
struct AltraConnessione {
    explicit AltraConnessione(const QString& percorso) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altra"));
        db.setDatabaseName(percorso);
        EXPECT_TRUE(db.open());
    }
    ~AltraConnessione() {
        lettura = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("altra"));
    }
    QSqlDatabase db;
    QSqlQuery lettura;
};

}  // namespace

TEST_F(GuastiArchivio, UnLettoreFermaIlCommitENullaEScritto) {
    auto db = apri();
    QSqlQuery(db->db()).exec(QStringLiteral("PRAGMA busy_timeout = 0"));  // no wait for the reader
    {
        AltraConnessione altra(percorso);
        altra.lettura = QSqlQuery(altra.db);
        ASSERT_TRUE(altra.db.transaction());
        ASSERT_TRUE(altra.lettura.exec(QStringLiteral("SELECT * FROM EstrazioniLotto")) && altra.lettura.next());
        const EsitoAggiornamento esito = scriviAggiornamento(*db, righe, false);
        EXPECT_TRUE(esito.errore.contains("bloccato da un altro programma")) << esito.errore.toStdString();
        EXPECT_TRUE(esito.messaggio().contains("nessuna estrazione è stata scritta"));
        EXPECT_EQ(esito.aggiunte, 0);
        EXPECT_TRUE(esito.righeScritte.empty());
        altra.db.rollback();
    }
    EXPECT_EQ(db->numeroEstrazioni(), 2);
}

TEST_F(GuastiArchivio, DiscoPienoNonScriveNullaENonLasciaUnJournal) {
    {
        auto db = apri();
        QSqlQuery q(db->db());
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
        // The file may not grow: the first new page needed fails as a full disk would.
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
        const EsitoAggiornamento esito = scriviAggiornamento(*db, righe, false);
        EXPECT_TRUE(esito.errore.contains("il disco è pieno")) << esito.errore.toStdString();
        EXPECT_EQ(esito.aggiunte, 0);
    }
    EXPECT_FALSE(std::filesystem::exists(cartella / "a.db-journal"));
    QString errore;
    auto letto = leggiFileArchivio(percorso, &errore);
    ASSERT_TRUE(letto) << errore.toStdString();
    EXPECT_EQ(letto->size(), 2u);
}

// The archive and its journal as a write stopped halfway leaves them (copied while a write is
// open): reading alone rolls the write back, instead of refusing the archive.
TEST_F(GuastiArchivio, UnaScritturaInterrottaSiAnnullaAncheSoloLeggendo) {
    {
        auto db = apri();
        QSqlQuery q(db->db());
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA cache_size = 1")) && q.exec(QStringLiteral("BEGIN")));
        ASSERT_TRUE(q.exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
            "INSERT INTO EstrazioniLotto (DataEstrazione, Ba) SELECT printf('2030-%04d', i), 'x' FROM n")));
        std::filesystem::copy_file(cartella / "a.db", cartella / "b.db");
        std::filesystem::copy_file(cartella / "a.db-journal", cartella / "b.db-journal");
        ASSERT_TRUE(q.exec(QStringLiteral("ROLLBACK")));
    }
    QString errore;
    auto letto = leggiFileArchivio(qpath(cartella / "b.db"), &errore);
    ASSERT_TRUE(letto) << errore.toStdString();
    EXPECT_EQ(letto->size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(cartella / "b.db-journal"));
}

TEST_F(GuastiArchivio, UnArchivioDanneggiatoNonVieneScritto) {
    std::streamoff inizio = 0;
    {
        // A damaged page of a table the update never reads nor writes: SQLite's check finds it.
        auto db = apri();
        QSqlQuery q(db->db());
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE Altro (x)")) &&
                    q.exec(QStringLiteral("INSERT INTO Altro VALUES (1)")));
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT (rootpage - 1) * (SELECT page_size FROM pragma_page_size) "
                                          "FROM sqlite_master WHERE name = 'Altro'")) &&
                    q.next());
        inizio = q.value(0).toLongLong();
    }
    {
        std::fstream file(cartella / "a.db", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(inizio);
        file << std::string(64, '\xFF');
    }
    auto db = apri();
    const EsitoAggiornamento esito = scriviAggiornamento(*db, righe, false);
    EXPECT_TRUE(esito.errore.contains("danneggiato")) << esito.errore.toStdString();
    EXPECT_EQ(db->numeroEstrazioni(), 2);
}

TEST_F(GuastiArchivio, ArchivioFattoAltroveRifiutatoDicendoPerche) {
    struct Caso {
        const char* date[2];
        const char* motivo;
    };
    // No primary key, as a table made by another program may be.
    for (const Caso& c : {Caso{{"1939-01-07", "07/01/1939"}, "la data \"07/01/1939\" non è scritta come AAAA-MM-GG"},
                          Caso{{"1939-01-07", "1939-01-07 00:00:00"}, "la data 07/01/1939 è ripetuta"}}) {
        const QString altrove = qpath(cartella / "altrove.db");
        {
            AltraConnessione fatto(altrove);
            QSqlQuery q(fatto.db);
            ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE IF EXISTS EstrazioniLotto")));
            ASSERT_TRUE(
                q.exec(QStringLiteral("CREATE TABLE EstrazioniLotto (DataEstrazione TEXT, Ba TEXT, Ca TEXT, "
                                      "Fi TEXT, Ge TEXT, Mi TEXT, Na TEXT, Pa TEXT, Ro TEXT, \"To\" TEXT, "
                                      "Ve TEXT, Nz TEXT)")));
            for (const char* data : c.date)
                ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO EstrazioniLotto (DataEstrazione, Ba) "
                                                  "VALUES ('%1', '01-02-03-04-05')")
                                       .arg(data)));
        }
        QString errore;
        EXPECT_FALSE(leggiFileArchivio(altrove, &errore));
        EXPECT_TRUE(errore.contains(c.motivo)) << errore.toStdString();
    }
}

TEST_F(GuastiArchivio, UnBloccoNonEScambiatoPerUnFileRotto) {
    AltraConnessione altra(percorso);
    QSqlQuery(altra.db).exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    ASSERT_TRUE(QSqlQuery(altra.db).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    QString errore;
    EXPECT_FALSE(DatabaseArchivio::apri(percorso, &errore, true));
    EXPECT_TRUE(errore.contains("bloccato da un altro programma")) << errore.toStdString();
    EXPECT_FALSE(errore.contains("non è un database valido"));
    QSqlQuery(altra.db).exec(QStringLiteral("ROLLBACK"));
}

// Whatever a wheel column holds (a text, an integer, a blob), the archive loads only when it is a
// draw: anything else is named with its date and wheel, exit 1, and the file stays as it was.
TEST_F(GuastiArchivio, UnValoreDiRuotaNonValidoRifiutaLArchivioSenzaCambiarlo) {
    const QString dati = qpath(cartella / "dati");
    for (const char* valore : {"'11-11-11-11-11'", "'99-95-00-91-92'", "12345", "x'3031'", "'05-12-33-47-89-10'"}) {
        SCOPED_TRACE(valore);
        {
            AltraConnessione altra(percorso);
            ASSERT_TRUE(QSqlQuery(altra.db).exec(
                QStringLiteral("UPDATE EstrazioniLotto SET Ca = %1 WHERE DataEstrazione LIKE '2023-01-05%'")
                    .arg(valore)));
        }
        const std::string prima = test::leggiFile(cartella / "a.db");
        const auto esito = test::eseguiCli({"--archivio", percorso, "estrazioni"}, dati);
        EXPECT_EQ(esito.codice, 1);
        EXPECT_TRUE(esito.errori.startsWith("Errore: L'estrazione del 05/01/2023 ha su Cagliari «"))
            << esito.errori.toStdString();
        EXPECT_TRUE(esito.uscita.isEmpty());
        EXPECT_EQ(test::leggiFile(cartella / "a.db"), prima);
    }
}
