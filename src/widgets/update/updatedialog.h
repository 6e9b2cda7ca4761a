// SPDX-License-Identifier: MIT
// "最新の当選数字を取得(&U)...": the update of the windows. A progress dialog
// shows which game and source is being read and how many draws, with a cancel
// button; the reading runs on the event loop, so no window waits for the
// network. One message says at the end how it went.
#pragma once

#include "data/update/updaterun.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zelpo::ui {

class GameWindow;

// The entry of the context menus.
inline constexpr char16_t kUpdateEntry[] = u"最新の当選数字を取得(&U)...";

class UpdateDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateDialog)

public:
    UpdateDialog(update::UpdateRequest request, update::SourceUrls urls, QWidget* parent = nullptr);
    ~UpdateDialog() override;

    update::UpdateRun& run() { return *m_run; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    void showEvent(QShowEvent* event) override;
    // Esc and the window's close button cancel too; the dialog closes once the run has stopped.
    void reject() override;

private:
    void onSourceStarted(update::Game game, const QString& source);
    void onProgress(update::Game game, const QString& source, int read, int expected);
    void onFinished();

    std::unique_ptr<update::UpdateRun> m_run;
    QLabel* m_reading = nullptr;
    QLabel* m_count = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Updates the games in the database with the progress dialog (run through
// runModal()) and the message at the end; true when something was stored.
bool runUpdate(QWidget* owner, const QString& database, const std::vector<update::Game>& games);

// Puts the entry into the context menu of the game window and its draw list:
// it updates `game`, then calls `afterStore` when something was stored.
void offerUpdate(GameWindow& window, QWidget& drawList, update::Game game, std::function<void()> afterStore);

} // namespace zelpo::ui
