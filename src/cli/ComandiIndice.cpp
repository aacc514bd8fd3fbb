// Commands of the index analysis: model draws, delays, pair coverage.
#include <sstream>

#include "cli/Comune.h"
#include "index/GriglieIndice.h"

namespace quorvane::cli {

namespace {

const std::initializer_list<const char*> opzioniIndice = {
    "estrazione", "mensile", "forza-ultima", "presenze", "colpi", "fine-ricerca", "ruote"};

int interoTra(const Opzioni& opzioni, const std::string& nome, int minimo, int massimo, int predefinito) {
    auto testo = opzioni.valore(nome);
    if (!testo) return predefinito;
    int valore = intero(*testo, nome);
    if (valore < minimo || valore > massimo)
        throw ErroreComando{EsitoInputErrato, "--" + nome + " deve essere tra " + std::to_string(minimo) +
                                                  " e " + std::to_string(massimo)};
    return valore;
}

int estrazioneScelta(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    auto testo = opzioni.valore("estrazione");
    if (!testo) return archivio.UltimaEstrazione;
    if (testo->find('/') != std::string::npos) {
        if (int e = archivio.cercaData(*testo)) return e;
        throw ErroreComando{EsitoInputErrato, "Data non trovata: " + *testo};
    }
    return interoTra(opzioni, "estrazione", 1, archivio.UltimaEstrazione, archivio.UltimaEstrazione);
}

std::array<bool, NumRuote> ruoteScelte(const Opzioni& opzioni) {
    std::array<bool, NumRuote> ruote{};
    auto testo = opzioni.valore("ruote");
    if (!testo) {
        ruote[0] = true;  // the window opens with Bari alone in play
        return ruote;
    }
    std::stringstream elenco(*testo);
    std::string sigla;
    while (std::getline(elenco, sigla, ',')) {
        auto ruota = ruotaDaSigla(sigla);
        if (!ruota) throw ErroreComando{EsitoInputErrato, "ruota sconosciuta: " + sigla};
        if (*ruota == RuotaTutte) ruote.fill(true);
        else ruote[*ruota - 1] = true;
    }
    return ruote;
}

// The options of the window as the command line gives them; defaults as the window opens.
AnalisiIndice analisiDaOpzioni(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    AnalisiIndice a;
    a.EstrazioneSelezionata = estrazioneScelta(opzioni, archivio);
    auto mensile = opzioni.valore("mensile");
    a.Mensile = !mensile ? archivio.ProgMese(archivio.NumEstrazioni)
                         : (*mensile == "U" || *mensile == "u") ? 0 : interoTra(opzioni, "mensile", 1, 31, 0);
    a.forzaUltima = opzioni.segnale("forza-ultima");
    a.fineRicerca = opzioni.segnale("fine-ricerca");
    a.Presenze = interoTra(opzioni, "presenze", AnalisiIndice::PresenzeMinime, AnalisiIndice::PresenzeMassime, 12);
    a.NumeroColpi = interoTra(opzioni, "colpi", 1, AnalisiIndice::ColpiMassimi, 12);
    a.ruoteInGioco = ruoteScelte(opzioni);
    return a;
}

int baseDatiCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    AnalisiIndice analisi = analisiDaOpzioni(opzioni, archivio);
    RicavaBaseDati(analisi, archivio);
    Griglia fgV("FgV");
    riempiFgV(fgV, analisi, archivio);
    stampa(opzioni, fgV);
    return 0;
}

int ritardiCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    AnalisiIndice analisi = analisiDaOpzioni(opzioni, archivio);
    Griglia fgRit("FgRit");
    riempiFgRit(fgRit, calcolaRitardi(archivio, analisi.EstrazioneSelezionata), archivio.RuoteSel);
    stampa(opzioni, fgRit);
    return 0;
}

int elaboraCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniIndice, 0);
    ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    AnalisiIndice analisi = analisiDaOpzioni(opzioni, archivio);
    RicavaBaseDati(analisi, archivio);
    impostaRuoteInGioco(archivio, analisi);
    Griglia fg9090("Fg9090");
    riempiFg9090(fg9090, Elabora(analisi, archivio));
    stampa(opzioni, fg9090);
    return 0;
}

}  // namespace

std::vector<Comando> comandiIndice() {
    const std::string opzioni =
        "[--estrazione N|GG/MM/AAAA] [--mensile U|1..31] [--forza-ultima] [--presenze N] [--colpi N] "
        "[--fine-ricerca] [--ruote BA,CA,...|TU]";
    return {
        {"base-dati", opzioni, "le estrazioni modello con le loro finestre (FgV)", baseDatiCmd},
        {"ritardi", "[--estrazione N|GG/MM/AAAA]", "il ritardo di ogni numero su ogni ruota (FgRit)", ritardiCmd},
        {"elabora", opzioni, "la copertura di ogni coppia di numeri (Fg9090)", elaboraCmd},
    };
}

}  // namespace quorvane::cli
