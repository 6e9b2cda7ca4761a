// SPDX-License-Identifier: MIT
// The closing message of an update: failures in plain words, sources behind
// the draw calendar, disagreements on an older stored draw.
#include "support/printers.h"
#include "widgets/update/updatemessage.h"

#include <gtest/gtest.h>

using zelpo::Game;
using zelpo::update::FailureKind;
using zelpo::update::GameOutcome;
using zelpo::update::SourceFailure;
using Status = GameOutcome::Status;

namespace {

const QString kFeedUrl = "https://hazimekom.github.io/numbers4-api/api/v1/latest.json";
const QString kBankUrl = "https://www.mizuhobank.co.jp/retail/takarakuji/numbers/csv/numbers.csv";

SourceFailure failure(const char* source, FailureKind kind, const QString& detail = {})
{
    return SourceFailure { QString::fromUtf8(source), kind, "low-level reason", detail };
}

GameOutcome failed(std::vector<SourceFailure> failures)
{
    GameOutcome outcome;
    outcome.game = Game::Numbers4;
    outcome.status = Status::Failed;
    outcome.failures = std::move(failures);
    return outcome;
}

struct MessageCase {
    const char* name;
    GameOutcome outcome;
    QStringList lines;
};

class UpdateMessages : public testing::TestWithParam<MessageCase> { };

// Each source by the name a user knows, the failure in plain words, and
// nothing of addresses or the servers' own words.
TEST_P(UpdateMessages, SayWhatHappenedInPlainWords)
{
    const MessageCase& c = GetParam();
    const QString text = zelpo::ui::updateMessage({ c.outcome });
    EXPECT_EQ(text.split('\n'), c.lines);
    EXPECT_FALSE(text.contains("。。"));
    EXPECT_FALSE(text.contains("http"));
    EXPECT_FALSE(text.contains("low-level reason"));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, UpdateMessages,
    testing::Values(MessageCase { "offline",
                        failed({ failure("feed", FailureKind::Lookup, kFeedUrl), failure("feed", FailureKind::Lookup),
                            failure("official", FailureKind::Connection, kBankUrl) }),
                        { "　ナンバーズ４：インターネットに接続できなかったため、当選数字を取得できませんでした。"
                          "ネットワークの接続を確かめてください。" } },
        // One source reached is enough to say the internet was there.
        MessageCase { "one_source_reached",
            failed({ failure("feed", FailureKind::Lookup, kFeedUrl), failure("feed", FailureKind::Lookup),
                failure("official", FailureKind::Timeout, kBankUrl) }),
            { "　ナンバーズ４の当選数字を取得できませんでした。", "公開フィード：接続先が見つかりませんでした。",
                "みずほ銀行：時間内に応答がありませんでした。" } },
        MessageCase { "a_file_by_its_name",
            failed({ failure("/home/user/ダウンロード/draws.json", FailureKind::Content),
                failure(
                    "https://example.com/files/n4.csv", FailureKind::Refused, "https://example.com/files/n4.csv") }),
            { "　ナンバーズ４の当選数字を取得できませんでした。", "draws.json：内容を読み取れませんでした。",
                "n4.csv：ファイルを受け取れませんでした。" } },
        MessageCase { "the_database",
            [] {
                GameOutcome outcome = failed({});
                outcome.reason = "cannot write /tmp/x.mdb: disk full";
                return outcome;
            }(),
            { "　ナンバーズ４：データベースを読み書きできませんでした。" } },
        MessageCase { "added_after_a_failure",
            [] {
                GameOutcome outcome = failed({ failure("feed", FailureKind::Certificate, kFeedUrl) });
                outcome.status = Status::Updated;
                outcome.source = "official";
                outcome.added = 1;
                outcome.first = outcome.last = 7055;
                return outcome;
            }(),
            { "　ナンバーズ４に第7055回の当選数字を追加しました（みずほ銀行）。",
                "公開フィード：サーバーの証明書を確かめられませんでした。" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateDetails, HoldEachAddressAndReasonOnce)
{
    GameOutcome feed
        = failed({ failure("feed", FailureKind::Lookup, kFeedUrl), failure("official", FailureKind::Missing) });
    GameOutcome store = failed({});
    store.game = Game::MiniLoto;
    store.reason = "cannot write /tmp/x.mdb: disk full";
    GameOutcome current;
    current.status = Status::Current;
    EXPECT_EQ(zelpo::ui::updateDetails({ feed, current, store }).split('\n'),
        (QStringList { "ナンバーズ４ 公開フィード：" + kFeedUrl + ": low-level reason",
            "ナンバーズ４ みずほ銀行：low-level reason", "ミニロト：cannot write /tmp/x.mdb: disk full" }));
    EXPECT_EQ(zelpo::ui::updateDetails({ current }), QString());
}

} // namespace

namespace {

using zelpo::update::Conflict;

GameOutcome numbers4()
{
    GameOutcome outcome;
    outcome.game = zelpo::Game::Numbers4;
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
