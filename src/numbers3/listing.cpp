// SPDX-License-Identifier: MIT
#include "numbers3/listing.h"

namespace zelpo::numbers3 {

std::string winningNumberText(std::initializer_list<int> digits)
{
    std::string text;
    for (const int digit : digits)
        text += std::to_string(digit);
    return text;
}

} // namespace zelpo::numbers3
