// SPDX-License-Identifier: MIT
#include "numbers4/prediction.h"

namespace zelpo::numbers4 {

Predictions compose(const numbers::DigitChains<4>& chains)
{
    const numbers::DigitChains<4>::Ranking th = chains.ranking(0);
    const numbers::DigitChains<4>::Ranking h = chains.ranking(1);
    const numbers::DigitChains<4>::Ranking t = chains.ranking(2);
    const numbers::DigitChains<4>::Ranking u = chains.ranking(3);
    const auto text = [](int a, int b, int c, int d) {
        return std::string { static_cast<char>('0' + a), static_cast<char>('0' + b), static_cast<char>('0' + c),
            static_cast<char>('0' + d) };
    };
    return { text(th[0], h[0], t[0], u[0]), text(th[1], h[1], t[1], u[1]), text(th[2], h[2], t[2], u[2]),
        text(th[1], h[0], t[1], u[0]), text(th[2], h[1], t[2], u[1]) };
}

Predictions predict(std::span<const Digits> history)
{
    Predictor predictor;
    predictor.addAll(history);
    return predictor.result();
}

} // namespace zelpo::numbers4
