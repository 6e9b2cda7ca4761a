// SPDX-License-Identifier: MIT
#include "widgets/update/updatemessage.h"

#include <algorithm>

namespace zelpo::ui {
namespace {

using update::Conflict;
using update::GameOutcome;

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
            return QStringLiteral("　%1に第%2回の当選数字を追加しました（%3）。。")
                .arg(game)
                .arg(outcome.first)
                .arg(source);
        return QStringLiteral("　%1に第%2回から第%3回までの%4回分の当選数字を追加しました（%5）。。")
            .arg(game)
            .arg(outcome.first)
            .arg(outcome.last)
            .arg(outcome.added)
            .arg(source);
    case GameOutcome::Status::Current:
        return QStringLiteral("　%1は第%2回まで登録済みで、新しい当選数字はありません（%3）。。")
            .arg(game)
            .arg(outcome.highest)
            .arg(source);
    case GameOutcome::Status::Failed:
    case GameOutcome::Status::Cancelled:
        break;
    }
    return QStringLiteral("　%1の当選数字を取得できませんでした。。").arg(game);
}

// The conflicts in these words, then every other reason as it was given.
QStringList details(const GameOutcome& outcome)
{
    QStringList lines;
    QStringList explained;
    for (const auto& [source, conflict] : outcome.conflicts) {
        lines << conflictLine(source, conflict);
        explained << source + QStringLiteral(": ");
    }
    for (const QString& failure : outcome.failures) {
        const bool known = std::any_of(
            explained.begin(), explained.end(), [&](const QString& prefix) { return failure.startsWith(prefix); });
        if (!known)
            lines << QStringLiteral("（%1）").arg(failure);
    }
    if (outcome.status == GameOutcome::Status::Failed && outcome.failures.isEmpty() && outcome.conflicts.empty())
        lines << QStringLiteral("（%1）").arg(outcome.reason);
    if (outcome.filled > 0)
        lines << QStringLiteral("登録済みの%1回分の日付・配当を補いました。").arg(outcome.filled);
    return lines;
}

} // namespace

QString gameName(update::Game game)
{
    switch (game) {
    case update::Game::Numbers3:
        return QStringLiteral("ナンバーズ３");
    case update::Game::Numbers4:
        return QStringLiteral("ナンバーズ４");
    case update::Game::MiniLoto:
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
    return source;
}

QString updateMessage(const std::vector<GameOutcome>& outcomes)
{
    QStringList lines;
    const bool cancelled = std::any_of(outcomes.begin(), outcomes.end(),
        [](const GameOutcome& outcome) { return outcome.status == GameOutcome::Status::Cancelled; });
    if (cancelled)
        lines << QStringLiteral("　取得を取り消しました。データベースは変わっていません。。");
    for (const GameOutcome& outcome : outcomes) {
        if (outcome.status == GameOutcome::Status::Cancelled)
            continue;
        lines << headline(outcome) << details(outcome);
    }
    return lines.join(u'\n');
}

bool anyFailed(const std::vector<GameOutcome>& outcomes)
{
    return std::any_of(outcomes.begin(), outcomes.end(),
        [](const GameOutcome& outcome) { return outcome.status == GameOutcome::Status::Failed; });
}

} // namespace zelpo::ui
