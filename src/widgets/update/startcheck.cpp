// SPDX-License-Identifier: MIT
#include "widgets/update/startcheck.h"

#include "data/update/calendarstate.h"
#include "widgets/ui/modal.h"
#include "widgets/update/clock.h"
#include "widgets/update/updatemessage.h"
#include "widgets/update/updaterunner.h"

#include <QDateTime>
#include <QSettings>
#include <QTimeZone>

#include <algorithm>

namespace zelpo::ui {
namespace {

using update::GameOutcome;

const QString kEnabledKey = QStringLiteral("update/check_at_start");
const QString kLastCheckKey = QStringLiteral("update/last_check");

QSettings programSettings()
{
    return QSettings(QStringLiteral("zelpo"), QStringLiteral("zelpo"));
}

void setLastCheck(std::chrono::sys_seconds when)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(when.time_since_epoch().count(), QTimeZone::utc());
    programSettings().setValue(kLastCheckKey, time.toString(Qt::ISODate));
}

} // namespace

StartCheckSettings readStartCheckSettings()
{
    const QSettings settings(QStringLiteral("zelpo"), QStringLiteral("zelpo"));
    StartCheckSettings read;
    if (settings.contains(kEnabledKey))
        read.enabled = settings.value(kEnabledKey).toBool();
    const QDateTime last = QDateTime::fromString(settings.value(kLastCheckKey).toString(), Qt::ISODate);
    if (last.isValid())
        read.lastCheck = std::chrono::sys_seconds(std::chrono::seconds(last.toSecsSinceEpoch()));
    return read;
}

void setStartCheckEnabled(bool enabled)
{
    programSettings().setValue(kEnabledKey, enabled);
}

bool checkIsDue(const StartCheckSettings& settings, std::chrono::sys_seconds now)
{
    if (!settings.enabled.value_or(false))
        return false;
    if (!settings.lastCheck || *settings.lastCheck > now)
        return true;
    return now - *settings.lastCheck >= kCheckInterval;
}

void askAboutStartCheckOnce(QWidget* owner)
{
    if (readStartCheckSettings().enabled)
        return;
    setStartCheckEnabled(askQuestion(owner,
        QStringLiteral("起動するたびに、新しい当選数字が公開されていないか確かめて取得しますか？\n"
                       "（あとからメインメニューの右クリックで切り替えられます）")));
}

std::vector<Game> gamesBehind(const QString& database, std::chrono::sys_seconds now)
{
    std::vector<Game> games;
    for (const Game game : { Game::Numbers3, Game::Numbers4, Game::MiniLoto }) {
        const std::optional<update::CalendarState> state = update::readCalendarState(game, database, now);
        if (state && state->missing > 0)
            games.push_back(game);
    }
    return games;
}

QString startCheckNotice(const std::vector<GameOutcome>& outcomes)
{
    QStringList added;
    QStringList failed;
    bool cancelled = false;
    for (const GameOutcome& outcome : outcomes) {
        if (outcome.status == GameOutcome::Status::Updated)
            added << QStringLiteral("%1に%2回分").arg(gameName(outcome.game)).arg(outcome.added);
        else if (outcome.status == GameOutcome::Status::Failed)
            failed << gameName(outcome.game);
        else if (outcome.status == GameOutcome::Status::Cancelled)
            cancelled = true;
    }
    if (cancelled)
        return QStringLiteral("起動時の確認を取り消しました。");
    QString notice = QStringLiteral("起動時の確認：");
    if (!added.isEmpty())
        notice += QStringLiteral("%1の当選数字を追加しました。").arg(added.join(u'、'));
    if (!failed.isEmpty())
        notice += QStringLiteral("%1の当選数字を取得できませんでした。").arg(failed.join(u'、'));
    if (added.isEmpty() && failed.isEmpty())
        notice += QStringLiteral("新しい当選数字はまだ公開されていません。");
    return notice;
}

bool runStartCheck(const QString& database, std::function<void(const QString& notice)> notify)
{
    const std::chrono::sys_seconds now = currentTime();
    UpdateRunner& runner = UpdateRunner::instance();
    if (runner.isRunning() || !checkIsDue(readStartCheckSettings(), now))
        return false;
    const std::vector<Game> games = gamesBehind(database, now);
    if (games.empty())
        return false;
    update::UpdateRequest request;
    request.database = database;
    request.games = games;
    runner.start(std::move(request),
        [notify = std::move(notify)](const std::vector<GameOutcome>& outcomes) { notify(startCheckNotice(outcomes)); });
    setLastCheck(now);
    return true;
}

} // namespace zelpo::ui
