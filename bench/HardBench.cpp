// The hard computer: how long it thinks, and how often it beats the standard computer.
//
//   hard_bench --benchmark_filter=ThinkTime   the median and the slowest hard turn over seeded
//                                             games against the standard computer, and the
//                                             longest stretch in which window events waited
//   hard_bench --benchmark_filter=FullBoard   the slowest hard turn on a 30 x 30 board with four
//                                             full parties, every player hard
//   hard_bench --benchmark_filter=Strength    at least 200 seeded two-player games against the
//                                             standard computer: Skirmish, Castle Siege and Into
//                                             the Mist, each with both seat orders; a game still
//                                             on at the turn limit counts as not won

#include "ai/ComputerOpponent.h"
#include "ai/TargetSearch.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "engine/Random.h"

#include "ShippedData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using bench::Scenario;
using bench::Specs;
using Clock = std::chrono::steady_clock;

// A port that measures the longest wait between two moments at which window events may run.
class TimingPort : public HeadlessPort {
public:
    void ProcessEvents() override { Tick(); }
    void Wait(double) override { Tick(); }
    void Tick() {
        const auto now = Clock::now();
        if (running_)
            LongestGap = std::max(LongestGap, std::chrono::duration<double>(now - last_).count());
        last_ = now;
    }
    void Start() {
        running_ = true;
        last_ = Clock::now();
    }
    void Stop() {
        Tick();
        running_ = false;
    }
    double LongestGap = 0;

private:
    bool running_ = false;
    Clock::time_point last_;
};

// Plays every slot, the hard ones timed turn by turn: the time that passed, and the processor
// time the turn took (which other work on the machine does not lengthen).
class TimingOpponent : public ComputerOpponent {
public:
    explicit TimingOpponent(TimingPort& port) : port_(port) {}
    bool PlayTurn(Game& game) override {
        const bool hard = Level(game.CurrentPlayer) == ComputerLevel::Hard;
        if (hard)
            port_.Start();
        const auto begin = Clock::now();
        const std::clock_t cpuBegin = std::clock();
        const bool goOn = ComputerOpponent::PlayTurn(game);
        if (hard) {
            HardTurns.push_back(std::chrono::duration<double>(Clock::now() - begin).count());
            HardCpu.push_back(static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC);
            port_.Stop();
        }
        return goOn;
    }
    std::vector<double> HardTurns;
    std::vector<double> HardCpu;

private:
    TimingPort& port_;
};

NewGameSetup Computers(int players) {
    NewGameSetup setup;
    setup.Slots.assign(static_cast<size_t>(players), SlotKind::Computer);
    return setup;
}

struct GameRecord {
    bool HardWon = false;
    bool Ended = false;
    std::vector<double> HardTurns;
    std::vector<double> HardCpu;
    double LongestGap = 0;
};

// One game of a hard computer in `hardSeat` against the standard computer in the other seat.
GameRecord PlayDuel(const std::string& scenario, int hardSeat, uint64_t seed, int turnLimit) {
    TimingPort port;
    Game game(Specs(), port, seed);
    game.SetShowThinking(false);
    TimingOpponent computer(port);
    computer.SetLevel(hardSeat, ComputerLevel::Hard);
    computer.SetTurnLimit(turnLimit);
    game.SetComputerPlayer(&computer);
    if (!game.NewGame(Scenario(scenario), Computers(2)))
        throw std::runtime_error("the scenario did not start");
    GameRecord record;
    record.Ended = !game.GameOn;
    record.HardWon = record.Ended && !game.PlayerOut[hardSeat] && game.PlayerOut[3 - hardSeat];
    record.HardTurns = std::move(computer.HardTurns);
    record.HardCpu = std::move(computer.HardCpu);
    record.LongestGap = port.LongestGap;
    return record;
}

const std::vector<std::string> kDuelScenarios = {"Skirmish", "Castle Siege", "Into the Mist"};
constexpr int kDuelTurnLimit = 1000;

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

// The think times of the hard turns, wall clock and processor, and the longest the window waited.
void ReportTurns(benchmark::State& state, const std::vector<double>& turns,
                 const std::vector<double>& cpu, double longestGap) {
    state.counters["turns"] = static_cast<double>(turns.size());
    state.counters["median_ms"] = 1000 * Percentile(turns, 0.5);
    state.counters["slowest_ms"] = 1000 * Percentile(turns, 1.0);
    state.counters["cpu_median_ms"] = 1000 * Percentile(cpu, 0.5);
    state.counters["cpu_slowest_ms"] = 1000 * Percentile(cpu, 1.0);
    state.counters["events_gap_ms"] = 1000 * longestGap;
}

