#pragma once

#include "engine/Game.h"

#include <cstdint>
#include <vector>

namespace marovane {

// One cell a unit can get to this turn: the steps it takes there, and the entry of the list it
// steps from (-1 for the cell it starts on).
struct ReachedCell {
    Cell At;
    int Steps = 0;
    int From = -1;
};

// The board as one player sees it on his turn: the pieces on the cells he can see, and empty
// grass wherever fog of war hides a cell. Where the castles stand, whose turn it is and who is
// still in the game are known to everybody. The hard computer judges from this alone; it reads
// the game's board only to make its moves, through the same rules as a human's clicks.
class PlayerSight {
public:
    PlayerSight(const Game& game, int player);
    // The same, taking where the castles stand from another sight of the same game, as a
    // rehearsal on a copy of the board does many times over.
    PlayerSight(const Game& game, int player, const PlayerSight& castles);

    const Game& Rules() const { return game_; }
    const UnitSpecs& Specs() const { return game_.Specs(); }
    int Player() const { return player_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int CellCount() const { return width_ * height_; }
    bool OnBoard(Cell c) const { return c.X >= 1 && c.Y >= 1 && c.X <= width_ && c.Y <= height_; }
    int Index(Cell c) const { return (c.Y - 1) * width_ + (c.X - 1); }
    Cell CellAt(int index) const { return {index % width_ + 1, index / width_ + 1}; }

    // The piece the player sees on the cell; an empty piece where there is none or fog hides it.
    const Piece& At(Cell c) const { return pieces_[static_cast<size_t>(Index(c))]; }
    bool Occupied(Cell c) const { return At(c).Alive(); }
    // The castle cell code of InCastle.
    int Castle(Cell c) const { return castle_[static_cast<size_t>(Index(c))]; }
    // Whether a step between two neighbouring cells keeps to the castle rules: castles are
    // entered and left by the gate. Whether the destination is free is asked apart.
    bool StepAllowed(Cell from, Cell to) const;
    // Whether the owner is on the other side of the player.
    bool Enemy(int owner) const { return owner >= 1 && !game_.SameTeam(owner, player_); }
    bool Friend(int owner) const { return owner >= 1 && game_.SameTeam(owner, player_); }

    // The cells a unit on `start` can get to with `moves` steps, nearest first, the start
    // included. `passable` tells which occupied cells it may cross and stop on (none for a real
    // move of the player's own unit, whose every step needs a free cell).
    template <typename Passable>
    void Reach(Cell start, int moves, Passable passable, std::vector<ReachedCell>& out) const;
    // The same, crossing free cells only.
    void Reach(Cell start, int moves, std::vector<ReachedCell>& out) const {
        Reach(
            start, moves, [](const Piece&) { return false; }, out);
    }

private:
    void ReadPieces();

    const Game& game_;
    int player_;
    int width_;
    int height_;
    std::vector<Piece> pieces_;
    std::vector<uint8_t> castle_;
    // Whether the castle rules hold for steps from the cell (the castle of an empty slot is open).
    std::vector<uint8_t> gated_;
    // Scratch for Reach: the list entry of each cell of the search's square, or -1.
    mutable std::vector<int> seen_;
};

template <typename Passable>
void PlayerSight::Reach(Cell start, int moves, Passable passable,
                        std::vector<ReachedCell>& out) const {
    out.clear();
    out.push_back({start, 0, -1});
    if (moves < 1)
        return;
    // Only the square of side 2 moves + 1 around the start can be reached.
    const int side = 2 * moves + 1;
    seen_.assign(static_cast<size_t>(side * side), -1);
    auto slot = [&](Cell c) -> int& {
        return seen_[static_cast<size_t>((c.Y - start.Y + moves) * side + (c.X - start.X + moves))];
    };
    slot(start) = 0;
    for (size_t next = 0; next < out.size(); ++next) {
        const ReachedCell from = out[next];
        if (from.Steps >= moves)
            continue;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const Cell to{from.At.X + dx, from.At.Y + dy};
                if ((dx == 0 && dy == 0) || !OnBoard(to) || slot(to) >= 0)
                    continue;
                const Piece& there = At(to);
                if ((there.Alive() && !passable(there)) || !StepAllowed(from.At, to))
                    continue;
                slot(to) = static_cast<int>(out.size());
                out.push_back({to, from.Steps + 1, static_cast<int>(next)});
            }
        }
    }
}

} // namespace marovane
