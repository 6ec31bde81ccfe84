#include "shell/StartFile.h"

#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "shell/CommandLine.h"
#include "shell/ShellFixture.h"
#include "ui/CoverPicture.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QListWidget>

namespace marovane {
namespace {

namespace fs = std::filesystem;

class StartFileTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeWindow();
    }
    // Opens what a command line names, as the game does at start.
    bool Start(const QStringList& words) {
        const CommandLine line = ParseCommandLine(words);
        return OpenStartFile(*window, line.File, std::nullopt);
    }
    void ExpectTitlePicture() {
        EXPECT_FALSE(window->CurrentGame().GameOn);
        EXPECT_EQ(window->Cover()->PictureName(), "intro.jpg");
    }
    test::TempDir elsewhere;
};

TEST_F(StartFileTest, AScenarioFromAnotherFolderIsCopiedSelectedAndOffered) {
    const fs::path source = elsewhere.Path() / "Long Siege.def";
    fs::copy_file(folder.Path() / "Castle Siege.def", source);
    ASSERT_TRUE(Start({"\"" + QString::fromStdString(source.string()) + "\""}));
    EXPECT_TRUE(fs::exists(folder.Path() / "Long Siege.def"));
    GameSetupDialog& setup = *window->SetupDialog();
    EXPECT_TRUE(setup.isVisible());
    ASSERT_EQ(setup.ScenarioList()->selectedItems().size(), 1);
    EXPECT_EQ(setup.ScenarioList()->selectedItems().first()->text(), "Long Siege");
    EXPECT_FALSE(window->CurrentGame().GameOn) << "the player chooses the slots first";

    // Another scenario of that name never replaces the first: it takes a free name.
    setup.reject();
    fs::copy_file(folder.Path() / "Skirmish.def", source, fs::copy_options::overwrite_existing);
    ASSERT_TRUE(Start({QString::fromStdString(source.string())}));
    EXPECT_EQ(setup.ScenarioList()->selectedItems().first()->text(), "Long Siege (2)");
    EXPECT_EQ(ReadDefFile(folder.Path() / "Long Siege.def"),
              ReadDefFile(folder.Path() / "Castle Siege.def"));
}

TEST_F(StartFileTest, ADamagedScenarioIsRefusedAndCopiedNowhere) {
    const fs::path damaged = elsewhere.WriteBytes("Tutorial.def", std::string(700, '\x01'));
    const auto shipped = ReadDefFile(folder.Path() / "Tutorial.def");
    test::ModalAnswer answer;
    EXPECT_FALSE(Start({QString::fromStdString(damaged.string())}));
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_TRUE(answer.Messages[0].startsWith(
        "The scenario " + QString::fromStdString(damaged.string()) + " was not opened."))
        << answer.Messages[0].toStdString();
    EXPECT_EQ(ReadDefFile(folder.Path() / "Tutorial.def"), shipped);
    EXPECT_EQ(ListScenarios(folder.Path()).size(), 6u);
    ExpectTitlePicture();
}

TEST_F(StartFileTest, AScenarioOfTheScenarioFolderIsSelectedWhereItIs) {
    ASSERT_TRUE(Start({InFolder("Royal Rescue.def")}));
    EXPECT_EQ(window->SetupDialog()->ScenarioList()->selectedItems().first()->text(),
              "Royal Rescue");
    EXPECT_EQ(ListScenarios(folder.Path()).size(), 6u) << "nothing was copied";
}

TEST_F(StartFileTest, ASavedGameLoadsWhateverTheCaseOfItsExtensionAfterASwitch) {
    ASSERT_TRUE(window->StartNewGame(InFolder("Royal Rescue.def"), test::Humans(3)));
    const QString path = QString::fromStdString((elsewhere.Path() / "Saved Game.MVG").string());
    ASSERT_TRUE(window->SaveTo(path));
    const std::string saved = EncodeSavedGame(window->CurrentGame());
    MakeWindow(); // a program of its own
    ASSERT_TRUE(Start({"-x", path}));
    EXPECT_EQ(EncodeSavedGame(window->CurrentGame()), saved);
    EXPECT_TRUE(window->CurrentGame().GameOn);
}

TEST_F(StartFileTest, AnyOtherFileIsRefusedAndTheTitlePictureStays) {
    const fs::path notes = elsewhere.Path() / "notes.txt";
    test::ModalAnswer answer;
    EXPECT_FALSE(Start({QString::fromStdString(notes.string())}));
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Invalid File: " + QString::fromStdString(notes.string()));
    ExpectTitlePicture();
}

TEST_F(StartFileTest, ADamagedSaveOrAMissingScenarioLeavesTheTitlePicture) {
    const auto damaged = elsewhere.WriteBytes("damaged.mvg", "MVG and then nothing a game holds");
    test::ModalAnswer answer;
    EXPECT_FALSE(Start({QString::fromStdString(damaged.string())}));
    EXPECT_FALSE(Start({"/nowhere/Lost Map.def"}));
    ASSERT_EQ(answer.Messages.size(), 2u);
    EXPECT_EQ(answer.Messages[0], "Invalid save file.");
    EXPECT_EQ(answer.Messages[1], "Invalid File: /nowhere/Lost Map.def");
    ExpectTitlePicture();
    EXPECT_FALSE(window->SetupDialog()->isVisible());
}

TEST_F(StartFileTest, WithPlayerSlotsTheScenarioStartsAtOnce) {
    NewGameSetup players = test::Humans(2);
    ASSERT_TRUE(OpenStartFile(*window, "castle siege.def", players));
    EXPECT_TRUE(window->CurrentGame().GameOn);
    EXPECT_EQ(window->CurrentGame().ScenarioName, "Castle Siege");
}

} // namespace
} // namespace marovane
