// SPDX-License-Identifier: MIT
#include "miniloto/prediction.h"

#include <algorithm>

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
std::string draw(std::array<std::uint32_t, 5>& seeds, const Pick& pick)
{
    std::array<int, 5> picks {};
    const auto taken = [&](int value, std::size_t before) {
        return std::find(picks.begin(), picks.begin() + static_cast<std::ptrdiff_t>(before), value)
            != picks.begin() + static_cast<std::ptrdiff_t>(before);
    };
    for (std::size_t k = 0; k < seeds.size(); ++k) {
        picks[k] = pick(seeds[k]);
        while (taken(picks[k], k)) {
            if (seeds[k] == 0) {
                // Halving 0 changes nothing, so the retry would never end:
                // take the smallest number still free instead.
                int free = 1;
                while (taken(free, k))
                    ++free;
                picks[k] = free;
                break;
            }
            seeds[k] = halve(seeds[k]);
            picks[k] = pick(seeds[k]);
        }
    }
    std::sort(picks.begin(), picks.end());
    std::string text;
    for (const int value : picks) {
        if (!text.empty())
            text += '-';
        text += std::to_string(value);
    }
    return text;
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

Predictions predict(const History& history)
{
    return predict(history, static_cast<int (*)(std::uint32_t)>(&pick));
}

Predictions predict(const History& history, const Pick& pick)
{
    static constexpr Change kPasses[] = { Change::Multiply, Change::Add, Change::Multiply, Change::Subtract };
    std::array<std::uint32_t, 5> seeds = history.sums;
    Predictions predictions;
    for (std::size_t pass = 0; pass < predictions.size(); ++pass) {
        for (std::uint32_t& seed : seeds)
            seed = changed(seed, kPasses[pass], history.count);
        predictions[pass] = draw(seeds, pick);
    }
    return predictions;
}

} // namespace zelpo::miniloto
