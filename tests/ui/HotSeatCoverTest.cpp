#include "ui/WindowFixture.h"

#include "scenario/Options.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/ModalAnswer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace marovane {
namespace {

// Two players share the machine: under fog the board is covered between their turns until the
// next one clicks, and nothing of his turn shows before. With MAROVANE_SHOTS set to a folder,
// the cover is photographed there.
class HotSeatCoverTest : public test::WindowFixture {
protected:
    void StartGame(bool fog, SlotKind second) {
        GameDef def = test::PlainDef(12, 12);
        if (fog)
            def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Fog));
        NewGameSetup setup = test::Humans(2);
        setup.Slots[1] = second;
        ASSERT_TRUE(Start(def, setup));
    }
    bool Covered() const {
        return window->Cover()->isVisible() && !window->Cover()->Caption().isEmpty();
    }
    void EndTurn() {
        game->SetNextTurnEnabled(true);
        QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    }
};

TEST_F(HotSeatCoverTest, FogAndTwoHumansHereCoverTheBoardBetweenTurns) {
    struct Case {
        const char* name;
        bool fog;
        SlotKind second;
        bool hideOpponents;
        bool covered;
    };
    const Case cases[] = {
        {"fog, two humans", true, SlotKind::Human, false, true},
        {"fog, two humans, opponents' turns hidden", true, SlotKind::Human, true, true},
        {"no fog, two humans", false, SlotKind::Human, false, false},
        {"fog, a human and the computer", true, SlotKind::Computer, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (window->Action("mnuOCheck1")->isChecked() != c.hideOpponents)
            window->Action("mnuOCheck1")->trigger();
        test::ModalAnswer modal;
        StartGame(c.fog, c.second);
        ASSERT_EQ(game->CurrentPlayer, 1);
        EXPECT_EQ(Covered(), c.covered) << "at the game's first turn";
        if (c.covered) {
            EXPECT_EQ(window->Cover()->Caption(), "Player 1: click to begin your turn");
            QTest::mouseClick(window->Cover(), Qt::LeftButton);
            EXPECT_FALSE(Covered());
        }
        EndTurn();
        if (c.second == SlotKind::Computer)
            ASSERT_EQ(game->CurrentPlayer, 1) << "the computer played its turn";
        else
            ASSERT_EQ(game->CurrentPlayer, 2);
        EXPECT_EQ(Covered(), c.covered) << "after the first turn";
        if (!c.covered)
            continue;
        EXPECT_TRUE(modal.Messages.empty()) << "the cover takes the place of the turn's box";
        EXPECT_EQ(window->Cover()->Caption(), "Player 2: click to begin your turn");
        EXPECT_TRUE(window->MoneyLabel()->text().isEmpty()) << "nothing of player 2 shows";
        EXPECT_FALSE(window->NextTurnButton()->isEnabled());
        // Keys that would play the hidden turn do nothing but begin it.
        game->SetNextTurnEnabled(true);
        QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
        EXPECT_EQ(game->CurrentPlayer, 2) << "the turn cannot be ended behind the cover";
        if (const QByteArray folder = qgetenv("MAROVANE_SHOTS"); !folder.isEmpty())
            window->grab().save(
                QDir(QString::fromLocal8Bit(folder)).filePath("hot-seat-cover.png"));
        QTest::keyClick(window.get(), Qt::Key_Return);
        EXPECT_FALSE(Covered());
        EXPECT_FALSE(window->MoneyLabel()->text().isEmpty()) << "player 2's treasury shows";
    }
}

TEST_F(HotSeatCoverTest, ALoadedGameSharedUnderFogWaitsForItsPlayer) {
    StartGame(true, SlotKind::Human);
    QTest::mouseClick(window->Cover(), Qt::LeftButton);
    const QString file = QString::fromStdString((dir.Path() / "shared.sav").string());
    window->Commands().SaveTo(file);
    ASSERT_TRUE(window->Commands().LoadFrom(file));
    EXPECT_TRUE(Covered());
    EXPECT_EQ(window->Cover()->Caption(), "Player 1: click to begin your turn");
}

} // namespace
} // namespace marovane
