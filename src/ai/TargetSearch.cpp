#include "ai/TargetSearch.h"

#include "ai/TurnGuard.h"
#include "engine/Game.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <span>
#include <stdexcept>

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

// The two ways a search measures how far a piece is.
float Distance(int dx, int dy, bool straight) {
    if (straight)
        return static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)) - 0.5);
    return static_cast<float>(std::max(std::abs(dx), std::abs(dy)));
}

// What the ordering of a search compares of one candidate.
struct Candidate {
    int X = 0;
    int Y = 0;
    float Distance = 0;
    int Worth = 0;
    float Ratio = 0;
};

// A piece's share of its full hit points. A type without hit points counts as unhurt.
float HitPointRatio(int hitPoints, int full) {
    if (full <= 0)
        return 1.0f;
    return static_cast<float>(hitPoints) / static_cast<float>(full);
}

Candidate Describe(const Game& game, int x, int y, float distance) {
    const Piece piece = game.PieceAt(x, y);
    return {x, y, distance, Worth(game, piece.Type),
            HitPointRatio(piece.HitPoints, game.Specs().HitPoints(piece.Type))};
}

// Whether candidate a is to be preferred to b: near, worthy, weak, each only when its bit is
// set; when none of them tells the two apart, a fresh random number decides, so that equal
// targets are shared out.
bool Prefers(Game& game, const Candidate& a, const Candidate& b, int flags) {
    using namespace search_flag;
    if (flags & PreferNear) {
        if (a.Distance < b.Distance)
            return true;
        if (a.Distance > b.Distance)
            return false;
    }
    if (flags & PreferWorthy) {
        if (a.Worth > b.Worth)
            return true;
        if (a.Worth < b.Worth)
            return false;
    }
    if (flags & PreferWeak) {
        if (a.Ratio < b.Ratio)
            return true;
        if (a.Ratio > b.Ratio)
            return false;
    }
    return game.Rng().RndSingle() > 0.5f;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

bool IsBetter(Game& game, int x1, int y1, float d1, int x2, int y2, float d2, int flags) {
    return Prefers(game, Describe(game, x1, y1, d1), Describe(game, x2, y2, d2), flags);
}

Target FindTarget(Game& game, int x, int y, int flags, int range, int player) {
    using namespace search_flag;
    if (!game.GameOn)
        return std::nullopt;
    const BoardArrays& board = game.Board();
    const int width = game.BoardWidth, height = game.BoardHeight;
    if (width > board.Width() || height > board.Height())
        throw std::out_of_range("cell off the board");
    // The moves the searching unit has left; the search may start from an empty cell.
    const int moves = game.OnBoard(x, y) ? game.PieceAt(x, y).MovesLeft : 0;
    const bool straight = flags & StraightDistance;
    const bool wallsOnly = flags & WallsOnly;

    // What the search asks of owners and types, worked out once rather than for every piece.
    std::array<bool, kMaxPlayers + 1> ownerSelected{};
    std::array<bool, kMaxPlayers + 1> ownTeam{};
    for (int q = 1; q <= kMaxPlayers; ++q) {
        ownerSelected[static_cast<size_t>(q)] = OwnerSelected(game, flags, q, player);
        ownTeam[static_cast<size_t>(q)] = game.SameTeam(q, player);
    }
    const UnitSpecs& specs = game.Specs();
    std::array<int, kUnitTypes> worth{};
    for (int t = 0; t < kUnitTypes; ++t)
        worth[static_cast<size_t>(t)] = Worth(game, t);

    // Only the first piece of the ordered candidates is ever used, so one pass that lets each
    // candidate challenge the best so far (in scan order, as the first pass of a selection sort
    // does) finds it.
    std::span<const int16_t> units = board.BoardUnitArray();
    std::span<const int16_t> pictures = board.BoardPicArray();
    const size_t stride = static_cast<size_t>(board.Width());
    bool found = false;
    Candidate best;
    for (int cx = 1; cx <= width; ++cx) {
        size_t i = static_cast<size_t>(cx - 1);
        for (int cy = 1; cy <= height; ++cy, i += stride) {
            // A piece needs its picture and its strength: a strength without a picture belongs
            // to nobody.
            const int code = units[i];
            const int picture = pictures[i] - 1;
            if (code <= 0 || picture < 0 || (cx == x && cy == y))
                continue;
            const int type = picture % kUnitTypes;
            const int owner = picture / kUnitTypes + 1;
            if (wallsOnly != (type == unit_type::Wall))
                continue;
            if ((flags & RoyalOnly) && type != unit_type::King && type != unit_type::Queen)
                continue;
            const bool knownOwner = owner <= kMaxPlayers;
            if (!(knownOwner ? ownerSelected[static_cast<size_t>(owner)]
                             : OwnerSelected(game, flags, owner, player)))
                continue;
            if ((flags & VisibleOnly) && !game.Visible(cx, cy))
                continue;
            const float distance = Distance(cx - x, cy - y, straight);
            if (flags & InReachOnly) {
                // Straight: what is left after the moves must be inside the range. King-move:
                // one move is kept for the attack itself.
                const bool reached = straight ? distance - static_cast<float>(moves) + 1.0f <
                                                    static_cast<float>(range)
                                              : distance < static_cast<float>(moves);
                if (!reached)
                    continue;
            }
            if (flags & (CastleOnly | HomeIntruder)) {
                const bool inCastle = game.InCastle(cx, cy) != castle_cell::Outside;
                if (!inCastle)
                    continue;
                if ((flags & HomeIntruder) && ((knownOwner ? ownTeam[static_cast<size_t>(owner)]
                                                           : game.SameTeam(owner, player)) ||
                                               BoardQuarter(game, {cx, cy}) != player))
                    continue;
            }
            Candidate candidate{cx, cy, distance, worth[static_cast<size_t>(type)],
                                HitPointRatio(code / 10, specs.HitPoints(type))};
            if (!found || Prefers(game, candidate, best, flags & 0xFF)) {
                found = true;
                best = candidate;
            }
        }
    }
    if (!found)
        return std::nullopt;
    return Cell{best.X, best.Y};
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
