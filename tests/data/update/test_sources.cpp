// SPDX-License-Identifier: MIT
// What an update makes of real sources: one with an old mistake, and ones
// that stop short of the draw calendar.
#include "data/update/updaterun.h"
#include "publishedsources.h"

#include <QEventLoop>

#include <gtest/gtest.h>

#include <utility>

using namespace zelpo::update;
using zelpo::test::OlderHistory;
using zelpo::test::PublishedSources;

namespace {

// 21:00 JST of a day: that day's draws are out.
std::chrono::sys_seconds evening(int year, unsigned month, unsigned day)
{
    return std::chrono::sys_days(std::chrono::year(year) / month / day) + std::chrono::hours(12);
}

// The published Numbers 4 feed holds draw 1225 as 1065, where the file holds
// 1605: an old mistake that must neither block the newer draws nor change
// the stored draw.
TEST(Sources, AnOldMistakeIsANoteAndTheNewDrawsComeIn)
{
    const OlderHistory file(7054, 6854, 1384);
    UpdateRequest request { file.path(), { Game::Numbers4 },
        QStringLiteral(ZELPO_UPDATE_SAMPLES "/feed-v1-numbers4_all_full-cut.json"), false, evening(2026, 8, 21) };
    const std::vector<GameOutcome> outcomes = updateBlocking(request, {});
    ASSERT_EQ(outcomes.size(), 1u);
    const GameOutcome& outcome = outcomes.front();
    EXPECT_EQ(outcome.status, GameOutcome::Status::Updated) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.added, 200);
    EXPECT_EQ(outcome.first, 6855);
    EXPECT_EQ(outcome.last, 7054);
    EXPECT_EQ(outcome.missing, 0);
    ASSERT_EQ(outcome.notes.size(), 1u);
    EXPECT_EQ(outcome.notes.front().second,
        (Conflict { 1225, Conflict::Kind::Numbers, {}, QStringLiteral("1605"), QStringLiteral("1065") }));
    EXPECT_EQ(file.rows("SELECT N1000||N100||N10||N1 FROM ナンバーズ4 WHERE kaisai=1225"), QStringList { "1605" });
    EXPECT_EQ(file.rows("SELECT COUNT(*), MAX(kaisai) FROM ナンバーズ4配当 WHERE kaisai>6854 AND straight>0"),
        QStringList { "200|7054" });
}

struct StaleCase {
    const char* name;
    int stored; // the file's highest Numbers 3 draw
    std::chrono::sys_seconds now;
    GameOutcome::Status status;
    int added;
    int missing;
    std::vector<SourceStop> stops;
};

void PrintTo(const StaleCase& c, std::ostream* os)
{
    *os << c.name;
}

class Stale : public testing::TestWithParam<StaleCase> { };

// The recorded feed and bank both end at draw 7054 (Friday 2026-08-21).
TEST_P(Stale, ASourceBehindTheCalendarGivesWhatItHasAndTheNextIsAsked)
{
    const StaleCase& c = GetParam();
    PublishedSources sources;
    const OlderHistory file(c.stored, 7054, 1384);
    const UpdateRequest request { file.path(), { Game::Numbers3 }, {}, false, c.now };
    const std::vector<GameOutcome> outcomes = updateBlocking(request, sourceUrls());
    ASSERT_EQ(outcomes.size(), 1u);
    const GameOutcome& outcome = outcomes.front();
    EXPECT_EQ(outcome.status, c.status) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.added, c.added);
    EXPECT_EQ(outcome.missing, c.missing);
    EXPECT_EQ(outcome.stops, c.stops);
    EXPECT_EQ(file.rows("SELECT MAX(kaisai) FROM ナンバーズ3"), QStringList { QString::number(c.stored + c.added) });
    EXPECT_EQ(sources.server.requests("/bank/numbers/numbers.csv"), c.stops.empty() ? 0 : 1);
}

const SourceStop feedStop { QStringLiteral("feed"), 7054, QDate(2026, 8, 21) };
const SourceStop bankStop { QStringLiteral("official"), 7054, QDate(2026, 8, 21) };

