#pragma once

#include "engine/BoardArrays.h"
#include "engine/Game.h"

#include <string>
#include <string_view>

namespace marovane::net {

// The whole board as the machines of a network game hand it to whoever moves next: the four
// board arrays, then the captives' cells, the treasuries and the players' results, all raw
// little-endian values without headers. Both machines play the same scenario, so the sizes are
// implied by the game.
struct BoardState {
    int Player = 0; // whose turn the board is for
    BoardArrays Board;
    PerPlayer<int16_t> KingX{}, KingY{}, QueenX{}, QueenY{}, Money{}, PlayerResult{};
};

// The number of bytes of a board state (without the player code) for such a game.
size_t BoardStateSize(int width, int height, int players);

// The body of a board message: the code of the current player, then the board state.
std::string BoardStateText(const Game& game);

// Reads the body of a board message for a game of the given size. Throws marovane::Error naming
// the fault when the length does not fit the game or a value is impossible.
BoardState DecodeBoardState(std::string_view body, int width, int height, int players);

// Puts a board message in place of the game's board when it is for the current player (or for
// anyone, with anyPlayer: the final board of a game) and fits the game; every cell's picture is
// shown again. Refused bodies change nothing: the answer is false and `problem` (when given)
// tells why.
bool ApplyBoardState(Game& game, std::string_view body, std::string* problem = nullptr,
                     bool anyPlayer = false);

// A player another machine reports out of the game: out, with his pieces off the board and his
// treasury empty, as the rules leave a player who lost there. Nothing is announced (that machine
// did it). Without this the board would hold pieces of a player who is out until the next board
// arrived, and for good when none came (the guest whose turn it was left first).
void TakeOutPlayer(Game& game, int player);

} // namespace marovane::net
