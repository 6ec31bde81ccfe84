#include "ui/GameWindow.h"

#include "engine/Combat.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "ui/BoardInput.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/ModalAnswer.h"
#include "ui/UnitPanel.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// The window's comforts: the attack preview under the pointer, Undo, the kept games and the
// recent files. With MAROVANE_SHOTS set to a folder, the previews are photographed there.
class ComfortsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings("Marovane", "Marovane").clear();
        specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
        window = std::make_unique<GameWindow>(QDir(MAROVANE_PROGRAM_DIR), specs, 7);
        window->Session().SetAutosaveFolder(dir.Path() / "autosaves");
        window->EnableComforts();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        game = &window->CurrentGame();
    }

    bool StartShipped(const char* name) {
        NewGameSetup setup;
        setup.Slots = {SlotKind::Human, SlotKind::Human};
        auto path = FindScenario(MAROVANE_PROGRAM_DIR, name);
        return path && window->StartNewGame(QString::fromStdString(path->string()), setup);
    }
    // An empty 12 x 12 board with castles and keeps for two humans, every cell explored by
    // player 1.
    void StartEmptyCastles() {
        GameDef def = test::PlainDef(12, 12);
        def.Options =
            static_cast<int16_t>((1 << option_bit::Castle) | (1 << option_bit::LoseConquest) |
                                 (1 << option_bit::WinConquest));
        NewGameSetup setup;
        setup.Slots = {SlotKind::Human, SlotKind::Human};
        ASSERT_TRUE(window->StartNewGame(
            QString::fromStdString(dir.Write("Comforts", def).string()), setup));
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y)
                game->SetUnit(x, y, -1, 1);
        }
        for (int x = 0; x <= 12; ++x) {
            for (int y = 0; y <= 12; ++y)
                game->BoardMark(x, y) |= 1 << 1;
        }
        game->Update();
    }

    QPoint Centre(int x, int y) const { return window->Board()->CellRect(x, y).center().toPoint(); }
    void Click(int x, int y) {
        QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(x, y));
    }
    void Hover(int x, int y) { QTest::mouseMove(window->Board(), Centre(x, y)); }
    QString Expected(int x1, int y1, int x2, int y2, bool repair = false) const {
        const auto preview = game->PreviewAttack(x1, y1, x2, y2);
        return preview ? BoardInput::PreviewLines(*preview, repair) : QString();
    }
    void Shot(const char* name) {
        const QByteArray folder = qgetenv("MAROVANE_SHOTS");
        if (folder.isEmpty())
            return;
        QTest::qWait(100);
        window->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
    }

    UnitSpecs specs;
    test::TempDir dir;
    std::unique_ptr<GameWindow> window;
    Game* game = nullptr;
};

TEST_F(ComfortsTest, TheFloatingPanelPreviewsMeleeShotsOntoWallsAndHealing) {
    StartEmptyCastles();
    UnitPanel* panel = window->PointerPanel();

    // Melee: both sides' damage.
    game->PlaceUnit(6, 6, 4, 1);
    game->PlaceUnit(7, 7, 5, 2);
    Click(6, 6);
    Hover(7, 7);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->PreviewText(), Expected(6, 6, 7, 7));
    EXPECT_TRUE(panel->PreviewText().startsWith("Damage "));
    EXPECT_TRUE(panel->PreviewText().contains("Strikes back "))
        << panel->PreviewText().toStdString();
    Shot("preview-melee.png");

    // A shot at a unit on player 2's castle wall: nothing strikes back from there.
    ASSERT_EQ(game->InCastle(10, 11), castle_cell::Wall);
    game->PlaceUnit(10, 11, 4, 2);
    game->PlaceUnit(7, 11, 7, 1); // a medium archer, range 3
    Click(7, 11);
    Hover(10, 11);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->PreviewText(), Expected(7, 11, 10, 11));
    EXPECT_TRUE(panel->PreviewText().endsWith("No strike back"))
        << panel->PreviewText().toStdString();
    Shot("preview-ranged-wall.png");

    // Moving on to an empty cell or a unit out of reach shows no preview.
    Hover(9, 9);
    EXPECT_EQ(panel->PreviewText(), "");

    // A priest shows what it heals.
    game->PlaceUnit(3, 8, unit_type::Priest, 1);
    game->PlaceUnit(4, 8, 4, 1);
    game->BoardUnit(4, 8) = 12;
    Click(3, 8);
    Hover(4, 8);
    EXPECT_EQ(panel->PreviewText(), Expected(3, 8, 4, 8));
    EXPECT_TRUE(panel->PreviewText().startsWith("Heals ")) << panel->PreviewText().toStdString();

    // The attack itself leaves no stale preview behind.
    Click(6, 6);
    Hover(7, 7);
    Click(7, 7);
    EXPECT_EQ(panel->PreviewText(), "");
}

