#include "ui/GameWindow.h"

#include "ai/ComputerOpponent.h"
#include "engine/BoardCheck.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/KeepDialog.h"
#include "ui/ModalAnswer.h"
#include "ui/Pointers.h"
#include "ui/UnitPanel.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace marovane {
namespace {

constexpr int16_t Bit(int b) {
    return static_cast<int16_t>(1 << b);
}

class GameWindowTest : public test::WindowFixture {
protected:
    bool Start(const GameDef& def,
               std::vector<SlotKind> kinds = {SlotKind::Human, SlotKind::Human}) {
        NewGameSetup setup;
        setup.Slots = kinds;
        return window->StartNewGame(QString::fromStdString(dir.Write("Window", def).string()),
                                    setup);
    }
    bool StartShipped(const char* name,
                      std::vector<SlotKind> kinds = {SlotKind::Human, SlotKind::Human}) {
        NewGameSetup setup;
        setup.Slots = kinds;
        auto path = FindScenario(MAROVANE_PROGRAM_DIR, name);
        return path && window->StartNewGame(QString::fromStdString(path->string()), setup);
    }
    // An empty 12 x 12 board with castles and keeps for two humans.
    void StartEmptyCastles() {
        GameDef def = test::PlainDef(12, 12);
        def.Options = static_cast<int16_t>(Bit(option_bit::Castle) | Bit(option_bit::LoseConquest) |
                                           Bit(option_bit::WinConquest));
        ASSERT_TRUE(Start(def));
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y)
                game->SetUnit(x, y, -1, 1);
        }
        game->Update();
    }

    QPoint Centre(int x, int y) const { return window->Board()->CellRect(x, y).center().toPoint(); }
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->Board(), button, {}, Centre(x, y));
    }
    void Hover(int x, int y) { QTest::mouseMove(window->Board(), Centre(x, y)); }
};

// Text from another machine or a file may look like markup: it is shown as it stands.
TEST_F(GameWindowTest, MessagesAreShownAsPlainText) {
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            format = box->textFormat();
            shown = box->text();
            box->accept();
        }
    });
    poll.start(5);
    window->ShowMessage(Verbatim("<h1>Big</h1><a href='x'>link</a>"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, "<h1>Big</h1><a href='x'>link</a>");
}

TEST_F(GameWindowTest, ClicksSelectAndStepOneCellAtATime) {
    ASSERT_TRUE(StartShipped("Castle Siege"));
    EXPECT_TRUE(window->Board()->isVisible());
    EXPECT_EQ(window->windowTitle(), "Castle Siege - Marovane - Player 1");
    EXPECT_EQ(window->MoneyLabel()->text(), QString::fromLatin1("1500\xA4"));
    Click(4, 3); // the light cavalryman outside the gate
    EXPECT_EQ(game->HighX, 4);
    EXPECT_EQ(window->Board()->HighlightX(), 4);
    EXPECT_TRUE(window->SelectedPanel()->isVisible());
    Click(6, 5);
    EXPECT_EQ(game->PicNum(6, 5), -1) << "two cells away: no step";
    Click(5, 4);
    EXPECT_EQ(game->PicNum(5, 4), 9);
    EXPECT_EQ(window->Board()->CellPicture(5, 4).cacheKey(),
              window->Pictures().Picture(9).cacheKey());
    EXPECT_TRUE(window->NextTurnButton()->isEnabled());
}

TEST_F(GameWindowTest, TheFloatingPanelLetsClicksThrough) {
    ASSERT_TRUE(StartShipped("Castle Siege"));
    auto inWindow = [&](int x, int y) {
        return window->Board()->mapTo(window.get(), Centre(x, y));
    };
    // Clicks go to the window as a whole, which hands them to whatever lies on top.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow(4, 3));
    QTest::mouseMove(window->windowHandle(), inWindow(4, 3) + QPoint(3, 3));
    QTest::mouseMove(window->windowHandle(), inWindow(5, 4));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow(5, 4));
    EXPECT_EQ(game->PicNum(5, 4), 9);
}

TEST_F(GameWindowTest, CastleWallsAreEnteredOnlyThroughTheGate) {
    StartEmptyCastles();
    game->PlaceUnit(4, 2, 3, 1);
    Click(4, 2);
    Click(3, 2);
    EXPECT_EQ(game->PicNum(4, 2), 3) << "no step from outside onto the wall";
    Click(4, 3);
    Click(3, 3);
    EXPECT_EQ(game->PicNum(3, 3), 3) << "onto the gate";
}

