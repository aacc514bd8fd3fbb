#include <QString>
#include <algorithm>
#include <atomic>
#include <thread>
#include <tuple>

#include "archive/db/ScaricoStorico.h"
#include "support/ScritturaZip.h"
#include "support/ServerHttp.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// Two dates of the official file, the first with two wheels.
const std::string Storico =
    "2023/01/03\tBA\t10\t20\t30\t40\t50\n"
    "2023/01/03\tRM\t1\t2\t3\t4\t5\n"
    "2023/01/05\tBA\t11\t21\t31\t41\t51\n";

class ArchivioUfficiale : public ::testing::Test {
protected:
    std::string zip(const std::string& contenuto, const char* nome = "storico.txt") {
        test::scriviZip(cartella / "prova.zip", contenuto, nome);
        return test::leggiFile(cartella / "prova.zip");
    }
    static QString url(const test::ServerHttp& server, const std::string& percorso = "/storico.zip") {
        return QString::fromStdString(server.indirizzo() + percorso);
    }
    test::CartellaTemporanea cartella;
};

}  // namespace

TEST_F(ArchivioUfficiale, LoZipSiLeggeAncheDopoUnRinvio) {
    test::ServerHttp server({.stato = 404}, {{"/vecchio/storico.zip", {.stato = 302, .rinvio = "/storico.zip"}},
                                             {"/storico.zip", {.corpo = zip(Storico)}}});
    auto letto = scaricaArchivioUfficiale(url(server, "/vecchio/storico.zip"));
    ASSERT_TRUE(std::holds_alternative<std::vector<RigaAggiornamento>>(letto))
        << std::get<ErroreSorgente>(letto).messaggio;
    const auto& righe = std::get<std::vector<RigaAggiornamento>>(letto);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].data, "03/01/2023");
    EXPECT_EQ(righe[0].ruote[0], "10-20-30-40-50");
    EXPECT_EQ(righe[0].ruote[7], "01-02-03-04-05");
    EXPECT_EQ(righe[1].ruote[0], "11-21-31-41-51");
    // Qt asks a path again when the connection closes before the reply reaches it (seen under
    // Wine now and then): what matters is that the redirect is followed once, to the new path.
    auto chieste = server.richieste();
    chieste.erase(std::unique(chieste.begin(), chieste.end()), chieste.end());
    EXPECT_EQ(chieste, (std::vector<std::string>{"/vecchio/storico.zip", "/storico.zip"}));
}

