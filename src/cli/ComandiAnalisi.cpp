// Commands of the auxiliary analyses: quadrature, orthogonal systems, repetitions, one draw.
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <variant>

#include "analyses/MiniElenco.h"
#include "analyses/Quadratura.h"
#include "analyses/Ripetizioni.h"
#include "analyses/SviluppoSistema.h"
#include "analyses/db/DatabaseSistemi.h"
#include "cli/Comune.h"

namespace quorvane::cli {

namespace {

int quadraturaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 4);
    std::array<std::string, 4> caselle;
    std::array<int, 4> numeri{};
    const char* nomi[4] = {"N1", "N2", "N3", "N4"};
    for (int i = 0; i < 4; ++i) {
        const std::string& a = opzioni.argomenti[i];
        if (a != "-") {
            numeri[i] = intero(a, nomi[i], 1, 90);
            caselle[i] = std::to_string(numeri[i]);
        }
    }
    const Quadratura q = calcolaQuadratura(numeri);
    Griglia quadratura("fg1");
    preparaTabellaQuadratura(quadratura);
    scriviQuadratura(quadratura, caselle, q);
    stampaConEtichette(opzioni, tabelle::Quadratura, quadratura, {{"Totale", static_cast<long long>(q.totale)}});
    return 0;
}

// The program's database of systems; when the program was never started, the library it
// would create, built aside so that the user's data folder stays untouched.
struct SistemiDelProgramma {
    std::unique_ptr<QTemporaryDir> temporanea;
    std::unique_ptr<DatabaseProgramma> programma;

    SistemiDelProgramma() : programma(databaseProgramma()) {
        if (programma) return;
        temporanea = std::make_unique<QTemporaryDir>();
        programma = apriDatabaseProgramma(temporanea->path());
    }
    std::vector<VoceSistema> elenco() {
        QString errore;
        auto voci = leggiElencoSistemi(programma->db(), &errore);
        if (!voci) throw ErroreComando{EsitoInputErrato, "elenco dei sistemi illeggibile: " + errore.toStdString()};
        return *voci;
    }
};

int sistemiCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 0);
    Griglia sistemi("FgSistemi");
    riempiElencoSistemi(sistemi, SistemiDelProgramma().elenco());
    stampa(opzioni, tabelle::Sistemi, sistemi);
    return 0;
}

int sviluppaSistemaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, opzioni.argomenti.size());  // any count of numbers
    if (opzioni.argomenti.empty())
        throw ErroreComando{EsitoUsoErrato, "sviluppa-sistema richiede il codice del sistema"};
    const std::string& cod = opzioni.argomenti[0];
    SistemiDelProgramma db;
    const auto sistemi = db.elenco();
    const long long chiave = intero(cod, "il codice del sistema", 1);
    const auto voce = std::find_if(sistemi.begin(), sistemi.end(),
                                   [&](const VoceSistema& v) { return v.cod == chiave; });
    if (voce == sistemi.end()) throw ErroreComando{EsitoInputErrato, "sistema inesistente: " + cod};
    QString errore;
    const auto righe = leggiRigheSistema(db.programma->db(), chiave, &errore);
    SviluppoSistema sviluppo;
    if (!righe || !sviluppo.carica(*righe)) throw ErroreComando{EsitoInputErrato, "errore nel sistema " + cod};
    sviluppo.prepara();
    const std::size_t quanti = opzioni.argomenti.size() - 1;
    if (quanti > static_cast<std::size_t>(sviluppo.numeriBase()))
        throw ErroreComando{EsitoInputErrato, "il sistema " + cod + " ha " + std::to_string(sviluppo.numeriBase()) +
                                                  " numeri base, ne sono stati dati " + std::to_string(quanti)};
    for (std::size_t i = 1; i < opzioni.argomenti.size(); ++i) {
        const int n = intero(opzioni.argomenti[i], "numero", 1, 90);
        if (sviluppo.scelto(n)) throw ErroreComando{EsitoInputErrato, "numero ripetuto: " + opzioni.argomenti[i]};
        sviluppo.scegli(n);
    }
    sviluppo.sostituisci(voce->sviluppo);
    Griglia righeSviluppo("fG88");
    sviluppo.riempiSviluppo(righeSviluppo);
    stampa(opzioni, tabelle::SviluppoSistema, righeSviluppo, {{"Denominazione", voce->denominazione}});
    return 0;
}

int ripetizioniCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {"estrazione", "e", "r"}, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    const auto testoFine = opzioni.valore("estrazione");
    const int fine = testoFine ? estrazioneDa(archivio, *testoFine) : archivio.NumEstrazioni();
    const auto e = opzioni.valore("e"), r = opzioni.valore("r");
    Ripetizioni ripetizioni;
    ripetizioni.Rilevazione(archivio, fine);
    Griglia tabella("Fg2");
    riempiRipetizioni(tabella, ripetizioni.Combinazioni(
                                   e ? intero(*e, "--e", 1, Ripetizioni::EstrazioniRilevate) : 2,
                                   r ? intero(*r, "--r", Ripetizioni::MinimoRuote, Ripetizioni::MassimoRuote) : 3));
    stampaConEtichette(opzioni, tabelle::Ripetizioni, tabella, {{"Fine analisi", testoFineAnalisi(archivio, fine)}});
    return 0;
}

int estrazioneCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, {}, 1);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MiniElenco elenco;
    elenco.mostra(estrazioneDa(archivio, opzioni.argomenti[0]));
    Griglia tabella("Fg2");
    elenco.riempiTabella(tabella, archivio);
    stampaConEtichette(opzioni, tabelle::NumeriEstrazione, tabella,
                       {{"Estrazione", static_cast<long long>(elenco.estrazione())},
                        {"Data", archivio.DateEstrazioni(elenco.estrazione())},
                        {"Progressivi", elenco.progressivi(archivio)}});
    return 0;
}

}  // namespace

std::vector<Comando> comandiAnalisi() {
    return {
        {"quadratura", "A B C D", "somme e distanze fuori 90 di quattro numeri (- per una casella vuota)",
         quadraturaCmd},
        {"sistemi", "", "elenco dei sistemi ortogonali: codice, denominazione, numeri per riga", sistemiCmd},
        {"sviluppa-sistema", "COD n1 n2 ...", "sviluppo del sistema COD sui numeri dati, in ordine di grandezza",
         sviluppaSistemaCmd},
        {"ripetizioni", "[--estrazione N] [--e E] [--r R]",
         "numeri usciti su R ruote in ognuna delle ultime E estrazioni fino alla N", ripetizioniCmd},
        {"estrazione", "N", "un'estrazione (indice o GG/MM/AAAA) con i progressivi nel mese e nell'anno",
         estrazioneCmd},
    };
}

}  // namespace quorvane::cli