TEST_F(GameWindowTest, AttackingShowsTheTargetAndTheChanceToHit) {
    StartEmptyCastles();
    game->PlaceUnit(6, 6, 4, 1);
    game->PlaceUnit(7, 7, 5, 2);
    game->PlaceUnit(9, 6, 7, 1);
    Click(9, 6); // a medium archer, range 3
    Hover(7, 7);
    EXPECT_TRUE(window->PointerPanel()->isVisible());
    EXPECT_EQ(window->PointerPanel()->NameText(), QString::fromLatin1(specs.UnitName[5]));
    EXPECT_EQ(window->PointerPanel()->HitChanceText(), "") << "a sure hit shows no number";
    Click(6, 6);
    Hover(7, 7);
    EXPECT_EQ(window->PointerPanel()->HitChanceText(), "");
    const int before = game->BoardUnit(7, 7);
    Click(7, 7);
    EXPECT_LT(game->BoardUnit(7, 7), before);
    EXPECT_EQ(game->HighX, 0) << "the attack ended the unit's turn";
    EXPECT_EQ(window->PointerPanel()->HitPoints(), game->PieceAt(7, 7).HitPoints);
}

TEST_F(GameWindowTest, LongShotsShowTheirChance) {
    StartEmptyCastles();
    game->PlaceUnit(5, 5, 8, 1); // a heavy archer, range 4
    game->PlaceUnit(9, 7, 5, 2);
    Click(5, 5);
    Hover(9, 7);
    EXPECT_EQ(window->PointerPanel()->HitChanceText(), "38%");
}

TEST_F(GameWindowTest, RightButtonAndSpaceOfferTheNextUnit) {
    StartEmptyCastles();
    game->PlaceUnit(2, 2, 3, 1);
    game->PlaceUnit(7, 5, 3, 1);
    Click(5, 5, Qt::RightButton);
    EXPECT_EQ(game->HighX, 7) << "the farthest first";
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(game->HighX, 2);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(game->HighX, 0);
    EXPECT_FALSE(window->SelectedPanel()->isVisible());
}

TEST_F(GameWindowTest, TheKeepDialogBuysIntoTheKeep) {
    ASSERT_TRUE(StartShipped("Castle Siege"));
    test::ModalAnswer answer([](QWidget* modal) {
        auto* keep = qobject_cast<KeepDialog*>(modal);
        if (!keep)
            return;
        EXPECT_EQ(keep->windowTitle(), "Inner Keep - Player 1");
        EXPECT_TRUE(keep->PurchaseFrame()->isVisible());
        EXPECT_FALSE(keep->RescueButton()->isVisible());
        keep->UnitButton(4)->click();
        EXPECT_FALSE(keep->PurchaseFrame()->isVisible()) << "one unit a visit";
        keep->CloseButton()->click();
    });
    // What the player does is told, for the tutorial's guide.
    std::vector<PlayerDeed> deeds;
    QObject::connect(window.get(), &GameWindow::PlayerDid,
                     [&](PlayerDeed deed) { deeds.push_back(deed); });
    Click(4, 3);
    Click(5, 4);
    QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    EXPECT_EQ(deeds, (std::vector<PlayerDeed>{PlayerDeed::Selected, PlayerDeed::Stepped,
                                              PlayerDeed::EndedTurn, PlayerDeed::UsedKeep}));
    EXPECT_EQ(game->PicNum(1, 1), 4);
    EXPECT_EQ(game->Money[1], 1500 - specs.UnitCost[4]);
    EXPECT_EQ(game->CurrentPlayer, 2);
    EXPECT_EQ(window->windowTitle(), "Castle Siege - Marovane - Player 2");
}

TEST_F(GameWindowTest, HotSeatTurnsAreAnnouncedBehindTheCover) {
    ASSERT_TRUE(StartShipped("Skirmish"));
    window->Action("mnuOCheck1")->trigger();
    EXPECT_FALSE(window->Action("mnuOCheck0")->isEnabled());
    EXPECT_FALSE(window->Action("mnuOCheck0")->isChecked());
    test::ModalAnswer answer;
    Click(2, 1);
    Click(3, 2);
    ASSERT_TRUE(window->NextTurnButton()->isEnabled());
    QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Player 2's Turn");
    EXPECT_TRUE(window->Board()->isVisible());
}

