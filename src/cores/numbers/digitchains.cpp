// SPDX-License-Identifier: MIT
#include "cores/numbers/digitchains.h"

#include <utility>

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
        for (std::size_t p = 0; p < Positions; ++p) {
            Counts& counts = m_counts[p][m_last[p]];
            ++counts[draw[p]];
            raise(m_places[p][m_last[p]], counts, draw[p]);
        }
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
void DigitChains<Positions>::raise(Places& places, const Counts& counts, int digit)
{
    // Only the digit that just followed once more can move: it keeps its
    // place or climbs, and a digit it overtakes for the last place drops out.
    // Places go by count, and equal counts to the lower digit.
    const auto ahead = [&counts](int a, int b) { return counts[a] > counts[b] || (counts[a] == counts[b] && a < b); };
    Ranking& digits = places.digits;
    int at = 0;
    while (at < places.taken && digits[at] != digit)
        ++at;
    if (at == places.taken) {
        if (places.taken < 3)
            ++places.taken;
        else if (!ahead(digit, digits[2]))
            return;
        at = places.taken - 1;
        digits[at] = digit;
    }
    for (; at > 0 && ahead(digits[at], digits[at - 1]); --at)
        std::swap(digits[at], digits[at - 1]);
}

template <std::size_t Positions>
typename DigitChains<Positions>::Ranking DigitChains<Positions>::ranking(std::size_t position) const
{
    return position < Positions ? m_places[position][m_last[position]].digits : Ranking {};
}

template class DigitChains<3>;
template class DigitChains<4>;

} // namespace zelpo::numbers
