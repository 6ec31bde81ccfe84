#include "ai/AiFixture.h"

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
}

TEST_F(AiTargetSearch, FindsNothingWhenTheGameIsOver) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    Put(6, 6, 3, 2);
    game->GameOn = false;
    EXPECT_FALSE(Find(5, 5, TeamWide));
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