TEST_F(GameWindowTest, OptionsAreStoredUnderTheirCaptions) {
    window->Action("mnuOCheck2")->trigger();
    window->Action("mnuOCheck1")->trigger();
    window->Action("mnuOStrengthHard")->trigger();
    EXPECT_FALSE(window->Action("mnuOStrengthStandard")->isChecked());
    window->Exit();
    QSettings settings("Marovane", "Marovane");
    EXPECT_EQ(settings.value("Options/&Auto Next Turn").toString(), "False");
    EXPECT_EQ(settings.value("Options/&Hide Opponents Turn").toString(), "True");
    EXPECT_EQ(settings.value("Options/Show Computer &Thinking").toString(), "False");
    EXPECT_EQ(settings.value("Options/Computer Level").toString(), "Hard");
    GameWindow again(QDir(MAROVANE_PROGRAM_DIR), specs, 1);
    EXPECT_FALSE(again.Action("mnuOCheck2")->isChecked());
    EXPECT_TRUE(again.Action("mnuOCheck1")->isChecked());
    EXPECT_FALSE(again.Action("mnuOCheck0")->isEnabled());
    EXPECT_TRUE(again.CurrentGame().HideOpponents);
    EXPECT_TRUE(again.Action("mnuOStrengthHard")->isChecked());
    EXPECT_EQ(again.Session().OwnComputer().Level(2), ComputerLevel::Hard);
}

TEST_F(GameWindowTest, AnotherPictureSetRedrawsTheBoard) {
    ASSERT_TRUE(StartShipped("Skirmish"));
    QAction* alphabet = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == "Alphabet")
            alphabet = action;
    }
    ASSERT_NE(alphabet, nullptr);
    alphabet->trigger();
    EXPECT_EQ(window->Pictures().Name(), "Alphabet");
    EXPECT_EQ(window->Board()->CellPicture(1, 1).cacheKey(),
              window->Pictures().Picture(game->PicNum(1, 1)).cacheKey());
}

TEST_F(GameWindowTest, FogHidesWhatThePlayerCannotSee) {
    ASSERT_TRUE(StartShipped("Into the Mist"));
    EXPECT_TRUE(window->Board()->CellVisible(2, 2));
    EXPECT_FALSE(window->Board()->CellVisible(20, 20)) << "the far corner lies in the fog";
    EXPECT_FALSE(window->Board()->CellVisible(12, 12));
}

TEST_F(GameWindowTest, TheLastDefeatBringsTheTitleBack) {
    ASSERT_TRUE(StartShipped("Skirmish"));
    test::ModalAnswer answer;
    window->Action("mnuPResign")->trigger();
    ASSERT_EQ(answer.Messages.size(), 3u);
    EXPECT_EQ(answer.Messages[1], "Player 1 resigns!");
    EXPECT_EQ(answer.Messages[2], "Player 2 has conquered all!");
    EXPECT_FALSE(game->GameOn);
    EXPECT_FALSE(window->Board()->isVisible());
    EXPECT_EQ(window->Cover()->PictureName(), "intro.jpg");
    EXPECT_EQ(window->windowTitle(), "Marovane");
}

TEST_F(GameWindowTest, AComputerTurnRunsWhileTheWindowKeepsWorking) {
    window->Action("mnuOCheck0")->trigger(); // thinking off: no pauses
    ASSERT_FALSE(window->Action("mnuOCheck0")->isChecked());
    ASSERT_TRUE(StartShipped("Skirmish", {SlotKind::Human, SlotKind::Computer}));
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    Click(2, 1);
    Click(3, 2);
    QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    ticker.stop();
    EXPECT_GT(ticks, 0) << "window events ran during the computer's turn";
    ASSERT_TRUE(game->GameOn) << "one turn each does not end a skirmish";
    EXPECT_EQ(game->CurrentPlayer, 1) << "the computer played and handed the turn back";
    EXPECT_EQ(window->windowTitle(), "Skirmish - Marovane - Player 1");
}

// The session's computer, telling whether it is in the middle of a turn.
class WatchedComputer : public ComputerPlayer {
public:
    explicit WatchedComputer(ComputerOpponent& computer) : computer_(computer) {}
    bool PlayTurn(Game& game) override {
        Playing = true;
        const bool goOn = computer_.PlayTurn(game);
        Playing = false;
        return goOn;
    }
    void DoComputerKeep(Game& game, KeepVisit& visit) override {
        computer_.DoComputerKeep(game, visit);
    }
    bool Playing = false;

private:
    ComputerOpponent& computer_;
};

