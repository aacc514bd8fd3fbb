#include <QProcess>
#include <QStringList>

#include "archive/FileAggiornamento.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

struct Esito {
    int codice;
    QString uscita;
    QString errori;
};

Esito esegui(const QStringList& argomenti, const QString& cartellaDati) {
    QProcess cli;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("XDG_DATA_HOME", cartellaDati);
    cli.setProcessEnvironment(ambiente);
    cli.start(QStringLiteral(QUORVANE_CLI), argomenti);
    EXPECT_TRUE(cli.waitForFinished(30000));
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

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
        Esito importa = esegui({"importa-storico", qpath(cartella / "storico.txt"), "--archivio", db}, dati);
        ASSERT_EQ(importa.codice, 0) << importa.errori.toStdString();
        test::scriviFile(cartella / "agg.txt",
                         rigaFileAggiornamento(riga("05/01/2023", "11-21-31-41-59")) + "\r\n" +
                             rigaFileAggiornamento(riga("07/01/2023", "12-22-32-42-52")) + "\r\n");
    }

    test::CartellaTemporanea cartella;
    QString dati = qpath(cartella / "xdg");
    QString db = qpath(cartella / "a.db");
    QString agg = qpath(cartella / "agg.txt");
};

}  // namespace

TEST_F(AggiornamentoCli, ControllaStampaLaGrigliaELeRigheDiList4) {
    Esito tsv = esegui({"--archivio", db, "controlla-aggiornamento", agg}, dati);
    ASSERT_EQ(tsv.codice, 0) << tsv.errori.toStdString();
    const QStringList righe = tsv.uscita.split('\n');
    EXPECT_TRUE(righe[0].startsWith("Data    estraz\tBari\tCagliari\t")) << righe[0].toStdString();
    EXPECT_TRUE(righe[1].startsWith("05/01/2023\t11-21-31-41-59\t"));
    EXPECT_EQ(righe[3], "");
    EXPECT_EQ(righe[4], "Manca estrazione del: 07/01/2023");
    EXPECT_EQ(righe[5], "Errori Estrazione del 05/01/2023");

    Esito json = esegui({"--archivio", db, "--json", "controlla-aggiornamento", agg}, dati);
    ASSERT_EQ(json.codice, 0);
    EXPECT_TRUE(json.uscita.startsWith(R"({"griglia":"FgImporta")"));
    EXPECT_TRUE(json.uscita.contains(R"({"testo":"07/01/2023","sfondo":8438015,"colore":null,"grassetto":false})"));
    EXPECT_TRUE(json.uscita.contains(R"({"testo":"05/01/2023","sfondo":null,"colore":255,"grassetto":true})"));
    EXPECT_TRUE(json.uscita.trimmed().endsWith(
        R"("List4":["Manca estrazione del: 07/01/2023","Errori Estrazione del 05/01/2023"]})"));
}

TEST_F(AggiornamentoCli, AggiornaScriveSoloInUnArchivioSqlite) {
    Esito prima = esegui({"--archivio", db, "aggiorna", agg}, dati);
    ASSERT_EQ(prima.codice, 0) << prima.errori.toStdString();
    EXPECT_EQ(prima.uscita, "Aggiunta estrazione del07/01/2023\naggiunti N° 1 record\n");
    Esito ancora = esegui({"--archivio", db, "--json", "aggiorna", agg}, dati);
    EXPECT_EQ(ancora.uscita, "{\"List4\":[]}\n");
    Esito corregge = esegui({"--archivio", db, "aggiorna", agg, "--correggi"}, dati);
    EXPECT_EQ(corregge.uscita, "Modificata estrazione del05/01/2023\n");
    Esito elenco = esegui({"--archivio", db, "controlla-aggiornamento", agg}, dati);
    EXPECT_TRUE(elenco.uscita.endsWith("\nNessuna anomalia rilevata\n"));

    // The official file as the source of an update.
    test::scriviFile(cartella / "storico2.txt", "2023/01/10\tBA\t1\t2\t3\t4\t5\n2023/01/10\tRN\t6\t7\t8\t9\t10\n");
    Esito storico = esegui({"--archivio", db, "aggiorna", qpath(cartella / "storico2.txt")}, dati);
    EXPECT_EQ(storico.uscita, "Aggiunta estrazione del10/01/2023\naggiunti N° 1 record\n");

    // A text archive is never written; usage errors are said as such.
    const std::string testo = test::leggiFile(cartella / "storico.txt");
    Esito suTesto = esegui({"--archivio", qpath(cartella / "storico.txt"), "aggiorna", agg}, dati);
    EXPECT_EQ(suTesto.codice, 1);
    EXPECT_EQ(test::leggiFile(cartella / "storico.txt"), testo);
    EXPECT_EQ(esegui({"aggiorna", agg}, dati).codice, 2);
    EXPECT_EQ(esegui({"--archivio", db, "aggiorna", agg, "--colpi", "3"}, dati).codice, 2);
    test::scriviFile(cartella / "corto.txt", "05/01/2023 11-21\r\n");
    Esito corto = esegui({"--archivio", db, "controlla-aggiornamento", qpath(cartella / "corto.txt")}, dati);
    EXPECT_EQ(corto.codice, 1);
    EXPECT_EQ(corto.errori, "Errore: Attenzione, sembra che il file non sia del formato corretto\n");
}
