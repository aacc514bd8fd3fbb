// The archive window on the real archive: reload after a change, check and write of a 100-line
// update file, and the whole official file imported in place of the demonstration archive.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "archive/FileAggiornamento.h"
#include "archive/db/FileArchivio.h"
#include "archive/db/ScritturaArchivio.h"
#include "archive/ui/FinestraArchivio.h"
#include "archive/ui/PaginaAggiornamenti.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/Programma.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

// Every box is answered Yes; a message is remembered, and one with the critical icon is a failure.
QString ultimoErrore;
QString fileScelto;

void rispondiDialoghi() {
    auto& d = Dialoghi::correnti();
    d.messaggio = [](QWidget*, QMessageBox::Icon icona, const QString& titolo, const QString& testo) {
        if (icona == QMessageBox::Critical) ultimoErrore = titolo + QStringLiteral(": ") + testo;
    };
    d.conferma = [](QWidget*, const QString&, const QString&) { return true; };
    d.apriFile = [](QWidget*, const QString&, const QString&, const QString&) { return fileScelto; };
    d.chiediTesto = [](QWidget*, const QString&, const QString&, const QString&) { return std::optional<QString>(); };
}

// A run of the program on a data folder whose archive is `archivio`, up to the archive window.
struct Finestra {
    std::unique_ptr<Sessione> sessione;
    std::unique_ptr<FinestraPrincipale> container;
    std::unique_ptr<FinestraArchivio> archivio;

    bool apri(const QString& cartella, const QString& percorso, QString* errore) {
        sessione = Sessione::avvia(cartella, Programma::oggi(), errore);
        if (!sessione) return false;
        if (!percorso.isEmpty()) sessione->selezionaArchivio(percorso);
        sessione->archivio.impostaEstrazioneIniziale(1);
        if (!sessione->caricaArchivio(TipoCaricamento::Avvio, {}, errore)) return false;
        container = std::make_unique<FinestraPrincipale>(*sessione);
        archivio = std::make_unique<FinestraArchivio>(*container);
        return true;
    }
};

// The real archive less its last 100 draws, and an update file of those 100.
struct ArchivioReale {
    QTemporaryDir radice;
    QString archivio, aggiornamento, errore;
    std::vector<RigaArchivio> ultime;
    Finestra finestra;
    bool pronto = false;

    ArchivioReale() {
        archivio = radice.filePath(QStringLiteral("ArchivioReale.db"));
        aggiornamento = radice.filePath(QStringLiteral("Estr_Agg.txt"));
        if (!importaStorico(fileStorico(), archivio, &errore)) return;
        {
            auto db = DatabaseArchivio::apri(archivio, &errore);
            auto righe = db ? db->leggiEstrazioni(&errore) : std::nullopt;
            if (!righe) return;
            ultime.assign(righe->end() - 100, righe->end());
            std::ofstream file(aggiornamento.toStdString(), std::ios::binary);
            for (const auto& r : ultime) file << rigaFileAggiornamento(r) << "\r\n";
            if (!togliUltime(*db)) return;
        }
        pronto = finestra.apri(radice.filePath(QStringLiteral("dati")), archivio, &errore);
    }

    bool togliUltime(DatabaseArchivio& db) {
        for (const auto& r : ultime)
            if (eliminaEstrazione(db, *Data::daTesto(r.data), &errore) == EsitoScrittura::Errore) return false;
        return true;
    }
    bool togliUltime() {
        auto db = DatabaseArchivio::apri(archivio, &errore);
        return db && togliUltime(*db);
    }
};

// Built in main once the application exists, so that its windows go before the application.
ArchivioReale* reale = nullptr;

bool pronto(benchmark::State& state, const ArchivioReale& archivio) {
    if (archivio.pronto) return true;
    state.SkipWithError(("archivio reale non disponibile: " + archivio.errore.toStdString()).c_str());
    return false;
}

bool senzaErrori(benchmark::State& state) {
    if (ultimoErrore.isEmpty()) return true;
    state.SkipWithError(ultimoErrore.toStdString().c_str());
    return false;
}

