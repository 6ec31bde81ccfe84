#pragma once

#include "ai/DistanceField.h"
#include "ai/PlayerSight.h"
#include "ai/ThreatMap.h"

#include <optional>
#include <vector>

namespace marovane {

// What one unit is to do: the steps it takes, in order, and the piece it then attacks (or heals,
// or repairs), if any.
struct UnitPlan {
    Cell Unit;
    std::vector<Cell> Path;
    std::optional<Cell> Target;
    // How much better the plan leaves the player than standing still; 0 or less is not worth it.
    double Gain = 0;
};

// The hard computer's judgement of one moment of its turn, from what its player sees. A unit's
// worth is its price; hit points lost are worth lost in proportion, and a destroyed unit loses
// the rest. An attack is worth what every roll of it, the hit test and the counter-strike bring
// on average. A cell is worth what the enemies can take from the unit there in their next turn
// (a threat map), against the way it gains toward its goals: visible enemies first, then
// enemy castles, and unexplored land under fog of war. Keeps count for more: an enemy in the
// player's keep must go, an empty own keep takes a purchase, and where taking a castle wins,
// an enemy keep is worth a great deal to a unit that will hold it.
class HardPlanner {
public:
    // Judges the sight. The way toward the goals is measured from the goals in view, or by
    // `goals` when given: a rehearsal judges its end by the goals at its start, so that
    // destroying the last enemy in view does not look like losing the way.
    // `boldness` scales what the threat to a unit counts for: below 1 the player dares more.
    explicit HardPlanner(const PlayerSight& sight, const DistanceField* goals = nullptr,
                         double boldness = 1);

    const DistanceField& Goals() const { return goals_ ? *goals_ : front_; }

    // The best the unit on the cell can do now, against standing where it is.
    UnitPlan BestPlanFor(Cell unit) const;
    // The `count` best, best first, each better than standing still.
    std::vector<UnitPlan> PlansFor(Cell unit, size_t count) const;

    // Whether the player's units in view are worth as much as the enemies' he sees.
    bool NotWeaker() const { return notWeaker_; }
    // Whether an enemy the player sees can strike the cell in his next turn.
    bool UnderThreat(Cell c) const { return threats_.Incoming(sight_.Index(c)) > 0; }

    // Where the player stands: what his units are worth where they stand, against what the
    // enemies' units he sees are worth, and a great deal for every enemy out of the game.
    double Standing() const;

    // What a piece is worth at full strength.
    double Worth(const Piece& piece) const;
    // What it is worth with the given hit points (0 when destroyed).
    double Value(const Piece& piece, double hitPoints) const;

private:
    // What the unit is worth to the player standing on `at` with the given hit points at the end
    // of the turn, leaving material aside: the threat it stands under and its way to its goals.
    // `gone` is an enemy that is destroyed (with that chance), whose threat goes with it.
    double PositionValue(const Piece& unit, Cell at, int hitPoints, Cell gone,
                         double goneChance) const;
    // What the attack on `target` from `from` is worth, the attacker's position after it included.
    std::optional<double> AttackValue(const Piece& unit, Cell from, Cell target) const;
    bool MayAttack(const Piece& unit, const Piece& target) const;
    int Approach(const Piece& unit, Cell at) const;
    void PrepareGoals();

    const PlayerSight& sight_;
    ThreatMap threats_;
    DistanceField front_;
    DistanceField home_;
    const DistanceField* goals_ = nullptr;
    Cell ownKeep_{-1, -1};
    bool keepsInForce_ = false;
    bool ownKeepMatters_ = false; // losing it loses the game
    bool canBuyAtEnd_ = false;
    bool keepThreatened_ = false;
    bool royalsGoHome_ = false;
    bool royalsMatter_ = false;
    std::vector<Cell> enemyKeepsToTake_;
    const double boldness_;
    bool notWeaker_ = false;
    // How much of what the enemy may take from a unit counts against a cell.
    double riskWeight_ = 0.6;
};

} // namespace marovane
