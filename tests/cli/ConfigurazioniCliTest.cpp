#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <fstream>

#include "core/db/Sessione.h"
#include "support/RigaDiComando.h"
#include "support/Supporto.h"

using test::eseguiCli;
using test::qpath;

namespace {

// Draws 1..7 in January, 8..14 in February; 5 comes out on Bari, Cagliari and Firenze in
// draws 3 and 13 only. The first draw of each month gives the windows 2..7 and 9..14.
std::string storicoDueMesi() {
    std::string testo;
    for (int i = 1; i <= 14; ++i) {
        const int giorno = i <= 7 ? 2 * i : 2 * (i - 7);
        char data[11];
        std::snprintf(data, sizeof data, "2000/%02d/%02d", i <= 7 ? 1 : 2, giorno);
        const char* numeri = i == 3 || i == 13 ? "5\t60\t61\t62\t63" : "70\t71\t72\t73\t74";
        for (const char* ruota : {"BA", "CA", "FI"}) testo += std::string(data) + '\t' + ruota + '\t' + numeri + '\n';
    }
    return testo;
}

QJsonArray celle(const QJsonObject& tabella, int riga) {
    return tabella["righe"].toArray()[riga - 1].toObject()["celle"].toArray();
}
QString testo(const QJsonArray& celle, int colonna) {
    return celle[colonna].toObject()["testo"].toString();
}

}  // namespace

