// A player's method in Lua on the real archive: the most-delayed-number example over twenty years
// against the built-in strategy it equals; a method reading the 90 delays at every draw of the
// archive against one that reads nothing (what the reads add per point); Lua's patterns at their
// usual work on the sandbox's matcher, which counts its steps, and on Lua's own; how long "Annulla"
// takes to stop an endless loop and a pattern backtracking without end.
#include <chrono>
#include <lua.hpp>
#include <thread>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "index/VerificaStorica.h"
#include "metodo/FileMetodo.h"
#include "metodo/MetodoLua.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

OpzioniStoriche ventiAnni(const ArchivioEstrazioni& archivio, Strategia s) {
    OpzioniStoriche o = periodoPredefinito({}, archivio);
    o.strategia = s;
    return o;
}

void esegui(benchmark::State& state, const OpzioniStoriche& o, const ArchivioEstrazioni& archivio) {
    EsitoStorico esito;
    for (auto _ : state) esito = VerificaStorica(o, archivio);
    state.counters["punti"] = esito.riepilogo.punti;
    state.counters["per punto"] = benchmark::Counter(
        esito.riepilogo.punti, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_RitardatarioLua(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    OpzioniStoriche o = ventiAnni(*archivio, Strategia::Metodo);
    o.metodoProprio = std::make_shared<MetodoLua>(
        leggiFileMetodo(std::string(QUORVANE_RISORSE) + "/metodi/ritardatario.lua").testo);
    esegui(state, o, *archivio);
}

void BM_RitardatarioProgramma(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    esegui(state, ventiAnni(*archivio, Strategia::Ritardatario), *archivio);
}

// Every draw of the archive a point (one colpo), the method's text given.
void ogniEstrazione(benchmark::State& state, const char* testo) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    OpzioniStoriche o;
    o.strategia = Strategia::Metodo;
    o.analisi.NumeroColpi = 1;
    o.dal = 1;
    o.al = archivio->NumEstrazioni();
    o.metodoProprio = std::make_shared<MetodoLua>(testo);
    esegui(state, o, *archivio);
}
void BM_NovantaRitardiOgniEstrazione(benchmark::State& state) {
    ogniEstrazione(state,
                   "function metodo(t)\n  local somma = 0\n"
                   "  for n = 1, 90 do somma = somma + ritardo(n, 'BA', t) end\nend\n");
}
void BM_NienteOgniEstrazione(benchmark::State& state) {
    ogniEstrazione(state, "function metodo(t) end\n");
}

// A date read, a play cut and joined again, numbers listed, a number at the end of a text.
const char* const Schemi = R"lua(
local n = 0
for i = 1, 20000 do
  local g, m, a = string.match("07/02/2000", "(%d+)/(%d+)/(%d+)")
  local s = string.gsub("BA 12 45 78", "%s+", ",")
  for x in string.gmatch("1,22,33,45,90", "%d+") do n = n + 1 end
  if string.find("ritardo massimo 120", "%d+$") then n = n + 1 end
end
return n
)lua";

void BM_SchemiNelRecinto(benchmark::State& state) {
    for (auto _ : state) {
        SandboxLua sandbox(1, nullptr);
        sandbox.compila(Schemi);
        sandbox.chiama(0, 1);
    }
}

void BM_SchemiDiLua(benchmark::State& state) {
    for (auto _ : state) {
        lua_State* stato = luaL_newstate();
        luaL_openlibs(stato);
        if (luaL_dostring(stato, Schemi) != LUA_OK) state.SkipWithError(lua_tostring(stato, -1));
        lua_close(stato);
    }
}

// From the cancel to the return of a run stuck in `senzaFine`.
void annulla(benchmark::State& state, const char* senzaFine) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    OpzioniStoriche o = ventiAnni(*archivio, Strategia::Metodo);
    o.metodoProprio = std::make_shared<MetodoLua>(std::string("function metodo(t)\n  ") + senzaFine + "\nend\n");
    for (auto _ : state) {
        std::atomic<bool> annulla{false};
        std::thread lavoro([&] { VerificaStorica(o, *archivio, &annulla); });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto inizio = std::chrono::steady_clock::now();
        annulla = true;
        lavoro.join();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count());
    }
}
void BM_AnnullaCicloSenzaFine(benchmark::State& state) {
    annulla(state, "while true do end");
}
void BM_AnnullaSchemaSenzaFine(benchmark::State& state) {
    annulla(state, "string.find(string.rep('a', 50000), string.rep('.-', 30) .. 'b')");
}

BENCHMARK(BM_RitardatarioLua)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RitardatarioProgramma)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NovantaRitardiOgniEstrazione)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NienteOgniEstrazione)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SchemiNelRecinto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchemiDiLua)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnnullaCicloSenzaFine)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_AnnullaSchemaSenzaFine)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return eseguiConMediane(argc, argv);  // each benchmark says when the real archive is missing
}
