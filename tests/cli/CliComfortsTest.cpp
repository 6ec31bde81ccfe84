#include "cli/CliRunner.h"
#include "engine/Combat.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "util/JsonParse.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using test::Cli;

// A game under fog with the shipped units: player 1's catapult on (3, 3) reaches 4 cells but
// sees 3, and his medium infantryman on (2, 6) stands next to an enemy one on (3, 6); another
// enemy stands in sight on (6, 5) and one hidden on (7, 3). Every cell counts as explored by
// player 1, so his steps find nothing new.
class CliComforts : public ::testing::Test {
protected:
    void SetUp() override {
        UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
        HeadlessPort port;
        Game game(specs, port, 3);
        GameDef def = test::PlainDef(12, 12);
        def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Fog));
        ASSERT_TRUE(game.NewGame(dir.Write("Fog", def), test::Humans(2)));
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y)
                game.SetUnit(x, y, -1, 1);
        }
        game.PlaceUnit(3, 3, unit_type::Catapult, 1);
        game.PlaceUnit(2, 6, 4, 1);
        game.PlaceUnit(3, 6, 4, 2);
        game.PlaceUnit(6, 5, 4, 2);
        game.PlaceUnit(7, 3, 4, 2);
        for (int x = 0; x <= 12; ++x) {
            for (int y = 0; y <= 12; ++y)
                game.BoardMark(x, y) |= 1 << 1;
        }
        game.Update();
        ASSERT_FALSE(game.Visible(7, 3));
        SaveGame(game, start);
    }

    test::TempDir dir;
    fs::path start = dir.Path() / "start.mvg";
};

TEST_F(CliComforts, PreviewsShowWhatAClickWouldDoAndNothingOfAHiddenCell) {
    auto run = Cli({"run", start.string()},
                   "preview 3 3 7 3\npreview 3 3 6 5\npreview 2 6 3 6\npreview 2 6 2 7\n");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const json::Value previews = json::Parse(run.Out).at("Previews");
    ASSERT_EQ(previews.size(), 4u);
    EXPECT_TRUE(previews[0].is_null()) << "the hidden enemy gives nothing away";
    EXPECT_TRUE(previews[3].is_null()) << "an empty cell is no target";

    const json::Value& shot = previews[1];
    EXPECT_NEAR(shot.at("HitChance").get<double>(), HitChance(3, 2, 4), 1e-9);
    EXPECT_EQ(shot.at("Damage").dump(), "[3,5]") << "a catapult rolls 3 to 5";
    EXPECT_TRUE(shot.at("CounterDamage").is_null()) << "nothing strikes back from afar";
    EXPECT_TRUE(shot.at("Heal").is_null());

    const json::Value& melee = previews[2];
    EXPECT_EQ(melee.at("HitChance").get<double>(), 1.0);
    EXPECT_EQ(melee.at("Damage").dump(), "[2,3]");
    EXPECT_EQ(melee.at("CounterDamage").dump(), "[2,3]");

    // The attack that follows deals what the preview said, or misses.
    for (const char* seed : {"1", "2", "3", "4"}) {
        auto fought = Cli({"--seed", seed, "run", start.string()}, "attack 3 3 6 5\n");
        ASSERT_EQ(fought.Status, 0) << fought.Err;
        const int left = json::Parse(fought.Out).at("BoardUnit")[4][5].get<int>() / 10;
        const int lost = 7 - left;
        EXPECT_TRUE(lost == 0 || (lost >= 3 && lost <= 5)) << "lost " << lost;
    }
}

TEST_F(CliComforts, UndoTakesBackAStepButNotABattle) {
    const fs::path end = dir.Path() / "end.mvg";
    auto run = Cli({"run", start.string(), "--save", end.string()}, "move 2 6 1 5\nundo\n");
    ASSERT_EQ(run.Status, 0) << run.Err;
    auto shown = Cli({"show", start.string()});
    ASSERT_EQ(shown.Status, 0) << shown.Err;
    const json::Value before = json::Parse(shown.Out);
    const json::Value after = json::Parse(run.Out);
    for (const char* key : {"BoardUnit", "BoardPic", "Seen", "BoardMark", "Money"})
        EXPECT_EQ(after.at(key).dump(), before.at(key).dump()) << key;
    // The step happened before it was taken back, and the list of events says so.
    ASSERT_EQ(after.at("Events").size(), 1u);
    const json::Value& step = after.at("Events").at(0);
    EXPECT_EQ(step.at("Kind"), "Step");
    EXPECT_EQ(step.at("From").dump(), "[2,6]");
    EXPECT_EQ(step.at("To").dump(), "[1,5]");

    for (const char* script : {"undo\n", "attack 2 6 3 6\nundo\n", "move 2 6 1 5\nundo\nundo\n"}) {
        auto refused = Cli({"run", start.string()}, script);
        EXPECT_EQ(refused.Status, 1) << script;
        EXPECT_NE(refused.Err.find("no step of this turn to take back"), std::string::npos)
            << script << ": " << refused.Err;
    }
}

} // namespace
} // namespace marovane
