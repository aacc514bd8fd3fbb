// Commands on the archive itself: import, list of draws, model period.
#include <QString>

#include "archive/db/FileArchivio.h"
#include "cli/Comune.h"
#include "core/ElencoEstrazioni.h"

namespace quorvane::cli {

namespace {
int importaStoricoCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 1);
    if (!opzioni.archivio) throw ErroreComando{EsitoUsoErrato, "importa-storico richiede --archivio DB"};
    QString errore;
    auto esito = importaStorico(QString::fromStdString(opzioni.argomenti[0]), QString::fromStdString(*opzioni.archivio),
                                &errore);
    if (!esito) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    stampaMessaggio(
        opzioni,
        "Estrazioni lette: " + std::to_string(esito->lette) +
            ", aggiunte all'archivio: " + std::to_string(esito->aggiunte),
        {{"lette", static_cast<long long>(esito->lette)}, {"aggiunte", static_cast<long long>(esito->aggiunte)}});
    return 0;
}

int estrazioniCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 0);
    Griglia estrazioni("fgpa");
    riempiElencoEstrazioni(estrazioni, caricaArchivio(opzioni));
    stampa(opzioni, tabelle::Estrazioni, estrazioni);
    return 0;
}

int periodoCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"iniziale"}, 0);
    auto iniziale = opzioni.valore("iniziale");
    const int n = iniziale ? intero(*iniziale, "--iniziale", 1) : 1;
    stampa(opzioni, tabelle::PeriodoModello, grigliaPeriodo(caricaArchivio(opzioni, n).periodoModello()));
    return 0;
}
}  // namespace

std::vector<Comando> comandiArchivio() {
    return {
        {"importa-storico", "FILE --archivio DB",
         "aggiunge a DB (creato se manca) le estrazioni del file storico ufficiale", importaStoricoCmd},
        {"estrazioni", "", "elenco delle estrazioni: indice, data, progressivo nell'anno e nel mese", estrazioniCmd},
        {"periodo", "[--iniziale N]", "archivio modello dall'estrazione N (1 se omessa)", periodoCmd},
    };
}

}  // namespace quorvane::cli
