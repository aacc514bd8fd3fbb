// A player's method in Lua on the real archive: the most-delayed-number example over twenty years
// against the built-in strategy it equals; a method reading the 90 delays at every draw of the
// archive against one that reads nothing (what the reads add per point); how long "Annulla" takes
// to stop an endless loop.
#include <chrono>
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

// From the cancel to the return of a run stuck in an endless loop.
void BM_AnnullaCicloSenzaFine(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    OpzioniStoriche o = ventiAnni(*archivio, Strategia::Metodo);
    o.metodoProprio = std::make_shared<MetodoLua>("function metodo(t)\n  while true do end\nend\n");
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

BENCHMARK(BM_RitardatarioLua)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RitardatarioProgramma)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NovantaRitardiOgniEstrazione)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NienteOgniEstrazione)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AnnullaCicloSenzaFine)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return eseguiConMediane(argc, argv);  // each benchmark says when the real archive is missing
}
