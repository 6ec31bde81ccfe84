#include "ui/BoardWidget.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace marovane {
namespace {

QPixmap Solid(QColor colour) {
    QPixmap picture(8, 8);
    picture.fill(colour);
    return picture;
}

// The pixels in which two pictures of one size differ by more than the smoothing of a line's
// edge does when only part of the board is drawn again.
int PixelsApart(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            apart += std::abs(p.red() - q.red()) > 16 || std::abs(p.green() - q.green()) > 16 ||
                     std::abs(p.blue() - q.blue()) > 16;
        }
    }
    return apart;
}

class BoardWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        board.SetCellSpacing(-1);
        board.SetSize(6, 8);
        board.resize(400, 400);
        board.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    }
    QPoint Centre(int x, int y) const { return board.CellRect(x, y).center().toPoint(); }

    BoardWidget board;
};

TEST_F(BoardWidgetTest, ANewSizeEmptiesTheBoardTheSameSizeKeepsIt) {
    board.SetCellPicture(2, 3, Solid(Qt::red));
    board.DrawLine(0, 0, 8, 6, QColor(Qt::black));
    board.Highlight(2, 3);
    board.SetSize(6, 8);
    EXPECT_TRUE(board.ValidPicture(2, 3));
    EXPECT_EQ(board.LineCount(), 1);
    EXPECT_EQ(board.HighlightX(), 2);
    board.SetSize(7, 8);
    EXPECT_FALSE(board.ValidPicture(2, 3));
    EXPECT_EQ(board.LineCount(), 0);
    EXPECT_EQ(board.HighlightX(), 0);
    EXPECT_FALSE(board.ValidPicture(3)) << "one coordinate alone is no cell";
    EXPECT_FALSE(board.ValidPicture()) << "no background picture yet";
}

TEST_F(BoardWidgetTest, HidingAllCellsLeavesTheFirstCellToItsOwner) {
    board.HideAllCells();
    EXPECT_TRUE(board.CellVisible(1, 1));
    EXPECT_FALSE(board.CellVisible(2, 1));
    EXPECT_FALSE(board.CellVisible(8, 6));
    board.SetCellVisible(1, 1, false);
    board.ShowAllCells();
    EXPECT_FALSE(board.CellVisible(1, 1));
    EXPECT_TRUE(board.CellVisible(5, 5));
}

TEST_F(BoardWidgetTest, LinesOutsideTheBoardAreNotDrawnAndPopsStopAtNone) {
    board.DrawLine(0, 0, 8.1, 6);
    EXPECT_EQ(board.LineCount(), 0);
    board.DrawLine(0, 0, 8, 6);
    board.DrawLine(1, 1, 2, 2);
    board.PopLine();
    EXPECT_EQ(board.LineCount(), 1);
    board.PopLine();
    board.PopLine();
    EXPECT_EQ(board.LineCount(), 0);
    board.PutCircle(9, 1, 2);
    EXPECT_EQ(board.CircleX(), 0) << "a centre off the board places nothing";
    board.PutCircle(3.5, 2, 1.4);
    EXPECT_EQ(board.CircleRadius(), 1.4);
    board.CircleOff();
    EXPECT_EQ(board.CircleX(), 0);
}

TEST_F(BoardWidgetTest, TheControlFitsItsCellsAndKeepsLinesAcrossAResize) {
    const float before = board.CellWidth();
    board.DrawLine(2, 2, 4, 4);
    board.Highlight(3, 3);
    board.resize(800, 800);
    EXPECT_GT(board.CellWidth(), before);
    EXPECT_EQ(board.width(),
              static_cast<int>(board.Geometry().OuterWidth() / board.Geometry().Tpp()));
    EXPECT_EQ(board.LineCount(), 1);
    EXPECT_EQ(board.HighlightX(), 3);
}

