// SPDX-License-Identifier: MIT
#include "widgets/update/updatemessage.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace zelpo::ui {
namespace {

using update::Conflict;
using update::FailureKind;
using update::GameOutcome;
using update::SourceFailure;

QString fieldLabel(const QString& field)
{
    static const std::pair<const char*, const char16_t*> labels[] = {
        { "straight", u"ストレートの配当" },
        { "box", u"ボックスの配当" },
        { "set_straight", u"セット（ストレート）の配当" },
        { "set_box", u"セット（ボックス）の配当" },
        { "mini", u"ミニの配当" },
    };
    for (const auto& [name, label] : labels) {
        if (field == QLatin1String(name))
            return QString::fromUtf16(label);
    }
    if (field.startsWith(QLatin1String("prize")))
        return QStringLiteral("%1等の配当").arg(field.mid(5));
    if (field.startsWith(QLatin1String("winners")))
        return QStringLiteral("%1等の口数").arg(field.mid(7));
    return field;
}

QString conflictLine(const QString& source, const Conflict& conflict)
{
    QString what = QStringLiteral("当選数字");
    if (conflict.kind == Conflict::Kind::Date)
        what = QStringLiteral("日付");
    else if (conflict.kind == Conflict::Kind::Amount)
        what = fieldLabel(conflict.field);
    return QStringLiteral("第%1回の%2が食い違っています（登録済み：%3、%4：%5）。")
        .arg(conflict.kaisai)
        .arg(what, conflict.stored, sourceName(source), conflict.published);
}

QString headline(const GameOutcome& outcome)
{
    const QString game = gameName(outcome.game);
    const QString source = sourceName(outcome.source);
    switch (outcome.status) {
    case GameOutcome::Status::Updated:
        if (outcome.added == 1)
            return QStringLiteral("　%1に第%2回の当選数字を追加しました（%3）。")
                .arg(game)
                .arg(outcome.first)
                .arg(source);
        return QStringLiteral("　%1に第%2回から第%3回までの%4回分の当選数字を追加しました（%5）。")
            .arg(game)
            .arg(outcome.first)
            .arg(outcome.last)
            .arg(outcome.added)
            .arg(source);
    case GameOutcome::Status::Current:
        return QStringLiteral("　%1は第%2回まで登録済みで、新しい当選数字はありません（%3）。")
            .arg(game)
            .arg(outcome.highest)
            .arg(source);
    case GameOutcome::Status::Behind:
        return QStringLiteral("　%1は第%2回まで登録済みですが、第%3回までの%4回分がまだ取得できません（%5）。")
            .arg(game)
            .arg(outcome.highest)
            .arg(outcome.expected.kaisai)
            .arg(outcome.missing)
            .arg(source);
    case GameOutcome::Status::Failed:
    case GameOutcome::Status::Cancelled:
        break;
    }
    if (update::unreachable(outcome.failures))
        // One literal, as the manual quotes it.
        // clang-format off
        return QStringLiteral("　%1：インターネットに接続できなかったため、当選数字を取得できませんでした。ネットワークの接続を確かめてください。")
            .arg(game);
    // clang-format on
    if (outcome.failures.empty() && outcome.conflicts.empty())
        return QStringLiteral("　%1：データベースを読み書きできませんでした。").arg(game);
    return QStringLiteral("　%1の当選数字を取得できませんでした。").arg(game);
}

// What went wrong with a source, in a user's words; the address and the
// low-level reason go to the details.
QString failureWords(const SourceFailure& failure)
{
    switch (failure.kind) {
    case FailureKind::Lookup:
        return QStringLiteral("接続先が見つかりませんでした");
    case FailureKind::Connection:
        return QStringLiteral("接続できませんでした");
    case FailureKind::Timeout:
        return QStringLiteral("時間内に応答がありませんでした");
    case FailureKind::Certificate:
        return QStringLiteral("サーバーの証明書を確かめられませんでした");
    case FailureKind::Refused:
        return QStringLiteral("ファイルを受け取れませんでした");
    case FailureKind::Content:
        return QStringLiteral("内容を読み取れませんでした");
    case FailureKind::Missing:
        return QStringLiteral("途中の回が抜けていました");
    case FailureKind::Disagrees:
        return QStringLiteral("登録済みの当選数字と合いませんでした");
    case FailureKind::Unavailable:
        return QStringLiteral("必要な回をここからは取得できません");
    case FailureKind::File:
        break;
    }
    return QStringLiteral("ファイルを開けませんでした");
}

// The conflicts in these words, then each source's failure once in a
// user's words (a source may fail on each of its hosts alike).
QStringList explanation(const GameOutcome& outcome)
{
    QStringList lines;
    QStringList explained;
    for (const auto& [source, conflict] : outcome.conflicts) {
        lines << conflictLine(source, conflict);
        explained << source;
    }
    if (!update::unreachable(outcome.failures)) {
        for (const SourceFailure& failure : outcome.failures) {
            if (failure.kind == FailureKind::Disagrees && explained.contains(failure.source))
                continue;
            const QString line = QStringLiteral("%1：%2。").arg(sourceName(failure.source), failureWords(failure));
            if (!lines.contains(line))
                lines << line;
        }
    }
    for (const update::SourceStop& stop : outcome.stops) {
        const QString date = stop.date.isValid()
            ? QStringLiteral("（%1）").arg(stop.date.toString(QStringLiteral("yyyy/MM/dd")))
            : QString();
        lines << QStringLiteral("%1の公開は第%2回%3で止まっています。")
                     .arg(sourceName(stop.source))
                     .arg(stop.latest)
                     .arg(date);
    }
    for (const auto& [source, note] : outcome.notes)
        lines << conflictLine(source, note) + QStringLiteral("登録済みの値をそのまま残しました。");
    if (outcome.filled > 0)
        lines << QStringLiteral("登録済みの%1回分の日付・配当を補いました。").arg(outcome.filled);
    return lines;
}

} // namespace

