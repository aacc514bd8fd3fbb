// The windows of the statistics views on the real archive, each opened as the main window's
// button opens it and shown, painted once with its grid and chart.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "analyses/ui/FinestraSpia.h"
#include "analyses/ui/FinestraStatistiche.h"
#include "analyses/ui/FinestraTabellone.h"
#include "core/db/Sessione.h"
#include "core/ui/Programma.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

// Opens, shows and paints the window `apri` makes, on a session holding the real archive.
template <class Apri>
void finestra(benchmark::State& state, Apri apri) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) return state.SkipWithError("archivio reale assente");
    QTemporaryDir cartella;
    QString errore;
    auto sessione = Sessione::avvia(cartella.path(), Programma::oggi(), &errore);
    if (!sessione) return state.SkipWithError(qPrintable(errore));
    sessione->archivio = *archivio;
    for (auto _ : state) {
        std::unique_ptr<QWidget> f(apri(*sessione));
        f->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(f->grab());
        state.PauseTiming();
        f.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// The spy 90 on Bari, as the window opens.
void BM_FinestraSpia(benchmark::State& state) {
    finestra(state, [](Sessione& s) { return new FinestraSpia(s); });
}

void BM_FinestraTabellone(benchmark::State& state) {
    finestra(state, [](Sessione& s) { return new FinestraTabellone(s); });
}

// The statistics window as it opens, then turned to the cadenze with their chart.
void BM_FinestraStatisticheGruppi(benchmark::State& state) {
    finestra(state, [](Sessione& s) {
        auto* f = new FinestraStatistiche(s);
        f->findChild<QComboBox*>(QStringLiteral("ComboTipo"))->setCurrentIndex(FinestraStatistiche::TipoGruppi);
        f->findChild<QComboBox*>(QStringLiteral("ComboGruppi"))->setCurrentIndex(1);
        f->calcola();
        return f;
    });
}

BENCHMARK(BM_FinestraSpia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinestraTabellone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinestraStatisticheGruppi)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    AmbienteDiProva ambiente;
    QApplication app(argc, argv);
    Programma::preparaApplicazione(app);
    return eseguiConMediane(argc, argv);
}
