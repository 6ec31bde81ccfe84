#include "scenario/PlayerCorner.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace marovane {
namespace {

struct Board {
    int Width;
    int Height;
};
// One board of odd and one of even sides, neither of them square.
constexpr Board kBoards[] = {{9, 7}, {10, 8}};

TEST(PlayerCorner, EachPlayersFirstCellIsHisCornerOfTheBoard) {
    for (Board b : kBoards) {
        const int w = b.Width, h = b.Height;
        EXPECT_EQ(ToPlayerCorner(Cell{1, 1}, 1, w, h), (Cell{1, 1})) << "top left";
        EXPECT_EQ(ToPlayerCorner(Cell{1, 1}, 2, w, h), (Cell{w, h})) << "bottom right";
        EXPECT_EQ(ToPlayerCorner(Cell{1, 1}, 3, w, h), (Cell{1, h})) << "bottom left";
        EXPECT_EQ(ToPlayerCorner(Cell{1, 1}, 4, w, h), (Cell{w, 1})) << "top right";
        // A step away from the corner along his own x axis runs along the board's edge.
        EXPECT_EQ(ToPlayerCorner(Cell{3, 1}, 2, w, h), (Cell{w - 2, h}));
        EXPECT_EQ(ToPlayerCorner(Cell{1, 3}, 3, w, h), (Cell{1, h - 2}));
        EXPECT_EQ(ToPlayerCorner(Cell{3, 2}, 4, w, h), (Cell{w - 2, 2}));
    }
    // The middle cell of odd sides is everybody's; even sides have no middle cell.
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(ToPlayerCorner(Cell{5, 4}, p, 9, 7), (Cell{5, 4})) << "player " << p;
    EXPECT_EQ(ToPlayerCorner(Cell{5, 4}, 2, 10, 8), (Cell{6, 5}));
}

TEST(PlayerCorner, CellsMirrorOntoTheWholeBoardAndBack) {
    for (Board b : kBoards) {
        for (int p = 1; p <= 4; ++p) {
            std::set<std::pair<int, int>> images;
            for (int x = 1; x <= b.Width; ++x) {
                for (int y = 1; y <= b.Height; ++y) {
                    const Cell board = ToPlayerCorner(Cell{x, y}, p, b.Width, b.Height);
                    EXPECT_TRUE(board.X >= 1 && board.X <= b.Width && board.Y >= 1 &&
                                board.Y <= b.Height);
                    images.insert({board.X, board.Y});
                    EXPECT_EQ(ToPlayerCorner(board, p, b.Width, b.Height), (Cell{x, y}))
                        << "its own inverse, player " << p;
                }
            }
            EXPECT_EQ(images.size(), static_cast<size_t>(b.Width * b.Height))
                << "no two cells meet, player " << p;
        }
    }
}

TEST(PlayerCorner, GridPointsMirrorWithTheCellsTheyBound) {
    for (Board b : kBoards) {
        const double w = b.Width, h = b.Height;
        EXPECT_EQ(ToPlayerCorner(GridPoint{0, 0}, 1, b.Width, b.Height), (GridPoint{0, 0}));
        EXPECT_EQ(ToPlayerCorner(GridPoint{0, 0}, 2, b.Width, b.Height), (GridPoint{w, h}));
        EXPECT_EQ(ToPlayerCorner(GridPoint{0, 0}, 3, b.Width, b.Height), (GridPoint{0, h}));
        EXPECT_EQ(ToPlayerCorner(GridPoint{0, 0}, 4, b.Width, b.Height), (GridPoint{w, 0}));
        for (int p = 1; p <= 4; ++p) {
            // Cell (x, y) spans x - 1..x by y - 1..y: the mirrored corners of that span are the
            // corners of the mirrored cell's span.
            for (int x = 1; x <= b.Width; ++x) {
                for (int y = 1; y <= b.Height; ++y) {
                    const Cell cell = ToPlayerCorner(Cell{x, y}, p, b.Width, b.Height);
                    const GridPoint a =
                        ToPlayerCorner(GridPoint{x - 1.0, y - 1.0}, p, b.Width, b.Height);
                    const GridPoint c =
                        ToPlayerCorner(GridPoint{x * 1.0, y * 1.0}, p, b.Width, b.Height);
                    EXPECT_EQ(std::min(a.X, c.X), cell.X - 1);
                    EXPECT_EQ(std::max(a.X, c.X), cell.X);
                    EXPECT_EQ(std::min(a.Y, c.Y), cell.Y - 1);
                    EXPECT_EQ(std::max(a.Y, c.Y), cell.Y);
                }
            }
            const GridPoint inside{2.2, 1.5};
            EXPECT_EQ(
                ToPlayerCorner(ToPlayerCorner(inside, p, b.Width, b.Height), p, b.Width, b.Height),
                inside)
                << "its own inverse, player " << p;
        }
    }
}

TEST(PlayerCorner, HomeCornerIsTheFourByFourBlock) {
    EXPECT_TRUE(InHomeCorner(Cell{1, 1}));
    EXPECT_TRUE(InHomeCorner(Cell{4, 4}));
    EXPECT_FALSE(InHomeCorner(Cell{5, 1}));
    EXPECT_FALSE(InHomeCorner(Cell{1, 5}));
    // Seen from player 2's side, the bottom-right block of a 9 x 7 board is his home corner.
    EXPECT_TRUE(InHomeCorner(ToPlayerCorner(Cell{6, 4}, 2, 9, 7)));
    EXPECT_FALSE(InHomeCorner(ToPlayerCorner(Cell{5, 4}, 2, 9, 7)));
}

} // namespace
} // namespace marovane
