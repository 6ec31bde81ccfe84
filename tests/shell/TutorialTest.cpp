#include "shell/HelpWindow.h"
#include "shell/ShellFixture.h"
#include "shell/TutorialGuidePanel.h"
#include "ui/BoardWidget.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace marovane {
namespace {

class TutorialTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeWindow();
    }
    // The guide beside the board, when it is shown.
    TutorialGuidePanel* Guide() const {
        QDockWidget* panel = shell->TutorialPanel();
        return panel && panel->isVisible() ? static_cast<TutorialGuidePanel*>(panel->widget())
                                           : nullptr;
    }
    bool PanelShowsTutorial() const { return Guide() && Guide()->Guide().Number() == 1; }
    // Waits until a game started by a timer is on.
    bool WaitForTutorial() {
        return QTest::qWaitFor(
            [this] {
                return window->CurrentGame().GameOn &&
                       window->CurrentGame().ScenarioName == "Tutorial";
            },
            3000);
    }
};

TEST_F(TutorialTest, StartsWithTheLetterPicturesAndItsHelpBesideTheBoard) {
    test::ModalAnswer answer;
    window->Action("mnuHTutorial")->trigger();
    EXPECT_TRUE(answer.Messages.empty()) << "no game to quit";
    const Game& game = window->CurrentGame();
    ASSERT_TRUE(game.GameOn);
    EXPECT_EQ(game.ScenarioName, "Tutorial");
    EXPECT_EQ(window->Pictures().Name(), "Alphabet");
    EXPECT_TRUE(PanelShowsTutorial());
    // Beside the board, not over it, and the board fits into what is left.
    QCoreApplication::processEvents();
    EXPECT_LE(window->centralWidget()->geometry().right(),
              shell->TutorialPanel()->geometry().left());
    EXPECT_LE(window->Board()->geometry().right(), window->centralWidget()->width());
}

TEST_F(TutorialTest, AGameInProgressEndsOnlyWhenThePlayerLetsItGo) {
    ASSERT_TRUE(window->StartNewGame(InFolder("Skirmish.def"), test::Humans(2)));
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::Cancel;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Save the current game first?");
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Skirmish");
    EXPECT_TRUE(window->CurrentGame().GameOn);

    answer.QuestionAnswer = QMessageBox::Discard;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_TRUE(WaitForTutorial());
    EXPECT_EQ(answer.Messages.size(), 2u);
    EXPECT_EQ(window->Pictures().Name(), "Alphabet");
    EXPECT_TRUE(PanelShowsTutorial());
}

TEST_F(TutorialTest, AMissingTutorialIsReportedAndTheRunningGameStays) {
    std::filesystem::remove(folder.Path() / "Tutorial.def");
    ASSERT_TRUE(window->StartNewGame(InFolder("Skirmish.def"), test::Humans(2)));
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::Discard;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_EQ(answer.Messages.size(), 2u);
    EXPECT_EQ(answer.Messages[1], "Error loading tutorial.");
    EXPECT_TRUE(window->CurrentGame().GameOn);
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Skirmish");
    EXPECT_FALSE(shell->TutorialPanel());
}

// Game > New during the tutorial, even cancelled, leaves the letters on its board; the game
// chosen next takes the dialog's pictures.
TEST_F(TutorialTest, GameNewKeepsTheTutorialsLettersUntilAnotherGameBegins) {
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::Discard;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_EQ(window->Pictures().Name(), "Alphabet");
    GameSetupDialog* setup = window->SetupDialog();
    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(setup->isVisible());
    ASSERT_TRUE(setup->SelectScenario("Skirmish"));
    EXPECT_EQ(setup->PictureSets()->currentText(), "People");
    EXPECT_EQ(window->Pictures().Name(), "Alphabet");
    setup->reject();
    EXPECT_EQ(window->Pictures().Name(), "Alphabet") << "cancelled";
    EXPECT_TRUE(window->CurrentGame().GameOn);

    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(setup->SelectScenario("Skirmish"));
    setup->BeginButton()->click();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->CurrentGame().ScenarioName == "Skirmish"; }, 3000));
    EXPECT_EQ(window->Pictures().Name(), "People");
    EXPECT_FALSE(Guide()) << "the guide does not stay into another game";
}

// The guide moves on as the player plays: select, then step, then attack, each with real clicks
// on the board. The tutorial is never one of Game > Recent.
TEST_F(TutorialTest, TheGuideMovesOnAsThePlayerDoesEachStep) {
    test::ModalAnswer answer;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_TRUE(Guide());
    EXPECT_EQ(Guide()->StepLabel()->text(), "Step 1 of 7: Select a unit");
    EXPECT_TRUE(Guide()->TextLabel()->text().contains("LI Light Infantry"));
    Game& game = window->CurrentGame();
    BoardWidget* board = window->Board();
    const auto click = [board](int x, int y) {
        QTest::mouseClick(board, Qt::LeftButton, {}, board->CellRect(x, y).center().toPoint());
    };
    // Stepping first is not what step 1 asks for; the light infantryman at (4, 1) is.
    click(4, 1);
    ASSERT_EQ(game.HighX, 4);
    EXPECT_EQ(Guide()->Guide().Number(), 2);
    EXPECT_EQ(Guide()->StepLabel()->text(), "Step 2 of 7: Step");
    // A free cell he can step to.
    int toX = 0, toY = 0;
    for (int x = 3; x <= 5 && !toX; ++x)
        for (int y = 1; y <= 2 && !toX; ++y)
            if (game.ClickPreview(x, y) == ClickAction::Move)
                toX = x, toY = y;
    ASSERT_NE(toX, 0) << "the tutorial's light infantryman can step";
    click(toX, toY);
    EXPECT_EQ(Guide()->Guide().Number(), 3);
    EXPECT_EQ(Guide()->StepLabel()->text(), "Step 3 of 7: Attack");
    // The pointer rests on the unit, whose floating panel shows.
    const QPoint over = board->CellRect(toX, toY).center().toPoint();
    QMouseEvent move(QEvent::MouseMove, over, board->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(board, &move);
    if (const QByteArray shots = qgetenv("MAROVANE_SHOTS"); !shots.isEmpty()) {
        QTest::qWait(50);
        window->grab().save(QString::fromLocal8Bit(shots) + "/tutorial-guide-step3.png");
    }
    EXPECT_TRUE(window->Session().RecentFiles().empty());

    // The guide closes with the tutorial game.
    game.Resign();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !game.GameOn; }, 3000));
    EXPECT_FALSE(Guide());
}

} // namespace
} // namespace marovane
