#include "engine/Piece.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"

#include "support/TestGame.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

TEST(Piece, StrengthCodesTellHitPointsAndMovesLeft) {
    Piece piece = DecodePiece(3, 53);
    EXPECT_EQ(piece.HitPoints, 5);
    EXPECT_EQ(piece.MovesLeft, 3);
    EXPECT_TRUE(piece.Alive());
    piece = DecodePiece(14, 150); // a wall piece: many hit points, never a move
    EXPECT_EQ(piece.HitPoints, 15);
    EXPECT_EQ(piece.MovesLeft, 0);
    piece = DecodePiece(20, 9); // no hit points, but a unit while it has moves
    EXPECT_EQ(piece.HitPoints, 0);
    EXPECT_EQ(piece.MovesLeft, 9);
    EXPECT_TRUE(piece.Alive());
    // Its moves used, such a unit leaves only its picture.
    EXPECT_FALSE(DecodePiece(20, 0).Alive());
    EXPECT_FALSE(DecodePiece(20, 0).Empty());
    // A strength without a picture is nobody's piece.
    EXPECT_TRUE(DecodePiece(-1, 42).Empty());
    EXPECT_FALSE(DecodePiece(-1, 42).Alive());
}

TEST(Piece, GameReadsThePieceOnACell) {
    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game{specs, port, 3};
    test::TempDir dir;
    ASSERT_TRUE(game.NewGame(dir.Write("Plain", test::PlainDef(10, 8)), test::Humans(3)));
    game.PlaceUnit(6, 4, 7, 3);
    game.BoardUnit(6, 4) = 42;
    EXPECT_EQ(game.PieceAt(6, 4), (Piece{3, 7, 4, 2}));
    EXPECT_TRUE(game.PieceAt(6, 5).Empty());
    // Player 2's peasant from the formation, in his corner, at full strength.
    EXPECT_EQ(game.PieceAt(10, 8), (Piece{2, 0, specs.HitPoints(0), specs.Moves(0)}));
}

} // namespace
} // namespace marovane
