// Long soaks, outside the tests: many seeded games played to their end by computers, the board
// checked after every turn.
//
//   soak_bench --benchmark_filter=Computer   1000 games of four computers over the shipped
//                                             scenarios (as many players as each allows, up to 4)
//   soak_bench --benchmark_filter=Network    100 games of a host and three guests over the
//                                             in-process connection, guests leaving at random
//   soak_bench --benchmark_filter=Socket     the same 100 games over real sockets on 127.0.0.1
//                                             (in builds with the window's libraries)
//
// Each reports games and turns per second and how the games ended; a board fault stops the soak
// with the scenario, the seed and the fault. With MAROVANE_SOAK_LOG=FILE every game's ending is
// also written to FILE, one line a game.

#include "ai/ComputerOpponent.h"
#include "engine/BoardCheck.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "net/Unattended.h"
#include "scenario/DefFile.h"
#include "session/GameSession.h"
#include "session/Settings.h"
#include "support/LoopbackNet.h"

#ifdef MAROVANE_SOAK_SOCKETS
#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"

#include <QCoreApplication>
#endif

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace marovane {
namespace {

constexpr int kTurnLimit = 3000;

const UnitSpecs& Specs() {
    static const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    return specs;
}

std::vector<fs::path> Scenarios() {
    std::vector<fs::path> found;
    for (const std::string& scenario : ListScenarios(MAROVANE_PROGRAM_DIR))
        found.push_back(fs::path(MAROVANE_PROGRAM_DIR) / (scenario + ".def"));
    return found;
}

// The most players a scenario allows, up to four.
int MostPlayers(const fs::path& scenario) {
    const GameDef def = ReadDefFile(scenario);
    int most = 0;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        if (def.PlayerLimits & (1 << (n - 1)))
            most = n;
    }
    return most;
}

// How the games ended, by kind, and a line per game when MAROVANE_SOAK_LOG names a file.
class Endings {
public:
    Endings() {
        if (const char* log = std::getenv("MAROVANE_SOAK_LOG"))
            log_.open(log, std::ios::app);
    }
    void Add(const fs::path& scenario, uint64_t seed, int turns, const std::string& ending,
             const std::string& note = {}) {
        ++counts_[ending];
        if (log_)
            log_ << scenario.stem().string() << "\tseed " << seed << "\t" << turns << " turns\t"
                 << ending << (note.empty() ? "" : "\t" + note) << "\n";
    }
    void Report(benchmark::State& state) const {
        for (const auto& [ending, count] : counts_)
            state.counters[ending] = static_cast<double>(count);
    }

private:
    std::map<std::string, int> counts_;
    std::ofstream log_;
};

// How a finished game ended: won by the one player left in, by a team, or stopped at the limit.
std::string EndingOf(const Game& game) {
    if (game.GameOn)
        return "stopped at the turn limit";
    int inGame = 0;
    int last = 0;
    for (int p = 1; p <= game.NumPlayers; ++p) {
        if (!game.PlayerOut[p]) {
            ++inGame;
            last = p;
        }
    }
    if (inGame == 1)
        return "won by player " + std::to_string(last);
    return "won by a team or a goal";
}

void Rates(benchmark::State& state, int64_t games, int64_t turns) {
    state.counters["games"] = static_cast<double>(games);
    state.counters["turns"] = static_cast<double>(turns);
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    state.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate);
}

// ---- Computers only ---------------------------------------------------------------------------

void BM_ComputerSoak(benchmark::State& state) {
    const auto scenarios = Scenarios();
    const int games = static_cast<int>(state.range(0));
    int64_t turns = 0;
    Endings endings;
    for (auto _ : state) {
        for (int g = 0; g < games; ++g) {
            const fs::path& scenario = scenarios[static_cast<size_t>(g) % scenarios.size()];
            const uint64_t seed = static_cast<uint64_t>(g) + 1;
            HeadlessPort port;
            Game game(Specs(), port, seed);
            game.SetShowThinking(false);
            ComputerOpponent computer;
            computer.SetTurnLimit(kTurnLimit);
            computer.SetCheckBoard(true);
            game.SetComputerPlayer(&computer);
            NewGameSetup setup;
            setup.Slots.assign(static_cast<size_t>(MostPlayers(scenario)), SlotKind::Computer);
            if (!game.NewGame(scenario, setup))
                throw std::runtime_error(scenario.string() + " did not start");
            if (const std::string& fault = computer.BoardFault(game); !fault.empty()) {
                state.SkipWithError(
                    (scenario.stem().string() + " seed " + std::to_string(seed) + ": " + fault)
                        .c_str());
                return;
            }
            turns += computer.TurnsPlayed();
            endings.Add(scenario, seed, computer.TurnsPlayed(), EndingOf(game));
        }
    }
    Rates(state, games, turns);
    endings.Report(state);
}
BENCHMARK(BM_ComputerSoak)->Arg(1000)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// ---- A host and three guests ------------------------------------------------------------------

