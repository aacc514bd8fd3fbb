// The historical test of a strategy against chance, and the honest search for its best options.
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/Avanzamento.h"
#include "cli/OpzioniIndice.h"
#include "index/ConfrontoStorico.h"
#include "index/GiudizioVerifica.h"
#include "index/GrigliaStorico.h"
#include "metodo/FileMetodo.h"
#include "metodo/MetodoLua.h"

namespace quorvane::cli {

namespace {

// What every strategy takes; the draw, "Fine ricerca" and the forecasts are the test's own at
// each point.
const std::initializer_list<const char*> opzioniStorico = {
    "mensile",   "forza-ultima", "presenze", "colpi", "ruote",     "qn",     "capogioco", "sorte",
    "veloce",    "metodo",       "dal",      "al",    "strategia", "quanti", "finestra",  "numeri",
    "confronta", "prova-dal",    "si",       "file",  "parametro", "simula"};
const std::vector<std::string> opzioniComuni = {"colpi",     "ruote",     "dal", "al",    "strategia",
                                                "confronta", "prova-dal", "si",  "simula"};
const std::vector<std::string> opzioniIndiceStorico = {"mensile",   "forza-ultima", "presenze", "qn",
                                                       "capogioco", "sorte",        "veloce",   "metodo"};

struct NomeStrategia {
    const char* nome;
    Strategia strategia;
    std::vector<std::string> opzioni;  // its own, besides the common ones
};
const std::vector<NomeStrategia> strategie = {
    {"indice", Strategia::Indice, opzioniIndiceStorico},
    {"ritardatario", Strategia::Ritardatario, {}},
    {"ambo-ritardatario", Strategia::AmboRitardatario, {}},
    {"frequenti", Strategia::Frequenti, {"quanti", "finestra", "sorte"}},
    {"fissi", Strategia::Fissi, {"numeri", "sorte"}},
    {"metodo", Strategia::Metodo, {"file", "parametro"}},
};
constexpr std::string_view NomiSorte[] = {"", "estratto", "ambo", "terno", "quaterna", "cinquina"};

const NomeStrategia& strategiaDaRiga(const Opzioni& opzioni) {
    const std::string nome = opzioni.valore("strategia").value_or("indice");
    for (const NomeStrategia& s : strategie) {
        if (nome != s.nome) continue;
        auto ammessa = [&](const std::string& o) {
            return std::find(opzioniComuni.begin(), opzioniComuni.end(), o) != opzioniComuni.end() ||
                   std::find(s.opzioni.begin(), s.opzioni.end(), o) != s.opzioni.end();
        };
        for (const auto& [o, valori] : opzioni.valori)
            if (!ammessa(o)) throw ErroreComando{EsitoInputErrato, "--" + o + " non vale per la strategia " + nome};
        for (const std::string& o : opzioni.segnali)
            if (o != "json" && !ammessa(o))
                throw ErroreComando{EsitoInputErrato, "--" + o + " non vale per la strategia " + nome};
        return s;
    }
    throw ErroreComando{EsitoInputErrato, "strategia sconosciuta: " + nome +
                                              " (indice, ritardatario, ambo-ritardatario, frequenti, fissi, metodo)"};
}

// A list "v1,v2,...": one that holds anything but whole numbers is bad input, as its values are.
std::vector<int> interiDaTesto(const std::string& testo, const std::string& cosa, IntervalloOpzione intervallo) {
    std::vector<int> valori;
    std::stringstream elenco(testo);
    std::string pezzo;
    try {
        while (std::getline(elenco, pezzo, ','))
            valori.push_back(intero(pezzo, cosa, intervallo.minimo, intervallo.massimo));
    } catch (ErroreComando& errore) {
        errore.esito = EsitoInputErrato;
        throw;
    }
    return valori;
}

// The first wheel named: the one a strategy reads.
int ruotaLetta(const Opzioni& opzioni) {
    const std::string testo = opzioni.valore("ruote").value_or("BA");
    const auto ruota = ruotaDaSigla(testo.substr(0, testo.find(',')));
    return ruota && *ruota != RuotaTutte ? *ruota : 1;
}

// The player's method of --file, compiled, and its --parametro nome=valore.
void metodoDaRiga(const Opzioni& opzioni, OpzioniStoriche& o) {
    const auto percorso = opzioni.valore("file");
    if (!percorso) throw ErroreComando{EsitoInputErrato, "--strategia metodo vuole --file FILE.lua"};
    FileMetodo file = leggiFileMetodo(*percorso);
    if (!file.errore.empty()) throw ErroreComando{EsitoInputErrato, file.errore};
    try {
        o.metodoProprio = std::make_shared<MetodoLua>(std::move(file.testo));
    } catch (const ErroreMetodo& e) {
        throw ErroreComando{EsitoInputErrato, e.what()};
    }
    auto parametri = opzioni.valori.find("parametro");
    if (parametri == opzioni.valori.end()) return;
    for (const std::string& testo : parametri->second) {
        const auto uguale = testo.find('=');
        if (uguale == std::string::npos || uguale == 0)
            throw ErroreComando{EsitoInputErrato, "--parametro vuole nome=valore: " + testo};
        o.parametri[testo.substr(0, uguale)] = testo.substr(uguale + 1);
    }
}

OpzioniStoriche opzioniDaRiga(const Opzioni& riga, const ArchivioEstrazioni& archivio) {
    const NomeStrategia& strategia = strategiaDaRiga(riga);
    // A compared option takes the compared values in every combination: its base value, whatever
    // it is, is never used.
    Opzioni opzioni = riga;
    if (const auto confronto = riga.valori.find("confronta"); confronto != riga.valori.end())
        for (const std::string& testo : confronto->second) opzioni.valori.erase(testo.substr(0, testo.find('=')));
    Opzioni indice = opzioni;
    if (strategia.strategia != Strategia::Indice) indice.valori.erase("sorte");  // estratto .. cinquina
    OpzioniStoriche o;
    o.analisi = analisiDaOpzioni(indice, archivio);
    o = periodoPredefinito(o, archivio);
    o.strategia = strategia.strategia;
    auto metodo = opzioni.valore("metodo");
    if (metodo && *metodo != "modalita2" && *metodo != "ciclo")
        throw ErroreComando{EsitoInputErrato, "--metodo deve essere modalita2 o ciclo"};
    o.metodo = metodo && *metodo == "ciclo" ? MetodoStorico::Ciclo : MetodoStorico::Modalita2;
    o.ruotaLetta = ruotaLetta(opzioni);
    if (o.strategia == Strategia::Metodo) metodoDaRiga(opzioni, o);
    if (auto quanti = opzioni.valore("quanti")) o.quanti = intero(*quanti, "--quanti", 1, Previsione::MaxNumeri);
    if (auto finestra = opzioni.valore("finestra"))
        o.finestra = intero(*finestra, "--finestra", 1, OpzioniStoriche::FinestraMassima);
    if (auto numeri = opzioni.valore("numeri"))
        o.numeri = interiDaTesto(*numeri, "un numero di --numeri", {1, NumeroMassimo});
    if (auto sorte = opzioni.valore("sorte"); sorte && o.strategia != Strategia::Indice) {
        const auto s = std::find(std::begin(NomiSorte) + 1, std::end(NomiSorte), *sorte);
        if (s == std::end(NomiSorte))
            throw ErroreComando{EsitoInputErrato, "--sorte deve essere estratto, ambo, terno, quaterna o cinquina"};
        o.sorte = static_cast<int>(s - std::begin(NomiSorte));
    }
    if (auto dal = opzioni.valore("dal")) o.dal = estrazioneDa(archivio, *dal);
    if (auto al = opzioni.valore("al")) o.al = estrazioneDa(archivio, *al);
    // A comparison checks each combination once its values are in: the base alone may not run.
    const bool confronto = riga.valori.count("confronta") || riga.valori.count("prova-dal");
    if (auto errore = erroreStorico(o, archivio); errore && !confronto) throw ErroreComando{EsitoInputErrato, *errore};
    return o;
}

// A JSON number, or null when there is none; with a decimal point whatever the system's locale,
// which printf would follow.
JsonGrezzo numeroJson(std::optional<double> valore) {
    if (!valore) return {"null"};
    char testo[64];
    const auto fine = std::to_chars(testo, testo + sizeof testo, *valore, std::chars_format::general, 6).ptr;
    return {std::string(testo, fine)};
}

// The summary as the JSON gives it: integers, numbers, null where there is none.
CampiExtra campiRiepilogo(const RiepilogoStorico& r) {
    return {{"Punti", static_cast<long long>(r.punti)},
            {"Punti senza estrazioni sulle ruote in gioco", static_cast<long long>(r.senzaEstrazioni)},
            {"Giocate", static_cast<long long>(r.giocate)},
            {"Vincite", static_cast<long long>(r.vincite)},
            {"Attese", numeroJson(r.attese)},
            {"Rapporto", numeroJson(r.rapporto())},
            {"z", numeroJson(r.z())},
            {"p", numeroJson(r.p)},
            {"Errore p", numeroJson(r.simulazioni > 0 ? std::optional(r.erroreP) : std::nullopt)},
            {"Puntata", r.puntata},
            {"Incasso", numeroJson(r.incasso)},
            {"Resa", numeroJson(r.resa())},
            {"Resa attesa", numeroJson(r.resaAttesa())}};
}

// The summary as labels: JSON values, or the texts the window shows; then the verdict, empty
// without plays.
CampiExtra etichetteRiepilogo(const Opzioni& opzioni, const RiepilogoStorico& r, Strategia strategia,
                              const std::string& separatore) {
    CampiExtra testi;
    if (opzioni.json) {
        testi = campiRiepilogo(r);
    } else {
        for (auto& [nome, testo] : testiRiepilogoStorico(r, separatore)) testi.emplace_back(nome, testo);
    }
    testi.emplace_back("Giudizio", r.giocate > 0 ? giudizioVerifica(r, strategia, separatore) : std::string());
    return testi;
}

// A figure as the JSON gives it, or as the window shows it.
ValoreExtra numeroOTesto(const Opzioni& opzioni, double valore, const std::string& separatore) {
    if (opzioni.json) return numeroJson(valore);
    return testoDecimale(valore, 4, separatore);
}

std::vector<OpzioneConfronto> confrontoDaRiga(const Opzioni& opzioni) {
    std::vector<OpzioneConfronto> confronto;
    auto testi = opzioni.valori.find("confronta");
    if (testi == opzioni.valori.end()) return confronto;
    for (const std::string& testo : testi->second) {
        const auto uguale = testo.find('=');
        if (uguale == std::string::npos || uguale == 0)
            throw ErroreComando{EsitoInputErrato, "--confronta vuole OPZIONE=v1,v2,...: " + testo};
        const std::string nome = testo.substr(0, uguale);
        confronto.push_back({nome, interiDaTesto(testo.substr(uguale + 1), "un valore di --confronta " + nome,
                                                 intervalloConfronto(nome).value_or(IntervalloOpzione{}))});
    }
    return confronto;
}

int confrontoCmd(const Opzioni& opzioni, const ArchivioEstrazioni& archivio, const OpzioniStoriche& o,
                 const std::string& separatore) {
    const std::vector<OpzioneConfronto> confronto = confrontoDaRiga(opzioni);
    auto testoProva = opzioni.valore("prova-dal");
    if (confronto.empty() || !testoProva)
        throw ErroreComando{EsitoInputErrato, "--confronta e --prova-dal vanno dati insieme"};
    const int provaDal = estrazioneDa(archivio, *testoProva);
    if (auto errore = erroreConfronto(o, confronto, provaDal, archivio)) throw ErroreComando{EsitoInputErrato, *errore};
    int simulazioni = 0;
    if (auto testo = opzioni.valore("simula"))
        simulazioni = intero(*testo, "--simula", 1, SimulazioneConfronto::Massime);
    AvanzamentoLungo avanzamento("combinazioni", static_cast<int>(combinazioniConfronto(o, confronto).size()),
                                 opzioni.segnale("si"));
    const EsitoConfronto esito = confronta(o, confronto, provaDal, archivio, &avanzamento.annulla(),
                                           [&avanzamento](int fatti, int totale) { avanzamento(fatti, totale); });
    if (auto rifiuto = avanzamento.rifiuto()) throw ErroreComando{EsitoInputErrato, *rifiuto};
    Griglia tabella("FgConfronto");
    riempiTabellaConfronto(tabella, confronto, esito, separatore);
    CampiExtra migliore;
    std::string testoMigliore;
    for (std::size_t k = 0; k < confronto.size(); ++k) {
        const int v = esito.combinazioni[esito.migliore].valori[k];
        migliore.emplace_back(confronto[k].nome, static_cast<long long>(v));
        testoMigliore += (k ? " " : "") + confronto[k].nome + "=" + std::to_string(v);
    }
    const std::string nota =
        "p del migliore per solo caso: mediana circa 1/(N+1) con N combinazioni; la media è più alta, perché "
        "combinazioni simili si muovono insieme";
    CampiExtra simulato;
    if (simulazioni > 0) {
        AvanzamentoLungo avanzamentoCaso("archivi del caso", simulazioni, opzioni.segnale("si"));
        const SimulazioneConfronto s = simulaConfronto(
            o, confronto, provaDal, archivio, esito.combinazioni[esito.migliore].allenamento.p.value_or(1), simulazioni,
            &avanzamentoCaso.annulla(), [&avanzamentoCaso](int fatti, int totale) { avanzamentoCaso(fatti, totale); });
        if (auto rifiuto = avanzamentoCaso.rifiuto()) throw ErroreComando{EsitoInputErrato, *rifiuto};
        simulato = {{"Simulazioni", static_cast<long long>(s.simulazioni)},
                    {"p del migliore per caso", numeroOTesto(opzioni, s.p, separatore)},
                    {"Errore p del migliore per caso", numeroOTesto(opzioni, s.erroreP, separatore)}};
    }
    const CampiExtra prova = etichetteRiepilogo(opzioni, esito.prova, o.strategia, separatore);
    if (opzioni.json) {
        CampiExtra campi = {{std::string(chiavi::Migliore), JsonGrezzo{oggettoJson(migliore)}},
                            {std::string(chiavi::Prova), JsonGrezzo{oggettoJson(prova)}},
                            {"p atteso del migliore", numeroJson(esito.pAttesoMigliore)},
                            {"nota", nota}};
        campi.insert(campi.end(), simulato.begin(), simulato.end());
        stampa(opzioni, tabelle::Combinazioni, tabella, campi);
        return 0;
    }
    CampiExtra etichette = {{"Migliore", testoMigliore}};
    for (const auto& [nome, testo] : prova) etichette.emplace_back("Prova " + nome, testo);
    etichette.emplace_back("p atteso del migliore", testoDecimale(esito.pAttesoMigliore, 4, separatore));
    etichette.emplace_back("Nota", nota);
    etichette.insert(etichette.end(), simulato.begin(), simulato.end());
    stampaConEtichette(opzioni, tabelle::Combinazioni, tabella, etichette);
    return 0;
}

// The log of a player's method goes to the standard error, apart from the results.
void scriviRegistro(const std::vector<std::string>& registro) {
    for (const std::string& riga : registro) std::cerr << riga << '\n';
}

int verificaCmd(const Opzioni& opzioni, const ArchivioEstrazioni& archivio, const OpzioniStoriche& o,
                const std::string& separatore) {
    const EsitoStorico esito = VerificaStorica(o, archivio);
    scriviRegistro(esito.registro);
    Griglia giocate("FgStorico");
    riempiTabellaStorico(giocate, esito.giocate, archivio, separatore);
    stampaConEtichette(opzioni, tabelle::GiocateStoriche, giocate,
                       etichetteRiepilogo(opzioni, esito.riepilogo, o.strategia, separatore));
    return 0;
}

int verificaStoricaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniStorico, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    const OpzioniStoriche o = opzioniDaRiga(opzioni, archivio);
    const std::string separatore = QLocale().decimalPoint().toStdString();
    try {
        if (opzioni.valori.count("confronta") || opzioni.valori.count("prova-dal") || opzioni.valori.count("simula"))
            return confrontoCmd(opzioni, archivio, o, separatore);
        return verificaCmd(opzioni, archivio, o, separatore);
    } catch (const ErroreMetodo& e) {
        scriviRegistro(e.registro());
        throw ErroreComando{EsitoInputErrato, e.what()};
    }
}

}  // namespace

