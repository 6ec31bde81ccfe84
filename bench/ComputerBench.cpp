// The computer player's speed: one target search on a full board, one whole computer turn, and
// whole computer-against-computer games over the shipped scenarios, with a large soak that
// checks the board after every turn.

#include "ai/ComputerOpponent.h"
#include "ai/ComputerTurn.h"
#include "ai/TargetSearch.h"
#include "engine/BoardCheck.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"

#include "ShippedData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using bench::Scenario;
using bench::Scenarios;
using bench::Specs;

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

// A game whose computer turns wait (no computer player is set) until the benchmark plays them.
struct Table {
    HeadlessPort Port;
    std::unique_ptr<Game> TheGame;

    Table(const fs::path& scenario, uint64_t seed) {
        TheGame = std::make_unique<Game>(Specs(), Port, seed);
        TheGame->SetShowThinking(false);
        if (!TheGame->NewGame(scenario, AllComputers(scenario)))
            throw std::runtime_error("the scenario did not start");
    }
};

// The board's pieces and marks, to put back after a turn that changed them.
struct BoardCopy {
    std::vector<int16_t> Units, Pictures;
    std::vector<uint8_t> Marks;
    PerPlayer<int16_t> Money{};
    PerPlayer<bool> Out{};
    PerPlayer<int16_t> Result{};

    explicit BoardCopy(const Game& game) {
        for (int x = 1; x <= game.BoardWidth; ++x) {
            for (int y = 1; y <= game.BoardHeight; ++y) {
                Units.push_back(game.BoardUnit(x, y));
                Pictures.push_back(game.BoardPic(x, y));
            }
        }
        for (int x = 0; x <= game.BoardWidth; ++x) {
            for (int y = 0; y <= game.BoardHeight; ++y)
                Marks.push_back(game.BoardMark(x, y));
        }
        Money = game.Money;
        Out = game.PlayerOut;
        Result = game.PlayerResult;
    }
    void Restore(Game& game) const {
        size_t i = 0;
        for (int x = 1; x <= game.BoardWidth; ++x) {
            for (int y = 1; y <= game.BoardHeight; ++y, ++i) {
                game.BoardUnit(x, y) = Units[i];
                game.BoardPic(x, y) = Pictures[i];
            }
        }
        i = 0;
        for (int x = 0; x <= game.BoardWidth; ++x) {
            for (int y = 0; y <= game.BoardHeight; ++y, ++i)
                game.BoardMark(x, y) = Marks[i];
        }
        game.Money = Money;
        game.PlayerOut = Out;
        game.PlayerResult = Result;
        game.GameOn = true;
        game.Update();
    }
};

// Border Wars for four with its parties, and then pieces of all four players scattered over
// the open board until about 200 stand on it.
void FillBoard(Game& game, int pieces) {
    Random scatter(99);
    int count = static_cast<int>(AllPieces(game).size());
    while (count < pieces) {
        const int x = static_cast<int>(scatter.Rnd() * game.BoardWidth) + 1;
        const int y = static_cast<int>(scatter.Rnd() * game.BoardHeight) + 1;
        if (game.BoardUnit(x, y) > 0 || game.CornerOwner(x, y) != 0)
            continue;
        const int type = static_cast<int>(scatter.Rnd() * 12);
        const int player = static_cast<int>(scatter.Rnd() * game.NumPlayers) + 1;
        game.PlaceUnit(x, y, type, player);
        ++count;
    }
    game.Update();
}

void BM_FindTarget(benchmark::State& state) {
    Table table(Scenario("Border Wars"), 1);
    Game& game = *table.TheGame;
    FillBoard(game, 200);
    // Player 1's units in turn search for enemies anywhere, ordered by every criterion: every
    // enemy piece is a candidate.
    std::vector<BoardPiece> searchers;
    for (const BoardPiece& piece : AllPieces(game)) {
        if (piece.Owner == game.CurrentPlayer && piece.Type != unit_type::Wall)
            searchers.push_back(piece);
    }
    const int flags = static_cast<int>(state.range(0));
    size_t next = 0;
    for (auto _ : state) {
        const BoardPiece& unit = searchers[next++ % searchers.size()];
        benchmark::DoNotOptimize(FindTarget(game, unit.X, unit.Y, flags,
                                            Specs().UnitRange[unit.Type], game.CurrentPlayer));
    }
    state.counters["pieces"] = static_cast<double>(AllPieces(game).size());
}
BENCHMARK(BM_FindTarget)
    ->Arg(0x487) // enemies anywhere, near, worthy and weak first
    ->Arg(0x4b7) // enemies in reach, straight-line distance
    ->Arg(0xca3) // enemy walls in reach
    ->Arg(0x5a7) // intruders in the home castle
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One whole turn of player 1, at the start of Border Wars for four and after some rounds.
void BM_ComputerTurn(benchmark::State& state) {
    Table table(Scenario("Border Wars"), 1);
    Game& game = *table.TheGame;
    const int rounds = static_cast<int>(state.range(0));
    if (rounds > 0) {
        ComputerOpponent computer;
        computer.SetTurnLimit(rounds * game.NumPlayers);
        game.SetComputerPlayer(&computer);
        game.NextPlayer(); // plays player 1's waiting turn and the rounds after it
        game.SetComputerPlayer(nullptr);
    }
    if (!game.GameOn)
        throw std::runtime_error("the game ended before the measured turn");
    const int player = game.CurrentPlayer;
    const BoardCopy start(game);
    const uint64_t seed = 5;
    for (auto _ : state) {
        state.PauseTiming();
        start.Restore(game);
        game.Rng().Seed(seed);
        state.ResumeTiming();
        DoComputerMoves(game, player);
    }
    state.counters["units"] = static_cast<double>(ActingOrder(game, player).size());
}
BENCHMARK(BM_ComputerTurn)
    ->Arg(0)
    ->Arg(10)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Remembers the game at the start of each of player 1's turns.
