// SPDX-License-Identifier: MIT
#include "analysis/record.h"

#include "analysis/poisson.h"

namespace zelpo::analysis {

std::optional<double> ClassScore::ratio() const
{
    if (!(expected > 0))
        return std::nullopt;
    return hits / expected;
}

double ClassScore::p() const
{
    return poissonUpperTail(hits, expected);
}

Record::Record(Game game, bool keepSteps)
    : m_game(game)
    , m_keepSteps(keepSteps)
{
}

std::span<const ClassScore> Record::classes() const
{
    return std::span(m_classes).first(hitClasses(m_game).size());
}

void Record::score(
    const Draw& draw, std::span<const NumberedTicket> tickets, const PredictionText& textOf, bool countEmpty)
{
    if (tickets.empty() && !countEmpty)
        return;
    Step step;
    step.draw = draw.kaisai;
    const std::size_t classCount = hitClasses(m_game).size();
    for (const NumberedTicket& numbered : tickets) {
        const std::array<double, kMaxClasses> chance = chances(m_game, numbered.ticket);
        const ClassSet won = classesWon(m_game, numbered.ticket, draw);
        for (std::size_t c = 0; c < classCount; ++c) {
            const int hit = (won >> c) & 1u;
            step.hits[c] += hit;
            step.expected[c] += chance[c];
        }
        if (won)
            m_hits.push_back({ draw.kaisai, numbered.prediction, textOf(numbered.prediction), won });
    }
    for (std::size_t c = 0; c < classCount; ++c) {
        m_classes[c].hits += step.hits[c];
        m_classes[c].expected += step.expected[c];
    }
    m_tickets += static_cast<int>(tickets.size());
    ++m_draws;
    if (!m_first)
        m_first = draw.kaisai;
    m_last = draw.kaisai;
    if (m_keepSteps)
        m_steps.push_back(step);
}

void checkStored(Record& record, const Draw& draw, std::span<const std::string> stored)
{
    if (!isScorable(record.game(), draw))
        return;
    std::array<NumberedTicket, 5> tickets;
    std::size_t count = 0;
    for (std::size_t i = 0; i < stored.size() && count < tickets.size(); ++i) {
        if (const std::optional<Ticket> ticket = parseTicket(record.game(), stored[i]))
            tickets[count++] = { static_cast<int>(i) + 1, *ticket };
    }
    record.score(
        draw, std::span(tickets).first(count),
        [&](int prediction) { return stored[static_cast<std::size_t>(prediction) - 1]; }, false);
}

} // namespace zelpo::analysis
