// SPDX-License-Identifier: MIT
#include "cores/analysis/trends.h"

#include "cores/analysis/chisquare.h"

#include <cmath>
#include <utility>

namespace zelpo::analysis {

const TrendSection* Trends::section(std::string_view name) const
{
    for (const TrendSection& s : sections) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

TrendRow trendRow(std::string label, int observed, double draws, double share)
{
    TrendRow row;
    row.label = std::move(label);
    row.observed = observed;
    row.expected = draws * share;
    return row;
}

void addTest(TrendSection& section, std::string label, std::span<const TrendRow> rows, double scale)
{
    std::vector<Cell> cells;
    cells.reserve(rows.size());
    for (const TrendRow& row : rows)
        cells.push_back({ static_cast<double>(row.observed), row.expected });
    const std::optional<ChiSquare> test = pearsonTest(cells, scale);
    if (test)
        section.tests.push_back({ std::move(label), test->statistic, test->df, test->p });
}

TrendSection valueSection(std::string name, std::span<const int> counts, double draws, std::span<const double> shares)
{
    TrendSection section { std::move(name), {}, {} };
    for (std::size_t value = 0; value < counts.size(); ++value)
        section.rows.push_back(trendRow(std::to_string(value), counts[value], draws, shares[value]));
    addTest(section, section.name, section.rows);
    return section;
}

std::vector<double> binomialShares(int n, double p)
{
    std::vector<double> shares(static_cast<std::size_t>(n + 1));
    double choose = 1; // C(n, k)
    for (int k = 0; k <= n; ++k) {
        shares[static_cast<std::size_t>(k)] = choose * std::pow(p, k) * std::pow(1 - p, n - k);
        choose = choose * (n - k) / (k + 1);
    }
    return shares;
}

} // namespace zelpo::analysis
