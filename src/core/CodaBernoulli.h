#pragma once
// The exact tails of a sum of independent Bernoulli trials with their own chances (the
// Poisson-binomial law), by the dynamic programme over the count of successes: no normal
// approximation, and each tail is summed from its own terms, so that a tiny tail keeps its digits.
#include <span>
#include <vector>

namespace quorvane {

// P(S >= k) for k = 0..fino, S the successes of independent trials with chances p: O(n * fino).
std::vector<double> codeBernoulli(std::span<const double> p, int fino);

// P(S >= k) alone.
double codaBernoulli(std::span<const double> p, int k);

// P(S <= k): the lower tail, O(n * k).
double codaInferioreBernoulli(std::span<const double> p, int k);

}  // namespace quorvane
