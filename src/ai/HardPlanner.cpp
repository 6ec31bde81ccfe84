#include "ai/HardPlanner.h"

#include "ai/BattleOdds.h"
#include "scenario/Options.h"

#include <algorithm>
#include <cstdlib>

namespace marovane {

namespace {

// The share of a unit's worth that only its destruction takes: a unit fights as hard with one
// hit point as with all of them.
constexpr double kBaseShare = 0.3;
constexpr double kWallWorth = 30;
constexpr double kRoyalWorth = 400;
constexpr double kVitalRoyalWorth = 900; // when losing both royals loses the game
// An enemy standing in the player's keep when his turn ends takes the castle.
constexpr double kKeepLost = 20000;
// Holding an enemy keep through the enemy's turn takes his castle.
constexpr double kCastleTaken = 5000;
constexpr double kKeepGuard = 300;
constexpr double kPurchaseLost = 150;
constexpr double kRoyalHome = 1500;
// Goals farther than the nearest visible enemy: the enemy castles, then the unexplored land.
constexpr int kCastleHeadStart = 4;
constexpr int kExploreHeadStart = 0;
constexpr int kFarthest = 60;
// What a step toward the goals is worth; a royal on his way home to be rescued steps harder.
constexpr double kStepWeight = 6;
constexpr double kRoyalStepWeight = 40;
// An enemy out of the game, or the player himself. Moderate: what a rehearsal takes for an
// enemy's last unit may be only the last one in view.
constexpr double kPlayerOut = 2000;

bool IsRoyal(int type) {
    return type == unit_type::King || type == unit_type::Queen;
}

} // namespace

HardPlanner::HardPlanner(const PlayerSight& sight, const DistanceField* goals, double boldness)
    : sight_(sight), threats_(sight), front_(sight), home_(sight), goals_(goals),
      boldness_(boldness) {
    PrepareGoals();
}

void HardPlanner::PrepareGoals() {
    const Game& game = sight_.Rules();
    const int me = sight_.Player();
    const bool royalty = OptionSet(option_bit::Royalty, game.Def.Options);
    keepsInForce_ = game.KeepsInForce();
    ownKeepMatters_ = keepsInForce_ && game.LoseCond[3];
    royalsMatter_ = royalty && game.LoseCond[2];
    royalsGoHome_ = royalty && keepsInForce_;
    const Cell home = game.ToPlayerSide(Cell{1, 1}, me);
    if (keepsInForce_)
        ownKeep_ = home;
    canBuyAtEnd_ = keepsInForce_ && game.CanBuySomething(me) &&
                   game.PartySize(me) < game.MaxParty - game.KilledThisTurn;

    double own = 0, enemy = 0;
    PerPlayer<double> byPlayer{};
    for (int i = 0; i < sight_.CellCount(); ++i) {
        const Cell c = sight_.CellAt(i);
        const Piece& piece = sight_.At(c);
        if (!piece.Alive() || piece.Type == unit_type::Wall)
            continue;
        if (piece.Owner == me) {
            own += Value(piece, piece.HitPoints);
        } else if (sight_.Enemy(piece.Owner)) {
            enemy += Value(piece, piece.HitPoints);
            byPlayer[static_cast<size_t>(piece.Owner)] += Value(piece, piece.HitPoints);
            if (!goals_)
                front_.AddGoal(c);
        }
    }
    for (int q = 1; q <= game.NumPlayers; ++q) {
        if (!sight_.Enemy(q) || game.PlayerOut[q] || game.IsVacant(q))
            continue;
        const Cell corner = game.ToPlayerSide(Cell{1, 1}, q);
        if (!goals_)
            front_.AddGoal(corner, kCastleHeadStart);
        if (keepsInForce_ && game.LoseCond[3])
            enemyKeepsToTake_.push_back(corner);
    }
    // Own captives still waiting somewhere: the land is searched for them.
    const bool captivesWaiting = royalty && (game.KingX[me] > 0 || game.QueenX[me] > 0);
    if (captivesWaiting && !goals_) {
        const uint8_t bit = static_cast<uint8_t>(1u << me);
        for (int i = 0; i < sight_.CellCount(); ++i) {
            const Cell c = sight_.CellAt(i);
            if (!(game.BoardMark(c.X, c.Y) & bit))
                front_.AddGoal(c, kExploreHeadStart);
        }
    }
    if (!goals_)
        front_.Spread();
    bool ownRoyals = false;
    for (int i = 0; i < sight_.CellCount() && royalsGoHome_ && !ownRoyals; ++i) {
        const Piece& piece = sight_.At(sight_.CellAt(i));
        ownRoyals = piece.Alive() && piece.Owner == me && IsRoyal(piece.Type);
    }
    if (ownRoyals) {
        home_.AddGoal(home);
        home_.Spread();
    }
    // An enemy in view that may come as near the keep in a turn or so.
    for (int i = 0; i < sight_.CellCount() && ownKeepMatters_ && !keepThreatened_; ++i) {
        const Cell c = sight_.CellAt(i);
        const Piece& piece = sight_.At(c);
        keepThreatened_ = piece.Alive() && sight_.Enemy(piece.Owner) &&
                          piece.Type != unit_type::Wall &&
                          std::max(std::abs(c.X - home.X), std::abs(c.Y - home.Y)) <=
                              sight_.Specs().Moves(piece.Type) + 2;
    }
    // The stronger the player stands against what he sees, the more he dares.
    const double ratio = own / std::max(enemy, 1.0);
    riskWeight_ = ratio >= 2 ? 0.25 : ratio >= 1.3 ? 0.45 : 0.6;
    // Against the strongest side in view: the others may fight each other too.
    double strongestSide = 0;
    for (int q = 1; q <= game.NumPlayers; ++q) {
        double side = 0;
        for (int r = 1; r <= game.NumPlayers; ++r) {
            if (sight_.Enemy(q) && game.SameTeam(q, r))
                side += byPlayer[static_cast<size_t>(r)];
        }
        strongestSide = std::max(strongestSide, side);
    }
    notWeaker_ = own >= strongestSide;
    riskWeight_ *= boldness_;
}

double HardPlanner::Worth(const Piece& piece) const {
    const UnitSpecs& specs = sight_.Specs();
    if (piece.Type == unit_type::Wall)
        return kWallWorth;
    if (IsRoyal(piece.Type))
        return royalsMatter_ ? kVitalRoyalWorth : kRoyalWorth;
    if (specs.UnitCost[piece.Type] >= 1)
        return specs.UnitCost[piece.Type];
    return 10.0 * (specs.HitPoints(piece.Type) + specs.UnitMaxDamage[piece.Type]);
}

double HardPlanner::Value(const Piece& piece, double hitPoints) const {
    if (hitPoints < 1)
        return 0;
    const double full = std::max(sight_.Specs().HitPoints(piece.Type), 1);
    return Worth(piece) * (kBaseShare + (1 - kBaseShare) * std::min(hitPoints, full) / full);
}

int HardPlanner::Approach(const Piece& unit, Cell at) const {
    const DistanceField& field = royalsGoHome_ && IsRoyal(unit.Type) ? home_ : Goals();
    return std::min(field.At(at), kFarthest);
}

double HardPlanner::PositionValue(const Piece& unit, Cell at, int hitPoints, Cell gone,
                                  double goneChance) const {
    if (hitPoints < 1)
        return 0;
    const int index = sight_.Index(at);
    double incoming = threats_.Incoming(index);
    if (goneChance > 0)
        incoming -= goneChance * threats_.From(gone, index);
    incoming = std::max(incoming, 0.0);
    // What the enemy may take: hit points in proportion, and the rest of the unit's worth when
    // he is likely to destroy it.
    const double h = hitPoints;
    const double full = std::max(sight_.Specs().HitPoints(unit.Type), 1);
    const double worth = Worth(unit);
    const double destroyed = std::clamp((incoming - 0.6 * h) / (0.8 * h), 0.0, 1.0);
    const double loss =
        (1 - kBaseShare) * worth * std::min(incoming, h) / full + kBaseShare * worth * destroyed;
    double value = -riskWeight_ * loss;
    const bool royal = IsRoyal(unit.Type);
    value -= (royal && royalsGoHome_ ? kRoyalStepWeight : kStepWeight) * Approach(unit, at);

    if (at == ownKeep_) {
        if (royal && royalsGoHome_)
            value += kRoyalHome;
        else if (canBuyAtEnd_)
            value -= kPurchaseLost;
        else if (keepThreatened_)
            value += kKeepGuard * h / full;
    }
    for (const Cell keep : enemyKeepsToTake_) {
        if (at == keep)
            value += kCastleTaken * std::clamp(1 - incoming / h, 0.0, 1.0);
    }
    return value;
}

bool HardPlanner::MayAttack(const Piece& unit, const Piece& target) const {
    if (!target.Alive())
        return false;
    if (sight_.Enemy(target.Owner))
        return true;
    const bool hurt = target.HitPoints < sight_.Specs().HitPoints(target.Type);
    if (!hurt)
        return false;
    if (unit.Type == unit_type::Priest)
        return target.Type != unit_type::Wall;
    return unit.Type == unit_type::Peasant && target.Type == unit_type::Wall;
}

std::optional<double> HardPlanner::AttackValue(const Piece& unit, Cell from, Cell target) const {
    const Piece& victim = sight_.At(target);
    const auto outcomes = BattleOutcomes(sight_.Rules(), unit, from, victim, target);
    if (outcomes.empty())
        return std::nullopt;
    const bool enemy = sight_.Enemy(victim.Owner);
    const double before = Value(victim, victim.HitPoints);
    const double ownBefore = Value(unit, unit.HitPoints);
    double total = 0;
    for (const BattleOutcome& outcome : outcomes) {
        const int victimAfter = victim.HitPoints - outcome.TargetLoss;
        const int unitAfter = unit.HitPoints - outcome.AttackerLoss;
        const double change = before - Value(victim, victimAfter);
        double gain = enemy ? change : -change;
        const bool destroyed = enemy && victimAfter < 1;
        if (destroyed && target == ownKeep_ && ownKeepMatters_)
            gain += kKeepLost;
        gain -= ownBefore - Value(unit, unitAfter);
        gain += PositionValue(unit, from, unitAfter, target, destroyed ? 1.0 : 0.0);
        total += outcome.Chance * gain;
    }
    return total;
}

UnitPlan HardPlanner::BestPlanFor(Cell at) const {
    std::vector<UnitPlan> plans = PlansFor(at, 1);
    if (plans.empty()) {
        UnitPlan none;
        none.Unit = at;
        return none;
    }
    return std::move(plans.front());
}

std::vector<UnitPlan> HardPlanner::PlansFor(Cell at, size_t count) const {
    struct Choice {
        double Gain;
        int End;
        std::optional<Cell> Target;
    };
    std::vector<Choice> best;
    const Piece unit = sight_.At(at);
    if (!unit.Alive() || unit.MovesLeft < 1 || count == 0)
        return {};
    auto offer = [&](double gain, int end, std::optional<Cell> target) {
        if (gain <= 0 || (best.size() == count && gain <= best.back().Gain))
            return;
        auto place = std::find_if(best.begin(), best.end(),
                                  [&](const Choice& known) { return gain > known.Gain; });
        best.insert(place, Choice{gain, end, target});
        if (best.size() > count)
            best.pop_back();
    };
    const double stay = PositionValue(unit, at, unit.HitPoints, at, 0);
    std::vector<ReachedCell> reach;
    sight_.Reach(at, unit.MovesLeft, reach);
    const int range = sight_.Specs().UnitRange[unit.Type];
    for (size_t r = 0; r < reach.size(); ++r) {
        const Cell from = reach[r].At;
        Piece moved = unit;
        moved.MovesLeft = unit.MovesLeft - reach[r].Steps;
        if (r > 0)
            offer(PositionValue(unit, from, unit.HitPoints, at, 0) - stay, static_cast<int>(r),
                  std::nullopt);
        if (moved.MovesLeft < 1 || range < 1)
            continue;
        for (int x = std::max(1, from.X - range); x <= std::min(sight_.Width(), from.X + range);
             ++x) {
            for (int y = std::max(1, from.Y - range);
                 y <= std::min(sight_.Height(), from.Y + range); ++y) {
                const Cell target{x, y};
                if (target == from || target == at || !MayAttack(unit, sight_.At(target)))
                    continue;
                if (const auto value = AttackValue(moved, from, target))
                    offer(*value - stay, static_cast<int>(r), target);
            }
        }
    }
    std::vector<UnitPlan> plans;
    for (const Choice& choice : best) {
        UnitPlan plan;
        plan.Unit = at;
        plan.Gain = choice.Gain;
        plan.Target = choice.Target;
        for (int r = choice.End; r > 0; r = reach[static_cast<size_t>(r)].From)
            plan.Path.push_back(reach[static_cast<size_t>(r)].At);
        std::reverse(plan.Path.begin(), plan.Path.end());
        plans.push_back(std::move(plan));
    }
    return plans;
}

double HardPlanner::Standing() const {
    const Game& game = sight_.Rules();
    const int me = sight_.Player();
    double standing = 0;
    for (int i = 0; i < sight_.CellCount(); ++i) {
        const Cell c = sight_.CellAt(i);
        const Piece& piece = sight_.At(c);
        if (!piece.Alive() || piece.Type == unit_type::Wall)
            continue;
        if (piece.Owner == me)
            standing +=
                Value(piece, piece.HitPoints) + PositionValue(piece, c, piece.HitPoints, c, 0);
        else if (sight_.Enemy(piece.Owner))
            standing -= Value(piece, piece.HitPoints);
    }
    for (int q = 1; q <= game.NumPlayers; ++q) {
        if (game.PlayerOut[q] && !game.IsVacant(q))
            standing += sight_.Enemy(q) ? kPlayerOut : q == me ? -kPlayerOut : 0;
    }
    return standing;
}

} // namespace marovane
