// SPDX-License-Identifier: MIT
#include "data/analysis/payoutjoin.h"

#include "data/db/payouts.h"

namespace zelpo::analysis {
namespace {

// The amount columns the money reads, in DrawPayout::yen's order: Numbers
// straight, box, set_straight, set_box (and mini); Mini Loto prize1..prize4.
QStringList amountColumns(Game game)
{
    if (game == Game::MiniLoto)
        return { QStringLiteral("prize1"), QStringLiteral("prize2"), QStringLiteral("prize3"),
            QStringLiteral("prize4") };
    return db::payoutColumns(game).mid(2);
}

// The column holding the payout row's own draw number: null where the draw
// has no row (or one before the range).
constexpr QStringView kPaid = u"paid";

} // namespace

PayoutJoin::PayoutJoin(Game game, const QString& database, std::optional<int> from)
    : m_game(game)
    , m_database(database)
    , m_from(from)
    , m_amounts(amountColumns(game))
{
    m_status = db::hasPayoutTable(database, game, m_present);
}

QString PayoutJoin::statement(QStringView drawsSql) const
{
    const qsizetype from = drawsSql.indexOf(u" FROM ");
    if (!m_present || from < 0)
        return drawsSql.toString();
    // The payout table's number is renamed inside the join, so that the
    // draws' own "kaisai" (in their columns and in the caller's clause)
    // stays the game table's; the engine still finds each row by its key.
    const QStringList& amounts = m_amounts;
    QString joined = drawsSql.left(from).toString() + QStringLiteral(",p.") + kPaid.toString();
    for (const QString& column : amounts)
        joined += QStringLiteral(",p.") + column;
    joined += drawsSql.mid(from);
    if (!joined.endsWith(u' '))
        joined += u' ';
    joined += QStringLiteral("LEFT JOIN (SELECT kaisai AS %1,%2 FROM %3) AS p ON p.%1=kaisai")
                  .arg(kPaid, amounts.join(u','), db::payoutTableName(m_game));
    if (m_from)
        joined += QStringLiteral(" AND p.%1>=%2").arg(kPaid).arg(*m_from);
    return joined + u' ';
}

const DrawPayout* PayoutJoin::take(const db::Row& row, int kaisai)
{
    if (!m_present || !m_status)
        return nullptr;
    if (m_positions.empty()) {
        m_positions.push_back(row.position(kPaid));
        for (const QString& column : m_amounts)
            m_positions.push_back(row.position(column));
    }
    if (row.value(m_positions[0]).isNull())
        return nullptr;
    m_row = { kaisai, {} };
    for (std::size_t i = 0; i + 1 < m_positions.size(); ++i) {
        const db::StoredAmount amount = db::storedAmount(row, m_positions[i + 1]);
        if (!amount.readable) {
            m_status = db::unreadableAmount(
                m_database, m_game, kaisai, m_amounts[static_cast<qsizetype>(i)], row.value(m_positions[i + 1]));
            return nullptr;
        }
        m_row.setYen(i, amount.yen);
    }
    return &m_row;
}

} // namespace zelpo::analysis
