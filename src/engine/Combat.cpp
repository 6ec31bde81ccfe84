#include "engine/Combat.h"

#include "engine/Game.h"
#include "engine/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

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
    return WhyVoidFor(attacker.Type, x1, y1, x2, y2);
}

VoidAttack Game::WhyVoidFor(int t, int x1, int y1, int x2, int y2) const {
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

std::pair<int, int> Game::RollRange(int type) const {
    const int minimum = specs_.UnitMinDamage[type], maximum = specs_.UnitMaxDamage[type];
    // The smallest draw and the largest below 1 give the two ends of the range.
    const int first = Roll(0, minimum, maximum);
    const int last = Roll(std::nextafter(1.0, 0.0), minimum, maximum);
    return {std::min(first, last), std::max(first, last)};
}

AttackEffect Game::AttackFor(int x1, int y1, int x2, int y2, int roll) const {
    return AttackBetween(PieceAt(x1, y1), x1, y1, PieceAt(x2, y2), x2, y2, roll);
}

AttackEffect Game::AttackBetween(const Piece& attacker, int x1, int y1, const Piece& target, int x2,
                                 int y2, int roll) const {
    AttackEffect effect;
    if (attacker.Empty() || target.Empty()) {
        effect.Void = VoidAttack::Neighbour;
        return effect;
    }
    const int t = attacker.Type;
    const auto& s = specs_;
    using namespace castle_cell;

    int d = roll;
    // A unit that moved first strikes weaker, cavalry harder (a charge); priests are not hurried.
    if (attacker.MovesLeft < s.Moves(t) && t != unit_type::Priest) {
        if (t >= unit_type::FirstCavalry && t <= unit_type::LastFighter)
            d = static_cast<int>(std::floor(d * 1.5 + 0.5));
        else
            d = static_cast<int>(std::floor(d / 2.0 + 0.5));
    }
    effect.Void = WhyVoidFor(t, x1, y1, x2, y2);
    if (effect.Void != VoidAttack::None)
        return effect;
    if (ThroughWall(x1, y1, x2, y2, s.UnitRange[t]))
        d = std::max(d - s.UnitWallPenalty[t], 0);
    if (InCastle(x1, y1) == Wall && InCastle(x2, y2) != Wall)
        d += s.UnitWallBonus[t];
    if (std::abs(x1 - x2) <= 1 && std::abs(y1 - y2) <= 1)
        d += s.UnitCloseBonus[t];
    d = std::max(d, 0);
    if (SameTeam(attacker.Owner, target.Owner)) {
        if (t == unit_type::Peasant && target.Type == unit_type::Wall)
            d = -5 * d; // repair
        else if (t == unit_type::Priest)
            d = -d; // healing
    }
    effect.Damage = d;
    return effect;
}

std::optional<int> Game::CounterFor(int x1, int y1, int x2, int y2, int roll) const {
    return CounterBetween(PieceAt(x1, y1), x1, y1, PieceAt(x2, y2), x2, y2, roll);
}

std::optional<int> Game::CounterBetween(const Piece& attacker, int x1, int y1, const Piece& target,
                                        int x2, int y2, int roll) const {
    // Only a neighbour of the other side strikes back.
    if (attacker.Empty() || target.Empty() || std::abs(x1 - x2) > 1 || std::abs(y1 - y2) > 1 ||
        SameTeam(attacker.Owner, target.Owner))
        return std::nullopt;
    const int u = target.Type;
    const auto& s = specs_;
    using namespace castle_cell;
    const int attackerCell = InCastle(x1, y1);
    const int targetCell = InCastle(x2, y2);
    int d2 = roll;
    if (u == unit_type::Catapult && !(targetCell == Outside && attackerCell != Outside))
        return std::nullopt;
    if (ThroughWall(x2, y2, x1, y1, s.UnitRange[u])) {
        if (s.UnitWallPenalty[u] == kStop && !(targetCell == Wall && s.UnitWallBonus[u] != 0))
            return std::nullopt;
        d2 = std::max(d2 - s.UnitWallPenalty[u], 0);
    }
    if (targetCell == Wall && attackerCell != Wall)
        d2 += s.UnitWallBonus[u];
    if (s.UnitCloseBonus[u] == kStop)
        return std::nullopt;
    return std::max(d2 + s.UnitCloseBonus[u], 0);
}

int Game::StrengthAfter(int code, int damage, int type) const {
    // Computed wide: a large heal is capped, a large hit leaves less than one hit point.
    int after = code - 10 * damage;
    if (after >= 10 && after > specs_.UnitStrength[type])
        after = (specs_.UnitStrength[type] / 10) * 10 + after % 10;
    return after;
}

std::optional<AttackPreview> Game::PreviewAttack(int x1, int y1, int x2, int y2) const {
    if (!GameOn || !OnBoard(x1, y1) || !OnBoard(x2, y2) || PieceAt(x1, y1).Owner != CurrentPlayer)
        return std::nullopt;
    double chance = 0;
    if (!FightsBattle(ClickActionFrom(x1, y1, x2, y2, &chance)))
        return std::nullopt; // no fight there, or a cell the player cannot see
    const Piece attacker = PieceAt(x1, y1);
    const Piece target = PieceAt(x2, y2);
    const int code = BoardUnit(x2, y2);
    using Span = AttackPreview::Span;
    AttackPreview preview;
    preview.HitChance = chance;
    auto widen = [](std::optional<Span>& span, int value) {
        span = span ? Span{std::min(span->first, value), std::max(span->second, value)}
                    : Span{value, value};
    };
    // Every whole roll the attacker can make goes through the battle's own arithmetic.
    std::optional<Span> dealt;
    bool voided = false;
    bool survives = chance < 1; // a miss leaves the target standing
    const auto [lowest, highest] = RollRange(attacker.Type);
    for (int roll = lowest; roll <= highest; ++roll) {
        const AttackEffect effect = AttackFor(x1, y1, x2, y2, roll);
        voided = effect.Void != VoidAttack::None;
        const int damage = voided ? 0 : effect.Damage;
        const int after = StrengthAfter(code, damage, target.Type);
        widen(dealt, std::max(damage, 0));
        if (damage < 0)
            widen(preview.Heal, after / 10 - code / 10);
        survives = survives || after >= 10;
    }
    preview.Damage = dealt.value_or(Span{0, 0});
    // A void attack is never answered; a target left standing answers a neighbour of the other
    // side.
    if (voided || !survives)
        return preview;
    const auto [lowestBack, highestBack] = RollRange(target.Type);
    for (int roll = lowestBack; roll <= highestBack; ++roll) {
        const std::optional<int> back = CounterFor(x1, y1, x2, y2, roll);
        if (!back)
            break;
        widen(preview.Counter, *back);
    }
    return preview;
}

void Game::Battle(int x1, int y1, int x2, int y2) {
    const Piece attacker = PieceAt(x1, y1);
    const Piece target = PieceAt(x2, y2);
    if (attacker.Empty() || target.Empty())
        return;
    // A battle cannot be taken back.
    StepsFinal();
    // Every battle takes exactly three numbers, in this order, however it ends, so that a
    // replayed game stays in step.
    const double damageDraw = random_.Rnd();
    const double hitDraw = random_.Rnd();
    const double counterDraw = random_.Rnd();

    const int t = attacker.Type, a = attacker.Owner;
    const int u = target.Type, o = target.Owner;
    const auto& s = specs_;

    const AttackEffect effect =
        AttackFor(x1, y1, x2, y2, Roll(damageDraw, s.UnitMinDamage[t], s.UnitMaxDamage[t]));
    // A void attack still gives the fighters away when it fails only at close quarters.
    if (effect.Void != VoidAttack::None && effect.Void != VoidAttack::Neighbour)
        return;
    // The fight gives both positions away.
    if (o >= 1 && o <= NumPlayers)
        Seen(x1, y1, o) = 1;
    if (a >= 1 && a <= NumPlayers)
        Seen(x2, y2, a) = 1;
    if (effect.Void == VoidAttack::Neighbour)
        return;
    const bool hit = hitDraw <= HitChance(std::abs(x1 - x2), std::abs(y1 - y2), s.UnitRange[t]);
    const int d = hit ? effect.Damage : 0;

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

    const int before = BoardUnit(x2, y2);
    const int code = StrengthAfter(before, d, u);
    game_event::Battle fought;
    fought.Attacker = a;
    fought.AttackerType = t;
    fought.Target = o;
    fought.TargetType = u;
    fought.From = Cell{x1, y1};
    fought.To = Cell{x2, y2};
    fought.Hit = hit;
    fought.Damage = std::max(d, 0);
    // Healing and repair restore hit points (a team-mate never strikes back); anything else was a
    // fight.
    auto tell = [&] {
        if (effect.Damage >= 0) {
            Publish(fought);
            return;
        }
        const int restored = std::max(code / 10 - before / 10, 0);
        if (u == unit_type::Wall)
            Publish(game_event::Repair{a, Cell{x1, y1}, Cell{x2, y2}, restored});
        else
            Publish(game_event::Heal{a, Cell{x1, y1}, Cell{x2, y2}, u, restored});
    };
    if (code < 10) {
        BoardUnit(x2, y2) = 0;
        SetPicNum(x2, y2, -1);
        fought.TargetKilled = true;
        tell();
        Update();
        CheckLose(o);
        return;
    }
    BoardUnit(x2, y2) = static_cast<int16_t>(code);

    // A surviving neighbour of the other side strikes back once.
    const std::optional<int> d2 =
        CounterFor(x1, y1, x2, y2, Roll(counterDraw, s.UnitMinDamage[u], s.UnitMaxDamage[u]));
    fought.Counter = d2;
    if (!d2) {
        tell();
        return;
    }
    int attackerCode = BoardUnit(x1, y1) - 10 * *d2;
    if (attackerCode < 10) {
        BoardUnit(x1, y1) = 0;
        SetPicNum(x1, y1, -1);
        ++KilledThisTurn;
        fought.AttackerKilled = true;
        tell();
        Update();
        CheckLose(a);
        return;
    }
    BoardUnit(x1, y1) = static_cast<int16_t>(attackerCode);
    tell();
}

} // namespace marovane