std::vector<Comando> comandiStorico() {
    return {{"verifica-storica",
             "[--strategia indice|ritardatario|ambo-ritardatario|frequenti|fissi|metodo] [--colpi N] "
             "[--ruote BA,CA,...|TU] [--dal N|GG/MM/AAAA] [--al N|GG/MM/AAAA] "
             "[--mensile U|1..31] [--forza-ultima] [--presenze N] [--qn N] [--capogioco N] [--sorte S] [--veloce] "
             "[--metodo modalita2|ciclo] [--quanti N] [--finestra L] [--numeri a,b,...] "
             "[--confronta OPZIONE=v1,v2,...]... [--prova-dal N|GG/MM/AAAA] [--si] "
             "[--simula K] [--file METODO.lua] [--parametro NOME=VALORE]...",
             "una strategia (il metodo dell'indice, il numero o l'ambo ritardatario, i numeri frequenti, numeri "
             "fissi) seguita nel passato contro il caso: giocate, riepilogo con p e giudizio (giocate_storiche); con "
             "--strategia metodo il metodo proprio scritto in Lua nel file; con "
             "--confronta e --prova-dal ogni combinazione di valori sugli anni di allenamento e la migliore per p "
             "sugli anni di prova (combinazioni), con --simula K la stessa ricerca su K archivi del caso",
             verificaStoricaCmd}};
}

}  // namespace quorvane::cli