QString gameName(Game game)
{
    switch (game) {
    case Game::Numbers3:
        return QStringLiteral("ナンバーズ３");
    case Game::Numbers4:
        return QStringLiteral("ナンバーズ４");
    case Game::MiniLoto:
        break;
    }
    return QStringLiteral("ミニロト");
}

QString sourceName(const QString& source)
{
    if (source == QLatin1String("feed"))
        return QStringLiteral("公開フィード");
    if (source == QLatin1String("official"))
        return QStringLiteral("みずほ銀行");
    const QUrl url(source);
    const QString name = QFileInfo(url.isLocalFile() || url.scheme().isEmpty() ? source : url.path()).fileName();
    return name.isEmpty() ? source : name;
}

QString updateMessage(const std::vector<GameOutcome>& outcomes)
{
    QStringList lines;
    const bool cancelled = std::any_of(outcomes.begin(), outcomes.end(),
        [](const GameOutcome& outcome) { return outcome.status == GameOutcome::Status::Cancelled; });
    if (cancelled)
        lines << QStringLiteral("　取得を取り消しました。データベースは変わっていません。");
    for (const GameOutcome& outcome : outcomes) {
        if (outcome.status == GameOutcome::Status::Cancelled)
            continue;
        lines << headline(outcome) << explanation(outcome);
    }
    return lines.join(u'\n');
}

QString updateDetails(const std::vector<GameOutcome>& outcomes)
{
    QStringList lines;
    for (const GameOutcome& outcome : outcomes) {
        for (const SourceFailure& failure : outcome.failures) {
            const QString where = failure.detail.isEmpty() || failure.detail == failure.source
                ? QString()
                : failure.detail + QStringLiteral(": ");
            lines << QStringLiteral("%1 %2：%3%4")
                         .arg(gameName(outcome.game), sourceName(failure.source), where, failure.reason);
        }
        if (outcome.status == GameOutcome::Status::Failed && outcome.failures.empty() && outcome.conflicts.empty())
            lines << QStringLiteral("%1：%2").arg(gameName(outcome.game), outcome.reason);
    }
    return lines.join(u'\n');
}

bool anyFailed(const std::vector<GameOutcome>& outcomes)
{
    return std::any_of(outcomes.begin(), outcomes.end(),
        [](const GameOutcome& outcome) { return outcome.status == GameOutcome::Status::Failed; });
}

} // namespace zelpo::ui
