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

void Record::score(const Draw& draw, std::span<const std::string> tickets, bool countEmpty)
{
    Step step;
    step.draw = draw.kaisai;
    const std::size_t classCount = hitClasses(m_game).size();
    int read = 0;
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        const std::optional<Ticket> ticket = parseTicket(m_game, tickets[i]);
        if (!ticket)
            continue;
        ++read;
        const std::array<double, kMaxClasses> chance = chances(m_game, *ticket);
        const ClassSet won = classesWon(m_game, *ticket, draw);
        for (std::size_t c = 0; c < classCount; ++c) {
            const int hit = (won >> c) & 1u;
            m_classes[c].hits += hit;
            m_classes[c].expected += chance[c];
            step.hits[c] += hit;
            step.expected[c] += chance[c];
        }
        if (won)
            m_hits.push_back({ draw.kaisai, static_cast<int>(i) + 1, tickets[i], won });
    }
    if (read == 0 && !countEmpty)
        return;
    m_tickets += read;
    ++m_draws;
    if (!m_first)
        m_first = draw.kaisai;
    m_last = draw.kaisai;
    if (m_keepSteps)
        m_steps.push_back(step);
}

void checkStored(Record& record, const Draw& draw, std::span<const std::string> stored)
{
    if (isScorable(record.game(), draw))
        record.score(draw, stored, false);
}

} // namespace zelpo::analysis
