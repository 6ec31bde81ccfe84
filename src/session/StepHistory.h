#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marovane {

class Game;

// The current human's steps of this turn that may still be taken back. Each entry is the game
// as it was before one step, in the saved game's bytes, so a step taken back leaves exactly the
// game that would have been saved before it.
class StepHistory {
public:
    // A turn holds few steps; far beyond them the oldest are let go.
    static constexpr size_t kMaxSteps = 200;

    // Keeps the game as it is now, before a step. A game that cannot be written as a saved game
    // cannot be kept: the history empties instead.
    void Record(const Game& game);
    void Clear() { points_.clear(); }
    bool Empty() const { return points_.empty(); }
    size_t Size() const { return points_.size(); }
    // Puts the game back as it was before its last kept step and shows it; false when there is
    // none.
    bool Undo(Game& game);

private:
    struct Point {
        std::string Bytes;
        // What the saved game does not hold but the turn needs back.
        int16_t NextUnitIndex = 0;
        bool HotSeat = false;
    };
    std::vector<Point> points_;
};

} // namespace marovane
