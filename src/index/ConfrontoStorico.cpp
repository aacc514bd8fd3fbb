#include "index/ConfrontoStorico.h"

#include <algorithm>

#include "core/LetturaNumeri.h"

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
                if (int* c = campo(prossime.back(), opzione.nome)) *c = v;
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
        if (!campo(letta, o.nome)) return "L'opzione " + o.nome + " non si può confrontare per questa strategia.";
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
    for (int k = 0; k < quante; ++k) {
        EsitoStorico walk = VerificaStorica(allenamento(tutte[k], provaDal), archivio, annulla);
        // The strategies other than the index do not look at `annulla` while they walk.
        if (walk.annullato || (annulla && annulla->load())) {
            esito.annullato = true;
            return esito;
        }
        OpzioniStoriche letta = tutte[k];
        RigaConfronto riga;
        for (const OpzioneConfronto& o : opzioni) riga.valori.push_back(*campo(letta, o.nome));
        riga.allenamento = walk.riepilogo;
        const auto& migliore = esito.combinazioni.empty() ? riga.allenamento.p
                                                          : esito.combinazioni[esito.migliore].allenamento.p;
        if (riga.allenamento.p && (!migliore || *riga.allenamento.p < *migliore)) {
            esito.migliore = k;
            esito.giocateAllenamento = std::move(walk.giocate);
        } else if (k == 0) {
            esito.giocateAllenamento = std::move(walk.giocate);
        }
        esito.combinazioni.push_back(std::move(riga));
        if (avanzamento) avanzamento(k + 1, quante + 1);
    }
    EsitoStorico test = VerificaStorica(prova(tutte[esito.migliore], provaDal), archivio, annulla);
    esito.annullato = test.annullato;
    esito.prova = test.riepilogo;
    esito.giocateProva = std::move(test.giocate);
    if (avanzamento) avanzamento(quante + 1, quante + 1);
    return esito;
}

}  // namespace quorvane
