#include "cli/CliRunner.h"

#include "scenario/DefFile.h"
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

int CountPieces(const json::Value& state, int player) {
    int count = 0;
    for (const auto& row : state.at("BoardPic")) {
        for (const auto& cell : row) {
            int picture = static_cast<int>(cell.get<int64_t>()) - 1;
            count += picture >= 0 && picture / 15 + 1 == player;
        }
    }
    return count;
}

TEST(CliDef, ShowThenBuildGivesTheSameBytes) {
    test::TempDir dir;
    Result shown = Cli({"def", "show", "Border Wars"});
    ASSERT_EQ(shown.Status, 0) << shown.Err;
    fs::path source = dir.WriteBytes("source.json", shown.Out);
    fs::path built = dir.Path() / "Built.def";
    Result build = Cli({"def", "build", source.string(), built.string()});
    ASSERT_EQ(build.Status, 0) << build.Err;
    EXPECT_EQ(ToBytes(ReadDefFile(built)),
              ToBytes(ReadDefFile(*FindScenario(MAROVANE_PROGRAM_DIR, "Border Wars"))));
}

TEST(CliNew, StartsEveryShippedScenarioWithEveryAllowedNumberOfPlayers) {
    int started = 0;
    for (const auto& name : ListScenarios(MAROVANE_PROGRAM_DIR)) {
        GameDef def = ReadDefFile(*FindScenario(MAROVANE_PROGRAM_DIR, name));
        for (int players = 1; players <= 4; ++players) {
            if (!((def.PlayerLimits >> (players - 1)) & 1))
                continue;
            std::string slots = "Human";
            for (int p = 2; p <= players; ++p)
                slots += ",Computer";
            Result result = Cli({"--seed", "3", "new", name, "--players", slots});
            ASSERT_EQ(result.Status, 0) << name << " with " << players << ": " << result.Err;
            json::Value state = json::Parse(result.Out);
            EXPECT_TRUE(state.at("GameOn").get<bool>());
            EXPECT_EQ(state.at("NumPlayers").get<int64_t>(), players);
            EXPECT_EQ(state.at("CurrentPlayer").get<int64_t>(), 1);
            EXPECT_EQ(state.at("RoundFlag").get<int64_t>(), -1);
            EXPECT_EQ(state.at("ScenarioName").get<std::string>(), name);
            EXPECT_EQ(state.at("BoardUnit").size(), static_cast<size_t>(def.Height));
            EXPECT_EQ(state.at("BoardMark").size(), static_cast<size_t>(def.Height + 1));
            EXPECT_EQ(state.at("Seen").size(), static_cast<size_t>(players));
            for (int p = 1; p <= players; ++p) {
                EXPECT_EQ(state.at("Money")[p - 1].get<int64_t>(), def.Treasury);
                EXPECT_GT(CountPieces(state, p), 0) << name << " player " << p;
            }
            // Every player's pieces mirror player 1's; the tutorial gives player 2 three more.
            int extra = name == "Tutorial" ? 3 : 0;
            EXPECT_EQ(CountPieces(state, players), CountPieces(state, 1) + extra) << name;
            ++started;
        }
    }
    EXPECT_GE(started, 12);
}

TEST(CliNew, SameSeedSameGame) {
    auto a = Cli({"--seed", "9", "new", "Royal Rescue", "--players", "Human,Computer,Human"});
    auto b = Cli({"--seed", "9", "new", "Royal Rescue", "--players", "Human,Computer,Human"});
    auto c = Cli({"--seed", "10", "new", "Royal Rescue", "--players", "Human,Computer,Human"});
    ASSERT_EQ(a.Status, 0) << a.Err;
    EXPECT_EQ(a.Out, b.Out);
    EXPECT_NE(a.Out, c.Out) << "captives are drawn anew";
}

TEST(CliNew, OptionsAndTeams) {
    auto result = Cli({"new", "Into the Mist", "--players", "Human,Human,Computer,Computer",
                       "--option", "1", "--option=2", "--teams", "1"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    json::Value state = json::Parse(result.Out);
    EXPECT_EQ(state.at("BoardWidth").get<int64_t>(), 28);
    EXPECT_EQ(state.at("MaxParty").get<int64_t>(), 14);
    EXPECT_EQ(state.at("TeamsMode").get<int64_t>(), 1);
    EXPECT_TRUE(state.at("FogOn").get<bool>());
}

TEST(CliErrors, RefusalsExitWithOneAndAMessage) {
    auto tooMany = Cli({"new", "Royal Rescue", "--players", "Human,Human,Human,Human,Human"});
    EXPECT_EQ(tooMany.Status, 1);
    EXPECT_NE(tooMany.Err.find("1 to 4"), std::string::npos) << tooMany.Err;

    auto kind = Cli({"new", "Skirmish", "--players", "Human,Wizard"});
    EXPECT_EQ(kind.Status, 1);
    EXPECT_NE(kind.Err.find("Wizard"), std::string::npos);

    auto missing = Cli({"def", "show", "No Such Scenario"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("No Such Scenario"), std::string::npos);

    auto usage = Cli({});
    EXPECT_EQ(usage.Status, 1);
    EXPECT_NE(usage.Err.find("usage"), std::string::npos);

    auto option = Cli({"new", "Skirmish", "--players", "Human,Human", "--option", "3"});
    EXPECT_EQ(option.Status, 1);

    test::TempDir dir;
    GameDef small = test::PlainDef(7, 6);
    small.Options |= 128;
    fs::path path = dir.Write("Small", small);
    auto refused = Cli({"new", path.string(), "--players", "Human,Human"});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_EQ(refused.Err, "Board too small, please select another game.\n");
    EXPECT_EQ(refused.Out, "");

    fs::path bad = dir.WriteBytes("bad.json", "{\"Width\": 10,");
    auto build = Cli({"def", "build", bad.string(), (dir.Path() / "x.def").string()});
    EXPECT_EQ(build.Status, 1);
    EXPECT_NE(build.Err.find("line 1"), std::string::npos) << build.Err;
    EXPECT_FALSE(fs::exists(dir.Path() / "x.def"));
}

TEST(CliData, ADataFolderCanBeNamed) {
    test::TempDir dir;
    fs::copy_file(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt", dir.Path() / "specs.txt");
    dir.Write("Mine", test::PlainDef(9, 9));
    auto result = Cli({"--data", dir.Path().string(), "new", "mine", "--players", "Human,"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    json::Value state = json::Parse(result.Out);
    EXPECT_TRUE(state.at("PlayerOut")[1].get<bool>()) << "an empty slot is vacant";
    auto noSpecs =
        Cli({"--data", (dir.Path() / "x").string(), "new", "Skirmish", "--players", "Human,Human"});
    EXPECT_EQ(noSpecs.Status, 1);
}

} // namespace
} // namespace marovane
