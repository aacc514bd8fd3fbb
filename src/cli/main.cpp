// quorvane-cli: the program's analyses without windows, through the same engine.
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "app/db/Funzionalita.h"
#include "cli/Comune.h"

using namespace quorvane::cli;

namespace {

std::vector<Comando> tuttiIComandi() {
    std::vector<Comando> comandi;
    for (auto gruppo :
         {comandiArchivio(), comandiAggiornamento(), comandiEsportazione(), comandiIndice(), comandiStorico(),
          comandiConfigurazioni(), comandiAnalisi(), comandiStatistiche(), comandiSpia(), comandiTabellone()})
        comandi.insert(comandi.end(), gruppo.begin(), gruppo.end());
    return comandi;
}

void stampaUso(std::ostream& out, const std::vector<Comando>& comandi) {
    out << "Uso: quorvane-cli [--archivio FILE] [--json] COMANDO [opzioni]\n"
           "  --archivio FILE  un archivio SQLite o il file storico ufficiale (letto, mai scritto:\n"
           "                   solo aggiorna e scarica-storico --aggiorna modificano un archivio SQLite)\n"
           "  --json           le tabelle in JSON, con i colori\n"
           "  --version        la versione del programma\n"
           "Comandi:\n";
    // A long synopsis gets its own line, the description below it, so both read in a terminal.
    constexpr std::size_t colonna = 40;
    for (const Comando& c : comandi) {
        std::string voce = c.nome + " " + c.argomenti;
        if (voce.size() < colonna) voce.resize(colonna, ' ');
        else voce += "\n" + std::string(colonna + 2, ' ');
        out << "  " << voce << c.descrizione << "\n";
    }
}

// Output is UTF-8 with "\n" line ends everywhere: on Windows the console is told so, and the C
// runtime must not turn "\n" into "\r\n".
void preparaUscite() {
#ifdef Q_OS_WIN
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

// The arguments as Qt reads them (on Windows from the wide command line), each in UTF-8.
// Elsewhere an argument whose bytes are not text in the system's encoding would, once decoded,
// name another file: it is refused rather than guessed.
std::optional<std::vector<std::string>> leggiArgomenti([[maybe_unused]] char** argv,
                                                       [[maybe_unused]] std::string* errore) {
    const QStringList lista = QCoreApplication::arguments();
    std::vector<std::string> argomenti;
    for (qsizetype i = 1; i < lista.size(); ++i) {
#ifndef Q_OS_WIN
        if (QFile::encodeName(lista[i]) != QByteArray(argv[i])) {
            *errore = "l'argomento \"" + lista[i].toStdString() +
                      "\" contiene caratteri non validi nella codifica del sistema: se è il nome di un file, "
                      "rinominarlo";
            return std::nullopt;
        }
#endif
        argomenti.push_back(lista[i].toStdString());
    }
    return argomenti;
}

// The error on one line of standard error and, under --json, as {"errore": ...} on standard
// output, so that a script reading the JSON is told too; the exit status is the error's.
int segnala(bool json, const ErroreComando& e, bool conAiuto, const std::vector<std::string>& argomenti = {}) {
    std::string messaggio = testoBreve(e.messaggio, argomenti);
    // One line, whatever the message was made for (a window's box may take several).
    std::replace(messaggio.begin(), messaggio.end(), '\n', ' ');
    std::cerr << "Errore: " << messaggio << (conAiuto ? " (quorvane-cli --help per l'uso)" : "") << "\n";
    if (json) {
        quorvane::CampiExtra campi = {{"errore", messaggio}};
        campi.insert(campi.end(), e.extra.begin(), e.extra.end());
        std::cout << quorvane::oggettoJson(campi) << "\n";
    }
    return e.esito;
}

// A command's status once what it printed is written: output that could not be written (a full
// disk, a file past the size limit) makes the run fail, named as a write error.
int uscitaScritta(bool json, int esito, const std::vector<std::string>& argomenti) {
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return esito;
    const std::string motivo = errno == EFBIG    ? "il file supera la dimensione massima consentita"
                               : errno == ENOSPC ? "spazio esaurito sul disco"
                                                 : std::strerror(errno);
    return segnala(json, {EsitoInputErrato, "scrittura dell'uscita non riuscita: " + motivo}, false, argomenti);
}

}  // namespace

int main(int argc, char** argv) {
    preparaUscite();
#ifdef SIGXFSZ
    // Past the file size limit a write must fail and be reported, not end the program unheard.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    // Texts as the windows show them, with the Italian decimal comma.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // The program database with the same tables as the program's.
    quorvane::registraFunzionalita();
    const std::vector<Comando> comandi = tuttiIComandi();
    std::string errore;
    const auto letti = leggiArgomenti(argv, &errore);
    if (!letti) return segnala(false, {EsitoInputErrato, errore}, false);
    const std::vector<std::string>& argomenti = *letti;
    if (argomenti.empty() || argomenti[0] == "--help" || argomenti[0] == "-h") {
        stampaUso(argomenti.empty() ? std::cerr : std::cout, comandi);
        return argomenti.empty() ? EsitoUsoErrato : 0;
    }
    if (argomenti.size() == 1 && argomenti[0] == "--version") {
        std::cout << "quorvane-cli " QUORVANE_VERSIONE "\n";
        return 0;
    }
    // Asked for even when the rest of the line cannot be read: the error is then JSON too.
    const bool json = std::find(argomenti.begin(), argomenti.end(), "--json") != argomenti.end();
    auto opzioni = leggiOpzioni(argomenti, &errore);
    if (!opzioni) return segnala(json, {EsitoUsoErrato, errore}, true, argomenti);
    for (const Comando& c : comandi) {
        if (c.nome != opzioni->comando) continue;
        try {
            return uscitaScritta(json, c.esegui(*opzioni), argomenti);
        } catch (const ErroreComando& e) {
            return segnala(json, e, false, argomenti);
        }
    }
    return segnala(json, {EsitoUsoErrato, "comando sconosciuto: " + opzioni->comando}, true, argomenti);
}
