#include "cli/CliRunner.h"

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

int64_t Field(const std::string& output, const char* key) {
    const json::Value state = json::Parse(output);
    const auto value = state.find(key);
    if (value == state.end())
        return -1;
    return value->is_boolean() ? value->get<bool>() : value->get<int64_t>();
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CliPlay, TheComputerPlaysAGameToItsEndAndTheSameSeedReplaysIt) {
    Result first = Cli({"--seed", "3", "play", "Skirmish"});
    ASSERT_EQ(first.Status, 0) << first.Err;
    EXPECT_EQ(Field(first.Out, "GameOn"), 0);
    EXPECT_GT(Field(first.Out, "Turns"), 0);
    const json::Value state = json::Parse(first.Out);
    const auto& messages = state.at("Messages");
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().get<std::string>().find("has conquered all!"), std::string::npos);

    EXPECT_EQ(Cli({"--seed", "3", "play", "Skirmish"}).Out, first.Out);
}

TEST(CliPlay, LevelsChooseTheComputerOfEachSlotAndAMissingOneIsStandard) {
    const std::vector<std::string> play = {"--seed", "3", "play", "Skirmish"};
    auto with = [&](const char* levels) {
        std::vector<std::string> args = play;
        args.insert(args.end(), {"--levels", levels});
        return Cli(args);
    };
    const Result standard = Cli(play);
    const Result hard = with(",hard");
    ASSERT_EQ(hard.Status, 0) << hard.Err;
    EXPECT_NE(hard.Out, standard.Out);
    EXPECT_EQ(with(",hard").Out, hard.Out) << "the same seed plays the same game";
    EXPECT_EQ(with("standard").Out, standard.Out);
}

TEST(CliPlay, StopsAfterTheGivenNumberOfTurns) {
    for (const char* scenario : {"Border Wars", "Castle Siege"}) {
        Result played = Cli({"--seed", "5", "play", scenario, "--turns", "9"});
        ASSERT_EQ(played.Status, 0) << played.Err;
        EXPECT_EQ(Field(played.Out, "Turns"), 9) << scenario;
        EXPECT_EQ(Field(played.Out, "NumPlayers"), 4) << "every slot the scenario allows";
        EXPECT_EQ(Field(played.Out, "CurrentPlayer"), 2) << "nine turns from player 1 on";
    }
}

TEST(CliPlay, GoesOnWithASavedGameUntilAHumanIsToMove) {
    test::TempDir dir;
    const fs::path half = dir.Path() / "half.mvg";
    Result first = Cli({"--seed", "7", "play", "Royal Rescue", "--players", "Computer,Computer",
                        "--turns", "4", "--save", half.string()});
    ASSERT_EQ(first.Status, 0) << first.Err;
    Result second = Cli({"--seed", "7", "play", half.string(), "--turns", "3"});
    ASSERT_EQ(second.Status, 0) << second.Err;
    EXPECT_EQ(Field(second.Out, "Turns"), 3);
    EXPECT_EQ(Field(second.Out, "CurrentPlayer"), 2);

    // A computer whose turn is pending plays it; the human after him stops the tool.
    const fs::path mixed = dir.Path() / "mixed.mvg";
    ASSERT_EQ(
        Cli({"new", "Skirmish", "--players", "Computer,Human", "--save", mixed.string()}).Status,
        0);
    Result stopped = Cli({"--seed", "1", "play", mixed.string()});
    ASSERT_EQ(stopped.Status, 0) << stopped.Err;
    EXPECT_EQ(Field(stopped.Out, "Turns"), 1);
    EXPECT_EQ(Field(stopped.Out, "CurrentPlayer"), 2);
    EXPECT_EQ(Field(stopped.Out, "GameOn"), 1);
}

