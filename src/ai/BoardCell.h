#pragma once

#include "engine/Game.h"

#include <optional>

namespace marovane {

// A cell the computer has chosen to go to, or nothing.
using Target = std::optional<Cell>;

inline bool OnBoard(const Game& game, Cell c) {
    return game.OnBoard(c.X, c.Y);
}

// Player p's relative cell (a, b) as a board cell (it may lie off a small board).
inline Cell PlayerCell(const Game& game, int a, int b, int p) {
    return game.ToPlayerSide(Cell{a, b}, p);
}

// The moves a unit on the cell has left this turn; 0 for an empty cell.
inline int MovesLeft(const Game& game, Cell c) {
    return OnBoard(game, c) ? game.PieceAt(c.X, c.Y).MovesLeft : 0;
}

// The unit on the cell ends its moves for this turn.
inline void EndMoves(Game& game, Cell c) {
    if (OnBoard(game, c) && game.BoardUnit(c.X, c.Y) > 0)
        game.BoardUnit(c.X, c.Y) = static_cast<int16_t>(game.BoardUnit(c.X, c.Y) / 10 * 10);
}

// Whether the piece on the cell has fewer hit points than its type has at full strength.
inline bool Wounded(const Game& game, Cell c) {
    const Piece piece = game.PieceAt(c.X, c.Y);
    return !piece.Empty() && piece.HitPoints < game.Specs().HitPoints(piece.Type);
}

// The quarter of the board a cell lies in, numbered like the home corners: 1 top left,
// 2 bottom right, 3 bottom left, 4 top right. The halves are cut by integer division, so on a
// board of height 9 rows 1 to 3 are the top half.
inline int BoardQuarter(const Game& game, Cell c) {
    const int q = c.Y < game.BoardHeight / 2 ? 1 : 3;
    return c.X >= game.BoardWidth / 2 ? 5 - q : q;
}

// The gate of the castle in corner q: relative cell (3, 3) of that corner.
inline Cell CastleGate(const Game& game, int q) {
    return PlayerCell(game, 3, 3, q);
}

} // namespace marovane
