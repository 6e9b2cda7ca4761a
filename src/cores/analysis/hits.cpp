// SPDX-License-Identifier: MIT
#include "cores/analysis/hits.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace zelpo::analysis {
namespace {

constexpr HitClass kNumbers3Classes[] = { { "straight", "ストレート" }, { "box", "ボックス" }, { "mini", "ミニ" } };
constexpr HitClass kNumbers4Classes[] = { { "straight", "ストレート" }, { "box", "ボックス" } };
constexpr HitClass kMiniLotoClasses[] = { { "1", "1等" }, { "2", "2等" }, { "3", "3等" }, { "4", "4等" } };

// C(31, 5): the equally likely sets of five numbers.
constexpr double kMiniLotoSets = 169911.0;

constexpr std::size_t positions(Game game)
{
    return game == Game::Numbers3 ? 3 : 4;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Orderings of the digits that are distinct: n! over the product of the
// factorials of each digit's multiplicity. For three or four digits the
// number of equal pairs tells the pattern: abc 0, aab 1, aaa 3; abcd 0,
// aabc 1, aabb 2, aaab 3, aaaa 6.
int distinctOrderings(std::span<const int> digits)
{
    int equalPairs = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        for (std::size_t j = i + 1; j < digits.size(); ++j)
            equalPairs += digits[i] == digits[j];
    }
    static constexpr int kThree[] = { 6, 3, 0, 1 };
    static constexpr int kFour[] = { 24, 12, 6, 4, 0, 0, 1 };
    return digits.size() == 3 ? kThree[equalPairs] : kFour[equalPairs];
}

// The same number for every ordering of the same digits: a product of one
// prime per digit, which factors in only one way.
std::uint32_t multisetKey(std::span<const int> digits)
{
    static constexpr std::uint32_t kPrimes[] = { 2, 3, 5, 7, 11, 13, 17, 19, 23, 29 };
    std::uint32_t key = 1;
    for (const int d : digits)
        key *= kPrimes[d];
    return key;
}

// Bit n for each number n from 1 to 31 among `numbers`.
std::uint32_t numberMask(std::span<const int> numbers)
{
    std::uint32_t mask = 0;
    for (const int n : numbers) {
        if (n >= 1 && n <= 31)
            mask |= 1u << n;
    }
    return mask;
}

std::optional<Ticket> parseNumbersTicket(std::size_t digits, std::string_view text)
{
    if (text.size() != digits || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    Ticket ticket;
    for (std::size_t i = 0; i < digits; ++i)
        ticket.numbers[i] = text[i] - '0';
    return ticket;
}

std::optional<Ticket> parseMiniLotoTicket(std::string_view text)
{
    Ticket ticket;
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find('-', start), text.size());
        const std::string_view part = text.substr(start, end - start);
        if (count == ticket.numbers.size() || part.empty() || part.size() > 2
            || !std::all_of(part.begin(), part.end(), isDigit))
            return std::nullopt;
        const int value = part.size() == 1 ? part[0] - '0' : (part[0] - '0') * 10 + (part[1] - '0');
        const auto taken = ticket.numbers.begin() + static_cast<std::ptrdiff_t>(count);
        if (value < 1 || value > 31 || std::find(ticket.numbers.begin(), taken, value) != taken)
            return std::nullopt;
        ticket.numbers[count++] = value;
        if (end == text.size())
            break;
        start = end + 1;
    }
    if (count != ticket.numbers.size())
        return std::nullopt;
    return ticket;
}

} // namespace

std::span<const HitClass> hitClasses(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return kNumbers3Classes;
    case Game::Numbers4:
        return kNumbers4Classes;
    case Game::MiniLoto:
        return kMiniLotoClasses;
    }
    return {};
}

bool isScorable(Game game, const Draw& draw)
{
    if (game == Game::MiniLoto)
        return true;
    const auto digits = std::span(draw.numbers).first(positions(game));
    return std::all_of(digits.begin(), digits.end(), [](int d) { return d >= 0 && d <= 9; });
}

std::optional<Ticket> parseTicket(Game game, std::string_view text)
{
    if (game == Game::MiniLoto)
        return parseMiniLotoTicket(text);
    return parseNumbersTicket(positions(game), text);
}

int parseBonus(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return 0;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), isDigit))
        return 0;
    const int value = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    return value >= 1 && value <= 31 ? value : 0;
}

