// Start of the program with the real archive: from opening the data folder to the main window
// shown, offscreen, and the memory the program then holds.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "Comune.h"
#include "archive/db/FileArchivio.h"
#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraInizio.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/Programma.h"

using namespace quorvane;
using namespace quorvane::bench;

namespace {

// A box the program shows is a failure here: remember it instead of waiting for a click.
QString ultimoMessaggio;

void rispondiDialoghi() {
    auto& d = Dialoghi::correnti();
    d.messaggio = [](QWidget*, QMessageBox::Icon, const QString& titolo, const QString& testo) {
        ultimoMessaggio = titolo + QStringLiteral(": ") + testo;
    };
    d.conferma = [](QWidget*, const QString&, const QString&) { return false; };
    d.apriFile = [](QWidget*, const QString&, const QString&, const QString&) { return QString(); };
    d.chiediTesto = [](QWidget*, const QString&, const QString&, const QString&) { return std::optional<QString>(); };
}

// Value of a "VmRSS:" style line of /proc/self/status, in MB.
double memoriaMB(const char* chiave) {
    std::ifstream stato("/proc/self/status");
    std::string riga;
    const std::size_t n = std::strlen(chiave);
    while (std::getline(stato, riga))
        if (riga.compare(0, n, chiave) == 0) return std::stod(riga.substr(n)) / 1024.0;
    return -1;
}

// Peak RSS from here on, so that the import done while preparing the folder is not counted.
bool azzeraPicco() {
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
    f.flush();
    return static_cast<bool>(f);
}

// A data folder as a user has it after importing the real archive and choosing it.
struct CartellaReale {
    QTemporaryDir radice;
    QString cartella;
    QString archivio;
    QString errore;
    bool pronta = false;

    CartellaReale() {
        archivio = radice.filePath(QStringLiteral("ArchivioReale.db"));
        cartella = radice.filePath(QStringLiteral("dati"));
        if (!importaStorico(fileStorico(), archivio, &errore)) return;
        if (!QDir().mkpath(cartella)) {
            errore = QStringLiteral("cartella dati non creata");
            return;
        }
        {
            auto sessione = Sessione::avvia(cartella, Programma::oggi(), &errore);
            if (!sessione) return;
            sessione->selezionaArchivio(archivio);
        }
        // The next start must really read the real archive, not the demonstration one.
        auto verifica = Sessione::avvia(cartella, Programma::oggi(), &errore);
        if (!verifica) return;
        if (QFileInfo(verifica->percorsoArchivio()) != QFileInfo(archivio) || !verifica->archivioApribile()) {
            errore = QStringLiteral("il programma non usa l'archivio scelto: ") + verifica->percorsoArchivio();
            return;
        }
        pronta = true;
    }
};

CartellaReale* reale = nullptr;
double msApplicazione = 0;  // QApplication and preparaApplicazione, once per process

double millisecondiDa(std::chrono::steady_clock::time_point inizio) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
}

// One start as the user does it: the start-up window, PROCEDI, the main window on screen.
std::unique_ptr<Programma> avviaProgramma(QString* errore) {
    ultimoMessaggio.clear();
    auto p = Programma::avvia(reale->cartella, errore);
    if (!p) return nullptr;
    p->inizio()->procedi();
    QApplication::processEvents();
    if (!p->finestraPrincipale() || !p->finestraPrincipale()->isVisible()) {
        *errore = QStringLiteral("finestra principale non mostrata. ") + ultimoMessaggio;
        return nullptr;
    }
    if (!ultimoMessaggio.isEmpty()) {
        *errore = ultimoMessaggio;
        return nullptr;
    }
    return p;
}

void BM_AvvioFinestraPrincipale(benchmark::State& state) {
    if (!reale->pronta) {
        state.SkipWithError(reale->errore.toStdString().c_str());
        return;
    }
    int estrazioni = 0;
    double rss = 0;
    for (auto _ : state) {
        QString errore;
        auto p = avviaProgramma(&errore);
        if (!p) {
            state.SkipWithError(errore.toStdString().c_str());
            break;
        }
        state.PauseTiming();
        estrazioni = p->sessione().archivio.NumEstrazioni();
        rss = memoriaMB("VmRSS:");
        p.reset();
        QApplication::processEvents();  // deleteLater of the closed windows
        state.ResumeTiming();
    }
    state.counters["estrazioni"] = estrazioni;
    state.counters["rss_mb"] = rss;
}
BENCHMARK(BM_AvvioFinestraPrincipale)->Unit(benchmark::kMillisecond);

// A fresh process started once: resident memory with the real archive loaded, and the time of
// a first start, which pays Qt's one-time costs (fonts, style) that the repeated runs do not.
int misuraMemoria() {
    if (!reale->pronta) {
        std::fprintf(stderr, "%s\n", qPrintable(reale->errore));
        return 1;
    }
    const double prima = memoriaMB("VmRSS:");
    const bool picco = azzeraPicco();
    QString errore;
    const auto inizio = std::chrono::steady_clock::now();
    auto p = avviaProgramma(&errore);
    const double msAvvio = millisecondiDa(inizio);
    if (!p) {
        std::fprintf(stderr, "%s\n", qPrintable(errore));
        return 1;
    }
    std::printf("primo avvio fino alla finestra principale: %.1f ms (+ QApplication %.1f ms)\n", msAvvio,
                msApplicazione);
    std::printf("estrazioni caricate: %d\n", p->sessione().archivio.NumEstrazioni());
    std::printf("VmRSS prima dell'avvio: %.1f MB\n", prima);
    std::printf("VmRSS finestra principale mostrata: %.1f MB\n", memoriaMB("VmRSS:"));
    std::printf("VmHWM %s: %.1f MB\n", picco ? "dall'avvio" : "del processo (import compreso)", memoriaMB("VmHWM:"));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    AmbienteDiProva ambiente;

    bool memoria = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--memoria") == 0) {
            memoria = true;
            for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            break;
        }

    const auto inizio = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    Programma::preparaApplicazione(app);
    msApplicazione = millisecondiDa(inizio);
    if (!QFileInfo::exists(fileStorico())) {
        std::printf("Archivio reale assente (%s): nessuna misura.\n", qPrintable(fileStorico()));
        return 0;
    }
    rispondiDialoghi();
    CartellaReale cartella;
    reale = &cartella;
    if (memoria) return misuraMemoria();

    return eseguiConMediane(argc, argv);
}
