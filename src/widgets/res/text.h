// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

namespace zelpo::res {

// A template or string-table text as a QString.
inline QString qtext(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zelpo::res