DrawMatcher::DrawMatcher(Game game, const Draw& draw)
    : m_game(game)
{
    if (game == Game::MiniLoto) {
        m_key = numberMask(draw.numbers);
        m_bonus = draw.bonus >= 1 && draw.bonus <= 31 ? 1u << draw.bonus : 0;
        m_bonusUnread = draw.bonus == kBonusUnread;
        return;
    }
    const std::size_t n = positions(game);
    std::copy_n(draw.numbers.begin(), n, m_digits.begin());
    // A draw with a digit outside 0..9 wins nothing.
    m_scorable = isScorable(game, draw);
    if (m_scorable)
        m_key = multisetKey(std::span(m_digits).first(n));
}

ClassSet DrawMatcher::classesWon(const Ticket& ticket) const
{
    const auto& mine = ticket.numbers;
    if (!m_scorable)
        return 0;
    switch (m_game) {
    case Game::MiniLoto: {
        // A ticket's numbers are 1..31 by construction.
        std::uint32_t numbers = 0;
        for (const int n : mine)
            numbers |= 1u << (n & 31);
        const int matched = std::popcount(numbers & m_key);
        if (matched == 5)
            return 1u << 0;
        if (matched == 4 && m_bonusUnread)
            return 1u << 2 | kBonusUndecided;
        if (matched == 4)
            return (numbers & m_bonus) ? 1u << 1 : 1u << 2;
        return matched == 3 ? 1u << 3 : 0;
    }
    case Game::Numbers3: {
        if (multisetKey(std::span(mine).first(3)) != m_key)
            return mine[1] == m_digits[1] && mine[2] == m_digits[2] ? 1u << 2 : 0;
        const bool straight = mine[0] == m_digits[0] && mine[1] == m_digits[1] && mine[2] == m_digits[2];
        const bool mini = mine[1] == m_digits[1] && mine[2] == m_digits[2];
        return (straight ? 1u << 0 : 0) | 1u << 1 | (mini ? 1u << 2 : 0);
    }
    case Game::Numbers4: {
        if (multisetKey(std::span(mine).first(4)) != m_key)
            return 0;
        const bool straight = std::equal(m_digits.begin(), m_digits.end(), mine.begin());
        return (straight ? 1u << 0 : 0) | 1u << 1;
    }
    }
    return 0;
}

void DrawMatcher::tally(std::span<const NumberedTicket> tickets, Tally& tally, std::span<ClassSet> won) const
{
    const std::size_t classCount = hitClasses(m_game).size();
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        const ClassSet classes = classesWon(tickets[i].ticket);
        won[i] = classes;
        for (std::size_t c = 0; c < classCount; ++c)
            tally.hits[c] += (classes >> c) & 1u;
    }
    // Only the box chance differs from ticket to ticket.
    const std::array<int, kMaxClasses> first
        = tickets.empty() ? std::array<int, kMaxClasses> {} : chanceNumerators(m_game, tickets[0].ticket);
    const int count = static_cast<int>(tickets.size());
    for (std::size_t c = 0; c < classCount; ++c)
        tally.chances[c] += first[c] * count;
    if (m_game != Game::MiniLoto) {
        const std::size_t n = positions(m_game);
        int box = 0;
        for (const NumberedTicket& numbered : tickets)
            box += distinctOrderings(std::span(numbered.ticket.numbers).first(n));
        tally.chances[1] += box - first[1] * count;
    }
}

ClassSet classesWon(Game game, const Ticket& ticket, const Draw& draw)
{
    return DrawMatcher(game, draw).classesWon(ticket);
}

std::array<int, kMaxClasses> chanceNumerators(Game game, const Ticket& ticket)
{
    switch (game) {
    case Game::Numbers3:
        return { 1, distinctOrderings(std::span(ticket.numbers).first(3)), 10, 0 };
    case Game::Numbers4:
        return { 1, distinctOrderings(std::span(ticket.numbers).first(4)), 0, 0 };
    case Game::MiniLoto:
        // 4 of the five with the bonus being the fifth: 5 x 1 of the 26 others.
        return { 1, 5, 125, 3250 };
    }
    return {};
}

double chanceDenominator(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return 1000;
    case Game::Numbers4:
        return 10000;
    case Game::MiniLoto:
        return kMiniLotoSets;
    }
    return 1;
}

std::array<double, kMaxClasses> chances(Game game, const Ticket& ticket)
{
    const std::array<int, kMaxClasses> numerators = chanceNumerators(game, ticket);
    std::array<double, kMaxClasses> result {};
    for (std::size_t c = 0; c < kMaxClasses; ++c)
        result[c] = numerators[c] / chanceDenominator(game);
    return result;
}

} // namespace zelpo::analysis
