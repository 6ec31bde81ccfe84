#include "ai/Approach.h"
#include "ai/AiFixture.h"

namespace marovane {
namespace {

class AiApproach : public test::AiFixture {
protected:
    // Player p's unit on `from` approaches `target`; answers where it ended.
    Cell Go(Cell from, Cell target, bool settle = false, int p = 1) {
        TurnGuard guard = ComputerTurnOf(p);
        Cell current = from;
        Approach(guard, current, target, settle);
        return current;
    }
};

TEST_F(AiApproach, ATargetOffTheBoardLeavesTheUnitAlone) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    EXPECT_EQ(Go({5, 5}, {11, 5}), (Cell{5, 5}));
    EXPECT_EQ(Go({5, 5}, {5, 0}), (Cell{5, 5}));
    EXPECT_EQ(MovesLeft(5, 5), 3);
}

TEST_F(AiApproach, SettleEndsTheMovesOnArrival) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    EXPECT_EQ(Go({5, 5}, {5, 5}), (Cell{5, 5}));
    EXPECT_EQ(MovesLeft(5, 5), 3) << "without settle the unit keeps its moves";
    EXPECT_EQ(Go({5, 5}, {5, 5}, true), (Cell{5, 5}));
    EXPECT_EQ(MovesLeft(5, 5), 0);

    Put(2, 2, 3, 1);
    EXPECT_EQ(Go({2, 2}, {4, 2}), (Cell{4, 2}));
    EXPECT_EQ(MovesLeft(4, 2), 1);
    Put(2, 8, 3, 1);
    EXPECT_EQ(Go({2, 8}, {4, 8}, true), (Cell{4, 8}));
    EXPECT_EQ(MovesLeft(4, 8), 0);
}

TEST_F(AiApproach, AnArcherShootsAlongItsRangeShape) {
    specs.UnitRange[6] = 3;
    Start(test::PlainDef(12, 12), 2);
    Put(2, 5, 6, 1);
    Put(5, 5, 3, 2);
    EXPECT_EQ(Go({2, 5}, {5, 5}), (Cell{2, 5})) << "three cells in a straight line: no step";
    EXPECT_EQ(HitPoints(5, 5), 7);
    EXPECT_EQ(MovesLeft(2, 5), 0);

    // Three cells diagonally lie outside the shape of range 3 (3 + 3 is not below 5.5).
    Put(2, 8, 6, 1);
    Put(5, 11, 3, 2);
    EXPECT_EQ(Go({2, 8}, {5, 11}), (Cell{3, 9}));
    EXPECT_EQ(HitPoints(5, 11), 8) << "a shot after moving is weaker";
}

TEST_F(AiApproach, CavalryWithAllItsMovesChargesFromTheSide) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, unit_type::FirstCavalry, 1);
    Put(6, 5, 3, 2);
    EXPECT_EQ(Go({5, 5}, {6, 5}), (Cell{6, 6})) << "one step to another cell beside the enemy";
    EXPECT_EQ(HitPoints(6, 5), 6) << "a charge strikes one and a half times as hard";

    // Once it has moved, or when it is infantry, it attacks from where it stands.
    Clear();
    Put(5, 5, unit_type::FirstCavalry, 1);
    Put(6, 5, 3, 2);
    SetMoves(5, 5, 2);
    EXPECT_EQ(Go({5, 5}, {6, 5}), (Cell{5, 5}));
    Put(2, 2, 3, 1);
    Put(3, 3, 3, 2);
    EXPECT_EQ(Go({2, 2}, {3, 3}), (Cell{2, 2}));
    EXPECT_EQ(HitPoints(3, 3), 7);
}

TEST_F(AiApproach, ABlockedUnitSideStepsInTheOrderOfTheTables) {
    Moves(4, 1);
    Start(test::PlainDef(12, 12), 2);
    auto stepFrom55 = [&](Cell target, std::vector<Cell> blocked) {
        Clear();
        for (const Cell& b : blocked)
            Put(b.X, b.Y, 3, 1);
        Put(5, 5, 4, 1);
        return Go({5, 5}, target);
    };
    // Blocked on a diagonal: along the axis of the larger distance first, then the other.
    EXPECT_EQ(stepFrom55({9, 6}, {{6, 6}}), (Cell{6, 5}));
    EXPECT_EQ(stepFrom55({6, 9}, {{6, 6}}), (Cell{5, 6}));
    EXPECT_EQ(stepFrom55({9, 6}, {{6, 6}, {6, 5}}), (Cell{5, 6}));
    // Blocked on a straight line: the two diagonals that still gain, and nothing else.
    EXPECT_EQ(stepFrom55({9, 5}, {{6, 5}}), (Cell{6, 6}));
    EXPECT_EQ(stepFrom55({9, 5}, {{6, 5}, {6, 6}}), (Cell{6, 4}));
    EXPECT_EQ(stepFrom55({9, 5}, {{6, 5}, {6, 6}, {6, 4}}), (Cell{5, 5}));
}

TEST_F(AiApproach, AUnitOutsideACastleGoesInByTheGate) {
    Moves(3, 2);
    Moves(4, 4);
    Start(CastleDef(10, 10), 2);
    Put(2, 1, 5, 1); // in player 1's yard
    Put(5, 2, 3, 2);
    EXPECT_EQ(Go({5, 2}, {2, 1}, false, 2), (Cell{3, 3}));

    Clear();
    Put(2, 1, 5, 1);
    Put(5, 2, 4, 2); // four moves: on through the gate and into the fight
    EXPECT_EQ(Go({5, 2}, {2, 1}, false, 2), (Cell{2, 2}));
    EXPECT_EQ(HitPoints(2, 1), 8);
}

TEST_F(AiApproach, AUnitThatCannotFightAcrossAWallGoesRoundByTheGate) {
    specs.UnitWallPenalty[4] = 9;
    Start(CastleDef(10, 10), 2);
    Put(3, 2, unit_type::Wall, 1);
    Put(4, 2, 4, 2);
    EXPECT_EQ(Go({4, 2}, {3, 2}, false, 2), (Cell{3, 3}));
    EXPECT_EQ(HitPoints(3, 2), 14) << "it strikes from the gate, after moving";

    // A unit that can fight across the wall strikes from where it stands.
    Clear();
    Put(3, 2, unit_type::Wall, 1);
    Put(4, 2, 3, 2);
    EXPECT_EQ(Go({4, 2}, {3, 2}, false, 2), (Cell{4, 2}));
    EXPECT_EQ(HitPoints(3, 2), 13);
}

TEST_F(AiApproach, APriestHealsOnlyAWoundedTeamMate) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, unit_type::Priest, 1);
    Put(6, 5, 3, 1);
    EXPECT_EQ(Go({5, 5}, {6, 5}), (Cell{5, 5}));
    EXPECT_EQ(HitPoints(6, 5), 9);
    EXPECT_EQ(MovesLeft(5, 5), 3) << "nothing to heal: the priest does nothing";

    game->BoardUnit(6, 5) = 53;
    EXPECT_EQ(Go({5, 5}, {6, 5}), (Cell{5, 5}));
    EXPECT_EQ(HitPoints(6, 5), 7);
    EXPECT_EQ(MovesLeft(5, 5), 0);

    // Any other unit only comes next to a team-mate.
    Put(2, 2, 3, 1);
    Put(5, 2, 3, 1);
    game->BoardUnit(5, 2) = 53;
    EXPECT_EQ(Go({2, 2}, {5, 2}), (Cell{4, 2}));
    EXPECT_EQ(HitPoints(5, 2), 5);
}

} // namespace
} // namespace marovane
