// Spy numbers: which numbers follow a number on a wheel, beside what chance gives.
#include "analyses/NumeriSpia.h"
#include "cli/Comune.h"
#include "core/Ruote.h"

namespace quorvane::cli {

namespace {

int spiaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"ruota", "posizione", "colpi", "ruote-bersaglio", "dal", "al"}, 1);
    const auto sigla = opzioni.valore("ruota");
    if (!sigla) throw ErroreComando{EsitoUsoErrato, "spia richiede la ruota del numero spia: --ruota BA..NZ"};
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    RichiestaSpia richiesta;
    richiesta.numero = intero(opzioni.argomenti[0], "il numero spia", 1, NumeroMassimo);
    const auto ruota = ruotaDaSigla(*sigla);
    richiesta.ruota = ruota && *ruota != RuotaTutte ? *ruota : 0;
    // 0 stands for any position in the engine: one typed must be 1..5.
    if (const auto posizione = opzioni.valore("posizione"))
        richiesta.posizione = intero(*posizione, "--posizione", 1, NumPosizioni);
    if (const auto colpi = opzioni.valore("colpi")) richiesta.colpi = intero(*colpi, "--colpi", 1, ColpiSpiaMassimi);
    if (const auto bersaglio = opzioni.valore("ruote-bersaglio")) richiesta.bersaglio = ruoteDaTesto(*bersaglio);
    if (const auto dal = opzioni.valore("dal")) richiesta.dal = estrazioneDa(archivio, *dal);
    if (const auto al = opzioni.valore("al")) richiesta.al = estrazioneDa(archivio, *al);
    NumeriSpia spia;
    const ErroreStatistiche errore = spia.calcola(archivio, richiesta);
    if (errore != ErroreStatistiche::Nessuno)
        throw ErroreComando{EsitoInputErrato, messaggioStatistiche(errore, archivio)};
    Griglia tabella("FgSpia");
    riempiNumeriSpia(tabella, spia, spia.ordine());
    stampaConEtichette(
        opzioni, tabelle::NumeriSpia, tabella,
        {{"Finestre", static_cast<long long>(spia.occorrenze().size())}, {"Verdetto", spia.fraseVerdetto()}});
    return 0;
}

}  // namespace

std::vector<Comando> comandiSpia() {
    return {
        {"spia", "N --ruota R [--posizione P] [--colpi K] [--ruote-bersaglio BA,CA,...|TU] [--dal X] [--al X]",
         "i numeri usciti nei K colpi (5 se omesso) dopo ogni uscita di N sulla ruota R, per probabilità "
         "di caso crescente, con il verdetto",
         spiaCmd},
    };
}

}  // namespace quorvane::cli
