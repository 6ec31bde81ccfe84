#include "ai/Approach.h"

#include "ai/TurnGuard.h"
#include "engine/Combat.h"
#include "engine/Game.h"

#include <cstdlib>
#include <optional>

namespace marovane {

namespace {

// A statistic of 9 means "cannot do this at all": here, act across a castle wall.
constexpr int kCannot = 9;
// The approach to a gate calls itself; gates are at most two calls deep on any real board.
constexpr int kMaxDepth = 4;
// Every pass of the loop moves the unit, attacks or ends the call; this only guards against a
// board where none of that holds.
constexpr int kMaxPasses = 64;

int Sign(int v) {
    return (v > 0) - (v < 0);
}

void ApproachAt(TurnGuard& guard, Cell& current, Cell target, bool settle, int depth);

class Approacher {
public:
    Approacher(TurnGuard& guard, Cell& current, Cell target, bool settle, int depth)
        : guard_(guard), game_(guard.GetGame()), current_(current), target_(target),
          settle_(settle), depth_(depth) {}

    void Run();

private:
    void ShowDecision();
    bool PrepareWaypoint();
    void GoVia(Cell waypoint);
    // One step onto a neighbouring cell through the rules; false when refused.
    bool Step(int sx, int sy);
    bool SideStep(int sx, int sy);
    bool TrySideSteps(int sx, int sy, bool alongXFirst);
    void Charge();
    void Attack();
    bool Adjacent() const {
        return std::abs(c().X - target_.X) <= 1 && std::abs(c().Y - target_.Y) <= 1;
    }
    Cell c() const { return current_; }

