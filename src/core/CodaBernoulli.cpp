#include "core/CodaBernoulli.h"

#include <algorithm>

namespace quorvane {

namespace {

// q[j] = P(S == j) for j < fino; q[fino] gathers every count from fino up, never subtracted.
std::vector<double> leggeFino(std::span<const double> p, int fino) {
    std::vector<double> q(static_cast<std::size_t>(fino) + 1, 0.0);
    q[0] = 1;
    for (const double pi : p) {
        if (fino == 0) break;
        q[static_cast<std::size_t>(fino)] += q[static_cast<std::size_t>(fino) - 1] * pi;
        for (std::size_t j = static_cast<std::size_t>(fino) - 1; j > 0; --j) q[j] = q[j] * (1 - pi) + q[j - 1] * pi;
        q[0] *= 1 - pi;
    }
    return q;
}

}  // namespace

std::vector<double> codeBernoulli(std::span<const double> p, int fino) {
    std::vector<double> q = leggeFino(p, std::max(fino, 0));
    for (int k = static_cast<int>(q.size()) - 2; k >= 0; --k)
        q[static_cast<std::size_t>(k)] += q[static_cast<std::size_t>(k) + 1];
    return q;
}

double codaBernoulli(std::span<const double> p, int k) {
    if (k <= 0) return 1;
    return codeBernoulli(p, k)[static_cast<std::size_t>(k)];
}

double codaInferioreBernoulli(std::span<const double> p, int k) {
    if (k < 0) return 0;
    if (k >= static_cast<int>(p.size())) return 1;
    const std::vector<double> q = leggeFino(p, k + 1);
    double somma = 0;
    for (int j = k; j >= 0; --j) somma += q[static_cast<std::size_t>(j)];
    return somma;
}

}  // namespace quorvane