TEST_F(ComfortsTest, CtrlZTakesBackAStepExactly) {
    StartEmptyCastles();
    game->PlaceUnit(6, 6, 9, 1); // light cavalry, three moves
    Click(6, 6);
    const std::string before = EncodeSavedGame(*game);
    QAction* undo = window->Action("mnuGUndo");
    EXPECT_FALSE(undo->isEnabled());
    Click(7, 7);
    ASSERT_EQ(game->PicNum(7, 7), 9);
    EXPECT_TRUE(undo->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game->PicNum(6, 6), 9);
    EXPECT_EQ(EncodeSavedGame(*game), before);
    EXPECT_EQ(window->Board()->HighlightX(), 6) << "the unit is selected where it stood";
    EXPECT_FALSE(undo->isEnabled());

    // After a battle there is nothing to take back.
    Click(7, 7);
    game->PlaceUnit(8, 8, 5, 2);
    Click(8, 8);
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(ComfortsTest, TheTitlePictureOffersTheGameKeptLast) {
    EXPECT_FALSE(window->ResumeButton()->isVisible()) << "nothing kept yet";
    EXPECT_FALSE(window->Action("mnuGResume")->isEnabled());
    ASSERT_TRUE(StartShipped("Skirmish"));
    const std::string kept = EncodeSavedGame(*game);
    {
        test::ModalAnswer answer;
        window->Action("mnuPResign")->trigger();
    }
    ASSERT_FALSE(game->GameOn);
    EXPECT_EQ(window->Cover()->PictureName(), "intro.jpg");
    ASSERT_TRUE(window->ResumeButton()->isVisible());
    EXPECT_TRUE(window->Action("mnuGResume")->isEnabled());
    QTest::mouseClick(window->ResumeButton(), Qt::LeftButton);
    EXPECT_TRUE(game->GameOn);
    EXPECT_EQ(EncodeSavedGame(*game), kept);
    EXPECT_FALSE(window->ResumeButton()->isVisible());
    EXPECT_EQ(window->windowTitle(), "Marovane - Player 1 - Skirmish");
}

TEST_F(ComfortsTest, RecentListsTheFilesStillThere) {
    ASSERT_TRUE(StartShipped("Skirmish"));
    const QString first = QString::fromStdString((dir.Path() / "first.mvg").string());
    const QString second = QString::fromStdString((dir.Path() / "second.mvg").string());
    ASSERT_TRUE(window->SaveTo(first));
    ASSERT_TRUE(window->SaveTo(second));
    QMenu* recent = window->findChild<QMenu*>("mnuGRecent");
    ASSERT_TRUE(recent);
    emit recent->aboutToShow();
    QList<QAction*> items = recent->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->data().toString(), second);
    EXPECT_EQ(items[1]->data().toString(), first);
    EXPECT_TRUE(items[2]->data().toString().endsWith("Skirmish.def"));

    fs::remove(dir.Path() / "second.mvg");
    emit recent->aboutToShow();
    items = recent->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->data().toString(), first);

    // Choosing a saved game loads it.
    game->Money[1] = 1;
    test::ModalAnswer answer;
    answer.QuestionAnswer = QMessageBox::Discard;
    items[0]->trigger();
    EXPECT_NE(game->Money[1], 1);
    EXPECT_EQ(game->SaveFile, first.toStdString());
}

} // namespace
} // namespace marovane
