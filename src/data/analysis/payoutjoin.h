// SPDX-License-Identifier: MIT
// The payouts of the draws, read in the same pass as the draws themselves:
// the game's draw statement joined to its payout table on the draw number,
// each row's amounts taken as the rows go by. A file made before the payout
// tables is read without the join; its draws have no payouts.
#pragma once

#include "cores/analysis/payouts.h"
#include "cores/game/game.h"
#include "data/db/query.h"

#include <optional>
#include <vector>

namespace zelpo::analysis {

class PayoutJoin {
public:
    // Looks whether the file holds the game's payout table (never creating
    // it). Payouts are gathered for the draws numbered `from` or higher.
    PayoutJoin(Game game, const QString& database, std::optional<int> from = {});

    // Whether the lookup failed (the draws cannot be read either then), or
    // since a stored amount that take() could not read.
    const db::Status& status() const { return m_status; }

    // `drawsSql` ("SELECT kaisai,... FROM table ") with the payout columns
    // after its own and the join; as it is without the table.
    QString statement(QStringView drawsSql) const;

    // The payouts of one row of statement(), `kaisai` the row's draw: its
    // row (kept until the next call), or null when it has none (or none is
    // read). A stored amount that cannot be read makes status() a failure,
    // and the rows after it are passed over.
    const DrawPayout* take(const db::Row& row, int kaisai);

private:
    Game m_game;
    QString m_database;
    std::optional<int> m_from;
    QStringList m_amounts; // the columns read, in DrawPayout::yen's order
    // Their positions in the rows, "paid" first; found in the first row.
    std::vector<int> m_positions;
    bool m_present = false;
    db::Status m_status;
    DrawPayout m_row; // the last one taken
};

} // namespace zelpo::analysis
