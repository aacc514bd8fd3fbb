// The analytical board: one figure of every number on every wheel.
#include "analyses/TabelloneAnalitico.h"
#include "cli/Comune.h"

namespace quorvane::cli {

namespace {

int tabelloneCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"valore", "dal", "al"}, 0);
    ValoreTabellone quale = ValoreTabellone::Ritardo;
    if (const auto valore = opzioni.valore("valore")) {
        const auto scelta = valoreTabellone(*valore);
        if (!scelta)
            throw ErroreComando{EsitoInputErrato, "valore sconosciuto: " + *valore + " (ritardo, presenze o massimo)"};
        quale = *scelta;
    }
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    int dal = 1, al = 0;
    if (const auto testo = opzioni.valore("dal")) dal = estrazioneDa(archivio, *testo);
    if (const auto testo = opzioni.valore("al")) al = estrazioneDa(archivio, *testo);
    TabelloneAnalitico tabellone;
    const ErroreStatistiche errore = tabellone.calcola(archivio, dal, al);
    if (errore != ErroreStatistiche::Nessuno)
        throw ErroreComando{EsitoInputErrato, messaggioStatistiche(errore, archivio)};
    Griglia tabella("FgTabellone");
    riempiTabellone(tabella, tabellone, quale);
    stampa(opzioni, tabelle::Tabellone, tabella);
    return 0;
}

}  // namespace

std::vector<Comando> comandiTabellone() {
    return {
        {"tabellone", "[--valore ritardo|presenze|massimo] [--dal X] [--al X]",
         "il ritardo attuale (o le presenze, o il ritardo massimo) di ogni numero su ogni ruota e sulle dieci "
         "regionali insieme (TT)",
         tabelloneCmd},
    };
}

}  // namespace quorvane::cli
