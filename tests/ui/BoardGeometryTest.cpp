#include "ui/BoardGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marovane {
namespace {

BoardGeometry TenByTen(int spacingPixels = 1) {
    BoardGeometry geometry(15);
    geometry.SetSize(10, 10);
    geometry.SetSpacingPixels(spacingPixels);
    return geometry;
}

TEST(BoardGeometry, CellsFitTheOuterSizeInWholePixels) {
    BoardGeometry geometry = TenByTen();
    geometry.FitTo(3000, 3000);
    EXPECT_EQ(geometry.CellWidth(), 270.0f) << "(((3000 - 30) div 10) - 15) div 15 x 15";
    EXPECT_EQ(geometry.CellHeight(), 270.0f);
    EXPECT_EQ(geometry.OuterWidth(), 2910) << "(15 + 270) x 10 + 60";

    BoardGeometry overlapping = TenByTen(-1);
    overlapping.FitTo(3000, 3000);
    EXPECT_EQ(overlapping.CellWidth(), 300.0f) << "a negative spacing gives its pixel to the cells";
    EXPECT_EQ(overlapping.OuterWidth(), (300 - 15) * 10 + 60);
}

TEST(BoardGeometry, CellsNeverShrinkBelowFourPixels) {
    BoardGeometry geometry = TenByTen();
    geometry.FitTo(300, 200);
    EXPECT_EQ(geometry.CellWidth(), 60.0f);
    EXPECT_EQ(geometry.CellHeight(), 60.0f);
    EXPECT_GT(geometry.OuterWidth(), 300) << "the control grows to fit its cells";
    geometry.SetCellWidth(7);
    EXPECT_EQ(geometry.CellWidth(), 60.0f);
    EXPECT_EQ(geometry.SpacingPixels(), 1);
}

TEST(BoardGeometry, LineEndsUseCellCorners) {
    BoardGeometry geometry = TenByTen();
    geometry.FitTo(3000, 3000);
    double x = 0, y = 0;
    ASSERT_TRUE(geometry.LinePoint(0, 0, x, y));
    EXPECT_EQ(x, 30) << "just inside the top-left corner: cell edge plus one pixel";
    EXPECT_EQ(y, 30);
    ASSERT_TRUE(geometry.LinePoint(10, 10, x, y));
    EXPECT_EQ(x, 9 * 285 + 15 + 285 + 15) << "the far edge: the last column plus one full pitch";
    ASSERT_TRUE(geometry.LinePoint(2.5, 1, x, y));
    EXPECT_EQ(x, 2 * 285 + 15 + std::nearbyint(0.5 * 285 + 15));
    EXPECT_FALSE(geometry.LinePoint(10.1, 0, x, y));
    EXPECT_FALSE(geometry.LinePoint(0, -0.5, x, y));
}

TEST(BoardGeometry, CirclesCentreOnTheirCell) {
    BoardGeometry geometry = TenByTen();
    geometry.FitTo(3000, 3000);
    BoardGeometry::Box box;
    ASSERT_TRUE(geometry.CircleBox(5, 5, 2, box));
    EXPECT_EQ(box.Width, 285 * 4);
    const double centre = box.Left + box.Width / 2;
    const double cellCentre = geometry.CellLeft(5) + 135;
    EXPECT_NEAR(centre, cellCentre, 16) << "within a pixel of the cell's middle";
    EXPECT_FALSE(geometry.CircleBox(0.5, 5, 2, box));
    EXPECT_FALSE(geometry.CircleBox(5, 11, 2, box));
}

TEST(BoardGeometry, PointsFindTheirCellAndOverlapsGoToTheLaterCell) {
    BoardGeometry geometry = TenByTen(-1);
    geometry.FitTo(3000, 3000);
    int x = 0, y = 0;
    ASSERT_TRUE(geometry.CellAt(geometry.CellLeft(3) + 50, geometry.CellTop(7) + 50, x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 7);
    // The last pixel column of cell 3 is also the first of cell 4, which is drawn above it.
    ASSERT_TRUE(geometry.CellAt(geometry.CellLeft(4) + 1, geometry.CellTop(1) + 1, x, y));
    EXPECT_EQ(x, 4);
    EXPECT_FALSE(geometry.CellAt(5, 5, x, y)) << "the border outside the cells";
    EXPECT_FALSE(geometry.CellAt(geometry.OuterWidth() - 5, 100, x, y));
}

} // namespace
} // namespace marovane
