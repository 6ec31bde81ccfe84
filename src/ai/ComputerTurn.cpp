#include "ai/ComputerTurn.h"

#include "ai/Approach.h"
#include "ai/BoardCell.h"
#include "ai/TargetSearch.h"
#include "ai/TurnGuard.h"
#include "engine/Game.h"
#include "scenario/Options.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>
#include <vector>

namespace marovane {

namespace {

using namespace search_flag;

constexpr int kPasses = 3;

// The base flags of the intentions; each intention adds the bits of its own searches.
constexpr int kHealFlags = VisibleOnly | Friendly | StraightDistance | PreferWeak; // 0xd1
constexpr int kPriestFightFlags = VisibleOnly | StraightDistance | PreferWorthy;   // 0x94
constexpr int kCatapultFlags = VisibleOnly | PreferWorthy;                         // 0x84
constexpr int kRangedFlags =
    VisibleOnly | StraightDistance | PreferWorthy | PreferNear | PreferWeak; // 0x97
constexpr int kPeasantFlags = VisibleOnly | PreferWorthy | PreferNear;       // 0x86
constexpr int kFighterFlags = kPeasantFlags | PreferWeak;                    // 0x87

// The searches the intentions add to their base flags.
constexpr int kIntrudersInReach = HomeIntruder | CastleOnly | InReachOnly | TeamWide; // 0x520
constexpr int kRoyalsInReach = TeamWide | InReachOnly | RoyalOnly;                    // 0x428
constexpr int kEnemiesInReach = TeamWide | InReachOnly;                               // 0x420
constexpr int kIntruders = HomeIntruder | CastleOnly | TeamWide;                      // 0x500
constexpr int kRoyals = TeamWide | RoyalOnly;                                         // 0x408
constexpr int kEnemies = TeamWide;                                                    // 0x400
constexpr int kOwnRoyalNearest = Friendly | RoyalOnly | PreferNear;                   // 0x4a
constexpr int kOwnWalls = WallsOnly | Friendly | PreferNear | PreferWeak;             // 0x843
constexpr int kTeamWalls = kOwnWalls | TeamWide;                                      // 0xc43

bool IsRoyal(int type) {
    return type == unit_type::King || type == unit_type::Queen;
}

class ComputerTurn {
public:
    ComputerTurn(Game& game, int player)
        : game_(game), guard_(game, player), player_(player),
          home_(PlayerCell(game, 1, 1, player)) {}

    void Play();

private:
    void Act(const PartyPiece& row);
    bool StepOffHomeCell();
    // Keeps the unit's cell in step with where Approach left it.
    void Follow() { x_ = current_.X, y_ = current_.Y; }
    void ApproachFromHere(Cell goal, bool settle) {
        Approach(guard_, current_, goal, settle);
        Follow();
    }
    Target Search(Cell from, int flags);
    // A search that runs only while nothing has been found yet.
    void TrySearch(int flags) {
        if (!target_)
            target_ = Search({x_, y_}, flags);
    }
    // The same, keeping what it finds only when it needs healing or repair.
    void TryWounded(int flags) {
        TrySearch(flags);
        if (target_ && !Wounded(game_, *target_))
            target_.reset();
    }
    void GoForTarget();
    void Fight(int flags);
    bool GuardOwnRoyal(int flags);
    bool ClearGate();
    void Heal(int flags);
    void Repair();
    void ManWalls(int flags);
    void Explore();
    void MarchOnEnemyHome();

