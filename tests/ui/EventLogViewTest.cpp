#include "ui/WindowFixture.h"

#include "engine/HeadlessPort.h"
#include "session/EventLog.h"
#include "session/Settings.h"
#include "ui/BoardWidget.h"
#include "ui/EventLogView.h"
#include "ui/Language.h"
#include "ui/ModalAnswer.h"
#include "ui/Shoot.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

namespace marovane {
namespace {

// The log beside the board, as the player sees it: a computer turn in the real window, played
// next to the human's units, and the boxes of a resignation. With MAROVANE_SHOTS set to a folder,
// the window is photographed after the computer's turn.
class EventLogViewTest : public test::WindowFixture {
protected:
    static constexpr int kMediumInfantry = 4;
    void Click(int x, int y) {
        QTest::mouseClick(window->Board(), Qt::LeftButton, {},
                          window->Board()->CellRect(x, y).center().toPoint());
    }
    QStringList Lines() const { return window->findChild<EventLogView*>("txtLog")->LineTexts(); }
};

TEST_F(EventLogViewTest, TheComputersTurnAndTheBoxesAreWrittenInTheLog) {
    GameDef def = test::PlainDef(10, 10);
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::Computer};
    ASSERT_TRUE(Start(def, setup));
    window->Session().SetViewOption(view_option::ShowThinking, false);
    window->Session().SetViewOption(view_option::Animations, false);
    for (int x = 1; x <= 10; ++x) {
        for (int y = 1; y <= 10; ++y)
            game->SetUnit(x, y, -1, 1);
    }
    // The computer's infantry stands next to the human's peasants: it fights. The human's
    // archer far away stays out of its reach.
    game->PlaceUnit(5, 5, unit_type::Peasant, 1);
    game->PlaceUnit(5, 6, unit_type::Peasant, 1);
    game->PlaceUnit(1, 10, 6, 1);
    game->PlaceUnit(6, 5, kMediumInfantry, 2);
    game->PlaceUnit(6, 6, kMediumInfantry, 2);
    game->Update();
    auto* log = window->findChild<EventLogView*>("txtLog");
    ASSERT_TRUE(log && log->isVisible());
    EXPECT_EQ(Lines(), QStringList{"Round 1 - Player 1"});

    // The human steps his archer, and ends his turn.
    Click(1, 10);
    Click(2, 10);
    ASSERT_EQ(game->PieceAt(2, 10).Type, 6);
    QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    ASSERT_EQ(game->CurrentPlayer, 1);
    const QStringList lines = Lines();
    test::Shoot(window.get(), "log-after-computer-turn");
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[1], "Round 1 - Player 2");
    EXPECT_EQ(lines.back(), "Round 2 - Player 1");
    const QColor computer = EventLogView::ReadableColour(QColor(Qt::red));
    for (int i = 2; i < lines.size() - 1; ++i) {
        EXPECT_TRUE(lines[i].contains(QRegularExpression(
            "^Medium Infantry \\(Player 2\\) (hits|misses) Peasant \\(Player 1\\)")))
            << lines[i].toStdString();
        EXPECT_EQ(log->LineColour(i), computer);
    }

    // The boxes stay boxes, and the log keeps what they said.
    test::ModalAnswer answer;
    window->Action("mnuPResign")->trigger();
    ASSERT_FALSE(game->GameOn);
    const std::vector<QString> boxes{"Resign Player 1's game?", "Player 1 resigns!",
                                     "Player 2 has conquered all!"};
    EXPECT_EQ(answer.Messages, boxes);
    EXPECT_EQ(Lines().mid(Lines().size() - 2), (QStringList{boxes[1], boxes[2]}));
    EXPECT_TRUE(log->isVisible()) << "the end of the game can still be read";
}

// In German the rules' boxes and the log read German with their values in place, while the
// same resignation without a window (the command-line tool's port) stays English.
TEST_F(EventLogViewTest, TheRulesSpeakThePlayersLanguageAndTheToolStaysEnglish) {
    InstallLanguage("de");
    // English again for the tests after this one, however this one ends.
    const struct Restore {
        ~Restore() { InstallLanguage("en"); }
    } restore;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::Computer};
    const GameDef def = test::PlainDef(10, 10);
    ASSERT_TRUE(Start(def, setup));
    {
        test::ModalAnswer answer;
        window->Action("mnuPResign")->trigger();
        ASSERT_FALSE(game->GameOn);
        EXPECT_EQ(answer.Messages,
                  (std::vector<QString>{"Soll Spieler 1 aufgeben?", "Spieler 1 gibt auf!",
                                        "Spieler 2 hat alles erobert!"}));
    }
    const QStringList lines = Lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "Runde 1 - Spieler 1");
    EXPECT_EQ(lines.back(), "Spieler 2 hat alles erobert!");

    HeadlessPort port;
    Game tool(game->Specs(), port, 3);
    ASSERT_TRUE(tool.NewGame(dir.Write("Tool", def), setup));
    tool.Resign();
    EXPECT_EQ(port.Messages,
              (std::vector<std::string>{"Player 1 resigns!", "Player 2 has conquered all!"}));
}

// The newest line stays in view as lines come, unless the player scrolled back to read.
TEST(EventLogView, FollowsTheNewestLineUnlessThePlayerReadsBack) {
    GameRecord record;
    EventLog log(record);
    EventLogView view;
    view.resize(190, 120);
    view.Follow(log, [](int) { return QColor(Qt::red); });
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QScrollBar* bar = view.verticalScrollBar();
    for (int i = 1; i <= 40; ++i)
        log.Told(Verbatim("Line " + std::to_string(i)));
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(view.LineTexts().back(), "Line 40");

    bar->setValue(0);
    log.Told(Verbatim("Line 41"));
    EXPECT_EQ(bar->value(), 0) << "the player reading back is left where he reads";
    bar->setValue(bar->maximum());
    log.Told(Verbatim("<b>Line 42</b>"));
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(view.LineTexts().back(), "<b>Line 42</b>") << "plain text, never markup";
}

} // namespace
} // namespace marovane
