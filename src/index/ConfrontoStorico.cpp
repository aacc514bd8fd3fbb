#include "index/ConfrontoStorico.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "core/LetturaNumeri.h"
#include "core/Parallelo.h"
#include "index/ArchivioCaso.h"

namespace quorvane {

namespace {

// The field an option names for the strategy; null when it has none.
int* campo(OpzioniStoriche& o, const std::string& nome) {
    if (nome == "colpi") return &o.analisi.NumeroColpi;
    if (o.strategia == Strategia::Indice) {
        if (nome == "presenze") return &o.analisi.Presenze;
        if (nome == "mensile") return &o.analisi.Mensile;
        if (nome == "qn") return &o.analisi.QuantitaNumeri;
        if (nome == "capogioco") return &o.analisi.Capogioco;
    }
    if (o.strategia == Strategia::Frequenti) {
        if (nome == "quanti") return &o.quanti;
        if (nome == "finestra") return &o.finestra;
    }
    return nullptr;
}

// Sets an option to a value; false when the strategy has no option of that name. Any name other
// than "colpi" is a parameter of a player's method.
bool imposta(OpzioniStoriche& o, const std::string& nome, int valore) {
    if (int* c = campo(o, nome)) {
        *c = valore;
        return true;
    }
    if (o.strategia != Strategia::Metodo) return false;
    o.parametri[nome] = std::to_string(valore);
    return true;
}

// The values of combination k, the first option's changing slowest.
std::vector<int> valoriCombinazione(const std::vector<OpzioneConfronto>& opzioni, std::size_t k) {
    std::vector<int> valori(opzioni.size());
    for (std::size_t i = opzioni.size(); i-- > 0;) {
        valori[i] = opzioni[i].valori[k % opzioni[i].valori.size()];
        k /= opzioni[i].valori.size();
    }
    return valori;
}

long long quanteCombinazioni(const std::vector<OpzioneConfronto>& opzioni) {
    long long n = 1;
    for (const OpzioneConfronto& o : opzioni)
        n = std::min<long long>(n * static_cast<long long>(o.valori.size()), 1LL << 40);
    return n;
}

OpzioniStoriche allenamento(OpzioniStoriche o, int provaDal) {
    o.al = provaDal - 1;
    return o;
}

OpzioniStoriche prova(OpzioniStoriche o, int provaDal) {
    o.dal = provaDal;
    return o;
}

// The text without blanks at either end.
std::string_view senzaSpazi(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(" \t\r");
    if (inizio == std::string_view::npos) return {};
    return testo.substr(inizio, testo.find_last_not_of(" \t\r") - inizio + 1);
}

}  // namespace

std::optional<IntervalloOpzione> intervalloConfronto(std::string_view nome) {
    if (nome == "colpi") return IntervalloOpzione{1, AnalisiIndice::ColpiMassimi};
    if (nome == "presenze") return IntervalloOpzione{AnalisiIndice::PresenzeMinime, AnalisiIndice::PresenzeMassime};
    if (nome == "mensile") return IntervalloOpzione{0, 31};
    if (nome == "qn" || nome == "quanti") return IntervalloOpzione{1, Previsione::MaxNumeri};
    if (nome == "capogioco") return IntervalloOpzione{0, NumeroMassimo};
    if (nome == "finestra") return IntervalloOpzione{1, OpzioniStoriche::FinestraMassima};
    return std::nullopt;
}

std::optional<std::vector<OpzioneConfronto>> leggiConfronto(std::string_view testo) {
    std::vector<OpzioneConfronto> opzioni;
    while (!testo.empty()) {
        const auto fine = std::min(testo.find(';'), testo.find('\n'));
        const std::string_view pezzo = senzaSpazi(testo.substr(0, fine));
        testo = fine == std::string_view::npos ? std::string_view{} : testo.substr(fine + 1);
        if (pezzo.empty()) continue;
        const auto uguale = pezzo.find('=');
        if (uguale == std::string_view::npos) return std::nullopt;
        const std::string_view nome = senzaSpazi(pezzo.substr(0, uguale));
        auto valori = leggiNumeri(pezzo.substr(uguale + 1));
        if (nome.empty() || !valori) return std::nullopt;
        opzioni.push_back({std::string(nome), std::move(*valori)});
    }
    return opzioni;
}

std::vector<OpzioniStoriche> combinazioniConfronto(const OpzioniStoriche& base,
                                                   const std::vector<OpzioneConfronto>& opzioni) {
    std::vector<OpzioniStoriche> tutte = {base};
    for (const OpzioneConfronto& opzione : opzioni) {
        std::vector<OpzioniStoriche> prossime;
        for (const OpzioniStoriche& o : tutte)
            for (int v : opzione.valori) {
                prossime.push_back(o);
                imposta(prossime.back(), opzione.nome, v);
            }
        tutte = std::move(prossime);
    }
    return tutte;
}

std::optional<std::string> erroreConfronto(const OpzioniStoriche& base, const std::vector<OpzioneConfronto>& opzioni,
                                           int provaDal, const ArchivioEstrazioni& archivio) {
    OpzioniStoriche letta = base;
    for (std::size_t k = 0; k < opzioni.size(); ++k) {
        const OpzioneConfronto& o = opzioni[k];
        if (!imposta(letta, o.nome, 0)) return "L'opzione " + o.nome + " non si può confrontare per questa strategia.";
        if (o.valori.empty()) return "Nessun valore da confrontare per " + o.nome + ".";
        for (std::size_t j = 0; j < k; ++j)
            if (opzioni[j].nome == o.nome) return "L'opzione " + o.nome + " è confrontata due volte.";
    }
    if (quanteCombinazioni(opzioni) > EsitoConfronto::CombinazioniMassime)
        return "Troppe combinazioni: al massimo " + std::to_string(EsitoConfronto::CombinazioniMassime) + ".";
    if (provaDal <= base.dal || provaDal > base.al)
        return "L'inizio della prova deve stare dopo l'inizio del periodo (" + std::to_string(base.dal) +
               ") ed entro la sua fine (" + std::to_string(base.al) + ").";
    for (const OpzioniStoriche& o : combinazioniConfronto(base, opzioni)) {
        if (auto errore = erroreStorico(allenamento(o, provaDal), archivio)) return "Anni di allenamento: " + *errore;
        if (auto errore = erroreStorico(prova(o, provaDal), archivio)) return "Anni di prova: " + *errore;
    }
    return std::nullopt;
}

EsitoConfronto confronta(const OpzioniStoriche& base, const std::vector<OpzioneConfronto>& opzioni, int provaDal,
                         const ArchivioEstrazioni& archivio, const std::atomic<bool>* annulla,
                         const AvanzamentoStorico& avanzamento) {
    const std::vector<OpzioniStoriche> tutte = combinazioniConfronto(base, opzioni);
    const int quante = static_cast<int>(tutte.size());
    EsitoConfronto esito;
    esito.pAttesoMigliore = 1.0 / (quante + 1);

    // The combinations run side by side, one walk per core, each walk on one thread.
    std::vector<EsitoStorico> walks(tutte.size());
    std::mutex mutex;  // guards fatte and the progress calls
    int fatte = 0;
    inParallelo(quante, [&](int k) {
        walks[k] = VerificaStorica(allenamento(tutte[k], provaDal), archivio, annulla, {}, 1);
        if (walks[k].annullato) return false;
        std::lock_guard blocco(mutex);
        if (avanzamento) avanzamento(++fatte, quante + 1);
        return true;
    });
    if (annulla && *annulla) {
        esito.annullato = true;
        return esito;
    }

    for (int k = 0; k < quante; ++k) {
        RigaConfronto riga{valoriCombinazione(opzioni, static_cast<std::size_t>(k)), walks[k].riepilogo};
        if (k > 0) {
            const auto& migliore = esito.combinazioni[esito.migliore].allenamento.p;
            if (riga.allenamento.p && (!migliore || *riga.allenamento.p < *migliore)) esito.migliore = k;
        }
        esito.combinazioni.push_back(std::move(riga));
    }
    esito.giocateAllenamento = std::move(walks[esito.migliore].giocate);
    EsitoStorico test = VerificaStorica(prova(tutte[esito.migliore], provaDal), archivio, annulla);
    esito.annullato = test.annullato;
    esito.prova = test.riepilogo;
    esito.giocateProva = std::move(test.giocate);
    if (avanzamento) avanzamento(quante + 1, quante + 1);
    return esito;
}

SimulazioneConfronto simulaConfronto(const OpzioniStoriche& base, const std::vector<OpzioneConfronto>& opzioni,
                                     int provaDal, const ArchivioEstrazioni& archivio, double pMigliore, int quante,
                                     const std::atomic<bool>* annulla, const AvanzamentoStorico& avanzamento) {
    const std::vector<OpzioniStoriche> tutte = combinazioniConfronto(base, opzioni);
    std::vector<char> almenoCosi(static_cast<std::size_t>(quante), 0);
    std::mutex mutex;  // guards fatte and the progress calls
    int fatte = 0;
    inParallelo(quante, [&](int k) {
        const ArchivioEstrazioni caso = archivioCaso(archivio, base.seme * 0x9E3779B97F4A7C15ull + k);
        double migliore = 1;
        for (const OpzioniStoriche& o : tutte) {
            const EsitoStorico walk = VerificaStorica(allenamento(o, provaDal), caso, annulla, {}, 1);
            if (walk.annullato) return false;
            if (walk.riepilogo.p) migliore = std::min(migliore, *walk.riepilogo.p);
        }
        almenoCosi[k] = migliore <= pMigliore;
        std::lock_guard blocco(mutex);
        if (avanzamento) avanzamento(++fatte, quante);
        return true;
    });
    SimulazioneConfronto s;
    if (annulla && *annulla) {
        s.annullato = true;
        return s;
    }
    s.simulazioni = quante;
    s.almenoCosi = static_cast<int>(std::count(almenoCosi.begin(), almenoCosi.end(), 1));
    s.p = static_cast<double>(s.almenoCosi) / quante;
    s.erroreP = std::sqrt(s.p * (1 - s.p) / quante);
    return s;
}

}  // namespace quorvane
