#include "ai/AiFixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace marovane {
namespace {

using namespace search_flag;

class AiTargetSearch : public test::AiFixture {};

TEST_F(AiTargetSearch, ByKingMovesAUnitKeepsOneMoveForTheAttack) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    Put(6, 5, 3, 2);
    const int inReach = TeamWide | InReachOnly;
    for (int moves : {0, 1}) {
        SetMoves(5, 5, moves);
        EXPECT_FALSE(Find(5, 5, inReach)) << moves << " moves";
    }
    SetMoves(5, 5, 2);
    EXPECT_EQ(Find(5, 5, inReach), (Cell{6, 5}));
    EXPECT_EQ(Find(5, 5, TeamWide), (Cell{6, 5})) << "without the reach test distance is no bar";
}

struct StraightCase {
    int dx, dy, moves, range;
    bool reached;
};

class AiStraightReach : public test::AiFixture,
                        public ::testing::WithParamInterface<StraightCase> {};

// Straight-line distance is the centre distance less half a cell: 0.5 to an orthogonal
// neighbour, about 0.914 to a diagonal one; the target is reached when what is left after the
// moves is inside the range.
TEST_P(AiStraightReach, FollowsTheCentreDistance) {
    const StraightCase& c = GetParam();
    Start(test::PlainDef(12, 12), 2);
    Put(3, 3, 6, 1);
    Put(3 + c.dx, 3 + c.dy, 3, 2);
    SetMoves(3, 3, c.moves);
    EXPECT_EQ(Find(3, 3, TeamWide | InReachOnly | StraightDistance, 1, c.range).has_value(),
              c.reached)
        << c.dx << ", " << c.dy << " with " << c.moves << " moves, range " << c.range;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AiStraightReach,
    ::testing::Values(StraightCase{1, 0, 0, 1, false}, StraightCase{1, 0, 0, 2, true},
                      StraightCase{1, 0, 1, 1, true}, StraightCase{1, 1, 1, 1, true},
                      StraightCase{1, 1, 0, 1, false}, StraightCase{2, 0, 1, 1, false},
                      StraightCase{2, 2, 2, 2, true}, StraightCase{3, 0, 0, 3, false},
                      StraightCase{3, 0, 1, 3, true}, StraightCase{3, 3, 1, 3, false}));

TEST_F(AiTargetSearch, NeverReturnsThePieceOnItsStartCell) {
    Start(test::PlainDef(10, 10), 2);
    Put(1, 1, 3, 2);
    EXPECT_FALSE(Find(1, 1, TeamWide)) << "a search from (1, 1) skips the enemy standing there";
    Put(6, 6, 3, 2);
    EXPECT_EQ(Find(1, 1, TeamWide), (Cell{6, 6}));
    Put(4, 4, 3, 1);
    EXPECT_FALSE(Find(4, 4, Friendly)) << "a unit never finds itself";
}

TEST_F(AiTargetSearch, WallPiecesOnlyWithWallsOnlyAndThenNothingElse) {
    Start(test::PlainDef(10, 10), 2);
    Put(2, 3, unit_type::Wall, 2);
    EXPECT_FALSE(Find(2, 2, TeamWide));
    EXPECT_EQ(Find(2, 2, TeamWide | WallsOnly), (Cell{2, 3}));
    Put(8, 8, 3, 2);
    EXPECT_EQ(Find(2, 2, TeamWide | PreferNear), (Cell{8, 8}));
    EXPECT_EQ(Find(2, 2, TeamWide | WallsOnly | PreferNear), (Cell{2, 3}));
    game->SetUnit(2, 3, -1, 1);
    EXPECT_FALSE(Find(2, 2, TeamWide | WallsOnly));
}

