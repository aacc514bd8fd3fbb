#include "Comune.h"

#include <QStandardPaths>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/db/Funzionalita.h"
#include "archive/db/FileArchivio.h"
#include "core/db/CartellaDati.h"

namespace quorvane::bench {

namespace {
// Every program here opens the program database as the program does. Once, and from main: what
// is registered names static strings of other files, which are not made before main starts.
void registraUnaVolta() {
    static const bool registrate = (registraFunzionalita(), true);
    (void)registrate;
}
}  // namespace

QString fileStorico() {
    return qEnvironmentVariable("QUORVANE_STORICO", QStringLiteral(QUORVANE_STORICO));
}

const ArchivioEstrazioni* archivioReale() {
    static const ArchivioEstrazioni* archivio = []() -> const ArchivioEstrazioni* {
        QString errore;
        auto righe = leggiFileArchivio(fileStorico(), &errore);
        static ArchivioEstrazioni caricato;
        if (!righe || caricato.CaricaArchivio(*righe, TipoCaricamento::Avvio) != EsitoCaricamento::Riuscito)
            return nullptr;
        return &caricato;
    }();
    return archivio;
}

AmbienteDiProva::AmbienteDiProva() {
    registraUnaVolta();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv(VariabileCartellaDati, dati_.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
}

int eseguiConMediane(int argc, char** argv) {
    registraUnaVolta();
    static char ripetizioni[] = "--benchmark_repetitions=10";
    static char aggregati[] = "--benchmark_report_aggregates_only=true";
    std::vector<char*> argomenti{argv[0], ripetizioni, aggregati};
    argomenti.insert(argomenti.end(), argv + 1, argv + argc);
    argomenti.push_back(nullptr);
    int n = static_cast<int>(argomenti.size()) - 1;
    benchmark::Initialize(&n, argomenti.data());
    if (benchmark::ReportUnrecognizedArguments(n, argomenti.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace quorvane::bench