class TurnRecorder : public ComputerOpponent {
public:
    bool PlayTurn(Game& game) override {
        if (game.CurrentPlayer == 1)
            Starts.push_back(EncodeSavedGame(game));
        return ComputerOpponent::PlayTurn(game);
    }
    std::vector<std::string> Starts;
};

// Player 1's turns in the first ten rounds of Border Wars for four: each iteration plays all
// ten from where they began and reports the median turn.
void BM_ComputerTurnFirstTenRounds(benchmark::State& state) {
    constexpr int kRounds = 10;
    Table table(Scenario("Border Wars"), 1);
    Game& game = *table.TheGame;
    TurnRecorder recorder;
    recorder.SetTurnLimit(kRounds * game.NumPlayers);
    game.SetComputerPlayer(&recorder);
    game.NextPlayer(); // player 1's waiting turn and the rounds after it
    game.SetComputerPlayer(nullptr);
    if (recorder.Starts.size() < kRounds)
        throw std::runtime_error("the game ended within ten rounds");
    std::vector<SavedGame> starts;
    for (int round = 0; round < kRounds; ++round)
        starts.push_back(DecodeSavedGame(recorder.Starts[static_cast<size_t>(round)]));
    std::vector<double> seconds(kRounds);
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            RestoreSavedGame(starts[static_cast<size_t>(round)], game);
            game.NoThinking = true;
            game.Rng().Seed(static_cast<uint64_t>(round) + 5);
            const auto begin = std::chrono::steady_clock::now();
            DoComputerMoves(game, 1);
            seconds[static_cast<size_t>(round)] =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        }
        std::nth_element(seconds.begin(), seconds.begin() + kRounds / 2, seconds.end());
        const double upper = seconds[kRounds / 2];
        const double lower = *std::max_element(seconds.begin(), seconds.begin() + kRounds / 2);
        state.SetIterationTime((lower + upper) / 2);
    }
}
BENCHMARK(BM_ComputerTurnFirstTenRounds)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The computer plays every slot of a game; at most `limit` turns.
struct GameResult {
    int Turns = 0;
    bool Ended = false;
    std::string Problem;
};

class SoakOpponent : public ComputerOpponent {
public:
    explicit SoakOpponent(bool check) : check_(check) {}
    bool PlayTurn(Game& game) override {
        if (check_ && Problem.empty())
            Problem = BoardProblem(game).English();
        const bool goOn = ComputerOpponent::PlayTurn(game);
        if (check_ && Problem.empty())
            Problem = BoardProblem(game).English();
        return goOn && Problem.empty();
    }
    std::string Problem;

private:
    bool check_;
};

GameResult PlayGame(const fs::path& scenario, uint64_t seed, int limit, bool check) {
    HeadlessPort port;
    Game game(Specs(), port, seed);
    game.SetShowThinking(false);
    SoakOpponent computer(check);
    computer.SetTurnLimit(limit);
    game.SetComputerPlayer(&computer);
    if (!game.NewGame(scenario, AllComputers(scenario)))
        throw std::runtime_error("the scenario did not start");
    if (check && computer.Problem.empty())
        computer.Problem = BoardProblem(game).English();
    return {computer.TurnsPlayed(), !game.GameOn, computer.Problem};
}

constexpr int kGameTurnLimit = 3000;

// Whole games, one of every shipped scenario per iteration, each with a fresh seed.
void BM_Games(benchmark::State& state) {
    const auto scenarios = Scenarios();
    uint64_t seed = 1;
    int64_t games = 0, turns = 0, ended = 0;
    for (auto _ : state) {
        for (const fs::path& scenario : scenarios) {
            const GameResult result = PlayGame(scenario, seed, kGameTurnLimit, false);
            ++games;
            turns += result.Turns;
            ended += result.Ended;
        }
        ++seed;
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    state.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
    state.counters["ended"] = static_cast<double>(ended) / static_cast<double>(games);
}
BENCHMARK(BM_Games)->Unit(benchmark::kMillisecond)->MinTime(5);

// The large soak: many seeded games of every shipped scenario, the board checked after every
// turn. A fault stops the benchmark with the scenario, the seed and what went wrong.
void BM_Soak(benchmark::State& state) {
    const auto scenarios = Scenarios();
    const int seeds = static_cast<int>(state.range(0));
    int64_t games = 0, turns = 0, ended = 0;
    for (auto _ : state) {
        for (const fs::path& scenario : scenarios) {
            for (int seed = 1; seed <= seeds; ++seed) {
                const GameResult result =
                    PlayGame(scenario, static_cast<uint64_t>(seed) * 7919, kGameTurnLimit, true);
                if (!result.Problem.empty()) {
                    state.SkipWithError((scenario.stem().string() + " seed " +
                                         std::to_string(seed) + ": " + result.Problem)
                                            .c_str());
                    return;
                }
                ++games;
                turns += result.Turns;
                ended += result.Ended;
            }
        }
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["turns"] = static_cast<double>(turns);
    state.counters["ended"] = static_cast<double>(ended) / static_cast<double>(games);
}
BENCHMARK(BM_Soak)->Arg(50)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace marovane

BENCHMARK_MAIN();