TEST_F(AiTargetSearch, OwnershipSelectionByFriendlyAndTeamWide) {
    // Left against right: players 1 and 3 are allies, 2 is the enemy.
    Start(test::PlainDef(10, 10), 3);
    game->TeamsMode = 2;
    const int own = 1, ally = 3, enemy = 2;
    struct Case {
        int flags;
        bool own, ally, enemy;
    };
    for (const Case& c :
         {Case{0, false, true, true}, Case{Friendly, true, false, false},
          Case{TeamWide, false, false, true}, Case{Friendly | TeamWide, true, true, false}}) {
        for (auto [owner, expected] :
             {std::pair{own, c.own}, std::pair{ally, c.ally}, std::pair{enemy, c.enemy}}) {
            Clear();
            Put(5, 5, 3, own);
            Put(7, 7, 3, owner);
            EXPECT_EQ(Find(5, 5, c.flags).has_value(), expected)
                << "flags " << c.flags << ", a piece of player " << owner;
        }
    }
}

TEST_F(AiTargetSearch, HomeIntrudersStandInACastleOfTheSearchersQuarter) {
    Start(CastleDef(9, 9), 3);
    game->TeamsMode = 2;
    // The halves are cut by integer division: rows 1 to 3 are the top of a board 9 high,
    // columns 4 to 9 its right.
    EXPECT_EQ(BoardQuarter(*game, {3, 3}), 1);
    EXPECT_EQ(BoardQuarter(*game, {3, 4}), 3);
    EXPECT_EQ(BoardQuarter(*game, {4, 3}), 4);
    EXPECT_EQ(BoardQuarter(*game, {4, 4}), 2);

    const int intruders = HomeIntruder | CastleOnly | TeamWide;
    Put(3, 3, 3, 2); // an enemy on player 1's gate
    EXPECT_EQ(Find(5, 5, intruders), (Cell{3, 3}));
    EXPECT_FALSE(Find(5, 5, intruders, 3)) << "for player 3 it stands in another quarter";
    Clear();
    Put(3, 3, 3, 3);
    EXPECT_FALSE(Find(5, 5, intruders)) << "an ally is no intruder";
    Clear();
    Put(4, 4, 3, 2);
    EXPECT_FALSE(Find(5, 5, intruders)) << "outside the castle";
}

TEST_F(AiTargetSearch, OrderingComparesNearThenWorthyThenWeak) {
    specs.UnitRange[7] = 3; // type 7 is worth more than type 3
    Start(test::PlainDef(12, 12), 2);
    Put(1, 1, 3, 1);
    Put(3, 3, 3, 2);
    Put(4, 4, 7, 2);
    Put(8, 1, 3, 2);
    game->BoardUnit(8, 1) = 30; // weak
    EXPECT_EQ(Find(1, 1, TeamWide | PreferNear | PreferWorthy), (Cell{3, 3}));
    EXPECT_EQ(Find(1, 1, TeamWide | PreferWorthy | PreferWeak), (Cell{4, 4}));
    EXPECT_EQ(Find(1, 1, TeamWide | PreferWeak), (Cell{8, 1}));
    Put(1, 3, 7, 2); // as near as (3, 3) and worth more
    EXPECT_EQ(Find(1, 1, TeamWide | PreferNear | PreferWorthy), (Cell{1, 3}));
}

TEST_F(AiTargetSearch, EqualCandidatesAreChosenByChanceFavouringTheLaterOnes) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    const std::array<Cell, 3> candidates{Cell{2, 2}, Cell{2, 8}, Cell{8, 2}}; // in scan order
    for (const Cell& c : candidates)
        Put(c.X, c.Y, 3, 2);
    // Each candidate challenges the best so far and wins a coin toss: the last one is kept
    // half of the time, the others a quarter each.
    std::array<int, 3> chosen{};
    for (int i = 0; i < 400; ++i) {
        Target found = Find(5, 5, TeamWide | PreferNear);
        ASSERT_TRUE(found);
        for (size_t k = 0; k < 3; ++k)
            chosen[k] += *found == candidates[k];
    }
    EXPECT_GT(chosen[0], 60);
    EXPECT_GT(chosen[1], 60);
    EXPECT_GT(chosen[2], 150);
    EXPECT_EQ(chosen[0] + chosen[1] + chosen[2], 400);

    // By straight-line distance too: (2, 5) and (8, 5) both lie 2.5 away, the far side of the
    // board no nearer than its column.
    Clear();
    Put(5, 5, 3, 1);
    Put(2, 5, 3, 2);
    Put(8, 5, 3, 2);
    int right = 0;
    for (int i = 0; i < 100; ++i) {
        Target found = Find(5, 5, TeamWide | PreferNear | StraightDistance);
        ASSERT_TRUE(found);
        right += *found == Cell{8, 5};
    }
    EXPECT_GT(right, 20);
    EXPECT_LT(right, 80);
}

