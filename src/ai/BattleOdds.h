#pragma once

#include "ai/PlayerSight.h"

#include <unordered_map>
#include <vector>

namespace marovane {

// One way an attack may end: its chance, the hit points the target loses (negative when healing
// or repair restores them) and those the attacker loses to the counter-strike.
struct BattleOutcome {
    double Chance = 0;
    int TargetLoss = 0;
    int AttackerLoss = 0;
};

// Every way the attack of `attacker` standing on `from` on `target` standing on `to` may end,
// worked out with the battle's own arithmetic over every damage roll, the hit test and every roll
// of the counter-strike. The pieces need not stand there yet: the attacker's moves left say
// whether it moved first. Empty when the attack would have no effect at all.
std::vector<BattleOutcome> BattleOutcomes(const Game& game, const Piece& attacker, Cell from,
                                          const Piece& target, Cell to);

// The damage an enemy unit type is expected to deal to the player's units, hit chance included,
// at every distance and for every pair of castle cells the two may stand on. The arithmetic depends
// on nothing else, so each case is worked out once per turn.
class ExpectedDamage {
public:
    explicit ExpectedDamage(const PlayerSight& sight) : sight_(sight) {}

    // From `from` to `to`; `moved` when the attacker steps before it strikes.
    double Of(const Piece& attacker, Cell from, Cell to, bool moved);

private:
    const PlayerSight& sight_;
    // Known values by type, moved and the two distances outside every castle, where most fights
    // happen (negative until known), and by the two castle codes as well elsewhere.
    std::vector<float> open_;
    std::unordered_map<size_t, float> castles_;
};

} // namespace marovane
