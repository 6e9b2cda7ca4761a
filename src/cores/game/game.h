// SPDX-License-Identifier: MIT
// The three games, one type for every layer of the program.
#pragma once

namespace zelpo {

enum class Game { Numbers3, Numbers4, MiniLoto };

// Every game, in the order the program lists them.
inline constexpr Game kGames[] = { Game::Numbers3, Game::Numbers4, Game::MiniLoto };

} // namespace zelpo
