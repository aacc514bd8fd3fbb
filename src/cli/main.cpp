// quorvane-cli: the program's analyses without windows, through the same engine.
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <iostream>

#include "cli/Comune.h"

using namespace quorvane::cli;

namespace {

std::vector<Comando> tuttiIComandi() {
    std::vector<Comando> comandi;
    for (auto gruppo : {comandiArchivio(), comandiAggiornamento(), comandiEsportazione(), comandiIndice(),
                        comandiConfigurazioni(), comandiAnalisi(), comandiStatistiche()})
        comandi.insert(comandi.end(), gruppo.begin(), gruppo.end());
    return comandi;
}

void stampaUso(std::ostream& out, const std::vector<Comando>& comandi) {
    out << "Uso: quorvane-cli [--archivio FILE] [--json] COMANDO [opzioni]\n"
           "  --archivio FILE  un archivio SQLite o il file storico ufficiale (letto, mai scritto:\n"
           "                   solo aggiorna modifica un archivio SQLite)\n"
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

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    // Texts as the windows show them, with the Italian decimal comma.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const std::vector<Comando> comandi = tuttiIComandi();
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    if (argomenti.empty() || argomenti[0] == "--help" || argomenti[0] == "-h") {
        stampaUso(argomenti.empty() ? std::cerr : std::cout, comandi);
        return argomenti.empty() ? EsitoUsoErrato : 0;
    }
    if (argomenti.size() == 1 && argomenti[0] == "--version") {
        std::cout << "quorvane-cli " QUORVANE_VERSIONE "\n";
        return 0;
    }
    const char* aiuto = " (quorvane-cli --help per l'uso)\n";
    std::string errore;
    auto opzioni = leggiOpzioni(argomenti, &errore);
    if (!opzioni) {
        std::cerr << "Errore: " << errore << aiuto;
        return EsitoUsoErrato;
    }
    for (const Comando& c : comandi) {
        if (c.nome != opzioni->comando) continue;
        try {
            return c.esegui(*opzioni);
        } catch (const ErroreComando& e) {
            std::cerr << "Errore: " << e.messaggio << "\n";
            return e.esito;
        }
    }
    std::cerr << "Errore: comando sconosciuto: " << opzioni->comando << aiuto;
    return EsitoUsoErrato;
}
