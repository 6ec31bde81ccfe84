#include "ai/PlayerSight.h"

namespace marovane {

PlayerSight::PlayerSight(const Game& game, int player, const PlayerSight& castles)
    : game_(game), player_(player), width_(game.BoardWidth), height_(game.BoardHeight),
      castle_(castles.castle_), gated_(castles.gated_) {
    ReadPieces();
}

void PlayerSight::ReadPieces() {
    pieces_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    for (int y = 1; y <= height_; ++y) {
        for (int x = 1; x <= width_; ++x) {
            // What fog hides looks like empty grass, as the board shows it to the player.
            pieces_[static_cast<size_t>(Index({x, y}))] = game_.VisiblePieceAt(x, y);
        }
    }
}

PlayerSight::PlayerSight(const Game& game, int player)
    : game_(game), player_(player), width_(game.BoardWidth), height_(game.BoardHeight) {
    ReadPieces();
    const size_t cells = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    castle_.resize(cells);
    gated_.resize(cells);
    const bool castles = game.CastlesInForce();
    for (int y = 1; y <= height_; ++y) {
        for (int x = 1; x <= width_; ++x) {
            const size_t i = static_cast<size_t>(Index({x, y}));
            castle_[i] = static_cast<uint8_t>(game.InCastle(x, y));
            int owner = game.CornerOwner(x, y);
            if (owner == 0)
                owner = 1;
            gated_[i] = castles && !game.IsVacant(owner);
        }
    }
}

bool PlayerSight::StepAllowed(Cell from, Cell to) const {
    if (!gated_[static_cast<size_t>(Index(from))])
        return true;
    const int a = Castle(from), b = Castle(to);
    const bool inside = a >= castle_cell::Wall, into = b >= castle_cell::Wall;
    return !((a == castle_cell::Outside && into) || (b == castle_cell::Outside && inside));
}

} // namespace marovane
