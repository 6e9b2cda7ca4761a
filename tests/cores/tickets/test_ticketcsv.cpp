// SPDX-License-Identifier: MIT
#include "cores/tickets/ticketcsv.h"

#include <gtest/gtest.h>

using namespace zelpo::tickets;

TEST(TicketCsv, WrittenTicketsReadBackTheSame)
{
    Ticket mini { 7, Game::MiniLoto, TicketKind::MiniLoto, *parseNumbers(Game::MiniLoto, "3-1-2-4-31").numbers, 2, 1385,
        5, "家族の誕生日, \"いつもの\"\n二行目", "2026-04-30 21:05:00" };
    Ticket four { 8, Game::Numbers4, TicketKind::Box, *parseNumbers(Game::Numbers4, "0012").numbers, 1, 7055, 1, "",
        "2026-08-22 09:00:00" };
    const std::vector<Ticket> tickets { mini, four };
    const CsvTickets read = readCsv("\xEF\xBB\xBF" + writeCsv(tickets));
    ASSERT_TRUE(read.problems.empty()) << describe(read.problems.front());
    ASSERT_EQ(read.tickets.size(), 2u);
    std::vector<Ticket> back = read.tickets;
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back[i].id, 0); // the store numbers them anew
        back[i].id = tickets[i].id;
    }
    EXPECT_EQ(writeCsv(back), writeCsv(tickets));
}

// One bad row and nothing is taken; every bad row is named by its line.
TEST(TicketCsv, EveryBadRowIsNamedAndNothingIsTaken)
{
    const std::string text = "numbers,kind,game,first,units\n"
                             "123,straight,numbers3,7055,\n"    // line 2: good, units default
                             "777,box,numbers3,7055,1\n"        // 3: box of equal digits
                             "1-2-3-4-40,ticket,miniloto,1,1\n" // 4: out of range
                             "1234,mini,numbers4,7055,1\n"      // 5: no mini in Numbers 4
                             "123,straight,numbers3,x,1\n"      // 6: no draw number
                             "123,straight,numbers3,7055,100\n" // 7: units
                             "456,set,numbers3,7055,5\n";       // 8: good
    const CsvTickets read = readCsv(text);
    EXPECT_TRUE(read.tickets.empty());
    std::vector<std::size_t> lines;
    for (const RowProblem& problem : read.problems)
        lines.push_back(problem.line);
    EXPECT_EQ(lines, (std::vector<std::size_t> { 3, 4, 5, 6, 7 }));
    EXPECT_EQ(describe(read.problems.front()).rfind("3行目: ", 0), 0u);

    EXPECT_EQ(readCsv("game,kind,numbers\nnumbers3,straight,123\n").problems.size(), 1u); // no first column
    EXPECT_EQ(readCsv("game,kind,numbers,first\nnumbers3,straight,123,9\n").tickets.size(), 1u);
    EXPECT_FALSE(isEntryTime("2026-02-30 10:00:00"));
    EXPECT_TRUE(isEntryTime("2026-02-28 23:59:59"));
}
