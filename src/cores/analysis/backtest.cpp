// SPDX-License-Identifier: MIT
#include "cores/analysis/backtest.h"

#include "cores/numbers/listing.h"

#include <algorithm>

namespace zelpo::analysis {

PredictionWalk::PredictionWalk(Game game)
    : m_game(game)
{
}

void PredictionWalk::take(const Draw& draw)
{
    switch (m_game) {
    case Game::Numbers3:
        m_numbers3.add({ draw.numbers[0], draw.numbers[1], draw.numbers[2] });
        break;
    case Game::Numbers4:
        m_numbers4.add({ draw.numbers[0], draw.numbers[1], draw.numbers[2], draw.numbers[3] });
        break;
    case Game::MiniLoto:
        m_miniLoto.add(draw.numbers);
        break;
    }
    ++m_taken;
}

void PredictionWalk::predict()
{
    // Every prediction of the method is a ticket: digits 0..9, or five
    // distinct numbers from 1 to 31.
    const auto keep = [this](const auto& predicted) {
        m_ticketCount = predicted.size();
        for (std::size_t i = 0; i < predicted.size(); ++i) {
            Ticket ticket;
            std::copy(predicted[i].begin(), predicted[i].end(), ticket.numbers.begin());
            m_tickets[i] = { static_cast<int>(i) + 1, ticket };
        }
    };
    switch (m_game) {
    case Game::Numbers3:
        keep(m_numbers3.digits());
        break;
    case Game::Numbers4:
        keep(m_numbers4.digits());
        break;
    case Game::MiniLoto:
        keep(miniloto::predictSets(m_miniLoto));
        break;
    }
}

std::span<const NumberedTicket> PredictionWalk::next(const Draw& draw)
{
    // The draws of the previous number join the history only now, so that a
    // number stored twice is predicted from the same draws both times.
    if (!m_waiting.empty() && m_waiting.back().kaisai != draw.kaisai) {
        for (const Draw& waiting : m_waiting)
            take(waiting);
        m_waiting.clear();
        m_predictionsReady = false;
    }
    if (!isScorable(m_game, draw))
        return {};
    m_waiting.push_back(draw);
    if (m_taken == 0)
        return {};
    if (!m_predictionsReady) {
        predict();
        m_predictionsReady = true;
    }
    return std::span(m_tickets).first(m_ticketCount);
}

std::string PredictionWalk::text(int prediction) const
{
    const auto index = static_cast<std::size_t>(prediction) - 1;
    if (index >= m_ticketCount)
        return {};
    const std::array<int, 5>& numbers = m_tickets[index].ticket.numbers;
    if (m_game == Game::MiniLoto)
        return miniloto::setText(numbers);
    return numbers::winningNumberText(std::span(numbers).first(m_game == Game::Numbers3 ? 3 : 4));
}

Backtest::Backtest(Game game, Range range, bool keepSteps, const Payouts* payouts)
    : m_walk(game)
    , m_range(range)
    , m_record(game, keepSteps, payouts)
    , m_text([this](int prediction) { return m_walk.text(prediction); })
{
}

void Backtest::add(const Draw& draw, std::optional<const DrawPayout*> payout)
{
    const std::span<const NumberedTicket> tickets = m_walk.next(draw);
    if (!tickets.empty() && m_range.contains(draw.kaisai))
        m_record.score(
            draw, tickets, [this](int prediction) { return m_walk.text(prediction); }, true, payout);
}

Record backtest(Game game, std::span<const Draw> draws, Range range, bool keepSteps, const Payouts* payouts)
{
    Backtest walk(game, range, keepSteps, payouts);
    for (const Draw& draw : draws)
        walk.add(draw);
    return walk.record();
}

} // namespace zelpo::analysis
