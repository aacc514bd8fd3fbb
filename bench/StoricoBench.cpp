// The historical test on the real archive: mode 2, ambo, N 8, 200 model draws, 20 colpi, all
// eleven wheels; twenty years and the whole archive on every core, twenty years on one thread,
// and how long a cancel takes to stop the run. Then the covering cycle with 200 model draws on
// the first draw of each month (twenty years, whole archive), a comparison of 24 option sets over
// twenty years, and each strategy over the whole archive.
#include <chrono>
#include <thread>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "index/ConfrontoStorico.h"

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

OpzioniStoriche opzioniCiclo(const ArchivioEstrazioni& archivio, bool intero) {
    OpzioniStoriche o;
    o.analisi.Mensile = 1;
    o.analisi.Presenze = AnalisiIndice::PresenzeMassime;
    o.metodo = MetodoStorico::Ciclo;
    o = periodoPredefinito(o, archivio);
    if (intero) o.dal = 1;
    return o;
}

void ciclo(benchmark::State& state, bool intero) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    const OpzioniStoriche o = opzioniCiclo(*archivio, intero);
    EsitoStorico esito;
    for (auto _ : state) esito = VerificaStorica(o, *archivio);
    state.counters["punti"] = esito.riepilogo.punti;
    state.counters["giocate"] = esito.riepilogo.giocate;
}
void BM_CicloVentiAnni(benchmark::State& state) {
    ciclo(state, false);
}
void BM_CicloArchivioIntero(benchmark::State& state) {
    ciclo(state, true);
}

// Presenze 50..200 by 4, qn 2..4, colpi 6 and 12; training up to 2016, test from 2016.
void BM_Confronto24(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    OpzioniStoriche o = opzioniCiclo(*archivio, false);
    const std::vector<OpzioneConfronto> griglia = {
        {"presenze", {50, 100, 150, 200}}, {"qn", {2, 3, 4}}, {"colpi", {6, 12}}};
    const int provaDal = archivio->NumEstrazioni() - 1500;
    EsitoConfronto esito;
    for (auto _ : state) esito = confronta(o, griglia, provaDal, *archivio);
    state.counters["combinazioni"] = static_cast<double>(esito.combinazioni.size());
}

void strategia(benchmark::State& state, Strategia s) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    OpzioniStoriche o;
    o.strategia = s;
    o.numeri = {1, 2};
    o.dal = 1;
    o.al = archivio->NumEstrazioni();
    EsitoStorico esito;
    for (auto _ : state) esito = VerificaStorica(o, *archivio);
    state.counters["giocate"] = esito.riepilogo.giocate;
}
void BM_Ritardatario(benchmark::State& state) {
    strategia(state, Strategia::Ritardatario);
}
void BM_AmboRitardatario(benchmark::State& state) {
    strategia(state, Strategia::AmboRitardatario);
}
void BM_Frequenti(benchmark::State& state) {
    strategia(state, Strategia::Frequenti);
}
void BM_Fissi(benchmark::State& state) {
    strategia(state, Strategia::Fissi);
}

BENCHMARK(BM_VentiAnni)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ArchivioIntero)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_VentiAnniUnThread)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Annulla)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_CicloVentiAnni)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CicloArchivioIntero)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Confronto24)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Ritardatario)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AmboRitardatario)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Frequenti)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fissi)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return eseguiConMediane(argc, argv);  // each benchmark says when the real archive is missing
}
