#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "index/VerificaStorica.h"
#include "metodo/FileMetodo.h"
#include "metodo/MetodoLua.h"
#include "support/ArchivioProva.h"
#include "support/Supporto.h"

using namespace quorvane;

namespace {

// Bari: 1 "01..05", 2 "06..10", 3 "01 11 12 13 14", 4 not drawn, 5 "15..19", then 6..8 again;
// Cagliari drawn every week with 50..54.
const ArchivioEstrazioni& archivio() {
    static const ArchivioEstrazioni a = test::archivioDiProva(
        {"01-02-03-04-05", "06-07-08-09-10", "01-11-12-13-14", "", "15-16-17-18-19", "20-21-22-23-24", "25-26-27-28-29",
         "30-31-32-33-34"},
        std::vector<std::string>(8, "50-51-52-53-54"));
    return a;
}

// The method over draws 1..8, one colpo per point (points 1..7), on BA and CA.
OpzioniStoriche opzioni(const std::string& testo, long long istruzioni = SandboxLua::IstruzioniMassime) {
    OpzioniStoriche o;
    o.strategia = Strategia::Metodo;
    o.dal = 1;
    o.al = 8;
    o.analisi.NumeroColpi = 1;
    o.analisi.ruoteInGioco = {true, true};
    o.metodoProprio = std::make_shared<MetodoLua>(testo, istruzioni);
    return o;
}

std::string errore(const std::string& testo, long long istruzioni = SandboxLua::IstruzioniMassime) {
    try {
        VerificaStorica(opzioni(testo, istruzioni), archivio());
    } catch (const ErroreMetodo& e) {
        return e.what();
    }
    return "nessun errore";
}

}  // namespace

// Each function of a method at point 5 (Bari was not drawn in 4), with typed parameters.
TEST(MetodoLua, FunzioniDellArchivioEDelLotto) {
    OpzioniStoriche o = opzioni(R"(
function metodo(t)
  if t ~= 5 then return nil end
  scrivi(ritardo(1, "BA", t), ritardo(6, "BA", t), ritardo(90, "BA", t), ritardo_ambo(2, 1, "BA", t),
         frequenza(1, "BA", 1, t), frequenza(1, "BA", 2, t), estratti(4, "BA"), estratto(3, "ba", 2),
         table.concat(estratti(3, "BA"), " "), data(4), giorno(1))
  scrivi(fuori90(-1), fuori90(180), distanza(1, 90), distanza(10, 60), vertibile(5), vertibile(90),
         vertibile(12), vertibile(33), figura(90), figura(38), cadenza(40), decina(10), decina(11))
  scrivi(parametro("soglia", 7), parametro("nome", "?"), parametro("mancante", 3), table.concat(ruote(), ","))
end)");
    o.parametri = {{"soglia", "2.5"}, {"nome", "NA"}};
    const EsitoStorico esito = VerificaStorica(o, archivio());
    EXPECT_TRUE(esito.giocate.empty());
    EXPECT_EQ(esito.riepilogo.punti, 7);
    const std::vector<std::string> atteso = {"1\t2\t4\t3\t2\t1\tnil\t11\t1 11 12 13 14\t07/02/2000\t1",
                                             "89\t90\t1\t40\t50\t9\t21\t33\t9\t2\t0\t1\t2", "2.5\tNA\t3\tBA,CA"};
    EXPECT_EQ(esito.registro, atteso);
}

// A play without sorte or wheels takes estratto (one number) or ambo and the wheels in play; one
// naming its wheels is judged on those alone (Cagliari only, the one drawn in 4).
TEST(MetodoLua, GiocateConIValoriPredefiniti) {
    const EsitoStorico esito = VerificaStorica(opzioni(R"(
function metodo(t)
  if t == 2 then return {numeri = {1}} end
  if t == 3 then return {numeri = {7, 3}, ruote = {"CA"}} end
end)"),
                                               archivio());
    ASSERT_EQ(esito.giocate.size(), 2u);
    const GiocataStorica& prima = esito.giocate[0];
    EXPECT_EQ(prima.punto, 2);
    EXPECT_EQ(prima.sorte, 1);
    EXPECT_EQ(prima.colpo, 1);
    EXPECT_EQ(prima.presi, "BA 1");
    EXPECT_EQ(prima.estrazioniRuota, 2);
    const GiocataStorica& seconda = esito.giocate[1];
    EXPECT_EQ(seconda.sorte, 2);
    EXPECT_EQ(seconda.numeri, (std::vector<int>{3, 7}));
    EXPECT_EQ(seconda.estrazioniRuota, 1);
    EXPECT_EQ(esito.riepilogo.giocate, 2);
    EXPECT_EQ(esito.riepilogo.vincite, 1);
}