TEST_F(AiTargetSearch, FindsNothingWhenTheGameIsOver) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    Put(6, 6, 3, 2);
    game->GameOn = false;
    EXPECT_FALSE(Find(5, 5, TeamWide));
}

// The search written plainly: every cell in scan order, every filter asked of the piece itself,
// and each candidate set against the best so far with IsBetter.
Target PlainSearch(Game& game, int x, int y, int flags, int range, int player) {
    if (!game.GameOn)
        return std::nullopt;
    const int moves = game.OnBoard(x, y) ? game.PieceAt(x, y).MovesLeft : 0;
    const bool straight = flags & StraightDistance;
    Target best;
    float bestDistance = 0;
    for (int cx = 1; cx <= game.BoardWidth; ++cx) {
        for (int cy = 1; cy <= game.BoardHeight; ++cy) {
            const Piece piece = game.PieceAt(cx, cy);
            if ((cx == x && cy == y) || !piece.Alive())
                continue;
            const bool royal = piece.Type == unit_type::King || piece.Type == unit_type::Queen;
            if (((flags & WallsOnly) != 0) != (piece.Type == unit_type::Wall) ||
                ((flags & RoyalOnly) && !royal) ||
                !OwnerSelected(game, flags, piece.Owner, player) ||
                ((flags & VisibleOnly) && !game.Visible(cx, cy)))
                continue;
            const int dx = cx - x, dy = cy - y;
            const float distance =
                straight
                    ? static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)) - 0.5)
                    : static_cast<float>(std::max(std::abs(dx), std::abs(dy)));
            if (flags & InReachOnly) {
                const bool reached = straight ? distance - static_cast<float>(moves) + 1.0f <
                                                    static_cast<float>(range)
                                              : distance < static_cast<float>(moves);
                if (!reached)
                    continue;
            }
            if ((flags & (CastleOnly | HomeIntruder)) &&
                game.InCastle(cx, cy) == castle_cell::Outside)
                continue;
            if ((flags & HomeIntruder) &&
                (game.SameTeam(piece.Owner, player) || BoardQuarter(game, {cx, cy}) != player))
                continue;
            if (!best ||
                IsBetter(game, cx, cy, distance, best->X, best->Y, bestDistance, flags & 0xFF)) {
                best = Cell{cx, cy};
                bestDistance = distance;
            }
        }
    }
    return best;
}

