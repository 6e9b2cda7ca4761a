// SPDX-License-Identifier: MIT
#include "analysis/poisson.h"

#include <cmath>

namespace zelpo::analysis {

double poissonUpperTail(int hits, double expected)
{
    if (hits <= 0)
        return 1.0;
    if (!(expected > 0))
        return 0.0;
    const double lambda = expected;
    // log P(X = k) = -lambda + k log(lambda) - log(k!)
    const auto logTerm = [lambda](int k) { return -lambda + k * std::log(lambda) - std::lgamma(k + 1.0); };
    if (hits > lambda) {
        // The upper tail is the smaller one: sum it upward from `hits`. Each
        // term is the last times lambda / (k + 1) < 1, so it shrinks at least
        // geometrically.
        double term = std::exp(logTerm(hits));
        double sum = 0;
        for (int k = hits; term > sum * 1e-17 && term > 0; ++k) {
            sum += term;
            term *= lambda / (k + 1);
        }
        return std::fmin(sum, 1.0);
    }
    // Otherwise sum the lower tail P(X <= hits - 1), at most about one half,
    // downward from its largest term.
    double term = std::exp(logTerm(hits - 1));
    double sum = 0;
    for (int k = hits - 1; k >= 0 && term > sum * 1e-17; --k) {
        sum += term;
        term *= k / lambda;
    }
    return std::fmax(1.0 - sum, 0.0);
}

} // namespace zelpo::analysis
