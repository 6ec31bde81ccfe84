#include "ui/dialogs/ScenarioEditor.h"

#include "cli/Cli.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "shell/HelpWindow.h"
#include "ui/BoardWidget.h"
#include "ui/EditorFixture.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/GameSetupDialog.h"
#include "ui/dialogs/PlacementDialog.h"
#include "util/JsonParse.h"
#include "util/Latin1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <fstream>
#include <map>
#include <sstream>

namespace marovane {
namespace {

namespace fs = std::filesystem;
using test::FolderContents;
using test::PickFromPopup;
using test::Shoot;

class ScenarioEditorTest : public test::EditorFixture {};

// A scenario made only through the windows: its file says what the editor showed, and a game
// started from it through the new-game dialog has every piece where the placement editor put it.
TEST_F(ScenarioEditorTest, AScenarioMadeInTheWindowsPlaysAsPlaced) {
    std::vector<int> shownCells;
    std::string shownPlacement;
    std::array<std::array<int, 4>, 4> shownFormation{};
    QString description;
    bool done = false;
    test::ModalAnswer answer([&](QWidget* modal) {
        auto* setup = qobject_cast<GameSetupDialog*>(modal);
        if (!setup)
            return;
        Click(setup->NewScenarioButton());
        ScenarioEditor* editor = setup->Editor();
        ASSERT_TRUE(editor && editor->isVisible());
        EXPECT_EQ(editor->TitleBox()->text(), "Custom Game");
        EXPECT_FALSE(editor->DeleteButton()->isVisible()) << "nothing to delete yet";

        // The title box refuses what no file name may hold.
        editor->TitleBox()->selectAll();
        QTest::keyClicks(editor->TitleBox(), "Made/In: Windows?");
        EXPECT_EQ(editor->TitleBox()->text(), "MadeIn Windows");
        editor->BoardSize(0)->setValue(12);
        editor->BoardSize(1)->setValue(11);
        editor->PartyBar()->setValue(9);
        Click(editor->TotalBox(3)); // no game of four
        EXPECT_FALSE(editor->HumanBox(3)->isEnabled());
        Click(editor->UnitBox(9)); // no royalty
        EXPECT_FALSE(editor->RewardBox()->isVisible());
        EXPECT_TRUE(editor->NoRewardLabel()->isVisible());
        EXPECT_FALSE(editor->WinBox(1)->isEnabled());
        Click(editor->FogBox());
        Click(editor->UnitBox(8)); // no heavy armour
        editor->CashBox()->selectAll();
        QTest::keyClicks(editor->CashBox(), "900");
        Click(editor->ExtraBox(0));
        editor->ExtraType(0)->setCurrentIndex(3);
        emit editor->ExtraType(0)->activated(3); // Treasury
        editor->ExtraAmount(0)->selectAll();
        QTest::keyClicks(editor->ExtraAmount(0), "250");
        editor->ExtraText(0)->selectAll();
        QTest::keyClicks(editor->ExtraText(0), "More gold");
        description = editor->DescriptionBox()->toPlainText();
        EXPECT_EQ(description.toStdString(), ScenarioEditorModel::kConquestText);

        // The formation: a peasant, a light infantryman and a medium archer.
        PickFromPopup(editor->Formation(), 1, 1, "Peasant");
        PickFromPopup(editor->Formation(), 2, 1, "Light Infantry");
        editor->ChooseFormationCell(1, 2, 8); // Medium Archer
        shownFormation = {};
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                shownFormation[static_cast<size_t>(x - 1)][static_cast<size_t>(y - 1)] =
                    editor->Model().Formation(x, y);
        Shoot(editor, "scenario-editor");

        // Ticking Advanced with nothing placed yet opens the placement editor.
        Click(editor->AdvancedBox());
        PlacementDialog* placement = editor->Placement();
        ASSERT_TRUE(placement && placement->isVisible());
        EXPECT_EQ(placement->PlayerSelector()->maximum(), 3) << "the largest total";
        EXPECT_EQ(placement->Model().PicNum(12, 11), 15) << "player 2's peasant";
        PickFromPopup(placement->Board(), 6, 6, "Medium Cavalry");
        placement->PlayerSelector()->setValue(2);
        PickFromPopup(placement->Board(), 7, 5, "Wall");
        PickFromPopup(placement->Board(), 12, 11, "(Empty)"); // player 2's peasant goes
        placement->PlayerSelector()->setValue(3);
        PickFromPopup(placement->Board(), 3, 8, "Priest");
        Click(placement->UndoButton());
        EXPECT_EQ(placement->Model().PicNum(3, 8), -1) << "Undo took the priest back";
        PickFromPopup(placement->Board(), 4, 8, "Light Archer");
        PickFromPopup(placement->Board(), 1, 11, "(Empty)"); // player 3's peasant goes
        Shoot(placement, "placement-editor");
        for (int y = 1; y <= 11; ++y)
            for (int x = 1; x <= 12; ++x)
                shownCells.push_back(placement->Model().PicNum(x, y));
        shownPlacement = placement->Model().Current();
        Click(placement->OkButton());
        EXPECT_FALSE(placement->isVisible());
        EXPECT_TRUE(editor->AdvancedBox()->isChecked());

        Click(editor->SaveButton());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(setup->TitleLabel()->text(), "MadeIn Windows") << "the list selects it";
        Shoot(setup, "new-game-dialog");
        const int human = setup->Slot(2)->findText("Human");
        setup->Slot(2)->setCurrentIndex(human);
        emit setup->Slot(2)->activated(human);
        Click(setup->BeginButton());
        done = true;
    });
    window->Action("mnuGNew")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return done && window->CurrentGame().GameOn; }, 5000));

    // The game has every piece where the placement editor showed it.
    const Game& game = window->CurrentGame();
    EXPECT_EQ(game.ScenarioName, "MadeIn Windows");
    ASSERT_EQ(game.NumPlayers, 3);
    ASSERT_EQ(game.BoardWidth, 12);
    ASSERT_EQ(game.BoardHeight, 11);
    std::vector<int> played;
    for (int y = 1; y <= 11; ++y)
        for (int x = 1; x <= 12; ++x)
            played.push_back(game.PicNum(x, y));
    EXPECT_EQ(played, shownCells);
    EXPECT_EQ(game.PicNum(6, 6), 10);
    EXPECT_EQ(game.PicNum(7, 5), 15 + 14);
    EXPECT_EQ(game.PicNum(12, 11), -1);

    // The file says what the editor showed.
    const fs::path file = folder.Path() / "MadeIn Windows.def";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), kGameDefSize);
    if (const QByteArray shots = qgetenv("MAROVANE_SHOTS"); !shots.isEmpty())
        fs::copy_file(file, fs::path(shots.toStdString()) / file.filename(),
                      fs::copy_options::overwrite_existing);
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"def", "show", file.string()}, folder.Path(), out, err), 0) << err.str();
    const json::Value shown = json::Parse(out.str());
    EXPECT_EQ(shown["Width"], 12);
    EXPECT_EQ(shown["Height"], 11);
    EXPECT_EQ(shown["PartySize"], 9);
    EXPECT_EQ(shown["Treasury"], 900);
    EXPECT_EQ(shown["Reward"], 0) << "the reward box was hidden";
    EXPECT_EQ(shown["PlayerLimits"], 0b0110);
    EXPECT_EQ(shown["OptionType"], json::Value::array({3, -1}));
    EXPECT_EQ(shown["OptionAmount"][0], 250);
    EXPECT_EQ(shown["OptionText"][0], "More gold");
    EXPECT_EQ(shown["Description"], description.toStdString());
    EXPECT_EQ(shown["UnitsAllowed"], 0x3FF & ~(1 << 9) & ~(1 << 8));
    const int options = shown["Options"].get<int>();
    EXPECT_FALSE(options & (1 << option_bit::Fog));
    EXPECT_FALSE(options & (1 << option_bit::Royalty));
    EXPECT_TRUE(options & (1 << option_bit::Advanced));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(shown["StartPos"][static_cast<size_t>(y)][static_cast<size_t>(x)],
                      shownFormation[static_cast<size_t>(x)][static_cast<size_t>(y)]);
    std::string stored;
    for (const auto& byte : shown["Placement"])
        stored += static_cast<char>(byte.get<int>());
    EXPECT_EQ(stored, std::string(TrimRight(shownPlacement)));

    // And the computer plays it to its end.
    std::ostringstream playOut, playErr;
    ASSERT_EQ(RunCli({"--seed", "3", "play", file.string(), "--players", "Computer,Computer"},
                     folder.Path(), playOut, playErr),
              0)
        << playErr.str();
    const json::Value end = json::Parse(playOut.str());
    EXPECT_EQ(end["GameOn"], false);
    EXPECT_LT(end["Turns"].get<int>(), 20000) << "ended by a victory, not by the turn limit";
}

