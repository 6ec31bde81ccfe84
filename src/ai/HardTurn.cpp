#include "ai/HardTurn.h"

#include "ai/HardPlanner.h"
#include "ai/PlayerSight.h"
#include "ai/Rehearsal.h"
#include "ai/TurnGuard.h"
#include "engine/Combat.h"
#include "engine/Game.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <vector>

namespace marovane {

namespace {

using Clock = std::chrono::steady_clock;

// The window gets its events this often while the computer thinks (a pause, a step and a battle
// let them run too).
constexpr auto kEventInterval = std::chrono::milliseconds(15);
// Attacks without a counter-strike go first: they weaken targets for those that follow.
constexpr double kRangedFirst = 1.5;

// Rehearsals: the moves the planner thinks best, each tried on copies of the board.
constexpr size_t kAlternatives = 2;
constexpr size_t kCandidates = 5;
constexpr int kTries = 10;
constexpr int kFewestTries = 4;
// Two sides that each wait for the other to come would wait for ever. A turn that would pass
// without a move is now and then, when the player is not the weaker, played boldly instead: the
// threat to his units counts for little, and he goes forward without rehearsals.
constexpr double kBoldChance = 0.3;
constexpr double kBoldness = 0.1;

class HardTurn {
public:
    // The player's real turn rehearses its moves within `budget`; a turn on a copy of the board
    // (budget 0) carries out the planner's plans as they come. There `goals` measures the way
    // toward the goals in place of the goals in view, and `castles` tells where the castles
    // stand.
    HardTurn(Game& game, int player, const OrderWatch& watch, long budget,
             std::vector<uint8_t>& done, const DistanceField* goals = nullptr,
             const PlayerSight* castles = nullptr)
        : game_(game), guard_(game, player), player_(player), watch_(watch), real_(budget > 0),
          done_(done), goals_(goals), castles_(castles), budget_(budget) {
        done_.resize(static_cast<size_t>(game.BoardWidth) * game.BoardHeight, 0);
    }

    void Play();

private:
    // Lets window events run when they have waited long enough, then checks that the turn goes
    // on.
    void KeepWindowAlive() {
        if (Clock::now() - lastEvents_ >= kEventInterval) {
            guard_.ProcessEventsNow();
            lastEvents_ = Clock::now();
        }
        guard_.Check();
    }
    // The candidate that fares best on the copies of the board; nothing when ending the turn
    // fares best.
    std::optional<UnitPlan> Rehearse(std::vector<UnitPlan>& candidates, int round,
                                     const PlayerSight& sight, const DistanceField& goals);
    int VisibleEnemies() const;
    // Carries out the plan. Answers the cell where the unit is through for this turn, or
    // nothing when it is to think again (or is gone).
    std::optional<Cell> Carry(const UnitPlan& plan);
    bool MayStrike(Cell from, Cell to) const;
    // Whether the plan, made on `sight`, still fits the board: the unit, its way and its target
    // are as they were.
    bool StillFits(const PlayerSight& sight, const UnitPlan& plan) const;
    static double Priority(const UnitPlan& plan) {
        const bool ranged = plan.Target && (std::abs(plan.Target->X - End(plan).X) > 1 ||
                                            std::abs(plan.Target->Y - End(plan).Y) > 1);
        return ranged ? plan.Gain * kRangedFirst : plan.Gain;
    }
    static Cell End(const UnitPlan& plan) {
        return plan.Path.empty() ? plan.Unit : plan.Path.back();
    }
    size_t CellIndex(Cell c) const {
        return static_cast<size_t>((c.Y - 1) * game_.BoardWidth + c.X - 1);
    }

