// The statistics of numbers, pairs, a number in one position and groups: frequencies and
// delays on a group of wheels.
#include "analyses/Statistiche.h"
#include "cli/Comune.h"

namespace quorvane::cli {

namespace {

// "NOME:n1,n2,...": a list of the player's; the numbers are checked with the groups.
GruppoNumeri gruppoDaTesto(const std::string& testo) {
    const std::size_t due = testo.find(':');
    if (due == std::string::npos || due == 0)
        throw ErroreComando{EsitoInputErrato, "gruppo senza nome: scrivere --gruppo NOME:n1,n2,..."};
    const auto numeri = leggiNumeri(std::string_view(testo).substr(due + 1));
    if (!numeri)
        throw ErroreComando{EsitoInputErrato, "i numeri di un gruppo sono interi separati da virgole: " + testo};
    return {testo.substr(0, due), *numeri};
}

RichiestaStatistiche richiestaDa(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    RichiestaStatistiche richiesta;
    const auto famiglia = opzioni.valore("gruppi");
    const auto liste = opzioni.valori.find("gruppo");
    const bool gruppi = famiglia || liste != opzioni.valori.end();
    const auto posizione = opzioni.valore("posizione");
    if (opzioni.segnale("ambi") + gruppi + posizione.has_value() > 1)
        throw ErroreComando{EsitoUsoErrato, "--ambi, --posizione e --gruppi/--gruppo non vanno insieme"};
    if (opzioni.segnale("ambi")) richiesta.tipo = TipoStatistiche::Ambi;
    if (posizione) {
        richiesta.tipo = TipoStatistiche::Posizione;
        richiesta.posizione = intero(*posizione, "--posizione", 1, NumPosizioni);
    }
    if (gruppi) {
        richiesta.tipo = TipoStatistiche::Gruppi;
        if (famiglia) {
            const auto scelta = famigliaGruppi(*famiglia);
            if (!scelta)
                throw ErroreComando{EsitoInputErrato,
                                    messaggioStatistiche(ErroreStatistiche::FamigliaSconosciuta, archivio)};
            richiesta.gruppi = gruppiFamiglia(*scelta);
        }
        if (liste != opzioni.valori.end())
            for (const std::string& lista : liste->second) richiesta.gruppi.push_back(gruppoDaTesto(lista));
    }
    if (const auto ruote = opzioni.valore("ruote")) richiesta.ruote = ruoteDaTesto(*ruote);
    if (const auto dal = opzioni.valore("dal")) richiesta.dal = estrazioneDa(archivio, *dal);
    if (const auto al = opzioni.valore("al")) richiesta.al = estrazioneDa(archivio, *al);
    return richiesta;
}

int statisticheCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"ambi", "posizione", "gruppi", "gruppo", "ruote", "dal", "al", "ordina"}, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    const RichiestaStatistiche richiesta = richiestaDa(opzioni, archivio);
    ColonnaStatistiche colonna = ColonnaStatistiche::Elemento;
    if (const auto ordina = opzioni.valore("ordina")) {
        const auto scelta = colonnaStatistiche(*ordina, richiesta.tipo);
        if (!scelta) {
            std::string valide;
            for (const std::string& nome : intestazioniStatistiche(richiesta.tipo))
                valide += (valide.empty() ? "" : ", ") + nome;
            throw ErroreComando{EsitoInputErrato,
                                "--ordina: la tabella non ha la colonna " + *ordina + " (colonne: " + valide + ")"};
        }
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
        {"statistiche",
         "[--ambi|--posizione P|--gruppi FAMIGLIA|--gruppo NOME:n1,n2,...] [--ruote BA,CA,...|TU] [--dal X] [--al X] "
         "[--ordina COLONNA]",
         "presenze, attese e ritardi dei numeri, degli ambi, dell'estratto in posizione P o dei gruppi (decine, "
         "cadenze, figure, gemelli o liste proprie) sulle ruote scelte (le dieci regionali se omesse)",
         statisticheCmd},
    };
}

}  // namespace quorvane::cli
