// The historical test on the real archive: mode 2, ambo, N 8, 200 model draws, 20 colpi, all
// eleven wheels; twenty years and the whole archive on every core, twenty years on one thread,
// and how long a cancel takes to stop the run.
#include <chrono>
#include <thread>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "index/VerificaStorica.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

OpzioniStoriche opzioniPesanti(const ArchivioEstrazioni& archivio, bool intero) {
    OpzioniStoriche o;
    o.analisi.Mensile = 0;
    o.analisi.Presenze = AnalisiIndice::PresenzeMassime;
    o.analisi.NumeroColpi = AnalisiIndice::ColpiMassimi;
    o.analisi.QuantitaNumeri = 8;
    o.analisi.SorteElaborazione = 2;
    o.analisi.ruoteInGioco.fill(true);
    o = periodoPredefinito(o, archivio);
    if (intero) o.dal = 1;
    return o;
}

void storico(benchmark::State& state, bool intero, int thread) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    const OpzioniStoriche o = opzioniPesanti(*archivio, intero);
    EsitoStorico esito;
    for (auto _ : state) esito = VerificaStorica(o, *archivio, nullptr, {}, thread);
    state.counters["punti"] = esito.riepilogo.punti;
    state.counters["giocate"] = esito.riepilogo.giocate;
}
void BM_VentiAnni(benchmark::State& state) {
    storico(state, false, 0);
}
void BM_ArchivioIntero(benchmark::State& state) {
    storico(state, true, 0);
}
void BM_VentiAnniUnThread(benchmark::State& state) {
    storico(state, false, 1);
}

// From the cancel to the return of the run, cancelled while the fifth point is searched.
void BM_Annulla(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    const OpzioniStoriche o = opzioniPesanti(*archivio, false);
    for (auto _ : state) {
        std::atomic<bool> annulla{false};
        std::atomic<bool> avviata{false};
        std::thread lavoro(
            [&] { VerificaStorica(o, *archivio, &annulla, [&](int fatti, int) { avviata = avviata || fatti >= 4; }); });
        while (!avviata) std::this_thread::yield();
        const auto inizio = std::chrono::steady_clock::now();
        annulla = true;
        lavoro.join();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count());
    }
}

BENCHMARK(BM_VentiAnni)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ArchivioIntero)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VentiAnniUnThread)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Annulla)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return eseguiConMediane(argc, argv);  // each benchmark says when the real archive is missing
}