    TurnGuard& guard_;
    Game& game_;
    Cell& current_;
    const Cell target_;
    const bool settle_;
    const int depth_;
    int type_ = 0;
    int range_ = 1;
    bool engage_ = false;
    std::optional<Cell> waypoint_;
    bool outsideOnly_ = false;
};

void Approacher::ShowDecision() {
    // The target is marked even on a cell the fog hides, so the watcher sees where the unit is
    // heading; then the unit itself is marked again.
    game_.View().Highlight(target_.X, target_.Y, colour::Yellow);
    guard_.Pause(0.5);
    game_.Highlight(c().X, c().Y, colour::LightMagenta);
}

void Approacher::GoVia(Cell waypoint) {
    ApproachAt(guard_, current_, waypoint, false, depth_ + 1);
}

bool Approacher::Step(int sx, int sy) {
    if ((sx == 0 && sy == 0) || std::abs(sx) > 1 || std::abs(sy) > 1)
        return false;
    const Cell from = c();
    const Cell to{from.X + sx, from.Y + sy};
    if (!OnBoard(game_, to))
        return false;
    int toX = to.X;
    if (!game_.MovePiece(from.X, from.Y, toX, to.Y))
        return false;
    guard_.Check();
    current_ = to;
    return true;
}

bool Approacher::SideStep(int sx, int sy) {
    const Cell to{c().X + sx, c().Y + sy};
    if (!OnBoard(game_, to) || game_.BoardUnit(to.X, to.Y) > 0)
        return false;
    if (outsideOnly_ && game_.InCastle(to.X, to.Y) == castle_cell::Outside)
        return false;
    return Step(sx, sy);
}

// The side steps of a blocked unit: along one axis keeping the other, then along the other.
// A negated step is tried only when it differs from the first.
bool Approacher::TrySideSteps(int sx, int sy, bool alongXFirst) {
    const int keepX = 1 - std::abs(sy); // the y part of a step that keeps sx
    const int keepY = 1 - std::abs(sx); // the x part of a step that keeps sy
    auto alongX = [&] { return SideStep(sx, keepX) || (keepX != 0 && SideStep(sx, -keepX)); };
    auto alongY = [&] { return SideStep(keepY, sy) || (keepY != 0 && SideStep(-keepY, sy)); };
    return alongXFirst ? alongX() || alongY() : alongY() || alongX();
}

void Approacher::Charge() {
    // Cavalry with all its moves first steps to another cell beside the enemy, so that it
    // attacks after moving, which strengthens its blow.
    const int dx = target_.X - c().X, dy = target_.Y - c().Y;
    const int keepX = 1 - std::abs(dy), keepY = 1 - std::abs(dx);
    if (SideStep(dx, keepX) || (keepX != 0 && SideStep(dx, -keepX)))
        return;
    if (SideStep(keepY, dy) || (keepY != 0 && SideStep(-keepY, dy)))
        return;
}

void Approacher::Attack() {
    const Piece target = game_.PieceAt(target_.X, target_.Y);
    const Piece unit = game_.PieceAt(c().X, c().Y);
    if (target.Empty() || unit.Empty() || unit.MovesLeft < 1)
        return;
    if (type_ == unit_type::Priest && game_.SameTeam(unit.Owner, target.Owner) &&
        !Wounded(game_, target_))
        return; // nothing to heal
    game_.DispStats(target_.X, target_.Y, 0);
    guard_.Pause(0.5);
    game_.Battle(c().X, c().Y, target_.X, target_.Y);
    guard_.Check();
    game_.DispStats(target_.X, target_.Y, 0);
    guard_.Pause(0.5);
    guard_.Pause(0.5);
    if (!game_.NoThinking && game_.PicNum(c().X, c().Y) >= 0)
        game_.Highlight(c().X, c().Y, colour::LightMagenta);
}

// A castle on the way: a unit outside heading into a castle goes by that castle's gate; a unit
// inside a castle leaves by its own gate and, heading into another castle, enters by that one's.
// Answers false when the unit stopped on the way to its own gate.
bool Approacher::PrepareWaypoint() {
    const int targetCastle = game_.InCastle(target_.X, target_.Y);
    const int unitCastle = game_.InCastle(c().X, c().Y);
    if (targetCastle != castle_cell::Outside && unitCastle == castle_cell::Outside) {
        int q = target_.Y <= 3 ? 1 : 3;
        if (target_.X >= game_.BoardWidth - 3)
            q = 5 - q;
        waypoint_ = CastleGate(game_, q);
    } else if (unitCastle != castle_cell::Outside) {
        const int targetQuarter = BoardQuarter(game_, target_);
        const int unitQuarter = BoardQuarter(game_, c());
        const Cell ownGate = CastleGate(game_, unitQuarter);
        waypoint_ = ownGate;
        if (ownGate != target_ && targetCastle != castle_cell::Outside &&
            targetQuarter != unitQuarter) {
            GoVia(ownGate);
            if (MovesLeft(game_, c()) < 1 || c() != ownGate)
                return false;
            waypoint_ = CastleGate(game_, targetQuarter);
        }
    }
    return true;
}

void Approacher::Run() {
    if (!game_.GameOn || depth_ > kMaxDepth)
        return;
    guard_.ProcessEvents();
    if (!OnBoard(game_, target_) || !OnBoard(game_, c()))
        return;
    if (!game_.NoThinking)
        ShowDecision();

    const Piece unit = game_.PieceAt(c().X, c().Y);
    if (unit.Empty())
        return; // no unit to move
    type_ = unit.Type;
    range_ = game_.Specs().UnitRange[type_];
    if (c() == target_) {
        if (settle_)
            EndMoves(game_, c());
        return;
    }

    // Whether the piece on the target is to be attacked (or, by a priest, healed).
    const Piece target = game_.PieceAt(target_.X, target_.Y);
    if (target.Alive()) {
        if (!game_.SameTeam(target.Owner, unit.Owner))
            engage_ = true;
        else if (type_ == unit_type::Priest && Wounded(game_, target_))
            engage_ = true;
    }

    if (!PrepareWaypoint())
        return;

    const UnitSpecs& specs = game_.Specs();
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        if (MovesLeft(game_, c()) < 1 || c() == target_)
            return;
        const Cell before = c();
        const int codeBefore = game_.BoardUnit(before.X, before.Y);
        const int adx = std::abs(c().X - target_.X), ady = std::abs(c().Y - target_.Y);

        if ((adx <= 1 && ady <= 1) || (engage_ && InReach(adx, ady, range_))) {
            if (game_.ThroughWall(c().X, c().Y, target_.X, target_.Y, 1) &&
                specs.UnitWallPenalty[type_] == kCannot) {
                // Close, but a wall is between and this unit cannot act across it: go round by
                // the gate, and keep to castle cells when side-stepping from outside.
                outsideOnly_ = game_.InCastle(c().X, c().Y) == castle_cell::Outside;
                if (waypoint_ && target_ != *waypoint_)
                    GoVia(*waypoint_);
                if (MovesLeft(game_, c()) < 1 || !waypoint_ || c() != *waypoint_)
                    return;
                if (engage_ && Adjacent()) {
                    Attack();
                    return;
                }
                if (settle_) {
                    EndMoves(game_, c());
                    return;
                }
            } else if (engage_) {
                if (type_ >= unit_type::FirstCavalry && type_ <= unit_type::LastFighter &&
                    MovesLeft(game_, c()) == specs.Moves(type_))
                    Charge();
                Attack();
                return;
            } else {
                if (!Step(target_.X - c().X, target_.Y - c().Y))
                    return;
                if (settle_) {
                    EndMoves(game_, c());
                    return;
                }
            }
        } else {
            if (game_.ThroughWall(c().X, c().Y, target_.X, target_.Y, 1) &&
                !(waypoint_ && target_ == *waypoint_)) {
                // A wall stands between: the way leads through the gate.
                if (!waypoint_)
                    return;
                GoVia(*waypoint_);
                if (MovesLeft(game_, c()) < 1 || c() != *waypoint_)
                    return;
            } else {
                const int sx = Sign(target_.X - c().X), sy = Sign(target_.Y - c().Y);
                if (!Step(sx, sy) && !TrySideSteps(sx, sy, adx > ady))
                    return;
            }
        }
        // A pass in which the unit neither moved nor used a move ends the call.
        if (c() == before && game_.BoardUnit(c().X, c().Y) == codeBefore)
            return;
    }
}

void ApproachAt(TurnGuard& guard, Cell& current, Cell target, bool settle, int depth) {
    Approacher(guard, current, target, settle, depth).Run();
}

} // namespace

void Approach(TurnGuard& guard, Cell& current, Cell target, bool settle) {
    ApproachAt(guard, current, target, settle, 0);
}

} // namespace marovane
