// SPDX-License-Identifier: MIT
// 出現傾向: what the stored draws show (counts, gaps, sums, patterns, pulls,
// pairs), each beside what chance alone gives, over the latest N draws.
#pragma once

#include "cores/analysis/trends.h"
#include "cores/game/game.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QSpinBox;
class QTabWidget;

namespace zelpo::ui {
class GameWindow;
} // namespace zelpo::ui

namespace zelpo::analysis {

class TrendsTab;

class TrendsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrendsDialog)
public:
    // Control IDs; each tab's chart, table and sentences are numbered in
    // TrendsTab from its index.
    static constexpr int kCloseId = 1;
    static constexpr int kHelpId = 9;        // ヘ　ル　プ, and F1
    static constexpr int kLastId = 1001;     // 直近 N 回
    static constexpr int kWindowId = 1002;   // which draws the figures cover
    static constexpr int kTabsId = 1003;     // a tab per section
    static constexpr int kReminderId = 1004; // every draw is independent

    // The trends over the latest `last` draws (all without), or nothing when
    // the draws could not be read.
    using Reader = std::function<std::optional<Trends>(std::optional<int> last)>;

    // Opens on `all`, the trends over every draw, and reads again through
    // `read` when the range changes. A number of draws larger than those
    // held stands for all of them.
    TrendsDialog(Game game, Trends all, Reader read, QWidget* parent = nullptr);
    ~TrendsDialog() override;

    // The control of that ID, inside the tabs too.
    QWidget* control(int id) const;
    // The trends shown now.
    const Trends& trends() const { return m_trends; }
    // The start page of the manual, whose page on this window the help opens.
    void setHelpPath(const QString& path) { m_help = path; }

private:
    void applyRange();
    void showTrends();

    Reader m_read;
    QString m_help;
    int m_all; // draws in the whole history
    Trends m_trends;
    QSpinBox* m_last;
    QLabel* m_window;
    QTabWidget* m_tabs;
    std::vector<TrendsTab*> m_sections;
};

// Reads the game's draws and runs the window modally over them, its help on
// the manual of start page `help`. A failed read shows the read-failure
// message instead.
void openTrends(QWidget* owner, Game game, const QString& database, const QString& help = {});

// Gives the game window and its draw list the context-menu entry
// "出現傾向(&T)..." that opens the window on the game window's database.
void offerTrends(ui::GameWindow& window, QWidget& drawList, Game game);

} // namespace zelpo::analysis
