#include "scenario/ScenarioFiles.h"

#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

class ScenarioFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameDef builtIn = test::PlainDef(10, 10);
        builtIn.Options = static_cast<int16_t>(builtIn.Options | (1 << option_bit::BuiltIn) |
                                               (1 << option_bit::Tutorial));
        dir.Write("Battle", builtIn);
        dir.Write("Other", test::PlainDef(12, 12));
    }
    std::vector<std::string> Names() const { return ListScenarios(dir.Path()); }

    test::TempDir dir;
};

TEST_F(ScenarioFilesTest, ACopyIsAnOrdinaryScenario) {
    EXPECT_EQ(scenario_files::Copy(dir.Path(), "battle"), "#battle");
    GameDef copy = ReadDefFile(dir.Path() / "#battle.def");
    EXPECT_FALSE(copy.Options & (1 << option_bit::BuiltIn));
    EXPECT_FALSE(copy.Options & (1 << option_bit::Tutorial));
    EXPECT_EQ(copy.Width, 10);
    EXPECT_THROW(scenario_files::Copy(dir.Path(), "Missing"), Error);
}

TEST_F(ScenarioFilesTest, RenamingRefusesBadNamesAndClashes) {
    EXPECT_THROW(scenario_files::Rename(dir.Path(), "Other", "Battle"), Error);
    auto refusal = [&](const std::string& name) {
        try {
            scenario_files::Rename(dir.Path(), "Other", name);
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string("renamed");
    };
    EXPECT_EQ(refusal("x.Def"),
              "Names cannot end in \".def\": the game adds that to the file itself.");
    EXPECT_EQ(refusal("  "), "A scenario needs a name.");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Battle", "Other"})) << "nothing changed";
    scenario_files::Rename(dir.Path(), "Other", "Renamed");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Battle", "Renamed"}));
    scenario_files::Rename(dir.Path(), "Renamed", "RENAMED");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Battle", "RENAMED"})) << "a new case is fine";
}

// An installed game: the player's own "Battle" hides the one that came with the program, and
// the question says that deleting it brings that one back.
TEST_F(ScenarioFilesTest, DeletingAPlayersCopyOfABuiltInScenarioSaysItComesBack) {
    test::TempDir own;
    own.Write("Battle", test::PlainDef(10, 10));
    own.Write("Mine", test::PlainDef(10, 10));
    const ScenarioFolders folders(dir.Path(), own.Path(), false);
    EXPECT_EQ(scenario_files::DeleteQuestion(folders, "battle").English(),
              "Are you sure you want to delete 'battle'?\n\nThe scenario 'battle' that came with "
              "the game will then be listed again in its place.");
    EXPECT_EQ(scenario_files::DeleteQuestion(folders, "Mine").English(),
              "Are you sure you want to delete 'Mine'?");
    EXPECT_EQ(scenario_files::DeleteQuestion(ScenarioFolders(dir.Path(), {}), "Battle").English(),
              "Are you sure you want to delete 'Battle'?");
}

TEST_F(ScenarioFilesTest, DeletingRemovesTheFileOrSaysWhy) {
    scenario_files::Delete(dir.Path(), "other");
    EXPECT_EQ(Names(), std::vector<std::string>{"Battle"});
    EXPECT_THROW(scenario_files::Delete(dir.Path(), "other"), Error);
}

} // namespace
} // namespace marovane
