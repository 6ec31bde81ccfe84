#include "scenario/BoardString.h"

#include <gtest/gtest.h>

#include <vector>

namespace marovane {
namespace {

using board_string::Placement;

std::vector<Placement> Steps(const std::string& text) {
    std::vector<Placement> steps;
    board_string::Execute(text, [&](const Placement& p) { steps.push_back(p); });
    return steps;
}

TEST(BoardStringEncoding, HeaderAndCellCodes) {
    std::string text = board_string::Encode(
        30, 30, [](int, int) { return -2; }, [](int, int) { return -2; });
    ASSERT_EQ(text.size(), 902u);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 120);
    EXPECT_EQ(static_cast<unsigned char>(text[1]), 240);
    EXPECT_EQ(text.find_first_not_of(' ', 2), std::string::npos) << "nothing differs: all blanks";

    EXPECT_EQ(board_string::EncodeCell(-1), 16);
    EXPECT_EQ(board_string::EncodeCell(0), 0);
    EXPECT_EQ(board_string::EncodeCell(14), 14);
    EXPECT_EQ(static_cast<unsigned char>(board_string::EncodeCell(15 + 3)), 64 + 3);
    EXPECT_EQ(static_cast<unsigned char>(board_string::EncodeCell(59)), 192 + 14);
}

TEST(BoardStringEncoding, CellsEqualToTheStandardLayoutStayBlank) {
    // The standard layout has a unit of picture 3 at (1, 1) and (2, 1).
    auto base = [](int x, int y) { return y == 1 && x <= 2 ? 3 : -1; };
    auto shown = [](int x, int y) {
        if (x == 1 && y == 1)
            return 3; // unchanged
        if (x == 2 && y == 1)
            return -1; // emptied
        if (x == 3 && y == 2)
            return 15 + 7;
        return -1;
    };
    std::string text = board_string::Encode(4, 2, shown, base);
    ASSERT_EQ(text.size(), 2u + 8u);
    EXPECT_EQ(text.substr(2), std::string(" \x10    ") + char(64 + 7) + " ");
}

TEST(BoardStringExecution, EntriesAreGivenInTheirOwnersFrame) {
    // A 10 x 8 string with one unit per player and an emptied cell.
    std::string text(2 + 80, ' ');
    text[0] = char(40);
    text[1] = char(64);
    auto cell = [&](int x, int y) -> char& { return text[2 + (y - 1) * 10 + (x - 1)]; };
    cell(2, 3) = char(5);          // player 1, type 5
    cell(2, 3 + 1) = char(64 + 6); // player 2, type 6
    cell(3, 1) = char(128 + 7);    // player 3, type 7
    cell(4, 2) = char(192 + 8);    // player 4, type 8
    cell(10, 8) = char(16);        // emptied
    auto steps = Steps(text);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].Type, 7);
    EXPECT_EQ(steps[0].Player, 3);
    EXPECT_EQ(steps[0].X, 3);
    EXPECT_EQ(steps[0].Y, 8) << "player 3 counts rows from the bottom";
    EXPECT_EQ(steps[1].Player, 4);
    EXPECT_EQ(steps[1].X, 7) << "player 4 counts columns from the right";
    EXPECT_EQ(steps[1].Y, 2);
    EXPECT_EQ(steps[2].Player, 1);
    EXPECT_EQ(steps[2].X, 2);
    EXPECT_EQ(steps[2].Y, 3);
    EXPECT_EQ(steps[3].Player, 2);
    EXPECT_EQ(steps[3].X, 9);
    EXPECT_EQ(steps[3].Y, 5);
    EXPECT_EQ(steps[4].Type, -1);
    EXPECT_EQ(steps[4].Player, 1);
    EXPECT_EQ(steps[4].X, 10) << "an emptied cell is absolute";
    EXPECT_EQ(steps[4].Y, 8);
}

TEST(BoardStringExecution, BlankStringsEmptyBoardsAndPaddingDoNothing) {
    EXPECT_TRUE(Steps("").empty());
    EXPECT_TRUE(Steps(std::string(902, ' ')).empty());
    EXPECT_TRUE(Steps(std::string(902, '\0')).empty()) << "an all-zero record has a 0 x 0 board";
    std::string noCells = std::string(1, char(0)) + char(80) + "\x05\x05";
    EXPECT_TRUE(Steps(noCells).empty());
    // Characters past the stored board's cells are padding, not cells.
    std::string twoByTwo = std::string(1, char(8)) + char(16) + "    " + "\x05\x05";
    EXPECT_TRUE(Steps(twoByTwo).empty());
    // Low header bits are ignored: 41 / 4 is still 10.
    std::string text = std::string(1, char(43)) + char(87) + "\x03";
    auto steps = Steps(text);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].X, 1);
}

// Found by fuzzing: an 8 x 4 board has blanks for its header, and a peasant of player 1 is a NUL,
// so a string placing only such peasants is made of blanks and NULs. It is not blank: what was
// encoded must run again.
TEST(BoardStringExecution, AStringOfBlanksAndNulsStillPlacesItsUnits) {
    const std::string text = board_string::Encode(
        8, 4, [](int x, int y) { return x == 2 && y == 1 ? 0 : -2; }, [](int, int) { return -2; });
    ASSERT_EQ(text.substr(0, 2), "  ");
    int width = 0;
    int height = 0;
    board_string::ReadHeader(text, width, height);
    EXPECT_EQ(width, 8);
    EXPECT_EQ(height, 4);
    auto steps = Steps(text);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].X, 2);
    EXPECT_EQ(steps[0].Y, 1);
    EXPECT_EQ(steps[0].Type, 0);
    EXPECT_EQ(steps[0].Player, 1);
}

TEST(BoardStringExecution, ProblemsNameTheCell) {
    std::string text = std::string(1, char(16)) + char(16) + "   " + char(64 + 15);
    EXPECT_NE(board_string::Problem(text).find("(4, 1)"), std::string::npos);
    EXPECT_EQ(board_string::Problem(std::string(1, char(16)) + char(16) + "\x0e\x10  "), "");
}

} // namespace
} // namespace marovane