TEST_F(BoardWidgetTest, MouseActivityNamesTheCell) {
    QSignalSpy clicks(&board, &BoardWidget::CellClick);
    QSignalSpy downs(&board, &BoardWidget::CellMouseDown);
    QSignalSpy surface(&board, &BoardWidget::SurfaceMouseDown);
    QTest::mouseClick(&board, Qt::LeftButton, Qt::ShiftModifier, Centre(5, 4));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 5);
    EXPECT_EQ(clicks[0][1].toInt(), 4);
    EXPECT_EQ(downs[0][0].toInt(), 1) << "left button";
    EXPECT_EQ(downs[0][1].toInt(), 1) << "shift";
    QTest::mouseClick(&board, Qt::RightButton, {}, Centre(2, 2));
    EXPECT_EQ(clicks.count(), 1) << "a right click is no cell click";
    EXPECT_EQ(downs.last()[0].toInt(), 2);
    QTest::mousePress(&board, Qt::LeftButton, {}, QPoint(0, 1)); // (0, 0) would mean the middle
    EXPECT_EQ(surface.count(), 1) << "the border outside the cells";
}

TEST_F(BoardWidgetTest, PicturesAreDrawnIntoTheirCellsWithTheHighlightOnTop) {
    board.SetPicture(Solid(Qt::darkGreen));
    board.SetCellPicture(2, 2, Solid(Qt::red));
    board.Highlight(2, 2, QColor(Qt::blue));
    board.SetHiddenShade(QColor(0, 0, 0, 100));
    board.SetCellVisible(4, 4, false);
    board.SetCellLines(0);
    const QImage image = board.grab().toImage();
    const QRect cell = board.CellRect(2, 2).toRect();
    EXPECT_EQ(image.pixelColor(cell.center()), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(cell.topLeft() + QPoint(2, 2)), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(board.CellRect(3, 3).center().toPoint()), QColor(Qt::darkGreen));
    EXPECT_NE(image.pixelColor(board.CellRect(4, 4).center().toPoint()), QColor(Qt::darkGreen))
        << "hidden cells are shaded";
}

// The board keeps what it drew and draws again only what changed: after changes to pictures,
// fog, lines and the highlight it must look exactly like a board given the final state at once.
TEST_F(BoardWidgetTest, ChangesAfterAFrameLookAsOnABoardDrawnAfresh) {
    auto prepare = [](BoardWidget& b) {
        b.SetCellSpacing(-1);
        b.SetSize(6, 8);
        b.resize(400, 400);
        b.SetPicture(Solid(Qt::darkGreen));
        b.SetHiddenShade(QColor(0, 0, 0, 100));
        b.DrawLine(0, 0, 8, 6, QColor(Qt::yellow));
        b.DrawLine(0, 6, 8, 0, QColor(Qt::cyan));
        b.SetCellPicture(5, 3, Solid(Qt::white));
        b.show();
        return QTest::qWaitForWindowExposed(&b);
    };
    BoardWidget fresh;
    ASSERT_TRUE(prepare(board));
    ASSERT_TRUE(prepare(fresh));
    board.SetCellPicture(2, 2, Solid(Qt::red));
    board.PutCircle(3, 3, 1.5); // both lines now lie under the circle
    board.Highlight(5, 3);
    const QImage first = board.grab().toImage();

    board.SetCellPicture(2, 2, QPixmap());
    board.SetCellPicture(6, 4, Solid(Qt::blue));
    board.SetCellVisible(5, 3, false);
    board.HighlightOff();
    fresh.SetCellPicture(6, 4, Solid(Qt::blue));
    fresh.SetCellVisible(5, 3, false);
    fresh.PutCircle(3, 3, 1.5);
    const QImage changed = board.grab().toImage();
    EXPECT_NE(first, changed);
    EXPECT_EQ(PixelsApart(changed, fresh.grab().toImage()), 0) << "pictures, fog and highlight";
    EXPECT_EQ(changed.pixelColor(board.CellRect(6, 4).center().toPoint()), QColor(Qt::blue));

    board.PopLine();
    fresh.PopLine();
    board.SetCellVisible(5, 3, true);
    fresh.SetCellVisible(5, 3, true);
    EXPECT_EQ(PixelsApart(board.grab().toImage(), fresh.grab().toImage()), 0)
        << "a line under the circle";
}

} // namespace
} // namespace marovane
