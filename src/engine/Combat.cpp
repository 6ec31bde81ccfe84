#include "engine/Combat.h"

#include "engine/Game.h"
#include "engine/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace marovane {

bool InReach(int a, int b, int n) {
    return a <= n && b <= n && (n < 3 || a + b < 1.5 * n + 1);
}

double HitChance(int a, int b, int n) {
    if (!InReach(a, b, n))
        return 0;
    if (n == 1 || a + b < n)
        return 1;
    // f is the straight-line distance over the longer of the two distances (1 to the square
    // root of 2): diagonal shots count as longer.
    const int m = std::max(a, b) - 1;
    const double angle = b == 0 ? std::numbers::pi / 2 : std::atan(static_cast<double>(a) / b);
    const double f = angle <= std::numbers::pi / 4 ? 1 / std::cos(angle) : 1 / std::sin(angle);
    const double chance = std::pow(n / f - m, 2) + 0.05;
    return std::min(chance, 1.0);
}

namespace {

// Int(r * (max - min) + min), the product in single precision as the damage rolls are made.
// The draw stays below 1 and the whole minimum is added after rounding down, so that no rounding
// can lift a roll to the maximum: only a unit whose minimum equals its maximum deals it.
int Roll(double r, int minimum, int maximum) {
    return minimum +
           static_cast<int>(std::floor(SingleDraw(r) * static_cast<float>(maximum - minimum)));
}

constexpr int kStop = 9; // a statistic of 9 means "cannot do this at all"

} // namespace

VoidAttack Game::WhyAttackIsVoid(int x1, int y1, int x2, int y2) const {
    const Piece attacker = PieceAt(x1, y1);
    if (attacker.Empty())
        return VoidAttack::None;
    const int t = attacker.Type;
    const auto& s = specs_;
    using namespace castle_cell;
    const int attackerCell = InCastle(x1, y1);
    if (t == unit_type::Catapult && attackerCell != Outside)
        return VoidAttack::CatapultInCastle; // no room to shoot inside a castle
    // Standing on a wall, a unit that has a wall bonus fights across it whatever its penalty.
    if (ThroughWall(x1, y1, x2, y2, s.UnitRange[t]) && s.UnitWallPenalty[t] == kStop &&
        !(attackerCell == Wall && s.UnitWallBonus[t] != 0))
        return VoidAttack::AcrossWall;
    if (attackerCell == Wall && InCastle(x2, y2) != Wall && s.UnitWallBonus[t] == kStop)
        return VoidAttack::FromWall;
    if (std::abs(x1 - x2) <= 1 && std::abs(y1 - y2) <= 1 && s.UnitCloseBonus[t] == kStop)
        return VoidAttack::Neighbour;
    return VoidAttack::None;
}