// Boards crowded at random, odd cells included: strengths without pictures, pictures without
// strengths and pictures beyond those of four players. Every search finds what the plain one
// finds and leaves the random numbers where the plain one leaves them.
TEST_F(AiTargetSearch, FindsWhatAPlainScanFindsWithTheSameDraws) {
    struct Board {
        int width, height, players, teams;
        bool castles, fog;
    };
    Random scatter(4242);
    const auto below = [&](int n) { return static_cast<int>(scatter.Rnd() * n); };
    for (const Board& b : {Board{12, 9, 2, 0, false, false}, Board{30, 30, 4, 2, true, true},
                           Board{60, 60, 3, 0, true, false}, Board{60, 5, 4, 1, false, true},
                           Board{70, 20, 2, 0, false, false}}) {
        // Boards wider or taller than a scenario allows are searched too.
        const bool oversized = b.width > kMaxBoardSide || b.height > kMaxBoardSide;
        Start(b.castles ? CastleDef(std::min(b.width, kMaxBoardSide), b.height)
                        : test::PlainDef(std::min(b.width, kMaxBoardSide), b.height),
              b.players);
        if (oversized) {
            game->BoardWidth = static_cast<int16_t>(b.width);
            game->ResizeBoard();
        }
        game->TeamsMode = static_cast<int16_t>(b.teams);
        game->FogOn = b.fog;
        for (int x = 1; x <= b.width; ++x) {
            for (int y = 1; y <= b.height; ++y) {
                const int roll = below(100);
                if (roll < 20)
                    Put(x, y, below(kUnitTypes), below(b.players) + 1);
                if (roll < 3)
                    game->BoardUnit(x, y) =
                        static_cast<int16_t>(below(3) * 10); // 0, 1 or 2 hit points
                else if (roll < 5 && b.teams != 1)
                    game->BoardPic(x, y) = static_cast<int16_t>(61 + below(15));
                else if (roll < 6)
                    game->BoardUnit(x, y) = 25; // a strength on an empty cell
                else if (roll < 7 && b.teams != 1)
                    game->BoardPic(x, y) = -3;
            }
        }
        game->CurrentPlayer = 1;
        game->Update();
        for (int search = 0; search < 300; ++search) {
            const int x = below(b.width + 2), y = below(b.height + 2); // the border too
            const int flags = below(0x1000), range = below(5) + 1, player = below(b.players) + 1;
            const uint64_t seed = static_cast<uint64_t>(search) + 1;
            game->Rng().Seed(seed);
            const Target found = FindTarget(*game, x, y, flags, range, player);
            const double next = game->Rng().Rnd();
            game->Rng().Seed(seed);
            const Target plain = PlainSearch(*game, x, y, flags, range, player);
            ASSERT_EQ(found, plain) << b.width << " x " << b.height << " from (" << x << ", " << y
                                    << "), flags " << flags << ", player " << player;
            ASSERT_EQ(next, game->Rng().Rnd()) << "flags " << flags << ": other draws";
        }
    }
}

class AiBlockingWall : public test::AiFixture {
protected:
    void SetUp() override {
        AiFixture::SetUp();
        Start(test::PlainDef(12, 12), 3);
        game->TeamsMode = 2; // 1 and 3 against 2
        Put(2, 5, 3, 1);
        Put(9, 5, 3, 2);
    }
    Target Check() {
        TurnGuard guard = ComputerTurnOf(1);
        Target target = Cell{9, 5};
        CheckForBlockingWall(guard, {2, 5}, target);
        return target;
    }
};

TEST_F(AiBlockingWall, OwnAndAlliedWallsAreNoObstacle) {
    Put(5, 5, unit_type::Wall, 1);
    Put(6, 5, unit_type::Wall, 3);
    EXPECT_EQ(Check(), (Cell{9, 5}));
}

TEST_F(AiBlockingWall, AnEnemyWallOnTheLineTurnsTheUnitToTheBestEnemyWallInReach) {
    Put(5, 5, unit_type::Wall, 2);
    Put(3, 4, unit_type::Wall, 2); // next to the unit, off the line
    EXPECT_EQ(Check(), (Cell{3, 4}));
}

TEST_F(AiBlockingWall, WithoutAWallInReachTheNearestVisibleEnemyWallIsTaken) {
    Put(6, 5, unit_type::Wall, 2);
    Put(2, 8, unit_type::Wall, 2); // nearer than the blocking one, but out of reach
    SetMoves(2, 5, 2);
    EXPECT_EQ(Check(), (Cell{2, 8}));
}

TEST_F(AiBlockingWall, UnseenWallsLeaveTheBlockingOne) {
    Put(7, 5, unit_type::Wall, 2);
    game->FogOn = true;
    EXPECT_EQ(Check(), (Cell{7, 5}));
}

} // namespace
} // namespace marovane
