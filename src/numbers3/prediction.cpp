// SPDX-License-Identifier: MIT
#include "numbers3/prediction.h"

namespace zelpo::numbers3 {

template <std::size_t Positions>
bool DigitChains<Positions>::add(const Draw& draw)
{
    bool valid = true;
    for (const int digit : draw)
        valid = valid && static_cast<unsigned>(digit) <= 9u;
    if (!valid)
        return false;
    // The first draw has no predecessor: it only becomes the latest draw.
    if (m_hasDraw) {
        for (std::size_t p = 0; p < Positions; ++p)
            ++m_counts[p][m_last[p]][draw[p]];
    }
    m_last = draw;
    m_hasDraw = true;
    return true;
}

template <std::size_t Positions>
void DigitChains<Positions>::addAll(std::span<const Draw> draws)
{
    for (const Draw& draw : draws)
        add(draw);
}

template <std::size_t Positions>
typename DigitChains<Positions>::Ranking DigitChains<Positions>::ranking(std::size_t position) const
{
    std::array<std::int32_t, 3> count {};
    Ranking digit {};
    if (position >= Positions)
        return digit;
    const auto& followers = m_counts[position][m_last[position]];
    for (int d = 0; d < 10; ++d) {
        const std::int32_t v = followers[d];
        // Strict comparisons: an equal count never displaces an earlier, lower digit.
        if (v > count[0]) {
            count = { v, count[0], count[1] };
            digit = { d, digit[0], digit[1] };
        } else if (v > count[1]) {
            count = { count[0], v, count[1] };
            digit = { digit[0], d, digit[1] };
        } else if (v > count[2]) {
            count[2] = v;
            digit[2] = d;
        }
    }
    return digit;
}

template class DigitChains<3>;
template class DigitChains<4>;

Predictions Predictor::result() const
{
    const DigitChains<3>::Ranking h = m_chains.ranking(0);
    const DigitChains<3>::Ranking t = m_chains.ranking(1);
    const DigitChains<3>::Ranking u = m_chains.ranking(2);
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
