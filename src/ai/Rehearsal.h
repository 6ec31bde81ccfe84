#pragma once

#include "ai/HardPlanner.h"
#include "engine/HeadlessPort.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace marovane {

// The rest of a turn played by the planner alone on `game`, units marked in `done` (one byte per
// cell, by the cell they stand on) sitting it out, the way toward the goals measured by `goals`.
// The hard turn's own loop, without rehearsals.
// `castles` is a sight of the same game that tells where the castles stand.
void PlayPlannedTurn(Game& game, int player, std::vector<uint8_t>& done, const DistanceField& goals,
                     const PlayerSight& castles);

// A copy of the game as the player sees it, on which the hard computer tries out a move before
// it makes it. Each try plays the move with dice of its own, the rest of the turn by the
// planner, the turn of every enemy near by the standard computer (the model of what an enemy
// does), and the player's next turn by the planner again, then judges where the player stands.
// What fog hides is not on the copy; neither are the enemies' treasuries, their royals brought
// home, or anybody's captives, so on the copy nobody loses for his royals.
class Rehearsal {
public:
    // `sight` is the player's sight of the game now, and `goals` measures the way toward the
    // goals at the end of every try.
    Rehearsal(const Game& game, int player, const std::vector<uint8_t>& done,
              const PlayerSight& sight, const DistanceField& goals);

    // Where the player stands after the plan (none: the turn ends here) and what follows, with
    // the dice of `seed`. Higher is better.
    double Try(const UnitPlan* plan, uint64_t seed);

private:
    void Reset(uint64_t seed);
    void PlayEnemies();
    void EndTurn();

    const Game& real_;
    const int player_;
    const std::vector<uint8_t> done_;
    const PlayerSight& sight_;
    const DistanceField& goals_;
    // The enemies whose units the player sees near enough to his own to matter in the tries.
    PerPlayer<bool> near_{};
    BoardArrays board_;
    HeadlessPort port_;
    std::unique_ptr<Game> copy_;
};

} // namespace marovane
