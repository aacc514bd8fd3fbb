#pragma once
// The search for the best option set, tested honestly: every combination of the values given is
// walked on the training years and ranked by p; only the best is then walked on the test years,
// which no choice has seen.
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "index/VerificaStorica.h"

namespace quorvane {

// One numeric option and the values it takes: "presenze", "colpi", "mensile", "qn", "capogioco"
// (the index method), "quanti", "finestra" (frequenti), "colpi" (every strategy), any other name
// a parameter of a player's method.
struct OpzioneConfronto {
    std::string nome;
    std::vector<int> valori;
};

struct RigaConfronto {
    std::vector<int> valori;  // one per option, in the order of the options
    RiepilogoStorico allenamento;
};

struct EsitoConfronto {
    static constexpr int CombinazioniMassime = 1000;

    // Every combination, the first option's values changing slowest.
    std::vector<RigaConfronto> combinazioni;
    int migliore = 0;  // index of the smallest p; ties to the first listed
    RiepilogoStorico prova;
    // The best combination's plays on the training years and on the test years, for its balance.
    std::vector<GiocataStorica> giocateAllenamento;
    std::vector<GiocataStorica> giocateProva;
    // 1/(N+1): with N independent combinations without skill, the mean of the best p; combinations
    // that share draws move together, and a simulated check put the mean of the best p at 1.4 to
    // 1.9 times this and the median close to it, so it is shown as "mediana circa 1/(N+1)".
    double pAttesoMigliore = 0;
    bool annullato = false;
};

// The values an option takes, both included.
struct IntervalloOpzione {
    int minimo = INT_MIN;
    int massimo = INT_MAX;
};

// The range of an option that can be compared, whatever the strategy; none for another name.
std::optional<IntervalloOpzione> intervalloConfronto(std::string_view nome);

// The options to vary as a player types them: "presenze = 50,100,150; qn = 2,3", one option per
// line or after a semicolon; none when a piece has no name or a value is no whole number. The
// names and values are checked by erroreConfronto.
std::optional<std::vector<OpzioneConfronto>> leggiConfronto(std::string_view testo);

// The options with each combination's values, in order.
std::vector<OpzioniStoriche> combinazioniConfronto(const OpzioniStoriche& base,
                                                   const std::vector<OpzioneConfronto>& opzioni);

// An Italian message when the comparison cannot run: an option the strategy has not or given twice, more than
// CombinazioniMassime combinations, `provaDal` not inside the period (dal+1 .. al), a combination
// that cannot run on either part.
std::optional<std::string> erroreConfronto(const OpzioniStoriche& base, const std::vector<OpzioneConfronto>& opzioni,
                                           int provaDal, const ArchivioEstrazioni& archivio);

// Training years dal .. provaDal-1, test years provaDal .. al, the combinations on every core.
// `avanzamento` gets (combinations
// done, combinations + 1). The options must pass erroreConfronto.
EsitoConfronto confronta(const OpzioniStoriche& base, const std::vector<OpzioneConfronto>& opzioni, int provaDal,
                         const ArchivioEstrazioni& archivio, const std::atomic<bool>* annulla = nullptr,
                         const AvanzamentoStorico& avanzamento = {});

// How often chance alone finds a best as good: the same search over the training years on
// `quante` archives of chance on the real calendar (archivioCaso), each on one core.
struct SimulazioneConfronto {
    static constexpr int Massime = 10000;

    int simulazioni = 0;
    int almenoCosi = 0;  // archives whose best training p is at most the best found
    double p = 0;        // their share, with its standard error
    double erroreP = 0;
    bool annullato = false;
};

// `pMigliore`: the best training p found on the real archive. `avanzamento` gets (archives done,
// quante). The options must pass erroreConfronto.
SimulazioneConfronto simulaConfronto(const OpzioniStoriche& base, const std::vector<OpzioneConfronto>& opzioni,
                                     int provaDal, const ArchivioEstrazioni& archivio, double pMigliore, int quante,
                                     const std::atomic<bool>* annulla = nullptr,
                                     const AvanzamentoStorico& avanzamento = {});

}  // namespace quorvane
