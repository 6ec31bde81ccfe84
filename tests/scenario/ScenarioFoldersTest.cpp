#include "scenario/ScenarioFolders.h"

#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "scenario/ScenarioFiles.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// An installed program: its folder holds a built-in scenario and cannot be written (said
// outright, since the tests may run as a user who can write anywhere).
class ScenarioFoldersTest : public ::testing::Test {
protected:
    ScenarioFoldersTest() {
        GameDef builtIn = test::PlainDef(10, 10);
        builtIn.Options = static_cast<int16_t>(builtIn.Options | (1 << option_bit::BuiltIn));
        WriteDefFile(program / "Skirmish.def", builtIn);
        WriteDefFile(program / "Border Wars.def", test::PlainDef(12, 12));
    }

    test::TempDir root;
    fs::path program = root.Path();
    fs::path player = root.Path() / "player" / "scenarios";
    ScenarioFolders installed{program, player, false};
};

TEST_F(ScenarioFoldersTest, AnInstalledProgramKeepsThePlayersScenariosInHisFolder) {
    EXPECT_FALSE(fs::exists(player)) << "made only when something is written";
    const std::string copy = scenario_files::Copy(installed, "Skirmish");
    EXPECT_EQ(copy, "#Skirmish");
    EXPECT_TRUE(fs::exists(player / "#Skirmish.def"));
    EXPECT_FALSE(fs::exists(program / "#Skirmish.def"));
    EXPECT_FALSE(ReadDefFile(player / "#Skirmish.def").Options & (1 << option_bit::BuiltIn));
    EXPECT_EQ(installed.List(), (std::vector<std::string>{"#Skirmish", "Border Wars", "Skirmish"}));

    // The player's own scenario is his to rename and delete.
    ASSERT_TRUE(installed.Changeable("#Skirmish"));
    scenario_files::Rename(installed, "#Skirmish", "My Skirmish");
    EXPECT_EQ(*installed.Find("my skirmish"), player / "My Skirmish.def");
    EXPECT_THROW(scenario_files::Rename(installed, "My Skirmish", "Border Wars"), Error)
        << "a name the program's folder already has";
    scenario_files::Delete(installed, "My Skirmish");
    EXPECT_FALSE(installed.Find("My Skirmish"));
}

TEST_F(ScenarioFoldersTest, TheProgramsOwnScenariosStayAsTheyAre) {
    for (const char* name : {"Skirmish", "Border Wars"}) {
        EXPECT_FALSE(installed.Changeable(name)) << name;
        EXPECT_THROW(scenario_files::Rename(installed, name, "Mine"), Error) << name;
        EXPECT_THROW(scenario_files::Delete(installed, name), Error) << name;
        EXPECT_TRUE(fs::exists(program / (std::string(name) + ".def"))) << name;
    }
    EXPECT_FALSE(installed.Find("Mine"));
}

TEST_F(ScenarioFoldersTest, AWritableProgramFolderIsTheOnlyOne) {
    ScenarioFolders local(program, player, true);
    EXPECT_EQ(local.Writable(), program);
    scenario_files::Copy(local, "Border Wars");
    EXPECT_TRUE(fs::exists(program / "#Border Wars.def"));
    EXPECT_FALSE(fs::exists(player)) << "the player's folder is never made";
    EXPECT_TRUE(local.Changeable("Border Wars"));
    // A path is taken as it is; a name is looked up.
    EXPECT_EQ(*local.Locate((program / "Skirmish.def").string()), program / "Skirmish.def");
    EXPECT_EQ(*local.Locate("skirmish"), program / "Skirmish.def");
    EXPECT_FALSE(local.Locate("Nowhere"));
}

TEST(FolderWritable, AFolderThatIsNotThereCannotBeWritten) {
    test::TempDir dir;
    EXPECT_TRUE(FolderWritable(dir.Path()));
    EXPECT_FALSE(FolderWritable(dir.Path() / "missing"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 0)
        << "the probe leaves nothing behind";
}

} // namespace
} // namespace marovane
