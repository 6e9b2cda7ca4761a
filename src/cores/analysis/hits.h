// SPDX-License-Identifier: MIT
// Tickets and what they win: a ticket is one prediction of a game, read from
// its text; its hit classes against a draw and its chance of each class
// against a uniformly random draw.
#pragma once

#include "cores/game/game.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelpo::analysis {

inline constexpr std::size_t kMaxClasses = 4;

// A class as the command line names it ("straight", "1") and as the window
// shows it ("ストレート", "1等").
struct HitClass {
    std::string_view name;
    std::string_view label;
};

// The game's classes, most valuable first: straight, box (and mini for
// Numbers 3); Mini Loto 1 to 4.
std::span<const HitClass> hitClasses(Game game);

// Set of classes of one ticket: bit i stands for hitClasses(game)[i].
using ClassSet = unsigned;

// A drawn result. Numbers: `numbers` holds the digits, most significant
// first. Mini Loto: the five numbers and the bonus (0 when there is none,
// kBonusUnread when it was left to be read later).
struct Draw {
    int kaisai = 0;
    std::array<int, 5> numbers {};
    int bonus = 0;
    int occurrence = 0; // rows with the same draw number before this one
};

// The bonus of a Mini Loto draw that was read without it: only a ticket with
// four of the five numbers needs it, so a long backtest reads the bonuses of
// those few draws afterwards instead of the bonus of every draw.
inline constexpr int kBonusUnread = -1;
// Set beside class 3 for such a ticket: class 2 or 3, once the bonus is known.
inline constexpr ClassSet kBonusUndecided = 1u << 31;

// Numbers: every digit of the game's positions within 0..9.
bool isScorable(Game game, const Draw& draw);

// Numbers: exactly 3 (4) ASCII digits. Mini Loto: five distinct numbers 1..31
// joined by "-", each written with one or two digits.
struct Ticket {
    std::array<int, 5> numbers {};
};
std::optional<Ticket> parseTicket(Game game, std::string_view text);

// Mini Loto's bonus as stored: a number 1..31 in one or two ASCII digits,
// spaces around it ignored; anything else is no bonus (0).
int parseBonus(std::string_view text);

// The classes the ticket wins against the draw (a scorable draw).
ClassSet classesWon(Game game, const Ticket& ticket, const Draw& draw);

// A ticket with its prediction number, counted from 1.
struct NumberedTicket {
    int prediction = 0;
    Ticket ticket;
};

// What a set of tickets won against one draw, and what chance gave them.
struct Tally {
    std::array<int, kMaxClasses> hits {};
    std::array<int, kMaxClasses> chances {}; // in chanceDenominator()
};

// The same for many tickets against one draw, with the draw's side worked
// out once.
class DrawMatcher {
public:
    DrawMatcher(Game game, const Draw& draw);
    ClassSet classesWon(const Ticket& ticket) const;
    // Adds every ticket to `tally`; `won` (as long as `tickets`) gets each one's classes.
    void tally(std::span<const NumberedTicket> tickets, Tally& tally, std::span<ClassSet> won) const;

private:
    Game m_game;
    std::array<int, 4> m_digits {};
    std::uint32_t m_key = 0; // Numbers: the same for every ordering of the digits; Mini Loto: the numbers' bits
    std::uint32_t m_bonus = 0;
    bool m_scorable = true;
    bool m_bonusUnread = false;
};

// The ticket's chance of each class against a uniformly random draw, as a
// whole number of chanceDenominator(game): exact, and summed exactly.
std::array<int, kMaxClasses> chanceNumerators(Game game, const Ticket& ticket);
double chanceDenominator(Game game);

// The same as fractions.
std::array<double, kMaxClasses> chances(Game game, const Ticket& ticket);

} // namespace zelpo::analysis
