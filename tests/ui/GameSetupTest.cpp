#include "ui/dialogs/GameSetupDialog.h"

#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"
#include "ui/BoardWidget.h"
#include "ui/GameWindow.h"
#include "ui/ModalAnswer.h"
#include "ui/Shoot.h"
#include "ui/UnitPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
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

    static QString Shipped(const char* name) {
        return QString::fromStdString(FindScenario(MAROVANE_PROGRAM_DIR, name)->string());
    }
    // The board of a freshly started game takes the mouse: a click on player 1's first unit
    // selects it, and hovering another piece shows it in the floating panel.
    static void ExpectBoardTakesClicks(GameWindow& shown) {
        Game& game = shown.CurrentGame();
        ASSERT_TRUE(game.GameOn);
        ASSERT_TRUE(shown.Board()->isVisible());
        const PartyPiece first = game.FindParty(game.CurrentPlayer).front();
        ASSERT_GE(first.X, 1);
        const QPoint cell = shown.Board()->CellRect(first.X, first.Y).center().toPoint();
        QTest::mouseClick(shown.Board(), Qt::LeftButton, {}, cell);
        EXPECT_EQ(game.HighX, first.X) << "the click selected the unit";
        EXPECT_EQ(game.HighY, first.Y);
        game.UnselectPiece();
        QTest::mouseMove(shown.Board(), cell + QPoint(1, 0));
        QTest::mouseMove(shown.Board(), cell);
        EXPECT_TRUE(shown.PointerPanel()->isVisible()) << "hovering shows the piece";
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.GameOn; }, 2000));
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
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return refused && !window->SetupDialog()->isVisible(); }, 2000));
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
    answer.QuestionAnswer = QMessageBox::Discard;
    window->NewGameCommand();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().HasPendingGame(); }, 2000));
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

// ---- Every way a game starts leaves a board that takes the mouse -----------------------------

TEST_F(GameSetupTest, AGameChosenFromTheTitlePictureTakesClicks) {
    test::ModalAnswer answer([](QWidget* modal) {
        if (auto* dialog = qobject_cast<GameSetupDialog*>(modal)) {
            dialog->SelectScenario("Castle Siege");
            dialog->BeginButton()->click();
        }
    });
    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->CurrentGame().GameOn; }, 2000));
    ExpectBoardTakesClicks(*window);
}

TEST_F(GameSetupTest, AGameChosenDuringAnotherTakesClicks) {
    ASSERT_TRUE(window->StartNewGame(Shipped("Skirmish"), test::Humans(2)));
    test::ModalAnswer answer([](QWidget* modal) {
        if (auto* dialog = qobject_cast<GameSetupDialog*>(modal)) {
            dialog->SelectScenario("Castle Siege");
            dialog->BeginButton()->click();
        }
    });
    answer.QuestionAnswer = QMessageBox::Discard;
    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().HasPendingGame(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->CurrentGame().GameOn; }, 2000));
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Castle Siege");
    ExpectBoardTakesClicks(*window);
}

TEST_F(GameSetupTest, AGameLoadedDuringAnotherTakesClicks) {
    ASSERT_TRUE(window->StartNewGame(Shipped("Royal Rescue"), test::Humans(2)));
    const QString path = QString::fromStdString((dir.Path() / "saved.mvg").string());
    ASSERT_TRUE(window->SaveTo(path));
    ASSERT_TRUE(window->StartNewGame(Shipped("Skirmish"), test::Humans(2)));
    ASSERT_TRUE(window->LoadFrom(path));
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Royal Rescue");
    ExpectBoardTakesClicks(*window);
}

TEST_F(GameSetupTest, ASaveWhoseBoardDoesNotHoldIsRefusedByTheWindow) {
    ASSERT_TRUE(window->StartNewGame(Shipped("Skirmish"), test::Humans(2)));
    Game& game = window->CurrentGame();
    const std::string before = EncodeSavedGame(game);
    const PartyPiece first = game.FindParty(1).front();
    game.BoardUnit(first.X, first.Y) = 9991; // 999 hit points
    const auto path = dir.WriteBytes("strong.mvg", EncodeSavedGame(game));
    game.BoardUnit(first.X, first.Y) =
        static_cast<int16_t>(specs.UnitStrength[game.PicNum(first.X, first.Y) % kUnitTypes]);
    ASSERT_EQ(EncodeSavedGame(game), before);

    test::ModalAnswer answer;
    EXPECT_FALSE(window->LoadFrom(QString::fromStdString(path.string())));
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Invalid save file.");
    EXPECT_EQ(EncodeSavedGame(game), before);
}

