// SPDX-License-Identifier: MIT
#include "cores/analysis/poisson.h"

#include <gtest/gtest.h>

#include <cmath>

using zelpo::analysis::poissonUpperTail;

namespace {

// P(X >= hits) summed in long double over the whole upper tail: a reference
// with far more range and precision than the double under test.
long double reference(int hits, long double lambda)
{
    long double term = std::exp(-lambda);
    for (int k = 1; k <= hits; ++k)
        term *= lambda / k;
    long double sum = 0;
    for (int k = hits; k < hits + 2000 && term > 0; ++k) {
        sum += term;
        term *= lambda / (k + 1);
    }
    return sum;
}

struct TailCase {
    int hits;
    double expected;
};

class PoissonTail : public ::testing::TestWithParam<TailCase> { };

TEST_P(PoissonTail, MatchesTheLongDoubleSumToTheLastDigits)
{
    const TailCase& c = GetParam();
    const long double want = reference(c.hits, c.expected);
    const double got = poissonUpperTail(c.hits, c.expected);
    EXPECT_NEAR(got / static_cast<double>(want), 1.0, c.expected < 700 ? 1e-13 : 1e-11)
        << "hits " << c.hits << " expected " << c.expected;
}

// Near the mean, in the far upper tail (where 1 minus the lower tail would
// leave nothing), with tiny means as the rare classes have, and large ones.
INSTANTIATE_TEST_SUITE_P(Tails, PoissonTail,
    ::testing::Values(TailCase { 1, 1.0 }, TailCase { 3, 35.27 }, TailCase { 26, 35.265 }, TailCase { 35, 35.265 },
        TailCase { 60, 35.265 }, TailCase { 182, 192.9 }, TailCase { 250, 192.9 }, TailCase { 1, 1e-9 },
        TailCase { 2, 1e-6 }, TailCase { 1, 0.0323 }, TailCase { 5, 0.0323 }, TailCase { 100, 1.0 },
        TailCase { 5000, 4900.5 }));

TEST(PoissonTailEdges, NoHitsIsCertainAndHitsWithoutChanceAreImpossible)
{
    EXPECT_EQ(poissonUpperTail(0, 35.0), 1.0);
    EXPECT_EQ(poissonUpperTail(0, 0.0), 1.0);
    EXPECT_EQ(poissonUpperTail(1, 0.0), 0.0);
    // One hit: 1 - e^-lambda, exactly what expm1 gives even for a tiny mean.
    EXPECT_DOUBLE_EQ(poissonUpperTail(1, 1e-12), -std::expm1(-1e-12));
}

} // namespace
