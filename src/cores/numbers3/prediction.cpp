// SPDX-License-Identifier: MIT
#include "cores/numbers3/prediction.h"

#include "cores/numbers/listing.h"

namespace zelpo::numbers3 {

PredictedDigits composeDigits(const numbers::DigitChains<3>& chains)
{
    const numbers::DigitChains<3>::Ranking h = chains.ranking(0);
    const numbers::DigitChains<3>::Ranking t = chains.ranking(1);
    const numbers::DigitChains<3>::Ranking u = chains.ranking(2);
    return { { { h[0], t[0], u[0] }, { h[1], t[1], u[1] }, { h[2], t[2], u[2] }, { t[0], t[1], t[2] },
        { u[0], u[1], u[2] } } };
}

Predictions compose(const numbers::DigitChains<3>& chains)
{
    return numbers::predictionTexts(composeDigits(chains));
}

Predictions predict(std::span<const Digits> history)
{
    Predictor predictor;
    predictor.addAll(history);
    return predictor.result();
}

} // namespace zelpo::numbers3
