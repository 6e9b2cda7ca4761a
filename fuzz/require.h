// SPDX-License-Identifier: MIT
// The one way a fuzz target reports a broken rule: say which and abort, so
// that libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zelpo::fuzz {

[[noreturn]] inline void fail(const char* rule, const std::string& detail)
{
    std::fprintf(stderr, "broken rule: %s\n%s\n", rule, detail.c_str());
    std::abort();
}

inline void require(bool holds, const char* rule, const std::string& detail = {})
{
    if (!holds)
        fail(rule, detail);
}

} // namespace zelpo::fuzz
