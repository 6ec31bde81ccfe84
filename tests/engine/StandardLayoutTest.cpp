#include "engine/StandardLayout.h"

#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <ostream>

namespace marovane {

void PrintTo(const LaidPiece& piece, std::ostream* out) {
    *out << "(" << piece.At.X << ", " << piece.At.Y << ") type " << piece.Type << " of player "
         << piece.Player;
}

namespace {

// A formation with five different types, none of them placed symmetrically:
// (1, 1) type 0, (2, 1) type 4, (4, 2) type 7, (1, 4) type 14, (2, 3) type 1.
GameDef FormationDef() {
    GameDef def = test::PlainDef(9, 7);
    def.StartPos = {};
    def.StartPos[0][0] = 0 + 1;
    def.StartPos[1][0] = 4 + 1;
    def.StartPos[3][1] = 7 + 1;
    def.StartPos[0][3] = 14 + 1;
    def.StartPos[1][2] = 1 + 1;
    return def;
}

TEST(StandardLayout, FourPlayersOnANineBySevenBoard) {
    // Worked by hand: player 2 mirrors x to 10 - x and y to 8 - y, player 3 only y, player 4
    // only x. Row 4 is the middle row, so player 3's wall lands on player 1's and player 4's on
    // player 2's: the lower player's piece stays.
    const std::vector<LaidPiece> expected = {
        {{1, 1}, 0, 1}, {{1, 4}, 14, 1}, {{1, 7}, 0, 3}, {{2, 1}, 4, 1}, {{2, 3}, 1, 1},
        {{2, 5}, 1, 3}, {{2, 7}, 4, 3},  {{4, 2}, 7, 1}, {{4, 6}, 7, 3}, {{6, 2}, 7, 4},
        {{6, 6}, 7, 2}, {{8, 1}, 4, 4},  {{8, 3}, 1, 4}, {{8, 5}, 1, 2}, {{8, 7}, 4, 2},
        {{9, 1}, 0, 4}, {{9, 4}, 14, 2}, {{9, 7}, 0, 2},
    };
    EXPECT_EQ(StandardLayout(FormationDef(), 9, 7, 4), expected);
}

TEST(StandardLayout, TwoPlayersOnANineBySevenBoard) {
    const std::vector<LaidPiece> expected = {
        {{1, 1}, 0, 1}, {{1, 4}, 14, 1}, {{2, 1}, 4, 1}, {{2, 3}, 1, 1},  {{4, 2}, 7, 1},
        {{6, 6}, 7, 2}, {{8, 5}, 1, 2},  {{8, 7}, 4, 2}, {{9, 4}, 14, 2}, {{9, 7}, 0, 2},
    };
    EXPECT_EQ(StandardLayout(FormationDef(), 9, 7, 2), expected);
}

TEST(StandardLayout, TheTutorialsUnitsStandOverTheFormations) {
    GameDef def = test::PlainDef(6, 6);
    def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Tutorial));
    def.StartPos = {};
    def.StartPos[2][2] = 5 + 1; // (3, 3)
    def.StartPos[3][2] = 5 + 1; // (4, 3)
    // Player 2's own formation lands on (4, 4) and (3, 4), player 1's on (3, 3) and (4, 3). The
    // tutorial's light archer, cavalry and infantry of player 2 take his relative (3, 3), (3, 4)
    // and (4, 3): the board cells (4, 4), (4, 3) and (3, 4).
    const std::vector<LaidPiece> expected = {
        {{3, 3}, 5, 1}, {{3, 4}, 3, 2}, {{4, 3}, 9, 2}, {{4, 4}, 6, 2}};
    EXPECT_EQ(StandardLayout(def, 6, 6, 2), expected);
}

// Found by fuzzing: a tutorial scenario started for one player gave the absent player 2 his three
// units, a board no game can hold (it could not be saved, and the computer stopped on it).
TEST(StandardLayout, AOnePlayerTutorialHasNoUnitsOfPlayerTwo) {
    GameDef def = test::PlainDef(6, 6);
    def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Tutorial));
    for (const LaidPiece& piece : StandardLayout(def, 6, 6, 1))
        EXPECT_EQ(piece.Player, 1) << "at (" << piece.At.X << ", " << piece.At.Y << ")";
    EXPECT_EQ(StandardLayout(def, 6, 6, 2).size(), StandardLayout(def, 6, 6, 1).size() * 2 + 3);
}

TEST(StandardLayout, OffTheBoardAndNoUnitTypeLeaveNothing) {
    GameDef def = test::PlainDef(3, 2);
    def.StartPos = {};
    def.StartPos[0][0] = 1;  // (1, 1): a peasant
    def.StartPos[3][1] = 8;  // (4, 2): off a 3 x 2 board
    def.StartPos[1][1] = 16; // (2, 2): no unit type
    def.StartPos[2][0] = -1; // (3, 1): no unit type
    EXPECT_EQ(StandardLayout(def, 3, 2, 1), (std::vector<LaidPiece>{{{1, 1}, 0, 1}}));
    EXPECT_TRUE(StandardLayout(def, 0, 0, 2).empty());
}

} // namespace
} // namespace marovane
