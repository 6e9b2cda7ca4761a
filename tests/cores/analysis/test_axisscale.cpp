// SPDX-License-Identifier: MIT
#include "cores/analysis/axisscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

using zelpo::analysis::AxisScale;
using zelpo::analysis::roundAxis;

namespace {

struct AxisCase {
    const char* name;
    double highest;
    double top;
    int tickCount;
    int decimals;
};

class RoundAxis : public ::testing::TestWithParam<AxisCase> { };

// The labels as the chart prints them: "%.Nf" of each tick.
std::vector<std::string> labels(const AxisScale& axis)
{
    std::vector<std::string> result;
    for (int i = 0; i < axis.tickCount; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", axis.decimals, axis.top * i / (axis.tickCount - 1));
        result.emplace_back(text);
    }
    return result;
}

} // namespace

TEST_P(RoundAxis, EndsOnARoundNumberWithDistinctRoundLabels)
{
    const AxisCase& c = GetParam();
    const AxisScale axis = roundAxis(c.highest);
    EXPECT_DOUBLE_EQ(axis.top, c.top);
    EXPECT_EQ(axis.tickCount, c.tickCount);
    EXPECT_EQ(axis.decimals, c.decimals);

    const std::vector<std::string> shown = labels(axis);
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), shown.size()) << "labels repeat";
    const double step = axis.top / (axis.tickCount - 1);
    for (std::size_t i = 0; i < shown.size(); ++i) // each label is its tick exactly
        EXPECT_NEAR(std::stod(shown[i]), step * static_cast<double>(i), step * 1e-9) << shown[i];
}

INSTANTIATE_TEST_SUITE_P(Scales, RoundAxis,
    ::testing::Values(
        // The chart's smallest range: one hit, with its 5% headroom.
        AxisCase { "one_hit", 1.05, 1.5, 4, 1 }, AxisCase { "a_tiny_expectation", 0.019, 0.02, 5, 3 },
        AxisCase { "exactly_one", 1, 1, 6, 1 }, AxisCase { "three_tenths", 0.3, 0.3, 4, 1 },
        AxisCase { "a_few_hits", 7.35, 8, 5, 0 }, AxisCase { "tens", 47, 50, 6, 0 },
        AxisCase { "just_past_a_hundred", 101, 150, 4, 0 }, AxisCase { "thousands", 5123.4, 6000, 4, 0 },
        AxisCase { "nothing_yet", 0, 1, 6, 1 }),
    [](const auto& info) { return std::string(info.param.name); });
