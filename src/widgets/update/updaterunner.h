// SPDX-License-Identifier: MIT
// "最新の当選数字を取得(&U)...": one update at a time for the whole program.
// The update reads on the event loop and shows its progress in the windows'
// status lines (updateline.h), never in a window of its own, so every window
// stays usable while it runs; a second one is refused while it does.
#pragma once

#include "data/update/updaterun.h"

#include <QObject>

#include <functional>
#include <memory>

namespace zelpo::ui {

class UpdateRunner final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateRunner)

public:
    using Done = std::function<void(const std::vector<update::GameOutcome>& outcomes)>;

    // The program's one runner, owned by the application object.
    static UpdateRunner& instance();

    bool isRunning() const { return m_run != nullptr; }
    // Starts `request` and calls `done` once it has ended (after finished()
    // has reached every window); false, doing nothing, while one runs.
    bool start(update::UpdateRequest request, Done done);
    // Stops the reading: nothing is stored, and finished() follows.
    void cancel();
    bool isCancelling() const { return m_cancelling; }

Q_SIGNALS:
    void started();
    void sourceStarted(zelpo::Game game, const QString& source);
    void progress(zelpo::Game game, const QString& source, int drawsRead, int drawsExpected);
    void cancelling();
    void finished(const std::vector<zelpo::update::GameOutcome>& outcomes);

private:
    explicit UpdateRunner(QObject* parent);
    void onFinished();

    std::unique_ptr<update::UpdateRun> m_run;
    Done m_done;
    bool m_cancelling = false;
};

// Updates the games for the user: the progress in the status lines, the
// message at the end (owned by `owner` while it lives). While another update
// runs it says so and starts nothing. `source` as the command line takes it
// (empty: each game's sources).
void runUpdate(
    QWidget* owner, const QString& database, const std::vector<Game>& games, const QString& source = {});

// True, after saying so to the user, while an update runs.
bool refuseSecondUpdate(QWidget* owner);

// True when one of `outcomes` stored something of `game`.
bool storedAny(const std::vector<update::GameOutcome>& outcomes, Game game);

} // namespace zelpo::ui