TEST_F(GameWindowTest, AHardTurnLetsTheWindowRunAndStopsForANewGame) {
    window->Action("mnuOCheck0")->trigger(); // thinking off: no pauses
    window->Action("mnuOStrengthHard")->trigger();
    WatchedComputer computer(window->Session().OwnComputer());
    window->SetComputerPlayer(&computer);
    ASSERT_TRUE(StartShipped("Skirmish", {SlotKind::Human, SlotKind::Computer}));
    Click(2, 1);
    Click(3, 2);
    // Enemies next to the computer's party give it a turn of fighting.
    for (const int y : {6, 7, 8})
        game->PlaceUnit(6, y, 4, 1);
    game->Update();
    const auto castles = FindScenario(MAROVANE_PROGRAM_DIR, "Castle Siege");
    ASSERT_TRUE(castles);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        // In the middle of the computer's turn the player starts another game.
        if (computer.Playing && ++ticks == 2)
            window->Session().RequestNewGame(*castles, test::Humans(2));
    });
    ticker.start(0);
    QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    ticker.stop();
    EXPECT_EQ(ticks, 2) << "window events ran during the hard turn, which stopped at the request";
    EXPECT_FALSE(game->GameOn);
    ASSERT_TRUE(window->Session().StartPendingGame());
    EXPECT_EQ(game->BoardWidth, 16);
    EXPECT_EQ(game->CurrentPlayer, 1);
    EXPECT_EQ(BoardProblem(*game).English(), "");
}

TEST_F(GameWindowTest, PlayerComputerHandsTheCurrentTurnToTheComputer) {
    window->Action("mnuOCheck0")->trigger();
    ASSERT_TRUE(StartShipped("Castle Siege"));
    QAction* computer = window->Action("mnuPComp");
    ASSERT_TRUE(computer->isEnabled());
    computer->trigger();
    EXPECT_TRUE(game->PlayerComp[1]);
    EXPECT_EQ(game->CurrentPlayer, 2) << "the computer finished player 1's turn";
    EXPECT_FALSE(window->Action("mnuPComp")->isChecked()) << "player 2 is still a human";
}

TEST_F(GameWindowTest, SwitchingBackToHumanStopsTheComputerTurn) {
    // With thinking shown the computer pauses; during a pause the player takes over again.
    QTimer::singleShot(300, window.get(), [this] { window->Action("mnuPComp")->trigger(); });
    ASSERT_TRUE(StartShipped("Castle Siege", {SlotKind::Computer, SlotKind::Human}));
    EXPECT_TRUE(game->GameOn);
    EXPECT_EQ(game->CurrentPlayer, 1);
    EXPECT_FALSE(game->PlayerComp[1]);
    EXPECT_TRUE(window->NextTurnButton()->isEnabled());
}

TEST_F(GameWindowTest, ClosingDuringAGameAsksFirst) {
    ASSERT_TRUE(StartShipped("Skirmish"));
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::No;
    window->close();
    QTest::qWait(50);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(game->GameOn);
    ASSERT_FALSE(answer.Messages.empty());
    EXPECT_EQ(answer.Messages.back(), "Are you sure you want to quit?");
}

TEST_F(GameWindowTest, AUnitInTheFogStaysHiddenFromEveryChannel) {
    specs.UnitRange[unit_type::Catapult] = 6; // reaches farther than its sight of three cells
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Fog));
    ASSERT_TRUE(Start(def));
    QTest::mouseClick(window->Cover(), Qt::LeftButton); // two players share the machine
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 12; ++y)
            game->SetUnit(x, y, -1, 1);
    }
    game->PlaceUnit(3, 3, unit_type::Catapult, 1);
    game->PlaceUnit(8, 3, 4, 2);
    game->Update();
    ASSERT_FALSE(window->Board()->CellVisible(8, 3));
    Click(3, 3);
    ASSERT_EQ(game->HighX, 3);

    Hover(8, 3);
    EXPECT_FALSE(window->PointerPanel()->isVisible()) << "the floating panel";
    EXPECT_EQ(window->PointerPanel()->HitChanceText(), "") << "the chance to hit";
    EXPECT_EQ(window->Board()->cursor().shape(), Qt::ForbiddenCursor) << "the pointer";
    QHelpEvent help(QEvent::ToolTip, Centre(8, 3), window->Board()->mapToGlobal(Centre(8, 3)));
    QApplication::sendEvent(window->Board(), &help);
    EXPECT_EQ(QToolTip::text(), "") << "the tooltip";
    QCoreApplication::processEvents();
    EXPECT_EQ(window->Board()->CellMark(8, 3), CellMarks{}) << "the marks: no target, no bar";
    Click(8, 3);
    EXPECT_EQ(game->BoardUnit(8, 3), specs.UnitStrength[4]) << "the click";
    EXPECT_EQ(game->BoardUnit(3, 3), specs.UnitStrength[unit_type::Catapult]);

    // A visible enemy in the same place is shown and can be aimed at.
    game->PlaceUnit(7, 5, 4, 1);
    game->Update();
    ASSERT_TRUE(window->Board()->CellVisible(8, 3));
    Hover(8, 2);
    Hover(8, 3);
    EXPECT_TRUE(window->PointerPanel()->isVisible());
    EXPECT_NE(window->Board()->cursor().shape(), Qt::ForbiddenCursor);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->Board()->CellMark(8, 3).Reach, ReachMark::Attack);
    EXPECT_EQ(window->Board()->CellMark(8, 3).Health, 100);
}

