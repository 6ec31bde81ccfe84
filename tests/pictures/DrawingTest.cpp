#include "Figures.h"
#include "Intro.h"
#include "LetterTiles.h"
#include "MapSymbols.h"
#include "Paint.h"
#include "PixelTools.h"
#include "UnitStrip.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <stdexcept>

namespace marovane::art {
namespace {

using test::ShareNear;

TEST(StripLayout, EachPictureFillsExactlyItsOwnCell) {
    // Every cell is painted in a colour naming its player and type, after a black square that
    // reaches far beyond the cell: nothing may spill into a neighbour.
    auto code = [](int player, int type) { return QColor(player * 50, type * 15, 200); };
    const QImage strip = MakeStrip(
        [&](QPainter& painter, int player, int type) {
            painter.fillRect(QRectF(-40, -40, 144, 144), Qt::black);
            painter.fillRect(QRectF(0, 0, kDesignSize, kDesignSize), code(player, type));
        },
        64);
    ASSERT_EQ(strip.size(), QSize(3 * 64, 20 * 64));
    for (int player = 1; player <= kPlayers; ++player) {
        for (int type = 0; type < kUnitTypes; ++type) {
            const QRect cell = StripCell(player, type, 64);
            EXPECT_EQ(ShareNear(strip, cell, code(player, type), 2), 1.0)
                << "player " << player << " type " << type;
        }
    }
    // The game's own numbering: player 2's peasant is cell 15, the first of row 5.
    EXPECT_EQ(StripCell(2, 0, 64).topLeft(), QPoint(0, 5 * 64));
    EXPECT_EQ(StripCell(4, 14, 64).topLeft(), QPoint(2 * 64, 19 * 64));
}

struct PictureSet {
    const char* Name;
    CellPainter Paint;
};

void PrintTo(const PictureSet& set, std::ostream* out) {
    *out << set.Name;
}

class PictureSetTest : public testing::TestWithParam<PictureSet> {};

TEST_P(PictureSetTest, EveryPictureCoversItsWholeCell) {
    // A gap would show the strip's background around the picture on the board.
    for (int player = 1; player <= kPlayers; ++player) {
        for (int type = 0; type < kUnitTypes; ++type) {
            const QImage cell = MakeCell(GetParam().Paint, player, type, 64);
            int gaps = 0;
            for (int y = 0; y < cell.height(); ++y)
                for (int x = 0; x < cell.width(); ++x)
                    gaps += qAlpha(cell.pixel(x, y)) < 255;
            EXPECT_EQ(gaps, 0) << "player " << player << " type " << type;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, PictureSetTest,
                         testing::Values(PictureSet{"People", DrawPeopleCell},
                                         PictureSet{"Alphabet", DrawLetterCell},
                                         PictureSet{"Symbols", DrawSymbolCell}),
                         [](const testing::TestParamInfo<PictureSet>& info) {
                             return std::string(info.param.Name);
                         });

TEST(LetterTiles, LabelsAreDrawnInsideTheTileFace) {
    // Dark letters on green and cyan, white letters on red and blue.
    const QColor inks[kPlayers] = {QColor(16, 16, 16), Qt::white, Qt::white, QColor(16, 16, 16)};
    for (int player = 1; player <= kPlayers; ++player) {
        for (int type = 0; type < kUnitTypes; ++type) {
            const QImage cell =
                MakeCell(DrawLetterCell, player, type, 96).convertToFormat(QImage::Format_RGB32);
            const QColor ink = inks[player - 1];
            // The label is there and large enough to read...
            EXPECT_GT(ShareNear(cell, QRect(12, 12, 72, 72), ink, 40), 0.08)
                << "player " << player << " type " << type;
            // ...and stays off the bevelled edge, so no label is cut off or crowds the tile.
            for (const QRect& edge :
                 {QRect(0, 0, 96, 7), QRect(0, 89, 96, 7), QRect(0, 0, 7, 96), QRect(89, 0, 7, 96)})
                EXPECT_EQ(ShareNear(cell, edge, ink, 40), 0.0)
                    << "player " << player << " type " << type;
        }
    }
}

TEST(TitlePicture, ShowsTheGamesNameInGold) {
    // Fails when the title font is missing and the name is not drawn.
    const QImage intro = MakeIntro(QSize(1024, 768)).convertToFormat(QImage::Format_RGB32);
    int gold = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < intro.width(); ++x) {
            const QRgb pixel = intro.pixel(x, y);
            gold += qRed(pixel) > 200 && qGreen(pixel) > 140 && qBlue(pixel) < 130;
        }
    }
    EXPECT_GT(gold, 150 * 1024 / 20);
}

TEST(Paint, FittedTextFillsItsBoxWithoutLeavingIt) {
    for (const char* text : {"W", "Pr", "Marovane"}) {
        for (const QRectF& box : {QRectF(10, 10, 40, 40), QRectF(0, 100, 600, 80)}) {
            const QRectF bounds = FittedText(text, LetterFont(), box).boundingRect();
            EXPECT_TRUE(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(bounds)) << text;
            EXPECT_TRUE(bounds.width() > box.width() * 0.99 ||
                        bounds.height() > box.height() * 0.99)
                << text;
            EXPECT_NEAR(bounds.center().x(), box.center().x(), 0.01) << text;
        }
    }
}

TEST(Paint, KnowsFourPlayerColoursOnly) {
    EXPECT_EQ(PlayerColour(1), QColor(0, 255, 0));
    EXPECT_EQ(PlayerColour(4), QColor(0, 255, 255));
    EXPECT_THROW(PlayerColour(0), std::out_of_range);
    EXPECT_THROW(PlayerColour(5), std::out_of_range);
}

} // namespace
} // namespace marovane::art
