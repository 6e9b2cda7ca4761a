// SPDX-License-Identifier: MIT
// Texts of the tickets joined by appending, part after part.
#pragma once

#include <string>
#include <string_view>

namespace zelpo::tickets {

template <class... Parts>
std::string concat(const Parts&... parts)
{
    std::string text;
    (text.append(std::string_view(parts)), ...);
    return text;
}

} // namespace zelpo::tickets
