// SPDX-License-Identifier: MIT
#include "widgets/update/updaterunner.h"

#include "data/tickets/ticketrecord.h"
#include "data/update/sourceurls.h"
#include "widgets/ui/modal.h"
#include "widgets/update/updatemessage.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace zelpo::ui {

UpdateRunner::UpdateRunner(QObject* parent)
    : QObject(parent)
{
}

UpdateRunner& UpdateRunner::instance()
{
    // A child of the application: it goes, with any reading it does, before
    // the network and the event loop do.
    static QPointer<UpdateRunner> runner;
    if (!runner)
        runner = new UpdateRunner(QCoreApplication::instance());
    return *runner;
}

bool UpdateRunner::start(update::UpdateRequest request, Done done)
{
    if (m_run)
        return false;
    m_run = std::make_unique<update::UpdateRun>(std::move(request), update::sourceUrls());
    m_done = std::move(done);
    m_cancelling = false;
    connect(m_run.get(), &update::UpdateRun::sourceStarted, this, &UpdateRunner::sourceStarted);
    connect(m_run.get(), &update::UpdateRun::progress, this, &UpdateRunner::progress);
    connect(m_run.get(), &update::UpdateRun::finished, this, &UpdateRunner::onFinished);
    m_run->start();
    Q_EMIT started();
    return true;
}

void UpdateRunner::cancel()
{
    if (!m_run || m_cancelling || m_run->isFinished())
        return;
    m_cancelling = true;
    Q_EMIT cancelling();
    m_run->cancel();
}

void UpdateRunner::onFinished()
{
    // The run is the sender: it goes once its signal has returned. The
    // runner is free before anyone hears of the end, so that whoever is told
    // may start the next update at once.
    update::UpdateRun* run = m_run.release();
    run->deleteLater();
    const std::vector<update::GameOutcome> outcomes = run->outcomes();
    const Done done = std::exchange(m_done, {});
    m_cancelling = false;
    Q_EMIT finished(outcomes);
    if (done)
        done(outcomes);
}

void runUpdate(QWidget* owner, const QString& database, const std::vector<Game>& games, const QString& source)
{
    if (refuseSecondUpdate(owner))
        return;
    update::UpdateRequest request;
    request.database = database;
    request.games = games;
    request.source = source;
    const QPointer<QWidget> asker(owner);
    UpdateRunner::instance().start(
        std::move(request), [asker, database](const std::vector<update::GameOutcome>& outcomes) {
            // The tickets the new draws decided: their wins are told in the same message.
            QString message = updateMessage(outcomes);
            for (const update::GameOutcome& outcome : outcomes) {
                if (outcome.status == update::GameOutcome::Status::Updated && outcome.added > 0) {
                    if (const QString wins
                        = tickets::winAnnouncement(database, outcome.game, outcome.first, outcome.last);
                        !wins.isEmpty())
                        message += QStringLiteral("\n\n") + wins;
                }
            }
            showMessage(
                asker, message, anyFailed(outcomes) ? MessageIcon::Stop : MessageIcon::None, updateDetails(outcomes));
        });
}

bool refuseSecondUpdate(QWidget* owner)
{
    if (!UpdateRunner::instance().isRunning())
        return false;
    showMessage(owner, QStringLiteral("最新の当選数字を取得しているところです。終わってから、もう一度選んでください。"),
        MessageIcon::None);
    return true;
}

bool storedAny(const std::vector<update::GameOutcome>& outcomes, Game game)
{
    return std::any_of(outcomes.begin(), outcomes.end(), [game](const update::GameOutcome& outcome) {
        return outcome.game == game && outcome.status == update::GameOutcome::Status::Updated;
    });
}

} // namespace zelpo::ui