TEST(ConfigurazioniDaRigaDiComando, SalvaApreEdElimina) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt", storicoDueMesi());
    const QStringList archivio = {"--archivio", qpath(cartella / "storico.txt")};
    const QStringList opzioni = {
        "--estrazione", "10",       "--mensile",    "1",   "--colpi",      "6",        "--fine-ricerca",
        "--ruote",      "BA,CA,FI", "--previsione", "1:5", "--previsione", "2:90,7,45"};

    // Never started: an empty list, and a save with nothing to save creates nothing.
    const auto vuoto = eseguiCli({"configurazioni"}, dati);
    EXPECT_EQ(vuoto.codice, 0);
    EXPECT_EQ(vuoto.uscita, "Cod\tConfigurazione\n");
    const auto senza = eseguiCli(archivio + QStringList{"salva-configurazione", "Prova", "--mensile", "1"}, dati);
    EXPECT_EQ(senza.codice, 1);
    EXPECT_TRUE(senza.errori.contains("Attenzione !  non ci sono previsione associate.")) << senza.errori.toStdString();
    EXPECT_FALSE(std::filesystem::exists(cartella / "dati" / "DbQuorvane.db"));

    // The first save creates the program database as the windows' first start does.
    const auto salvata = eseguiCli(archivio + QStringList{"salva-configurazione", "Prova"} + opzioni, dati);
    ASSERT_EQ(salvata.codice, 0) << salvata.errori.toStdString();
    {
        QString errore;
        auto sessione = quorvane::Sessione::avvia(dati, quorvane::Data{2026, 1, 1}, &errore);
        ASSERT_TRUE(sessione) << errore.toStdString();
        EXPECT_FALSE(sessione->primoAvvio());
        EXPECT_TRUE(sessione->archivioDimostrativo());
        EXPECT_TRUE(sessione->archivioApribile());
    }
    const QStringList righe = salvata.uscita.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(righe.size(), 2);
    const QString cod = righe[1].section('\t', 0, 0);
    EXPECT_EQ(righe[1], cod + "\tProva");
    const auto doppia = eseguiCli(archivio + QStringList{"salva-configurazione", "prova"} + opzioni, dati);
    EXPECT_EQ(doppia.codice, 1);
    EXPECT_TRUE(doppia.errori.contains("probabilmente la denominazione della configurazione è gia presente"));
    // Only a name already there is blamed on the name.
    const auto lunga = eseguiCli(archivio + QStringList{"salva-configurazione", QString(61, 'x')} + opzioni, dati);
    EXPECT_EQ(lunga.codice, 1);
    EXPECT_EQ(lunga.errori, "Errore: configurazione non salvata: la denominazione supera i 60 caratteri\n");
    const auto elenco = eseguiCli({"--json", "configurazioni"}, dati);
    const QJsonObject configurazioni = QJsonDocument::fromJson(elenco.uscita.toUtf8()).object();
    ASSERT_EQ(configurazioni["righe"].toArray().size(), 1);
    EXPECT_EQ(testo(celle(configurazioni, 1), 0), cod);
    EXPECT_EQ(testo(celle(configurazioni, 1), 1), "Prova");
    EXPECT_EQ(configurazioni["colonne_nascoste"].toArray().size(), 7);  // the selector and the options

    // The end draw comes back only when asked: the windows then stop at draw 10.
    const auto aperta = eseguiCli(archivio + QStringList{"--json", "apri-configurazione", cod, "--con-estrazione"},
                                  dati);
    ASSERT_EQ(aperta.codice, 0) << aperta.errori.toStdString();
    const QJsonObject modello = QJsonDocument::fromJson(aperta.uscita.toUtf8()).object();
    ASSERT_EQ(modello["righe"].toArray().size(), 2);
    EXPECT_EQ(testo(celle(modello, 1), 1), "8");
    EXPECT_EQ(testo(celle(modello, 1), 5), "10");
    // Pr (column 6) is hidden: colpo and S are the 18th and 21st cells shown.
    EXPECT_EQ(testo(celle(modello, 2), 17), "2");
    EXPECT_EQ(testo(celle(modello, 2), 20), "111");  // one hit on each of the three wheels restored
    EXPECT_EQ(modello["Coperti"].toString(), "1");
    EXPECT_EQ(modello["Scoperti"].toString(), "11");  // Presenze 12, two model draws found
    const QJsonObject previsioni = modello["previsioni"].toObject();
    ASSERT_EQ(previsioni["righe"].toArray().size(), 2);
    EXPECT_EQ(testo(celle(previsioni, 2), 1), "2");
    const QJsonArray seconda = celle(previsioni, 2);
    EXPECT_EQ(testo(seconda, 4) + " " + testo(seconda, 5) + " " + testo(seconda, 6), "7 45 90");
    EXPECT_EQ(testo(celle(previsioni, 1), 3), "3");  // ET

    const auto ultima = eseguiCli(archivio + QStringList{"apri-configurazione", cod}, dati);
    ASSERT_EQ(ultima.codice, 0);
    const QStringList tsv = ultima.uscita.split('\n');
    EXPECT_TRUE(tsv[0].startsWith("N°\tEstr\tData Estraz"));
    EXPECT_TRUE(tsv[1].startsWith("1\t8\t02/02/2000\t9\t14\t14\t")) << tsv[1].toStdString();
    EXPECT_EQ(tsv[3], "");
    EXPECT_TRUE(tsv[4].startsWith("N°\tSorte\tEsiti\tET")) << ultima.uscita.toStdString();
    EXPECT_TRUE(ultima.uscita.endsWith("Coperti\t2\nScoperti\t10\n"));

    EXPECT_EQ(eseguiCli(archivio + QStringList{"apri-configurazione", "999"}, dati).codice, 1);
    EXPECT_EQ(eseguiCli(archivio + QStringList{"apri-configurazione", "x1"}, dati).codice, 2);  // no number
    // A name with a tab or an escape would break the list and reach the terminal.
    const auto controllo = eseguiCli(archivio + QStringList{"salva-configurazione", "Due\tcolonne\x1b[2J"} + opzioni,
                                     dati);
    EXPECT_EQ(controllo.codice, 1);
    EXPECT_TRUE(controllo.errori.contains("caratteri di controllo")) << controllo.errori.toStdString();
    // A command that only reports prints one JSON object too.
    const auto eliminata = eseguiCli({"--json", "elimina-configurazione", cod}, dati);
    EXPECT_EQ(eliminata.codice, 0);
    EXPECT_EQ(eliminata.uscita, "{\"messaggio\":\"Record eliminato\"}\n");
    EXPECT_EQ(eseguiCli({"elimina-configurazione", cod}, dati).codice, 1);
    EXPECT_EQ(eseguiCli({"configurazioni"}, dati).uscita, "Cod\tConfigurazione\n");
    EXPECT_EQ(eseguiCli({"elimina-configurazione"}, dati).codice, 2);

    // Pages 2 to 4 overwritten: the damage is found before anything is written, and said.
    const auto programma = cartella / "dati" / "DbQuorvane.db";
    ASSERT_GE(std::filesystem::file_size(programma), 4u * 4096);
    {
        std::fstream file(programma, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096);
        file << std::string(3 * 4096, '\x5A');
    }
    const std::string danneggiato = test::leggiFile(programma);
    const auto guasto = eseguiCli(archivio + QStringList{"salva-configurazione", "Altra"} + opzioni, dati);
    EXPECT_EQ(guasto.codice, 1);
    EXPECT_TRUE(guasto.errori.contains("DbQuorvane.db\" è danneggiato: non vi è stato scritto nulla"))
        << guasto.errori.toStdString();
    EXPECT_TRUE(guasto.errori.contains("copia di sicurezza"));
    EXPECT_EQ(test::leggiFile(programma), danneggiato);
}