// What a hostile or mistaken script meets: each stops the run with the point and the line, and
// nothing it does escapes the sandbox, not even through pcall.
TEST(MetodoLua, CopioniOstiliFermatiConIlMotivo) {
    const std::string vietato =
        " non è disponibile in un metodo: un metodo legge solo l'archivio, non file, comandi del sistema o altro "
        "codice";
    struct Caso {
        std::string copione;
        std::string messaggio;
        long long istruzioni = SandboxLua::IstruzioniMassime;
    };
    const Caso casi[] = {
        {"function metodo(t)\n  while true do end\nend",
         "(riga 2): superato il limite di istruzioni per prova (un ciclo senza fine?)", 100000},
        {"function metodo(t)\n  while true do pcall(function() while true do end end) end\nend",
         "(riga 2): superato il limite di istruzioni", 100000},
        {"function metodo(t)\n  return string.find(string.rep('a', 50000), string.rep('.-', 30) .. 'b')\nend",
         "(riga 2): string.find: lo schema \".-.-.-.-.-.-.-.-.-.-.-.-…\" richiede troppi passi su un testo di 50000 "
         "caratteri",
         100000},
        {"function metodo(t)\n  local s = string.rep('(a*)', 8)\n  pcall(string.gsub, string.rep('a', 9000), s .. 'b', "
         "'')\nend",
         "(riga 3): string.gsub: lo schema \"(a*)(a*)(a*)(a*)(a*)(a*)…\" richiede troppi passi", 100000},
        {"function metodo(t)\n  local s = string.rep('x', 1 << 30)\nend",
         "(riga 2): memoria esaurita: un metodo può usare al massimo 64 MB"},
        {"function metodo(t)\n  local a = {}\n  for i = 1, 1e9 do a[i] = i end\nend", "(riga 3): memoria esaurita"},
        {"function metodo(t)\n  local ok = pcall(string.rep, 'x', 1 << 30)\n  return nil\nend",
         "(riga 2): memoria esaurita"},
        {"function metodo(t)\n  os.execute('touch /tmp/quorvane-metodo')\nend", "(riga 2): os.execute" + vietato},
        {"function metodo(t)\n  pcall(io.open, '/etc/passwd')\nend", "(riga 2): io.open" + vietato},
        {"function metodo(t)\n  require('os')\nend", "(riga 2): require" + vietato},
        {"function metodo(t)\n  load('return 1')\nend", "(riga 2): load" + vietato},
        {"function metodo(t)\n  return {numeri = estratti(t + 1, 'BA')}\nend",
         "(riga 2): lettura dell'estrazione 2, dopo il punto 1: un metodo vede solo le estrazioni fino al punto"},
        {"function metodo(t)\n  pcall(ritardo, 1, 'BA', t + 3)\nend",
         "(riga 2): lettura dell'estrazione 4, dopo il punto 1"},
        {"function metodo(t)\n  local x\n  return x.numeri\nend",
         "(riga 3): accesso a un campo di un valore nil (locale 'x')"},
        {"function metodo(t)\n  error({})\nend", "(riga 2): errore senza messaggio (un valore table)"},
        {"function metodo(t)\n  return ritardo(1, 'XX', t)\nend", "(riga 2): ruota sconosciuta: XX"},
        {"function metodo(t)\n  if t < 3 then return nil end\n  return {numeri = {5, 5}}\nend",
         "all'estrazione 3 (riga 3): il numero giocato 5 è ripetuto"},
        {"function metodo(t)\n  return {numeri = {91}}\nend", "(riga 2): il numero giocato 91 non è tra 1 e 90"},
        {"function metodo(t)\n  return {numeri = {1, 2}, sorte = 3}\nend",
         "(riga 2): la sorte 3 supera i numeri giocati (2)"},
        {"function metodo(t)\n  return {numeri = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}\nend",
         "(riga 2): una giocata ha da 1 a 10 numeri, non 11"},
        {"function metodo(t)\n  return {numeri = {1}, ruote = {'XX'}}\nend",
         "(riga 2): ruota sconosciuta nella giocata: XX"},
        {"function metodo(t)\n  return 5\nend", "(riga 2): metodo(t) deve restituire nil o una tabella"},
    };
    for (const Caso& c : casi) {
        const std::string e = errore(c.copione, c.istruzioni);
        EXPECT_EQ(e.rfind("Metodo interrotto all'estrazione ", 0), 0u) << c.copione << "\n" << e;
        EXPECT_NE(e.find(c.messaggio), std::string::npos) << c.copione << "\n" << e;
    }
    EXPECT_FALSE(std::filesystem::exists("/tmp/quorvane-metodo"));
    EXPECT_EQ(errore("x = 1"), "Metodo interrotto al caricamento: il file non definisce function metodo(t)");
    EXPECT_EQ(errore("local a = nil + 1\nfunction metodo(t) end"),
              "Metodo interrotto al caricamento (riga 1): aritmetica su un valore nil");
    try {
        MetodoLua("function metodo(t)\n  return {\nend");
        ADD_FAILURE() << "compiled";
    } catch (const ErroreMetodo& e) {
        EXPECT_EQ(e.riga(), 3);
        EXPECT_EQ(std::string(e.what()).rfind("Metodo non valido (riga 3): errore di sintassi: ", 0), 0u) << e.what();
    }
}

