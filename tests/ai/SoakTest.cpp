#include "ai/ComputerOpponent.h"
#include "engine/BoardCheck.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <filesystem>

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
            const std::string problem = BoardProblem(game);
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

} // namespace
} // namespace marovane