void Game::Battle(int x1, int y1, int x2, int y2) {
    const Piece attacker = PieceAt(x1, y1);
    const Piece target = PieceAt(x2, y2);
    if (attacker.Empty() || target.Empty())
        return;
    // Every battle takes exactly three numbers, in this order, however it ends, so that a
    // replayed game stays in step.
    const double damageDraw = random_.Rnd();
    const double hitDraw = random_.Rnd();
    const double counterDraw = random_.Rnd();

    const int t = attacker.Type, a = attacker.Owner;
    const int u = target.Type, o = target.Owner;
    const auto& s = specs_;
    using namespace castle_cell;

    int d = Roll(damageDraw, s.UnitMinDamage[t], s.UnitMaxDamage[t]);
    // A unit that moved first strikes weaker, cavalry harder (a charge); priests are not hurried.
    if (attacker.MovesLeft < s.Moves(t) && t != unit_type::Priest) {
        if (t >= unit_type::FirstCavalry && t <= unit_type::LastFighter)
            d = static_cast<int>(std::floor(d * 1.5 + 0.5));
        else
            d = static_cast<int>(std::floor(d / 2.0 + 0.5));
    }
    const int attackerCell = InCastle(x1, y1);
    const int targetCell = InCastle(x2, y2);
    // A void attack still gives the fighters away when it fails only at close quarters.
    const VoidAttack voided = WhyAttackIsVoid(x1, y1, x2, y2);
    if (voided != VoidAttack::None && voided != VoidAttack::Neighbour)
        return;
    if (ThroughWall(x1, y1, x2, y2, s.UnitRange[t]))
        d = std::max(d - s.UnitWallPenalty[t], 0);
    if (attackerCell == Wall && targetCell != Wall)
        d += s.UnitWallBonus[t];
    // The fight gives both positions away.
    if (o >= 1 && o <= NumPlayers)
        Seen(x1, y1, o) = 1;
    if (a >= 1 && a <= NumPlayers)
        Seen(x2, y2, a) = 1;
    const bool adjacent = std::abs(x1 - x2) <= 1 && std::abs(y1 - y2) <= 1;
    if (adjacent) {
        if (voided == VoidAttack::Neighbour)
            return;
        d += s.UnitCloseBonus[t];
    }
    d = std::max(d, 0);
    const bool friends = SameTeam(a, o);
    if (friends) {
        if (t == unit_type::Peasant && u == unit_type::Wall)
            d = -5 * d; // repair
        else if (t == unit_type::Priest)
            d = -d; // healing
    }
    if (hitDraw > HitChance(std::abs(x1 - x2), std::abs(y1 - y2), s.UnitRange[t]))
        d = 0;

    if (!NoThinking) {
        Highlight(x2, y2, d > 0 ? colour::Black : d < 0 ? colour::White : colour::LightGrey);
        Update();
        const uint32_t serial = gameSerial_;
        Pause(0.5);
        // The pause let the window run: a new game or a loaded one ends this battle unfought.
        if (serial != gameSerial_ || !GameOn)
            return;
        Highlight(x1, y1, colour::LightMagenta);
        Update();
    }

    BoardUnit(x1, y1) = static_cast<int16_t>((BoardUnit(x1, y1) / 10) * 10);
    --NextUnitIndex;

    // Computed wide: a large heal is capped below, a large hit destroys.
    int code = BoardUnit(x2, y2) - 10 * d;
    if (code < 10) {
        BoardUnit(x2, y2) = 0;
        SetPicNum(x2, y2, -1);
        Update();
        CheckLose(o);
        return;
    }
    if (code > s.UnitStrength[u])
        code = (s.UnitStrength[u] / 10) * 10 + code % 10;
    BoardUnit(x2, y2) = static_cast<int16_t>(code);

    // A surviving neighbour of the other side strikes back once.
    if (!adjacent || friends)
        return;
    int d2 = Roll(counterDraw, s.UnitMinDamage[u], s.UnitMaxDamage[u]);
    if (u == unit_type::Catapult && !(targetCell == Outside && attackerCell != Outside))
        return;
    if (ThroughWall(x2, y2, x1, y1, s.UnitRange[u])) {
        if (s.UnitWallPenalty[u] == kStop && !(targetCell == Wall && s.UnitWallBonus[u] != 0))
            return;
        d2 = std::max(d2 - s.UnitWallPenalty[u], 0);
    }
    if (targetCell == Wall && attackerCell != Wall)
        d2 += s.UnitWallBonus[u];
    if (s.UnitCloseBonus[u] == kStop)
        return;
    d2 = std::max(d2 + s.UnitCloseBonus[u], 0);
    int attackerCode = BoardUnit(x1, y1) - 10 * d2;
    if (attackerCode < 10) {
        BoardUnit(x1, y1) = 0;
        SetPicNum(x1, y1, -1);
        ++KilledThisTurn;
        Update();
        CheckLose(a);
        return;
    }
    BoardUnit(x1, y1) = static_cast<int16_t>(attackerCode);
}

} // namespace marovane