TEST_F(ArchivioUfficiale, OgniGuastoSiDiceComeTale) {
    struct Caso {
        const char* nome;
        test::RispostaHttp risposta;
        std::string messaggio;
    };
    const Caso casi[] = {
        {"assente", {.stato = 404, .corpo = "no"}, "404"},
        {"nessuna risposta", {.silenzio = true}, "non ha risposto entro"},
        {"troppo grande", {.corpo = std::string(5000, '1')}, "limite"},
        {"zip tagliato", {.corpo = zip(Storico).substr(0, 60), .conLunghezza = false}, "zip \"storico.zip\""},
        {"binario",
         {.corpo = std::string("\x7f"
                               "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                               16)},
         "non è il file storico ufficiale delle estrazioni.\nRiga 1: data non valida \"?ELF????"},
        {"altro formato", {.corpo = zip("03/01/2023 BA 10-20-30-40-50\n")}, "non è il file storico ufficiale"},
        {"zip senza il file",
         {.corpo = zip("Il file arriverà presto.\n", "LEGGIMI.txt")},
         "non è il file storico ufficiale"},
        {"rinvio fuori dal web",
         {.stato = 302, .rinvio = "file:///etc/passwd"},
         "rinvia a \"file:///etc/passwd\", che non è un indirizzo http o https: rinvio rifiutato"},
    };
    for (const Caso& c : casi) {
        test::ServerHttp server(c.risposta);
        auto letto = scaricaArchivioUfficiale(url(server), {}, {1000, 4096});
        ASSERT_TRUE(std::holds_alternative<ErroreSorgente>(letto)) << c.nome;
        const std::string& messaggio = std::get<ErroreSorgente>(letto).messaggio;
        EXPECT_NE(messaggio.find(c.messaggio), std::string::npos) << c.nome << ": " << messaggio;
        EXPECT_TRUE(
            std::all_of(messaggio.begin(), messaggio.end(), [](char b) { return b == '\n' || b >= ' ' || b < 0; }))
            << c.nome << ": " << messaggio;
    }
    // Only web addresses are fetched.
    auto locale = scaricaArchivioUfficiale("file:///etc/passwd");
    ASSERT_TRUE(std::holds_alternative<ErroreSorgente>(locale));
    EXPECT_NE(std::get<ErroreSorgente>(locale).messaggio.find("IndirizzoArchivioUfficiale"), std::string::npos);
}

TEST_F(ArchivioUfficiale, UnFileInvariatoCostaUnaRispostaVuota) {
    const std::string zipStorico = zip(Storico);
    for (const auto& [intestazione, domanda, valore] :
         {std::tuple<std::string, std::string, std::string>{"ETag", "if-none-match", "\"v1\""},
          {"Last-Modified", "if-modified-since", "Tue, 08 Dec 2026 21:30:00 GMT"}}) {
        test::ServerHttp server(
            {.corpo = zipStorico, .intestazioni = {{intestazione, valore}}, .nonModificato = {domanda, valore}});
        VersioneFile versione;
        auto prima = scaricaArchivioUfficialeSeCambiato(url(server), versione);
        ASSERT_TRUE(prima && std::holds_alternative<std::vector<RigaAggiornamento>>(*prima)) << intestazione;
        EXPECT_EQ(std::get<std::vector<RigaAggiornamento>>(*prima).size(), 2u);
        EXPECT_EQ((intestazione == "ETag" ? versione.etag : versione.ultimaModifica).toStdString(), valore);
        // Asked again with the version remembered: 304, nothing downloaded, nothing to check.
        EXPECT_FALSE(scaricaArchivioUfficialeSeCambiato(url(server), versione)) << intestazione;
        EXPECT_TRUE(versione.invariata);
        EXPECT_EQ(server.richieste().size(), 2u);
    }
}

// A 304 to a request that named no version (a cache on the way) says nothing of the copy the
// program has: the file is asked for again, whole; a site that still will not send it is an error,
// neither "unchanged" nor "an empty file".
TEST_F(ArchivioUfficiale, Un304NonChiestoVuoleIlFileIntero) {
    test::ServerHttp cache({.corpo = zip(Storico), .nonModificato = {"cache-control", ""}});
    VersioneFile versione;
    auto letto = scaricaArchivioUfficialeSeCambiato(url(cache), versione);
    ASSERT_TRUE(letto && std::holds_alternative<std::vector<RigaAggiornamento>>(*letto));
    EXPECT_EQ(std::get<std::vector<RigaAggiornamento>>(*letto).size(), 2u);
    EXPECT_FALSE(versione.invariata);
    EXPECT_EQ(cache.richieste().size(), 2u);

    test::ServerHttp sempre({.stato = 304});
    for (auto esito :
         {scaricaArchivioUfficiale(url(sempre)), *scaricaArchivioUfficialeSeCambiato(url(sempre), versione)}) {
        ASSERT_TRUE(std::holds_alternative<ErroreSorgente>(esito));
        EXPECT_NE(std::get<ErroreSorgente>(esito).messaggio.find("risponde 304"), std::string::npos)
            << std::get<ErroreSorgente>(esito).messaggio;
    }
}

// On a thread of its own, as the start-up check runs it, a transfer stops when told to, whatever
// the site does: not at its time limit.
TEST_F(ArchivioUfficiale, UnTrasferimentoSuUnAltroFiloSiAnnulla) {
    test::ServerHttp muto({.silenzio = true});
    std::atomic<bool> annulla{true};
    LimitiScarico limiti = LimitiArchivioUfficiale;
    limiti.annulla = &annulla;
    EsitoSorgente esito;
    std::thread([&] { esito = scaricaArchivioUfficiale(url(muto), {}, limiti); }).join();
    ASSERT_TRUE(std::holds_alternative<ErroreSorgente>(esito));
    EXPECT_NE(std::get<ErroreSorgente>(esito).messaggio.find("annullato"), std::string::npos)
        << std::get<ErroreSorgente>(esito).messaggio;
}
