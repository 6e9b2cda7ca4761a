// SPDX-License-Identifier: MIT
#include "cores/analysis/numberstrends.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zelpo::analysis {
namespace {

// Every number of D digits is equally likely: the shares below are counts
// over all 10^D of them.
struct NumbersShares {
    std::vector<double> sums; // digit sum 0..9D
    std::vector<double> patterns;
    std::vector<double> halves; // odd digits (or digits 5-9) 0..D
    std::vector<double> pulls;  // positions repeating the previous draw 0..D
};

// The digit sums of D digits: the count of ways to reach each sum, one digit
// at a time.
std::vector<double> sumShares(std::size_t digits)
{
    std::vector<double> ways { 1.0 };
    for (std::size_t d = 0; d < digits; ++d) {
        std::vector<double> next(ways.size() + 9, 0.0);
        for (std::size_t s = 0; s < ways.size(); ++s) {
            for (std::size_t digit = 0; digit < 10; ++digit)
                next[s + digit] += ways[s];
        }
        ways = std::move(next);
    }
    const double total = std::pow(10.0, static_cast<double>(digits));
    for (double& w : ways)
        w /= total;
    return ways;
}

template <std::size_t D>
const NumbersShares& shares()
{
    static const NumbersShares cached = [] {
        NumbersShares s;
        s.sums = sumShares(D);
        if constexpr (D == 3)
            s.patterns = { 720 / 1e3, 270 / 1e3, 10 / 1e3 };
        else
            s.patterns = { 5040 / 1e4, 4320 / 1e4, 270 / 1e4, 360 / 1e4, 10 / 1e4 };
        s.halves = binomialShares(static_cast<int>(D), 0.5);
        s.pulls = binomialShares(static_cast<int>(D), 0.1);
        return s;
    }();
    return cached;
}

constexpr std::array<const char*, 3> kPatterns3 { "single", "double", "triple" };
constexpr std::array<const char*, 5> kPatterns4 { "single", "double", "double-double", "triple", "quad" };

// Single, double, (double-double,) triple(, quad): from the most times one
// digit occurs and how many different digits there are.
template <std::size_t D>
std::size_t patternOf(const std::array<int, D>& draw)
{
    std::array<int, 10> times {};
    for (const int digit : draw)
        ++times[static_cast<std::size_t>(digit)];
    const int most = *std::max_element(times.begin(), times.end());
    if constexpr (D == 3) {
        return static_cast<std::size_t>(most - 1);
    } else {
        const auto different = std::count_if(times.begin(), times.end(), [](int t) { return t > 0; });
        if (most == 2)
            return different == 3 ? 1 : 2;
        return most == 1 ? 0 : static_cast<std::size_t>(most);
    }
}

} // namespace

template <std::size_t D>
bool NumbersTrendTally<D>::accepts(const std::array<int, D>& draw)
{
    return std::all_of(draw.begin(), draw.end(), [](int digit) { return digit >= 0 && digit <= 9; });
}

template <std::size_t D>
void NumbersTrendTally<D>::add(const std::array<int, D>& draw)
{
    if (!accepts(draw))
        return;
    ++m_draws;
    int sum = 0;
    int odd = 0;
    int high = 0;
    int pulls = 0;
    for (std::size_t position = 0; position < D; ++position) {
        const int digit = draw[position];
        const auto d = static_cast<std::size_t>(digit);
        ++m_digits[position][d];
        m_lastSeen[position][d] = m_draws;
        sum += digit;
        odd += digit % 2;
        high += digit >= 5 ? 1 : 0;
        pulls += m_draws > 1 && m_previous[position] == digit ? 1 : 0;
    }
    ++m_sums[static_cast<std::size_t>(sum)];
    ++m_patterns[patternOf<D>(draw)];
    ++m_odd[static_cast<std::size_t>(odd)];
    ++m_high[static_cast<std::size_t>(high)];
    if (m_draws > 1)
        ++m_pulls[static_cast<std::size_t>(pulls)];
    m_previous = draw;
}

template <std::size_t D>
void NumbersTrendTally<D>::addAll(std::span<const std::array<int, D>> draws)
{
    for (const std::array<int, D>& draw : draws)
        add(draw);
}

template <std::size_t D>
Trends NumbersTrendTally<D>::trends() const
{
    const NumbersShares& share = shares<D>();
    const double draws = m_draws;
    Trends result;
    result.game = D == 3 ? "numbers3" : "numbers4";
    result.draws = m_draws;

    TrendSection digits { "digits", {}, {} };
    TrendSection gaps { "gaps", {}, {} };
    for (std::size_t position = 0; position < D; ++position) {
        const std::string prefix = std::to_string(position + 1) + ':';
        for (std::size_t digit = 0; digit < 10; ++digit) {
            const std::string label = prefix + std::to_string(digit);
            digits.rows.push_back(trendRow(label, m_digits[position][digit], draws, 0.1));
            const int gap = m_draws - m_lastSeen[position][digit];
            gaps.rows.push_back({ label, gap, 10.0, std::pow(0.9, gap) });
        }
        addTest(digits, std::to_string(position + 1), std::span(digits.rows).subspan(position * 10, 10));
    }
    result.sections.push_back(std::move(digits));
    result.sections.push_back(std::move(gaps));
    result.sections.push_back(valueSection("sums", m_sums, draws, share.sums));

    TrendSection patterns { "patterns", {}, {} };
    for (std::size_t p = 0; p < kPatterns; ++p)
        patterns.rows.push_back(
            trendRow(D == 3 ? kPatterns3[p] : kPatterns4[p], m_patterns[p], draws, share.patterns[p]));
    addTest(patterns, "patterns", patterns.rows);
    result.sections.push_back(std::move(patterns));

    result.sections.push_back(valueSection("odd_even", m_odd, draws, share.halves));
    result.sections.push_back(valueSection("high_low", m_high, draws, share.halves));
    result.sections.push_back(valueSection("pulls", m_pulls, std::max(draws - 1, 0.0), share.pulls));
    return result;
}

template class NumbersTrendTally<3>;
template class NumbersTrendTally<4>;

Trends numbersTrends(std::span<const std::array<int, 3>> draws)
{
    NumbersTrendTally<3> tally;
    tally.addAll(draws);
    return tally.trends();
}

Trends numbersTrends(std::span<const std::array<int, 4>> draws)
{
    NumbersTrendTally<4> tally;
    tally.addAll(draws);
    return tally.trends();
}

} // namespace zelpo::analysis
