// SPDX-License-Identifier: MIT
#include "data/update/plan.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace zelpo::update;
using zelpo::Game;
using zelpo::analysis::Draw;

namespace {

PublishedDraw published(Game game, int kaisai, std::vector<int> numbers, QDate date = {}, Amount first = {})
{
    PublishedDraw draw { game, kaisai, date, std::move(numbers), {}, {} };
    if (game == Game::MiniLoto) {
        draw.bonus = 7;
        draw.payouts.prize[0] = first;
    } else {
        draw.payouts.straight = first;
    }
    return draw;
}

// Numbers 3 draws 1 to 3 (draw 3 stored twice, as a file without a key may),
// draw 1 with its date and straight, draw 2 with an empty row, draw 3 without one.
StoredGame numbers3()
{
    StoredGame stored;
    stored.draws = { Draw { 1, { 1, 2, 3 }, 0, 0 }, Draw { 2, { 4, 5, 6 }, 0, 0 }, Draw { 3, { 7, 8, 9 }, 0, 0 },
        Draw { 3, { 7, 8, 9 }, 0, 1 } };
    StoredPayout first { 1, QDate(2026, 1, 1), {} };
    first.payouts.straight = 1000;
    stored.payouts = { first, StoredPayout { 2, {}, {} } };
    return stored;
}

// Mini Loto draw 1 typed in another order, with the bonus 7; draw 2 without a bonus.
StoredGame miniLoto()
{
    StoredGame stored;
    stored.draws = { Draw { 1, { 5, 3, 1, 2, 4 }, 7, 0 }, Draw { 2, { 6, 7, 8, 9, 10 }, 0, 0 } };
    return stored;
}

struct PlanCase {
    const char* name;
    Game game;
    std::vector<PublishedDraw> published;
    std::vector<int> appended;
    std::size_t fills;
    const char* reason; // the first conflict or the fault; "" for a sound plan
};

class Plans : public testing::TestWithParam<PlanCase> { };

TEST_P(Plans, AppendFillOrRefuse)
{
    const PlanCase& c = GetParam();
    const UpdatePlan plan = planUpdate(c.game, c.game == Game::MiniLoto ? miniLoto() : numbers3(), c.published);
    std::vector<int> appended;
    for (const PublishedDraw& draw : plan.appends)
        appended.push_back(draw.kaisai);
    EXPECT_EQ(plan.reason(), QString::fromUtf8(c.reason));
    EXPECT_EQ(plan.ok(), std::string(c.reason).empty());
    EXPECT_EQ(appended, c.appended);
    EXPECT_EQ(plan.fills.size(), c.fills);
}

const Game N3 = Game::Numbers3;
const QDate jan(int day)
{
    return QDate(2026, 1, day);
}

INSTANTIATE_TEST_SUITE_P(Update, Plans,
    testing::Values(PlanCase { "new_draws_and_what_the_file_lacks", N3,
                        { published(N3, 1, { 1, 2, 3 }, jan(1), 1000), published(N3, 2, { 4, 5, 6 }, jan(2), 900),
                            published(N3, 3, { 7, 8, 9 }, jan(3)), published(N3, 4, { 0, 0, 0 }, jan(4)),
                            published(N3, 5, { 9, 9, 9 }, jan(5)) },
                        { 4, 5 }, 2, "" },
        PlanCase { "only_new_draws", N3, { published(N3, 4, { 0, 0, 0 }) }, { 4 }, 0, "" },
        PlanCase { "nothing_new", N3, { published(N3, 3, { 7, 8, 9 }) }, {}, 0, "" },
        PlanCase { "other_numbers", N3, { published(N3, 2, { 4, 6, 5 }), published(N3, 4, { 0, 0, 0 }) }, { 4 }, 0,
            "draw 2 is stored as 456 but published as 465" },
        PlanCase { "every_row_of_a_draw_stored_twice", N3, { published(N3, 3, { 7, 8, 0 }) }, {}, 0,
            "draw 3 is stored as 789 but published as 780 (and 1 more)" },
        PlanCase { "another_date", N3, { published(N3, 1, { 1, 2, 3 }, jan(9)) }, {}, 0,
            "draw 1 is stored with the date 2026-01-01 but published with 2026-01-09" },
        PlanCase { "another_amount", N3, { published(N3, 1, { 1, 2, 3 }, {}, 1001) }, {}, 0,
            "draw 1: straight is stored as 1000 but published as 1001" },
        PlanCase { "a_gap", N3, { published(N3, 5, { 0, 0, 0 }) }, {}, 0,
            "draw 4 is missing (the source publishes draws up to 5)" },
        PlanCase { "a_new_draw_dated_before_the_stored", N3, { published(N3, 4, { 0, 0, 0 }, QDate(2025, 12, 31)) },
            { 4 }, 0, "draw 4 is dated 2025-12-31, not after the stored draws (the latest dated 2026-01-01)" },
        PlanCase { "a_new_draw_dated_the_day_of_the_latest_stored", N3, { published(N3, 4, { 0, 0, 0 }, jan(1)) },
            { 4 }, 0, "draw 4 is dated 2026-01-01, not after the stored draws (the latest dated 2026-01-01)" },
        PlanCase { "miniloto_in_any_order_and_a_bonus_left_out", Game::MiniLoto,
            { published(Game::MiniLoto, 1, { 1, 2, 3, 4, 5 }), published(Game::MiniLoto, 2, { 6, 7, 8, 9, 10 }) }, {},
            0, "" },
        PlanCase { "miniloto_another_bonus", Game::MiniLoto, { [] {
                      PublishedDraw draw = published(Game::MiniLoto, 1, { 1, 2, 3, 4, 5 });
                      draw.bonus = 8;
                      return draw;
                  }() },
            {}, 0, "draw 1 is stored as 05-03-01-02-04 (07) but published as 01-02-03-04-05 (08)" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Plans, AFillHoldsOnlyWhatTheFileLacks)
{
    const UpdatePlan plan = planUpdate(
        N3, numbers3(), { published(N3, 1, { 1, 2, 3 }, jan(1), 1000), published(N3, 2, { 4, 5, 6 }, jan(2), 900) });
    PublishedDraw fill { N3, 2, jan(2), {}, {}, {} };
    fill.payouts.straight = 900;
    EXPECT_EQ(plan.fills, std::vector<PublishedDraw> { fill });
    EXPECT_TRUE(numbers3().lacksDates()); // draws 2 and 3
    EXPECT_FALSE(StoredGame {}.lacksDates());
}

// Stored draws 1 to 15, each with a date and its straight unknown; the source
// publishes `publishedDraws` and draw 16, with other numbers on `differs`.
struct JoinCase {
    const char* name;
    std::vector<int> publishedDraws;
    int differs;
    bool refused;    // a disagreement in the join
    int filledDraws; // stored draws whose straight an accepted source fills in
};

void PrintTo(const JoinCase& c, std::ostream* os)
{
    *os << c.name;
}

class Join : public testing::TestWithParam<JoinCase> { };

TEST_P(Join, OnlyTheTenHighestSharedDrawsCanRefuseASource)
{
    const JoinCase& c = GetParam();
    StoredGame stored;
    std::vector<PublishedDraw> source;
    for (int kaisai = 1; kaisai <= 15; ++kaisai) {
        stored.draws.push_back(Draw { kaisai, { 1, 2, kaisai % 10 }, 0, 0 });
        stored.payouts.push_back(StoredPayout { kaisai, jan(kaisai), {} });
    }
    for (const int kaisai : c.publishedDraws)
        source.push_back(published(N3, kaisai, { 1, kaisai == c.differs ? 9 : 2, kaisai % 10 }, jan(kaisai), 500));
    source.push_back(published(N3, 16, { 0, 0, 0 }, jan(16)));
    const UpdatePlan plan = planUpdate(N3, stored, source);
    EXPECT_EQ(plan.ok(), !c.refused) << plan.reason().toStdString();
    EXPECT_EQ(plan.conflicts.size() + plan.notes.size(), c.differs ? 1u : 0u);
    EXPECT_EQ(plan.appends.size(), 1u);
    if (c.refused)
        return;
    EXPECT_EQ(static_cast<int>(plan.fills.size()), c.filledDraws);
    for (const PublishedDraw& fill : plan.fills)
        EXPECT_NE(fill.kaisai, c.differs) << "a disagreeing source filled in its draw";
    if (!plan.notes.empty()) {
        EXPECT_EQ(describe(plan.notes.front()),
            QStringLiteral("draw %1 is stored as 12%2 but published as 19%2").arg(c.differs).arg(c.differs % 10));
    }
}

std::vector<int> range(int first, int last)
{
    std::vector<int> draws;
    for (int kaisai = first; kaisai <= last; ++kaisai)
        draws.push_back(kaisai);
    return draws;
}

INSTANTIATE_TEST_SUITE_P(Update, Join,
    testing::Values(JoinCase { "agreeing", range(1, 15), 0, false, 15 },
        JoinCase { "below_the_join_is_a_note", range(1, 15), 5, false, 14 },
        JoinCase { "lowest_of_the_join", range(1, 15), 6, true, 0 },
        JoinCase { "highest_stored", range(1, 15), 15, true, 0 },
        // The join is counted among the draws the source publishes.
        JoinCase { "fewer_than_ten_shared_all_count", { 1, 2, 14, 15 }, 1, true, 0 },
        JoinCase {
            "join_reaches_down_past_a_skipped_draw", { 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15 }, 5, true, 0 },
        JoinCase { "only_new_draws", {}, 0, false, 0 }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
