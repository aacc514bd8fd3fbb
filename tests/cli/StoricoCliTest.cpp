#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/RigaDiComando.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

TEST(StoricoDaRigaDiComando, RigheERiepilogoOppureErroreSenzaNullaEseguito) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const QStringList base = {"--archivio", qpath(test::percorsoStorico())};
    const QStringList opzioni = {"--ruote", "TU", "--qn", "4", "--colpi", "6"};

    auto esito = eseguiCli(base + QStringList{"--json", "verifica-storica", "--dal", "7000", "--al", "7200"} + opzioni,
                           dati);
    ASSERT_EQ(esito.codice, 0) << esito.errori.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(esito.uscita.toUtf8()).object();
    EXPECT_EQ(json["tabella"].toString(), "giocate_storiche");
    const int giocate = json["Giocate"].toInt();
    EXPECT_GT(giocate, 0);
    EXPECT_EQ(json["righe"].toArray().size(), giocate);
    EXPECT_LE(giocate, json["Punti"].toInt());
    EXPECT_GT(json["Puntata"].toInt(), 0);
    for (const char* chiave : {"Vincite", "Attese", "Rapporto", "z", "Incasso", "Resa"})
        EXPECT_TRUE(json[chiave].isDouble()) << chiave;
    // Every wheel is drawn in those years: chance returns the ambo's 62.4% of the stake.
    EXPECT_NEAR(json["Resa attesa"].toDouble(), 100 * 250.0 * 10 / 4005, 1e-3);

    auto tsv = eseguiCli(base + QStringList{"verifica-storica", "--dal", "7000", "--al", "7200"} + opzioni, dati);
    ASSERT_EQ(tsv.codice, 0);
    EXPECT_TRUE(tsv.uscita.startsWith("Estr\tData Estraz\tPrevisione\tSorte\tColpo"));
    // The table, then the summary's twelve "name<TAB>value" lines ending with the verdict.
    EXPECT_EQ(tsv.uscita.count('\n'), giocate + 1 + 12);
    EXPECT_TRUE(tsv.uscita.contains("\nGiudizio\tIl metodo ha fatto ")) << tsv.uscita.toStdString();

    auto rovescio = eseguiCli(base + QStringList{"verifica-storica", "--dal", "7200", "--al", "7000"}, dati);
    EXPECT_EQ(rovescio.codice, 1);
    EXPECT_TRUE(rovescio.errori.contains("precede l'inizio")) << rovescio.errori.toStdString();
    EXPECT_TRUE(rovescio.uscita.isEmpty());
    auto vuoto = eseguiCli(base + QStringList{"verifica-storica", "--dal", "7365", "--colpi", "12"}, dati);
    EXPECT_EQ(vuoto.codice, 1);
    EXPECT_TRUE(vuoto.errori.contains("Nessun punto nel periodo")) << vuoto.errori.toStdString();
    EXPECT_EQ(eseguiCli(base + QStringList{"verifica-storica", "--sorte", "terno", "--qn", "2"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli(base + QStringList{"verifica-storica", "--metodo", "caso"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli(base + QStringList{"verifica-storica", "--estrazione", "5"}, dati).codice, 2);
}

// Each refusal is an Italian message and exit 1 before anything is walked: no output at all.
TEST(StoricoDaRigaDiComando, StrategieEConfrontiErratiRifiutati) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const QStringList base = {"--archivio", qpath(test::percorsoStorico()), "verifica-storica", "--dal", "7000"};
    const QStringList confronto = {"--confronta", "colpi=6,12", "--prova-dal", "7200"};
    const std::vector<std::pair<QStringList, QString>> casi = {
        {{"--strategia", "gobbo"}, "strategia sconosciuta"},
        {{"--strategia", "ritardatario", "--qn", "3"}, "--qn non vale per la strategia ritardatario"},
        {{"--strategia", "frequenti", "--quanti", "9"}, "tra 1 e 8"},
        {{"--strategia", "frequenti", "--finestra", "0"}, "tra 1 e 2000 estrazioni"},
        {{"--strategia", "fissi", "--numeri", "1,x"}, "non è un numero intero"},
        {QStringList{"--strategia", "ritardatario", "--prova-dal", "6000", "--confronta", "colpi=6,12"},
         "L'inizio della prova deve stare"},
        {QStringList{"--strategia", "ritardatario", "--confronta", "presenze=50,100"} + confronto.mid(2),
         "non si può confrontare"},
        {QStringList{"--confronta", "presenze=5,6,7,8,9,10,11,12,13,14", "--confronta", "qn=1,2,3,4,5,6,7,8",
                     "--confronta", "colpi=1,2,3,4,5,6,7,8,9,10,11,12,13"} +
             confronto.mid(2),
         "Troppe combinazioni"},
        {QStringList{"--confronta", "colpi=6,dodici"} + confronto.mid(2), "non è un numero intero"},
        {confronto + QStringList{"--confronta", "colpi=3"}, "confrontata due volte"},
    };
    for (const auto& [argomenti, messaggio] : casi) {
        SCOPED_TRACE(argomenti.join(' ').toStdString());
        const auto esito = eseguiCli(base + argomenti, dati);
        EXPECT_EQ(esito.codice, 1);
        EXPECT_TRUE(esito.errori.contains(messaggio)) << esito.errori.toStdString();
        EXPECT_TRUE(esito.uscita.isEmpty());
    }
}

// The comparison's JSON: the table of combinations, the best one's values, and its test-year
// summary with the keys and figures of a walk over those years with those values.
TEST(StoricoDaRigaDiComando, ConfrontoInJson) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const QStringList base = {"--json",           "--archivio",  qpath(test::percorsoStorico()),
                              "verifica-storica", "--strategia", "frequenti"};
    const auto esito = eseguiCli(base + QStringList{"--dal", "6800", "--confronta", "quanti=1,2", "--confronta",
                                                    "finestra=50,100", "--prova-dal", "7100"},
                                 dati);
    ASSERT_EQ(esito.codice, 0) << esito.errori.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(esito.uscita.toUtf8()).object();
    EXPECT_EQ(json["tabella"].toString(), "combinazioni");
    EXPECT_EQ(json["righe"].toArray().size(), 4);
    EXPECT_DOUBLE_EQ(json["p atteso del migliore"].toDouble(), 0.2);
    const QJsonObject migliore = json["migliore"].toObject();
    EXPECT_EQ(migliore.keys(), (QStringList{"finestra", "quanti"}));
    const QString quanti = QString::number(migliore["quanti"].toInt());
    const QString finestra = QString::number(migliore["finestra"].toInt());

    const auto prova = eseguiCli(base + QStringList{"--quanti", quanti, "--finestra", finestra, "--dal", "7100"}, dati);
    ASSERT_EQ(prova.codice, 0) << prova.errori.toStdString();
    QJsonObject attesa = QJsonDocument::fromJson(prova.uscita.toUtf8()).object();
    for (const char* tabella : {"tabella", "griglia", "intestazione", "colonne_nascoste", "righe"})
        attesa.remove(tabella);
    EXPECT_EQ(json["prova"].toObject(), attesa);
}
