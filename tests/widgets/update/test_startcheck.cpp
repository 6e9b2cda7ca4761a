// SPDX-License-Identifier: MIT
// The check at start-up: its rules as tables, the check itself against the
// local sources.
#include "data/update/publishedsources.h"
#include "updatesupport.h"
#include "widgets/app/CMyApp.h"
#include "widgets/app/CMyDlg.h"
#include "widgets/ui/modal.h"
#include "widgets/update/clock.h"
#include "widgets/update/startcheck.h"
#include "widgets/update/updateline.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using zelpo::Game;
using zelpo::ui::StartCheckSettings;
using zelpo::update::GameOutcome;

namespace {

const sys_seconds kNoon = sys_days(year(2026) / 8 / 24) + hours(3); // Monday, 12:00 JST

struct DueCase {
    const char* name;
    StartCheckSettings settings;
    bool due;
};

class CheckIsDue : public testing::TestWithParam<DueCase> { };

TEST_P(CheckIsDue, OnlyWhenOnAndNotInTheLastSixHours)
{
    EXPECT_EQ(zelpo::ui::checkIsDue(GetParam().settings, kNoon), GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckIsDue,
    testing::Values(DueCase { "NeverAsked", { std::nullopt, std::nullopt }, false },
        DueCase { "TurnedOff", { false, std::nullopt }, false },
        DueCase { "OnNeverChecked", { true, std::nullopt }, true },
        DueCase { "JustUnderSixHours", { true, kNoon - hours(6) + seconds(1) }, false },
        DueCase { "SixHours", { true, kNoon - hours(6) }, true },
        DueCase { "OffEvenWhenLongAgo", { false, kNoon - days(30) }, false },
        // A last check ahead of now: the clock was set back; waiting for it would mean never.
        DueCase { "LastCheckInTheFuture", { true, kNoon + hours(1) }, true }),
    [](const testing::TestParamInfo<DueCase>& info) { return std::string(info.param.name); });

GameOutcome outcome(Game game, GameOutcome::Status status, int added = 0)
{
    GameOutcome result;
    result.game = game;
    result.status = status;
    result.added = added;
    return result;
}

TEST(StartCheckNotice, SaysWhatWasAddedAndWhatFailedInOneShortLine)
{
    using S = GameOutcome::Status;
    const std::pair<std::vector<GameOutcome>, const char*> cases[] = {
        { { outcome(Game::Numbers3, S::Updated, 3), outcome(Game::MiniLoto, S::Updated, 1) },
            "起動時の確認：ナンバーズ３に3回分、ミニロトに1回分の当選数字を追加しました。" },
        { { outcome(Game::Numbers3, S::Updated, 1), outcome(Game::Numbers4, S::Failed) },
            "起動時の確認：ナンバーズ３に1回分の当選数字を追加しました。ナンバーズ４の当選数字を取得できませんでした"
            "。" },
        { { outcome(Game::Numbers4, S::Current) }, "起動時の確認：新しい当選数字はまだ公開されていません。" },
        { { outcome(Game::Numbers3, S::Cancelled), outcome(Game::Numbers4, S::Failed) },
            "起動時の確認を取り消しました。" },
    };
    for (const auto& [outcomes, notice] : cases)
        EXPECT_EQ(zelpo::ui::startCheckNotice(outcomes), QString::fromUtf8(notice));
}

// The check against the local sources, with the program's settings in a
// folder of the test's own (PublishedSources puts them there).
class StartCheck : public testing::Test {
protected:
    QString runAndWait(bool expectStarted = true)
    {
        QString notice;
        EXPECT_EQ(
            zelpo::ui::runStartCheck(file.path(), [&notice](const QString& text) { notice = text; }), expectStarted);
        zelpo::test::waitForTheUpdate();
        return notice;
    }

    zelpo::test::PublishedSources sources;
    const zelpo::test::OlderHistory file { 7053, 7053, 1384 };
    zelpo::ui::FixedClock clock { sys_days(year(2026) / 8 / 21) + hours(12) }; // Friday 21:00 JST
    zelpo::ui::MessageRecorder messages;                                       // the check shows none
};

TEST_F(StartCheck, AskedOnceThenAddsWhatTheCalendarSaysIsOutAtMostEverySixHours)
{
    messages.answerQuestions(true);
    zelpo::ui::askAboutStartCheckOnce(nullptr);
    zelpo::ui::askAboutStartCheckOnce(nullptr);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Question);
    messages.clear();

    EXPECT_EQ(zelpo::ui::gamesBehind(file.path(), zelpo::ui::currentTime()),
        (std::vector<Game> { Game::Numbers3, Game::Numbers4, Game::MiniLoto }));
    const QString notice = runAndWait();
    EXPECT_TRUE(notice.startsWith("起動時の確認：ナンバーズ３に1回分、ナンバーズ４に1回分の当選数字を追加しました。"))
        << notice.toStdString();
    EXPECT_TRUE(messages.messages().empty());

    clock.set(sys_days(year(2026) / 8 / 21) + hours(17)); // five hours on: not yet again
    runAndWait(false);
    clock.set(sys_days(year(2026) / 8 / 21) + hours(18));
    runAndWait(true);
}

TEST_F(StartCheck, NothingWhenTurnedOffOrNothingIsMissingAndAFailureIsOneLine)
{
    // The main menu's item turns it on, and off again.
    zelpo::app::CMyDlg menu;
    menu.show();
    const QString item = QString::fromUtf16(zelpo::ui::kStartCheckEntry);
    zelpo::test::chooseEntry(menu, item);
    EXPECT_EQ(zelpo::ui::readStartCheckSettings().enabled, true);
    zelpo::test::chooseEntry(menu, item);
    EXPECT_EQ(zelpo::ui::readStartCheckSettings().enabled, false);
    runAndWait(false);
    zelpo::test::chooseEntry(menu, item);
    // Before 20:00 JST of 21 August only draw 7053 of the Numbers games is out; Mini Loto is cut away.
    clock.set(sys_days(year(2026) / 8 / 21) + hours(10));
    file.exec("DELETE FROM ミニロト");
    runAndWait(false);

    clock.set(sys_days(year(2026) / 8 / 21) + hours(12));
    for (const char* path : { "/feed/n3/latest.json", "/feed/n3/draws.full.json", "/feed/n4/latest.json",
             "/feed/n4/all.json", "/bank/numbers/numbers.csv" })
        sources.route(path, zelpo::test::Reply { 404, {}, {}, zelpo::test::Reply::Mode::Normal });
    EXPECT_EQ(runAndWait(), "起動時の確認：ナンバーズ３、ナンバーズ４の当選数字を取得できませんでした。");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(StartCheck, TheProgramAsksOnceAfterTheDatabaseAndShowsWhatItAddedInTheMainMenu)
{
    const QTemporaryDir installed; // the program, and its database beside it
    ASSERT_TRUE(QFile::copy(file.path(), installed.filePath("ナンバーズ.mdb")));
    messages.answerQuestions(true);
    QString shown;
    const zelpo::ui::ModalHandler menu([&shown](QDialog& dialog) {
        auto* main = dynamic_cast<zelpo::app::CMyDlg*>(&dialog);
        EXPECT_NE(main, nullptr);
        if (main) {
            EXPECT_TRUE(zelpo::test::waitFor([main] { return main->updateLine().text().startsWith("起動時の確認"); }));
            shown = main->updateLine().text();
        }
        return 0;
    });
    EXPECT_EQ(zelpo::app::runMainMenu(installed.filePath("zelpo")), 0);
    ASSERT_EQ(messages.messages().size(), 1u); // the question, and nothing after it
    EXPECT_EQ(messages.messages()[0].icon, zelpo::ui::MessageIcon::Question);
    EXPECT_TRUE(shown.startsWith("起動時の確認：ナンバーズ３に1回分、ナンバーズ４に1回分の当選数字を追加しました。"))
        << shown.toStdString();
}

} // namespace