    Game& game_;
    TurnGuard guard_;
    const int player_;
    const OrderWatch& watch_;
    const bool real_;
    // Units through for this turn, by the cell they stand on.
    std::vector<uint8_t>& done_;
    const DistanceField* goals_;
    const PlayerSight* castles_;
    long budget_;
    double boldness_ = 1;
    bool acted_ = false;
    Clock::time_point lastEvents_ = Clock::now();
};

void HardTurn::Play() {
    // Each round a unit finishes, or takes a step and thinks again with what came into view: a
    // turn has no more rounds than units and their moves.
    int rounds = 1;
    for (const PartyPiece& row : game_.FindParty(player_))
        rounds += row.Type >= 0 ? 1 + game_.Specs().Moves(row.Type) : 0;
    for (int round = 0; round < rounds; ++round) {
        KeepWindowAlive();
        const PlayerSight sight =
            castles_ ? PlayerSight(game_, player_, *castles_) : PlayerSight(game_, player_);
        const HardPlanner planner(sight, goals_, boldness_);
        std::vector<UnitPlan> candidates;
        for (int i = 0; i < sight.CellCount(); ++i) {
            const Cell c = sight.CellAt(i);
            const Piece& unit = sight.At(c);
            if (unit.Owner != player_ || !unit.Alive()) {
                done_[CellIndex(c)] = 0;
                continue;
            }
            if (unit.Type == unit_type::Wall || unit.MovesLeft < 1 || done_[CellIndex(c)])
                continue;
            for (UnitPlan& plan : planner.PlansFor(c, real_ ? kAlternatives : 1))
                candidates.push_back(std::move(plan));
            KeepWindowAlive();
        }
        // A turn that would pass without a move may turn bold instead.
        auto passOrDare = [&] {
            if (acted_ || boldness_ != 1 || !real_ || !planner.NotWeaker() ||
                game_.Rng().Rnd() >= kBoldChance)
                return false;
            boldness_ = kBoldness;
            return true;
        };
        if (candidates.empty()) {
            if (passOrDare())
                continue;
            return;
        }
        std::stable_sort(
            candidates.begin(), candidates.end(),
            [](const UnitPlan& a, const UnitPlan& b) { return Priority(a) > Priority(b); });
        if (!real_) {
            // Without rehearsals the plans are carried out one after the other while they still
            // fit the board; the first that no longer does calls for a fresh look.
            for (const UnitPlan& plan : candidates) {
                if (!StillFits(sight, plan))
                    break;
                if (const auto through = Carry(plan))
                    done_[CellIndex(*through)] = 1;
                else
                    break;
            }
            continue;
        }
        std::optional<UnitPlan> best = candidates.front();
        // Rehearsals are for moves near the enemy: attacks, and steps into or out of his reach.
        const bool contact =
            std::any_of(candidates.begin(), candidates.end(), [&](const UnitPlan& plan) {
                return plan.Target || planner.UnderThreat(plan.Unit) ||
                       planner.UnderThreat(End(plan));
            });
        if (contact && boldness_ == 1)
            best = Rehearse(candidates, round, sight, planner.Goals());
        if (!best) {
            if (passOrDare())
                continue;
            return;
        }
        acted_ = true;
        if (const auto through = Carry(*best))
            done_[CellIndex(*through)] = 1;
    }
}

bool HardTurn::StillFits(const PlayerSight& sight, const UnitPlan& plan) const {
    if (game_.VisiblePieceAt(plan.Unit.X, plan.Unit.Y) != sight.At(plan.Unit))
        return false;
    for (const Cell step : plan.Path) {
        if (game_.VisiblePieceAt(step.X, step.Y).Alive())
            return false;
    }
    return !plan.Target ||
           game_.VisiblePieceAt(plan.Target->X, plan.Target->Y) == sight.At(*plan.Target);
}

std::optional<UnitPlan> HardTurn::Rehearse(std::vector<UnitPlan>& candidates, int round,
                                           const PlayerSight& sight, const DistanceField& goals) {
    if (candidates.size() > kCandidates)
        candidates.resize(kCandidates);
    long pieces = 1;
    for (int i = 0; i < sight.CellCount(); ++i) {
        const Piece& piece = sight.At(sight.CellAt(i));
        pieces += piece.Alive() && piece.Type != unit_type::Wall;
    }
    const long cost = pieces * static_cast<long>(candidates.size() + 1);
    const int tries = static_cast<int>(std::min<long>(kTries, budget_ / cost));
    if (tries < kFewestTries)
        return candidates.front();
    budget_ -= tries * cost;
    // The dice of the tries follow from what the player sees, so the same game thinks alike.
    uint64_t seed = 1469598103934665603ull ^ static_cast<uint64_t>(round * 7919 + player_);
    for (int x = 1; x <= game_.BoardWidth; ++x) {
        for (int y = 1; y <= game_.BoardHeight; ++y) {
            const Piece piece = game_.VisiblePieceAt(x, y);
            seed = (seed ^ static_cast<uint64_t>(piece.Type * 131 + piece.HitPoints * 7 +
                                                 piece.Owner + 1)) *
                   1099511628211ull;
        }
    }
    Rehearsal rehearsal(game_, player_, done_, sight, goals);
    std::vector<double> scores(candidates.size() + 1, 0.0);
    for (int t = 0; t < tries; ++t) {
        const uint64_t dice = seed + static_cast<uint64_t>(t) * 0x9E3779B97F4A7C15ull;
        for (size_t i = 0; i <= candidates.size(); ++i) {
            scores[i] += rehearsal.Try(i < candidates.size() ? &candidates[i] : nullptr, dice);
            KeepWindowAlive();
        }
    }
    const size_t best =
        static_cast<size_t>(std::max_element(scores.begin(), scores.end()) - scores.begin());
    if (best == candidates.size())
        return std::nullopt;
    return candidates[best];
}

int HardTurn::VisibleEnemies() const {
    int count = 0;
    for (int x = 1; x <= game_.BoardWidth; ++x) {
        for (int y = 1; y <= game_.BoardHeight; ++y) {
            const Piece piece = game_.VisiblePieceAt(x, y);
            count += piece.Alive() && !game_.SameTeam(piece.Owner, player_);
        }
    }
    return count;
}

bool HardTurn::MayStrike(Cell from, Cell to) const {
    const Piece unit = game_.PieceAt(from.X, from.Y);
    const Piece target = game_.VisiblePieceAt(to.X, to.Y);
    if (unit.Owner != player_ || !unit.Alive() || unit.MovesLeft < 1 || !target.Alive())
        return false;
    const int dx = std::abs(from.X - to.X), dy = std::abs(from.Y - to.Y);
    return InReach(dx, dy, game_.Specs().UnitRange[unit.Type]);
}

std::optional<Cell> HardTurn::Carry(const UnitPlan& plan) {
    Cell at = plan.Unit;
    if (game_.NoThinking) {
        game_.SelectQuietly(at.X, at.Y);
    } else {
        game_.SelectPiece(at.X, at.Y);
    }
    guard_.Pause(0.5);
    const int enemiesSeen = real_ ? VisibleEnemies() : 0;
    for (const Cell step : plan.Path) {
        if (!game_.CanStep(at.X, at.Y, step.X, step.Y))
            return at; // the way is barred: the unit has done what it could
        if (watch_)
            watch_(game_, at, step, false);
        int x = step.X;
        game_.MovePiece(at.X, at.Y, x, step.Y);
        guard_.Check();
        at = step;
        // Something came into view on the way: the unit thinks again with the moves it has left.
        if (real_ && VisibleEnemies() != enemiesSeen && step != plan.Path.back())
            return std::nullopt;
    }
    if (!plan.Target || !MayStrike(at, *plan.Target))
        return at;
    const Cell target = *plan.Target;
    if (watch_)
        watch_(game_, at, target, true);
    game_.DispStats(target.X, target.Y, 0);
    guard_.Pause(0.5);
    game_.Battle(at.X, at.Y, target.X, target.Y);
    guard_.Check();
    game_.DispStats(target.X, target.Y, 0);
    guard_.Pause(0.5);
    guard_.Pause(0.5);
    if (!game_.NoThinking && game_.PicNum(at.X, at.Y) >= 0)
        game_.Highlight(at.X, at.Y, colour::LightMagenta);
    return at;
}

} // namespace

void PlayHardTurn(Game& game, int player, const OrderWatch& watch, long rehearsalBudget) {
    if (!game.GameOn || player < 1 || player > game.NumPlayers)
        return;
    std::vector<uint8_t> done;
    try {
        HardTurn(game, player, watch, std::max(rehearsalBudget, 1L), done).Play();
    } catch (const TurnStopped&) {
        // The game stopped, changed or went to a human: nothing more to do.
    }
}

void PlayPlannedTurn(Game& game, int player, std::vector<uint8_t>& done, const DistanceField& goals,
                     const PlayerSight& castles) {
    if (!game.GameOn || player < 1 || player > game.NumPlayers)
        return;
    static const OrderWatch kNoWatch;
    try {
        HardTurn(game, player, kNoWatch, 0, done, &goals, &castles).Play();
    } catch (const TurnStopped&) {
    }
}

} // namespace marovane
