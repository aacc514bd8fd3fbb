#include "support/RigaDiComando.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

TEST(RigaDiComandoStatistiche, OpzioniEDatiErrati) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    // Three draws; the Nazionale, outside the default wheels, only in the last.
    test::scriviFile(cartella / "storico.txt",
                     "2024/02/27\tBA\t1\t2\t3\t4\t6\n"
                     "2024/02/27\tRM\t11\t12\t13\t14\t16\n"
                     "2024/02/29\tBA\t5\t2\t3\t4\t6\n"
                     "2024/03/02\tBA\t5\t22\t23\t24\t26\n"
                     "2024/03/02\tRN\t5\t7\t8\t9\t10\n");
    const QString storico = qpath(cartella / "storico.txt");
    const auto righe = [&](const QStringList& opzioni) {
        const auto esito = eseguiCli(QStringList{"--archivio", storico, "statistiche"} + opzioni, dati);
        EXPECT_EQ(esito.codice, 0) << esito.errori.toStdString();
        return esito.uscita.split('\n', Qt::SkipEmptyParts);
    };
    const auto regionali = righe({});
    ASSERT_EQ(regionali.size(), 91);
    EXPECT_EQ(regionali[0],
              "Numero\tPresenze\tAttese\tRapporto\tRit. attuale\tRit. massimo\tFine massimo\tRit. medio\t"
              "Ultima\tData ultima\tRuote ultima");
    EXPECT_EQ(regionali[5], "5\t2\t0,22\t9,00\t0\t1\t29/02/2024\t1,00\t3\t02/03/2024\tBA");
    EXPECT_EQ(righe({"--ruote", "TU"})[5], "5\t3\t0,28\t10,80\t0\t1\t29/02/2024\t1,00\t3\t02/03/2024\tBA NZ");
    // Equal figures keep the order of the numbers.
    EXPECT_TRUE(righe({"--ordina", "rit. attuale"})[1].startsWith("7\t0\t0,22\t0,00\t3\t3\t"));
    EXPECT_TRUE(righe({"--ordina", "Presenze", "--dal", "2"})[1].startsWith("5\t2\t"));
    const auto ambi = righe({"--ambi", "--al", "29/02/2024"});
    ASSERT_EQ(ambi.size(), 4006);
    EXPECT_EQ(ambi[1], "1-2\t1\t0,01\t133,50\t1\t1\t\t1,00\t1\t27/02/2024\tBA");

    const auto json = eseguiCli({"--archivio", storico, "--json", "statistiche", "--ambi"}, dati);
    EXPECT_TRUE(json.uscita.startsWith(R"({"tabella":"statistiche","griglia":"FgStatistiche")"))
        << json.uscita.left(80).toStdString();

    const auto rovesciato = eseguiCli({"--archivio", storico, "statistiche", "--dal", "3", "--al", "1"}, dati);
    EXPECT_EQ(rovesciato.codice, 1);
    EXPECT_EQ(rovesciato.uscita, "");
    EXPECT_EQ(rovesciato.errori, "Errore: La prima estrazione del periodo viene dopo l'ultima\n");
    for (const QStringList& errato :
         {QStringList{"--al", "4"}, QStringList{"--dal", "01/01/2024"}, QStringList{"--ruote", "XX"},
          QStringList{"--ruote", ""}, QStringList{"--ordina", "Colpi"}, QStringList{"--ruote", "NZ", "--al", "2"}})
        EXPECT_EQ(eseguiCli(QStringList{"--archivio", storico, "statistiche"} + errato, dati).codice, 1)
            << errato.join(' ').toStdString();
    EXPECT_EQ(eseguiCli({"--archivio", storico, "statistiche", "--colpi", "3"}, dati).codice, 2);
}
