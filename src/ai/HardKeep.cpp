#include "ai/HardTurn.h"

#include "engine/Game.h"
#include "engine/KeepVisit.h"
#include "util/Error.h"

#include <algorithm>

namespace marovane {

double FightingStrength(const Game& game, int type) {
    const UnitSpecs& specs = game.Specs();
    const auto [lowest, highest] = game.RollRange(type);
    double damage = (lowest + highest) / 2.0;
    // A charge after moving strikes half as hard again.
    if (type >= unit_type::FirstCavalry && type <= unit_type::LastFighter)
        damage *= 1.5;
    const int close = specs.UnitCloseBonus[type];
    if (close != 9)
        damage += close;
    // Shooting from afar draws no counter-strike.
    const double reach = specs.UnitRange[type] >= 3 ? 1.5 : 1.0;
    const double mobility = 1 + 0.15 * specs.Moves(type);
    return specs.HitPoints(type) * std::max(damage, 0.0) * reach * mobility;
}

void DoHardKeep(Game& game, KeepVisit& visit) {
    try {
        if (visit.CanRescue()) {
            visit.Rescue();
            return;
        }
        if (!visit.PurchaseOpen())
            return;
        int best = -1;
        double strongest = 0;
        for (const int type : visit.Offered()) {
            const double strength = FightingStrength(game, type);
            if (visit.CanBuy(type) && (best < 0 || strength > strongest)) {
                best = type;
                strongest = strength;
            }
        }
        if (best >= 0)
            visit.Buy(best);
    } catch (const Error& error) {
        // The treasury cannot hold the reward of a rescue: the visit stops as it stands.
        game.Interaction().ShowMessage(error.Message());
    }
}

} // namespace marovane
