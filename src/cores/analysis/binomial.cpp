// SPDX-License-Identifier: MIT
#include "cores/analysis/binomial.h"

#include <cmath>

namespace zelpo::analysis {
namespace {

// P(X = k), in log space: n may be tens of thousands, and the logarithms of
// the factorials then reach 10^5, so they are taken in long double to keep
// their difference exact to well below 1e-12.
double pointProbability(int k, int n, double p)
{
    using Long = long double;
    const Long logP = std::lgamma(static_cast<Long>(n) + 1) - std::lgamma(static_cast<Long>(k) + 1)
        - std::lgamma(static_cast<Long>(n - k) + 1) + k * std::log(static_cast<Long>(p))
        + (n - k) * std::log1p(-static_cast<Long>(p));
    return static_cast<double>(std::exp(logP));
}

} // namespace

double binomialUpperTail(int k, int n, double p)
{
    if (k <= 0)
        return 1.0;
    if (k > n || !(p > 0))
        return 0.0;
    if (p >= 1)
        return 1.0;
    const double odds = p / (1 - p);
    if (k > n * p) {
        // The upper tail is the smaller one: each further term shrinks.
        double term = pointProbability(k, n, p);
        double sum = 0;
        for (int j = k; j <= n && term > sum * 1e-17; ++j) {
            sum += term;
            term *= (n - j) / (j + 1.0) * odds;
        }
        return std::fmin(sum, 1.0);
    }
    // Otherwise 1 - P(X <= k - 1), summed downward from its largest term.
    double term = pointProbability(k - 1, n, p);
    double sum = 0;
    for (int j = k - 1; j >= 0 && term > sum * 1e-17; --j) {
        sum += term;
        term *= j / ((n - j + 1.0) * odds);
    }
    return std::fmax(1.0 - sum, 0.0);
}

} // namespace zelpo::analysis
