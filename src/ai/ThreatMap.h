#pragma once

#include "ai/BattleOdds.h"
#include "ai/PlayerSight.h"

#include <vector>

namespace marovane {

// Where the enemies the player can see may strike in their next turns: for a cell, the damage a
// unit of the player standing there may expect from each enemy that can reach it, stepping first
// or not, whichever hurts more. An enemy strikes only once, so the sum over all enemies is a
// bound on the worst, not a forecast. Each cell, and each enemy's way, is worked out when first
// asked about.
class ThreatMap {
public:
    explicit ThreatMap(const PlayerSight& sight);

    // The damage all enemies together may deal to a unit on the cell (an index of the sight).
    double Incoming(int index) const;
    // The part of it that comes from the enemy on `enemy`.
    double From(Cell enemy, int index) const;

private:
    // One enemy: where he stands, and the cells he can strike from, the first where he stands.
    struct Source {
        Piece Enemy;
        Cell At;
        int Range = 1;
        int Reach = 0; // how far he can strike from where he stands, steps and range together
        bool Known = false;
        std::vector<Cell> StrikeFrom;
    };
    double Damage(Source& source, Cell target) const;

    const PlayerSight& sight_;
    mutable std::vector<Source> sources_;
    mutable ExpectedDamage damage_;
    mutable std::vector<float> incoming_; // negative until worked out
    mutable std::vector<ReachedCell> reach_;
};

} // namespace marovane
