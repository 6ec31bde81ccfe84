// Network play's speed over real sockets on 127.0.0.1: handing a full board to a guest and back,
// and a whole four-computer game through a host and three guests against the same scenario
// played on one machine.

#include "engine/HeadlessPort.h"
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

struct Machine {
    explicit Machine(uint64_t seed, const fs::path& folder = MAROVANE_PROGRAM_DIR)
        : Session(Specs(), Port, seed, folder, Settings) {}
    HeadlessPort Port;
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

// The scenario played by four computers on one machine; answers the turns played.
int PlayLocalGame() {
    Machine machine(7);
    machine.Session.OwnComputer().SetTurnLimit(kTurnLimit);
    NewGameSetup setup;
    setup.Slots.assign(4, SlotKind::Computer);
    machine.Session.StartNewGame(Scenario("Border Wars"), setup);
    return machine.Session.OwnComputer().TurnsPlayed();
}

// The same scenario with a computer at the host and three computer guests, each machine with its
// own sockets; `guestFolder` is the guests' scenario folder. Answers the turns played.
int PlayNetworkGame(const fs::path& guestFolder) {
    Machine host(7);
    host.Session.OwnComputer().SetTurnLimit(kTurnLimit);
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
        machines.push_back(std::make_unique<Machine>(8 + g, guestFolder));
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
    if (host.Session.CurrentGame().GameOn)
        host.Session.CurrentGame().GameOver();
    RunUntil([&] {
        return std::all_of(guests.begin(), guests.end(),
                           [](const auto& guest) { return guest->Finished(); });
    });
    return turnsPlayed();
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

// The network game's cost as a multiple of the local game's, the two played by turns so that a
// machine that speeds up or slows down during the run weighs on both alike. Each iteration plays
// one game of each; the counters give the processor time of each kind and its ratio.
void BM_NetworkOverLocal(benchmark::State& state) {
    ScratchDir dir;
    double local = 0, network = 0;
    for (auto _ : state) {
        const double start = ThreadMilliseconds();
        PlayLocalGame();
        const double middle = ThreadMilliseconds();
        PlayNetworkGame(dir.Path);
        const double end = ThreadMilliseconds();
        local += middle - start;
        network += end - middle;
    }
    const auto games = static_cast<double>(state.iterations());
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
