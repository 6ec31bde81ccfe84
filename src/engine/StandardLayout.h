#pragma once

#include "scenario/GameDef.h"
#include "scenario/PlayerCorner.h"

#include <vector>

namespace marovane {

// A piece of a layout: a board cell, a unit type 0..14 and the owner.
struct LaidPiece {
    Cell At;
    int Type = 0;
    int Player = 1;
    bool operator==(const LaidPiece&) const = default;
};

// The pieces a new game of the definition starts with on a width x height board with the given
// number of player slots, before its advanced placements and captives: every slot's formation
// (StartPos) mirrored into his corner, and in the tutorial three more of player 2's units at his
// gate and in front of it. Where pieces meet on a small board the lower player's piece stays, and
// the tutorial's units stay over all. One piece per cell, in board order (x outer, y inner); cells
// off the board and formation values that name no unit type are left out.
std::vector<LaidPiece> StandardLayout(const GameDef& def, int width, int height, int players);

} // namespace marovane