TEST(ConfigurazioniDaRigaDiComando, RiepilogoStatistico) {
    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    test::scriviFile(cartella / "storico.txt", storicoDueMesi());
    const QStringList comando = {"--archivio", qpath(cartella / "storico.txt"),
                                 "riepilogo",  "--mensile",
                                 "1",          "--colpi",
                                 "6",          "--ruote",
                                 "BA,CA,FI",   "--previsione",
                                 "1:5"};
    const auto tsv = eseguiCli(comando, dati);
    ASSERT_EQ(tsv.codice, 0) << tsv.errori.toStdString();
    const QString cinquanta = "50,0";  // the command line writes as the Italian windows do
    EXPECT_TRUE(tsv.uscita.startsWith("Q Num\t1\t2\t3\t4\t5\n1\t6\t\t\t\t\n2\t\t\t\t\t\n")) << tsv.uscita.toStdString();
    EXPECT_TRUE(tsv.uscita.contains("\n\nColpo\tEsiti\tPerc\n\t\t\n2\t3\t" + cinquanta + "\n\t\t\n\t\t\n5\t3\t" +
                                    cinquanta + "\n"));
    EXPECT_TRUE(tsv.uscita.endsWith("\t\t\nTotale esiti\t6\n"));

    const auto json = eseguiCli(QStringList{"--json"} + comando, dati);
    const QJsonObject riepilogo = QJsonDocument::fromJson(json.uscita.toUtf8()).object();
    EXPECT_EQ(riepilogo["tabella"].toString(), "esiti_per_quantita");
    EXPECT_EQ(riepilogo["Totale esiti"].toInt(), 6);
    EXPECT_EQ(testo(celle(riepilogo["esiti_per_colpo"].toObject(), 5), 2), cinquanta);

    // No forecast, no hits: a total of 0 and no share.
    const auto nessuno = eseguiCli(comando.mid(0, comando.size() - 2), dati);
    EXPECT_EQ(nessuno.codice, 0);
    EXPECT_TRUE(nessuno.uscita.endsWith("\t\t\nTotale esiti\t0\n"));
    EXPECT_FALSE(nessuno.uscita.contains(",0"));
}

// Two commands started together on a data folder never used: one creates the program database,
// the other waits and uses it; neither fails on rows the other wrote.
TEST(ConfigurazioniDaRigaDiComando, DuePrimiAvviiInsiemeNonSiOstacolano) {
    test::CartellaTemporanea cartella;
    test::scriviFile(cartella / "storico.txt", storicoDueMesi());
    for (int giro = 0; giro < 10; ++giro) {
        const QString dati = qpath(cartella / ("dati" + std::to_string(giro)));
        std::array<QProcess, 2> cli;
        for (std::size_t i = 0; i < cli.size(); ++i) {
            auto ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.insert(quorvane::VariabileCartellaDati, dati);
            cli[i].setProcessEnvironment(ambiente);
            cli[i].start(QStringLiteral(QUORVANE_CLI),
                         {"--archivio", qpath(cartella / "storico.txt"), "salva-configurazione",
                          QStringLiteral("Prova %1").arg(i), "--previsione", "1:5"});
        }
        for (QProcess& c : cli) {
            ASSERT_TRUE(c.waitForFinished(60000));
            EXPECT_EQ(c.exitCode(), 0) << "giro " << giro << ": " << c.readAllStandardError().toStdString();
        }
    }
}
