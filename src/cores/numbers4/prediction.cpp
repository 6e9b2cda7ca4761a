// SPDX-License-Identifier: MIT
#include "cores/numbers4/prediction.h"

#include "cores/numbers/listing.h"

namespace zelpo::numbers4 {

PredictedDigits composeDigits(const numbers::DigitChains<4>& chains)
{
    const numbers::DigitChains<4>::Ranking th = chains.ranking(0);
    const numbers::DigitChains<4>::Ranking h = chains.ranking(1);
    const numbers::DigitChains<4>::Ranking t = chains.ranking(2);
    const numbers::DigitChains<4>::Ranking u = chains.ranking(3);
    return { { { th[0], h[0], t[0], u[0] }, { th[1], h[1], t[1], u[1] }, { th[2], h[2], t[2], u[2] },
        { th[1], h[0], t[1], u[0] }, { th[2], h[1], t[2], u[1] } } };
}

Predictions compose(const numbers::DigitChains<4>& chains)
{
    return numbers::predictionTexts(composeDigits(chains));
}

Predictions predict(std::span<const Digits> history)
{
    Predictor predictor;
    predictor.addAll(history);
    return predictor.result();
}

} // namespace zelpo::numbers4
