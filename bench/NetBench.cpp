// Network play's speed over real sockets on 127.0.0.1: handing a full board to a guest and back,
// and a whole four-computer game through a host and three guests against the same scenario
// played on one machine.

#include "engine/HeadlessPort.h"
#include "engine/Random.h"
#include "net/BoardState.h"
#include "net/Framing.h"
#include "net/GameMessages.h"
#include "net/Unattended.h"
#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"
#include "scenario/DefFile.h"
#include "session/GameSession.h"
#include "session/Settings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "ShippedData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using bench::Scenario;
using bench::Specs;

void RunUntil(const std::function<bool()>& done, int ms = 600000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            throw std::runtime_error("the network stalled");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

// A folder of its own in the temporary folder, gone with everything in it at the end.
struct ScratchDir {
    ScratchDir()
        : Path(fs::temp_directory_path() / ("marovane-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(Path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
    fs::path Path;
};

// A port without windows that can be told when a game has been set up, before its first turn.
struct BenchPort : HeadlessPort {
    void GameStarted() override {
        if (Started)
            Started();
    }
    std::function<void()> Started;
};

struct Machine {
    explicit Machine(uint64_t seed, const fs::path& folder = MAROVANE_PROGRAM_DIR)
        : Session(Specs(), Port, seed, folder, Settings) {}
    BenchPort Port;
    MemorySettings Settings;
    GameSession Session;
};

// Border Wars on a board of 30 x 30, written into `folder`.
fs::path BigScenario(const fs::path& folder) {
    GameDef def = ReadDefFile(Scenario("Border Wars"));
    def.Width = def.Height = 30;
    const fs::path big = folder / "Big.def";
    WriteDefFile(big, def);
    return big;
}

// A game for four computers that nobody plays: the board as it starts.
Game& StartStill(Machine& machine, const fs::path& scenario) {
    machine.Session.SetComputerPlayer(nullptr);
    NewGameSetup setup;
    setup.Slots.assign(4, SlotKind::Computer);
    if (!machine.Session.StartNewGame(scenario, setup))
        throw std::runtime_error("the game did not start");
    return machine.Session.CurrentGame();
}

// What one side of the round trip hears.
struct Listener : net::HostEvents, net::GuestEvents {
    void ReceiveData(int, std::string data) override { Received = std::move(data); }
    void ReceiveData(std::string data) override { Received = std::move(data); }
    std::string Received;
};

// The board of a 30 x 30 game for four, from the host to a guest and back: each side encodes it,
// sends it, and the other reads and checks it.
void BM_BoardStateRoundTrip(benchmark::State& state) {
    ScratchDir dir;
    Machine machine(1);
    const Game& game = StartStill(machine, BigScenario(dir.Path));

    net::NetHost host;
    net::NetClient guest;
    Listener atHost, atGuest;
    host.SetEvents(&atHost);
    guest.SetEvents(&atGuest);
    host.BeginHost();
    guest.Connect("127.0.0.1", host.LocalPort(), "Marovane", "0.1");
    RunUntil([&] { return host.Connections() == 1 && guest.IsConnected(); });

    for (auto _ : state) {
        host.SendData(1, net::Message(net::kBoardMessage, net::BoardStateText(game)));
        RunUntil([&] { return !atGuest.Received.empty(); });
        net::DecodeBoardState(std::string_view(atGuest.Received).substr(1), 30, 30, 4);
        guest.SendData(atGuest.Received);
        atGuest.Received.clear();
        RunUntil([&] { return !atHost.Received.empty(); });
        net::DecodeBoardState(std::string_view(atHost.Received).substr(1), 30, 30, 4);
        atHost.Received.clear();
    }
    state.counters["bytes"] = static_cast<double>(net::BoardStateText(game).size() + 1);
}
BENCHMARK(BM_BoardStateRoundTrip)->Unit(benchmark::kMicrosecond);

// The work of one board handed over, without the sockets: the host encodes the board into the
// bytes it sends, the guest takes the frame out of the stream and puts the board in place of its
// own, with every check a board from another machine gets.
void BM_BoardMessageCodec(benchmark::State& state) {
    ScratchDir dir;
    const fs::path big = BigScenario(dir.Path);
    Machine host(1), guest(2);
    const Game& game = StartStill(host, big);
    Game& copy = StartStill(guest, big);
    std::string problem;
    for (auto _ : state) {
        const std::string bytes =
            net::EncodeFrame(net::kDataFrame,
                             net::Message(net::kBoardMessage, net::BoardStateText(game))) +
            net::kFrameMark;
        net::StreamReader reader;
        reader.Feed(bytes);
        const std::optional<net::StreamEvent> event = reader.Next();
        if (!event ||
            !net::ApplyBoardState(copy, std::string_view(event->Text).substr(1), &problem))
            throw std::runtime_error("the board was refused: " + problem);
    }
    const std::string text = net::BoardStateText(game);
    state.counters["marks"] =
        static_cast<double>(std::count(text.begin(), text.end(), net::kFrameMark));
}
BENCHMARK(BM_BoardMessageCodec)->Unit(benchmark::kMicrosecond);

constexpr int kTurnLimit = 400;
// The host's seed, also the local game's; guest g (0 and up) has kHostSeed + 1 + g.
constexpr uint64_t kHostSeed = 7;

// The scenario played by four computers on `machine`; answers the turns played.
int PlayLocalGame(Machine& machine) {
    machine.Session.OwnComputer().SetTurnLimit(kTurnLimit);
    NewGameSetup setup;
    setup.Slots.assign(4, SlotKind::Computer);
    machine.Session.StartNewGame(Scenario("Border Wars"), setup);
    return machine.Session.OwnComputer().TurnsPlayed();
}

int PlayLocalGame() {
    Machine machine(kHostSeed);
    return PlayLocalGame(machine);
}

// The chances a network game's machines drew, for a local game that plays the same game again:
// the host's (its new game and player 1's turns) and each guest's in its own player's turns, with
// the bias each guest's computer gave its player. The end tells whether a replay kept to it.
struct NetworkGameRecord {
    std::array<std::vector<double>, kMaxPlayers + 1> Draws; // by player
    PerPlayer<float> Bias{};
    std::string FinalBoard;
    int Turns = 0;
};

// The machine draws from a generator seeded as its own, and the record writes down the draws.
void RecordDraws(Machine& machine, uint64_t seed, NetworkGameRecord& record, bool guest) {
    Game& game = machine.Session.CurrentGame();
    game.Rng().SetSource([&game, &record, guest, generator = Random(seed)]() mutable {
        const double draw = generator.Rnd();
        if (!guest) {
            record.Draws[1].push_back(draw);
        } else if (game.GameOn && game.CurrentPlayer == game.MyPlayer) {
            // A guest's own new game is thrown away at its first turn; only its turns count.
            record.Draws[static_cast<size_t>(game.MyPlayer)].push_back(draw);
            record.Bias[game.MyPlayer] = game.PlayerBias[game.MyPlayer];
        }
        return draw;
    });
}

// The same scenario with a computer at the host and three computer guests, each machine with its
// own sockets; `guestFolder` is the guests' scenario folder. Answers the turns played; with a
// record, the machines' draws and the end are written down.
int PlayNetworkGame(const fs::path& guestFolder, NetworkGameRecord* record = nullptr) {
    Machine host(kHostSeed);
    host.Session.OwnComputer().SetTurnLimit(kTurnLimit);
    if (record)
        RecordDraws(host, kHostSeed, *record, false);
    net::NetHost hostLink;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote, SlotKind::Remote};
    net::UnattendedHost unattended(host.Session, hostLink, net::OurIdentity("bench"),
                                   Scenario("Border Wars"), setup);
    std::string problem;
    if (!unattended.Open(problem))
        throw std::runtime_error(problem);
    std::vector<std::unique_ptr<Machine>> machines;
    std::vector<std::unique_ptr<net::NetClient>> links;
    std::vector<std::unique_ptr<net::UnattendedGuest>> guests;
    for (int g = 0; g < 3; ++g) {
        const uint64_t seed = kHostSeed + 1 + static_cast<uint64_t>(g);
        machines.push_back(std::make_unique<Machine>(seed, guestFolder));
        if (record)
            RecordDraws(*machines.back(), seed, *record, true);
        links.push_back(std::make_unique<net::NetClient>());
        guests.push_back(
            std::make_unique<net::UnattendedGuest>(machines.back()->Session, *links.back(),
                                                   net::OurIdentity("guest"), guestFolder, g + 1));
        guests.back()->Connect("127.0.0.1", hostLink.LocalPort());
    }
    auto turnsPlayed = [&] {
        int sum = host.Session.OwnComputer().TurnsPlayed();
        for (const auto& machine : machines)
            sum += machine->Session.OwnComputer().TurnsPlayed();
        return sum;
    };
    RunUntil([&] { return unattended.Poll() || turnsPlayed() >= kTurnLimit; });
    if (record) {
        record->FinalBoard = net::BoardStateText(host.Session.CurrentGame());
        record->Turns = turnsPlayed();
    }
    if (host.Session.CurrentGame().GameOn)
        host.Session.CurrentGame().GameOver();
    RunUntil([&] {
        return std::all_of(guests.begin(), guests.end(),
                           [](const auto& guest) { return guest->Finished(); });
    });
    return turnsPlayed();
}

// The recorded network game played again by four computers on one machine: each player draws the
// chances its machine drew, and the guests' players keep their biases. Answers whether it was the
// same game to the end.
bool ReplayLocally(const NetworkGameRecord& record) {
    Machine machine(kHostSeed);
    Game& game = machine.Session.CurrentGame();
    machine.Port.Started = [&] {
        for (int p = 2; p <= kMaxPlayers; ++p)
            game.PlayerBias[p] = record.Bias[p];
    };
    std::array<size_t, kMaxPlayers + 1> next{};
    bool ranOut = false;
    game.Rng().SetSource([&] {
        // The new game's draws are the host's, as in the network game.
        const auto player = static_cast<size_t>(std::max<int>(game.CurrentPlayer, 1));
        const std::vector<double>& draws = record.Draws[player];
        if (next[player] < draws.size())
            return draws[next[player]++];
        ranOut = true;
        return 0.5;
    });
    return PlayLocalGame(machine) == record.Turns && !ranOut &&
           net::BoardStateText(game) == record.FinalBoard;
}

void BM_GameLocal(benchmark::State& state) {
    int turns = 0;
    for (auto _ : state)
        turns = PlayLocalGame();
    state.counters["turns"] = turns;
}
BENCHMARK(BM_GameLocal)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GameThroughHostAndThreeGuests(benchmark::State& state) {
    int turns = 0;
    // The guests' scenario folder, as on a player's machine, is there before the game.
    ScratchDir dir;
    for (auto _ : state)
        turns = PlayNetworkGame(dir.Path);
    state.counters["turns"] = turns;
}
BENCHMARK(BM_GameThroughHostAndThreeGuests)->Unit(benchmark::kMillisecond)->Iterations(3);

// The processor time this thread has used, in milliseconds.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// What the network costs: the network game against the very same game played on one machine (the
// two benchmarks above play different games, as the guests' computers draw their own chances and
// biases). The two are played by turns, so that a machine that speeds up or slows down during the
// run weighs on both alike; the counters give the processor time of each and its ratio.
void BM_NetworkOverLocal(benchmark::State& state) {
    ScratchDir dir;
    NetworkGameRecord record;
    PlayNetworkGame(dir.Path, &record);
    double local = 0, network = 0;
    bool same = true;
    for (auto _ : state) {
        const double start = ThreadMilliseconds();
        same = ReplayLocally(record) && same;
        const double middle = ThreadMilliseconds();
        PlayNetworkGame(dir.Path);
        const double end = ThreadMilliseconds();
        local += middle - start;
        network += end - middle;
    }
    if (!same)
        state.SkipWithError("the local game did not play the network game again");
    const auto games = static_cast<double>(state.iterations());
    state.counters["turns"] = record.Turns;
    state.counters["local_ms"] = local / games;
    state.counters["network_ms"] = network / games;
    state.counters["ratio"] = network / local;
}
BENCHMARK(BM_NetworkOverLocal)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace marovane

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
