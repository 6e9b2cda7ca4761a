// SPDX-License-Identifier: MIT
#include "cores/csv/problem.h"

#include "cores/csv/encoding.h"

namespace zelpo::db::csv {

Problem tooLarge(std::size_t bytes)
{
    return Problem { 0, {},
        "too large to be a draw history (" + std::to_string(bytes) + " bytes or more; at most "
            + std::to_string(kLargestInput) + ")" };
}

std::string forMessage(std::string_view value, std::size_t longest)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < value.size()) {
        if (characters == longest) {
            text += "\u2026";
            break;
        }
        ++characters;
        const auto byte = static_cast<unsigned char>(value[i]);
        if (byte < 0x80) {
            ++i;
            if (byte == '\n') {
                text += "\\n";
            } else if (byte == '\r') {
                text += "\\r";
            } else if (byte == '\t') {
                text += "\\t";
            } else if (byte < 0x20 || byte == 0x7F) {
                text += "\\x";
                text += kHex[byte >> 4];
                text += kHex[byte & 0xF];
            } else {
                text += static_cast<char>(byte);
            }
            continue;
        }
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        if (byte < 0xC2 || i + length > value.size() || firstInvalidUtf8(value.substr(i, length))) {
            // Not UTF-8: shown as the byte it is.
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
            ++i;
            continue;
        }
        char32_t code = byte & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(value[i + k]) & 0x3F);
        // C1 controls, line and paragraph separators, and the marks that turn
        // the direction of text around.
        const bool control = (code >= 0x80 && code <= 0x9F) || code == 0x2028 || code == 0x2029
            || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) || code == 0x200E
            || code == 0x200F || code == 0x061C;
        if (control) {
            text += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                text += kHex[(code >> shift) & 0xF];
        } else {
            text.append(value.substr(i, length));
        }
        i += length;
    }
    return text;
}

std::string describe(const Problem& problem)
{
    std::string text;
    if (problem.line > 0)
        text += "line " + std::to_string(problem.line);
    if (!problem.column.empty())
        text += (text.empty() ? "column " : ", column ") + problem.column;
    if (!text.empty())
        text += ": ";
    return text + problem.reason;
}

} // namespace zelpo::db::csv