// "Annulla" stops an endless loop, or a pattern backtracking without end inside C, long before
// the budget; the log written so far is kept.
TEST(MetodoLua, AnnullaFermaUnCicloSenzaFine) {
    for (const char* senzaFine :
         {"while true do end", "string.find(string.rep('a', 50000), string.rep('.-', 30) .. 'b')"}) {
        const OpzioniStoriche o = opzioni(std::string("function metodo(t)\n  scrivi('inizio')\n  ") + senzaFine +
                                          "\nend");
        std::atomic<bool> annulla{false};
        std::thread annullatore([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            annulla = true;
        });
        const EsitoStorico esito = VerificaStorica(o, archivio(), &annulla);
        annullatore.join();
        EXPECT_TRUE(esito.annullato) << senzaFine;
        EXPECT_TRUE(esito.giocate.empty());
        EXPECT_EQ(esito.registro, std::vector<std::string>{"inizio"});
    }
}

// math.random repeats with the run's seed; the log keeps its first 1,000 lines and says so.
TEST(MetodoLua, CasualeRipetibileERegistroLimitato) {
    OpzioniStoriche o = opzioni("function metodo(t)\n  scrivi(math.random(1, 1000000000))\nend");
    const auto primo = VerificaStorica(o, archivio()).registro;
    EXPECT_EQ(VerificaStorica(o, archivio()).registro, primo);
    o.seme = 2;
    EXPECT_NE(VerificaStorica(o, archivio()).registro, primo);

    const auto lungo =
        VerificaStorica(opzioni("function metodo(t)\n  for i = 1, 600 do scrivi(i) end\nend"), archivio()).registro;
    ASSERT_EQ(lungo.size(), 1001u);
    EXPECT_EQ(lungo[999], "400");
    EXPECT_EQ(lungo[1000], "… registro fermato a 1000 righe");
}

TEST(MetodoLua, FileDelMetodo) {
    test::CartellaTemporanea cartella;
    auto scrivi = [&](const std::string& nome, const std::string& testo) {
        std::ofstream(cartella / nome, std::ios::binary) << testo;
        return cartella / nome;
    };
    const FileMetodo buono = leggiFileMetodo(scrivi("buono.lua", "-- già\nfunction metodo(t) end\n"));
    EXPECT_EQ(buono.errore, "");
    EXPECT_EQ(buono.testo, "-- già\nfunction metodo(t) end\n");
    EXPECT_NE(leggiFileMetodo(cartella / "manca.lua").errore, "");
    EXPECT_EQ(leggiFileMetodo(scrivi("latino.lua", "-- gi\xE0\n")).errore,
              "Il file del metodo \"latino.lua\" non è un testo UTF-8.");
    EXPECT_EQ(leggiFileMetodo(scrivi("grande.lua", std::string((1 << 20) + 1, '-'))).errore,
              "Il file del metodo \"grande.lua\" supera 1 MB: non viene letto.");
}