// A refused save says why and leaves every file as it was; the editor stays open.
TEST_F(ScenarioEditorTest, RefusedSavesLeaveTheFilesAlone) {
    // A folder in the way of the file: no scenario, but nothing can be written there either.
    fs::create_directory(folder.Path() / "Blocked.def");
    std::ofstream(folder.Path() / "Blocked.def" / "inside") << "x";
    const auto before = FolderContents(folder.Path());
    test::ModalAnswer answer;
    Setup()->NewScenario();
    ScenarioEditor* editor = Setup()->Editor();
    ASSERT_TRUE(editor->isVisible());

    editor->TitleBox()->clear();
    EXPECT_FALSE(editor->SaveButton()->isEnabled()) << "no title, no saving";
    QTest::keyClicks(editor->TitleBox(), "skirmish");
    Click(editor->SaveButton());
    editor->TitleBox()->clear();
    QTest::keyClicks(editor->TitleBox(), "Blocked");
    EXPECT_EQ(editor->TitleBox()->text(), "Blocked");
    Click(editor->SaveButton());
    // A ".def" ending would make a file no list finds again.
    editor->TitleBox()->clear();
    QTest::keyClicks(editor->TitleBox(), "Foo.DEF");
    Click(editor->SaveButton());
    // An extra option ticked without a type would be lost without a word.
    editor->TitleBox()->setText("Rich");
    Click(editor->ExtraBox(1));
    Click(editor->SaveButton());
    Click(editor->ExtraBox(1));
    editor->CashBox()->setText("40000");
    emit editor->CashBox()->textEdited("40000");
    Click(editor->SaveButton());

    ASSERT_EQ(answer.Messages.size(), 5u);
    EXPECT_EQ(answer.Messages[0],
              "A scenario named 'skirmish' already exists. Please choose another title.");
    EXPECT_TRUE(answer.Messages[1].startsWith("Cannot write")) << answer.Messages[1].toStdString();
    EXPECT_EQ(answer.Messages[2],
              "Names cannot end in \".def\": the game adds that to the file itself.");
    EXPECT_EQ(answer.Messages[3],
              "Extra option 2 is ticked but has no type. Choose its type, or untick it.");
    EXPECT_EQ(answer.Messages[4], "The treasury must be a whole number from -32768 to 32767.");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(FolderContents(folder.Path()), before);
    editor->reject();
}

