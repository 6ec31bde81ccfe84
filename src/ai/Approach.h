#pragma once

#include "ai/BoardCell.h"

namespace marovane {

class TurnGuard;

// Moves the unit on `current` toward `target`, one greedy step at a time, until it arrives,
// attacks, gets stuck or runs out of moves. Near enough, it attacks an enemy on the target (a
// priest heals a wounded team-mate there), or steps onto an empty target. Next to any other
// team piece it stops. A unit that would have to cross a castle wall goes by way of the castle's
// gate. With settle, arriving on the target ends the unit's moves for this turn. `current` follows
// the unit; a caller compares it with the unit's former cell to see what happened.
void Approach(TurnGuard& guard, Cell& current, Cell target, bool settle);

} // namespace marovane
