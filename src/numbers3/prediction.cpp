// SPDX-License-Identifier: MIT
#include "numbers3/prediction.h"

namespace zelpo::numbers3 {

Predictions compose(const numbers::DigitChains<3>& chains)
{
    const numbers::DigitChains<3>::Ranking h = chains.ranking(0);
    const numbers::DigitChains<3>::Ranking t = chains.ranking(1);
    const numbers::DigitChains<3>::Ranking u = chains.ranking(2);
    const auto text = [](int a, int b, int c) {
        return std::string { static_cast<char>('0' + a), static_cast<char>('0' + b), static_cast<char>('0' + c) };
    };
    return { text(h[0], t[0], u[0]), text(h[1], t[1], u[1]), text(h[2], t[2], u[2]), text(t[0], t[1], t[2]),
        text(u[0], u[1], u[2]) };
}

Predictions predict(std::span<const Digits> history)
{
    Predictor predictor;
    predictor.addAll(history);
    return predictor.result();
}

} // namespace zelpo::numbers3
