#include "support/RulesFixture.h"

namespace marovane {
namespace {

class Movement : public test::RulesFixture {};

TEST_F(Movement, AUnitStepsAsOftenAsItsMovesAllowAndGetsThemBackNextTurn) {
    specs.UnitStrength[3] = 53;
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    Put(9, 9, 3, 2);
    for (int step = 0; step < 3; ++step) {
        int x2 = 6 + step;
        EXPECT_TRUE(game->MovePiece(5 + step, 5, x2, 5)) << step;
    }
    EXPECT_EQ(MovesLeft(8, 5), 0);
    int x2 = 9;
    EXPECT_FALSE(game->MovePiece(8, 5, x2, 5)) << "no moves: the caller no longer offers it";
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 2);
    EXPECT_EQ(MovesLeft(8, 5), 3) << "every unit gets its moves back when a turn ends";
}

TEST_F(Movement, ARefusedStepChangesNothing) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    Put(6, 5, 4, 1);
    int x2 = 6;
    EXPECT_FALSE(game->MovePiece(5, 5, x2, 5));
    EXPECT_EQ(x2, -1);
    x2 = 7;
    EXPECT_FALSE(game->MovePiece(5, 5, x2, 5)) << "two cells away";
    EXPECT_EQ(game->PicNum(5, 5), 3);
    EXPECT_EQ(game->BoardUnit(5, 5), specs.UnitStrength[3]);
}

TEST_F(Movement, CastlesAreEnteredAndLeftThroughTheGate) {
    Start(CastleDef(10, 10), 2);
    Put(4, 4, 3, 1);
    int x2 = 3;
    EXPECT_TRUE(game->MovePiece(4, 4, x2, 3)) << "outside onto the gate";
    x2 = 2;
    EXPECT_TRUE(game->MovePiece(3, 3, x2, 2)) << "gate into the yard";
    Put(4, 2, 4, 1);
    x2 = 3;
    EXPECT_FALSE(game->MovePiece(4, 2, x2, 2)) << "outside straight onto the wall";
    Put(3, 2, 5, 1);
    x2 = 4;
    EXPECT_FALSE(game->MovePiece(3, 2, x2, 2)) << "wall down to the outside";
    x2 = 2;
    EXPECT_TRUE(game->MovePiece(3, 2, x2, 1)) << "wall down into the yard";
}

TEST_F(Movement, TheCastleOfAnEmptySlotIsOpen) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::None};
    Start(CastleDef(10, 10), setup);
    Put(6, 9, 3, 1); // beside player 2's empty castle: its wall (8, 9) is relative (3, 2)
    Put(7, 9, 4, 1);
    int x2 = 8;
    EXPECT_TRUE(game->MovePiece(7, 9, x2, 9));
    EXPECT_EQ(game->InCastle(8, 9), castle_cell::Wall) << "its walls still count as walls";
    EXPECT_EQ(game->InCastle(8, 8), castle_cell::Outside) << "but its gate does not exist";
}

TEST_F(Movement, CastleCellsAreClassifiedPerPlayerFrame) {
    Start(CastleDef(10, 10), 2);
    using namespace castle_cell;
    EXPECT_EQ(game->InCastle(1, 1), Keep);
    EXPECT_EQ(game->InCastle(3, 3), Gate);
    for (auto [x, y] : {std::pair{1, 3}, {3, 1}, {2, 3}, {3, 2}})
        EXPECT_EQ(game->InCastle(x, y), Wall) << x << ", " << y;
    for (auto [x, y] : {std::pair{1, 2}, {2, 1}, {2, 2}})
        EXPECT_EQ(game->InCastle(x, y), Yard) << x << ", " << y;
    EXPECT_EQ(game->InCastle(4, 4), Outside);
    EXPECT_EQ(game->InCastle(10, 10), Keep);
    EXPECT_EQ(game->InCastle(8, 8), Gate);
    EXPECT_EQ(game->InCastle(9, 8), Wall);

    // Without keeps the keep cell is part of the yard.
    Start(CastleDef(10, 10, false), 2);
    EXPECT_EQ(game->InCastle(1, 1), Yard);
}

TEST_F(Movement, WithoutCastlesOnlyTheKeepsAreSpecial) {
    GameDef def = test::PlainDef(10, 10);
    def.Options = static_cast<int16_t>(def.Options & ~Bit(option_bit::NoKeep));
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::Human, SlotKind::None};
    Start(def, setup);
    EXPECT_EQ(game->InCastle(1, 1), castle_cell::Keep);
    EXPECT_EQ(game->InCastle(10, 10), castle_cell::Keep);
    EXPECT_EQ(game->InCastle(1, 10), castle_cell::Outside) << "player 3's slot is empty";
    EXPECT_EQ(game->InCastle(3, 3), castle_cell::Outside);
    EXPECT_EQ(game->InCastle(2, 1), castle_cell::Outside);
}

