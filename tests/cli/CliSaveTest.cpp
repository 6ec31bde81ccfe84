#include "cli/CliRunner.h"

#include "savegame/SavedGame.h"
#include "support/TestGame.h"
#include "util/JsonParse.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using test::Cli;
using Result = test::CliResult;

// The state without the messages the rules showed while it was made.
std::string StateWithoutMessages(const std::string& output) {
    json::Value state = json::Parse(output);
    state["Messages"] = json::Value::array();
    return state.dump();
}

TEST(CliSave, NewSavesTheGameThatShowReadsBack) {
    test::TempDir dir;
    struct Case {
        std::string scenario, players;
        int count;
    };
    for (const Case& c :
         {Case{"Tutorial", "Human,Computer", 2}, Case{"Royal Rescue", "Human,Computer,Human", 3}}) {
        const std::string& scenario = c.scenario;
        fs::path file = dir.Path() / (scenario + ".mvg");
        Result made =
            Cli({"--seed", "4", "new", scenario, "--players", c.players, "--save", file.string()});
        ASSERT_EQ(made.Status, 0) << scenario << ": " << made.Err;
        ASSERT_TRUE(fs::exists(file));

        json::Value state = json::Parse(made.Out);
        size_t width = static_cast<size_t>(state.at("BoardWidth").get<int64_t>());
        size_t height = static_cast<size_t>(state.at("BoardHeight").get<int64_t>());
        size_t nameLength = state.at("ScenarioName").get<std::string>().size();
        EXPECT_EQ(fs::file_size(file), SavedGameSize(nameLength, width, height, c.count));

        Result shown = Cli({"show", file.string()});
        ASSERT_EQ(shown.Status, 0) << shown.Err;
        EXPECT_EQ(StateWithoutMessages(shown.Out), StateWithoutMessages(made.Out)) << scenario;
        EXPECT_TRUE(json::Parse(shown.Out).at("Messages").empty());
    }
}

TEST(CliSave, RefusalsExitWithOneAndAMessage) {
    test::TempDir dir;
    fs::path good = dir.Path() / "good.mvg";
    ASSERT_EQ(
        Cli({"new", "Tutorial", "--players", "Human,Computer", "--save", good.string()}).Status, 0);
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::string lower = bytes;
    lower.replace(0, 3, "mvg");
    fs::path lowerFile = dir.WriteBytes("lower.mvg", lower);
    Result refused = Cli({"show", lowerFile.string()});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_EQ(refused.Err, "Invalid save file.\n");
    EXPECT_EQ(refused.Out, "");

    fs::path cut = dir.WriteBytes("cut.mvg", bytes.substr(0, bytes.size() - 1));
    Result truncated = Cli({"show", cut.string()});
    EXPECT_EQ(truncated.Status, 1);
    EXPECT_EQ(truncated.Err.rfind("Invalid save file.\n", 0), 0u) << truncated.Err;
    EXPECT_EQ(truncated.Out, "");

    Result missing = Cli({"show", (dir.Path() / "none.mvg").string()});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("none.mvg"), std::string::npos) << missing.Err;

    Result usage = Cli({"show"});
    EXPECT_EQ(usage.Status, 1);
    EXPECT_NE(usage.Err.find("show FILE.mvg"), std::string::npos) << usage.Err;

    fs::path nowhere = dir.Path() / "no folder" / "game.mvg";
    Result unwritable =
        Cli({"new", "Tutorial", "--players", "Human,Computer", "--save", nowhere.string()});
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_NE(unwritable.Err.find(nowhere.string()), std::string::npos) << unwritable.Err;
    EXPECT_EQ(unwritable.Out, "");
}

} // namespace
} // namespace marovane