// The archive reloaded: the database read, the archive rebuilt in memory, FgDB refilled and the
// main window's period labels refreshed.
void BM_RicaricaArchivio(benchmark::State& state) {
    if (!pronto(state, *reale)) return;
    for (auto _ : state) {
        if (!reale->finestra.archivio->caricaArchivioExNovo()) {
            state.SkipWithError("ricarica non riuscita");
            break;
        }
    }
    state.counters["estrazioni"] = reale->finestra.sessione->archivio.NumEstrazioni();
}
BENCHMARK(BM_RicaricaArchivio)->Unit(benchmark::kMillisecond);

// "AGGIORNA DA FILE" on the 100-line file: read, FgImporta filled, compared with the archive.
void BM_ControlloCentoRighe(benchmark::State& state) {
    if (!pronto(state, *reale)) return;
    fileScelto = reale->aggiornamento;
    ultimoErrore.clear();
    for (auto _ : state) reale->finestra.archivio->aggiornamenti().aggiornaDaFile();
    senzaErrori(state);
}
BENCHMARK(BM_ControlloCentoRighe)->Unit(benchmark::kMillisecond);

// "AGGIORNAMENTO" of the 100 missing draws, reload of the archive included. The draws are
// removed again and checked outside the timing.
void BM_AggiornamentoCento(benchmark::State& state) {
    if (!pronto(state, *reale)) return;
    fileScelto = reale->aggiornamento;
    ultimoErrore.clear();
    int scritte = 0;
    for (auto _ : state) {
        state.PauseTiming();
        reale->finestra.archivio->aggiornamenti().aggiornaDaFile();
        state.ResumeTiming();
        reale->finestra.archivio->aggiornamenti().eseguiAggiornamento();
        state.PauseTiming();
        scritte = reale->finestra.sessione->archivio.NumEstrazioni();
        const bool tolte = reale->togliUltime();
        state.ResumeTiming();
        if (!tolte || !senzaErrori(state)) break;
    }
    state.counters["estrazioni_dopo"] = scritte;
}
BENCHMARK(BM_AggiornamentoCento)->Unit(benchmark::kMillisecond);

// "IMPORTA ARCHIVIO STORICO" then "AGGIORNAMENTO" from the demonstration archive: the whole
// official file read, checked and written into a new archive, which is then loaded.
void BM_ImportaStoricoDallaFinestra(benchmark::State& state) {
    QTemporaryDir radice;
    const QString cartella = radice.filePath(QStringLiteral("dati"));
    Finestra finestra;
    QString errore;
    if (!finestra.apri(cartella, {}, &errore) || !finestra.sessione->archivioDimostrativo()) {
        state.SkipWithError(("archivio dimostrativo non disponibile: " + errore.toStdString()).c_str());
        return;
    }
    const QString demo = finestra.sessione->percorsoArchivio();
    const QString nuovo = QDir(cartella).filePath(PaginaAggiornamenti::NomeArchivioStorico);
    fileScelto = fileStorico();
    ultimoErrore.clear();
    int estrazioni = 0;
    for (auto _ : state) {
        finestra.archivio->aggiornamenti().importaArchivioStorico();
        finestra.archivio->aggiornamenti().eseguiAggiornamento();
        state.PauseTiming();
        estrazioni = finestra.sessione->archivio.NumEstrazioni();
        const bool sostituito = finestra.sessione->percorsoArchivio() == nuovo;
        finestra.sessione->selezionaArchivio(demo);
        QFile::remove(nuovo);
        state.ResumeTiming();
        if (!senzaErrori(state)) break;
        if (!sostituito) {
            state.SkipWithError("l'archivio storico non ha sostituito quello dimostrativo");
            break;
        }
    }
    state.counters["estrazioni"] = estrazioni;
}
BENCHMARK(BM_ImportaStoricoDallaFinestra)->Unit(benchmark::kMillisecond);

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
