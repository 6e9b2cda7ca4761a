// SPDX-License-Identifier: MIT
#include "cores/analysis/minilototrends.h"

#include "cores/analysis/binomial.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace zelpo::analysis {
namespace {

constexpr int kNumbers = 31;
constexpr int kPicked = 5;
constexpr double kSets = 169911; // C(31, 5)
constexpr double kPairShare = 20.0 / 930.0;
constexpr std::uint32_t kOddBits = 0xAAAAAAAAu;  // 1, 3, ..., 31
constexpr std::uint32_t kHighBits = 0xFFFF0000u; // 16-31

double choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// The share of draws with k (0..5) of `marked` numbers among the 31.
std::vector<double> hypergeometricShares(int marked)
{
    std::vector<double> shares;
    for (int k = 0; k <= kPicked; ++k)
        shares.push_back(choose(marked, k) * choose(kNumbers - marked, kPicked - k) / kSets);
    return shares;
}

int sumBin(int sum)
{
    return std::min((sum - 15) / 10, 12);
}

std::string binLabel(int bin)
{
    const int low = 15 + 10 * bin;
    return std::to_string(low) + '-' + std::to_string(bin == 12 ? 145 : low + 9);
}

struct MinilotoShares {
    std::vector<double> sums;   // per bin
    std::vector<double> halves; // 0..5 odd numbers (or numbers 16-31): 16 of 31 each
    std::vector<double> pulls;  // 0..5 numbers of the previous draw
    double withoutConsecutive = 0;
};

// The count of five-number sets per sum, one number at a time: ways[k][s]
// is the number of k-sets of the numbers so far with sum s.
std::vector<double> sumShares()
{
    std::array<std::array<double, 146>, kPicked + 1> ways {};
    ways[0][0] = 1;
    for (int n = 1; n <= kNumbers; ++n) {
        for (std::size_t k = kPicked; k >= 1; --k) {
            for (std::size_t s = 0; s + static_cast<std::size_t>(n) < 146; ++s)
                ways[k][s + static_cast<std::size_t>(n)] += ways[k - 1][s];
        }
    }
    std::vector<double> bins(13, 0.0);
    for (int s = 15; s <= 145; ++s)
        bins[static_cast<std::size_t>(sumBin(s))] += ways[kPicked][static_cast<std::size_t>(s)];
    for (double& b : bins)
        b /= kSets;
    return bins;
}

const MinilotoShares& shares()
{
    static const MinilotoShares cached = [] {
        MinilotoShares s;
        s.sums = sumShares();
        s.halves = hypergeometricShares(16);
        s.pulls = hypergeometricShares(kPicked);
        // A set without neighbours is a set of 5 of 27 with the gaps widened.
        s.withoutConsecutive = choose(27, kPicked) / kSets;
        return s;
    }();
    return cached;
}

// Bit n for each number n of the draw; 0 for a draw that cannot be.
std::uint32_t bitsOf(const std::array<int, 5>& draw)
{
    std::uint32_t bits = 0;
    for (const int number : draw) {
        if (number < 1 || number > kNumbers)
            return 0;
        bits |= 1u << number;
    }
    return std::popcount(bits) == kPicked ? bits : 0;
}

} // namespace

bool MinilotoTrendTally::accepts(const std::array<int, 5>& draw)
{
    return bitsOf(draw) != 0;
}

void MinilotoTrendTally::add(const std::array<int, 5>& draw)
{
    const std::uint32_t bits = bitsOf(draw);
    if (bits == 0)
        return;
    ++m_draws;
    std::array<int, 5> sorted = draw;
    std::sort(sorted.begin(), sorted.end());
    int sum = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const auto n = static_cast<std::size_t>(sorted[i]);
        ++m_numbers[n];
        m_lastSeen[n] = m_draws;
        sum += sorted[i];
        for (std::size_t j = i + 1; j < sorted.size(); ++j)
            ++m_pairs[n][static_cast<std::size_t>(sorted[j])];
    }
    ++m_sums[static_cast<std::size_t>(sumBin(sum))];
    ++m_odd[static_cast<std::size_t>(std::popcount(bits & kOddBits))];
    ++m_high[static_cast<std::size_t>(std::popcount(bits & kHighBits))];
    ++m_consecutive[(bits & (bits >> 1)) != 0 ? 0 : 1];
    if (m_draws > 1)
        ++m_pulls[static_cast<std::size_t>(std::popcount(bits & m_previous))];
    m_previous = bits;
}

