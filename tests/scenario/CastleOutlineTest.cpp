#include "scenario/CastleOutline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace marovane {
namespace {

using Lines = std::vector<OutlineSegment>;

bool Between(double v, double a, double b) {
    return v >= std::min(a, b) - 1e-9 && v <= std::max(a, b) + 1e-9;
}

// The role of a line through the point, or nothing when no line passes there. The outline is
// made of horizontal and vertical lines only.
std::optional<OutlineRole> LineAt(const Lines& lines, GridPoint p) {
    for (const OutlineSegment& s : lines) {
        const bool vertical = s.From.X == s.To.X && p.X == s.From.X;
        const bool horizontal = s.From.Y == s.To.Y && p.Y == s.From.Y;
        if ((vertical && Between(p.Y, s.From.Y, s.To.Y)) ||
            (horizontal && Between(p.X, s.From.X, s.To.X)))
            return s.Role;
    }
    return std::nullopt;
}

// Whether every line stays inside the square from the corner (0, 0) to (side, side).
bool Within(const Lines& lines, double side) {
    return std::all_of(lines.begin(), lines.end(), [&](const OutlineSegment& s) {
        return Between(s.From.X, 0, side) && Between(s.From.Y, 0, side) &&
               Between(s.To.X, 0, side) && Between(s.To.Y, 0, side);
    });
}

TEST(CastleOutline, NothingWithoutKeepOrCastle) {
    EXPECT_TRUE(CastleOutline(false, false).empty());
}

TEST(CastleOutline, AKeepAloneIsItsCornerCellInBlack) {
    const Lines lines = CastleOutline(true, false);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(Within(lines, 1));
    for (GridPoint side :
         {GridPoint{0.5, 0}, GridPoint{0, 0.5}, GridPoint{1, 0.5}, GridPoint{0.5, 1}})
        EXPECT_EQ(LineAt(lines, side), OutlineRole::Keep) << side.X << ", " << side.Y;
}

TEST(CastleOutline, ACastleIsTheThreeByThreeBlockWithAnOpenGate) {
    const Lines lines = CastleOutline(false, true);
    EXPECT_TRUE(Within(lines, 3));
    for (const OutlineSegment& s : lines)
        EXPECT_EQ(s.Role, OutlineRole::Castle);
    // The outer sides along the board's edges, and the far sides of the wall cells (3, 1),
    // (3, 2), (1, 3) and (2, 3).
    for (double along : {0.5, 1.5, 2.5}) {
        EXPECT_TRUE(LineAt(lines, {along, 0})) << along;
        EXPECT_TRUE(LineAt(lines, {0, along})) << along;
    }
    for (double along : {0.5, 1.5}) {
        EXPECT_TRUE(LineAt(lines, {3, along})) << along;
        EXPECT_TRUE(LineAt(lines, {along, 3})) << along;
    }
    // The gate, cell (3, 3), is open to the outside.
    EXPECT_FALSE(LineAt(lines, {3, 2.6}));
    EXPECT_FALSE(LineAt(lines, {2.6, 3}));
    // Inner lines part the walls (3, 1) and (1, 3) from the yard beside them.
    EXPECT_TRUE(LineAt(lines, {2, 0.5}));
    EXPECT_TRUE(LineAt(lines, {0.5, 2}));
    // No keep: the corner cell is open to the yard.
    EXPECT_FALSE(LineAt(lines, {1, 0.5}));
    EXPECT_FALSE(LineAt(lines, {0.5, 1}));
}

TEST(CastleOutline, AKeepInACastleIsClosedOffFromTheYardInBlack) {
    const Lines both = CastleOutline(true, true);
    EXPECT_TRUE(Within(both, 3));
    EXPECT_EQ(LineAt(both, {1, 0.5}), OutlineRole::Keep);
    EXPECT_EQ(LineAt(both, {0.5, 1}), OutlineRole::Keep);
    // Its outer sides are the castle's walls.
    EXPECT_EQ(LineAt(both, {0.5, 0}), OutlineRole::Castle);
    EXPECT_EQ(LineAt(both, {0, 0.5}), OutlineRole::Castle);
    // Everything else is the castle as it stands without a keep.
    const Lines castle = CastleOutline(false, true);
    for (const OutlineSegment& s : castle)
        EXPECT_NE(std::find(both.begin(), both.end(), s), both.end());
    EXPECT_EQ(std::count_if(both.begin(), both.end(),
                            [](const OutlineSegment& s) { return s.Role == OutlineRole::Keep; }),
              2);
}

} // namespace
} // namespace marovane
