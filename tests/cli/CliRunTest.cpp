#include "cli/CliRunner.h"
#include "cli/ScriptPlayer.h"
#include "engine/Combat.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "util/Error.h"
#include "util/JsonParse.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using test::Cli;

// The commands of a plain-minded player: every unit attacks an enemy in reach, or else steps
// towards the nearest enemy; then the turn ends.
std::vector<std::string> TurnCommands(const Game& game) {
    std::vector<std::string> commands;
    const int me = game.CurrentPlayer;
    for (const PartyPiece& piece : game.FindParty(me)) {
        if (piece.X < 0)
            break;
        int x = piece.X, y = piece.Y;
        if (game.BoardUnit(x, y) % 10 == 0)
            continue;
        int bestX = 0, bestY = 0, bestDistance = 1000;
        for (int ex = 1; ex <= game.BoardWidth; ++ex) {
            for (int ey = 1; ey <= game.BoardHeight; ++ey) {
                int picture = game.PicNum(ex, ey);
                if (picture < 0 || picture / kUnitTypes + 1 == me)
                    continue;
                int distance = std::max(std::abs(ex - x), std::abs(ey - y));
                if (distance < bestDistance) {
                    bestDistance = distance;
                    bestX = ex;
                    bestY = ey;
                }
            }
        }
        if (bestX == 0)
            break;
        const int range = game.Specs().UnitRange[piece.Type];
        if (InReach(std::abs(bestX - x), std::abs(bestY - y), range)) {
            commands.push_back("attack " + std::to_string(x) + " " + std::to_string(y) + " " +
                               std::to_string(bestX) + " " + std::to_string(bestY));
            return commands; // one action at a time: the board changes
        }
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                int nx = x + dx, ny = y + dy;
                if (game.CanStep(x, y, nx, ny) &&
                    std::max(std::abs(bestX - nx), std::abs(bestY - ny)) < bestDistance) {
                    commands.push_back("move " + std::to_string(x) + " " + std::to_string(y) + " " +
                                       std::to_string(nx) + " " + std::to_string(ny));
                    return commands;
                }
            }
        }
    }
    commands.push_back("next");
    return commands;
}

TEST(CliRun, AHotSeatGamePlaysToAConquestAndReplaysTheSame) {
    test::TempDir dir;
    const fs::path start = dir.Path() / "start.mvg";
    auto made = Cli(
        {"--seed", "21", "new", "Skirmish", "--players", "Human,Human", "--save", start.string()});
    ASSERT_EQ(made.Status, 0) << made.Err;

    // Play it through in this process, writing down every command.
    UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    HeadlessPort port;
    Game game(specs, port, 5);
    LoadGame(game, start);
    ScriptPlayer player(game, port);
    std::string script = "# two humans at one machine\n";
    for (int step = 0; step < 2000 && game.GameOn; ++step) {
        for (const std::string& command : TurnCommands(game)) {
            ASSERT_NO_THROW(player.Execute(command)) << command;
            script += command + "\n";
        }
    }
    ASSERT_FALSE(game.GameOn) << "the game ends within 2000 commands";
    const std::string winner = port.Messages.back();
    EXPECT_NE(winner.find(" has conquered all!"), std::string::npos) << winner;

    // The tool plays the same commands to the same end, and saves it.
    const fs::path end = dir.Path() / "end.mvg";
    auto run = Cli({"--seed", "5", "run", start.string(), "--save", end.string()}, script);
    ASSERT_EQ(run.Status, 0) << run.Err;
    json::Value state = json::Parse(run.Out);
    EXPECT_FALSE(state.at("GameOn").get<bool>());
    EXPECT_EQ(state.at("Messages").back().get<std::string>(), winner);

    auto shown = Cli({"show", end.string()});
    ASSERT_EQ(shown.Status, 0) << shown.Err;
    json::Value saved = json::Parse(shown.Out);
    for (const char* key : {"BoardUnit", "BoardPic", "Money", "PlayerOut", "CurrentPlayer"})
        EXPECT_EQ(saved.at(key).dump(), state.at(key).dump()) << key;
}

