#include "scenario/Options.h"
#include "ui/EditorFixture.h"
#include "ui/KeepDialog.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/PlacementDialog.h"
#include "ui/dialogs/ScenarioEditor.h"
#include "util/Latin1.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace marovane {
namespace {

namespace fs = std::filesystem;

class EditorComfortsTest : public test::EditorFixture {
protected:
    ScenarioEditor* NewScenario() {
        Setup()->NewScenario();
        ScenarioEditor* editor = Setup()->Editor();
        EXPECT_TRUE(editor->isVisible());
        return editor;
    }
};

// The up arrow raises the number shown, the down arrow lowers it, in both editors.
TEST_F(EditorComfortsTest, UpArrowsRaiseTheNumberShown) {
    test::ModalAnswer answer;
    ScenarioEditor* editor = NewScenario();
    for (QSpinBox* box : {editor->BoardSize(0), editor->BoardSize(1), editor->PartyBar()}) {
        const int start = box->value();
        test::ClickArrow(box, true);
        test::ClickArrow(box, true);
        EXPECT_EQ(box->value(), start + 2) << box->objectName().toStdString();
        test::ClickArrow(box, false);
        EXPECT_EQ(box->value(), start + 1) << box->objectName().toStdString();
    }
    EXPECT_EQ(editor->Model().Width, 11);
    EXPECT_EQ(editor->Model().Height, 11);
    EXPECT_EQ(editor->Model().PartySize, 7);

    editor->DoAdvanced();
    QSpinBox* player = editor->Placement()->PlayerSelector();
    EXPECT_EQ(player->text(), "Player 1");
    test::ClickArrow(player, true);
    EXPECT_EQ(editor->Placement()->Player(), 2);
    test::ClickArrow(player, false);
    EXPECT_EQ(editor->Placement()->Player(), 1);
    editor->Placement()->reject();
    editor->reject();
}

// The placement editor's palette paints by dragging (one Undo per stroke), the mirror gives the
// other players player 1's pieces, and the cell under the pointer is named.
TEST_F(EditorComfortsTest, PaletteMirrorAndTheCellUnderThePointer) {
    test::ModalAnswer answer;
    ScenarioEditor* editor = NewScenario();
    editor->DoAdvanced();
    PlacementDialog* placement = editor->Placement();
    BoardWidget* board = placement->Board();
    const auto at = [board](int x, int y) { return board->CellRect(x, y).center().toPoint(); };

    Click(placement->PaletteButton(11)); // Medium Cavalry
    EXPECT_EQ(placement->PaletteEntry(), 11);
    QTest::mousePress(board, Qt::LeftButton, {}, at(5, 6));
    QTest::mouseMove(board, at(6, 6));
    QTest::mouseMove(board, at(7, 6));
    QTest::mouseRelease(board, Qt::LeftButton, {}, at(7, 6));
    EXPECT_EQ(placement->CellLabel()->text(), "Cell 7, 6");
    for (int x = 5; x <= 7; ++x)
        EXPECT_EQ(placement->Model().PicNum(x, 6), 10) << x;
    test::MoveOver(board, at(2, 9));
    EXPECT_EQ(placement->CellLabel()->text(), "Cell 2, 9");
    EXPECT_EQ(placement->Model().PicNum(2, 9), -1) << "moving without the button paints nothing";
    Click(placement->UndoButton());
    EXPECT_EQ(placement->Model().PicNum(6, 6), -1) << "the stroke went with one Undo";
    EXPECT_FALSE(placement->UndoButton()->isEnabled());

    // Player 2's palette shows his pieces: a peasant of his, which the mirror takes away again.
    test::ClickArrow(placement->PlayerSelector(), true);
    Click(placement->PaletteButton(1));
    QTest::mouseClick(board, Qt::LeftButton, {}, at(3, 3));
    EXPECT_EQ(placement->Model().PicNum(3, 3), 15);

    // Player 1's new archer reaches every other corner with the mirror.
    test::ClickArrow(placement->PlayerSelector(), false);
    Click(placement->PaletteButton(7)); // Light Archer
    QTest::mouseClick(board, Qt::LeftButton, {}, at(6, 2));
    QTest::mouseClick(board, Qt::LeftButton, {}, at(2, 5));
    Click(placement->MirrorButton());
    EXPECT_EQ(placement->Model().PicNum(5, 9), 15 + 6) << "player 2's, mirrored both ways";
    EXPECT_EQ(placement->Model().PicNum(6, 9), 30 + 6) << "player 3's, mirrored top to bottom";
    EXPECT_EQ(placement->Model().PicNum(5, 2), 45 + 6) << "player 4's, mirrored left to right";
    EXPECT_EQ(placement->Model().PicNum(3, 3), -1) << "player 2's own peasant went";
    // The eraser.
    Click(placement->PaletteButton(0));
    QTest::mouseClick(board, Qt::LeftButton, {}, at(2, 5));
    EXPECT_EQ(placement->Model().PicNum(2, 5), -1);
    Click(placement->PaletteButton(11));
    test::MoveOver(board, at(6, 2));
    test::Shoot(placement, "placement-palette");
    Click(placement->OkButton());
    EXPECT_EQ(TrimRight(editor->Model().Placement()), TrimRight(placement->Model().Current()));
    editor->reject();
}

// Test Play starts a game against the computer from the boxes as they are, through the new-game
// dialog's own start, and saves nothing; the next Game > New brings the author back to his work.
TEST_F(EditorComfortsTest, TestPlayStartsAGameAgainstTheComputerWithoutSaving) {
    // The party is not full, so the game begins with a visit to the keep.
    test::ModalAnswer answer([](QWidget* modal) {
        if (auto* keep = qobject_cast<KeepDialog*>(modal))
            keep->CloseButton()->click();
    });
    answer.QuestionAnswer = QMessageBox::Discard;
    const auto before = test::FolderContents(folder.Path());
    window->Action("mnuGNew")->trigger();
    ScenarioEditor* editor = NewScenario();
    editor->TitleBox()->setText("Proving Ground");
    test::ClickArrow(editor->BoardSize(0), true);
    test::PickFromPopup(editor->Formation(), 1, 1, "Peasant");
    test::PickFromPopup(editor->Formation(), 2, 1, "Light Infantry");
    Click(editor->TestPlayButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->CurrentGame().GameOn; }, 3000));
    const Game& game = window->CurrentGame();
    EXPECT_EQ(game.ScenarioName, "Proving Ground");
    EXPECT_EQ(game.BoardWidth, 11);
    ASSERT_EQ(game.NumPlayers, 2);
    EXPECT_FALSE(game.PlayerComp[1]);
    EXPECT_TRUE(game.PlayerComp[2]);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(Setup()->isVisible());
    EXPECT_EQ(test::FolderContents(folder.Path()), before) << "nothing saved";
    EXPECT_TRUE(window->Session().RecentFiles().empty()) << "nor remembered";

    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->isVisible(); }, 1000));
    EXPECT_EQ(editor->TitleBox()->text(), "Proving Ground");
    EXPECT_EQ(editor->Model().Width, 11);
    editor->reject();
    Setup()->reject();
    // The test game, like any other, may be saved before it goes.
    EXPECT_EQ(answer.Messages, std::vector<QString>{"Save the current game first?"});
}

// The extra option's caption box shows a whole caption of its fifty characters.
TEST_F(EditorComfortsTest, TheOptionCaptionIsWideEnoughToRead) {
    ScenarioEditor* editor = NewScenario();
    QLineEdit* caption = editor->ExtraText(0);
    const QString text = "Every player starts with 500 more gold in the keep";
    ASSERT_EQ(text.size(), caption->maxLength());
    Click(editor->ExtraBox(0));
    // The text and the box's frame and margins.
    EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(text) + 8);
    editor->reject();
}

} // namespace
} // namespace marovane
