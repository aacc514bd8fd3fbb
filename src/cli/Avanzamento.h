#pragma once
// The progress of a long command on standard error, and the cost it states before going on.
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>

namespace quorvane::cli {

// Called with (steps done, steps) from any thread. Once the first step is done the estimate of
// the whole run is printed ("24 combinazioni, circa 40 s"); a run estimated over the limit
// without the user's consent is stopped through annulla() and refused with rifiuto(). Then the
// progress: one line rewritten in place on a terminal, a line every few seconds otherwise.
class AvanzamentoLungo {
public:
    static constexpr std::chrono::seconds Limite{600};

    // `cosa` names the steps for the estimate ("combinazioni"), `passi` counts them.
    AvanzamentoLungo(std::string cosa, int passi, bool consenso);
    ~AvanzamentoLungo();

    void operator()(int fatti, int totale);
    const std::atomic<bool>& annulla() const { return annulla_; }
    // The refusal's message, when the estimate stopped the run.
    std::optional<std::string> rifiuto() const;

private:
    using Orologio = std::chrono::steady_clock;

    std::string cosa_;
    int passi_;
    bool consenso_;
    bool terminale_;
    Orologio::time_point inizio_ = Orologio::now();
    Orologio::time_point ultimaRiga_ = inizio_;
    std::atomic<bool> annulla_{false};
    std::optional<std::string> rifiuto_;
    bool stimato_ = false;
    bool inRiga_ = false;  // a line rewritten in place is open on the terminal
    mutable std::mutex mutex_;
};

// A duration as the estimate says it: "40 s", "3 min", "1 h 50 min".
std::string testoDurata(std::chrono::seconds durata);

}  // namespace quorvane::cli
