// SPDX-License-Identifier: MIT
#include "analysis/backtest.h"

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
    if (m_game == Game::MiniLoto) {
        // Sets of five distinct numbers from 1 to 31: tickets as they are.
        m_miniLotoSets = miniloto::predictSets(m_miniLoto);
        m_ticketCount = m_miniLotoSets.size();
        for (std::size_t i = 0; i < m_ticketCount; ++i)
            m_tickets[i] = { static_cast<int>(i) + 1, Ticket { m_miniLotoSets[i] } };
        return;
    }
    // The method writes one decimal character per digit.
    m_numbersTexts = m_game == Game::Numbers3 ? m_numbers3.result() : m_numbers4.result();
    m_ticketCount = m_numbersTexts.size();
    for (std::size_t i = 0; i < m_ticketCount; ++i) {
        Ticket ticket;
        for (std::size_t p = 0; p < m_numbersTexts[i].size() && p < ticket.numbers.size(); ++p)
            ticket.numbers[p] = m_numbersTexts[i][p] - '0';
        m_tickets[i] = { static_cast<int>(i) + 1, ticket };
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
    if (m_game == Game::MiniLoto)
        return index < m_miniLotoSets.size() ? miniloto::setText(m_miniLotoSets[index]) : std::string();
    return index < m_numbersTexts.size() ? m_numbersTexts[index] : std::string();
}

Backtest::Backtest(Game game, Range range, bool keepSteps)
    : m_walk(game)
    , m_range(range)
    , m_record(game, keepSteps)
{
}

void Backtest::add(const Draw& draw)
{
    const std::span<const NumberedTicket> tickets = m_walk.next(draw);
    if (!tickets.empty() && m_range.contains(draw.kaisai))
        m_record.score(
            draw, tickets, [this](int prediction) { return m_walk.text(prediction); }, true);
}

Record backtest(Game game, std::span<const Draw> draws, Range range, bool keepSteps)
{
    Backtest walk(game, range, keepSteps);
    for (const Draw& draw : draws)
        walk.add(draw);
    return walk.record();
}

} // namespace zelpo::analysis