// Built-in scenarios keep their name and the tutorial stays; a player's own scenario is renamed
// and deleted from the editor, with the list following.
TEST_F(ScenarioEditorTest, RenameAndDeleteFollowTheScenariosMarks) {
    // Rename is asked again, with the rule, for a name no scenario may have.
    const QString prompt = "Please enter the new name for '#Skirmish':";
    test::ModalAnswer answer([&](QWidget* modal) {
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            EXPECT_EQ(input->windowTitle(), "Rename Scenario");
            const bool again = input->labelText() != prompt;
            if (again) {
                EXPECT_EQ(input->labelText(), "(Names cannot end in \".def\": the game adds that "
                                              "to the file itself.)\n\n" +
                                                  prompt);
            }
            input->setTextValue(again ? " Ωmega Ünï " : "Borderlands.Def");
            input->accept();
        }
    });
    GameSetupDialog* setup = Setup();
    ASSERT_TRUE(setup->SelectScenario("Tutorial"));
    setup->EditSelected();
    ScenarioEditor* editor = setup->Editor();
    EXPECT_FALSE(editor->DeleteButton()->isVisible());
    EXPECT_FALSE(editor->TitleBox()->isEnabled());
    QApplication::setActiveWindow(editor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->isActiveWindow(); }, 1000));
    editor->DescriptionBox()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_TRUE(shell->Help() && shell->Help()->isVisible()) << "F1 opens the help";
    EXPECT_EQ(QFileInfo(shell->Help()->CurrentPage()).fileName(), "scenarios.html");
    editor->reject();

    ASSERT_TRUE(setup->SelectScenario("Skirmish"));
    setup->EditSelected();
    EXPECT_FALSE(editor->RenameButton()->isVisible());
    EXPECT_TRUE(editor->Badge()->isVisible());
    editor->reject();

    setup->CopySelected();
    ASSERT_EQ(setup->TitleLabel()->text(), "#Skirmish");
    setup->EditSelected();
    EXPECT_FALSE(editor->Badge()->isVisible());
    // Rename takes the names the editor saves under: letters of any script, blanks trimmed.
    const QString renamed = "Ωmega Ünï";
    const fs::path file = folder.Path() / (renamed.toStdString() + ".def");
    Click(editor->RenameButton());
    EXPECT_EQ(editor->TitleBox()->text(), renamed);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_FALSE(fs::exists(folder.Path() / "#Skirmish.def"));
    // Saving after the rename writes the renamed file, and saving it again works as well.
    for (int party : {4, 5}) {
        editor->PartyBar()->setValue(party);
        Click(editor->SaveButton());
        EXPECT_TRUE(answer.Messages.empty()) << answer.Messages.back().toStdString();
        EXPECT_EQ(setup->TitleLabel()->text(), renamed);
        EXPECT_EQ(ReadDefFile(file).PartySize, party);
        setup->EditSelected();
    }

    Click(editor->DeleteButton());
    EXPECT_FALSE(editor->isVisible());
    ASSERT_FALSE(answer.Messages.empty());
    EXPECT_EQ(answer.Messages.back(), "Are you sure you want to delete '" + renamed + "'?");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(setup->ScenarioList()->findItems(renamed, Qt::MatchExactly).isEmpty());
}