TEST_F(GameSetupTest, NothingLooksChosenBeforeTheListIsClicked) {
    GameSetupDialog* dialog = window->SetupDialog();
    bool answered = false;
    test::ModalAnswer answer([&](QWidget* modal) {
        if (modal != dialog)
            return;
        answered = true;
        EXPECT_TRUE(dialog->ScenarioList()->selectedItems().isEmpty());
        EXPECT_FALSE(dialog->BeginButton()->isEnabled());
        EXPECT_EQ(dialog->TitleLabel()->text(), "");
        QTest::keyClick(dialog, Qt::Key_Return); // starts nothing
        QTest::qWait(20);
        ASSERT_TRUE(dialog->isVisible());
        dialog->SelectScenario("Skirmish");
        EXPECT_TRUE(dialog->BeginButton()->isEnabled());
        EXPECT_EQ(dialog->TitleLabel()->text(), "Skirmish");
        dialog->reject();
    });
    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered && !dialog->isVisible(); }, 2000));
    EXPECT_FALSE(window->CurrentGame().GameOn);
}

// ---- A newcomer ----------------------------------------------------------------------------

// Game > New, a click on a scenario and a click on Begin: whichever scenario that came with the
// game it is, player 1 plays here against the computer.
TEST_F(GameSetupTest, ANewcomerWhoJustPressesBeginPlaysAgainstTheComputer) {
    test::ModalAnswer answer; // the tutorial's messages, and the previous game is let go
    answer.QuestionAnswer = QMessageBox::Discard;
    GameSetupDialog* dialog = window->SetupDialog();
    // The scenarios made from the sources: a network test running beside this one may add a
    // scenario of its own to the program folder.
    const QStringList shipped = QDir(QString(MAROVANE_SOURCE_DIR) + "/data/scenarios")
                                    .entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_GE(shipped.size(), 6);
    for (const QString& file : shipped) {
        const QString name = QFileInfo(file).completeBaseName();
        SCOPED_TRACE(name.toStdString());
        window->Action("mnuGNew")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }, 2000));
        const auto rows = dialog->ScenarioList()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        QListWidget* list = dialog->ScenarioList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(rows.front()).center());
        ASSERT_EQ(dialog->TitleLabel()->text(), name);
        QTest::mouseClick(dialog->BeginButton(), Qt::LeftButton);
        Game& game = window->CurrentGame();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return game.GameOn && game.ScenarioName == name.toStdString(); }, 3000));
        ASSERT_GE(game.NumPlayers, 2);
        EXPECT_EQ(game.Seat(1), SeatKind::HumanHere);
        for (int p = 2; p <= game.NumPlayers; ++p)
            EXPECT_EQ(game.Seat(p), SeatKind::Computer) << "player " << p;
    }
}

// The whole dialog, details shown, fits a screen of 800 x 600 with the frame a window manager
// puts around it, whichever scenario is chosen.
TEST_F(GameSetupTest, TheDialogFitsASmallScreen) {
    GameSetupDialog* dialog = window->SetupDialog();
    dialog->Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    ASSERT_TRUE(dialog->DetailsPanel()->isVisible());
    // The offscreen platform draws no frame: allow for a title bar and borders.
    const QSize frame(std::max(dialog->frameGeometry().width() - dialog->width(), 8),
                      std::max(dialog->frameGeometry().height() - dialog->height(), 32));
    for (const std::string& name : window->Session().Scenarios().List()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(dialog->SelectScenario(QString::fromStdString(name)));
        dialog->adjustSize();
        const QSize needed = dialog->minimumSizeHint().expandedTo(dialog->sizeHint()) + frame;
        EXPECT_LE(needed.width(), 800);
        EXPECT_LE(needed.height(), 600);
        EXPECT_LE(dialog->width() + frame.width(), 800);
        EXPECT_LE(dialog->height() + frame.height(), 600);
        test::Shoot(dialog, ("setup-" + name).c_str());
    }
    dialog->reject();
}

} // namespace
} // namespace marovane
