// SPDX-License-Identifier: MIT
// The status line of a game window, in the row of its found count, where the
// window's layout leaves room: the next draw with its date and, when the file
// is behind the calendar, how many draws it lacks; the update's progress
// while one runs.
#pragma once

#include "data/update/calendarstate.h"

#include <QRect>
#include <QString>

#include <optional>

namespace zelpo::ui {

class GameWindow;
class UpdateLine;

// "次回 第7055回 2026/08/24（月）", then "　未登録 75回" when draws are missing;
// empty without a state.
QString drawStatusText(const std::optional<update::CalendarState>& state);

class DrawStatus {
public:
    // Places the line at `area`, in the dialog units of the window's template.
    DrawStatus(GameWindow& window, Game game, QRect area);

    // Reads the file's last draw again and shows where it stands now.
    void refresh();
    UpdateLine& line() const { return *m_line; }

private:
    GameWindow& m_window;
    Game m_game;
    UpdateLine* m_line; // owned by the window
};

} // namespace zelpo::ui
