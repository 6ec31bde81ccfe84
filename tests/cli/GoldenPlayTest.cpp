#include "cli/CliRunner.h"

#include "util/JsonParse.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace marovane {
namespace {

// The rules, the computer and the order in which they draw random numbers, all at once: a game of
// computers on every shipped scenario, with seeds 1 to 5, stands exactly as it did when these
// files were recorded, after at most 1000 turns (a game nobody can win would otherwise run to the
// tool's limit of 20000). The list of what happened is left out: it came later, and tells the
// same story.
class GoldenPlay : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenPlay, EndsAsRecorded) {
    for (int seed = 1; seed <= 5; ++seed) {
        const std::string name = std::string(GetParam()) + " " + std::to_string(seed);
        std::ifstream file(std::string(MAROVANE_SOURCE_DIR) + "/tests/golden/play/" + name +
                           ".json");
        ASSERT_TRUE(file) << name;
        std::stringstream recorded;
        recorded << file.rdbuf();
        const test::CliResult played =
            test::Cli({"--seed", std::to_string(seed), "play", GetParam(), "--turns", "1000"});
        ASSERT_EQ(played.Status, 0) << name << ": " << played.Err;
        json::Value state = json::Parse(played.Out);
        state.erase("Events");
        EXPECT_EQ(state, json::Parse(recorded.str())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, GoldenPlay,
                         ::testing::Values("Border Wars", "Castle Siege", "Into the Mist",
                                           "Royal Rescue", "Skirmish", "Tutorial"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
} // namespace marovane
