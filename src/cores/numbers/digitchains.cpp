// SPDX-License-Identifier: MIT
#include "cores/numbers/digitchains.h"

namespace zelpo::numbers {

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

} // namespace zelpo::numbers
