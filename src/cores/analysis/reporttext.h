// SPDX-License-Identifier: MIT
// The pieces the command line's reports are written with: JSON strings and
// numbers, and figures in a fixed format for the text output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelpo::analysis {

// The text in double quotes, with quotes, backslashes and control
// characters escaped; other bytes (UTF-8 included) as they are.
std::string jsonString(std::string_view text);

// The shortest text that reads back as the same double; null for a value
// JSON cannot hold (infinite or not a number).
std::string jsonNumber(double value);

// The whole number, or `missing` ("null", "-") when there is none.
std::string optionalNumber(std::optional<int> value, std::string_view missing);

// The value in a printf format for one double: "%.3f", "%.4g".
std::string formatted(double value, const char* format);

} // namespace zelpo::analysis
