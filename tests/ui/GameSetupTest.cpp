#include "scenario/GameSetupDialog.h"

#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"
#include "ui/GameWindow.h"
#include "ui/ModalAnswer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace marovane {
namespace {

class GameSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings("Marovane", "Marovane").clear();
        specs = LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
        window = MakeWindow();
    }
    std::unique_ptr<GameWindow> MakeWindow() {
        auto made = std::make_unique<GameWindow>(QDir(MAROVANE_PROGRAM_DIR), specs, 11);
        made->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(made.get()));
        return made;
    }
    static void Pick(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    UnitSpecs specs;
    test::TempDir dir;
    std::unique_ptr<GameWindow> window;
};

TEST_F(GameSetupTest, ChoosingAScenarioAndPlayersStartsTheGame) {
    test::ModalAnswer answer([](QWidget* modal) {
        auto* dialog = qobject_cast<GameSetupDialog*>(modal);
        if (!dialog)
            return;
        ASSERT_TRUE(dialog->SelectScenario("castle siege"));
        EXPECT_EQ(dialog->SizeLabel()->text(), " Board Size: 16 x 16 ");
        EXPECT_TRUE(dialog->Badge()->isVisible()) << "a scenario that comes with the game";
        EXPECT_EQ(dialog->OptionBox(0)->text(), "A fuller war chest (+1000)");
        dialog->OptionBox(0)->setChecked(true);
        Pick(dialog->Slot(1), "Computer");
        Pick(dialog->Slot(2), "Human");
        dialog->BeginButton()->click();
    });
    window->NewGameCommand();
    Game& game = window->CurrentGame();
    ASSERT_TRUE(game.GameOn);
    EXPECT_EQ(game.ScenarioName, "Castle Siege");
    EXPECT_EQ(game.NumPlayers, 3);
    EXPECT_TRUE(game.PlayerComp[2]);
    EXPECT_EQ(game.Money[1], 2500) << "the ticked option added to the treasury";
}

TEST_F(GameSetupTest, PlayersMustBeConsecutiveAndCancelStartsNothing) {
    bool refused = false;
    test::ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<GameSetupDialog*>(modal);
        if (!dialog)
            return;
        dialog->SelectScenario("Royal Rescue");
        Pick(dialog->Slot(3), "Human"); // a fourth player brings a third
        Pick(dialog->Slot(2), "None");
        if (!refused) {
            refused = true;
            dialog->BeginButton()->click(); // refused with a message; the dialog stays
            QTest::qWait(30);
            EXPECT_TRUE(dialog->isVisible());
        }
        dialog->reject();
    });
    window->NewGameCommand();
    EXPECT_FALSE(window->CurrentGame().GameOn);
    ASSERT_FALSE(answer.Messages.empty());
    EXPECT_EQ(answer.Messages.back(),
              "You must select consecutive players.  Player 4 cannot be 'Human.'");
}

TEST_F(GameSetupTest, TheTutorialLocksTheLetterPicturesUntilAnotherScenario) {
    GameSetupDialog* dialog = window->SetupDialog();
    dialog->SelectScenario("Skirmish");
    EXPECT_EQ(dialog->PictureSets()->currentText(), "People");
    dialog->SelectScenario("Tutorial");
    EXPECT_EQ(dialog->PictureSets()->currentText(), "Alphabet");
    EXPECT_FALSE(dialog->PictureSets()->isEnabled());
    EXPECT_EQ(window->Pictures().Name(), "Alphabet") << "the window's menu follows";
    dialog->SelectScenario("Skirmish");
    EXPECT_EQ(dialog->PictureSets()->currentText(), "People");
    EXPECT_TRUE(dialog->PictureSets()->isEnabled());
}

TEST_F(GameSetupTest, ANewGameDuringAGameStartsFromTheTimer) {
    ASSERT_TRUE(window->StartNewGame(
        QString::fromStdString(FindScenario(MAROVANE_PROGRAM_DIR, "Skirmish")->string()),
        test::Humans(2)));
    test::ModalAnswer answer([](QWidget* modal) {
        if (auto* dialog = qobject_cast<GameSetupDialog*>(modal)) {
            dialog->SelectScenario("Into the Mist");
            dialog->BeginButton()->click();
        }
    });
    window->NewGameCommand();
    EXPECT_FALSE(window->CurrentGame().GameOn) << "the old game stops at once";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->CurrentGame().GameOn; }, 2000));
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Into the Mist");
}

TEST_F(GameSetupTest, SavedGamesLoadIntoAFreshWindowExactly) {
    ASSERT_TRUE(window->StartNewGame(
        QString::fromStdString(FindScenario(MAROVANE_PROGRAM_DIR, "Royal Rescue")->string()),
        test::Humans(3)));
    Game& game = window->CurrentGame();
    game.Money[2] = 777;
    const QString path = QString::fromStdString((dir.Path() / "saved.mvg").string());
    ASSERT_TRUE(window->SaveTo(path));
    EXPECT_EQ(game.SaveFile, path.toStdString());

    auto fresh = MakeWindow();
    ASSERT_TRUE(fresh->LoadFrom(path));
    EXPECT_EQ(EncodeSavedGame(fresh->CurrentGame()), EncodeSavedGame(game));
    EXPECT_TRUE(fresh->CurrentGame().GameOn);
    EXPECT_EQ(fresh->windowTitle(), "Marovane - Player 1 - Royal Rescue");
    EXPECT_TRUE(fresh->Action("mnuGSave")->isEnabled());
}

TEST_F(GameSetupTest, ADamagedSaveIsRefusedAndTheGameGoesOn) {
    ASSERT_TRUE(window->StartNewGame(
        QString::fromStdString(FindScenario(MAROVANE_PROGRAM_DIR, "Skirmish")->string()),
        test::Humans(2)));
    const std::string before = EncodeSavedGame(window->CurrentGame());
    std::string damaged = before.substr(0, before.size() / 2);
    const auto path = dir.WriteBytes("damaged.mvg", damaged);
    test::ModalAnswer answer;
    EXPECT_FALSE(window->LoadFrom(QString::fromStdString(path.string())));
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Invalid save file.");
    EXPECT_EQ(EncodeSavedGame(window->CurrentGame()), before);
    EXPECT_TRUE(window->CurrentGame().GameOn);
}

} // namespace
} // namespace marovane
