#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>

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
    // The table, then the summary's thirteen "name<TAB>value" lines ending with the verdict.
    EXPECT_EQ(tsv.uscita.count('\n'), giocate + 1 + 13);
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
        {{"--strategia", "frequenti", "--finestra", "0"}, "--finestra deve essere tra 1 e 2000"},
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

// A comparison checks the options once the compared values are in, and says on standard error
// what it will cost once the first combination is done, then how far it is: never on the output,
// which stays the JSON alone.
TEST(StoricoDaRigaDiComando, ConfrontoControllaOgniCombinazioneEDiceIlCosto) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    const QStringList base = {"--json",
                              "--archivio",
                              qpath(test::percorsoStorico()),
                              "verifica-storica",
                              "--strategia",
                              "frequenti",
                              "--dal",
                              "6800",
                              "--prova-dal",
                              "7100"};
    for (const QStringList& confronto : {QStringList{"--sorte", "quaterna", "--confronta", "quanti=4,5,6"},
                                         QStringList{"--finestra", "5000", "--confronta", "finestra=10,20,30"}}) {
        SCOPED_TRACE(confronto.join(' ').toStdString());
        const auto esito = eseguiCli(base + confronto, dati);
        ASSERT_EQ(esito.codice, 0) << esito.errori.toStdString();
        QJsonParseError errore;
        const QJsonObject json = QJsonDocument::fromJson(esito.uscita.toUtf8(), &errore).object();
        EXPECT_EQ(errore.error, QJsonParseError::NoError) << esito.uscita.left(200).toStdString();
        EXPECT_EQ(json["righe"].toArray().size(), 3);
        EXPECT_TRUE(esito.errori.startsWith("3 combinazioni, circa ")) << esito.errori.toStdString();
        EXPECT_TRUE(esito.errori.endsWith("4 di 4, mancano circa 0 s\n")) << esito.errori.toStdString();
    }
}

// A comparison that the first combination says will take over ten minutes runs only with --si.
TEST(StoricoDaRigaDiComando, ConfrontoLungoSoloConIlConsenso) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    QStringList presenze;
    for (int p = 200; p > 100; p -= 2) presenze << QString::number(p);
    const auto esito = eseguiCli(
        {"--archivio", qpath(test::percorsoStorico()), "verifica-storica", "--metodo", "ciclo", "--qn", "8", "--sorte",
         "terno", "--ruote", "TU", "--dal", "1000", "--prova-dal", "7000", "--confronta",
         "presenze=" + presenze.join(','), "--confronta", "colpi=3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"},
        qpath(cartella / "dati"));
    EXPECT_EQ(esito.codice, 1);
    EXPECT_TRUE(esito.errori.startsWith("Errore: 900 combinazioni, circa ")) << esito.errori.toStdString();
    EXPECT_TRUE(esito.errori.endsWith(": oltre 10 min; ripetere con --si per eseguirle\n"))
        << esito.errori.toStdString();
    EXPECT_TRUE(esito.uscita.isEmpty());
}

// A player's method from its file: its parameters, its log on the standard error apart from the
// results, and each bad file or script refused with exit 1 and nothing printed.
TEST(StoricoDaRigaDiComando, MetodoProprioDaFile) {
    RICHIEDE_STORICO();
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    auto file = [&](const std::string& nome, const std::string& testo) {
        std::ofstream(cartella / nome, std::ios::binary) << testo;
        return qpath(cartella / nome);
    };
    const QStringList base = {
        "--archivio", qpath(test::percorsoStorico()), "verifica-storica", "--dal", "7000", "--strategia", "metodo"};
    const QString fisso = file("fisso.lua",
                               "local n = parametro('numero', 1)\n"
                               "function metodo(t)\n  if t == 7000 then scrivi('gioco', n) end\n"
                               "  return {numeri = {n}}\nend\n");
    const auto esito = eseguiCli(base + QStringList{"--file", fisso, "--parametro", "numero=45", "--colpi", "6"}, dati);
    ASSERT_EQ(esito.codice, 0) << esito.errori.toStdString();
    EXPECT_EQ(esito.errori, "gioco\t45\n");
    EXPECT_TRUE(esito.uscita.contains("\t45\tAmbata\t")) << esito.uscita.toStdString();
    EXPECT_TRUE(esito.uscita.contains("\nGiudizio\tIl metodo ha fatto ")) << esito.uscita.toStdString();

    const std::vector<std::pair<QStringList, QString>> casi = {
        {{"--file", qpath(cartella / "manca.lua")}, "non esiste"},
        {{"--file", file("latino.lua", "-- gi\xE0\n")}, "non è un testo UTF-8"},
        {{"--file", file("sintassi.lua", "function metodo(t)\n  return {\nend\n")},
         "Metodo non valido (riga 3): errore di sintassi"},
        {{"--file", file("numeri.lua", "function metodo(t)\n  return {numeri = {0}}\nend\n")},
         "Metodo interrotto all'estrazione 7000 (riga 2): il numero giocato 0 non è tra 1 e 90"},
        {{"--file", fisso, "--parametro", "numero"}, "--parametro vuole nome=valore"},
        {{"--file", fisso, "--quanti", "3"}, "--quanti non vale per la strategia metodo"},
    };
    for (const auto& [argomenti, messaggio] : casi) {
        SCOPED_TRACE(argomenti.join(' ').toStdString());
        const auto rifiuto = eseguiCli(base + argomenti, dati);
        EXPECT_EQ(rifiuto.codice, 1);
        EXPECT_TRUE(rifiuto.errori.contains(messaggio)) << rifiuto.errori.toStdString();
        EXPECT_TRUE(rifiuto.uscita.isEmpty());
    }
}
