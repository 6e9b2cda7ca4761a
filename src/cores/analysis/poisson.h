// SPDX-License-Identifier: MIT
#pragma once

namespace zelpo::analysis {

// P(X >= hits) for X Poisson-distributed with mean `expected`: how likely
// chance alone gives at least that many hits. 1 when hits is 0; 0 when hits
// are above 0 and nothing was expected. Relatively accurate also far out in
// the tail (summed term by term in the smaller tail, never as 1 minus a
// number close to 1): to about 1e-13 for means below 700, 1e-11 above.
double poissonUpperTail(int hits, double expected);

} // namespace zelpo::analysis
