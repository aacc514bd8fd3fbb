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

TEST(RigaDiComandoStatistiche, PosizioneGruppiSpiaTabellone) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt",
                     "2024/02/27\tBA\t1\t2\t3\t4\t6\n"
                     "2024/02/27\tRM\t11\t12\t13\t14\t16\n"
                     "2024/02/29\tBA\t5\t2\t3\t4\t6\n"
                     "2024/03/02\tBA\t5\t22\t23\t24\t26\n"
                     "2024/03/02\tRN\t5\t7\t8\t9\t10\n");
    const QStringList archivio = {"--archivio", qpath(cartella / "storico.txt")};
    const auto righe = [&](const QStringList& argomenti) {
        const auto esito = eseguiCli(archivio + argomenti, dati);
        EXPECT_EQ(esito.codice, 0) << esito.errori.toStdString();
        return esito.uscita.split('\n', Qt::SkipEmptyParts);
    };
    // 5 first on Bari in draws 2 and 3; four (draw, wheel), each giving a first number 1/90 times.
    EXPECT_EQ(righe({"statistiche", "--posizione", "1"}).value(5),
              "5\t2\t0,04\t45,00\t0\t1\t29/02/2024\t1,00\t3\t02/03/2024\tBA");
    // Members drawn: 5 in draw 2, 5 twice and 7 in draw 3; attese 5 (draw, wheel) x 5 x 2 / 90.
    const auto gruppi = righe({"statistiche", "--gruppo", "a:5,7", "--gruppo", "b:90", "--ruote", "TU"});
    ASSERT_EQ(gruppi.size(), 3);
    EXPECT_EQ(gruppi[1], "a\t5 7\t4\t0,56\t7,20\t0\t1\t29/02/2024\t1,00\t3\t02/03/2024");
    EXPECT_EQ(righe({"statistiche", "--gruppi", "Decine"}).size(), 10);
    // One window, draw 3 on Bari, where each number has 5/90 chances.
    const auto spia = righe({"spia", "5", "--ruota", "BA", "--colpi", "1"});
    ASSERT_EQ(spia.size(), 93);
    EXPECT_EQ(spia[1], "5\t1\t1\t0,06\t0,06\t0,0556\t1");
    EXPECT_EQ(spia[6], "1\t0\t0\t0,06\t0,06\t1\t1");
    EXPECT_EQ(spia[91], "Finestre\t1");
    EXPECT_TRUE(spia[92].startsWith("Verdetto\tSpia 5 su Bari, 1 colpo. Nessun numero spicca"))
        << spia[92].toStdString();
    // Wheels with no draw stay empty; TT is the ten regional wheels together.
    EXPECT_EQ(righe({"tabellone"}).value(5), "5\t0\t\t\t\t\t\t\t1\t\t\t0\t0");
    EXPECT_EQ(righe({"tabellone", "--valore", "presenze"}).value(5), "5\t2\t\t\t\t\t\t\t0\t\t\t1\t2");

    for (const QStringList& errato : {
             QStringList{"statistiche", "--posizione", "6"},
             QStringList{"statistiche", "--gruppi", "ambate"},
             QStringList{"statistiche", "--gruppo", "a:"},
             QStringList{"statistiche", "--gruppo", "a:5,5"},
             QStringList{"statistiche", "--gruppo", "a:91"},
             QStringList{"spia", "5", "--ruota", "BA", "--colpi", "21"},
             QStringList{"spia", "5", "--ruota", "TU"},
             QStringList{"spia", "5", "--ruota", "BA", "--posizione", "0"},
             QStringList{"spia", "20", "--ruota", "BA"},
             QStringList{"tabellone", "--valore", "media"},
             QStringList{"tabellone", "--dal", "3", "--al", "1"},
         }) {
        const auto esito = eseguiCli(archivio + errato, dati);
        EXPECT_EQ(esito.codice, 1) << errato.join(' ').toStdString();
        EXPECT_EQ(esito.uscita, "") << errato.join(' ').toStdString();
    }
    EXPECT_EQ(eseguiCli(archivio + QStringList{"spia", "5", "--ruota", "BA", "--colpi", "21"}, dati).errori,
              "Errore: --colpi deve essere tra 1 e 20: 21\n");
    EXPECT_EQ(eseguiCli(archivio + QStringList{"spia", "5"}, dati).codice, 2);
    EXPECT_EQ(eseguiCli(archivio + QStringList{"statistiche", "--ambi", "--posizione", "2"}, dati).codice, 2);
}

