// The exports of the whole real archive and the draw calendar of one year, through the archive
// window's commands (progress bar and file included) and, for the calendar, without the window.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "archive/Calendario.h"
#include "archive/db/CalendarioArchivio.h"
#include "archive/db/FileArchivio.h"
#include "archive/ui/FinestraArchivio.h"
#include "archive/ui/PaginaGestione.h"
#include "archive/ui/PaginaSalvataggi.h"
#include "archive/ui/RiquadroCalendario.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/Programma.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

constexpr int AnnoCalendario = 2025;  // three draws a week: the fullest calendar

// A message with the critical icon is a failure; the save dialog answers `fileScelto`.
QString ultimoErrore;
QString fileScelto;

void rispondiDialoghi() {
    auto& d = Dialoghi::correnti();
    d.messaggio = [](QWidget*, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
        if (icona != QMessageBox::Information) ultimoErrore = titolo + QStringLiteral(": ") + testo;
    };
    d.salvaFile = [](QWidget*, const QString&, const QString&, const QString&, const QString&) { return fileScelto; };
}

// The real archive imported into a database, and the archive window open on it.
struct ArchivioReale {
    QTemporaryDir radice;
    QString archivio, errore;
    std::unique_ptr<Sessione> sessione;
    std::unique_ptr<FinestraPrincipale> container;
    std::unique_ptr<FinestraArchivio> finestra;
    bool pronto = false;

    ArchivioReale() {
        archivio = radice.filePath(QStringLiteral("ArchivioReale.db"));
        if (!importaStorico(fileStorico(), archivio, &errore)) return;
        sessione = Sessione::avvia(radice.filePath(QStringLiteral("dati")), Programma::oggi(), &errore);
        if (!sessione) return;
        sessione->selezionaArchivio(archivio);
        sessione->archivio.impostaEstrazioneIniziale(1);
        if (!sessione->caricaArchivio(TipoCaricamento::Avvio, {}, &errore)) return;
        container = std::make_unique<FinestraPrincipale>(*sessione);
        finestra = std::make_unique<FinestraArchivio>(*container);
        // Zendravolta's folder on a Wine drive of our own.
        QDir(radice.path()).mkpath(QStringLiteral("wine/drive_c/KVEL3"));
        qputenv("WINEPREFIX", radice.filePath(QStringLiteral("wine")).toUtf8());
        pronto = true;
    }
};

ArchivioReale* reale = nullptr;

bool pronto(benchmark::State& state) {
    if (reale->pronto) return true;
    state.SkipWithError(("archivio reale non disponibile: " + reale->errore.toStdString()).c_str());
    return false;
}

template <class Comando>
void esporta(benchmark::State& state, Comando comando, const QString& file) {
    if (!pronto(state)) return;
    fileScelto = file;
    ultimoErrore.clear();
    for (auto _ : state) (reale->finestra->salvataggi().*comando)();
    if (!ultimoErrore.isEmpty()) return state.SkipWithError(ultimoErrore.toStdString().c_str());
    if (!QFileInfo::exists(file)) return state.SkipWithError("file non scritto");
    state.counters["byte"] = static_cast<double>(QFileInfo(file).size());
}

void BM_SalvaDatiIII(benchmark::State& state) {
    esporta(state, &PaginaSalvataggi::salvaDatiIII, reale->radice.filePath(QStringLiteral("Dati.iii")));
}
BENCHMARK(BM_SalvaDatiIII)->Unit(benchmark::kMillisecond);

void BM_SalvaZendravolta(benchmark::State& state) {
    esporta(state, &PaginaSalvataggi::salvaZendravolta,
            reale->radice.filePath(QStringLiteral("wine/drive_c/KVEL3/DATI32.III")));
}
BENCHMARK(BM_SalvaZendravolta)->Unit(benchmark::kMillisecond);

void BM_SalvaNazionale(benchmark::State& state) {
    esporta(state, &PaginaSalvataggi::salvaNazionale, reale->radice.filePath(QStringLiteral("Nazionale.Txt")));
}
BENCHMARK(BM_SalvaNazionale)->Unit(benchmark::kMillisecond);

// "Carica calendario" in the window: the archive opened, Query_AAMMGG read, fg1 filled and shown.
void BM_CaricaCalendario(benchmark::State& state) {
    if (!pronto(state)) return;
    reale->finestra->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QString::number(AnnoCalendario));
    for (auto _ : state) reale->finestra->gestione().calendario().caricaCalendario();
}
BENCHMARK(BM_CaricaCalendario)->Unit(benchmark::kMillisecond);

// The same without the window: the dates read from the database and the cross-tab built.
void BM_CalendarioSenzaFinestra(benchmark::State& state) {
    if (!pronto(state)) return;
    int righe = 0;
    for (auto _ : state) {
        QString errore;
        auto db = DatabaseArchivio::apri(reale->archivio, &errore, true);
        auto date = db ? dateCalendario(*db, AnnoCalendario, &errore) : std::nullopt;
        if (!date) return state.SkipWithError(errore.toStdString().c_str());
        Griglia fg1("fg1");
        riempiCalendario(fg1, AnnoCalendario, *date);
        righe = fg1.righe();
    }
    state.counters["mesi"] = righe - 1;
}
BENCHMARK(BM_CalendarioSenzaFinestra)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    AmbienteDiProva ambiente;
    QApplication app(argc, argv);
    Programma::preparaApplicazione(app);
    if (!QFileInfo::exists(fileStorico())) {
        std::printf("Archivio reale assente (%s): nessuna misura.\n", qPrintable(fileStorico()));
        return 0;
    }
    rispondiDialoghi();
    ArchivioReale archivio;
    reale = &archivio;
    return eseguiConMediane(argc, argv);
}