TEST(CliPlay, RefusesBadArgumentsAndDamagedFilesWithAMessage) {
    test::TempDir dir;
    const fs::path saved = dir.Path() / "saved.mvg";
    ASSERT_EQ(
        Cli({"new", "Skirmish", "--players", "Computer,Computer", "--save", saved.string()}).Status,
        0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"play", "Skirmish", "--turns", "-1"},
          {"play", "Skirmish", "--turns", "many"},
          {"play", "Skirmish", "--players", "Computer,Robot"},
          {"play", "Skirmish", "--levels", "hard,expert"},
          {"play", saved.string(), "--players", "Computer,Computer"},
          {"play", "No Such Scenario"},
          {"play"}}) {
        Result refused = Cli(args);
        EXPECT_EQ(refused.Status, 1) << args.back();
        EXPECT_FALSE(refused.Err.empty()) << args.back();
        EXPECT_TRUE(refused.Out.empty()) << args.back();
    }

    std::string bytes = Bytes(saved);
    const fs::path damaged = dir.WriteBytes("damaged.mvg", bytes.substr(0, bytes.size() / 2));
    Result refused = Cli({"play", damaged.string(), "--save", saved.string()});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_NE(refused.Err.find("Invalid save file."), std::string::npos) << refused.Err;
    EXPECT_EQ(Bytes(saved), bytes) << "the file to save to is left alone";

    // A readable saved game whose unit on (1, 1) is stronger than its type can be: the first
    // board value follows the tag, the scenario record, the name and six numbers.
    std::string strong = bytes;
    const size_t first = 3 + 2060 + 2 + std::string("Skirmish").size() + 6 * 2;
    strong[first] = static_cast<char>(999 & 0xFF);
    strong[first + 1] = static_cast<char>(999 >> 8);
    refused = Cli({"play", dir.WriteBytes("strong.mvg", strong).string()});
    EXPECT_EQ(refused.Status, 1);
    EXPECT_NE(refused.Err.find("more hit points than at full strength"), std::string::npos)
        << refused.Err;
}

// The tool holds the slots to the new-game dialog's rules, and says what the scenario allows.
TEST(CliPlay, SlotsFollowTheRulesOfTheNewGameDialog) {
    struct Case {
        std::string command, scenario, players, error;
    };
    for (const Case& c : {
             Case{"new", "Skirmish", "Computer,Computer,Computer,Computer",
                  "This scenario has 2 player slots, not 4."},
             Case{"play", "Skirmish", "Computer,Computer,Computer,Computer",
                  "This scenario has 2 player slots, not 4."},
             Case{"new", "Tutorial", "Human", "This scenario allows 2 players, not 1."},
             Case{"new", "Tutorial", "Human,Human",
                  "Player 2 cannot be 'Human' in this scenario; the slot offers Computer."},
             Case{"play", "Castle Siege", "Computer,,Computer",
                  "Player 2 cannot be 'None' in this scenario; the slot offers Human, Remote or "
                  "Computer."},
             Case{"new", "Royal Rescue", "Human", "This scenario allows 2, 3 or 4 players, not 1."},
             Case{"new", "Castle Siege", "Human,Computer,", ""}, // a vacant third slot
         }) {
        Result result = Cli({"--seed", "2", c.command, c.scenario, "--players", c.players});
        EXPECT_EQ(result.Status, c.error.empty() ? 0 : 1) << c.players;
        EXPECT_EQ(result.Err, c.error.empty() ? "" : c.error + "\n");
    }
}

TEST(CliRun, TheComputerPlaysItsSlotsAndTakesOverOnCommand) {
    test::TempDir dir;
    const fs::path start = dir.Path() / "start.mvg";
    ASSERT_EQ(Cli({"--seed", "2", "new", "Skirmish", "--players", "Human,Computer", "--save",
                   start.string()})
                  .Status,
              0);
    // After the human's turn the computer plays its own and hands back to him.
    Result next = Cli({"--seed", "2", "run", start.string()}, "next\n");
    ASSERT_EQ(next.Status, 0) << next.Err;
    EXPECT_EQ(Field(next.Out, "CurrentPlayer"), 1);
    EXPECT_NE(json::Parse(next.Out).at("BoardPic").dump(),
              json::Parse(Cli({"show", start.string()}).Out).at("BoardPic").dump())
        << "the computer moved";

    // Handed to the computer, the human's side plays on with the other computer to the end.
    Result handed = Cli({"--seed", "2", "run", start.string()}, "computer\n");
    ASSERT_EQ(handed.Status, 0) << handed.Err;
    EXPECT_EQ(Field(handed.Out, "GameOn"), 0);
}

} // namespace
} // namespace marovane
