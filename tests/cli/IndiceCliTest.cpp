#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/RigaDiComando.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

TEST(IndiceDaRigaDiComando, RicercaRipetibileVerificaECiclo) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const QStringList base = {"--archivio", qpath(test::percorsoStorico())};
    const QStringList opzioni = {"--presenze", "30", "--colpi", "9", "--ruote", "BA,NA,RO", "--qn", "4"};

    auto primo = eseguiCli(base + QStringList{"modalita1", "--seme", "17"} + opzioni, dati);
    auto secondo = eseguiCli(base + QStringList{"modalita1", "--seme", "17"} + opzioni, dati);
    ASSERT_EQ(primo.codice, 0) << primo.errori.toStdString();
    EXPECT_EQ(primo.uscita, secondo.uscita);
    EXPECT_EQ(primo.uscita.count('\n'), 21);  // the header and the best 20

    auto verifica = eseguiCli(
        base + QStringList{"--json", "verifica", "--previsione", "2:5,17,33", "--previsione", "1:90"} + opzioni, dati);
    ASSERT_EQ(verifica.codice, 0) << verifica.errori.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(verifica.uscita.toUtf8()).object();
    EXPECT_EQ(json["tabella"].toString(), "estrazioni_modello");
    EXPECT_EQ(json["righe"].toArray().size(), 30);
    const QJsonArray previsioni = json["previsioni"].toObject()["righe"].toArray();
    ASSERT_EQ(previsioni.size(), 2);
    EXPECT_EQ(previsioni[1].toObject()["celle"].toArray()[4].toObject()["testo"].toString(), "90");
    const int coperti = json["Coperti"].toString().toInt();
    EXPECT_EQ(json["Scoperti"].toString().toInt(), 30 - coperti);

    auto ciclo = eseguiCli(base + QStringList{"ciclo"} + opzioni, dati);
    ASSERT_EQ(ciclo.codice, 0) << ciclo.errori.toStdString();
    EXPECT_TRUE(ciclo.uscita.startsWith("N°\tSorte\tEsiti\tET\t1\t2"));
    EXPECT_GE(ciclo.uscita.count('\n'), 2);

    // The delays paint the wheels named, and those only.
    auto ritardi = eseguiCli(base + QStringList{"--json", "ritardi", "--ruote", "NA,VE"}, dati);
    ASSERT_EQ(ritardi.codice, 0) << ritardi.errori.toStdString();
    const QJsonArray celle =
        QJsonDocument::fromJson(ritardi.uscita.toUtf8()).object()["righe"].toArray()[0].toObject()["celle"].toArray();
    ASSERT_EQ(celle.size(), 12);
    for (int w = 1; w <= 11; ++w) EXPECT_EQ(celle[w].toObject()["sfondo"].isNull(), w != 6 && w != 10) << w;

    auto riga = eseguiCli(base + QStringList{"verifica-riga", "31"} + opzioni, dati);
    EXPECT_EQ(riga.codice, 1);  // only 30 model draws
    auto previsione = eseguiCli(base + QStringList{"verifica", "--previsione", "4:1,2"} + opzioni, dati);
    EXPECT_EQ(previsione.codice, 1);
}

// A forecast the number board would refuse is refused here too, with the window's reason.
TEST(IndiceDaRigaDiComando, PrevisioneRifiutataComeNellaFinestra) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const QStringList verifica = {"--archivio", qpath(test::percorsoStorico()), "verifica"};

    auto sorte = eseguiCli(verifica + QStringList{"--previsione", "3:5,6"}, dati);
    EXPECT_EQ(sorte.codice, 1);
    EXPECT_TRUE(sorte.uscita.isEmpty());
    EXPECT_TRUE(sorte.errori.contains("Una previsione di 2 numeri non può avere sorte 3"))
        << sorte.errori.toStdString();

    auto doppia = eseguiCli(
        verifica + QStringList{"--previsione", "2:5,6", "--previsione", "1:9", "--previsione", "2:6,5"}, dati);
    EXPECT_EQ(doppia.codice, 1);
    EXPECT_TRUE(doppia.uscita.isEmpty());
    EXPECT_TRUE(doppia.errori.contains("già nell'elenco, alla riga 1")) << doppia.errori.toStdString();
}
