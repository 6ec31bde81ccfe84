#pragma once

#include "engine/BoardArrays.h"
#include "engine/GameState.h"

#include <vector>

namespace marovane {

class Game;

// The current human's steps of this turn that may still be taken back. Each entry is the game's
// state and board as they were before one step; a step taken back puts back what a saved game
// holds and what the turn needs, so it leaves exactly the game that would have been saved before
// it.
class StepHistory {
public:
    // A turn holds few steps; far beyond them the oldest are let go.
    static constexpr size_t kMaxSteps = 200;

    // Keeps the game as it is now, before a step.
    void Record(const Game& game);
    void Clear() { points_.clear(); }
    bool Empty() const { return points_.empty(); }
    size_t Size() const { return points_.size(); }
    // Puts the game back as it was before its last kept step and shows it; false when there is
    // none.
    bool Undo(Game& game);

private:
    struct Point {
        GameState State;
        BoardArrays Board;
    };
    std::vector<Point> points_;
};

} // namespace marovane