TEST_F(GameWindowTest, TheFloatingPanelGoesWhenThePointerLeavesTheCells) {
    ASSERT_TRUE(StartShipped("Castle Siege"));
    auto inWindow = [&](QWidget* widget, QPoint at) { return widget->mapTo(window.get(), at); };
    auto hoverUnit = [&] {
        QTest::mouseMove(window->windowHandle(), inWindow(window->Board(), Centre(5, 5)));
        QTest::mouseMove(window->windowHandle(), inWindow(window->Board(), Centre(4, 3)));
        ASSERT_TRUE(window->PointerPanel()->isVisible());
    };
    hoverUnit();
    QTest::mouseMove(window->windowHandle(), inWindow(window->NextTurnButton(), QPoint(5, 5)));
    EXPECT_FALSE(window->PointerPanel()->isVisible()) << "over a button of the left column";
    hoverUnit();
    QTest::mouseMove(window->windowHandle(), inWindow(window->MoneyLabel(), QPoint(2, 2)));
    EXPECT_FALSE(window->PointerPanel()->isVisible()) << "over the player panel";
    hoverUnit();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->Board(), &leave);
    EXPECT_FALSE(window->PointerPanel()->isVisible()) << "off the board";
}

// Ends player 1's turn and answers his keep visit; false when no keep dialog showed.
bool EndTurnThroughTheKeep(GameWindow& window, const std::function<void(KeepDialog&)>& answer) {
    bool shown = false;
    test::ModalAnswer modal([&](QWidget* widget) {
        if (auto* keep = qobject_cast<KeepDialog*>(widget)) {
            shown = true;
            answer(*keep);
            keep->CloseButton()->click();
        }
    });
    window.CurrentGame().SetNextTurnEnabled(true);
    QTest::mouseClick(window.NextTurnButton(), Qt::LeftButton);
    return shown;
}

TEST_F(GameWindowTest, TheKeepShowsATeamMatesPieceInItsOwnersColour) {
    ASSERT_TRUE(StartShipped("Border Wars", test::Humans(4).Slots));
    window->Action("mnuTCheck4")->trigger(); // 1 and 2 against 3 and 4
    ASSERT_TRUE(game->SameTeam(1, 2)) << game->TeamsMode;
    game->SetUnit(1, 1, -1, 1);
    game->PlaceUnit(1, 1, 4, 2); // player 2's infantryman in player 1's keep
    EXPECT_TRUE(EndTurnThroughTheKeep(*window, [&](KeepDialog& keep) {
        EXPECT_EQ(keep.PiecePicture()->pixmap().cacheKey(),
                  window->Pictures().Picture(kUnitTypes + 4).cacheKey())
            << "drawn in player 2's colour";
        EXPECT_TRUE(keep.SellButton()->isVisible());
        keep.SellButton()->click();
        EXPECT_FALSE(keep.SellButton()->isVisible()) << "nothing left to sell";
    }));
    EXPECT_EQ(game->PicNum(1, 1), -1);
}

TEST_F(GameWindowTest, AnEmptyKeepOffersNoSale) {
    ASSERT_TRUE(StartShipped("Castle Siege"));
    ASSERT_EQ(game->PicNum(1, 1), -1);
    std::vector<PlayerDeed> deeds;
    QObject::connect(window.get(), &GameWindow::PlayerDid,
                     [&](PlayerDeed deed) { deeds.push_back(deed); });
    EXPECT_TRUE(EndTurnThroughTheKeep(*window, [](KeepDialog& keep) {
        EXPECT_FALSE(keep.SellButton()->isVisible());
        EXPECT_FALSE(keep.RescueButton()->isVisible());
    }));
    EXPECT_EQ(deeds, std::vector<PlayerDeed>{PlayerDeed::EndedTurn}) << "a keep left as it was";
}

} // namespace
} // namespace marovane
