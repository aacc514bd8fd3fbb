// The grid with 10,000 rows of 12 columns, the size of the longest tables the windows show:
// filling it, sorting it and showing it (model refresh, hidden rows, column fit, paint).
#include <QApplication>
#include <string>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "core/Griglia.h"
#include "core/ui/VistaGriglia.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

constexpr int righe = 10000;

void riempi(Griglia& g) {
    g.impostaIntestazione("A|B|C|D|E|F|G|H|I|J|K|L");
    g.impostaRighe(1);
    g.riserva(righe + 1);
    g.impostaRighe(righe + 1);
    for (int r = 1; r <= righe; ++r)
        for (int c = 0; c < 12; ++c) g.impostaTesto(r, c, std::to_string(r * 12 + c));
}

void BM_RiempiGriglia(benchmark::State& state) {
    Griglia g("grande");
    for (auto _ : state) {
        riempi(g);
        benchmark::DoNotOptimize(g.testo(righe, 11));
    }
}

void BM_OrdinaGriglia(benchmark::State& state) {
    Griglia g("grande");
    for (auto _ : state) {
        state.PauseTiming();
        riempi(g);
        state.ResumeTiming();
        g.ordina(3, Ordine::NumericoDiscendente);
    }
}

// What a window does once its grid is filled; state.range(0) hides one row in three when set.
void BM_MostraGriglia(benchmark::State& state) {
    VistaGriglia v("grande");
    v.resize(800, 600);
    v.show();
    riempi(v.griglia());
    if (state.range(0))
        for (int r = 1; r <= righe; r += 3) v.griglia().nascondiRiga(r);
    for (auto _ : state) {
        v.aggiorna();
        v.adattaColonne();
        v.repaint();
    }
}

BENCHMARK(BM_RiempiGriglia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrdinaGriglia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MostraGriglia)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    AmbienteDiProva ambiente;
    QApplication app(argc, argv);
    return eseguiConMediane(argc, argv);
}
