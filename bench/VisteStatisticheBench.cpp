// The statistics views on the real archive over the whole period: a number in one position and
// the groups on all eleven wheels, the spy numbers and the analytical board.
#include <benchmark/benchmark.h>

#include "Comune.h"
#include "analyses/NumeriSpia.h"
#include "analyses/Statistiche.h"
#include "analyses/TabelloneAnalitico.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

void statistiche(benchmark::State& state, const RichiestaStatistiche& richiesta) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    Statistiche s;
    for (auto _ : state) {
        if (s.calcola(*archivio, richiesta) != ErroreStatistiche::Nessuno) return state.SkipWithError("rifiutata");
        benchmark::DoNotOptimize(s.figura(0));
    }
}

RichiestaStatistiche suTutteLeRuote(TipoStatistiche tipo) {
    RichiestaStatistiche r;
    r.tipo = tipo;
    r.ruote.fill(true);
    return r;
}

void BM_EstrattoDeterminato(benchmark::State& state) {
    RichiestaStatistiche r = suTutteLeRuote(TipoStatistiche::Posizione);
    r.posizione = 5;
    statistiche(state, r);
}

// Cadenze: the family with the most groups.
void BM_GruppiCadenze(benchmark::State& state) {
    RichiestaStatistiche r = suTutteLeRuote(TipoStatistiche::Gruppi);
    r.gruppi = gruppiFamiglia(FamigliaGruppi::Cadenze);
    statistiche(state, r);
}

// The spy's exits are few; the heaviest case asks for the longest windows on every wheel.
void spia(benchmark::State& state, int colpi, bool tutte) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    RichiestaSpia r;
    r.numero = 90;
    r.colpi = colpi;
    if (tutte) r.bersaglio.fill(true);
    NumeriSpia s;
    for (auto _ : state) {
        if (s.calcola(*archivio, r) != ErroreStatistiche::Nessuno) return state.SkipWithError("rifiutata");
        benchmark::DoNotOptimize(s.verdetto());
    }
    state.counters["finestre"] = static_cast<double>(s.occorrenze().size());
}
void BM_SpiaBari(benchmark::State& state) {
    spia(state, 5, false);
}
void BM_SpiaTutteVentiColpi(benchmark::State& state) {
    spia(state, ColpiSpiaMassimi, true);
}

void BM_Tabellone(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    TabelloneAnalitico t;
    for (auto _ : state) {
        if (t.calcola(*archivio) != ErroreStatistiche::Nessuno) return state.SkipWithError("rifiutata");
        benchmark::DoNotOptimize(t.valore(1, 0, ValoreTabellone::Ritardo));
    }
}

BENCHMARK(BM_EstrattoDeterminato)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GruppiCadenze)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpiaBari)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpiaTutteVentiColpi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabellone)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return eseguiConMediane(argc, argv);
}