    Game& game_;
    TurnGuard guard_;
    const int player_;
    const Cell home_;
    // The acting unit: its cell (x_, y_) as the intentions last left it, its type and range.
    int x_ = 0, y_ = 0, type_ = 0, range_ = 1;
    Cell current_;
    Target target_;
    bool acted_ = false;
};

void ComputerTurn::Play() {
    for (int pass = 0; pass < kPasses; ++pass) {
        guard_.Check();
        const std::vector<PartyPiece> order = ActingOrder(game_, player_);
        if (order.empty())
            return;
        // Nobody can move any more: the turn is over.
        const bool anyMoves = std::any_of(order.begin(), order.end(), [&](const PartyPiece& row) {
            return row.Type != unit_type::Wall && game_.PieceAt(row.X, row.Y).MovesLeft >= 1;
        });
        if (!anyMoves)
            return;
        for (const PartyPiece& row : order)
            Act(row);
    }
}

void ComputerTurn::Act(const PartyPiece& row) {
    guard_.Check();
    x_ = row.X;
    y_ = row.Y;
    // Another of the player's units may have stepped onto a cell that an earlier one left: it
    // acts as what it is.
    const Piece piece = game_.PieceAt(x_, y_);
    if (piece.MovesLeft < 1 || piece.Empty() || piece.Owner != player_)
        return;
    type_ = piece.Type;
    range_ = game_.Specs().UnitRange[type_];

    guard_.ProcessEvents();
    if (game_.NoThinking) {
        game_.SelectQuietly(x_, y_);
    } else {
        game_.SelectPiece(x_, y_);
    }
    current_ = {x_, y_};
    guard_.Pause(0.5);

    // King and Queen go home to the keep, where they are rescued. In the first round the light
    // infantry goes there too: left in the keep at the end of the turn, it is sold, and the
    // money buys another unit.
    const bool retreat =
        (IsRoyal(type_) || (type_ == unit_type::FirstFighter && game_.RoundFlag != 0)) &&
        game_.KeepsInForce();
    if (retreat) {
        ApproachFromHere(home_, true);
        // A retreating unit goes on with its intentions only while it still has moves left:
        // one that arrived has settled, and one whose way home is blocked had better fight.
        if (MovesLeft(game_, current_) < 1)
            return;
    } else if (StepOffHomeCell() && MovesLeft(game_, current_) < 1) {
        return;
    }

    const bool castles = game_.CastlesInForce();
    if (range_ > 1) {
        if (type_ == unit_type::Priest) {
            target_.reset();
            Heal(kHealFlags);
            if (!target_)
                Fight(kPriestFightFlags);
        } else if (type_ == unit_type::Catapult) {
            target_.reset();
            Fight(kCatapultFlags);
            if (!target_)
                MarchOnEnemyHome();
            if (!target_)
                return;
        }
        if (MovesLeft(game_, current_) >= 1) {
            target_.reset();
            Fight(kRangedFlags);
            if (!target_ && castles)
                ManWalls(kRangedFlags);
            if (!target_)
                Explore();
            if (!target_)
                MarchOnEnemyHome();
        }
    } else if (type_ == unit_type::Peasant && !PeasantSurplus(game_, player_)) {
        target_.reset();
        Repair();
        if (!target_ && castles)
            ManWalls(kPeasantFlags);
    } else {
        target_.reset();
        Fight(kFighterFlags);
        if (!target_)
            Explore();
        if (!target_)
            MarchOnEnemyHome();
    }
}

// A unit in the keep stands where the keep's purchases appear, and is sold at the end of the
// turn if it is still there; before its intentions it steps out into the yard. The middle of the
// yard is the only yard cell next to the gate, the way in and out for everybody, King and Queen
// included: a unit on its way out goes there first, while a peasant who stays home to repair
// the walls keeps to the corners of the yard and steps aside into one from the middle. When both
// corners are taken he stays in the keep, or goes back into it from the middle, to be sold
// rather than block the way. Only a single step is made, and only while keeps (for the keep)
// or castles (for the yard) are in force.
bool ComputerTurn::StepOffHomeCell() {
    using Relative = std::array<int, 2>;
    static constexpr std::array<Relative, 3> kLeavingKeep{{{2, 2}, {1, 2}, {2, 1}}};
    static constexpr std::array<Relative, 2> kStayingInKeep{{{1, 2}, {2, 1}}};
    static constexpr std::array<Relative, 3> kStayingInYard{{{1, 2}, {2, 1}, {1, 1}}};
    const int rx = game_.GetX(x_, player_), ry = game_.GetY(y_, player_);
    const bool staysHome = type_ == unit_type::Peasant && !PeasantSurplus(game_, player_);
    std::span<const Relative> cells;
    if (rx == 1 && ry == 1 && game_.KeepsInForce())
        cells = staysHome ? std::span<const Relative>(kStayingInKeep) : kLeavingKeep;
    else if (rx == 2 && ry == 2 && staysHome)
        cells = kStayingInYard;
    for (const auto& [a, b] : cells) {
        const Cell next = PlayerCell(game_, a, b, player_);
        if (!OnBoard(game_, next) || game_.BoardUnit(next.X, next.Y) > 0)
            continue;
        ApproachFromHere(next, false);
        if (current_ == next)
            return true;
    }
    return false;
}

Target ComputerTurn::Search(Cell from, int flags) {
    guard_.ProcessEvents();
    return FindTarget(game_, from.X, from.Y, flags, range_, player_);
}

void ComputerTurn::GoForTarget() {
    if (!target_) {
        acted_ = false;
        return;
    }
    CheckForBlockingWall(guard_, current_, target_);
    Approach(guard_, current_, *target_, false);
    acted_ = current_ != Cell{x_, y_} || game_.PieceAt(x_, y_).MovesLeft == 0;
    Follow();
}

void ComputerTurn::Fight(int flags) {
    TrySearch(flags | kIntrudersInReach);
    TrySearch(flags | kRoyalsInReach);
    TrySearch(flags | kEnemiesInReach);
    TrySearch(flags | kIntruders);
    if (game_.WinCond[2])
        TrySearch(flags | kRoyals);

    if (!target_) {
        // Nothing to fight: rush an enemy home corner within this turn's moves.
        const int moves = MovesLeft(game_, current_);
        for (int p = 1; p <= game_.NumPlayers; ++p) {
            if (game_.SameTeam(p, player_) || game_.PlayerOut[p])
                continue;
            const Cell corner = PlayerCell(game_, 1, 1, p);
            if (std::abs(current_.X - corner.X) <= moves &&
                std::abs(current_.Y - corner.Y) <= moves) {
                ApproachFromHere(corner, true);
                break;
            }
        }
    }
    guard_.Check();

    if (!IsRoyal(type_) &&
        (!target_ || game_.InCastle(current_.X, current_.Y) == castle_cell::Gate)) {
        if (GuardOwnRoyal(flags))
            return;
    }
    TrySearch(flags | kEnemies);
    GoForTarget();
    if (!acted_)
        target_.reset();
}

// A unit with nothing better to do, or one standing in the gate, looks after the player's own
// royal nearest to the top-left corner. While that royal is out in the open the gate is
// cleared for it; an idle unit otherwise takes up the guard cell, one step diagonally beyond
// the royal as seen from home. A unit on the gate heads for the royal even when it had found an
// enemy. Answers true when the unit has made room at the gate and ends its moves there.
bool ComputerTurn::GuardOwnRoyal(int flags) {
    const Target saved = target_;
    target_ = Search({1, 1}, (flags | kOwnRoyalNearest) & ~StraightDistance);
    if (target_) {
        bool gateCleared = false;
        if (game_.InCastle(target_->X, target_->Y) == castle_cell::Outside)
            gateCleared = ClearGate();
        if (!saved) {
            if (gateCleared) {
                EndMoves(game_, current_);
                return true;
            }
            const int a = game_.GetX(target_->X, player_), b = game_.GetY(target_->Y, player_);
            target_ = PlayerCell(game_, a + 1, b + 1, player_);
        }
    }
    if (!target_)
        target_ = saved;
    return false;
}

// A unit on its own castle's gate moves off it, onto the first free cell of the block around
// the gate, searching from the outer corner inward. Answers whether a cell was tried.
bool ComputerTurn::ClearGate() {
    if (game_.InCastle(current_.X, current_.Y) != castle_cell::Gate ||
        game_.GetX(current_.X, player_) != 3 || game_.GetY(current_.Y, player_) != 3)
        return false;
    bool tried = false;
    for (int a = 4; a >= 2; --a) {
        for (int b = 4; b >= 2; --b) {
            const Cell cell = PlayerCell(game_, a, b, player_);
            if (!OnBoard(game_, cell) || game_.BoardUnit(cell.X, cell.Y) > 0)
                continue;
            tried = true;
            const Cell from = current_;
            Approach(guard_, current_, cell, false);
            if (current_ != from) {
                Follow();
                return true;
            }
        }
    }
    return tried;
}

void ComputerTurn::Heal(int flags) {
    TryWounded(flags | RoyalOnly);              // own royals
    TryWounded(flags | InReachOnly);            // own units in reach
    TryWounded(flags);                          // own units anywhere
    TryWounded(flags | TeamWide | RoyalOnly);   // the team's royals
    TryWounded(flags | TeamWide | InReachOnly); // the team's units in reach
    TryWounded(flags | TeamWide);               // the team's units anywhere
    GoForTarget();
    if (!acted_)
        target_.reset();
}

void ComputerTurn::Repair() {
    TryWounded(kOwnWalls);
    TryWounded(kTeamWalls);
    GoForTarget();
    if (!acted_)
        target_.reset();
}

// A unit in its own castle takes a free place on the walls, then fights what it can reach from
// there: intruders in the home castles first.
void ComputerTurn::ManWalls(int flags) {
    const int rx = game_.GetX(current_.X, player_), ry = game_.GetY(current_.Y, player_);
    if (rx <= 3 && ry <= 3 && game_.InCastle(current_.X, current_.Y) != castle_cell::Keep) {
        static constexpr std::array<std::array<int, 2>, 4> kWallCells{
            {{2, 3}, {3, 2}, {1, 3}, {3, 1}}};
        for (const auto& [a, b] : kWallCells) {
            const Cell cell = PlayerCell(game_, a, b, player_);
            if (OnBoard(game_, cell) && game_.BoardUnit(cell.X, cell.Y) == 0) {
                target_ = cell;
                break;
            }
        }
    }
    GoForTarget();
    target_ = Search({x_, y_}, flags | kIntrudersInReach);
    TrySearch(flags | kEnemiesInReach);
    TrySearch(flags | kIntruders);
    GoForTarget();
    if (!acted_)
        target_.reset();
}

// Each player explores the board in his own fixed order of cells, drawn from his bias, and
// heads for the first cell of it that none of his units has come near yet. Small boards are
// not explored.
void ComputerTurn::Explore() {
    const int w = game_.BoardWidth, h = game_.BoardHeight;
    if (w + h > 16) {
        const double bias = game_.PlayerBias[player_];
        const uint8_t bit = static_cast<uint8_t>(1u << player_);
        for (int k = 1; k <= (w + h) * 5; ++k) {
            const int a =
                std::clamp(static_cast<int>(SeededRandom(bias - 0.002 * k) * w + 1), 1, w);
            const int b =
                std::clamp(static_cast<int>(SeededRandom(bias - 0.002 * k - 0.001) * h + 1), 1, h);
            if (!(game_.BoardMark(a, b) & bit)) {
                target_ = Cell{a, b};
                break;
            }
        }
    }
    GoForTarget();
    if (!acted_)
        target_.reset();
}

// March on the home corner of an enemy still in the game, drawn at random.
void ComputerTurn::MarchOnEnemyHome() {
    const int n = game_.NumPlayers;
    for (int draw = 0; draw < 20; ++draw) {
        const int p = std::min(static_cast<int>(game_.Rng().Rnd() * n + 1), n);
        if (!game_.SameTeam(p, player_) && !game_.PlayerOut[p]) {
            target_ = PlayerCell(game_, 1, 1, p);
            break;
        }
    }
    GoForTarget();
    if (!acted_)
        target_.reset();
}

} // namespace

std::vector<PartyPiece> ActingOrder(const Game& game, int player) {
    std::vector<PartyPiece> party = game.FindParty(player);
    party.erase(std::find_if(party.begin(), party.end(),
                             [](const PartyPiece& row) { return row.Type < 0; }),
                party.end());
    // Most moves left first; royals well before everybody, units on a gate (in the way in and
    // out) before those in the keep (where purchases appear). Equals keep their board order.
    auto priority = [&](const PartyPiece& row) {
        int value = game.PieceAt(row.X, row.Y).MovesLeft;
        const int castle = game.InCastle(row.X, row.Y);
        if (castle == castle_cell::Gate)
            value += 5;
        else if (castle == castle_cell::Keep)
            value -= 5;
        if (IsRoyal(row.Type))
            value += 10;
        return value;
    };
    std::vector<std::pair<int, PartyPiece>> keyed;
    keyed.reserve(party.size());
    for (const PartyPiece& row : party)
        keyed.push_back({priority(row), row});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        party[i] = keyed[i].second;
    return party;
}

void DoComputerMoves(Game& game, int player) {
    if (!game.GameOn || player < 1 || player > game.NumPlayers)
        return;
    try {
        ComputerTurn(game, player).Play();
    } catch (const TurnStopped&) {
        // The game stopped, changed or went to a human: nothing more to do.
    }
}

bool PeasantSurplus(const Game& game, int player) {
    if (!game.CastlesInForce())
        return true;
    // The peasants among the player's piece list (its first kPartyRows pieces in board order),
    // counted on the board itself: this runs for every peasant that acts.
    int peasants = 0;
    int pieces = 0;
    for (int x = 1; x <= game.BoardWidth && pieces < kPartyRows; ++x) {
        for (int y = 1; y <= game.BoardHeight && pieces < kPartyRows; ++y) {
            const Piece piece = game.PieceAt(x, y);
            if (piece.Owner != player)
                continue;
            ++pieces;
            peasants += piece.Type == unit_type::Peasant;
        }
    }
    if (peasants <= 4)
        return false;
    return !(peasants <= 6 && game.HasUnit(unit_type::Wall, player));
}

} // namespace marovane
