// SPDX-License-Identifier: MIT
#include "cores/analysis/payouts.h"

#include <algorithm>
#include <limits>

namespace zelpo::analysis {

DrawPayout::DrawPayout(int number, const std::array<std::optional<Yen>, 5>& yen)
    : kaisai(number)
{
    for (std::size_t k = 0; k < yen.size(); ++k)
        setYen(k, yen[k]);
}

void DrawPayout::setYen(std::size_t k, std::optional<Yen> yen)
{
    static_assert(kLargestPayout <= std::numeric_limits<std::int32_t>::max());
    const bool readable = yen && *yen >= 0 && *yen <= kLargestPayout;
    amounts[k] = readable ? static_cast<std::int32_t>(*yen) : 0;
    known = static_cast<std::uint8_t>(readable ? known | 1u << k : known & ~(1u << k));
}

DrawPayout drawPayout(const Numbers3Payout& payout)
{
    return { payout.kaisai, { payout.straight, payout.box, payout.setStraight, payout.setBox, payout.mini } };
}

DrawPayout drawPayout(const Numbers4Payout& payout)
{
    return { payout.kaisai, { payout.straight, payout.box, payout.setStraight, payout.setBox, std::nullopt } };
}

DrawPayout drawPayout(const MiniLotoPayout& payout)
{
    DrawPayout result { payout.kaisai, {} };
    for (std::size_t c = 0; c < payout.prizes.size(); ++c)
        result.setYen(kPrize1Yen + c, payout.prizes[c]);
    return result;
}

Payouts::Payouts(std::span<const Numbers3Payout> rows)
{
    keep(Game::Numbers3, rows);
}

Payouts::Payouts(std::span<const Numbers4Payout> rows)
{
    keep(Game::Numbers4, rows);
}

Payouts::Payouts(std::span<const MiniLotoPayout> rows)
{
    keep(Game::MiniLoto, rows);
}

Payouts::Payouts(Game game, std::vector<DrawPayout> rows)
{
    keep(game, std::move(rows));
}

template <class Row>
void Payouts::keep(Game game, std::span<const Row> rows)
{
    std::vector<DrawPayout> kept;
    kept.reserve(rows.size());
    for (const Row& row : rows)
        kept.push_back(drawPayout(row));
    keep(game, std::move(kept));
}

void Payouts::keep(Game game, std::vector<DrawPayout> rows)
{
    m_game = game;
    const auto byNumber = [](const DrawPayout& a, const DrawPayout& b) { return a.kaisai < b.kaisai; };
    // The tables hand their rows over in draw order; anything else is put in it.
    if (!std::is_sorted(rows.begin(), rows.end(), byNumber))
        std::stable_sort(rows.begin(), rows.end(), byNumber);
    const auto same = [](const DrawPayout& a, const DrawPayout& b) { return a.kaisai == b.kaisai; };
    rows.erase(std::unique(rows.begin(), rows.end(), same), rows.end());
    m_rows = std::make_shared<const std::vector<DrawPayout>>(std::move(rows));
}

const DrawPayout* Payouts::find(int kaisai) const
{
    std::size_t next = 0;
    return find(kaisai, next);
}

const DrawPayout* Payouts::find(int kaisai, std::size_t& next) const
{
    if (!m_rows)
        return nullptr;
    const std::vector<DrawPayout>& rows = *m_rows;
    // The row of the draw after the last, or the last again (a number stored twice).
    for (const std::size_t at : { next, next - 1 }) {
        if (at < rows.size() && rows[at].kaisai == kaisai) {
            next = at + 1;
            return &rows[at];
        }
    }
    const auto found = std::lower_bound(
        rows.begin(), rows.end(), kaisai, [](const DrawPayout& row, int number) { return row.kaisai < number; });
    next = static_cast<std::size_t>(found - rows.begin());
    if (found == rows.end() || found->kaisai != kaisai)
        return nullptr;
    ++next;
    return &*found;
}

} // namespace zelpo::analysis
