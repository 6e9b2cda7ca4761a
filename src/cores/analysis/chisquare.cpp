// SPDX-License-Identifier: MIT
#include "cores/analysis/chisquare.h"

#include <cmath>
#include <limits>

namespace zelpo::analysis {
namespace {

constexpr double kEpsilon = 1e-16;
constexpr int kMaxTerms = 10000;

// x^a e^-x / Gamma(a), the factor both expansions share; in log space so that
// neither the power nor the gamma function overflows.
double prefactor(double a, double x)
{
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) as the series sum x^n / (a (a+1) ... (a+n)); converges fast for
// x < a + 1.
double lowerSeries(double a, double x)
{
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (term < sum * kEpsilon)
            break;
    }
    return sum * prefactor(a, x);
}

// Q(a, x) as the continued fraction 1/(x+1-a- 1(1-a)/(x+3-a- 2(2-a)/(x+5-a- ...))),
// evaluated from the front by the modified Lentz method; converges fast for
// x >= a + 1.
double upperFraction(double a, double x)
{
    constexpr double tiny = std::numeric_limits<double>::min() / kEpsilon;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double fraction = d;
    for (int n = 1; n < kMaxTerms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double step = d * c;
        fraction *= step;
        if (std::fabs(step - 1.0) < kEpsilon)
            break;
    }
    return fraction * prefactor(a, x);
}

} // namespace

std::vector<Cell> mergeTowardMiddle(std::span<const Cell> cells)
{
    std::vector<Cell> work(cells.begin(), cells.end());
    if (work.empty())
        return work;
    const std::size_t middle = (work.size() - 1) / 2;
    std::vector<bool> merged(work.size(), false);
    for (std::size_t i = 0; i < middle; ++i) {
        if (work[i].expected < 5) {
            work[i + 1].observed += work[i].observed;
            work[i + 1].expected += work[i].expected;
            merged[i] = true;
        }
    }
    for (std::size_t i = work.size() - 1; i > middle; --i) {
        if (work[i].expected < 5) {
            work[i - 1].observed += work[i].observed;
            work[i - 1].expected += work[i].expected;
            merged[i] = true;
        }
    }
    std::vector<Cell> left;
    for (std::size_t i = 0; i < work.size(); ++i) {
        if (!merged[i])
            left.push_back(work[i]);
    }
    return left;
}

std::optional<ChiSquare> pearsonTest(std::span<const Cell> cells, double scale)
{
    const std::vector<Cell> left = mergeTowardMiddle(cells);
    if (left.size() < 2)
        return std::nullopt;
    double sum = 0;
    for (const Cell& cell : left) {
        if (!(cell.expected > 0))
            return std::nullopt;
        const double difference = cell.observed - cell.expected;
        sum += difference * difference / cell.expected;
    }
    ChiSquare test;
    test.statistic = scale * sum;
    test.df = static_cast<int>(left.size()) - 1;
    test.p = chiSquareUpperTail(test.statistic, test.df);
    return test;
}

double chiSquareUpperTail(double x, int df)
{
    return regularizedGammaQ(df / 2.0, x / 2.0);
}

double regularizedGammaQ(double a, double x)
{
    if (!(x > 0))
        return 1.0;
    if (x < a + 1.0)
        return std::fmax(1.0 - lowerSeries(a, x), 0.0);
    return upperFraction(a, x);
}

} // namespace zelpo::analysis
