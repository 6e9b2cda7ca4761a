// SPDX-License-Identifier: MIT
#include "analysis/hits.h"

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
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return 0;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), isDigit))
        return 0;
    const int value = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    return value >= 1 && value <= 31 ? value : 0;
}

ClassSet classesWon(Game game, const Ticket& ticket, const Draw& draw)
{
    if (game == Game::MiniLoto) {
        const std::uint32_t mine = numberMask(ticket.numbers);
        const int matched = std::popcount(mine & numberMask(draw.numbers));
        const bool bonus = draw.bonus >= 1 && draw.bonus <= 31 && ((mine >> draw.bonus) & 1u);
        if (matched == 5)
            return 1u << 0;
        if (matched == 4)
            return bonus ? 1u << 1 : 1u << 2;
        if (matched == 3)
            return 1u << 3;
        return 0;
    }
    if (!isScorable(game, draw))
        return 0;
    const std::size_t n = positions(game);
    const auto mine = std::span(ticket.numbers).first(n);
    const auto drawn = std::span(draw.numbers).first(n);
    ClassSet won = 0;
    if (std::equal(mine.begin(), mine.end(), drawn.begin()))
        won |= 1u << 0;
    if (multisetKey(mine) == multisetKey(drawn))
        won |= 1u << 1;
    if (game == Game::Numbers3 && mine[1] == drawn[1] && mine[2] == drawn[2])
        won |= 1u << 2;
    return won;
}

std::array<double, kMaxClasses> chances(Game game, const Ticket& ticket)
{
    switch (game) {
    case Game::Numbers3:
        return { 1.0 / 1000, distinctOrderings(std::span(ticket.numbers).first(3)) / 1000.0, 1.0 / 100, 0 };
    case Game::Numbers4:
        return { 1.0 / 10000, distinctOrderings(std::span(ticket.numbers).first(4)) / 10000.0, 0, 0 };
    case Game::MiniLoto:
        // 4 of the five with the bonus being the fifth: 5 x 1 of the 26 others.
        return { 1 / kMiniLotoSets, 5 / kMiniLotoSets, 125 / kMiniLotoSets, 3250 / kMiniLotoSets };
    }
    return {};
}

} // namespace zelpo::analysis
