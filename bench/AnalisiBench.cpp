// The auxiliary analyses on the real archive: the repetitions window's search after a move of
// the end draw, and building the library of orthogonal systems into a new program database.
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "analyses/Ripetizioni.h"
#include "analyses/db/DatabaseSistemi.h"
#include "archive/db/FileArchivio.h"
#include "core/db/DatabaseProgramma.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

// RILEVAZIONE then COMBINAZIONI into Fg2 at the last draw, with e = 1 (the longest lists) and
// groups of `r` wheels; r = 0 runs the five group sizes one after the other.
void BM_RilevazioneCombinazioni(benchmark::State& state) {
    const ArchivioEstrazioni* archivio = archivioReale();
    if (!archivio) {
        state.SkipWithError("archivio reale non disponibile");
        return;
    }
    const int r = static_cast<int>(state.range(0));
    const int da = r == 0 ? Ripetizioni::MinimoRuote : r, a = r == 0 ? Ripetizioni::MassimoRuote : r;
    Griglia fg2("Fg2");
    std::size_t righe = 0;
    for (auto _ : state) {
        righe = 0;
        for (int gruppo = da; gruppo <= a; ++gruppo) {
            Ripetizioni ripetizioni;
            ripetizioni.Rilevazione(*archivio, archivio->NumEstrazioni());
            riempiRipetizioni(fg2, ripetizioni.Combinazioni(1, gruppo));
            righe += static_cast<std::size_t>(fg2.righe() - 1);
        }
        benchmark::DoNotOptimize(fg2.righe());
    }
    state.counters["righe"] = static_cast<double>(righe);
}
BENCHMARK(BM_RilevazioneCombinazioni)->Arg(0)->DenseRange(2, 6)->Unit(benchmark::kMicrosecond);

// A first run: the program database created with every table and the whole library.
void BM_NuovoDatabaseConSistemi(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto cartella = std::make_unique<QTemporaryDir>();
        state.ResumeTiming();
        QString errore;
        auto db = DatabaseProgramma::apri(cartella->path(), {}, &errore);
        if (!db) {
            state.SkipWithError(errore.toStdString().c_str());
            break;
        }
        state.PauseTiming();
        db.reset();
        cartella.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NuovoDatabaseConSistemi)->Unit(benchmark::kMillisecond);

// The library alone, written into empty tables in one transaction.
void BM_ScriviBiblioteca(benchmark::State& state) {
    QTemporaryDir cartella;
    QString errore;
    auto db = DatabaseProgramma::apri(cartella.path(), {}, &errore);
    if (!db) {
        state.SkipWithError(errore.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        QSqlQuery q(db->db());
        q.exec(QStringLiteral("DELETE FROM Sist_OrtoSv"));
        q.exec(QStringLiteral("DELETE FROM Sist_Ortogonali"));
        state.ResumeTiming();
        Transazione t(db->db());
        preparaBibliotecaSistemi(t, db->db());
        if (!t.conferma()) {
            state.SkipWithError(t.errore().toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(BM_ScriviBiblioteca)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!QFileInfo::exists(fileStorico()))
        std::printf("Archivio reale assente (%s): solo le misure dei sistemi.\n", qPrintable(fileStorico()));
    return eseguiConMediane(argc, argv);
}
