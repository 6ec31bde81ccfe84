#pragma once

#include "scenario/PlayerCorner.h"

#include <vector>

namespace marovane {

// What a line of the outline shows: the keep's lines are black, the castle's walls are drawn in
// the owner's colour.
enum class OutlineRole { Keep, Castle };

struct OutlineSegment {
    GridPoint From;
    GridPoint To;
    OutlineRole Role = OutlineRole::Keep;
    bool operator==(const OutlineSegment&) const = default;
};

// The lines that show a player's castle and keep on the board, in his own frame (mirror both ends
// into his corner with ToPlayerCorner), in the order they are drawn. Nothing when neither is in
// force.
std::vector<OutlineSegment> CastleOutline(bool keeps, bool castles);

} // namespace marovane
