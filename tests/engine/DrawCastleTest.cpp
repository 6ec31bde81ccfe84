#include "engine/Game.h"
#include "engine/HeadlessPort.h"

#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marovane {
namespace {

// A port that keeps the lines the board was asked to draw.
class LinePort : public HeadlessPort {
public:
    struct Line {
        double X1, Y1, X2, Y2;
        Rgb Colour;
    };
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override {
        Lines.push_back({x1, y1, x2, y2, colour});
    }
    std::vector<Line> Lines;
};

TEST(DrawCastle, EachCastleIsDrawnInItsOwnersCornerAndColour) {
    UnitSpecs specs = test::TestSpecs();
    LinePort port;
    Game game{specs, port, 5};
    test::TempDir dir;
    GameDef def = test::PlainDef(10, 8);
    def.Options = static_cast<int16_t>((def.Options | (1 << option_bit::Castle)) &
                                       ~(1 << option_bit::NoKeep));
    NewGameSetup setup = test::Humans(4);
    setup.Slots[2] = SlotKind::None; // slot 3 stays empty: no castle is drawn for it
    ASSERT_TRUE(game.NewGame(dir.Write("Castles", def), setup));

    // The 3 x 3 corner block of each player on the 10 x 8 board, in grid lines.
    struct Block {
        double X0, Y0;
    };
    const Block corners[] = {{0, 0}, {0, 0}, {7, 5}, {0, 5}, {7, 0}};
    auto inBlock = [](const LinePort::Line& l, Block b) {
        auto in = [](double v, double lo) { return v >= lo && v <= lo + 3; };
        return in(l.X1, b.X0) && in(l.X2, b.X0) && in(l.Y1, b.Y0) && in(l.Y2, b.Y0);
    };
    for (int p : {1, 2, 4}) {
        const auto mine = std::count_if(port.Lines.begin(), port.Lines.end(),
                                        [&](const auto& l) { return inBlock(l, corners[p]); });
        EXPECT_EQ(mine, 8) << "player " << p << ": the castle's six walls and the keep's two sides";
        const auto coloured =
            std::count_if(port.Lines.begin(), port.Lines.end(), [&](const auto& l) {
                return inBlock(l, corners[p]) && l.Colour == game.PlayerColor[p];
            });
        EXPECT_EQ(coloured, 6) << "player " << p;
    }
    EXPECT_EQ(port.Lines.size(), 24u) << "nothing for the empty slot 3";
    // The keep's inner corner lies one cell in from the board's corner, for player 2 at (9, 7).
    EXPECT_TRUE(std::any_of(port.Lines.begin(), port.Lines.end(), [](const auto& l) {
        return l.Colour == colour::Black && l.X1 == 9 && l.Y1 == 7;
    }));
}

} // namespace
} // namespace marovane
