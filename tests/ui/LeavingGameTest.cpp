#include "ui/WindowFixture.h"

#include "ui/GameSummaryDialog.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// Every command that ends the running game asks first, and a cancelled question leaves the game
// exactly as it was.
class LeavingGameTest : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->Session().SetAutosaveFolder(dir.Path() / "autosaves");
    }
    // A game of two humans with a file of its own, so Save writes without asking where.
    void StartSaved() {
        ASSERT_TRUE(Start(test::PlainDef(8, 8), test::Humans(2)));
        ASSERT_TRUE(window->SaveTo(SavePath()));
        fs::remove(SavePath().toStdString());
        // Resume Last Game is offered from the game kept at this turn.
        window->EnableComforts();
    }
    QString SavePath() const { return QString::fromStdString((dir.Path() / "mine.mvg").string()); }
};

TEST_F(LeavingGameTest, EveryCommandThatEndsTheGameAsksToSaveItFirst) {
    struct Command {
        const char* name;
        std::function<void(GameWindow&)> run;
    };
    const Command commands[] = {
        {"New", [](GameWindow& w) { w.Action("mnuGNew")->trigger(); }},
        {"Load", [](GameWindow& w) { w.Action("mnuGLoad")->trigger(); }},
        {"Recent",
         [](GameWindow& w) {
             QMenu* recent = w.findChild<QMenu*>("mnuGRecent");
             emit recent->aboutToShow();
             w.Action("mnuGRecent0")->trigger();
         }},
        {"Resume Last Game", [](GameWindow& w) { w.Action("mnuGResume")->trigger(); }},
        {"Connect to Host", [](GameWindow& w) { w.Action("mnuGConnect")->trigger(); }},
    };
    const QMessageBox::StandardButton answers[] = {QMessageBox::Cancel, QMessageBox::Discard,
                                                   QMessageBox::Save};
    for (const Command& command : commands) {
        for (const QMessageBox::StandardButton answer : answers) {
            SCOPED_TRACE(std::string(command.name) + " answered " +
                         std::to_string(static_cast<int>(answer)));
            StartSaved();
            // A recent file to open: a saved game of its own.
            const QString other = QString::fromStdString((dir.Path() / "other.mvg").string());
            ASSERT_TRUE(window->SaveTo(other));
            window->CurrentGame().SetSaveFile(SavePath().toStdString());
            const uint32_t serial = game->GameSerial();
            // What the command goes on to: a file or host dialog is shown and cancelled.
            bool dialogShown = false;
            test::ModalAnswer modal([&](QWidget* widget) {
                if (qobject_cast<QFileDialog*>(widget) || qobject_cast<QInputDialog*>(widget)) {
                    dialogShown = true;
                    static_cast<QDialog*>(widget)->reject();
                }
            });
            modal.QuestionAnswer = answer;
            command.run(*window);
            QTest::qWait(20);
            ASSERT_FALSE(modal.Messages.empty());
            EXPECT_EQ(modal.Messages[0], "Save the current game first?");
            const bool wentOn =
                dialogShown || window->SetupDialog()->isVisible() || game->GameSerial() != serial;
            EXPECT_EQ(wentOn, answer != QMessageBox::Cancel);
            EXPECT_EQ(fs::exists(SavePath().toStdString()), answer == QMessageBox::Save);
            if (answer == QMessageBox::Cancel) {
                EXPECT_TRUE(game->GameOn);
                EXPECT_EQ(game->GameSerial(), serial);
            }
            window->SetupDialog()->reject();
            if (game->GameSerial() == serial) {
                EXPECT_EQ(game->SaveFile, SavePath().toStdString())
                    << "a game that goes on keeps its file";
            }
        }
    }
}

TEST_F(LeavingGameTest, ResignAsksFirstAndAWonGameIsSummedUp) {
    StartSaved();
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::No;
    window->Action("mnuPResign")->trigger();
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Resign Player 1's game?");
    EXPECT_TRUE(game->GameOn);
    EXPECT_FALSE(game->PlayerOut[1]);

    answer.QuestionAnswer = QMessageBox::Yes;
    window->Action("mnuPResign")->trigger();
    EXPECT_TRUE(game->PlayerOut[1]);
    EXPECT_FALSE(game->GameOn);
    ASSERT_TRUE(window->Summary()->isVisible());
    EXPECT_EQ(window->Summary()->WinnerText(), "Player 2 wins by conquest.");
    // New Game goes straight to the new-game dialog: there is no game left to lose.
    window->Summary()->NewGameButton()->click();
    EXPECT_FALSE(window->Summary()->isVisible());
    EXPECT_TRUE(window->SetupDialog()->isVisible());
    window->SetupDialog()->reject();
}

} // namespace
} // namespace marovane
