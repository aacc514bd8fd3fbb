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
    // The table, then the summary's eleven "name<TAB>value" lines ending with the verdict.
    EXPECT_EQ(tsv.uscita.count('\n'), giocate + 1 + 11);
    EXPECT_TRUE(tsv.uscita.contains("\nGiudizio\tIl metodo ha fatto ")) << tsv.uscita.toStdString();

    auto rovescio = eseguiCli(base + QStringList{"verifica-storica", "--dal", "7200", "--al", "7000"}, dati);
    EXPECT_EQ(rovescio.codice, 1);
    EXPECT_TRUE(rovescio.errori.contains("precede l'inizio")) << rovescio.errori.toStdString();
    EXPECT_TRUE(rovescio.uscita.isEmpty());
    auto vuoto = eseguiCli(base + QStringList{"verifica-storica", "--dal", "7365", "--colpi", "12"}, dati);
    EXPECT_EQ(vuoto.codice, 1);
    EXPECT_TRUE(vuoto.errori.contains("Nessuna estrazione modello")) << vuoto.errori.toStdString();
    EXPECT_EQ(eseguiCli(base + QStringList{"verifica-storica", "--sorte", "terno", "--qn", "2"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli(base + QStringList{"verifica-storica", "--metodo", "caso"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli(base + QStringList{"verifica-storica", "--estrazione", "5"}, dati).codice, 2);
}
