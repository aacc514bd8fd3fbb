// The statistics of numbers and pairs on the real archive: the figures alone, on all eleven
// wheels over the whole archive, and the window opened and shown with its grid and chart.
#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "analyses/Statistiche.h"
#include "analyses/ui/FinestraStatistiche.h"
#include "core/db/Sessione.h"
#include "core/ui/Programma.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

void statistiche(benchmark::State& state, TipoStatistiche tipo) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    RichiestaStatistiche richiesta;
    richiesta.tipo = tipo;
    richiesta.ruote.fill(true);
    Statistiche s;
    for (auto _ : state) {
        if (s.calcola(*archivio, richiesta) != ErroreStatistiche::Nessuno) return state.SkipWithError("rifiutata");
        benchmark::DoNotOptimize(s.figura(0));
    }
    state.counters["estrazioni"] = s.estrazioniContate();
}
void BM_StatisticheEstratti(benchmark::State& state) {
    statistiche(state, TipoStatistiche::Estratti);
}
void BM_StatisticheAmbi(benchmark::State& state) {
    statistiche(state, TipoStatistiche::Ambi);
}

// The window as the main window's button opens it: the ten regional wheels over the whole
// archive, the grid of the 90 numbers and the chart, shown and painted.
void BM_FinestraStatistiche(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    QTemporaryDir cartella;
    QString errore;
    auto sessione = Sessione::avvia(cartella.path(), Programma::oggi(), &errore);
    if (!sessione) return state.SkipWithError(qPrintable(errore));
    sessione->archivio = *archivio;
    for (auto _ : state) {
        auto finestra = std::make_unique<FinestraStatistiche>(*sessione);
        finestra->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(finestra->grab());  // painted once, chart included
        state.PauseTiming();
        finestra.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_StatisticheEstratti)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticheAmbi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinestraStatistiche)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    AmbienteDiProva ambiente;
    QApplication app(argc, argv);
    Programma::preparaApplicazione(app);
    return eseguiConMediane(argc, argv);  // each benchmark says when the real archive is missing
}
