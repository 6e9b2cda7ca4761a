// SPDX-License-Identifier: MIT
// The time the windows measure the draw calendar and the start-up check by:
// the system's, or a fixed one while a test holds a FixedClock.
#pragma once

#include <chrono>

namespace zelpo::ui {

std::chrono::sys_seconds currentTime();

class FixedClock {
public:
    explicit FixedClock(std::chrono::sys_seconds now);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(std::chrono::sys_seconds now) { m_now = now; }

private:
    friend std::chrono::sys_seconds currentTime();
    std::chrono::sys_seconds m_now;
    FixedClock* m_previous;
};

} // namespace zelpo::ui
