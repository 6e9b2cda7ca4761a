// SPDX-License-Identifier: MIT
// A chart axis from 0 that ends on a round number, with ticks on round
// values and labels that tell each tick from the next at every scale
// (0 to 1.05 as well as 0 to 5,000).
#pragma once

namespace zelpo::analysis {

struct AxisScale {
    double top = 1;    // the axis runs from 0 to here
    int tickCount = 2; // ticks at 0, step, 2 step, ..., top
    int decimals = 0;  // digits after the point that the labels need
};

// The smallest axis that holds `highest` with at most `maxIntervals` steps
// between ticks, each step 1, 2 or 5 times a power of ten.
AxisScale roundAxis(double highest, int maxIntervals = 5);

} // namespace zelpo::analysis
