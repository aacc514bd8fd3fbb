// Saving a configuration of nine forecasts of eight numbers and opening it again on the real
// archive with the heaviest options (200 model draws, 20 colpi, all wheels): the model draws
// rebuilt and the forecasts verified. Once as the command line does it, once through the
// window's commands with its grids filled.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "archive/StoricoUfficiale.h"
#include "core/db/DatabaseProgramma.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/EtichettaCliccabile.h"
#include "core/ui/VistaGriglia.h"
#include "index/Configurazione.h"
#include "index/db/DatabaseConfigurazioni.h"
#include "index/ui/FinestraIndice.h"
#include "index/ui/PaginaConfigurazioni.h"
#include "index/ui/PaginaRuote.h"
#include "index/ui/PaginaSelezione.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

// Forecast p: the numbers 10p+1 .. 10p+8.
std::vector<int> numeriPrevisione(int p) {
    std::vector<int> numeri;
    for (int k = 1; k <= 8; ++k) numeri.push_back(p * 10 + k);
    return numeri;
}

void BM_SalvaERiapri(benchmark::State& state) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    ArchivioEstrazioni archivio = *reale;
    QTemporaryDir cartella;
    QString errore;
    auto programma = DatabaseProgramma::apri(cartella.path(), {}, &errore);
    if (!programma) return state.SkipWithError(errore.toStdString().c_str());

    MetodoIndice metodo(archivio, 1);
    AnalisiIndice& a = metodo.analisi;
    a.EstrazioneSelezionata = archivio.NumEstrazioni();
    a.Mensile = 0;
    a.forzaUltima = true;
    a.Presenze = AnalisiIndice::PresenzeMassime;
    a.NumeroColpi = AnalisiIndice::ColpiMassimi;
    a.ruoteInGioco.fill(true);
    metodo.RicavaBaseDati();
    for (int p = 0; p < AnalisiIndice::MaxPrevisioni; ++p) metodo.AggiungiDaTavola(2, numeriPrevisione(p));

    for (auto _ : state) {
        const auto id = salvaConfigurazione(programma->db(), configurazioneDa(a, "Prova"), previsioniDaSalvare(a),
                                            &errore);
        if (!id) return state.SkipWithError(errore.toStdString().c_str());
        const auto elenco = leggiConfigurazioni(programma->db(), &errore);
        const auto righe = leggiPrevisioniSalvate(programma->db(), *id, &errore);
        MetodoIndice aperto(archivio, 1);
        aperto.analisi.forzaUltima = true;
        applicaConfigurazione(elenco->front(), true, aperto.analisi, archivio.UltimaEstrazione());
        aperto.RicavaBaseDati();
        CaricaSoloGiocate(aperto, *righe);
        benchmark::DoNotOptimize(aperto.analisi.coperti);

        state.PauseTiming();
        eliminaConfigurazione(programma->db(), *id, &errore);
        state.ResumeTiming();
    }
}

void BM_SalvaERiapriFinestra(benchmark::State& state) {
    const ArchivioEstrazioni* reale = archivioReale();
    if (!reale) return state.SkipWithError("archivio reale assente");
    QTemporaryDir cartella;
    QString errore;
    auto sessione = Sessione::avvia(cartella.path(), Data{2026, 1, 1}, &errore);
    if (!sessione) return state.SkipWithError(errore.toStdString().c_str());
    sessione->archivio = *reale;
    Dialoghi& dialoghi = Dialoghi::correnti();
    dialoghi.messaggio = [](QWidget*, QMessageBox::Icon, const QString&, const QString&) {};

    FinestraIndice finestra(*sessione, nullptr);
    finestra.resize(1260, 880);
    finestra.show();
    auto trova = [&finestra](const char* nome) { return finestra.findChild<QWidget*>(QString::fromLatin1(nome)); };
    auto premi = [&](const char* nome) { static_cast<QPushButton*>(trova(nome))->click(); };
    auto* fg90 = static_cast<VistaGriglia*>(trova("Fg90"));
    auto* fgE = static_cast<VistaGriglia*>(trova("FgE"));
    auto* configurazioni = finestra.findChild<PaginaConfigurazioni*>();
    // Every wheel, 200 model draws, 20 colpi, "U" with the last draw forced.
    emit static_cast<EtichettaCliccabile*>(trova("Label6"))->clic();
    static_cast<QComboBox*>(trova("ComboPresenze"))
        ->setCurrentIndex(AnalisiIndice::PresenzeMassime - AnalisiIndice::PresenzeMinime);
    static_cast<QComboBox*>(trova("ComboC"))->setCurrentIndex(AnalisiIndice::ColpiMassimi - 1);
    static_cast<QComboBox*>(trova("ComboMensile"))->setCurrentIndex(0);
    static_cast<QAbstractButton*>(trova("Ch_ultima"))->setChecked(true);
    finestra.findChild<PaginaRuote*>()->ricavaBaseDati();
    for (int p = 0; p < AnalisiIndice::MaxPrevisioni; ++p) {
        premi("Command3");
        for (int n : numeriPrevisione(p)) emit fg90->clic((n - 1) / 10, (n - 1) % 10);
        finestra.findChild<PaginaSelezione*>()->aggiungePrevisione();
    }
    if (finestra.analisi().previsioni.size() != AnalisiIndice::MaxPrevisioni)
        return state.SkipWithError("previsioni non aggiunte");
    static_cast<QLineEdit*>(trova("Text1"))->setText(QStringLiteral("Prova"));

    for (auto _ : state) {
        configurazioni->salvaConfigurazione();
        configurazioni->elencoConfigurazioni();
        fgE->griglia().impostaRigaCorrente(1);
        configurazioni->apriConfigurazione();
        QApplication::processEvents();

        state.PauseTiming();
        eliminaConfigurazione(sessione->programma().db(), configurazioni->idConfigCorrente(), &errore);
        state.ResumeTiming();
    }
    state.counters["coperti"] = finestra.analisi().coperti.value_or(0);
}

BENCHMARK(BM_SalvaERiapri)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SalvaERiapriFinestra)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

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
