// SPDX-License-Identifier: MIT
#include "numbers3/prediction.h"

#include <algorithm>

namespace zelpo::numbers3 {

DigitChains::DigitChains(int positions)
    : m_positions(std::clamp(positions, 1, kMaxPositions))
{
}

bool DigitChains::add(std::span<const int> digits)
{
    if (digits.size() != static_cast<std::size_t>(m_positions))
        return false;
    for (const int digit : digits) {
        if (digit < 0 || digit > 9)
            return false;
    }
    for (int p = 0; p < m_positions; ++p) {
        const int digit = digits[static_cast<std::size_t>(p)];
        // The first draw has no predecessor: it only becomes the latest digit.
        if (m_hasDraw)
            ++m_counts[p][m_last[p]][digit];
        m_last[p] = digit;
    }
    m_hasDraw = true;
    return true;
}

DigitChains::Ranking DigitChains::ranking(int position) const
{
    std::array<std::int32_t, 3> count {};
    Ranking digit {};
    if (position < 0 || position >= m_positions)
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

Predictions Predictor::result() const
{
    const DigitChains::Ranking h = m_chains.ranking(0);
    const DigitChains::Ranking t = m_chains.ranking(1);
    const DigitChains::Ranking u = m_chains.ranking(2);
    const auto text = [](int a, int b, int c) {
        return std::string { static_cast<char>('0' + a), static_cast<char>('0' + b), static_cast<char>('0' + c) };
    };
    return { text(h[0], t[0], u[0]), text(h[1], t[1], u[1]), text(h[2], t[2], u[2]), text(t[0], t[1], t[2]),
        text(u[0], u[1], u[2]) };
}

Predictions predict(std::span<const Digits> history)
{
    Predictor predictor;
    for (const Digits& draw : history)
        predictor.add(draw);
    return predictor.result();
}

} // namespace zelpo::numbers3
