// SPDX-License-Identifier: MIT
#include "cores/csv/encoding.h"

#include "cores/csv/text_p.h"

#include <algorithm>
#include <string>

namespace zelpo::db::csv {

std::optional<Encoding> encodingNamed(std::string_view name)
{
    const std::string key = lowered(trimmed(name));
    if (key == "utf-8" || key == "utf8")
        return Encoding::Utf8;
    if (key == "shift_jis" || key == "shift-jis" || key == "sjis" || key == "cp932" || key == "windows-31j")
        return Encoding::ShiftJis;
    return std::nullopt;
}

std::size_t utf8BomLength(std::string_view bytes)
{
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

Encoding detectEncoding(std::string_view bytes)
{
    if (utf8BomLength(bytes) > 0)
        return Encoding::Utf8;
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return Encoding::Utf16;
    return firstInvalidUtf8(bytes) ? Encoding::ShiftJis : Encoding::Utf8;
}

std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = byte(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // overlong
            else if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90; // overlong
            else if (lead == 0xF4)
                high = 0x8F; // above U+10FFFF
        } else {
            return i;
        }
        if (i + length > bytes.size())
            return i;
        if (byte(i + 1) < low || byte(i + 1) > high)
            return i;
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
                return i;
        }
        i += length;
    }
    return std::nullopt;
}

std::size_t lineAt(std::string_view text, std::size_t offset)
{
    std::size_t line = 1;
    const std::size_t end = std::min(offset, text.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n')))
            ++line;
    }
    return line;
}

} // namespace zelpo::db::csv
