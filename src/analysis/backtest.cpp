// SPDX-License-Identifier: MIT
#include "analysis/backtest.h"

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

std::span<const std::string> PredictionWalk::next(const Draw& draw)
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
        if (m_game == Game::MiniLoto) {
            const miniloto::Predictions predictions = miniloto::predict(m_miniLoto);
            std::copy(predictions.begin(), predictions.end(), m_predictions.begin());
            m_predictionCount = predictions.size();
        } else {
            m_predictions = m_game == Game::Numbers3 ? m_numbers3.result() : m_numbers4.result();
            m_predictionCount = m_predictions.size();
        }
        m_predictionsReady = true;
    }
    return std::span(m_predictions).first(m_predictionCount);
}

Backtest::Backtest(Game game, Range range, bool keepSteps)
    : m_walk(game)
    , m_range(range)
    , m_record(game, keepSteps)
{
}

void Backtest::add(const Draw& draw)
{
    const std::span<const std::string> predictions = m_walk.next(draw);
    if (!predictions.empty() && m_range.contains(draw.kaisai))
        m_record.score(draw, predictions, true);
}

Record backtest(Game game, std::span<const Draw> draws, Range range, bool keepSteps)
{
    Backtest walk(game, range, keepSteps);
    for (const Draw& draw : draws)
        walk.add(draw);
    return walk.record();
}

} // namespace zelpo::analysis
