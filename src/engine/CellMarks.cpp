#include "engine/CellMarks.h"

#include "engine/Game.h"

#include <algorithm>

namespace marovane {

ReachMark ReachMarkOf(ClickAction action) {
    switch (action) {
    case ClickAction::Move:
        return ReachMark::Step;
    case ClickAction::Attack:
    case ClickAction::Arrow:
    case ClickAction::Rock:
    case ClickAction::Oil:
        return ReachMark::Attack;
    case ClickAction::Heal:
        return ReachMark::Heal;
    case ClickAction::Repair:
        return ReachMark::Repair;
    case ClickAction::None:
    case ClickAction::Select:
    case ClickAction::NoDrop:
        break;
    }
    return ReachMark::None;
}

std::vector<CellMarks> BoardMarksOf(const Game& game) {
    const int w = game.BoardWidth, h = game.BoardHeight;
    std::vector<CellMarks> marks(static_cast<size_t>(std::max(0, w)) * std::max(0, h));
    auto at = [&](int x, int y) -> CellMarks& {
        return marks[static_cast<size_t>(y - 1) * w + (x - 1)];
    };
    const UnitSpecs& specs = game.Specs();
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            const Piece piece = game.VisiblePieceAt(x, y);
            if (!piece.Alive())
                continue;
            const int full = specs.HitPoints(piece.Type);
            if (full > 0)
                at(x, y).Health = static_cast<int8_t>(std::clamp(
                    (piece.HitPoints * 100 + full / 2) / full, piece.HitPoints > 0 ? 1 : 0, 100));
            // A wall piece never moves, so it is never spent.
            at(x, y).Spent = piece.Owner == game.CurrentPlayer && piece.MovesLeft == 0 &&
                             specs.Moves(piece.Type) > 0;
        }
    }
    const int sx = game.HighX, sy = game.HighY;
    if (sx < 1 || !game.OnBoard(sx, sy) || game.PicNum(sx, sy) < 0)
        return marks;
    // Nothing beyond a step or the unit's range is ever in its reach.
    const int reach = std::max(1, static_cast<int>(specs.UnitRange[game.PieceAt(sx, sy).Type]));
    for (int x = std::max(1, sx - reach); x <= std::min(w, sx + reach); ++x) {
        for (int y = std::max(1, sy - reach); y <= std::min(h, sy + reach); ++y)
            at(x, y).Reach = ReachMarkOf(game.ClickPreview(x, y));
    }
    return marks;
}

} // namespace marovane
