// SPDX-License-Identifier: MIT
// The encodings a draw history may come in: naming and detecting them, a
// byte-order mark, the first byte that breaks UTF-8, and the line it is on.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zelpo::db::csv {

enum class Encoding { Utf8, ShiftJis, Utf16 };

// "utf-8", "utf8", "shift_jis", "sjis", "cp932", "windows-31j" (any case).
std::optional<Encoding> encodingNamed(std::string_view name);

// A byte-order mark decides; otherwise text that is valid UTF-8 is UTF-8 and
// anything else is taken for Shift_JIS.
Encoding detectEncoding(std::string_view bytes);

// Length of a UTF-8 byte-order mark at the start, 0 or 3.
std::size_t utf8BomLength(std::string_view bytes);

// Offset of the first byte that breaks UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included), or nothing when the text is valid.
std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes);

// The line (from 1) that holds the byte at `offset`.
std::size_t lineAt(std::string_view text, std::size_t offset);

} // namespace zelpo::db::csv