void MinilotoTrendTally::addAll(std::span<const std::array<int, 5>> draws)
{
    for (const std::array<int, 5>& draw : draws)
        add(draw);
}

Trends MinilotoTrendTally::trends() const
{
    const MinilotoShares& share = shares();
    const double draws = m_draws;
    Trends result;
    result.game = "miniloto";
    result.draws = m_draws;

    TrendSection numbers { "numbers", {}, {} };
    TrendSection gaps { "gaps", {}, {} };
    for (std::size_t n = 1; n <= kNumbers; ++n) {
        numbers.rows.push_back(trendRow(std::to_string(n), m_numbers[n], draws, 5.0 / 31.0));
        const int gap = m_draws - m_lastSeen[n];
        gaps.rows.push_back({ std::to_string(n), gap, 31.0 / 5.0, std::pow(26.0 / 31.0, gap) });
    }
    // The five numbers of a draw are drawn without replacement: the counts
    // vary less than independent ones, and X has mean 26 instead of 30.
    addTest(numbers, "numbers", numbers.rows, 30.0 / 26.0);
    result.sections.push_back(std::move(numbers));
    result.sections.push_back(std::move(gaps));

    TrendSection sums { "sums", {}, {} };
    for (std::size_t bin = 0; bin < m_sums.size(); ++bin)
        sums.rows.push_back(trendRow(binLabel(static_cast<int>(bin)), m_sums[bin], draws, share.sums[bin]));
    addTest(sums, "sums", sums.rows);
    result.sections.push_back(std::move(sums));

    result.sections.push_back(valueSection("odd_even", m_odd, draws, share.halves));
    result.sections.push_back(valueSection("high_low", m_high, draws, share.halves));

    TrendSection consecutive { "consecutive", {}, {} };
    consecutive.rows.push_back(trendRow("with", m_consecutive[0], draws, 1 - share.withoutConsecutive));
    consecutive.rows.push_back(trendRow("without", m_consecutive[1], draws, share.withoutConsecutive));
    addTest(consecutive, "consecutive", consecutive.rows);
    result.sections.push_back(std::move(consecutive));

    result.sections.push_back(valueSection("pulls", m_pulls, std::max(draws - 1, 0.0), share.pulls));

    // The ten most frequent pairs, ties by the smaller pair first.
    std::vector<std::tuple<int, int, int>> pairs; // (-count, smaller, larger)
    pairs.reserve(465);
    for (int a = 1; a <= kNumbers; ++a) {
        for (int b = a + 1; b <= kNumbers; ++b)
            pairs.emplace_back(-m_pairs[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)], a, b);
    }
    std::partial_sort(pairs.begin(), pairs.begin() + 10, pairs.end());
    TrendSection top { "pairs", {}, {} };
    for (std::size_t i = 0; i < 10; ++i) {
        const auto [negated, a, b] = pairs[i];
        TrendRow row = trendRow(std::to_string(a) + '-' + std::to_string(b), -negated, draws, kPairShare);
        row.p = binomialUpperTail(-negated, m_draws, kPairShare);
        top.rows.push_back(std::move(row));
    }
    result.sections.push_back(std::move(top));
    return result;
}

Trends minilotoTrends(std::span<const std::array<int, 5>> draws)
{
    MinilotoTrendTally tally;
    tally.addAll(draws);
    return tally.trends();
}

} // namespace zelpo::analysis