TEST_F(Movement, WallsBetweenCells) {
    Start(CastleDef(10, 10), 2);
    EXPECT_TRUE(game->ThroughWall(3, 2, 4, 2, 1)) << "melee across the wall";
    EXPECT_FALSE(game->ThroughWall(3, 2, 4, 2, 3)) << "shooting from the wall";
    EXPECT_FALSE(game->ThroughWall(3, 2, 2, 2, 1)) << "between the wall and its yard";
    EXPECT_FALSE(game->ThroughWall(3, 3, 4, 4, 1)) << "the gate is open";
    EXPECT_TRUE(game->ThroughWall(2, 2, 5, 5, 4)) << "from the yard to the outside";
    EXPECT_TRUE(game->ThroughWall(5, 5, 1, 1, 4)) << "from the outside into the keep";
    EXPECT_FALSE(game->ThroughWall(1, 1, 2, 2, 1)) << "inside one castle";
    EXPECT_FALSE(game->ThroughWall(5, 5, 6, 6, 1)) << "both outside";
    Start(test::PlainDef(10, 10), 2);
    EXPECT_FALSE(game->ThroughWall(3, 2, 4, 2, 1)) << "no castles, no walls";
}

TEST_F(Movement, StepsExploreTheSurroundingCells) {
    Start(test::PlainDef(12, 12), 2);
    Put(7, 7, 3, 1);
    EXPECT_EQ(game->BoardMark(9, 8) & 2, 0);
    int x2 = 8;
    game->MovePiece(7, 7, x2, 7);
    for (int x = 7; x <= 9; ++x) {
        for (int y = 6; y <= 8; ++y)
            EXPECT_EQ(game->BoardMark(x, y) & 2, 2) << x << ", " << y;
    }
    EXPECT_EQ(game->BoardMark(10, 7) & 2, 0);
    EXPECT_EQ(game->BoardMark(9, 8) & 4, 0) << "only the mover's bit";
}

TEST_F(Movement, LastMoveLeavesTheNextUnitCycle) {
    specs.UnitStrength[3] = 51;
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    game->NextUnitIndex = 2;
    int x2 = 6;
    game->MovePiece(5, 5, x2, 6);
    EXPECT_EQ(game->NextUnitIndex, 1);
    EXPECT_EQ(game->HighX, 0) << "a unit without moves is no longer selected";
    EXPECT_EQ(port.NoMovesShown, 1) << "and the player has nothing left to move";
}

TEST_F(Movement, CaptivesJoinWhenAnOwnUnitComesNext) {
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Royalty));
    Start(def, 2);
    game->KingX[1] = 8;
    game->KingY[1] = 8;
    game->QueenX[1] = 6;
    game->QueenY[1] = 8;
    Put(6, 8, 4, 2); // something stands on the Queen's cell
    Put(6, 6, 3, 1);
    int x2 = 7;
    game->MovePiece(6, 6, x2, 7);
    EXPECT_EQ(game->PicNum(8, 8), 12);
    EXPECT_EQ(game->KingX[1], -1);
    EXPECT_EQ(game->PicNum(6, 8), 15 + 4);
    EXPECT_EQ(game->QueenX[1], 6) << "the Queen waits until her cell is free";
}

TEST_F(Movement, ACaptiveOfAPlayerWhoIsOutNeverJoins) {
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Royalty));
    Start(def, 3);
    Put(2, 2, 3, 1);
    Put(2, 11, 3, 3);
    Put(6, 8, 4, 2); // player 2's unit stands where his Queen waits
    game->QueenX[2] = 6;
    game->QueenY[2] = 8;
    game->BoardMark(6, 8) |= 1 << 2;
    game->Lose(2, -1); // the cell comes free as his pieces go
    EXPECT_TRUE(game->GameOn);
    EXPECT_EQ(game->PicNum(6, 8), -1) << "no piece of a player who is out";
}

TEST_F(Movement, PartiesAndCorners) {
    Start(test::PlainDef(10, 10), 3);
    EXPECT_EQ(game->CornerOwner(4, 4), 1);
    EXPECT_EQ(game->CornerOwner(7, 7), 2);
    EXPECT_EQ(game->CornerOwner(2, 9), 3);
    EXPECT_EQ(game->CornerOwner(9, 2), 0) << "player 4 is not in this game";
    EXPECT_EQ(game->CornerOwner(5, 5), 0);

    auto empty = game->FindParty(1);
    ASSERT_EQ(empty.size(), static_cast<size_t>(kPartyRows));
    EXPECT_EQ(empty[0].X, -1);
    EXPECT_EQ(empty[200].Type, -1);

    Put(5, 2, 3, 1);
    Put(2, 7, 14, 1);
    Put(2, 3, 12, 1);
    Put(6, 6, 4, 2);
    auto party = game->FindParty(1);
    EXPECT_EQ(party[0].X, 2);
    EXPECT_EQ(party[0].Y, 3);
    EXPECT_EQ(party[1].Y, 7);
    EXPECT_EQ(party[1].Type, 14);
    EXPECT_EQ(party[2].X, 5);
    EXPECT_EQ(party[3].X, -1);
    EXPECT_EQ(game->PartySize(1), 1) << "royals and walls are not party members";
    EXPECT_EQ(game->PartySize(2), 1);
}

TEST_F(Movement, MovesAreRenewedOnlyUpToTheTypesAllowance) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 3, 1);
    game->BoardUnit(5, 5) = 20; // two hit points, no moves
    game->RenewAllMoves();
    EXPECT_EQ(game->BoardUnit(5, 5), 20 + specs.Moves(3));
    EXPECT_EQ(game->BoardUnit(6, 6), 0) << "an empty cell is left alone";
}

} // namespace
} // namespace marovane
