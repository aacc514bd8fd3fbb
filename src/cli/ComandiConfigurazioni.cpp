// Commands of the saved configurations and of the statistical summary.
#include <QLocale>
#include <memory>

#include "cli/OpzioniIndice.h"
#include "index/GriglieIndice.h"
#include "index/Riepilogo.h"
#include "index/db/DatabaseConfigurazioni.h"

namespace quorvane::cli {

namespace {

const char* const SenzaPrevisioni = "Attenzione !  non ci sono previsione associate.";
const char* const SalvataggioFallito =
    "Attenzione, probabilmente la denominazione della configurazione è gia presente.";

// The program database, which a command on saved configurations cannot do without: created, on
// the first run, as the program's first start creates it.
std::unique_ptr<DatabaseProgramma> databaseConfigurazioni() {
    return databaseProgramma(true);
}

std::vector<Configurazione> elencoConfigurazioni(DatabaseProgramma* programma) {
    if (!programma) return {};
    QString errore;
    auto elenco = leggiConfigurazioni(programma->db(), &errore);
    if (!elenco) throw ErroreComando{EsitoInputErrato, "configurazioni illeggibili: " + errore.toStdString()};
    return *elenco;
}

long long codice(const std::string& testo) {
    return numero(testo, "il codice di configurazione", 1, LLONG_MAX);
}

Configurazione configurazioneCod(DatabaseProgramma& programma, const std::string& testo) {
    const long long cod = codice(testo);
    for (const Configurazione& c : elencoConfigurazioni(&programma))
        if (c.IdConfig == cod) return c;
    throw ErroreComando{EsitoInputErrato, "configurazione inesistente: " + testo};
}

int configurazioniCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 0);
    auto programma = databaseProgramma();
    Griglia configurazioni("FgE");
    riempiTabellaConfigurazioni(configurazioni, elencoConfigurazioni(programma.get()));
    stampa(opzioni, tabelle::Configurazioni, configurazioni);
    return 0;
}

int salvaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 1);
    ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    const MetodoIndice metodo = metodoDaOpzioni(opzioni, archivio);
    if (metodo.analisi.previsioni.empty()) throw ErroreComando{EsitoInputErrato, SenzaPrevisioni};
    auto programma = databaseConfigurazioni();
    QString errore;
    bool nomePresente = false;
    const auto id = salvaConfigurazione(programma->db(), configurazioneDa(metodo.analisi, opzioni.argomenti[0]),
                                        previsioniDaSalvare(metodo.analisi), &errore, &nomePresente);
    // The program's message blames the name: only when the name is what failed.
    if (!id)
        throw ErroreComando{EsitoInputErrato, nomePresente
                                                  ? std::string(SalvataggioFallito) + " (" + errore.toStdString() + ")"
                                                  : "configurazione non salvata: " + errore.toStdString()};
    // The configuration as stored, in the list's layout.
    Griglia configurazioni("FgE");
    riempiTabellaConfigurazioni(configurazioni, {configurazioneCod(*programma, std::to_string(*id))});
    stampa(opzioni, tabelle::Configurazioni, configurazioni);
    return 0;
}

int apriCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"con-estrazione", "estrazione", "forza-ultima"}, 1);
    auto programma = databaseConfigurazioni();
    const Configurazione configurazione = configurazioneCod(*programma, opzioni.argomenti[0]);
    QString errore;
    const auto righe = leggiPrevisioniSalvate(programma->db(), configurazione.IdConfig, &errore);
    if (!righe) throw ErroreComando{EsitoInputErrato, "configurazione illeggibile: " + errore.toStdString()};

    ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MetodoIndice metodo(archivio);
    metodo.analisi = analisiDaOpzioni(opzioni, archivio);
    applicaConfigurazione(configurazione, opzioni.segnale("con-estrazione"), metodo.analisi,
                          archivio.UltimaEstrazione());
    metodo.RicavaBaseDati();
    CaricaSoloGiocate(metodo, *righe);

    Griglia modello("FgV");
    riempiTabellaModello(modello, metodo.analisi, archivio);
    const Griglia previsioni = grigliaPrevisioni(metodo);
    stampaConEtichette(opzioni, tabelle::EstrazioniModello, modello, contatori(metodo),
                       {{tabelle::Previsioni, &previsioni}});
    return 0;
}

int eliminaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 1);
    const long long cod = codice(opzioni.argomenti[0]);
    auto programma = databaseConfigurazioni();
    QString errore;
    switch (eliminaConfigurazione(programma->db(), cod, &errore)) {
        case EsitoEliminazione::Eliminata:
            stampaMessaggio(opzioni, "Record eliminato");
            return 0;
        case EsitoEliminazione::Inesistente:
            throw ErroreComando{EsitoInputErrato, "configurazione inesistente: " + opzioni.argomenti[0]};
        case EsitoEliminazione::Errore:
            break;
    }
    throw ErroreComando{EsitoInputErrato, "configurazione non eliminata: " + errore.toStdString()};
}

int riepilogoCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MetodoIndice metodo = metodoDaOpzioni(opzioni, archivio);
    const Riepilogo riepilogo = calcolaRiepilogo(metodo.contatori);
    Griglia perQuantita("Fg1"), perColpo("Fg2");
    riempiEsitiPerQuantita(perQuantita, riepilogo);
    riempiEsitiPerColpo(perColpo, riepilogo, QLocale().decimalPoint().toStdString());
    stampaConEtichette(opzioni, tabelle::EsitiPerQuantita, perQuantita,
                       {{"Totale esiti", static_cast<long long>(riepilogo.totale)}},
                       {{tabelle::EsitiPerColpo, &perColpo}});
    return 0;
}

}  // namespace

std::vector<Comando> comandiConfigurazioni() {
    return {
        {"configurazioni", "", "le configurazioni salvate, per nome (configurazioni)", configurazioniCmd},
        {"salva-configurazione", "NOME [opzioni di verifica]", "salva opzioni e previsioni con un nome", salvaCmd},
        {"apri-configurazione", "COD [--con-estrazione]",
         "ripristina e verifica una configurazione (estrazioni_modello, previsioni)", apriCmd},
        {"elimina-configurazione", "COD", "elimina una configurazione con le sue previsioni", eliminaCmd},
        {"riepilogo", "[opzioni di verifica]",
         "esiti per quantità di numeri e per colpo (esiti_per_quantita, esiti_per_colpo)", riepilogoCmd},
    };
}

}  // namespace quorvane::cli
