#include "ai/ComputerOpponent.h"
#include "engine/BoardCheck.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// A computer player that checks the board before and after every turn it plays.
class CheckingOpponent : public ComputerOpponent {
public:
    bool PlayTurn(Game& game) override {
        Check(game, "before");
        const bool goOn = ComputerOpponent::PlayTurn(game);
        Check(game, "after");
        return goOn && Problem.empty();
    }
    void Check(const Game& game, const char* when) {
        if (Problem.empty()) {
            const std::string problem = BoardProblem(game).English();
            if (!problem.empty())
                Problem =
                    std::string(when) + " turn " + std::to_string(TurnsPlayed()) + ": " + problem;
        }
    }
    std::string Problem;
};

std::vector<fs::path> ShippedScenarios() {
    std::vector<fs::path> found;
    for (const std::string& scenario : ListScenarios(MAROVANE_PROGRAM_DIR))
        found.push_back(fs::path(MAROVANE_PROGRAM_DIR) / (scenario + ".def"));
    return found;
}

// Computers in as many slots as the scenario allows.
NewGameSetup AllComputers(const fs::path& scenario) {
    const GameDef def = ReadDefFile(scenario);
    NewGameSetup setup;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        if (def.PlayerLimits & (1 << (n - 1)))
            setup.Slots.assign(static_cast<size_t>(n), SlotKind::Computer);
    }
    return setup;
}

// Seeded computer games over every shipped scenario end, or reach the turn limit, with the
// board in order after every turn, and the same seed plays the same game.
TEST(AiSoak, ComputerGamesOnEveryShippedScenarioKeepTheBoardInOrder) {
    const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    const auto scenarios = ShippedScenarios();
    ASSERT_GE(scenarios.size(), 6u);
    constexpr int kTurns = 200;
    for (const fs::path& scenario : scenarios) {
        for (uint64_t seed : {1, 2}) {
            BoardArrays boards[2];
            for (int run = 0; run < 2; ++run) {
                HeadlessPort port;
                Game game(specs, port, seed);
                CheckingOpponent computer;
                computer.SetTurnLimit(kTurns);
                game.SetComputerPlayer(&computer);
                ASSERT_TRUE(game.NewGame(scenario, AllComputers(scenario)));
                computer.Check(game, "at the end after");
                EXPECT_EQ(computer.Problem, "") << scenario.filename() << " seed " << seed;
                EXPECT_TRUE(!game.GameOn || computer.TurnsPlayed() == kTurns)
                    << scenario.filename() << " seed " << seed;
                boards[run] = test::Snapshot(game).Board;
                if (seed == 2)
                    break; // replays are checked on the first seed
            }
            if (seed == 1) {
                EXPECT_EQ(boards[0], boards[1]) << scenario.filename() << " replays the same";
            }
        }
    }
}

// Every way of playing that the computer player has depends on some unit statistic: each must
// be open to it in at least one shipped scenario, or that part of it never plays.
TEST(AiSoak, TheShippedTableLetsTheComputerUseEveryWayOfPlaying) {
    const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    std::vector<GameDef> defs;
    for (const fs::path& scenario : ShippedScenarios())
        defs.push_back(ReadDefFile(scenario));
    constexpr bool kAnywhere = false, kWithCastles = true;
    // Whether a type takes part in some scenario (with castles, when asked): in the starting
    // formation, for sale in the keep, or, for King and Queen, as captives.
    auto takesPart = [&](int type, bool needCastles) {
        for (const GameDef& def : defs) {
            if (needCastles && !OptionSet(option_bit::Castle, def.Options))
                continue;
            bool inFormation = false;
            for (const auto& column : def.StartPos) {
                for (int value : column)
                    inFormation = inFormation || value == type + 1;
            }
            const bool keeps = OptionSet(option_bit::NoKeep, def.Options);
            const bool forSale =
                keeps && UnitAllowed(type, def.UnitsAllowed) && specs.UnitCost[type] >= 1;
            const bool captive = (type == unit_type::King || type == unit_type::Queen) &&
                                 OptionSet(option_bit::Royalty, def.Options) && keeps;
            if (inFormation || forSale || captive)
                return true;
        }
        return false;
    };
    auto someType = [&](bool needCastles, const std::function<bool(int)>& condition) {
        for (int t = 0; t < unit_type::Wall; ++t) {
            if (condition(t) && takesPart(t, needCastles))
                return true;
        }
        return false;
    };
    using namespace unit_type;
    EXPECT_TRUE(someType(kAnywhere, [&](int t) { return t == Priest && specs.UnitRange[t] > 1; }))
        << "only priests that reach beyond their neighbours are sent to heal";
    EXPECT_TRUE(someType(kAnywhere, [&](int t) { return t == Catapult && specs.UnitRange[t] > 1; }))
        << "catapults shoot from afar";
    EXPECT_TRUE(someType(kWithCastles, [&](int t) {
        return t > Catapult && specs.UnitRange[t] > 1;
    })) << "shooters man the walls";
    EXPECT_TRUE(someType(kWithCastles, [&](int t) {
        return t == Peasant && specs.UnitRange[t] == 1;
    })) << "peasants stay home to repair the walls";
    EXPECT_TRUE(someType(kWithCastles, [&](int t) { return specs.UnitWallPenalty[t] == 9; }))
        << "a unit that cannot fight across a wall goes round by the gate";
    EXPECT_TRUE(someType(kAnywhere, [&](int t) { return specs.UnitMaxDamage[t] == 0; }))
        << "a piece that does no damage is the least worthy target";
    EXPECT_TRUE(someType(kAnywhere, [&](int t) {
        return t >= FirstCavalry && t <= LastFighter && specs.Moves(t) >= 2;
    })) << "cavalry charges with a step beside its target";
    EXPECT_TRUE(someType(kAnywhere, [&](int t) {
        return (t == King || t == Queen || t == FirstFighter) && specs.Moves(t) >= 1;
    })) << "royals, and light infantry in the first round, go home to the keep";
    for (int t = 0; t < kUnitTypes; ++t)
        EXPECT_GE(specs.HitPoints(t), 1) << "type " << t << ": weakness is a share of full health";
}

} // namespace
} // namespace marovane
