#include "ai/BattleOdds.h"

#include "engine/Combat.h"

#include <algorithm>
#include <cstdlib>

namespace marovane {

namespace {

constexpr int kCastleCodes = 5;
constexpr int kMaxDistance = 10; // ranges run to 9

size_t Key(int type, bool moved, int castleFrom, int castleTo, int dx, int dy) {
    return ((((static_cast<size_t>(type) * 2 + moved) * kCastleCodes + castleFrom) * kCastleCodes +
             castleTo) *
                kMaxDistance +
            dx) *
               kMaxDistance +
           dy;
}

} // namespace

std::vector<BattleOutcome> BattleOutcomes(const Game& game, const Piece& attacker, Cell from,
                                          const Piece& target, Cell to) {
    std::vector<BattleOutcome> outcomes;
    const UnitSpecs& specs = game.Specs();
    const int dx = std::abs(from.X - to.X), dy = std::abs(from.Y - to.Y);
    const int range = specs.UnitRange[attacker.Type];
    if (!InReach(dx, dy, range))
        return outcomes;
    const double hit = HitChance(dx, dy, range);
    const auto [lowest, highest] = game.RollRange(attacker.Type);
    const auto [lowestBack, highestBack] = game.RollRange(target.Type);
    const double perRoll = 1.0 / (highest - lowest + 1);
    const double perBack = 1.0 / (highestBack - lowestBack + 1);
    const int fullHitPoints = specs.HitPoints(target.Type);
    auto add = [&](double chance, int targetLoss, int attackerLoss) {
        for (BattleOutcome& known : outcomes) {
            if (known.TargetLoss == targetLoss && known.AttackerLoss == attackerLoss) {
                known.Chance += chance;
                return;
            }
        }
        outcomes.push_back({chance, targetLoss, attackerLoss});
    };
    for (int roll = lowest; roll <= highest; ++roll) {
        const AttackEffect effect =
            game.AttackBetween(attacker, from.X, from.Y, target, to.X, to.Y, roll);
        if (effect.Void != VoidAttack::None)
            return {};
        for (const bool hits : {true, false}) {
            const double chance = perRoll * (hits ? hit : 1 - hit);
            if (chance <= 0)
                continue;
            int loss = hits ? effect.Damage : 0;
            // Healing and repair stop at full hit points.
            if (loss < 0)
                loss = -std::min(-loss, std::max(fullHitPoints - target.HitPoints, 0));
            if (target.HitPoints - loss < 1) {
                add(chance, loss, 0); // a destroyed piece does not strike back
                continue;
            }
            const Piece hurt{target.Owner, target.Type, target.HitPoints - loss, target.MovesLeft};
            for (int back = lowestBack; back <= highestBack; ++back) {
                const auto counter =
                    game.CounterBetween(attacker, from.X, from.Y, hurt, to.X, to.Y, back);
                if (!counter) {
                    add(chance, loss, 0);
                    break;
                }
                add(chance * perBack, loss, *counter);
            }
        }
    }
    return outcomes;
}

double ExpectedDamage::Of(const Piece& attacker, Cell from, Cell to, bool moved) {
    const int dx = std::abs(from.X - to.X), dy = std::abs(from.Y - to.Y);
    if (dx >= kMaxDistance || dy >= kMaxDistance)
        return 0;
    const int castleFrom = sight_.Castle(from), castleTo = sight_.Castle(to);
    float* known = nullptr;
    if (castleFrom == castle_cell::Outside && castleTo == castle_cell::Outside) {
        if (open_.empty())
            open_.assign(static_cast<size_t>(kUnitTypes) * 2 * kMaxDistance * kMaxDistance, -1.0f);
        known = &open_[((static_cast<size_t>(attacker.Type) * 2 + moved) * kMaxDistance + dx) *
                           kMaxDistance +
                       dy];
    } else {
        known =
            &castles_.try_emplace(Key(attacker.Type, moved, castleFrom, castleTo, dx, dy), -1.0f)
                 .first->second;
    }
    if (*known >= 0)
        return *known;
    const Game& game = sight_.Rules();
    const UnitSpecs& specs = game.Specs();
    const int range = specs.UnitRange[attacker.Type];
    double expected = 0;
    if (InReach(dx, dy, range)) {
        // A stand-in for the player's unit: the arithmetic does not look at whom it hits.
        Piece striker = attacker;
        striker.MovesLeft = moved ? 0 : specs.Moves(attacker.Type);
        const Piece target{sight_.Player(), unit_type::FirstFighter, 1, 0};
        const auto [lowest, highest] = game.RollRange(attacker.Type);
        for (int roll = lowest; roll <= highest; ++roll) {
            const AttackEffect effect =
                game.AttackBetween(striker, from.X, from.Y, target, to.X, to.Y, roll);
            if (effect.Void == VoidAttack::None)
                expected += std::max(effect.Damage, 0);
        }
        expected *= HitChance(dx, dy, range) / (highest - lowest + 1);
    }
    *known = static_cast<float>(expected);
    return *known;
}

} // namespace marovane
