#pragma once

#include <cstdint>
#include <vector>

namespace marovane {

class Game;
enum class ClickAction;

// What the selected unit can do on a cell this turn: step there, or attack, heal or repair the
// piece standing there.
enum class ReachMark : uint8_t { None, Step, Attack, Heal, Repair };

// What the board shows over a cell besides its picture.
struct CellMarks {
    ReachMark Reach = ReachMark::None;
    // The piece's hit points as a share of its type's full hit points, in percent; -1 for no bar
    // (an empty or hidden cell, or a type without hit points).
    int8_t Health = -1;
    // A unit of the player to move that has used up its moves for this turn.
    bool Spent = false;

    bool Any() const { return Reach != ReachMark::None || Health >= 0 || Spent; }
    bool operator==(const CellMarks&) const = default;
};

// The mark a click's verdict gives its cell.
ReachMark ReachMarkOf(ClickAction action);

// The marks of every cell, row by row (cell (x, y) at (y - 1) * BoardWidth + (x - 1)). The reach
// is the verdict the pointer shows and a click acts on (Game::ClickPreview), so the marks say
// nothing else than a click would do, and a cell hidden by fog is judged as the grass it shows.
// Health and spent units are marked only on cells the player to move sees.
std::vector<CellMarks> BoardMarksOf(const Game& game);

} // namespace marovane
