// SPDX-License-Identifier: MIT
// The closing message of an update that found sources behind the draw
// calendar or disagreeing on an older stored draw.
#include "widgets/ui/updatemessage.h"

#include <gtest/gtest.h>

namespace {

using zelpo::update::Conflict;
using zelpo::update::GameOutcome;

GameOutcome numbers4()
{
    GameOutcome outcome;
    outcome.game = zelpo::update::Game::Numbers4;
    outcome.source = QStringLiteral("official");
    outcome.highest = 7054;
    outcome.expected = { 7131, std::chrono::year(2026) / 12 / 8 };
    outcome.missing = 77;
    outcome.stops = { { QStringLiteral("feed"), 7054, QDate(2026, 8, 21) }, { QStringLiteral("official"), 7054, {} } };
    outcome.notes = { { QStringLiteral("feed"),
        Conflict { 1225, Conflict::Kind::Numbers, {}, QStringLiteral("1605"), QStringLiteral("1065") } } };
    return outcome;
}

TEST(UpdateMessage, BehindTheCalendarIsNeverCurrentAndNamesStopsAndNotes)
{
    GameOutcome behind = numbers4();
    behind.status = GameOutcome::Status::Behind;
    GameOutcome current = behind;
    current.status = GameOutcome::Status::Current;
    const QString currentText = zelpo::ui::updateMessage({ current }).split(u'\n').front();

    const QStringList lines = zelpo::ui::updateMessage({ behind }).split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_NE(lines[0], currentText);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("第7131回")) && lines[0].contains(QStringLiteral("77回分")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("公開フィードの公開は第7054回（2026/08/21）で止まっています。")));
    EXPECT_TRUE(lines.contains(QStringLiteral("みずほ銀行の公開は第7054回で止まっています。")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("第1225回の当選数字が食い違っています（登録済み：1605、公開フィード：1065）。"
                                      "登録済みの値をそのまま残しました。")))
        << lines.join(u'|').toStdString();
}

} // namespace
