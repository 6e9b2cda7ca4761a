// SPDX-License-Identifier: MIT
// Pearson's chi-square test of observed counts against their expectations,
// with the small rows merged toward the middle first.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace zelpo::analysis {

struct Cell {
    double observed = 0;
    double expected = 0;
};

// Small rows merged toward the middle row m = (rows - 1) / 2 (counted from
// 0): from the first row up to row m - 1, a row whose expected count (with
// what was already added into it) is below 5 is added into the next row; from
// the last row down to row m + 1, likewise into the previous one.
std::vector<Cell> mergeTowardMiddle(std::span<const Cell> cells);

struct ChiSquare {
    double statistic = 0;
    int df = 0;
    double p = 1;
};

// The test over the merged cells: X = scale * sum (o - e)^2 / e, df = cells
// left - 1, p = P(chi-square with df >= X). Nothing when fewer than two
// cells are left or a cell left expects nothing.
std::optional<ChiSquare> pearsonTest(std::span<const Cell> cells, double scale = 1.0);

// P(chi-square with df degrees of freedom >= x); 1 for x <= 0.
double chiSquareUpperTail(double x, int df);

// Q(a, x) = Gamma(a, x) / Gamma(a), the regularized upper incomplete gamma
// function for a > 0; 1 for x <= 0. Far out in the tail it keeps its
// relative accuracy (no 1 minus a number close to 1).
double regularizedGammaQ(double a, double x);

} // namespace zelpo::analysis
