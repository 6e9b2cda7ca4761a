// SPDX-License-Identifier: MIT
// The three games, one type for every layer of the program.
#pragma once

namespace zelpo {

enum class Game { Numbers3, Numbers4, MiniLoto };

} // namespace zelpo
