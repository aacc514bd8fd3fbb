// The statistics of numbers and pairs: frequencies and delays on a group of wheels.
#include "analyses/Statistiche.h"
#include "cli/Comune.h"

namespace quorvane::cli {

namespace {

int statisticheCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"ambi", "ruote", "dal", "al", "ordina"}, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    RichiestaStatistiche richiesta;
    if (opzioni.segnale("ambi")) richiesta.tipo = TipoStatistiche::Ambi;
    if (const auto ruote = opzioni.valore("ruote")) richiesta.ruote = ruoteDaTesto(*ruote);
    if (const auto dal = opzioni.valore("dal")) richiesta.dal = estrazioneDa(archivio, *dal);
    if (const auto al = opzioni.valore("al")) richiesta.al = estrazioneDa(archivio, *al);
    ColonnaStatistiche colonna = ColonnaStatistiche::Elemento;
    if (const auto ordina = opzioni.valore("ordina")) {
        const auto scelta = colonnaStatistiche(*ordina);
        if (!scelta) throw ErroreComando{EsitoInputErrato, "colonna sconosciuta: " + *ordina};
        colonna = *scelta;
    }
    Statistiche statistiche;
    const ErroreStatistiche errore = statistiche.calcola(archivio, richiesta);
    if (errore != ErroreStatistiche::Nessuno)
        throw ErroreComando{EsitoInputErrato, messaggioStatistiche(errore, archivio)};
    Griglia tabella("FgStatistiche");
    riempiStatistiche(tabella, statistiche, archivio, statistiche.ordine(colonna, discendentePerPrimo(colonna)));
    stampa(opzioni, tabelle::Statistiche, tabella);
    return 0;
}

}  // namespace

std::vector<Comando> comandiStatistiche() {
    return {
        {"statistiche", "[--ambi] [--ruote BA,CA,...|TU] [--dal X] [--al X] [--ordina COLONNA]",
         "presenze, attese e ritardi dei numeri o degli ambi sulle ruote scelte (le dieci regionali se omesse)",
         statisticheCmd},
    };
}

}  // namespace quorvane::cli
