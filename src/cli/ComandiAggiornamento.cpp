// Commands on the update of the archive: check an update file or the downloaded official file
// against it, write the update.
#include <QString>
#include <cstdio>

#include "archive/ControlloAggiornamento.h"
#include "archive/GrigliaArchivio.h"
#include "archive/db/FileArchivio.h"
#include "archive/db/FileSorgente.h"
#include "archive/db/ScaricoStorico.h"
#include "archive/db/ScritturaArchivio.h"
#include "cli/Comune.h"
#include "core/db/DatabaseArchivio.h"
#include "core/db/DatabaseProgramma.h"

namespace quorvane::cli {

namespace {
QString archivioRichiesto(const Opzioni& opzioni) {
    if (!opzioni.archivio) throw ErroreComando{EsitoUsoErrato, opzioni.comando + " richiede --archivio DB"};
    return QString::fromStdString(*opzioni.archivio);
}

std::vector<RigaAggiornamento> leggiSorgente(const std::string& file) {
    auto letto = leggiSorgenteAggiornamento(QString::fromStdString(file));
    if (auto* e = std::get_if<ErroreSorgente>(&letto)) throw ErroreComando{EsitoInputErrato, e->messaggio};
    return std::get<std::vector<RigaAggiornamento>>(std::move(letto));
}

void scrivi(const std::string& testo) {
    std::fwrite(testo.data(), 1, testo.size(), stdout);
}

// The report alone: one line each, or {"resoconto": [...]}.
void stampaResoconto(const Opzioni& opzioni, const std::vector<std::string>& righe) {
    std::string out;
    if (opzioni.json) {
        out = oggettoJson({{std::string(chiavi::Resoconto), righe}}) + "\n";
    } else {
        for (const auto& r : righe) out += r + "\n";
    }
    scrivi(out);
}

int controllaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 1);
    QString errore;
    auto memorizzate = leggiFileArchivio(archivioRichiesto(opzioni), &errore);
    if (!memorizzate) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    stampaControllo(opzioni, leggiSorgente(opzioni.argomenti[0]), *memorizzate);
    return 0;
}

// Writes the missing draws of `righe` (with `correggi` also the differing ones) to the SQLite
// archive of --archivio; exit 0 only when every row is now in the archive as given. Rows not
// written (invalid, or different without --correggi) are listed after the writes and make the
// exit 1, the valid rows being written all the same.
int scriviInArchivio(const Opzioni& opzioni, const std::vector<RigaAggiornamento>& righe, bool correggi) {
    QString errore;
    auto db = DatabaseArchivio::apri(archivioRichiesto(opzioni), &errore);
    if (!db) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    const auto esito = scriviAggiornamento(*db, righe, correggi);
    if (!esito.errore.isEmpty()) throw ErroreComando{EsitoInputErrato, esito.messaggio().toStdString()};
    std::vector<std::string> resoconto = esito.righeScritte;
    if (esito.aggiunte > 0) resoconto.push_back("aggiunti N° " + std::to_string(esito.aggiunte) + " record");
    int nonValide = 0, nonCorrette = 0, uguali = 0;
    for (const ControlloRiga& c : esito.controllo.righe) {
        uguali += c.stato == StatoRiga::Uguale;
        const bool nonScritta = c.stato == StatoRiga::Malformata || (c.stato == StatoRiga::Diversa && !correggi);
        if (!nonScritta) continue;
        resoconto.push_back(c.voce);
        ++(c.stato == StatoRiga::Malformata ? nonValide : nonCorrette);
    }
    const bool completo = nonValide + nonCorrette == 0;
    // Under --json one object: the report goes with the error.
    if (completo || !opzioni.json) stampaResoconto(opzioni, resoconto);
    if (completo) return 0;
    const char* altre = esito.aggiunte + esito.modificate > 0 ? "le altre estrazioni sono state scritte"
                        : uguali > 0 ? "le altre erano già nell'archivio: nessuna estrazione è stata scritta"
                                     : "nel file non c'erano altre estrazioni da scrivere";
    throw ErroreComando{EsitoInputErrato,
                        "aggiornamento incompleto: " + std::to_string(nonValide) + " righe non valide non scritte, " +
                            std::to_string(nonCorrette) +
                            " estrazioni diverse dall'archivio non corrette (usare --correggi); " + altre,
                        {{std::string(chiavi::Resoconto), resoconto}}};
}

int aggiornaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"correggi"}, 1);
    archivioRichiesto(opzioni);  // usage before input: the file is read only for an archive
    return scriviInArchivio(opzioni, leggiSorgente(opzioni.argomenti[0]), opzioni.segnale("correggi"));
}

int scaricaStoricoCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"indirizzo", "aggiorna", "correggi"}, 0);
    const bool aggiorna = opzioni.segnale("aggiorna");
    if (opzioni.segnale("correggi") && !aggiorna)
        throw ErroreComando{EsitoUsoErrato, "--correggi vale solo con --aggiorna"};
    // The archive is found before the download, so that a missing one costs no transfer.
    const QString archivio = aggiorna ? archivioRichiesto(opzioni) : percorsoArchivio(opzioni);
    QString indirizzo;
    if (auto dato = opzioni.valore("indirizzo")) {
        indirizzo = QString::fromStdString(*dato);
    } else {
        auto programma = databaseProgramma();
        indirizzo = programma ? indirizzoArchivioUfficiale(*programma) : IndirizzoArchivioUfficialePredefinito;
    }
    auto scaricato = scaricaArchivioUfficiale(indirizzo);
    if (auto* e = std::get_if<ErroreSorgente>(&scaricato)) throw ErroreComando{EsitoInputErrato, e->messaggio};
    const auto& righe = std::get<std::vector<RigaAggiornamento>>(scaricato);
    if (aggiorna) return scriviInArchivio(opzioni, righe, opzioni.segnale("correggi"));
    QString errore;
    auto memorizzate = leggiFileArchivio(archivio, &errore);
    if (!memorizzate) throw ErroreComando{EsitoInputErrato, errore.toStdString()};
    stampaControllo(opzioni, righe, *memorizzate);
    return 0;
}
}  // namespace

void stampaControllo(const Opzioni& opzioni, const std::vector<RigaAggiornamento>& righe,
                     const std::vector<RigaArchivio>& memorizzate) {
    const auto controllo = ConfrontoAggiornamento(righe, memorizzate);
    Griglia righeLette("FgImporta");
    riempiRigheImportate(righeLette, righe);
    segnaControllo(righeLette, controllo);
    if (opzioni.json)
        return stampa(opzioni, tabelle::RigheAggiornamento, righeLette,
                      {{std::string(chiavi::Resoconto), controllo.righeSegnalate}});
    stampa(opzioni, tabelle::RigheAggiornamento, righeLette);
    scrivi("\n");
    stampaResoconto(opzioni, controllo.righeSegnalate);
}

std::vector<Comando> comandiAggiornamento() {
    return {
        {"controlla-aggiornamento", "FILE --archivio FILE",
         "confronta FILE (di aggiornamento o storico ufficiale) con l'archivio (righe_aggiornamento, resoconto)",
         controllaCmd},
        {"aggiorna", "FILE [--correggi] --archivio DB",
         "scrive in DB (SQLite) le estrazioni mancanti e, con --correggi, quelle diverse", aggiornaCmd},
        {"scarica-storico", "[--indirizzo URL] [--aggiorna [--correggi] --archivio DB]",
         "scarica il file storico ufficiale (parametro IndirizzoArchivioUfficiale), lo confronta con l'archivio "
         "e, con --aggiorna, scrive in DB le estrazioni mancanti",
         scaricaStoricoCmd},
    };
}

}  // namespace quorvane::cli