// Every hard turn of seeded games against the standard computer, both seats.
void BM_HardThinkTime(benchmark::State& state) {
    const int seeds = static_cast<int>(state.range(0));
    std::vector<double> turns, cpu;
    double longestGap = 0;
    for (auto _ : state) {
        for (const std::string& scenario : kDuelScenarios) {
            for (int seat = 1; seat <= 2; ++seat) {
                for (int seed = 1; seed <= seeds; ++seed) {
                    const GameRecord record =
                        PlayDuel(scenario, seat, static_cast<uint64_t>(seed), kDuelTurnLimit);
                    turns.insert(turns.end(), record.HardTurns.begin(), record.HardTurns.end());
                    cpu.insert(cpu.end(), record.HardCpu.begin(), record.HardCpu.end());
                    longestGap = std::max(longestGap, record.LongestGap);
                }
            }
        }
    }
    ReportTurns(state, turns, cpu, longestGap);
    state.counters["p90_ms"] = 1000 * Percentile(turns, 0.9);
}
BENCHMARK(BM_HardThinkTime)->Arg(10)->Iterations(1)->Unit(benchmark::kSecond);

// Border Wars for four, every party filled to the scenario's size with fighters in its owner's
// quarter, every player hard; the slowest of the turns of the first rounds.
void BM_HardFullBoard(benchmark::State& state) {
    const int rounds = static_cast<int>(state.range(0));
    std::vector<double> turns, cpu;
    double longestGap = 0;
    int pieces = 0;
    for (auto _ : state) {
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            TimingPort port;
            Game game(Specs(), port, seed);
            game.SetShowThinking(false);
            TimingOpponent computer(port);
            computer.SetAllLevels(ComputerLevel::Hard);
            computer.SetTurnLimit(0); // the board is filled before the first turn is played
            game.SetComputerPlayer(&computer);
            if (!game.NewGame(Scenario("Border Wars"), Computers(4)) || game.BoardWidth != 30)
                throw std::runtime_error("Border Wars did not start on 30 x 30");
            Random scatter(seed);
            for (int p = 1; p <= 4; ++p) {
                for (int tries = 0; game.PartySize(p) < game.MaxParty && tries < 10000; ++tries) {
                    const int a = static_cast<int>(scatter.Rnd() * 12) + 1;
                    const int b = static_cast<int>(scatter.Rnd() * 12) + 1;
                    const Cell c = game.ToPlayerSide(Cell{a, b}, p);
                    if (game.BoardUnit(c.X, c.Y) > 0 || game.InCastle(c.X, c.Y) != 0)
                        continue;
                    game.PlaceUnit(c.X, c.Y, 3 + static_cast<int>(scatter.Rnd() * 9), p);
                }
            }
            game.Update();
            pieces = static_cast<int>(AllPieces(game).size());
            computer.SetTurnLimit(rounds * 4);
            game.PlayComputerTurnNow();
            turns.insert(turns.end(), computer.HardTurns.begin(), computer.HardTurns.end());
            cpu.insert(cpu.end(), computer.HardCpu.begin(), computer.HardCpu.end());
            longestGap = std::max(longestGap, port.LongestGap);
        }
    }
    state.counters["pieces"] = pieces;
    ReportTurns(state, turns, cpu, longestGap);
}
BENCHMARK(BM_HardFullBoard)->Arg(10)->Iterations(1)->Unit(benchmark::kSecond);

// The strength table: hard against standard, by scenario and by the hard computer's seat.
void BM_HardStrength(benchmark::State& state) {
    const int seeds = static_cast<int>(state.range(0));
    std::map<std::string, std::array<int, 3>> table; // won, lost, at the turn limit
    int games = 0, won = 0;
    for (auto _ : state) {
        for (const std::string& scenario : kDuelScenarios) {
            for (int seat = 1; seat <= 2; ++seat) {
                auto& row = table[scenario + ", hard in seat " + std::to_string(seat)];
                for (int seed = 1; seed <= seeds; ++seed) {
                    const GameRecord record =
                        PlayDuel(scenario, seat, static_cast<uint64_t>(seed), kDuelTurnLimit);
                    ++row[record.HardWon ? 0 : record.Ended ? 1 : 2];
                    ++games;
                    won += record.HardWon;
                }
            }
        }
    }
    std::printf("%-34s %5s %5s %5s %7s\n", "scenario and seat", "won", "lost", "limit", "won %");
    for (const auto& [name, row] : table) {
        const int n = row[0] + row[1] + row[2];
        std::printf("%-34s %5d %5d %5d %6.1f%%\n", name.c_str(), row[0], row[1], row[2],
                    100.0 * row[0] / std::max(n, 1));
    }
    std::printf("%-34s %5d of %d games %6.1f%%\n", "all", won, games,
                100.0 * won / std::max(games, 1));
    state.counters["games"] = games;
    state.counters["won_percent"] = 100.0 * won / std::max(games, 1);
}
BENCHMARK(BM_HardStrength)->Arg(34)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace marovane

BENCHMARK_MAIN();
