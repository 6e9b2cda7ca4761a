// SPDX-License-Identifier: MIT
#include "cores/analysis/record.h"

#include "cores/analysis/poisson.h"

#include <algorithm>
#include <cstdint>

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

Record::Record(Game game, bool keepSteps, const Payouts* payouts)
    : m_game(game)
    , m_keepSteps(keepSteps)
{
    if (payouts)
        m_money.emplace(game, *payouts, keepSteps);
}

std::span<const ClassScore> Record::classes() const
{
    return std::span(m_classes).first(hitClasses(m_game).size());
}

void Record::score(const Draw& draw, std::span<const NumberedTicket> tickets, const PredictionText& textOf,
    bool countEmpty, std::optional<const DrawPayout*> payout)
{
    if (tickets.empty() && !countEmpty)
        return;
    Tally tally;
    std::array<ClassSet, 5> won {};
    tickets = tickets.first(std::min(tickets.size(), won.size()));
    DrawMatcher(m_game, draw).tally(tickets, tally, won);
    if (m_money)
        m_money->add(draw, tickets, std::span(won).first(tickets.size()), payout);
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        if (!won[i])
            continue;
        if (won[i] & kBonusUndecided)
            m_undecided.push_back({ m_hits.size(), m_keepSteps ? m_steps.size() : SIZE_MAX, draw.occurrence });
        m_hits.push_back({ draw.kaisai, tickets[i].prediction, textOf(tickets[i].prediction), won[i] });
    }
    const double denominator = chanceDenominator(m_game);
    const std::size_t classCount = hitClasses(m_game).size();
    Step step;
    step.draw = draw.kaisai;
    for (std::size_t c = 0; c < classCount; ++c) {
        m_classes[c].hits += tally.hits[c];
        m_chanceSums[c] += tally.chances[c];
        m_classes[c].expected = static_cast<double>(m_chanceSums[c]) / denominator;
        step.hits[c] = tally.hits[c];
        step.expected[c] = tally.chances[c] / denominator;
    }
    m_tickets += static_cast<int>(tickets.size());
    ++m_draws;
    if (!m_first)
        m_first = draw.kaisai;
    m_last = draw.kaisai;
    if (m_keepSteps)
        m_steps.push_back(step);
}

std::vector<std::pair<int, int>> Record::undecidedDraws() const
{
    std::vector<std::pair<int, int>> draws;
    for (const Undecided& undecided : m_undecided) {
        const std::pair draw { m_hits[undecided.hit].draw, undecided.occurrence };
        if (draws.empty() || draws.back() != draw)
            draws.push_back(draw);
    }
    return draws;
}

void Record::settleBonuses(std::span<const int> bonuses)
{
    std::size_t drawIndex = 0;
    std::pair<int, int> current { 0, -1 };
    std::vector<std::size_t> withBonuses;
    for (const Undecided& undecided : m_undecided) {
        Hit& hit = m_hits[undecided.hit];
        if (std::pair { hit.draw, undecided.occurrence } != current) {
            current = { hit.draw, undecided.occurrence };
            ++drawIndex;
        }
        const int bonus = drawIndex - 1 < bonuses.size() ? bonuses[drawIndex - 1] : 0;
        const std::optional<Ticket> ticket = parseTicket(m_game, hit.ticket);
        const bool withBonus = bonus != 0 && ticket
            && std::find(ticket->numbers.begin(), ticket->numbers.end(), bonus) != ticket->numbers.end();
        hit.classes = withBonus ? 1u << 1 : 1u << 2;
        if (withBonus) {
            withBonuses.push_back(static_cast<std::size_t>(&undecided - m_undecided.data()));
            --m_classes[2].hits;
            ++m_classes[1].hits;
            if (undecided.step != SIZE_MAX) {
                --m_steps[undecided.step].hits[2];
                ++m_steps[undecided.step].hits[1];
            }
        }
    }
    if (m_money)
        m_money->settleBonuses(withBonuses);
    m_undecided.clear();
}

ClassScore scoreBehind(const Record& record, TicketKind kind)
{
    const std::span<const ClassScore> classes = record.classes();
    const auto only = [&](std::size_t c) { return c < classes.size() ? classes[c] : ClassScore {}; };
    switch (kind) {
    case TicketKind::Straight:
        return only(0);
    case TicketKind::Box:
    case TicketKind::Set:
        return only(1);
    case TicketKind::Mini:
        return only(2);
    case TicketKind::MiniLoto:
        break;
    }
    ClassScore all;
    for (const ClassScore& score : classes) {
        all.hits += score.hits;
        all.expected += score.expected;
    }
    return all;
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
