#include "ui/WindowFixture.h"

#include "scenario/Options.h"
#include "ui/BoardWidget.h"
#include "ui/Pointers.h"
#include "ui/Shoot.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <array>
#include <map>
#include <utility>

namespace marovane {
namespace {

// The marks over the board in the real window: the cells and pieces the selected unit can reach,
// each piece's health bar and the spent units. Player 1 moves first on an empty 12 x 12 board
// with castles.
class BoardMarksTest : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        GameDef def = test::PlainDef(12, 12);
        def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Castle));
        ASSERT_TRUE(Start(def, test::Humans(2)));
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y)
                game->SetUnit(x, y, -1, 1);
        }
        game->Update();
    }

    QPoint Centre(int x, int y) const { return window->Board()->CellRect(x, y).center().toPoint(); }
    void Click(int x, int y) {
        QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(x, y));
    }
    // The board's marks, which follow the game when the window next runs.
    CellMarks MarkAt(int x, int y) {
        QCoreApplication::processEvents();
        return window->Board()->CellMark(x, y);
    }
    // What the pointer over the cell says a click would do, told as a mark.
    ReachMark PointerAt(int x, int y) {
        QTest::mouseMove(window->Board(), Centre(x, y));
        const QImage shown = window->Board()->cursor().pixmap().toImage();
        const std::array<std::pair<const char*, ReachMark>, 7> named = {
            {{"Run", ReachMark::Step},
             {"Attack", ReachMark::Attack},
             {"Arrow", ReachMark::Attack},
             {"Rock", ReachMark::Attack},
             {"Oil", ReachMark::Attack},
             {"Magic", ReachMark::Heal},
             {"Repair", ReachMark::Repair}}};
        for (const auto& [name, mark] : named) {
            if (!shown.isNull() && shown == pointers.Named(name).pixmap().toImage())
                return mark;
        }
        return ReachMark::None;
    }
    QImage CellImage(int x, int y) {
        QCoreApplication::processEvents();
        return window->Board()->grab(window->Board()->CellRect(x, y).toAlignedRect()).toImage();
    }

    Pointers pointers;
};

TEST_F(BoardMarksTest, TheMarksOfEveryCellAreWhatThePointerShows) {
    specs.UnitRange[unit_type::Priest] = 2;
    const int kLight = 3, kMedium = 4, kMediumArcher = 7;
    struct Case {
        const char* What;
        int X, Y, Type;
        ReachMark Expected; // a mark the unit must show somewhere
    };
    const std::array<Case, 4> cases = {{
        {"a stepper outside the castle, beside an enemy", 4, 2, kLight, ReachMark::Attack},
        {"an archer with range", 10, 6, kMediumArcher, ReachMark::Attack},
        {"a priest beside a hurt team-mate", 4, 10, unit_type::Priest, ReachMark::Heal},
        {"a peasant beside a damaged wall", 8, 10, unit_type::Peasant, ReachMark::Repair},
    }};
    for (const Case& c : cases)
        game->PlaceUnit(c.X, c.Y, c.Type, 1);
    game->PlaceUnit(5, 3, kMedium, 2);
    game->PlaceUnit(5, 1, kLight, 1); // in the stepper's way
    game->PlaceUnit(12, 8, kMedium, 2);
    game->PlaceUnit(5, 11, kLight, 1);
    game->BoardUnit(5, 11) = 31; // hurt
    game->PlaceUnit(3, 9, kLight, 1);
    game->PlaceUnit(9, 11, unit_type::Wall, 1);
    game->BoardUnit(9, 11) = 100; // damaged
    game->PlaceUnit(7, 11, unit_type::Wall, 1);
    game->Update();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Click(c.X, c.Y);
        ASSERT_EQ(game->HighX, c.X);
        std::map<ReachMark, int> shown;
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y) {
                const ReachMark mark = MarkAt(x, y).Reach;
                EXPECT_EQ(mark, PointerAt(x, y)) << "cell " << x << ", " << y;
                ++shown[mark];
            }
        }
        EXPECT_GT(shown[c.Expected], 0);
        EXPECT_GT(shown[ReachMark::Step], 0);
    }
}

// Mean brightness of a picture, 0 to 255.
double Brightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    }
    return sum / std::max(1, image.width() * image.height());
}

TEST_F(BoardMarksTest, SpentUnitsAreDimmedAndTheBarsFollowTheOption) {
    const int kLight = 3, kMedium = 4;
    game->PlaceUnit(6, 6, kLight, 1);
    game->PlaceUnit(3, 6, kLight, 1);
    game->PlaceUnit(8, 8, kMedium, 1);
    game->PlaceUnit(9, 9, kMedium, 2);
    game->BoardUnit(9, 9) = 30; // 3 of 7 hit points, and no moves left
    game->Update();
    EXPECT_EQ(MarkAt(9, 9), (CellMarks{ReachMark::None, 43, false}))
        << "only the player to move has spent units";
    EXPECT_EQ(MarkAt(8, 8).Health, 100);

    // The light infantryman steps until his moves are used up. Without the slide, the cell is
    // measured with the piece in it however slowly the machine paints.
    window->Action("mnuOCheck3")->trigger();
    ASSERT_FALSE(window->Action("mnuOCheck3")->isChecked());
    Click(6, 6);
    Click(6, 5);
    Click(6, 4);
    ASSERT_EQ(game->PieceAt(6, 4).MovesLeft, 0);
    EXPECT_TRUE(MarkAt(6, 4).Spent);
    EXPECT_FALSE(MarkAt(3, 6).Spent);
    EXPECT_LT(Brightness(CellImage(6, 4)), 0.85 * Brightness(CellImage(3, 6)));
    Click(8, 8);
    ASSERT_EQ(MarkAt(9, 9).Reach, ReachMark::Attack);
    test::Shoot(window.get(), "selected-unit-marks");

    // Options > Health Bars takes the bars away and brings them back.
    const QImage withBar = CellImage(9, 9);
    QAction* bars = window->Action("mnuOCheck4");
    ASSERT_TRUE(bars->isChecked());
    bars->trigger();
    EXPECT_EQ(MarkAt(9, 9).Health, -1);
    EXPECT_NE(CellImage(9, 9), withBar);
    bars->trigger();
    EXPECT_EQ(CellImage(9, 9), withBar);
}

} // namespace
} // namespace marovane
