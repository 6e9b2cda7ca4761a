// SPDX-License-Identifier: MIT
#include "cores/analysis/axisscale.h"

#include <algorithm>
#include <cmath>

namespace zelpo::analysis {

AxisScale roundAxis(double highest, int maxIntervals)
{
    maxIntervals = std::max(maxIntervals, 1);
    if (!(highest > 0) || !std::isfinite(highest))
        highest = 1;
    // The step: the smallest of 1, 2, 5, 10, 20, 50, ... times a power of ten
    // that leaves at most `maxIntervals` intervals.
    constexpr double kMultiples[] = { 1, 2, 5 };
    int exponent = static_cast<int>(std::floor(std::log10(highest / maxIntervals)));
    double step = 0;
    for (int i = 0; step == 0; ++i) {
        const double candidate = kMultiples[i % 3] * std::pow(10.0, exponent + i / 3);
        // A hair of slack: 0.3 / 0.1 is 2.9999999999999996.
        if (candidate * maxIntervals >= highest * (1 - 1e-12)) {
            step = candidate;
            exponent += i / 3;
        }
    }
    const int intervals = std::max(1, static_cast<int>(std::ceil(highest / step - 1e-9)));
    return { intervals * step, intervals + 1, std::max(0, -exponent) };
}

} // namespace zelpo::analysis
