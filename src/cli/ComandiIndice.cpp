// Commands of the index analysis: model draws, delays, pair coverage.
#include <algorithm>
#include <chrono>
#include <sstream>

#include "cli/OpzioniIndice.h"
#include "index/GriglieIndice.h"

namespace quorvane::cli {

namespace {

int interoTra(const Opzioni& opzioni, const std::string& nome, int minimo, int massimo, int predefinito) {
    auto testo = opzioni.valore(nome);
    return testo ? intero(*testo, "--" + nome, minimo, massimo) : predefinito;
}

int estrazioneScelta(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    auto testo = opzioni.valore("estrazione");
    return testo ? estrazioneDa(archivio, *testo) : archivio.UltimaEstrazione();
}

std::array<bool, NumRuote> ruoteScelte(const Opzioni& opzioni) {
    auto testo = opzioni.valore("ruote");
    if (testo) return ruoteDaTesto(*testo);
    std::array<bool, NumRuote> ruote{};
    ruote[0] = true;  // the window opens with Bari alone in play
    return ruote;
}

// "S:n1,n2,...": a forecast as the number board gives it (sorte 1..3, at most eight numbers).
std::pair<int, std::vector<int>> previsioneDaTesto(const std::string& testo) {
    const auto duepunti = testo.find(':');
    const ErroreComando errore{EsitoInputErrato, "previsione non valida: " + testo + " (atteso S:n1,n2,...)"};
    if (duepunti == std::string::npos) throw errore;
    const int sorte = intero(testo.substr(0, duepunti), "la sorte di --previsione", 1, 3);
    TavolaNumeri tavola;
    std::stringstream elenco(testo.substr(duepunti + 1));
    std::string pezzo;
    while (std::getline(elenco, pezzo, ',')) {
        const int n = intero(pezzo, "un numero di --previsione", 1, NumeroMassimo);
        if (tavola.scelto(n))
            throw ErroreComando{EsitoInputErrato,
                                "previsione non valida: " + testo + " (il numero " + pezzo + " è ripetuto)"};
        if (!tavola.scegli(n))
            throw ErroreComando{EsitoInputErrato, "previsione non valida: " + testo + " (al massimo " +
                                                      std::to_string(TavolaNumeri::Massimo) + " numeri)"};
    }
    if (tavola.conta() == 0) throw errore;
    return {sorte, tavola.numeri()};
}

}  // namespace

AnalisiIndice analisiDaOpzioni(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    AnalisiIndice a;
    a.EstrazioneSelezionata = estrazioneScelta(opzioni, archivio);
    auto mensile = opzioni.valore("mensile");
    a.Mensile = !mensile                               ? archivio.ProgMese(archivio.NumEstrazioni())
                : (*mensile == "U" || *mensile == "u") ? 0
                                                       : interoTra(opzioni, "mensile", 1, 31, 0);
    a.forzaUltima = opzioni.segnale("forza-ultima");
    a.fineAllaSelezionata = opzioni.segnale("fine-ricerca");
    a.Presenze = interoTra(opzioni, "presenze", AnalisiIndice::PresenzeMinime, AnalisiIndice::PresenzeMassime, 12);
    a.NumeroColpi = interoTra(opzioni, "colpi", 1, AnalisiIndice::ColpiMassimi, 12);
    a.ruoteInGioco = ruoteScelte(opzioni);
    // A command has no "before the first elaboration": the wheels named are in play at once.
    impostaRuoteInGioco(a);
    a.QuantitaNumeri = interoTra(opzioni, "qn", 1, TavolaNumeri::Massimo, 3);
    auto capogioco = opzioni.valore("capogioco");
    a.Capogioco = capogioco && *capogioco != "No" && *capogioco != "no" ? interoTra(opzioni, "capogioco", 1, 90, 0) : 0;
    auto sorte = opzioni.valore("sorte");
    if (sorte && *sorte != "ambo" && *sorte != "terno")
        throw ErroreComando{EsitoInputErrato, "--sorte deve essere ambo o terno"};
    a.SorteElaborazione = sorte && *sorte == "terno" ? 3 : 2;
    a.veloce = opzioni.segnale("veloce");
    // Read here too, so that the commands that take the option without a search refuse the
    // same values as those that use it.
    semeDaOpzioni(opzioni);
    return a;
}

std::uint64_t semeDaOpzioni(const Opzioni& opzioni) {
    if (auto seme = opzioni.valore("seme")) return static_cast<std::uint64_t>(intero(*seme, "--seme"));
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

MetodoIndice metodoDaOpzioni(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    MetodoIndice metodo(archivio, semeDaOpzioni(opzioni));
    metodo.analisi = analisiDaOpzioni(opzioni, archivio);
    metodo.RicavaBaseDati();
    auto previsioni = opzioni.valori.find("previsione");
    if (previsioni != opzioni.valori.end()) {
        for (const std::string& testo : previsioni->second) {
            auto [sorte, numeri] = previsioneDaTesto(testo);
            const Previsione previsione = previsioneDaNumeri(sorte, numeri);
            // The same refusals as the window's number board, so that no forecast is counted twice.
            if (const auto errore = erroreSorte(sorte, previsione.quanti()))
                throw ErroreComando{EsitoInputErrato, "--previsione " + testo + ": " + *errore};
            if (const int riga = metodo.rigaInLista(previsione))
                throw ErroreComando{EsitoInputErrato, "--previsione " + testo +
                                                          ": la previsione è già nell'elenco, alla riga " +
                                                          std::to_string(riga) + "."};
            if (!metodo.AggiungiDaTavola(sorte, numeri))
                throw ErroreComando{EsitoInputErrato, "--previsione " + testo + ": " + testoListaPiena()};
        }
    }
    return metodo;
}

CampiExtra contatori(const MetodoIndice& metodo) {
    return {{"Coperti", testoCoperti(metodo.analisi)}, {"Scoperti", testoScoperti(metodo.analisi)}};
}

Griglia grigliaPrevisioni(const MetodoIndice& metodo) {
    Griglia previsioni("Fg_ZZ");
    riempiTabellaPrevisioni(previsioni, metodo.analisi);
    return previsioni;
}

namespace {

int baseDatiCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    AnalisiIndice analisi = analisiDaOpzioni(opzioni, archivio);
    RicavaBaseDati(analisi, archivio);
    Griglia modello("FgV");
    riempiTabellaModello(modello, analisi, archivio);
    stampa(opzioni, tabelle::EstrazioniModello, modello);
    return 0;
}

int ritardiCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    AnalisiIndice analisi = analisiDaOpzioni(opzioni, archivio);
    Griglia ritardi("FgRit");
    riempiTabellaRitardi(ritardi, calcolaRitardi(archivio, analisi.EstrazioneSelezionata), analisi.RuoteSel);
    stampa(opzioni, tabelle::Ritardi, ritardi);
    return 0;
}

int elaboraCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    AnalisiIndice analisi = analisiDaOpzioni(opzioni, archivio);
    RicavaBaseDati(analisi, archivio);
    Griglia coppie("Fg9090");
    riempiTabellaCoppie(coppie, Elabora(analisi, archivio));
    stampa(opzioni, tabelle::CoperturaCoppie, coppie);
    return 0;
}

