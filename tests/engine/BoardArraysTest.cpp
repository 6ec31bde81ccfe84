#include "engine/BoardArrays.h"

#include "engine/BoardArraysBytes.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "support/TestGame.h"
#include "util/Bytes.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace marovane {
namespace {

// A 5 x 4 board of 3 players (not square, so rows and columns cannot be mixed up unseen) with a
// value of its own in every cell of every array.
BoardArrays NumberedBoard() {
    BoardArrays board(5, 4, 3);
    for (int y = 1; y <= 4; ++y) {
        for (int x = 1; x <= 5; ++x) {
            board.BoardUnit(x, y) = static_cast<int16_t>(-(10 * y + x));
            board.BoardPic(x, y) = static_cast<int16_t>(1000 + 10 * y + x);
            for (int p = 1; p <= 3; ++p)
                board.Seen(x, y, p) = static_cast<uint8_t>(100 * (p - 1) + 10 * y + x);
        }
    }
    for (int y = 0; y <= 4; ++y) {
        for (int x = 0; x <= 5; ++x)
            board.BoardMark(x, y) = static_cast<uint8_t>(200 + 10 * y + x);
    }
    return board;
}

TEST(BoardArrays, EqualityNoticesAChangeInEveryArrayAndInTheShape) {
    const BoardArrays base = NumberedBoard();
    EXPECT_EQ(BoardArrays(base), base);
    const std::pair<const char*, std::function<void(BoardArrays&)>> changes[] = {
        {"BoardUnit", [](BoardArrays& b) { b.BoardUnit(5, 4) = 0; }},
        {"BoardPic", [](BoardArrays& b) { b.BoardPic(1, 1) = 0; }},
        {"Seen", [](BoardArrays& b) { b.Seen(3, 2, 3) = 0; }},
        {"BoardMark", [](BoardArrays& b) { b.BoardMark(0, 4) = 0; }},
    };
    for (const auto& [array, change] : changes) {
        BoardArrays changed = base;
        change(changed);
        EXPECT_NE(changed, base) << array;
    }
    // The same number of cells in every array, laid out differently.
    EXPECT_NE(BoardArrays(4, 5, 2), BoardArrays(5, 4, 2));
    EXPECT_NE(BoardArrays(5, 4, 2), BoardArrays(5, 4, 3));
}

TEST(BoardArrays, EveryAccessOffTheBoardThrows) {
    BoardArrays board(5, 4, 2);
    for (auto [x, y] : {std::pair{0, 1}, {6, 1}, {1, 0}, {1, 5}}) {
        EXPECT_THROW(board.BoardUnit(x, y), std::out_of_range) << x << ", " << y;
        EXPECT_THROW(board.BoardPic(x, y), std::out_of_range) << x << ", " << y;
        EXPECT_THROW(board.Seen(x, y, 1), std::out_of_range) << x << ", " << y;
    }
    EXPECT_THROW(board.Seen(1, 1, 0), std::out_of_range);
    EXPECT_THROW(board.Seen(1, 1, 3), std::out_of_range);
    for (auto [x, y] : {std::pair{-1, 0}, {6, 0}, {0, -1}, {0, 5}})
        EXPECT_THROW(board.BoardMark(x, y), std::out_of_range) << x << ", " << y;
    EXPECT_NO_THROW(board.BoardMark(5, 4) = board.BoardMark(0, 0));
    EXPECT_NO_THROW(board.Seen(5, 4, 2) = board.Seen(1, 1, 1));
    EXPECT_THROW(BoardArrays(-1, 4, 2), std::invalid_argument);
}

TEST(BoardArraysBytes, ABoardRoundTripsAndOneCutShortIsRefusedBeforeItIsRead) {
    const BoardArrays board = NumberedBoard();
    ByteWriter out;
    WriteBoardArrays(out, board);
    ASSERT_EQ(out.Size(), 4u * 20 + 20 * 3 + 6 * 5);

    ByteReader in(out.Data());
    EXPECT_EQ(ReadBoardArrays(in, 5, 4, 3, "the board"), board);
    EXPECT_EQ(in.Remaining(), 0u);

    const std::string shorter = out.Data().substr(0, out.Size() - 1);
    ByteReader cut(shorter);
    try {
        ReadBoardArrays(cut, 5, 4, 3, "the board");
        ADD_FAILURE() << "a board one byte short was read";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "The data ends inside the board.");
    }
    EXPECT_EQ(cut.Position(), 0u);

    for (auto [w, h, n] : {std::tuple{40000, 4, 3}, {5, -1, 3}, {5, 4, -3}}) {
        ByteReader any(out.Data());
        EXPECT_THROW(ReadBoardArrays(any, w, h, n, "the board"), Error) << w << " x " << h;
    }
}

TEST(GameBoard, AWholeBoardReplacesTheGamesOnlyWhenItFits) {
    const UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game(specs, port, 3);
    game.BoardWidth = 5;
    game.BoardHeight = 4;
    game.NumPlayers = 3;
    game.ResizeBoard();

    const uint32_t serial = game.GameSerial();
    const BoardArrays board = NumberedBoard();
    game.ReplaceBoard(board);
    EXPECT_EQ(game.Board(), board);
    EXPECT_EQ(game.BoardUnit(5, 4), -45);
    EXPECT_EQ(game.Seen(2, 3, 3), 232);
    EXPECT_NE(game.GameSerial(), serial) << "work waiting on window events sees a new board";

    const test::Snapshot before(game);
    for (const BoardArrays& wrong : {BoardArrays(4, 5, 3), BoardArrays(5, 4, 2)}) {
        EXPECT_THROW(game.ReplaceBoard(wrong), std::invalid_argument);
        EXPECT_EQ(test::Snapshot(game), before);
    }

    game.ResizeBoard();
    EXPECT_EQ(game.Board(), BoardArrays(5, 4, 3)) << "a new board is empty";
}

} // namespace
} // namespace marovane