TEST(CliRun, CommandsThePlayerCouldNotGiveAreRefusedWithTheirLine) {
    test::TempDir dir;
    const fs::path start = dir.Path() / "start.mvg";
    ASSERT_EQ(
        Cli({"new", "Castle Siege", "--players", "Human,Human", "--save", start.string()}).Status,
        0);
    struct Case {
        std::string script, error;
    };
    for (const Case& c :
         {Case{"move 4 4 4 5\n", "No unit of player 1 stands there."},
          Case{"\nmove 3 1 3 2\n", "Line 2 (move 3 1 3 2): "},
          Case{"move 4 1 6 1\n", "The unit cannot step there."},
          Case{"attack 4 1 5 1\n", "There is nothing to attack there."},
          Case{"move 4 1 5\n", "A move needs four numbers"}, Case{"dance\n", "Unknown command"},
          Case{"resign\nnext\n", "The game is over."}}) {
        auto run = Cli({"run", start.string()}, c.script);
        EXPECT_EQ(run.Status, 1) << c.script;
        EXPECT_NE(run.Err.find(c.error), std::string::npos) << c.script << ": " << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

// A unit table of its own, written where the tool reads it, so the cases do not follow the
// shipped balance.
void WriteSpecs(const fs::path& folder, const UnitSpecs& specs) {
    std::ofstream out(folder / "specs.txt");
    for (int t = 0; t < kUnitTypes; ++t) {
        const long packed = specs.UnitMaxDamage[t] * 100000L + specs.UnitMinDamage[t] * 10000L +
                            specs.UnitRange[t] * 1000L + specs.UnitCloseBonus[t] * 100L +
                            specs.UnitWallBonus[t] * 10L + specs.UnitWallPenalty[t];
        out << '"' << specs.UnitName[t] << "\", " << specs.UnitStrength[t] << ", "
            << specs.UnitCost[t] << ", " << packed << "\n";
    }
}

TEST(CliRun, ARefusedAttackOrPurchaseSaysWhy) {
    UnitSpecs specs = test::ExactSpecs();
    specs.UnitName[unit_type::King] = "King";
    specs.UnitCost[unit_type::King] = -1;
    specs.UnitRange[unit_type::Catapult] = 4;
    specs.UnitCloseBonus[unit_type::Catapult] = 9; // no shot at a neighbour
    specs.UnitWallPenalty[9] = 9;                  // cavalry cannot fight across a wall
    specs.UnitWallBonus[6] = 9;                    // archers cannot fight from a wall
    test::TempDir dir;
    WriteSpecs(dir.Path(), specs);

    // Player 1's castle fills the corner (1..3, 1..3): (2, 2) is in its yard, (3, 2) and (2, 3)
    // on its walls. Every unit of player 1 has a target of player 2 in reach.
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>((def.Options | (1 << option_bit::Castle)) &
                                       ~(1 << option_bit::NoKeep));
    HeadlessPort port;
    Game game(specs, port, 1);
    ASSERT_TRUE(game.NewGame(dir.Write("Walls", def), test::Humans(2)));
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 12; ++y)
            game.SetUnit(x, y, -1, 1);
    }
    for (auto [x, y, type, player] :
         std::vector<std::array<int, 4>>{{2, 2, unit_type::Catapult, 1},
                                         {5, 5, 3, 2}, // a catapult in the yard
                                         {4, 2, 9, 1},
                                         {3, 2, 3, 2}, // cavalry at the wall's foot
                                         {2, 3, 6, 1},
                                         {2, 4, 3, 2}, // an archer on the wall
                                         {6, 8, unit_type::Catapult, 1},
                                         {7, 8, 3, 2}, // a catapult in the open
                                         {8, 1, 3, 1},
                                         {10, 1, 3, 2}}) { // out of reach
        game.PlaceUnit(x, y, type, player);
    }
    const fs::path start = dir.Path() / "walls.mvg";
    SaveGame(game, start);

    struct Case {
        std::string command, error;
    };
    for (const Case& c : {
             Case{"attack 2 2 5 5",
                  "The attack is void: a catapult cannot shoot from inside a castle."},
             Case{"attack 4 2 3 2",
                  "The attack is void: this unit cannot attack across a castle wall."},
             Case{"attack 2 3 2 4",
                  "The attack is void: this unit cannot attack from a castle wall."},
             Case{"attack 6 8 7 8",
                  "The attack is void: this unit cannot attack a neighbouring cell."},
             Case{"attack 8 1 10 1", "The unit cannot reach that target."},
             Case{"next buy 99", "There is no unit type 99; the types are 0..14."},
             Case{"next buy 12", "King (type 12) is not for sale in this game."},
         }) {
        auto run = Cli({"--data", dir.Path().string(), "run", start.string()}, c.command + "\n");
        EXPECT_EQ(run.Status, 1) << c.command;
        EXPECT_EQ(run.Err, "Line 1 (" + c.command + "): " + c.error + "\n");
    }

    // The terminal gets UTF-8, as the JSON does, not the game's Latin-1 bytes.
    const int money = specs.UnitCost[4] - 1;
    game.Money[1] = static_cast<int16_t>(money);
    SaveGame(game, start);
    auto poor = Cli({"--data", dir.Path().string(), "run", start.string()}, "next buy 4\n");
    EXPECT_EQ(poor.Err, "Line 1 (next buy 4): " + specs.UnitName[4] + " costs " +
                            std::to_string(specs.UnitCost[4]) + "\xC2\xA4, more than the " +
                            std::to_string(money) + "\xC2\xA4 in the treasury.\n");
}

