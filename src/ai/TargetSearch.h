#pragma once

#include "ai/BoardCell.h"

#include <vector>

namespace marovane {

class Game;
class TurnGuard;

// The bits of a target search. The low byte orders the candidates, the rest selects them.
namespace search_flag {
inline constexpr int PreferWeak = 0x001;       // lower share of full hit points first
inline constexpr int PreferNear = 0x002;       // smaller distance first
inline constexpr int PreferWorthy = 0x004;     // higher worth first
inline constexpr int RoyalOnly = 0x008;        // King and Queen only
inline constexpr int StraightDistance = 0x010; // straight-line distance (changes the reach test)
inline constexpr int InReachOnly = 0x020;      // only what the unit can reach this turn
inline constexpr int Friendly = 0x040;         // ownership, with TeamWide: see OwnerSelected
inline constexpr int VisibleOnly = 0x080;      // only cells the board shows
inline constexpr int HomeIntruder = 0x100;     // only enemies in a castle of the searcher's quarter
inline constexpr int CastleOnly = 0x200;       // only pieces on castle cells
inline constexpr int TeamWide = 0x400;         // ownership, with Friendly: see OwnerSelected
inline constexpr int WallsOnly = 0x800;        // only wall pieces; without it never a wall piece
} // namespace search_flag

// One piece on the board.
struct BoardPiece {
    int X = 0;
    int Y = 0;
    int Type = 0;
    int Owner = 0;
};

// Every piece on the board in scan order: x from 1 to the width, and for each x, y from 1 to
// the height.
std::vector<BoardPiece> AllPieces(const Game& game);

// Whether a piece of owner q survives the ownership selection of a search by player p:
//   neither bit: every other player's pieces (allies too); TeamWide: enemies only;
//   Friendly: p's own pieces only; both: p's own and his allies' pieces.
bool OwnerSelected(const Game& game, int flags, int q, int p);

// What a unit type is worth to attack: full hit points + range + maximum damage; a type that
// does no damage is worth nothing.
int Worth(const Game& game, int type);

// Whether the piece on (x1, y1) at distance d1 is to be preferred to the one on (x2, y2) at d2.
// The ordering bits of flags are compared in the order near, worthy, weak; when none of them
// tells the two apart, a fresh random number decides.
bool IsBetter(Game& game, int x1, int y1, float d1, int x2, int y2, float d2, int flags);

// The best piece for a unit on (x, y) of `player` with attack range `range` under the search
// flags, or nothing. The piece on (x, y) itself is never chosen, whoever it belongs to. It lets
// no window events run; the computer's turn does that before each search.
Target FindTarget(Game& game, int x, int y, int flags, int range, int player);

// When an enemy wall piece stands on the king-step line from the unit to its target, the unit
// turns to break a wall instead: the nearest and weakest visible enemy wall in reach, else any
// visible enemy wall, else the blocking one. Own and allied walls are passed over.
void CheckForBlockingWall(TurnGuard& guard, Cell unit, Target& target);

} // namespace marovane
