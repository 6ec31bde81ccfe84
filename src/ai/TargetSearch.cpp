#include "ai/TargetSearch.h"

#include "ai/TurnGuard.h"
#include "engine/Game.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace marovane {

std::vector<BoardPiece> AllPieces(const Game& game) {
    std::vector<BoardPiece> pieces;
    pieces.reserve(256);
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y) {
            // A piece needs its picture and its strength: a strength without a picture belongs
            // to nobody.
            const Piece piece = game.PieceAt(x, y);
            if (piece.Alive())
                pieces.push_back({x, y, piece.Type, piece.Owner});
        }
    }
    return pieces;
}

bool OwnerSelected(const Game& game, int flags, int q, int p) {
    const bool friendly = flags & search_flag::Friendly;
    const bool teamWide = flags & search_flag::TeamWide;
    if (friendly)
        return teamWide ? game.SameTeam(q, p) : q == p;
    return teamWide ? !game.SameTeam(q, p) : q != p;
}

int Worth(const Game& game, int type) {
    const UnitSpecs& specs = game.Specs();
    if (specs.UnitMaxDamage[type] == 0)
        return 0;
    return specs.HitPoints(type) + specs.UnitRange[type] + specs.UnitMaxDamage[type];
}

namespace {

// A piece's share of its full hit points. A type without hit points counts as unhurt.
float HitPointRatio(const Game& game, int x, int y, int type) {
    const int full = game.Specs().HitPoints(type);
    if (full <= 0)
        return 1.0f;
    return static_cast<float>(game.PieceAt(x, y).HitPoints) / static_cast<float>(full);
}

int TypeOn(const Game& game, int x, int y) {
    return game.PieceAt(x, y).Type;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

bool IsBetter(Game& game, int x1, int y1, float d1, int x2, int y2, float d2, int flags) {
    using namespace search_flag;
    if (flags & PreferNear) {
        if (d1 < d2)
            return true;
        if (d1 > d2)
            return false;
    }
    const int t1 = TypeOn(game, x1, y1);
    const int t2 = TypeOn(game, x2, y2);
    if (flags & PreferWorthy) {
        const int w1 = Worth(game, t1), w2 = Worth(game, t2);
        if (w1 > w2)
            return true;
        if (w1 < w2)
            return false;
    }
    if (flags & PreferWeak) {
        const float r1 = HitPointRatio(game, x1, y1, t1), r2 = HitPointRatio(game, x2, y2, t2);
        if (r1 < r2)
            return true;
        if (r1 > r2)
            return false;
    }
    // Equal in every criterion asked for: a coin decides, so that equal targets are shared out.
    return game.Rng().RndSingle() > 0.5f;
}

Target FindTarget(Game& game, int x, int y, int flags, int range, int player) {
    using namespace search_flag;
    if (!game.GameOn)
        return std::nullopt;
    // The moves the searching unit has left; the search may start from an empty cell.
    const int moves = game.OnBoard(x, y) ? game.PieceAt(x, y).MovesLeft : 0;
    const bool straight = flags & StraightDistance;

    // Only the first piece of the ordered candidates is ever used, so one pass that lets each
    // candidate challenge the best so far (in scan order, as the first pass of a selection sort
    // does) finds it.
    bool found = false;
    int bestX = 0, bestY = 0;
    float bestDistance = 0;
    for (const BoardPiece& piece : AllPieces(game)) {
        if (piece.X == x && piece.Y == y)
            continue;
        if ((flags & VisibleOnly) && !game.Visible(piece.X, piece.Y))
            continue;
        if ((flags & CastleOnly) && game.InCastle(piece.X, piece.Y) == castle_cell::Outside)
            continue;
        if (((flags & WallsOnly) != 0) != (piece.Type == unit_type::Wall))
            continue;
        if ((flags & HomeIntruder) && (game.SameTeam(piece.Owner, player) ||
                                       BoardQuarter(game, {piece.X, piece.Y}) != player ||
                                       game.InCastle(piece.X, piece.Y) == castle_cell::Outside))
            continue;
        if (!OwnerSelected(game, flags, piece.Owner, player))
            continue;
        const int dx = piece.X - x, dy = piece.Y - y;
        const float distance =
            straight ? static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)) - 0.5)
                     : static_cast<float>(std::max(std::abs(dx), std::abs(dy)));
        if (flags & InReachOnly) {
            // Straight: what is left after the moves must be inside the range. King-move: one
            // move is kept for the attack itself.
            const bool reached =
                straight ? distance - static_cast<float>(moves) + 1.0f < static_cast<float>(range)
                         : distance < static_cast<float>(moves);
            if (!reached)
                continue;
        }
        if ((flags & RoyalOnly) && piece.Type != unit_type::King && piece.Type != unit_type::Queen)
            continue;
        if (!found ||
            IsBetter(game, piece.X, piece.Y, distance, bestX, bestY, bestDistance, flags & 0xFF)) {
            found = true;
            bestX = piece.X;
            bestY = piece.Y;
            bestDistance = distance;
        }
    }
    if (!found)
        return std::nullopt;
    return Cell{bestX, bestY};
}

void CheckForBlockingWall(TurnGuard& guard, Cell unit, Target& target) {
    Game& game = guard.GetGame();
    if (!target || !OnBoard(game, *target) || !OnBoard(game, unit) || *target == unit)
        return;
    const Piece mover = game.PieceAt(unit.X, unit.Y);
    if (mover.Empty())
        return;
    const int range = game.Specs().UnitRange[mover.Type];
    const Cell goal = *target;
    // King steps toward the target: diagonal while both differences last, then straight.
    Cell c = unit;
    const int steps = std::max(std::abs(goal.X - c.X), std::abs(goal.Y - c.Y));
    for (int i = 1; i < steps; ++i) {
        c.X += Sign(goal.X - c.X);
        c.Y += Sign(goal.Y - c.Y);
        const Piece piece = game.PieceAt(c.X, c.Y);
        if (!piece.Alive() || piece.Type != unit_type::Wall ||
            game.SameTeam(piece.Owner, mover.Owner))
            continue;
        // An enemy wall is in the way: break the handiest enemy wall instead.
        guard.ProcessEvents();
        using namespace search_flag;
        const int enemyWalls = WallsOnly | TeamWide | VisibleOnly | PreferNear | PreferWeak;
        Target wall =
            FindTarget(game, unit.X, unit.Y, enemyWalls | InReachOnly, range, mover.Owner);
        if (!wall) {
            guard.ProcessEvents();
            wall = FindTarget(game, unit.X, unit.Y, enemyWalls, range, mover.Owner);
        }
        target = wall ? *wall : c;
        return;
    }
}

} // namespace marovane
