// The command line's JSON is the README's: each command prints the tables and keys its section
// "JSON della riga di comando" lists, and no other.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <array>
#include <iostream>
#include <map>
#include <memory>
#include <set>

#include "archive/FileAggiornamento.h"
#include "core/db/Sessione.h"
#include "support/RigaDiComando.h"
#include "support/ScritturaZip.h"
#include "support/ServerHttp.h"
#include "support/Supporto.h"

using namespace quorvane;
using test::eseguiCli;
using test::qpath;

namespace {

// Standard strings, which a failure prints readably.
using Chiavi = std::set<std::string>;

struct NomeTabella {
    std::string tabella, griglia;
};

// What the README promises for one form of a command ("aggiorna", "scarica-storico --aggiorna").
struct Promessa {
    std::optional<NomeTabella> tabella;          // none for a command that prints no table
    Chiavi chiavi;                               // its own keys, beyond those of its table
    std::map<std::string, NomeTabella> annesse;  // keys that hold another table
};

struct Contratto {
    std::array<Chiavi, 3> chiaviTabella;  // of a table, of one of its rows, of one of their cells
    std::map<QString, Promessa> forme;
};

QStringList traApici(const QString& testo) {
    static const QRegularExpression apici("`([^`]+)`");
    QStringList nomi;
    for (const auto& m : apici.globalMatch(testo)) nomi << m.captured(1);
    return nomi;
}

// "tabella `nome` (griglia `Fg`): ..." as its two names.
std::optional<NomeTabella> tabellaIn(const QString& testo) {
    if (!testo.startsWith("tabella `")) return std::nullopt;
    const QStringList nomi = traApici(testo.section(": ", 0, 0));
    EXPECT_EQ(nomi.size(), 2) << testo.toStdString();
    if (nomi.size() != 2) return std::nullopt;
    return NomeTabella{nomi[0].toStdString(), nomi[1].toStdString()};
}

// The section's lists: before the first command, the keys of a table at three depths; under a
// heading of command forms, "tabella ..." for the table printed and "`chiave`: ..." for the
// other keys, which may hold "tabella ...".
Contratto leggiContratto(const std::string& readme) {
    Contratto contratto;
    QStringList forme;
    bool dentro = false;
    static const QRegularExpression voce("^( *)- (.*)$");
    for (const QString& riga : QString::fromStdString(readme).split('\n')) {
        if (riga.startsWith("## ")) dentro = riga == "## JSON della riga di comando";
        if (!dentro) continue;
        if (riga.startsWith("### ")) {
            forme = traApici(riga);
            for (const QString& f : forme) contratto.forme[f];
            continue;
        }
        const auto m = voce.match(riga);
        if (!m.hasMatch()) continue;
        const auto profondita = static_cast<std::size_t>(m.captured(1).size() / 2);
        const QString testo = m.captured(2);
        const QString prima = testo.section(": ", 0, 0), dopo = testo.section(": ", 1);
        if (forme.isEmpty()) {
            if (profondita >= contratto.chiaviTabella.size()) continue;
            for (const QString& c : traApici(prima)) contratto.chiaviTabella[profondita].insert(c.toStdString());
            continue;
        }
        for (const QString& f : forme) {
            Promessa& p = contratto.forme[f];
            if (auto t = tabellaIn(testo)) {
                p.tabella = t;
                continue;
            }
            for (const QString& c : traApici(prima)) {
                p.chiavi.insert(c.toStdString());
                if (auto annessa = tabellaIn(dopo)) p.annesse[c.toStdString()] = *annessa;
            }
        }
    }
    return contratto;
}

Chiavi chiaviDi(const QJsonObject& o) {
    Chiavi chiavi;
    for (const QString& k : o.keys()) chiavi.insert(k.toStdString());
    return chiavi;
}

// The table's names and keys, and the keys of each of its rows and cells.
void controllaTabella(const QJsonObject& o, const NomeTabella& nome, const Contratto& contratto, Chiavi chiavi = {}) {
    EXPECT_EQ(o["tabella"].toString().toStdString(), nome.tabella);
    EXPECT_EQ(o["griglia"].toString().toStdString(), nome.griglia);
    chiavi.insert(contratto.chiaviTabella[0].begin(), contratto.chiaviTabella[0].end());
    EXPECT_EQ(chiaviDi(o), chiavi);
    std::set<Chiavi> righe, celle;
    for (const auto& riga : o["righe"].toArray()) {
        righe.insert(chiaviDi(riga.toObject()));
        for (const auto& cella : riga.toObject()["celle"].toArray()) celle.insert(chiaviDi(cella.toObject()));
    }
    if (!righe.empty()) {
        EXPECT_EQ(righe, std::set<Chiavi>{contratto.chiaviTabella[1]}) << nome.tabella;
    }
    if (!celle.empty()) {
        EXPECT_EQ(celle, std::set<Chiavi>{contratto.chiaviTabella[2]}) << nome.tabella;
    }
}

void controlla(const QJsonObject& o, const Promessa& promessa, const Contratto& contratto) {
    if (!promessa.tabella) {
        EXPECT_EQ(chiaviDi(o), promessa.chiavi);
        return;
    }
    controllaTabella(o, *promessa.tabella, contratto, promessa.chiavi);
    for (const auto& [chiave, annessa] : promessa.annesse)
        controllaTabella(o[QString::fromStdString(chiave)].toObject(), annessa, contratto);
}

// Ten draws a month on every wheel through 2000, enough for the historical test.
std::string storicoPiccolo() {
    const char* const sigle[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE", "RN"};
    std::string testo;
    for (int i = 1; i <= 120; ++i) {
        char data[11];
        std::snprintf(data, sizeof data, "2000/%02d/%02d", (i - 1) / 10 + 1, (i - 1) % 10 * 3 + 1);
        for (int w = 0; w < NumRuote; ++w) {
            testo += std::string(data) + '\t' + sigle[w];
            for (int k = 0; k < NumPosizioni; ++k) testo += '\t' + std::to_string((7 * i + 11 * w + 13 * k) % 90 + 1);
            testo += '\n';
        }
    }
    return testo;
}

// LC_ALL=it_IT.UTF-8 for the commands run from here on, the locale made by localedef in
// `cartella` when the system lacks it; nothing when it cannot be made.
std::unique_ptr<std::pair<test::VariabileAmbiente, test::VariabileAmbiente>> linguaItaliana(
    const std::filesystem::path& cartella) {
    std::filesystem::create_directories(cartella);
    QProcess localedef;
    localedef.start("localedef", {"-i", "it_IT", "-f", "UTF-8", qpath(cartella / "it_IT.UTF-8")});
    if (!localedef.waitForFinished(60000) || localedef.exitStatus() != QProcess::NormalExit ||
        !std::filesystem::exists(cartella / "it_IT.UTF-8"))
        return nullptr;
    return std::make_unique<std::pair<test::VariabileAmbiente, test::VariabileAmbiente>>(
        std::piecewise_construct, std::forward_as_tuple("LOCPATH", cartella.string()),
        std::forward_as_tuple("LC_ALL", "it_IT.UTF-8"));
}

}  // namespace

TEST(ContrattoJson, OgniComandoStampaLeTabelleELeChiaviDelReadme) {
    const Contratto contratto = leggiContratto(test::leggiFile(QUORVANE_README));
    for (const Chiavi& livello : contratto.chiaviTabella) ASSERT_FALSE(livello.empty());

    test::CartellaTemporanea cartella;
    const QString dati = qpath(cartella / "dati");
    // Under an Italian locale, whose decimal comma a number written with printf would take.
    const auto lingua = linguaItaliana(cartella / "lingue");
    if (!lingua) std::cout << "[ NOTA     ] it_IT.UTF-8 non disponibile: il JSON è provato nella lingua del sistema\n";
    // Every command of the usage has its JSON listed.
    std::set<std::string> comandi, elencati;
    static const QRegularExpression voceAiuto("^  ([a-z][a-z0-9-]*) ", QRegularExpression::MultilineOption);
    for (const auto& m : voceAiuto.globalMatch(eseguiCli({"--help"}, dati).uscita))
        comandi.insert(m.captured(1).toStdString());
    for (const auto& [forma, promessa] : contratto.forme) elencati.insert(forma.section(' ', 0, 0).toStdString());
    ASSERT_FALSE(comandi.empty());
    EXPECT_EQ(elencati, comandi);

    // A small archive, as a text file and as a database; the program started, with its update
    // server on this machine; an update that adds one draw, and the official file to download.
    test::scriviFile(cartella / "storico.txt", storicoPiccolo());
    test::scriviZip(cartella / "storico.zip", storicoPiccolo());
    RigaArchivio nuova;
    nuova.data = "29/12/2000";
    nuova.ruote[0] = "01-02-03-04-05";
    const std::string aggiornamento = rigaFileAggiornamento(nuova) + "\r\n";
    test::scriviFile(cartella / "agg.txt", aggiornamento);
    test::ServerHttp server({.corpo = aggiornamento},
                            {{"/storico.zip", {.corpo = test::leggiFile(cartella / "storico.zip")}}});
    QString errore;
    {
        auto sessione = Sessione::avvia(dati, Data{2026, 1, 1}, &errore);
        ASSERT_TRUE(sessione) << errore.toStdString();
        ASSERT_TRUE(sessione->programma().impostaParametro(Parametri::IndirizzoAggiornamenti,
                                                           QString::fromStdString(server.indirizzo())));
    }
    const QString storico = qpath(cartella / "storico.txt"), db = qpath(cartella / "a.db");
    const QString zip = QString::fromStdString(server.indirizzo()) + "/storico.zip";
    const QStringList archivio = {"--archivio", storico}, sulDb = {"--archivio", db};
    const QStringList previsione = {"--previsione", "2:8,19", "--ruote", "TU"};
    const auto salvata = eseguiCli(archivio + QStringList{"salva-configurazione", "Base"} + previsione, dati);
    ASSERT_EQ(salvata.codice, 0) << salvata.errori.toStdString();
    const QString cod = salvata.uscita.split('\n').value(1).section('\t', 0, 0);

    // In this order: the database is made first, the configuration deleted last.
    const std::vector<std::pair<QString, QStringList>> forme = {
        {"importa-storico", {"importa-storico", storico, "--archivio", db}},
        {"estrazioni", archivio + QStringList{"estrazioni"}},
        {"periodo", archivio + QStringList{"periodo", "--iniziale", "2"}},
        {"base-dati", archivio + QStringList{"base-dati"}},
        {"ritardi", archivio + QStringList{"ritardi"}},
        {"elabora", archivio + QStringList{"elabora"}},
        {"modalita1", archivio + QStringList{"modalita1", "--seme", "1"}},
        {"modalita2", archivio + QStringList{"modalita2"}},
        {"verifica", archivio + QStringList{"verifica"} + previsione},
        {"verifica-riga", archivio + QStringList{"verifica-riga", "1"} + previsione},
        {"ciclo", archivio + QStringList{"ciclo"}},
        {"verifica-storica",
         archivio + QStringList{"verifica-storica", "--dal", "100", "--al", "110", "--presenze", "5", "--colpi", "3"}},
        {"verifica-storica --confronta", archivio + QStringList{"verifica-storica", "--dal", "20", "--presenze", "5",
                                                                "--confronta", "colpi=2,3", "--prova-dal", "80"}},
        {"verifica-storica --confronta --simula",
         archivio + QStringList{"verifica-storica", "--dal", "20", "--strategia", "ritardatario", "--confronta",
                                "colpi=2,3", "--prova-dal", "80", "--simula", "3"}},
        {"controlla-aggiornamento", sulDb + QStringList{"controlla-aggiornamento", qpath(cartella / "agg.txt")}},
        {"scarica-storico", sulDb + QStringList{"scarica-storico", "--indirizzo", zip}},
        {"scarica-aggiornamento --controlla", sulDb + QStringList{"scarica-aggiornamento", "--controlla"}},
        {"aggiorna", sulDb + QStringList{"aggiorna", qpath(cartella / "agg.txt")}},
        {"scarica-storico --aggiorna", sulDb + QStringList{"scarica-storico", "--indirizzo", zip, "--aggiorna"}},
        {"scarica-aggiornamento", {"scarica-aggiornamento"}},
        {"esporta", archivio + QStringList{"esporta", "dati-iii", qpath(cartella / "Dati.iii")}},
        {"calendario", archivio + QStringList{"calendario", "2000"}},
        {"quadratura", {"quadratura", "1", "2", "3", "4"}},
        {"sistemi", {"sistemi"}},
        {"sviluppa-sistema", {"sviluppa-sistema", "1", "1", "2", "3"}},
        {"ripetizioni", archivio + QStringList{"ripetizioni"}},
        {"statistiche", archivio + QStringList{"statistiche"}},
        {"spia", archivio + QStringList{"spia", "1", "--ruota", "BA"}},
        {"tabellone", archivio + QStringList{"tabellone"}},
        {"estrazione", archivio + QStringList{"estrazione", "3"}},
        {"configurazioni", {"configurazioni"}},
        {"salva-configurazione", archivio + QStringList{"salva-configurazione", "Prova"} + previsione},
        {"apri-configurazione", archivio + QStringList{"apri-configurazione", cod}},
        {"riepilogo", archivio + QStringList{"riepilogo"} + previsione},
        {"elimina-configurazione", {"elimina-configurazione", cod}},
    };
    std::set<QString> eseguite;
    for (const auto& [forma, argomenti] : forme) {
        SCOPED_TRACE(forma.toStdString());
        eseguite.insert(forma);
        const auto promessa = contratto.forme.find(forma);
        ASSERT_NE(promessa, contratto.forme.end()) << "forma assente dal README";
        const auto esito = eseguiCli(QStringList{"--json"} + argomenti, dati);
        ASSERT_EQ(esito.codice, 0) << esito.errori.toStdString();
        EXPECT_EQ(esito.uscita.count('\n'), 1);  // one object on one line
        QJsonParseError lettura;
        const QJsonDocument json = QJsonDocument::fromJson(esito.uscita.toUtf8(), &lettura);
        ASSERT_TRUE(json.isObject()) << lettura.errorString().toStdString();
        controlla(json.object(), promessa->second, contratto);
    }
    for (const auto& [forma, promessa] : contratto.forme)
        EXPECT_TRUE(eseguite.count(forma)) << "il test non esegue " << forma.toStdString();
}
