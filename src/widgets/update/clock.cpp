// SPDX-License-Identifier: MIT
#include "widgets/update/clock.h"

namespace zelpo::ui {
namespace {

FixedClock* g_fixed = nullptr;

} // namespace

std::chrono::sys_seconds currentTime()
{
    if (g_fixed)
        return g_fixed->m_now;
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

FixedClock::FixedClock(std::chrono::sys_seconds now)
    : m_now(now)
    , m_previous(g_fixed)
{
    g_fixed = this;
}

FixedClock::~FixedClock()
{
    g_fixed = m_previous;
}

} // namespace zelpo::ui