struct Machine {
    Machine(uint64_t seed, const fs::path& folder)
        : session(Specs(), port, seed, folder, settings) {
        session.OwnComputer().SetCheckBoard(true);
        // The host's computer may play every player once the guests are gone: it stops where
        // the whole game would.
        session.OwnComputer().SetTurnLimit(kTurnLimit);
    }
    Game& game() { return session.CurrentGame(); }
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

struct Folder {
    Folder() {
        path = fs::temp_directory_path() /
               ("marovane-soak-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(path);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
    static inline int counter = 0;
};

net::LobbyIdentity Identity() {
    return {"Marovane", "0.1", "soakhost"};
}

struct NetResult {
    int Turns = 0;
    std::string Ending;
    std::string Fault;
    int Left = 0;
    int Dropped = 0;  // connections lost
    int Rejoined = 0; // dropped guests that came back to their seats
};

// The in-process connection between the machines of one game. It is exact: when its queue runs
// dry, nothing more can happen.
class LoopbackLinks {
public:
    net::HostLink& HostSide() { return net_.HostSide(); }
    net::GuestLink& AddGuest() { return net_.AddGuest(); }
    // Lets a new guest's connection be answered before the next guest connects.
    void Settle() { net_.Pump(); }
    // Delivers one waiting event; false when none was waiting.
    bool Deliver() { return net_.Pump(1) > 0; }
    static constexpr bool kKnowsWhenQuiet = true;

private:
    test::LoopbackNet net_;
};

#ifdef MAROVANE_SOAK_SOCKETS
// Real sockets on 127.0.0.1, one per guest, served by the event loop. A quiet socket may still
// speak, so a game over sockets is judged stalled only when no turn was played for a long while.
class SocketLinks {
public:
    net::HostLink& HostSide() { return host_; }
    net::GuestLink& AddGuest() {
        guests_.push_back(std::make_unique<net::NetClient>());
        return *guests_.back();
    }
    void Settle() {}
    bool Deliver() {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return true;
    }
    static constexpr bool kKnowsWhenQuiet = false;

private:
    net::NetHost host_;
    std::vector<std::unique_ptr<net::NetClient>> guests_;
};
#endif

// How long a game over sockets may go without a turn, or without its guests hearing the end,
// before the soak calls it stalled.
constexpr int kStallMs = 30000;

// One game: the host plays slot 1 with its computer, three guests the others. Each guest leaves,
// with even odds, after a random number of turns: half of them walk out, the others lose their
// connection and come back to their seat a few turns later.
template <class Links> NetResult PlayNetGame(const fs::path& scenario, uint64_t seed) {
    std::mt19937_64 random(seed);
    Folder hostFolder;
    Links links;
    Machine host(seed, hostFolder.path);
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote, SlotKind::Remote};
    net::UnattendedHost unattended(host.session, links.HostSide(), Identity(), scenario, setup);
    std::vector<std::unique_ptr<Folder>> folders;
    std::vector<std::unique_ptr<Machine>> machines;
    std::vector<std::unique_ptr<net::UnattendedGuest>> guests;
    std::vector<int> leaveAfter;
    std::vector<int> rejoinAt(3, -1);
    for (int g = 0; g < 3; ++g) {
        folders.push_back(std::make_unique<Folder>());
        machines.push_back(std::make_unique<Machine>(seed * 10 + g + 1, folders.back()->path));
        guests.push_back(
            std::make_unique<net::UnattendedGuest>(machines.back()->session, links.AddGuest(),
                                                   Identity(), folders.back()->path, std::nullopt));
        leaveAfter.push_back(random() % 2 ? static_cast<int>(random() % 400) : -1);
    }
    std::string problem;
    if (!unattended.Open(problem))
        throw std::runtime_error(problem);
    for (auto& guest : guests) {
        guest->Connect("127.0.0.1", links.HostSide().LocalPort());
        links.Settle();
    }

    NetResult result;
    Game& game = host.game();
    std::vector<Machine*> all = {&host};
    for (auto& machine : machines)
        all.push_back(machine.get());
    // Every turn is played by one machine's computer: the host's for its own and departed
    // guests' players, each guest's for its player.
    auto turnsPlayed = [&] {
        int turns = 0;
        for (Machine* machine : all)
            turns += machine->session.OwnComputer().TurnsPlayed();
        return turns;
    };
    // A guest that walked out has nothing more to hear.
    std::vector<bool> walkedOut(guests.size(), false);
    auto everyGuestFinished = [&] {
        for (size_t g = 0; g < guests.size(); ++g) {
            if (!walkedOut[g] && !guests[g]->Finished())
                return false;
        }
        return true;
    };
    int checkedAt = -1;
    auto lastProgress = std::chrono::steady_clock::now();
    for (int step = 0; step < 50000000 && result.Fault.empty(); ++step) {
        const bool done = unattended.Poll();
        const bool delivered = links.Deliver();
        result.Turns = turnsPlayed();
        if (result.Turns != checkedAt) {
            checkedAt = result.Turns;
            lastProgress = std::chrono::steady_clock::now();
            for (Machine* machine : all) {
                Game& board = machine->game();
                if (board.GameOn && board.NumPlayers > 0) {
                    if (std::string fault = BoardProblem(board).English(); !fault.empty()) {
                        result.Fault = (machine == &host ? "host: " : "guest: ") + fault;
                        break;
                    }
                }
            }
            for (size_t g = 0; g < guests.size(); ++g) {
                if (leaveAfter[g] >= 0 && result.Turns >= leaveAfter[g] && guests[g]->Started() &&
                    !guests[g]->Finished()) {
                    leaveAfter[g] = -1;
                    const int seat = machines[g]->game().MyPlayer;
                    const int index = seat >= 1 ? game.RemotePlayer[seat] : 0;
                    if (random() % 2 && index > 0) {
                        links.HostSide().Kick(index);
                        rejoinAt[g] = result.Turns + 1 + static_cast<int>(random() % 20);
                        ++result.Dropped;
                    } else {
                        guests[g]->Lobby().Cancel();
                        walkedOut[g] = true;
                        ++result.Left;
                    }
                }
                if (rejoinAt[g] >= 0 && result.Turns >= rejoinAt[g] && guests[g]->Dropped()) {
                    rejoinAt[g] = -1;
                    guests[g]->Rejoin("127.0.0.1", links.HostSide().LocalPort());
                    ++result.Rejoined;
                }
            }
            if (result.Turns >= kTurnLimit && game.GameOn)
                game.GameOver();
        }
        if constexpr (Links::kKnowsWhenQuiet) {
            if (!delivered && (done || unattended.Began())) {
                if (!done)
                    result.Fault = "the game stalled";
                break;
            }
        } else {
            if (done && everyGuestFinished())
                break;
            if (std::chrono::steady_clock::now() - lastProgress >
                std::chrono::milliseconds(kStallMs)) {
                result.Fault = done ? "a guest never heard the end" : "the game stalled";
                break;
            }
        }
    }
    for (Machine* machine : all) {
        const std::string& fault = machine->session.OwnComputer().BoardFault(machine->game());
        if (result.Fault.empty() && !fault.empty())
            result.Fault = fault;
    }
    result.Ending = result.Turns >= kTurnLimit ? "stopped at the turn limit" : EndingOf(game);
    return result;
}

template <class Links> void NetworkSoak(benchmark::State& state) {
    std::vector<fs::path> scenarios;
    for (const fs::path& scenario : Scenarios()) {
        if (MostPlayers(scenario) == 4)
            scenarios.push_back(scenario);
    }
    const int games = static_cast<int>(state.range(0));
    int64_t turns = 0;
    int64_t left = 0;
    int64_t dropped = 0;
    int64_t rejoined = 0;
    int64_t gamesLeft = 0;
    Endings endings;
    for (auto _ : state) {
        for (int g = 0; g < games; ++g) {
            const fs::path& scenario = scenarios[static_cast<size_t>(g) % scenarios.size()];
            const uint64_t seed = static_cast<uint64_t>(g) + 1;
            const NetResult result = PlayNetGame<Links>(scenario, seed);
            if (!result.Fault.empty()) {
                state.SkipWithError((scenario.stem().string() + " seed " + std::to_string(seed) +
                                     ": " + result.Fault)
                                        .c_str());
                return;
            }
            turns += result.Turns;
            left += result.Left;
            dropped += result.Dropped;
            rejoined += result.Rejoined;
            endings.Add(scenario, seed, result.Turns, result.Ending,
                        std::to_string(result.Left) + " guests left, " +
                            std::to_string(result.Dropped) + " dropped, " +
                            std::to_string(result.Rejoined) + " came back");
            gamesLeft += result.Left > 0;
        }
    }
    Rates(state, games, turns);
    state.counters["guests left"] = static_cast<double>(left);
    state.counters["connections dropped"] = static_cast<double>(dropped);
    state.counters["guests back"] = static_cast<double>(rejoined);
    state.counters["games a guest left"] = static_cast<double>(gamesLeft);
    endings.Report(state);
}
void BM_NetworkSoak(benchmark::State& state) {
    NetworkSoak<LoopbackLinks>(state);
}
BENCHMARK(BM_NetworkSoak)->Arg(100)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

#ifdef MAROVANE_SOAK_SOCKETS
void BM_SocketSoak(benchmark::State& state) {
    NetworkSoak<SocketLinks>(state);
}
BENCHMARK(BM_SocketSoak)->Arg(100)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
#endif

} // namespace
} // namespace marovane

int main(int argc, char** argv) {
#ifdef MAROVANE_SOAK_SOCKETS
    // Sockets are served by the event loop of the application object.
    QCoreApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
