// SPDX-License-Identifier: MIT
#include "data/tickets/ticketrecord.h"
#include "data/tickets/ticketstore.h"
#include "support/testdb.h"

#include <gtest/gtest.h>

using namespace zelpo::tickets;
using zelpo::test::TempDatabase;

namespace {

Ticket ticketOf(Game game, std::string_view kind, std::string_view numbers, int first, int draws = 1, int units = 1)
{
    return { 0, game, *parseKind(game, kind), *parseNumbers(game, numbers).numbers, units, first, draws, "メモ", {} };
}

std::vector<Outcome> outcomesOf(const QString& database, std::size_t ticket = 0)
{
    std::vector<Outcome> outcomes;
    const std::optional<TicketRecord> record = readTicketRecord(database);
    for (const DrawResult& result : record.value().checked.of(ticket))
        outcomes.push_back(result.outcome);
    return outcomes;
}

QStringList tables(const TempDatabase& database)
{
    return database.rows("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
}

} // namespace

// A file made before the tickets reads as one without any, and stays as it
// was until the first ticket is stored.
TEST(TicketStore, AnOlderFileHoldsNoTicketsAndReadingLeavesItAlone)
{
    const TempDatabase database;
    const QStringList before = tables(database);
    const std::optional<TicketRecord> record = readTicketRecord(database.path());
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->tickets.empty());
    int removed = -1;
    EXPECT_TRUE(removeTickets(database.path(), std::vector<std::int64_t> { 1 }, removed));
    EXPECT_EQ(removed, 0);
    EXPECT_EQ(tables(database), before);

    // A refused ticket among good ones stores nothing, not even the table.
    const std::vector<Ticket> batch { ticketOf(Game::Numbers3, "straight", "123", 1),
        ticketOf(Game::Numbers3, "box", "777", 1) };
    const zelpo::db::Status refused = addTickets(database.path(), batch);
    EXPECT_EQ(refused.failure(), zelpo::db::Failure::Write);
    EXPECT_TRUE(refused.detail().contains(QStringLiteral("すべての桁が同じ"))) << refused.detail().toStdString();
    EXPECT_EQ(tables(database), before);

    // A missing file is never created by a write.
    EXPECT_EQ(
        addTickets(database.dir() + "/none.mdb", std::span(batch).first(1)).failure(), zelpo::db::Failure::Missing);
}

// Results come from the draws as they are stored when read: a draw stored,
// edited or deleted after the ticket was entered changes them.
TEST(TicketStore, ResultsFollowTheStoredDraws)
{
    const TempDatabase database;
    database.addNumbers3(1, 1, 2, 3);
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (1,'2026-01-05',90000,15000,52500,7500,9000)");
    std::vector<std::int64_t> ids;
    ASSERT_TRUE(addTickets(database.path(), std::vector { ticketOf(Game::Numbers3, "set", "321", 1, 3, 2) }, &ids));
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(outcomesOf(database.path()), (std::vector { Outcome::Won, Outcome::Pending, Outcome::Pending }));
    EXPECT_EQ(readTicketRecord(database.path())->checked.of(0)[0].amount, 15000);

    database.addNumbers3(2, 4, 5, 6); // no payout row yet
    database.addNumbers3(3, 3, 2, 1);
    database.exec("INSERT INTO ナンバーズ3配当 VALUES (3,'2026-01-07',90000,15000,52500,7500,9000)");
    EXPECT_EQ(outcomesOf(database.path()), (std::vector { Outcome::Won, Outcome::Unknown, Outcome::Won }));
    EXPECT_EQ(winAnnouncement(database.path(), Game::Numbers3, 2, 3),
        QStringLiteral(
            "購入記録の券が当せんしました\nナンバーズ3 第3回 セット 321 2口: セット（ストレート） 105,000円"));
    EXPECT_TRUE(winAnnouncement(database.path(), Game::Numbers3, 2, 2).isEmpty());

    database.exec("UPDATE ナンバーズ3 SET N1=9 WHERE kaisai=1");
    database.exec("DELETE FROM ナンバーズ3 WHERE kaisai=3");
    EXPECT_EQ(outcomesOf(database.path()), (std::vector { Outcome::Lost, Outcome::Unknown, Outcome::Pending }));

    // Editing keeps the id and the time of entry; removing takes the ticket away.
    Ticket edited = readTicketRecord(database.path())->tickets.at(0);
    const std::string entered = edited.entered;
    edited.kind = TicketKind::Straight;
    edited.numbers = *parseNumbers(Game::Numbers3, "129").numbers;
    bool found = false;
    ASSERT_TRUE(replaceTicket(database.path(), edited, found));
    EXPECT_TRUE(found);
    const std::vector<Ticket> after = readTicketRecord(database.path())->tickets;
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].entered, entered);
    EXPECT_EQ(outcomesOf(database.path())[0], Outcome::Won);
    int removed = 0;
    ASSERT_TRUE(removeTickets(database.path(), ids, removed));
    EXPECT_EQ(removed, 1);
    EXPECT_TRUE(readTicketRecord(database.path())->tickets.empty());
}

// A row another program wrote that is no ticket fails the read, naming it.
TEST(TicketStore, AStoredRowThatIsNoTicketFailsTheRead)
{
    const TempDatabase database;
    ASSERT_TRUE(addTickets(database.path(), std::vector { ticketOf(Game::MiniLoto, "ticket", "1-2-3-4-5", 10) }));
    database.exec("UPDATE 購入記録 SET numbers='1-2-3-4-44'");
    zelpo::db::Status status;
    EXPECT_FALSE(readTicketRecord(database.path(), &status));
    EXPECT_EQ(status.failure(), zelpo::db::Failure::Read);
    EXPECT_TRUE(status.detail().contains(QStringLiteral("ticket 1"))) << status.detail().toStdString();
}