// What the user typed is checked as typed: an option of one value given twice, a number out of the
// option's own range, a column the table has not, an empty list of wheels, a long argument echoed
// back; a refusal, never a silent choice.
TEST(RigaDiComandoStatistiche, OgniOpzioneControllataComeScritta) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(
        cartella / "storico.txt",
        "2024/02/27\tBA\t1\t2\t3\t4\t6\n2024/02/29\tBA\t5\t2\t3\t4\t6\n2024/03/02\tBA\t5\t22\t23\t24\t26\n");
    const QStringList archivio = {"--archivio", qpath(cartella / "storico.txt")};
    struct Caso {
        QStringList argomenti;
        int codice;
        QString messaggio;
    };
    const QString enorme = "9223372036854775808";
    const std::vector<Caso> casi = {
        {archivio + QStringList{"statistiche", "--gruppi", "cadenze", "--gruppi", "figure"}, 2,
         "l'opzione --gruppi è data più volte"},
        {QStringList{"--archivio", "ra.db"} + archivio + QStringList{"estrazioni"}, 2,
         "l'opzione --archivio è data più volte"},
        {archivio + QStringList{"statistiche", "--posizione", enorme}, 1, "--posizione deve essere tra 1 e 5"},
        {archivio + QStringList{"spia", enorme, "--ruota", "BA"}, 1, "il numero spia deve essere tra 1 e 90"},
        {archivio + QStringList{"spia", "5", "--ruota", "BA", "--colpi", enorme}, 1, "--colpi deve essere tra 1 e 20"},
        {archivio + QStringList{"spia", "5", "--ruota", "BA", "--ruote-bersaglio", ""}, 1, "nessuna ruota indicata"},
        {archivio + QStringList{"verifica-storica", "--strategia", "frequenti", "--quanti", enorme}, 1,
         "--quanti deve essere tra 1 e 8"},
        {archivio + QStringList{"verifica-storica", "--strategia", "fissi", "--numeri", "5," + enorme}, 1,
         "--numeri deve essere tra 1 e 90"},
        {archivio + QStringList{"verifica-storica", "--confronta", "presenze=10," + enorme, "--prova-dal", "2"}, 1,
         "--confronta presenze deve essere tra 5 e 200"},
        {archivio + QStringList{"statistiche", "--gruppi", "decine", "--ordina", "Ruote ultima"}, 1,
         "la tabella non ha la colonna Ruote ultima (colonne: Gruppo, Numeri, Presenze,"},
        {archivio + QStringList{"verifica", "--previsione", "2:1,1"}, 1, "(il numero 1 è ripetuto)"},
        {archivio + QStringList{"verifica", "--previsione", "3:1,2,3,4,5,6,7,8,9"}, 1, "(al massimo 8 numeri)"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.argomenti.join(' ').toStdString());
        const auto esito = eseguiCli(c.argomenti, dati);
        EXPECT_EQ(esito.codice, c.codice);
        EXPECT_TRUE(esito.errori.contains(c.messaggio)) << esito.errori.toStdString();
        EXPECT_TRUE(esito.uscita.isEmpty());
    }
    // A long argument with blanks comes back as its first 80 characters.
    const QString lungo = QString("1 2 ").repeated(4000);
    const auto esito = eseguiCli(archivio + QStringList{"statistiche", "--ruote", lungo}, dati);
    EXPECT_EQ(esito.codice, 1);
    EXPECT_TRUE(esito.errori.contains(lungo.left(80) + "…")) << esito.errori.left(300).toStdString();
    EXPECT_LT(esito.errori.size(), 300);
}
