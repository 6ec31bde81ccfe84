#include "shell/HelpWindow.h"
#include "shell/ShellFixture.h"
#include "ui/BoardWidget.h"
#include "ui/ModalAnswer.h"

#include <QDockWidget>
#include <QFileInfo>

namespace marovane {
namespace {

class TutorialTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeWindow();
    }
    bool PanelShowsTutorial() const {
        QDockWidget* panel = shell->TutorialPanel();
        return panel && panel->isVisible() &&
               QFileInfo(static_cast<HelpWindow*>(panel->widget())->CurrentPage()).fileName() ==
                   "tutorial.html";
    }
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

TEST_F(TutorialTest, AGameInProgressEndsOnlyWhenThePlayerSaysYes) {
    ASSERT_TRUE(window->StartNewGame(InFolder("Skirmish.def"), test::Humans(2)));
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::No;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0],
              "Are you sure you want to quit this game and start the tutorial?");
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Skirmish");
    EXPECT_TRUE(window->CurrentGame().GameOn);

    answer.QuestionAnswer = QMessageBox::Yes;
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
    answer.QuestionAnswer = QMessageBox::Yes;
    window->Action("mnuHTutorial")->trigger();
    ASSERT_EQ(answer.Messages.size(), 2u);
    EXPECT_EQ(answer.Messages[1], "Error loading tutorial.");
    EXPECT_TRUE(window->CurrentGame().GameOn);
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Skirmish");
    EXPECT_FALSE(shell->TutorialPanel());
}

} // namespace
} // namespace marovane
