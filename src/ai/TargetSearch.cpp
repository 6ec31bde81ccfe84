#include "ai/TargetSearch.h"

#include "ai/TurnGuard.h"
#include "engine/Game.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <span>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// A piece's share of its full hit points. A type without hit points counts as unhurt.
float HitPointRatio(int hitPoints, int full) {
    if (full <= 0)
        return 1.0f;
    return static_cast<float>(hitPoints) / static_cast<float>(full);
}

// How near a piece `dx` columns away can be at the most, as Distance measures it. The square
// root and both roundings only grow with dy, so no piece of the column is nearer than this.
float NearestInColumn(int dx, bool straight) {
    const float across = static_cast<float>(std::abs(dx));
    return straight ? across - 0.5f : across;
}

// What the ordering of a search compares of one candidate. The share of full hit points is
// worked out only when a comparison gets that far: most are settled by the distance.
struct Candidate {
    int X = 0;
    int Y = 0;
    float Distance = 0;
    int Worth = 0;
    int HitPoints = 0;
    int FullHitPoints = 0;

    float Ratio() const { return HitPointRatio(HitPoints, FullHitPoints); }
};

Candidate Describe(const Game& game, int x, int y, float distance) {
    const Piece piece = game.PieceAt(x, y);
    return {x,
            y,
            distance,
            Worth(game, piece.Type),
            piece.HitPoints,
            game.Specs().HitPoints(piece.Type)};
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
        const float ratioA = a.Ratio(), ratioB = b.Ratio();
        if (ratioA < ratioB)
            return true;
        if (ratioA > ratioB)
            return false;
    }
    return game.Rng().RndSingle() > 0.5f;
}

// The widest board row and the tallest board column the search keeps as one bit mask.
constexpr int kMaskBits = 64;

// One bit for each of the `count` cells (at most kMaskBits) from `first` on: set when the cell's
// strength code is above 0. Sixteen cells are compared at once where the processor can.
uint64_t CellsWithStrength(std::span<const int16_t> units, size_t first, int count) {
    uint64_t bits = 0;
    int done = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; done + 16 <= count ||
           (done < count && first + static_cast<size_t>(done) + 16 <= units.size());
         done += 16) {
        // Cells past the row (still inside the array) are read and then masked off below.
        const int16_t* at = units.data() + first + static_cast<size_t>(done);
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 8));
        const __m128i positive =
            _mm_packs_epi16(_mm_cmpgt_epi16(low, zero), _mm_cmpgt_epi16(high, zero));
        bits |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(positive))) << done;
    }
