// SPDX-License-Identifier: MIT
#include "cores/analysis/payouts.h"

#include <algorithm>

namespace zelpo::analysis {
namespace {

std::optional<Yen> amount(const std::optional<Yen>& yen)
{
    if (!yen || *yen < 0 || *yen > kLargestPayout)
        return std::nullopt;
    return yen;
}

} // namespace

DrawPayout drawPayout(const Numbers3Payout& payout)
{
    return { payout.kaisai,
        { amount(payout.straight), amount(payout.box), amount(payout.setStraight), amount(payout.setBox),
            amount(payout.mini) } };
}

DrawPayout drawPayout(const Numbers4Payout& payout)
{
    return { payout.kaisai,
        { amount(payout.straight), amount(payout.box), amount(payout.setStraight), amount(payout.setBox),
            std::nullopt } };
}

DrawPayout drawPayout(const MiniLotoPayout& payout)
{
    DrawPayout result { payout.kaisai, {} };
    for (std::size_t c = 0; c < payout.prizes.size(); ++c)
        result.yen[kPrize1Yen + c] = amount(payout.prizes[c]);
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
    for (DrawPayout& row : rows) {
        for (std::optional<Yen>& yen : row.yen)
            yen = amount(yen);
    }
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
