// Loading and importing the real archive: what PROCEDI costs, split into storage and engine,
// and what importa-storico costs on the whole official file.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "archive/db/FileArchivio.h"
#include "core/ArchivioEstrazioni.h"
#include "core/db/DatabaseArchivio.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

// One archive database imported from the real file, shared by the loading benchmarks.
struct ArchivioReale {
    QTemporaryDir cartella;
    QString percorso;
    std::vector<RigaArchivio> righe;
    QString errore;

    ArchivioReale() {
        percorso = cartella.filePath(QStringLiteral("ArchivioReale.db"));
        if (!importaStorico(fileStorico(), percorso, &errore)) return;
        auto db = DatabaseArchivio::apri(percorso, &errore);
        if (!db) return;
        if (auto lette = db->leggiEstrazioni(&errore)) righe = std::move(*lette);
    }
    static ArchivioReale& unico() {
        static ArchivioReale archivio;
        return archivio;
    }
};

bool pronto(benchmark::State& state, const ArchivioReale& reale) {
    if (!reale.righe.empty()) return true;
    state.SkipWithError(("archivio reale non disponibile: " + reale.errore.toStdString()).c_str());
    return false;
}

// The whole of PROCEDI without the windows: open the database, read it, build the tables.
void BM_Procedi(benchmark::State& state) {
    auto& reale = ArchivioReale::unico();
    if (!pronto(state, reale)) return;
    int estrazioni = 0;
    for (auto _ : state) {
        QString errore;
        auto db = DatabaseArchivio::apri(reale.percorso, &errore);
        auto righe = db ? db->leggiEstrazioni(&errore) : std::nullopt;
        if (!righe) {
            state.SkipWithError(errore.toStdString().c_str());
            break;
        }
        ArchivioEstrazioni archivio;
        archivio.impostaEstrazioneIniziale(1);  // the program's default parameter
        if (archivio.CaricaArchivio(*righe, TipoCaricamento::Avvio) != EsitoCaricamento::Riuscito) {
            state.SkipWithError("CaricaArchivio non riuscito");
            break;
        }
        estrazioni = archivio.NumEstrazioni();
        benchmark::DoNotOptimize(archivio.NumModello());
    }
    state.counters["estrazioni"] = estrazioni;
}
BENCHMARK(BM_Procedi)->Unit(benchmark::kMillisecond);

// The storage half alone: open and read every row.
void BM_LeggiEstrazioni(benchmark::State& state) {
    auto& reale = ArchivioReale::unico();
    if (!pronto(state, reale)) return;
    for (auto _ : state) {
        QString errore;
        auto db = DatabaseArchivio::apri(reale.percorso, &errore);
        auto righe = db ? db->leggiEstrazioni(&errore) : std::nullopt;
        if (!righe) {
            state.SkipWithError(errore.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(righe->size());
    }
}
BENCHMARK(BM_LeggiEstrazioni)->Unit(benchmark::kMillisecond);

// The engine half alone: CaricaArchivio on rows already in memory.
void BM_CaricaArchivio(benchmark::State& state) {
    auto& reale = ArchivioReale::unico();
    if (!pronto(state, reale)) return;
    int estrazioni = 0;
    for (auto _ : state) {
        ArchivioEstrazioni archivio;
        archivio.impostaEstrazioneIniziale(1);
        if (archivio.CaricaArchivio(reale.righe, TipoCaricamento::Avvio) != EsitoCaricamento::Riuscito) {
            state.SkipWithError("CaricaArchivio non riuscito");
            break;
        }
        estrazioni = archivio.NumEstrazioni();
        benchmark::DoNotOptimize(archivio.NumModello());
    }
    state.counters["estrazioni"] = estrazioni;
}
BENCHMARK(BM_CaricaArchivio)->Unit(benchmark::kMillisecond);

// importa-storico into a new database: the timed part creates the file and its table and
// writes every draw; removing the previous file is outside the timing.
void BM_ImportaStorico(benchmark::State& state) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("Importato.db"));
    int aggiunte = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(percorso);
        QFile::remove(percorso + QStringLiteral("-journal"));
        state.ResumeTiming();
        QString errore;
        const auto esito = importaStorico(fileStorico(), percorso, &errore);
        if (!esito) {
            state.SkipWithError(errore.toStdString().c_str());
            break;
        }
        aggiunte = esito->aggiunte;
    }
    state.counters["estrazioni"] = aggiunte;
}
BENCHMARK(BM_ImportaStorico)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!QFileInfo::exists(fileStorico())) {
        std::printf("Archivio reale assente (%s): nessuna misura.\n", qPrintable(fileStorico()));
        return 0;
    }
    return eseguiConMediane(argc, argv);
}
