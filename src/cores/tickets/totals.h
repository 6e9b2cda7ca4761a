// SPDX-License-Identifier: MIT
// The money of the tickets: what the decided draws cost and paid, beside
// what as many random tickets of the same kinds would have paid on the same
// draws (the money figures' chance, summed exactly), the balance draw date by
// draw date, and the sentence that compares them. A filter picks the tickets
// of a game and the draws of a period.
#pragma once

#include "cores/tickets/results.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelpo::tickets {

// A game (all without one) and a period of draw dates, both ends included
// ("YYYY-MM-DD", empty for open). A draw without a date (one still to come,
// or stored without its date) is in a period that is open at its end.
struct Filter {
    std::optional<Game> game;
    std::string from;
    std::string to;

    bool admits(const Ticket& ticket) const { return !game || *game == ticket.game; }
    bool admits(std::string_view date) const;
};

struct Totals {
    int decided = 0; // (ticket, draw) pairs won or lost
    int pending = 0;
    int unknown = 0;
    Yen cost = 0; // 200 yen x units per decided draw
    Yen won = 0;
    double chanceWon = 0;

    Yen balance() const { return won - cost; }
    double returnRate() const { return cost > 0 ? static_cast<double>(won) / static_cast<double>(cost) : 0.0; }
    double chanceReturnRate() const { return cost > 0 ? chanceWon / static_cast<double>(cost) : 0.0; }
};

// The balance after every draw date that decided a ticket, won - cost, with
// chance's expected balance beside it.
struct BalancePoint {
    std::string date; // empty for decided draws stored without a date, which come first
    Yen balance = 0;
    double chanceBalance = 0;
};

struct Summary {
    std::vector<std::size_t> tickets; // those the filter admits, newest first (by id)
    Totals totals;
    std::vector<BalancePoint> balances;
};

// `checked` holds the results of `tickets`, in the same order.
Summary summarize(std::span<const Ticket> tickets, const Checked& checked, const DrawBook& book, const Filter& filter);

// One sentence on the return beside chance's, in Japanese.
std::string comparison(const Totals& totals);

// A ticket's win on a draw, as it is announced.
struct Win {
    std::size_t ticket = 0;
    DrawResult result;
};
// The wins of the game's tickets on the draws numbered first to last, those
// whose payouts are not stored yet included.
std::vector<Win> winsAmong(std::span<const Ticket> tickets, const Checked& checked, Game game, int first, int last);
// "購入記録の券が当せんしました" and one line per win (draw, kind, numbers,
// amount, or that the payout is not stored yet); empty without wins.
std::string announcement(std::span<const Ticket> tickets, std::span<const Win> wins);

// 1234567 as "1,234,567".
std::string yenText(Yen yen);

} // namespace zelpo::tickets
