// SPDX-License-Identifier: MIT
// 出現傾向: what the draws of a window show (counts, gaps, sums, patterns,
// pulls, pairs), each row beside what chance alone gives, and where it makes
// sense a chi-square test. The games' tallies (numberstrends.h,
// minilototrends.h) fill these sections in one walk over the window.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelpo::analysis {

struct TrendRow {
    std::string label; // "1:0", "15-24", "single", "with", "3-17"
    int observed = 0;  // a count, or for gaps the number of draws since
    double expected = 0;
    std::optional<double> p; // gaps and pairs: the chance of at least this much
};

struct TrendTest {
    std::string label; // the position ("1") for digits, else the section's name
    double statistic = 0;
    int df = 0;
    double p = 1;
};

struct TrendSection {
    std::string name; // "digits", "gaps", "sums", ...
    std::vector<TrendRow> rows;
    std::vector<TrendTest> tests;
};

struct Trends {
    std::string game; // "numbers3", "numbers4", "miniloto"
    int draws = 0;    // |W|
    // The kaisai of the window's first and last draw: the tallies see only
    // the numbers, so whoever read the draws fills these in.
    std::optional<int> first;
    std::optional<int> last;
    std::vector<TrendSection> sections; // in the order the game lists them

    // The section of that name, or nullptr.
    const TrendSection* section(std::string_view name) const;
};

// Row `label` with its observed count and `draws` times its share.
TrendRow trendRow(std::string label, int observed, double draws, double share);

// Appends to `section` the Pearson test over `rows` (merged toward the
// middle; X times `scale`), unless too few rows are left for one.
void addTest(TrendSection& section, std::string label, std::span<const TrendRow> rows, double scale = 1.0);

// A section of one row per value 0, 1, ... (labelled so), each expecting
// `draws` times its share, and one test named like the section.
TrendSection valueSection(std::string name, std::span<const int> counts, double draws, std::span<const double> shares);

// The share of each value 0..n of a binomial(n, p).
std::vector<double> binomialShares(int n, double p);

} // namespace zelpo::analysis
