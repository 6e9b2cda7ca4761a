// SPDX-License-Identifier: MIT
// The check for new results at start-up. The user is asked once whether to
// have it (the main menu's context menu turns it on and off later); it runs
// after the main menu is shown, at most once every 6 hours, only for the
// games whose file the draw calendar says lacks draws, and never shows a
// window: what it added, or that it failed, is one short notice.
// Its state lives in the program's settings file, group [update]:
// check_at_start (true/false, absent until asked) and last_check (UTC).
#pragma once

#include "data/update/updaterun.h"

#include <chrono>
#include <functional>
#include <optional>

class QWidget;

namespace zelpo::ui {

inline constexpr std::chrono::hours kCheckInterval { 6 };
inline constexpr char16_t kStartCheckEntry[] = u"起動時に新しい当選数字を確かめる";

struct StartCheckSettings {
    std::optional<bool> enabled; // nullopt: the user has not been asked
    std::optional<std::chrono::sys_seconds> lastCheck;
};

StartCheckSettings readStartCheckSettings();
void setStartCheckEnabled(bool enabled);

// True when the check is on and none ran in the last 6 hours (or the last
// one lies in the future: the clock was set back).
bool checkIsDue(const StartCheckSettings& settings, std::chrono::sys_seconds now);

// At the first start: asks whether to check at each start (Yes is the
// default) and keeps the answer; later starts ask nothing.
void askAboutStartCheckOnce(QWidget* owner);

// The games whose file lacks draws that the calendar says are out by `now`.
std::vector<Game> gamesBehind(const QString& database, std::chrono::sys_seconds now);

// The notice of a check that ran: what it added, and which games failed.
QString startCheckNotice(const std::vector<update::GameOutcome>& outcomes);

// Runs the check when it is due and an update is not already running; the
// notice goes to `notify` once it has ended. False when nothing was started.
bool runStartCheck(const QString& database, std::function<void(const QString& notice)> notify);

} // namespace zelpo::ui
