#include "cli/Avanzamento.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorvane::cli {

namespace {

bool erroriSuTerminale() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

// Without a terminal a line every this often, so that a log shows the run alive without filling.
constexpr std::chrono::seconds Intervallo{5};

}  // namespace

std::string testoDurata(std::chrono::seconds durata) {
    const long long s = durata.count();
    if (s < 60) return std::to_string(s) + " s";
    const long long minuti = (s + 30) / 60;
    if (minuti < 60) return std::to_string(minuti) + " min";
    return std::to_string(minuti / 60) + " h " + std::to_string(minuti % 60) + " min";
}

AvanzamentoLungo::AvanzamentoLungo(std::string cosa, int passi, bool consenso)
    : cosa_(std::move(cosa)), passi_(passi), consenso_(consenso), terminale_(erroriSuTerminale()) {}

AvanzamentoLungo::~AvanzamentoLungo() {
    if (inRiga_) std::fputs("\n", stderr);
}

std::optional<std::string> AvanzamentoLungo::rifiuto() const {
    std::lock_guard blocco(mutex_);
    return rifiuto_;
}

void AvanzamentoLungo::operator()(int fatti, int totale) {
    std::lock_guard blocco(mutex_);
    if (annulla_ || fatti < 1 || totale < 1) return;
    const auto ora = Orologio::now();
    const auto trascorso = std::chrono::duration_cast<std::chrono::seconds>(ora - inizio_);
    const auto stima = std::chrono::duration_cast<std::chrono::seconds>((ora - inizio_) * totale / fatti);
    if (!stimato_) {
        stimato_ = true;
        const std::string costo = std::to_string(passi_) + " " + cosa_ + ", circa " + testoDurata(stima);
        if (stima > Limite && !consenso_) {
            rifiuto_ = costo + ": oltre " + testoDurata(Limite) + "; ripetere con --si per eseguirle";
            annulla_ = true;
            return;
        }
        std::fprintf(stderr, "%s\n", costo.c_str());
    }
    const std::string riga = std::to_string(fatti) + " di " + std::to_string(totale) + ", mancano circa " +
                             testoDurata(stima - std::min(stima, trascorso));
    if (terminale_) {
        // Rewritten in place; the blanks wipe what a longer previous line left.
        std::fprintf(stderr, "\r%s   ", riga.c_str());
        inRiga_ = fatti < totale;
        if (!inRiga_) std::fputs("\n", stderr);
    } else if (ora - ultimaRiga_ >= Intervallo || fatti == totale) {
        std::fprintf(stderr, "%s\n", riga.c_str());
        ultimaRiga_ = ora;
    }
    std::fflush(stderr);
}

}  // namespace quorvane::cli
