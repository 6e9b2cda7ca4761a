// SPDX-License-Identifier: MIT
// What an update would do to one game, worked out from the stored draws and
// the published ones before anything is stored:
//  - the published draws above the highest stored one are appended, and they
//    must follow it without a gap;
//  - a draw both hold must have the same numbers (Mini Loto: the same five in
//    any order, and the same bonus where one is stored);
//  - a stored draw's date and payouts are filled in where the file does not
//    know them; a known one that differs from the published one is a conflict.
// Only the join counts: the kJoinDraws highest stored draws that the source
// also publishes. A conflict there, or a fault, means nothing of the game is
// stored. A disagreement on an older stored draw is a note: the draw stays
// as stored (nothing of it is filled in) and the update goes on, since a
// source can carry an old mistake and still be right about the new draws.
#pragma once

#include "cores/analysis/hits.h"
#include "data/update/publisheddraw.h"

#include <QDate>
#include <QString>

#include <vector>

namespace zelpo::update {

// A stored draw's date and payouts, as the payout table holds them.
struct StoredPayout {
    int kaisai = 0;
    QDate date; // null when unknown
    Payouts payouts;
};

struct StoredGame {
    // The draws numbered from 1, ascending, as the windows read them: Numbers
    // digits from the highest place, Mini Loto's numbers in stored order with
    // the stored bonus (0 when none is stored).
    std::vector<analysis::Draw> draws;
    std::vector<StoredPayout> payouts; // ascending; empty in a file without the payout table

    int highest() const { return draws.empty() ? 0 : draws.back().kaisai; }
    // True when some stored draw has no date on record: only the whole
    // history of a source can fill it in.
    bool lacksDates() const;
    // The stored draws with no payout on record, ascending: a source that
    // reads draw by draw can fill them in.
    std::vector<int> lackingPayouts() const;
};

struct Conflict {
    enum class Kind { Numbers, Date, Amount };
    int kaisai = 0;
    Kind kind = Kind::Numbers;
    QString field;     // Amount: the payout table's column ("straight", "prize1", "winners2")
    QString stored;    // "1605", "03-09-17-25-30 (22)", "2026-08-17", "87100"
    QString published; // written the same way

    bool operator==(const Conflict&) const = default;
};

// "draw 1225 is stored as 1605 but published as 1065", "draw 7050: straight
// is stored as 87100 but published as 87200".
QString describe(const Conflict& conflict);

// How many of the highest stored draws a source must agree with.
inline constexpr std::size_t kJoinDraws = 10;

struct UpdatePlan {
    int highest = 0;                    // the highest stored draw
    std::vector<PublishedDraw> appends; // ascending, from highest + 1 without a gap
    // Stored draws with what the file lacks: each holds its draw number and
    // only the values to fill in (a null date and empty amounts stay as stored).
    std::vector<PublishedDraw> fills;
    std::vector<Conflict> conflicts; // in the join: the source is refused
    std::vector<Conflict> notes;     // below the join: reported, never stored
    QString fault;                   // a gap before the new draws, or a new draw dated before the stored ones

    bool ok() const { return conflicts.empty() && fault.isEmpty(); }
    // The first conflict or the fault, described; empty when the plan is sound.
    QString reason() const;
};

// `published` ascending and checked (checkDraws()), as every source gives them.
UpdatePlan planUpdate(Game game, const StoredGame& stored, const std::vector<PublishedDraw>& published);

// The amounts of the game's payout classes in the payout table's order, each
// with its column name: Numbers 3 straight, box, set_straight, set_box, mini;
// Numbers 4 the same without mini; Mini Loto prize1, winners1, ... winners4.
std::vector<std::pair<QString, Amount*>> amountFields(Game game, Payouts& payouts);

} // namespace zelpo::update
