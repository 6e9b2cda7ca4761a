// SPDX-License-Identifier: MIT
// What each ticket won on each draw it covers, checked against the stored
// draws and their payouts with the money figures' rules: still to be drawn,
// won (its prize and the payout times the units), lost, or the payout not
// known. The draws are looked up by number, so tens of thousands of tickets
// are checked in one step each per draw.
#pragma once

#include "cores/tickets/ticket.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace zelpo::tickets {

// The stored draws of the games, with their payouts and dates, found by draw
// number; of rows sharing a number the first counts.
class DrawBook {
public:
    DrawBook() = default;
    // `dates` by draw number ("YYYY-MM-DD"); a draw without one is undated.
    void setGame(Game game, std::vector<analysis::Draw> draws, analysis::Payouts payouts,
        std::vector<std::pair<int, std::string>> dates = {});

    const analysis::Draw* draw(Game game, int kaisai) const;
    const analysis::DrawPayout* payout(Game game, int kaisai) const;
    // Empty when the draw has no date (or is not stored).
    std::string_view date(Game game, int kaisai) const;
    // The draw after the highest stored one (1 when none is).
    int nextDraw(Game game) const;

private:
    struct Stored {
        std::vector<analysis::Draw> draws;
        analysis::Payouts payouts;
        std::vector<int> index;                            // by draw number: the entry in `draws`, or -1
        std::vector<const analysis::DrawPayout*> payoutOf; // by draw number
        std::vector<std::string> dates;                    // by draw number
    };
    const Stored& of(Game game) const { return m_games[static_cast<std::size_t>(game)]; }
    std::array<Stored, 3> m_games;
};

enum class Outcome { Pending, Won, Lost, Unknown };
std::string_view outcomeName(Outcome outcome);  // "pending", "won", "lost", "unknown"
std::string_view outcomeLabel(Outcome outcome); // 未抽せん, 当せん, はずれ, 配当不明

enum class Prize { None, Straight, Box, SetStraight, SetBox, Mini, First, Second, Third, Fourth };
// "straight", "set_box", "1" ... as the command line names them; "ストレート",
// "セット（ボックス）", "1等" as the windows do; empty for None.
std::string_view prizeName(Prize prize);
std::string_view prizeLabel(Prize prize);

struct DrawResult {
    int draw = 0;
    Outcome outcome = Outcome::Pending;
    Prize prize = Prize::None; // won, and unknown when the numbers won a prize whose amount is not known
    Yen amount = 0;            // won: the payout times the units; otherwise 0
    // Decided (won or lost): what as many random tickets of the kind win on
    // average, units included, in analysis::chanceDenominator() of the kind.
    Yen chance = 0;

    bool decided() const { return outcome == Outcome::Won || outcome == Outcome::Lost; }
};

// The ticket's results, one per draw it covers, in draw order.
std::vector<DrawResult> check(const Ticket& ticket, const DrawBook& book);

// The results of many tickets, kept together.
class Checked {
public:
    Checked() = default;
    Checked(std::span<const Ticket> tickets, const DrawBook& book);
    std::span<const DrawResult> of(std::size_t ticket) const;
    std::size_t size() const { return m_starts.empty() ? 0 : m_starts.size() - 1; }

private:
    std::vector<DrawResult> m_results;
    std::vector<std::size_t> m_starts; // one per ticket and one after the last
};

} // namespace zelpo::tickets
