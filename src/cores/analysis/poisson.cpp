// SPDX-License-Identifier: MIT
#include "cores/analysis/poisson.h"

#include <cmath>

namespace zelpo::analysis {

namespace {

// P(X = k). As a product while that stays in the normal range, where it is
// exact to about k rounding errors; in log space otherwise, where the error
// grows with the size of the logarithms.
double pointProbability(int k, double lambda)
{
    if (k <= 500 && lambda < 700) {
        double term = std::exp(-lambda);
        for (int i = 1; i <= k; ++i)
            term *= lambda / i;
        if (term > 1e-290)
            return term;
    }
    return std::exp(-lambda + k * std::log(lambda) - std::lgamma(k + 1.0));
}

} // namespace

double poissonUpperTail(int hits, double expected)
{
    if (hits <= 0)
        return 1.0;
    if (!(expected > 0))
        return 0.0;
    const double lambda = expected;
    if (hits > lambda) {
        // The upper tail is the smaller one: sum it upward from `hits`. Each
        // term is the last times lambda / (k + 1) < 1, so it shrinks at least
        // geometrically.
        double term = pointProbability(hits, lambda);
        double sum = 0;
        for (int k = hits; term > sum * 1e-17 && term > 0; ++k) {
            sum += term;
            term *= lambda / (k + 1);
        }
        return std::fmin(sum, 1.0);
    }
    // Otherwise sum the lower tail P(X <= hits - 1), at most about one half,
    // downward from its largest term.
    double term = pointProbability(hits - 1, lambda);
    double sum = 0;
    for (int k = hits - 1; k >= 0 && term > sum * 1e-17; --k) {
        sum += term;
        term *= k / lambda;
    }
    return std::fmax(1.0 - sum, 0.0);
}

} // namespace zelpo::analysis
