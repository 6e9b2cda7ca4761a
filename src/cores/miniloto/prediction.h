// SPDX-License-Identifier: MIT
// The four Mini Loto predictions: the count of draws and the five column sums,
// fed as seeds to the pseudo-random generator the predictions were always made
// with, give four sets of five numbers from 1 to 31.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace zelpo::miniloto {

// The C runtime generator of the platform the predictions come from, so that
// they stay the ones its users know: a 32-bit linear congruential state whose
// bits 16..30 are the result.
class RuntimeRandom {
public:
    void srand(std::uint32_t seed) { m_state = seed; }
    int rand()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state = 1;
};

// The history as the prediction sees it. Every value is a 32-bit pattern:
// sums and products wrap around, and are read as signed only where a seed
// is halved.
struct History {
    std::uint32_t count = 0;
    std::array<std::uint32_t, 5> sums {};

    void add(const std::array<int, 5>& numbers)
    {
        ++count;
        for (std::size_t k = 0; k < sums.size(); ++k)
            sums[k] += static_cast<std::uint32_t>(numbers[k]);
    }
};

using Predictions = std::array<std::string, 4>;
using NumberSet = std::array<int, 5>; // ascending
using PredictedSets = std::array<NumberSet, 4>;

// From a seed's pattern to a number from 1 to 31.
using Pick = std::function<int(std::uint32_t seed)>;

// The generator's pick: re-seed, draw once, (value mod 31) + 1.
int pick(std::uint32_t seed);

// Signed halving toward zero of a seed's pattern: -7 -> -3, -1 -> 0.
std::uint32_t halve(std::uint32_t seed);

// The four texts such as "5-13-18-23-31", in order.
Predictions predict(const History& history);

// The same four sets as numbers, for work that needs no texts (a backtest
// predicts every draw of the history); predict() is their texts.
PredictedSets predictSets(const History& history);

// {5, 13, 18, 23, 31} -> "5-13-18-23-31".
std::string setText(const NumberSet& set);

// The same with another pick function (which must return 1..31).
Predictions predict(const History& history, const Pick& pick);

} // namespace zelpo::miniloto
