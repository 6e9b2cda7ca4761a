// SPDX-License-Identifier: MIT
#include "cores/numbers/listing.h"

namespace zelpo::numbers {

std::string winningNumberText(std::span<const int> digits)
{
    std::string text;
    for (const int digit : digits)
        text += std::to_string(digit);
    return text;
}

} // namespace zelpo::numbers