int modalitaCmd(const Opzioni& opzioni, bool casuale) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MetodoIndice metodo = metodoDaOpzioni(opzioni, archivio);
    if (casuale) metodo.Modalita1();
    else metodo.Modalita2();
    Griglia formazioni("Fg_CC");
    riempiTabellaFormazioni(formazioni, metodo.formazioni);
    stampa(opzioni, tabelle::Formazioni, formazioni);
    return 0;
}

int verificaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MetodoIndice metodo = metodoDaOpzioni(opzioni, archivio);
    if (metodo.analisi.previsioni.empty()) metodo.VisualizzaSfaldamenti();
    Griglia modello("FgV");
    riempiTabellaModello(modello, metodo.analisi, archivio);
    const Griglia previsioni = grigliaPrevisioni(metodo);
    CampiExtra extra = {campoTabella({tabelle::Previsioni, &previsioni})};
    for (auto& campo : contatori(metodo)) extra.push_back(campo);
    stampa(opzioni, tabelle::EstrazioniModello, modello, extra);
    return 0;
}

int verificaRigaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 1);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MetodoIndice metodo = metodoDaOpzioni(opzioni, archivio);
    const int riga = intero(opzioni.argomenti[0], "la riga delle estrazioni modello", 1,
                            static_cast<int>(metodo.analisi.modello.size()));
    Griglia successive("Fg1");
    riempiTabellaVerifica(successive, VerificaPrevisione(metodo.analisi, archivio, riga), metodo.analisi.NumeroColpi);
    stampa(opzioni, tabelle::EstrazioniSuccessive, successive);
    return 0;
}

int cicloCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    MetodoIndice metodo = metodoDaOpzioni(opzioni, archivio);
    metodo.CicloCopertura();
    stampa(opzioni, tabelle::Previsioni, grigliaPrevisioni(metodo), contatori(metodo));
    return 0;
}

}  // namespace

std::vector<Comando> comandiIndice() {
    const std::string opzioni =
        "[--estrazione N|GG/MM/AAAA] [--mensile U|1..31] [--forza-ultima] [--presenze N] [--colpi N] "
        "[--fine-ricerca] [--ruote BA,CA,...|TU]";
    const std::string elaborazione = " [--qn N] [--capogioco N] [--sorte ambo|terno] [--veloce] [--seme N]";
    const std::string previsioni = " [--previsione S:n1,n2,...]...";
    return {
        {"base-dati", opzioni, "le estrazioni modello con le loro finestre (estrazioni_modello)", baseDatiCmd},
        {"ritardi", "[--estrazione N|GG/MM/AAAA] [--ruote BA,CA,...|TU]",
         "il ritardo di ogni numero su ogni ruota (ritardi)", ritardiCmd},
        {"elabora", opzioni, "la copertura di ogni coppia di numeri (copertura_coppie)", elaboraCmd},
        {"modalita1", opzioni + elaborazione, "le formazioni della ricerca casuale (formazioni)",
         [](const Opzioni& o) { return modalitaCmd(o, true); }},
        {"modalita2", opzioni + elaborazione, "le formazioni più frequenti (formazioni)",
         [](const Opzioni& o) { return modalitaCmd(o, false); }},
        {"verifica", opzioni + previsioni,
         "gli sfaldamenti delle previsioni nelle estrazioni modello (estrazioni_modello)", verificaCmd},
        {"verifica-riga", "R " + opzioni + previsioni,
         "le venti estrazioni dopo l'estrazione modello R (estrazioni_successive)", verificaRigaCmd},
        {"ciclo", opzioni + elaborazione, "il ciclo di copertura completo con la modalità 2 (previsioni)", cicloCmd},
    };
}

}  // namespace quorvane::cli