TEST(CliRun, TheKeepAnswersTheNextCommand) {
    test::TempDir dir;
    const fs::path start = dir.Path() / "start.mvg";
    ASSERT_EQ(
        Cli({"new", "Castle Siege", "--players", "Human,Human", "--save", start.string()}).Status,
        0);
    UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    auto run = Cli({"run", start.string()}, "next buy 3\n");
    ASSERT_EQ(run.Status, 0) << run.Err;
    json::Value state = json::Parse(run.Out);
    EXPECT_EQ(state.at("BoardPic")[0][0].get<int64_t>(), 3 + 1)
        << "a light infantryman stands in player 1's keep";
    EXPECT_EQ(state.at("Money")[0].get<int64_t>(), 1500 - specs.UnitCost[3]);
    EXPECT_EQ(state.at("CurrentPlayer").get<int64_t>(), 2);
}

TEST(CliRun, ACellThePlayerCannotSeeIsEmptyGrassToHisCommands) {
    test::TempDir dir;
    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game(specs, port, 3);
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Fog));
    ASSERT_TRUE(game.NewGame(dir.Write("Fog", def), test::Humans(2)));
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 12; ++y)
            game.SetUnit(x, y, -1, 1);
    }
    game.PlaceUnit(3, 3, unit_type::Catapult, 1); // reach 4, sight 3
    game.PlaceUnit(7, 3, 4, 2);
    game.Update();
    ASSERT_FALSE(game.Visible(7, 3));

    ScriptPlayer player(game, port);
    try {
        player.Execute("attack 3 3 7 3");
        ADD_FAILURE() << "an attack on an unseen unit was played";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("nothing to attack"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(game.BoardUnit(7, 3), specs.UnitStrength[4]);
    EXPECT_EQ(game.BoardUnit(3, 3), specs.UnitStrength[unit_type::Catapult]);
}

TEST(CliRun, AStepThatFreesACaptiveIsAStep) {
    // Player 1's King waits on an explored cell where his own unit stands: stepping off frees
    // the King onto the cell the unit left.
    test::TempDir dir;
    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game(specs, port, 3);
    ASSERT_TRUE(game.NewGame(dir.Write("Royal", test::PlainDef(12, 12)), test::Humans(2)));
    game.PlaceUnit(5, 5, 3, 1);
    game.BoardMark(5, 5) |= 1 << 1;
    game.KingX[1] = game.KingY[1] = 5;

    ScriptPlayer player(game, port);
    EXPECT_NO_THROW(player.Execute("move 5 5 6 5"));
    EXPECT_EQ(game.PieceAt(6, 5).Type, 3);
    EXPECT_EQ(game.PieceAt(5, 5).Type, unit_type::King);
    EXPECT_EQ(game.KingX[1], -1);
}

} // namespace
} // namespace marovane
