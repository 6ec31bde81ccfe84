#pragma once

#include "engine/BoardArrays.h"
#include "engine/Game.h"
#include "engine/GameState.h"

#include <string>
#include <string_view>

namespace marovane::net {

// The whole board as the machines of a network game hand it to whoever moves next: the four
// board arrays, then the captives' cells, the treasuries and the players' results, all raw
// little-endian values without headers. Both machines play the same scenario, so the sizes are
// implied by the game.
// The state's fields it carries are those of the field table (GameStateFields.h) that name the
// board message; the others keep their defaults.
struct BoardState : GameState {
    int Player = 0; // whose turn the board is for
    BoardArrays Board;
};

// The number of bytes of a board state (without the player code) for such a game.
size_t BoardStateSize(int width, int height, int players);

// The body of a board message: the code of the current player, then the board state.
std::string BoardStateText(const Game& game);
// A whole board message of the given kind (the letter, then the body), made in one piece: a
// board goes out every turn.
std::string BoardMessage(char kind, const Game& game);

// Reads the body of a board message for a game of the given size. Throws marovane::Error naming
// the fault when the length does not fit the game or a value is impossible.
BoardState DecodeBoardState(std::string_view body, int width, int height, int players);

// Puts a board message in place of the game's board when it is for the current player (or for
// anyone, with anyPlayer: the final board of a game) and fits the game; every cell's picture is
// shown again. Refused bodies change nothing: the answer is false and `problem` (when given)
// tells why.
bool ApplyBoardState(Game& game, std::string_view body, std::string* problem = nullptr,
                     bool anyPlayer = false);

} // namespace marovane::net
