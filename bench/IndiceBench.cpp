// The index analysis on the real archive with the heaviest options of the window: 200 model
// draws, 20 colpi, all eleven wheels.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "archive/StoricoUfficiale.h"
#include "core/ui/VistaGriglia.h"
#include "index/Copertura.h"
#include "index/GriglieIndice.h"
#include "index/MetodoIndice.h"
#include "index/Modalita2.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

AnalisiIndice analisiPiuPesante(const ArchivioEstrazioni& archivio) {
    AnalisiIndice a;
    a.EstrazioneSelezionata = archivio.NumEstrazioni();
    a.Mensile = 0;
    a.forzaUltima = true;
    a.Presenze = AnalisiIndice::PresenzeMassime;
    a.NumeroColpi = AnalisiIndice::ColpiMassimi;
    a.ruoteInGioco.fill(true);
    return a;
}

void BM_RicavaBaseDatiERitardi(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    AnalisiIndice a = analisiPiuPesante(*archivio);
    for (auto _ : state) {
        RicavaBaseDati(a, *archivio);
        benchmark::DoNotOptimize(calcolaRitardi(*archivio, a.EstrazioneSelezionata));
    }
    state.counters["righe"] = static_cast<double>(a.modello.size());
}

void BM_Elabora(benchmark::State& state) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    ArchivioEstrazioni archivio = *reale;
    AnalisiIndice a = analisiPiuPesante(archivio);
    RicavaBaseDati(a, archivio);
    impostaRuoteInGioco(a);
    for (auto _ : state) benchmark::DoNotOptimize(Elabora(a, archivio));
}

// What the window does after ELABORA: fill Fg9090, fit its columns and paint it.
void BM_MostraFg9090(benchmark::State& state) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    ArchivioEstrazioni archivio = *reale;
    AnalisiIndice a = analisiPiuPesante(archivio);
    RicavaBaseDati(a, archivio);
    impostaRuoteInGioco(a);
    const auto coppie = Elabora(a, archivio);
    VistaGriglia vista("Fg9090");
    vista.resize(480, 400);
    vista.show();
    for (auto _ : state) {
        riempiTabellaCoppie(vista.griglia(), coppie);
        vista.aggiorna();
        vista.adattaColonne(1);
        vista.repaint();
    }
}

// "Elaborazione modalità 2" with N = 8, without "Velocizza ricerca".
void modalita2(benchmark::State& state, int sorte) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    ArchivioEstrazioni archivio = *reale;
    AnalisiIndice a = analisiPiuPesante(archivio);
    RicavaBaseDati(a, archivio);
    impostaRuoteInGioco(a);
    a.QuantitaNumeri = 8;
    a.SorteElaborazione = sorte;
    auto tabelle = std::make_unique<TabelleConteggio>();
    std::size_t righe = 0;
    for (auto _ : state) {
        const auto fcc = ElaborazioneModalita2(a, archivio, *tabelle);
        righe = fcc.size();
        benchmark::DoNotOptimize(fcc.data());
    }
    state.counters["righe"] = static_cast<double>(righe);
}
void BM_Modalita2Ambo(benchmark::State& state) {
    modalita2(state, 2);
}
void BM_Modalita2Terno(benchmark::State& state) {
    modalita2(state, 3);
}

// "Elaborazione modalità 1" with N = 8: the 100 restarts and the ranking of the best 20.
void modalita1(benchmark::State& state, int sorte) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    ArchivioEstrazioni archivio = *reale;
    MetodoIndice metodo(archivio, 1);
    metodo.analisi = analisiPiuPesante(archivio);
    metodo.RicavaBaseDati();
    metodo.analisi.QuantitaNumeri = 8;
    metodo.analisi.SorteElaborazione = sorte;
    for (auto _ : state) {
        metodo.Modalita1();
        benchmark::DoNotOptimize(metodo.formazioni.data());
    }
}
void BM_Modalita1Ambo(benchmark::State& state) {
    modalita1(state, 2);
}
void BM_Modalita1Terno(benchmark::State& state) {
    modalita1(state, 3);
}

// "Visualizza sfaldamenti" with a full list of nine forecasts of eight numbers.
void BM_VisualizzaSfaldamenti(benchmark::State& state) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    ArchivioEstrazioni archivio = *reale;
    MetodoIndice metodo(archivio, 1);
    metodo.analisi = analisiPiuPesante(archivio);
    metodo.RicavaBaseDati();
    for (int p = 0; p < AnalisiIndice::MaxPrevisioni; ++p) {
        std::vector<int> numeri;
        for (int k = 1; k <= 8; ++k) numeri.push_back(p * 10 + k);
        metodo.AggiungiDaTavola(2, numeri);
    }
    for (auto _ : state) metodo.VisualizzaSfaldamenti();
    state.counters["coperti"] = metodo.analisi.coperti.value_or(0);
}

BENCHMARK(BM_RicavaBaseDatiERitardi)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Elabora)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_MostraFg9090)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Modalita2Ambo)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Modalita2Terno)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Modalita1Ambo)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Modalita1Terno)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_VisualizzaSfaldamenti)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    AmbienteDiProva ambiente;
    QApplication app(argc, argv);
    if (!archivioReale()) {
        std::puts("Archivio reale assente: nessuna misura.");
        return 0;
    }
    return eseguiConMediane(argc, argv);
}