INSTANTIATE_TEST_SUITE_P(Update, Stale,
    testing::Values(
        StaleCase { "current_on_the_day", 7054, evening(2026, 8, 21), GameOutcome::Status::Current, 0, 0, {} },
        // Two draws late is not yet stopped: the feed may be slow.
        StaleCase { "two_late_is_not_stopped", 7052, evening(2026, 8, 25), GameOutcome::Status::Updated, 2, 2, {} },
        StaleCase { "three_late_asks_the_bank", 7052, evening(2026, 8, 26), GameOutcome::Status::Updated, 2, 3,
            { feedStop, bankStop } },
        StaleCase { "nothing_new_is_never_current", 7054, evening(2026, 12, 8), GameOutcome::Status::Behind, 0, 77,
            { feedStop, bankStop } }),
    [](const auto& info) { return std::string(info.param.name); });

// Stored Mini Loto draws without payouts (as the built-in 1354 to 1384 are)
// take them from the bank's file of each draw, as far as the bank serves it.
TEST(Sources, StoredDrawsWithoutPayoutsTakeThemFromTheBanksFiles)
{
    for (const bool served : { true, false }) {
        PublishedSources sources;
        if (!served)
            sources.route("/bank/miniloto/A1011353.CSV", zelpo::test::Reply { 404, {}, {}, {} });
        const OlderHistory file(7054, 7054, 1353);
        const QString row = "SELECT * FROM ミニロト配当 WHERE kaisai=1353";
        const QStringList published = file.rows(row);
        ASSERT_EQ(published.size(), 1);
        file.exec("DELETE FROM ミニロト配当 WHERE kaisai=1353");
        const std::vector<GameOutcome> outcomes
            = updateBlocking({ file.path(), { Game::MiniLoto }, {}, false, evening(2025, 9, 23) }, sourceUrls());
        ASSERT_EQ(outcomes.size(), 1u);
        EXPECT_EQ(outcomes.front().status, GameOutcome::Status::Current) << outcomes.front().reason.toStdString();
        EXPECT_EQ(outcomes.front().filled, served ? 1 : 0);
        EXPECT_EQ(file.rows(row), served ? published : QStringList {});
        EXPECT_EQ(sources.server.requests("/bank/miniloto/A1011353.CSV"), 1);
    }
}

// A draw registered in a window while the update reads its sources is never
// lost: the same numbers are kept as registered and the update adds the rest;
// other numbers refuse the update and stay.
TEST(Sources, ADrawRegisteredWhileTheUpdateRunsIsKept)
{
    for (const bool sameNumbers : { true, false }) {
        PublishedSources sources;
        const OlderHistory file(7051, 7054, 1384);
        UpdateRun run({ file.path(), { Game::Numbers3 }, {}, false, evening(2026, 8, 21) }, sourceUrls());
        bool registered = false;
        QObject::connect(&run, &UpdateRun::sourceStarted, &run, [&] {
            if (!std::exchange(registered, true))
                file.addNumbers3(7052, sameNumbers ? 8 : 1, sameNumbers ? 7 : 1, sameNumbers ? 2 : 1, { "mine" });
        });
        QEventLoop loop;
        QObject::connect(&run, &UpdateRun::finished, &loop, &QEventLoop::quit);
        run.start();
        loop.exec();
        ASSERT_TRUE(registered);
        const GameOutcome& outcome = run.outcomes().front();
        EXPECT_EQ(outcome.status, sameNumbers ? GameOutcome::Status::Updated : GameOutcome::Status::Failed);
        EXPECT_EQ(outcome.added, sameNumbers ? 2 : 0);
        EXPECT_EQ(file.rows("SELECT N100||N10||N1, kounyu1 FROM ナンバーズ3 WHERE kaisai=7052"),
            QStringList { sameNumbers ? "872|mine" : "111|mine" });
        EXPECT_EQ(file.rows("SELECT MAX(kaisai) FROM ナンバーズ3"), QStringList { sameNumbers ? "7054" : "7052" });
    }
}

} // namespace
