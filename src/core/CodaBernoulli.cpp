#include "core/CodaBernoulli.h"

#include <algorithm>

namespace quorvane {

std::vector<double> codeBernoulli(std::span<const double> p, int fino) {
    fino = std::max(fino, 0);
    // q[j] = P(S == j) for j < fino; q[fino] gathers every count from fino up, never subtracted.
    std::vector<double> q(static_cast<std::size_t>(fino) + 1, 0.0);
    q[0] = 1;
    for (const double pi : p) {
        if (fino == 0) break;
        q[static_cast<std::size_t>(fino)] += q[static_cast<std::size_t>(fino) - 1] * pi;
        for (std::size_t j = static_cast<std::size_t>(fino) - 1; j > 0; --j) q[j] = q[j] * (1 - pi) + q[j - 1] * pi;
        q[0] *= 1 - pi;
    }
    for (int k = fino - 1; k >= 0; --k) q[static_cast<std::size_t>(k)] += q[static_cast<std::size_t>(k) + 1];
    return q;
}

double codaBernoulli(std::span<const double> p, int k) {
    if (k <= 0) return 1;
    return codeBernoulli(p, k)[static_cast<std::size_t>(k)];
}

}  // namespace quorvane
