#include "support/RigaDiComando.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

TEST(RigaDiComandoAnalisi, Quadratura) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const auto tsv = eseguiCli({"quadratura", "1", "2", "3", "4"}, dati);
    EXPECT_EQ(tsv.codice, 0) << tsv.errori.toStdString();
    EXPECT_TRUE(
        tsv.uscita.startsWith("Somma / Distanza\tElementi\tNumeri\tValore\n"
                              "Somma orizzontale 1\tN1+N2\t1 2\t3\n"));
    EXPECT_TRUE(tsv.uscita.endsWith("Distanza diagonale 2\tN2 N3\t2 3\t1\nTotale\t10\n")) << tsv.uscita.toStdString();

    // "-" leaves a box empty: it counts as 0.
    const auto json = eseguiCli({"--json", "quadratura", "50", "-", "-", "-"}, dati);
    EXPECT_EQ(json.codice, 0);
    EXPECT_TRUE(json.uscita.contains(R"({"testo":"50 ","sfondo":null,"colore":16711680,"grassetto":false},)"
                                     R"({"testo":"40","sfondo":8454143,"colore":255,"grassetto":false})"));
    EXPECT_TRUE(json.uscita.trimmed().endsWith(R"("Totale":50})"));

    EXPECT_EQ(eseguiCli({"quadratura", "0", "1", "2", "3"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"quadratura", "1", "2", "x", "3"}, dati).codice, 2);  // no number: usage
    EXPECT_EQ(eseguiCli({"quadratura", "1", "2", "3"}, dati).codice, 2);
}

TEST(RigaDiComandoAnalisi, SistemiOrtogonali) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    // The program never started: the library it would create, and nothing written.
    const auto elenco = eseguiCli({"sistemi"}, dati);
    EXPECT_EQ(elenco.codice, 0) << elenco.errori.toStdString();
    const QStringList righe = elenco.uscita.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(righe.size(), 17);
    EXPECT_EQ(righe[0], "Cod\tDenominazione\tsviluppo");
    EXPECT_EQ(righe[2], "2\t9 numeri in 12 righe da 3 (piano affine d'ordine 3), ambo garantito\t3");
    EXPECT_FALSE(std::filesystem::exists(cartella / "dati" / "DbQuorvane.db"));

    const auto sviluppo = eseguiCli({"sviluppa-sistema", "2", "90", "10", "20", "30", "40", "50", "60", "70", "80"},
                                    dati);
    EXPECT_EQ(sviluppo.codice, 0) << sviluppo.errori.toStdString();
    EXPECT_TRUE(
        sviluppo.uscita.startsWith("NuR\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n"
                                   "1\t10\t20\t30\t\t\t\t\t\t\t\n"
                                   "2\t40\t50\t60\t\t\t\t\t\t\t\n"))
        << sviluppo.uscita.toStdString();
    EXPECT_EQ(sviluppo.uscita.count('\n'), 13);
    // Fewer numbers than base numbers leave holes, as in the window.
    const auto corto = eseguiCli({"sviluppa-sistema", "1", "5"}, dati);
    EXPECT_EQ(corto.codice, 0);
    EXPECT_TRUE(corto.uscita.contains("\t5\t\t\t\t\t\t\t\t\t\n")) << corto.uscita.toStdString();
    EXPECT_TRUE(corto.uscita.startsWith("NuR\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n1\t\t\t\t")) << corto.uscita.toStdString();

    EXPECT_EQ(eseguiCli({"sviluppa-sistema", "1", "1", "2", "3", "4", "5", "6", "7", "8"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"sviluppa-sistema", "1", "4", "4"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"sviluppa-sistema", "99", "4"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"sviluppa-sistema", "1", "91"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"sviluppa-sistema"}, dati).codice, 2);
}

TEST(RigaDiComandoAnalisi, RipetizioniEUnaEstrazione) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    // 5 on Bari and Roma in the last two draws, on Firenze only in the last.
    test::scriviFile(cartella / "storico.txt",
                     "2024/02/27\tBA\t1\t2\t3\t4\t6\n"
                     "2024/02/27\tRM\t11\t12\t13\t14\t16\n"
                     "2024/02/29\tBA\t5\t2\t3\t4\t6\n"
                     "2024/02/29\tRM\t11\t12\t13\t14\t5\n"
                     "2024/03/02\tBA\t5\t2\t3\t4\t6\n"
                     "2024/03/02\tFI\t5\t22\t23\t24\t26\n"
                     "2024/03/02\tRM\t11\t12\t13\t14\t5\n");
    const QString storico = qpath(cartella / "storico.txt");
    const auto due = eseguiCli({"--archivio", storico, "ripetizioni", "--r", "2"}, dati);
    EXPECT_EQ(due.codice, 0) << due.errori.toStdString();
    EXPECT_EQ(due.uscita, "\tR1\tR2\tR3\tR4\tR5\tR6\n5\tBA\tRO\t\t\t\t\nFine analisi\t3 del 02/03/2024\n");
    const auto una = eseguiCli({"--archivio", storico, "ripetizioni", "--e", "1", "--r", "3"}, dati);
    EXPECT_TRUE(una.uscita.contains("\n5\tBA\tFI\tRO\t\t\t\n")) << una.uscita.toStdString();
    const auto prima = eseguiCli({"--archivio", storico, "ripetizioni", "--estrazione", "29/02/2024", "--r", "2"},
                                 dati);
    EXPECT_EQ(prima.uscita, "\tR1\tR2\tR3\tR4\tR5\tR6\nFine analisi\t2 del 29/02/2024\n");
    EXPECT_EQ(eseguiCli({"--archivio", storico, "ripetizioni", "--e", "11"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"--archivio", storico, "ripetizioni", "--estrazione", "4"}, dati).codice, 1);

    const auto estrazione = eseguiCli({"--archivio", storico, "estrazione", "02/03/2024"}, dati);
    EXPECT_EQ(estrazione.codice, 0) << estrazione.errori.toStdString();
    EXPECT_TRUE(estrazione.uscita.startsWith("Ruota\tN1\tN2\tN3\tN4\tN5\nBA\t5\t2\t3\t4\t6\nCA\t0\t0\t0\t0\t0\n"));
    EXPECT_TRUE(estrazione.uscita.endsWith("Estrazione\t3\nData\t02/03/2024\nProgressivi\tPM=1   PA=3\n"));
    const auto json = eseguiCli({"--archivio", storico, "--json", "estrazione", "1"}, dati);
    EXPECT_TRUE(json.uscita.contains(R"("Estrazione":1,"Data":"27/02/2024","Progressivi":"PM=1   PA=1")"));
    EXPECT_EQ(eseguiCli({"--archivio", storico, "estrazione", "2/3/2024"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"--archivio", storico, "estrazione"}, dati).codice, 2);
}