// The placement editor's buttons: Clear and Reset ask first, Undo takes back one step at a time,
// and Cancel answers the string it was opened with.
TEST_F(ScenarioEditorTest, PlacementButtonsAskAndCancelKeepsTheOpeningString) {
    test::ModalAnswer answer;
    Setup()->NewScenario();
    ScenarioEditor* editor = Setup()->Editor();
    editor->DoAdvanced();
    PlacementDialog* placement = editor->Placement();
    ASSERT_TRUE(placement->isVisible());
    EXPECT_FALSE(placement->ResetButton()->isEnabled()) << "nothing was handed in";
    EXPECT_FALSE(placement->UndoButton()->isEnabled());
    PickFromPopup(placement->Board(), 5, 5, "Peasant");
    Click(placement->OkButton());
    const std::string first = editor->Model().Placement();
    EXPECT_TRUE(editor->AdvancedBox()->isChecked());

    editor->DoAdvanced();
    EXPECT_TRUE(placement->ResetButton()->isEnabled());
    EXPECT_EQ(placement->Model().PicNum(5, 5), 0);
    Click(placement->ClearButton());
    EXPECT_EQ(placement->Model().PicNum(5, 5), -1);
    PickFromPopup(placement->Board(), 6, 6, "Catapult");
    Click(placement->ResetButton());
    EXPECT_EQ(placement->Model().PicNum(5, 5), 0);
    EXPECT_EQ(placement->Model().PicNum(6, 6), -1);
    Click(placement->UndoButton());
    EXPECT_EQ(placement->Model().PicNum(6, 6), 2) << "back before the Reset";
    Click(placement->UndoButton());
    Click(placement->UndoButton());
    EXPECT_EQ(placement->Model().PicNum(5, 5), 0) << "back at the opening";
    EXPECT_FALSE(placement->UndoButton()->isEnabled());
    PickFromPopup(placement->Board(), 7, 7, "Priest");
    placement->reject();
    EXPECT_EQ(editor->Model().Placement(), first) << "Cancel changes nothing";
    ASSERT_EQ(answer.Messages.size(), 2u);
    EXPECT_EQ(answer.Messages[0], "Are you sure you want to remove all advanced unit placements?");
    EXPECT_EQ(answer.Messages[1], "Are you sure you want to undo your changes?");
    editor->reject();
}

} // namespace
} // namespace marovane
