// SPDX-License-Identifier: MIT
#pragma once

namespace zelpo::analysis {

// P(X >= k) for X binomial with n trials of chance p: 1 when k <= 0, 0 when
// k > n. Summed term by term in the smaller tail, so that a far tail keeps
// its relative accuracy: to about 1e-12 for n up to 10^5.
double binomialUpperTail(int k, int n, double p);

} // namespace zelpo::analysis
