// SPDX-License-Identifier: MIT
#include "cores/miniloto/prediction.h"

#include <bit>

namespace zelpo::miniloto {
namespace {

constexpr int kHighest = 31;

enum class Change { Multiply, Add, Subtract };

std::uint32_t changed(std::uint32_t seed, Change change, std::uint32_t count)
{
    switch (change) {
    case Change::Multiply:
        return seed * count;
    case Change::Add:
        return seed + count;
    case Change::Subtract:
        return seed - count;
    }
    return seed;
}

// One pass: five picks, each drawn again from a halved seed while it repeats
// an earlier pick of the pass. The halving stays in the seed for later passes.
// A template, so that the generator's own pick is called directly: a backtest
// makes four passes for every draw of the history.
template <class PickFunction>
NumberSet draw(std::array<std::uint32_t, 5>& seeds, const PickFunction& pick)
{
    std::uint32_t taken = 0; // bit n: n is an earlier pick of the pass
    const auto isTaken = [&taken](int value) { return (taken >> value) & 1u; };
    for (std::uint32_t& seed : seeds) {
        int value = pick(seed);
        while (isTaken(value)) {
            if (seed == 0) {
                // Halving 0 changes nothing, so the retry would never end:
                // take the smallest number still free instead.
                value = 1;
                while (isTaken(value))
                    ++value;
                break;
            }
            seed = halve(seed);
            value = pick(seed);
        }
        taken |= 1u << value;
    }
    // The picks in ascending order: the set bits from the lowest up.
    NumberSet picks {};
    for (int& number : picks) {
        number = std::countr_zero(taken);
        taken &= taken - 1;
    }
    return picks;
}

} // namespace

int pick(std::uint32_t seed)
{
    RuntimeRandom generator;
    generator.srand(seed);
    return generator.rand() % kHighest + 1;
}

std::uint32_t halve(std::uint32_t seed)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(seed) / 2);
}

namespace {

template <class PickFunction>
PredictedSets predictWith(const History& history, const PickFunction& pick)
{
    static constexpr Change kPasses[] = { Change::Multiply, Change::Add, Change::Multiply, Change::Subtract };
    std::array<std::uint32_t, 5> seeds = history.sums;
    PredictedSets sets;
    for (std::size_t pass = 0; pass < sets.size(); ++pass) {
        for (std::uint32_t& seed : seeds)
            seed = changed(seed, kPasses[pass], history.count);
        sets[pass] = draw(seeds, pick);
    }
    return sets;
}

Predictions texts(const PredictedSets& sets)
{
    Predictions predictions;
    for (std::size_t i = 0; i < sets.size(); ++i)
        predictions[i] = setText(sets[i]);
    return predictions;
}

} // namespace

std::string setText(const NumberSet& set)
{
    std::string text;
    for (const int value : set) {
        if (!text.empty())
            text += '-';
        text += std::to_string(value);
    }
    return text;
}

PredictedSets predictSets(const History& history)
{
    return predictWith(history, [](std::uint32_t seed) { return pick(seed); });
}

Predictions predict(const History& history)
{
    return texts(predictSets(history));
}

Predictions predict(const History& history, const Pick& pick)
{
    return texts(predictWith(history, pick));
}

} // namespace zelpo::miniloto