#endif
    for (; done < count; ++done) {
        bits |= static_cast<uint64_t>(units[first + static_cast<size_t>(done)] > 0) << done;
    }
    return count < kMaskBits ? bits & ((uint64_t{1} << count) - 1) : bits;
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
    const UnitSpecs& specs = game.Specs();
    std::array<bool, kMaxPlayers + 1> ownerSelected{};
    std::array<bool, kMaxPlayers + 1> ownTeam{};
    for (int q = 1; q <= kMaxPlayers; ++q) {
        ownerSelected[static_cast<size_t>(q)] = OwnerSelected(game, flags, q, player);
        ownTeam[static_cast<size_t>(q)] = (flags & HomeIntruder) && game.SameTeam(q, player);
    }
    std::array<bool, kUnitTypes> typeSelected{};
    std::array<int, kUnitTypes> worth{};
    for (int t = 0; t < kUnitTypes; ++t) {
        const bool royal = t == unit_type::King || t == unit_type::Queen;
        typeSelected[static_cast<size_t>(t)] =
            wallsOnly == (t == unit_type::Wall) && (!(flags & RoyalOnly) || royal);
        worth[static_cast<size_t>(t)] = Worth(game, t);
    }
    // For each value a cell's picture array can hold, whether a piece showing it passes the
    // type and owner filters: 0 (no picture) never does, and anything beyond the pictures of
    // players 1..4 (negative values included) is let through to be looked at piece by piece.
    constexpr unsigned kKnownPictures = kMaxPlayers * kUnitTypes;
    constexpr unsigned kOtherPicture = kKnownPictures + 1;
    std::array<uint8_t, kOtherPicture + 1> passes{};
    for (unsigned picture = 0; picture < kKnownPictures; ++picture) {
        passes[picture + 1] =
            typeSelected[picture % kUnitTypes] && ownerSelected[picture / kUnitTypes + 1];
    }
    passes[kOtherPicture] = 1;

    std::span<const int16_t> units = board.BoardUnitArray();
    std::span<const int16_t> pictures = board.BoardPicArray();
    const size_t stride = static_cast<size_t>(board.Width());
    const auto passesAt = [&](size_t i) {
        const unsigned picture = static_cast<uint16_t>(pictures[i]);
        return passes[std::min(picture, kOtherPicture)] != 0;
    };

    // Only the first piece of the ordered candidates is ever used, so one pass that lets each
    // candidate challenge the best so far (in scan order, as the first pass of a selection sort
    // does) finds it. The candidate on cell i, (cx, cy), has a strength and passed `passes`.
    const int order = flags & 0xFF;
    const bool nearFirst = order & PreferNear;
    bool found = false;
    Candidate best;
    const auto consider = [&](int cx, int cy, size_t i) {
        const int picture = pictures[i] - 1;
        if (picture < 0 || (cx == x && cy == y))
            return;
        // A piece farther than the best so far loses to it before any other criterion, and
        // without a random number, so it needs no closer look.
        const float distance = Distance(cx - x, cy - y, straight);
        if (found && nearFirst && distance > best.Distance)
            return;
        const int type = picture % kUnitTypes;
        const int owner = picture / kUnitTypes + 1;
        const bool knownOwner = owner <= kMaxPlayers;
        if (!knownOwner &&
            !(typeSelected[static_cast<size_t>(type)] && OwnerSelected(game, flags, owner, player)))
            return;
        if ((flags & VisibleOnly) && !game.Visible(cx, cy))
            return;
        if (flags & InReachOnly) {
            // Straight: what is left after the moves must be inside the range. King-move:
            // one move is kept for the attack itself.
            const bool reached =
                straight ? distance - static_cast<float>(moves) + 1.0f < static_cast<float>(range)
                         : distance < static_cast<float>(moves);
            if (!reached)
                return;
        }
        if (flags & (CastleOnly | HomeIntruder)) {
            if (game.InCastle(cx, cy) == castle_cell::Outside)
                return;
            if ((flags & HomeIntruder) && ((knownOwner ? ownTeam[static_cast<size_t>(owner)]
                                                       : game.SameTeam(owner, player)) ||
                                           BoardQuarter(game, {cx, cy}) != player))
                return;
        }
        const Candidate candidate{cx,
                                  cy,
                                  distance,
                                  worth[static_cast<size_t>(type)],
                                  units[i] / 10,
                                  specs.HitPoints(type)};
        if (!found || Prefers(game, candidate, best, order)) {
            found = true;
            best = candidate;
        }
    };

    if (width <= kMaskBits && height <= kMaskBits) {
        // Which cells hold a piece is as good as random, so a branch on every cell mispredicts
        // often, and there are four or five empty cells to a piece. Instead, the cells with a
        // strength are found a board row at a time (see CellsWithStrength), turned into one bit
        // mask per column of the pieces that pass, and the columns are then read in scan order.
        std::array<uint64_t, kMaskBits> columns{};
        for (int row = 0; row < height; ++row) {
            const size_t rowStart = static_cast<size_t>(row) * stride;
            uint64_t pieces = CellsWithStrength(units, rowStart, width);
            while (pieces != 0) {
                const int column = std::countr_zero(pieces);
                pieces &= pieces - 1;
                columns[static_cast<size_t>(column)] |=
                    static_cast<uint64_t>(passesAt(rowStart + static_cast<size_t>(column))) << row;
            }
        }
        for (int column = 0; column < width; ++column) {
            // No piece of a column is nearer than the column itself: when that is already
            // farther than the best so far, every piece in it loses.
            if (found && nearFirst && NearestInColumn(column + 1 - x, straight) > best.Distance)
                continue;
            uint64_t pieces = columns[static_cast<size_t>(column)];
            while (pieces != 0) {
                const int row = std::countr_zero(pieces);
                pieces &= pieces - 1;
                consider(column + 1, row + 1,
                         static_cast<size_t>(row) * stride + static_cast<size_t>(column));
            }
        }
    } else {
        for (int cx = 1; cx <= width; ++cx) {
            size_t i = static_cast<size_t>(cx - 1);
            for (int cy = 1; cy <= height; ++cy, i += stride) {
                if (units[i] > 0 && passesAt(i))
                    consider(cx, cy, i);
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
