#include "engine/BoardCheck.h"
#include "engine/HeadlessPort.h"
#include "net/BoardState.h"
#include "net/RunEvents.h"
#include "net/Unattended.h"
#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"
#include "scenario/DefFile.h"
#include "session/Settings.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// One machine: its own port, settings and session.
struct Machine {
    Machine(const UnitSpecs& specs, uint64_t seed, const fs::path& folder)
        : session(specs, port, seed, folder, settings) {}
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

// A host and three guests, each with its own sockets, play every shipped scenario to its end
// over 127.0.0.1 in one process; every guest still in the game at the end holds the host's
// board, and every machine has left network mode.
TEST(SocketGame, AHostAndThreeGuestsPlayEveryShippedScenarioOverTheLoopback) {
    const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    constexpr int kTurns = 300;
    for (const std::string& name : ListScenarios(MAROVANE_PROGRAM_DIR)) {
        const fs::path scenario = fs::path(MAROVANE_PROGRAM_DIR) / (name + ".def");
        const GameDef def = ReadDefFile(scenario);
        if (!(def.PlayerLimits & 0b1000))
            continue; // a game for four players only
        NewGameSetup setup;
        setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote, SlotKind::Remote};

        test::TempDir hostDir;
        Machine host(specs, 3, hostDir.Path());
        host.session.OwnComputer().SetTurnLimit(kTurns);
        net::NetHost hostLink;
        net::UnattendedHost unattended(host.session, hostLink, net::OurIdentity("sockethost"),
                                       scenario, setup);
        std::string problem;
        ASSERT_TRUE(unattended.Open(problem)) << problem;
        const int port = hostLink.LocalPort();
        ASSERT_GT(port, 0);

        std::vector<std::unique_ptr<test::TempDir>> dirs;
        std::vector<std::unique_ptr<Machine>> machines;
        std::vector<std::unique_ptr<net::NetClient>> links;
        std::vector<std::unique_ptr<net::UnattendedGuest>> guests;
        for (int g = 0; g < 3; ++g) {
            dirs.push_back(std::make_unique<test::TempDir>());
            machines.push_back(std::make_unique<Machine>(specs, 20 + g, dirs.back()->Path()));
            machines.back()->session.OwnComputer().SetTurnLimit(10 * kTurns);
            links.push_back(std::make_unique<net::NetClient>());
            guests.push_back(std::make_unique<net::UnattendedGuest>(
                machines.back()->session, *links.back(), net::OurIdentity("guest"),
                dirs.back()->Path(), g + 1));
            guests.back()->Connect("127.0.0.1", port);
        }
        Game& hostGame = host.session.CurrentGame();
        // The game runs until it ends; one the computers cannot finish stops at the turn limit,
        // where the host ends it.
        auto stalled = [&] {
            return std::any_of(machines.begin(), machines.end(),
                               [&](const auto& machine) {
                                   return machine->session.OwnComputer().TurnsPlayed() >= kTurns;
                               }) ||
                   host.session.OwnComputer().TurnsPlayed() >= kTurns;
        };
        const bool ended = RunUntil([&] { return unattended.Poll() || stalled(); }, 60000);
        ASSERT_TRUE(ended) << name << " did not end";
        if (hostGame.GameOn)
            hostGame.GameOver();
        ASSERT_TRUE(RunUntil(
            [&] {
                return std::all_of(guests.begin(), guests.end(),
                                   [](const auto& guest) { return guest->Finished(); });
            },
            10000))
            << name << ": a guest never heard the end";
        EXPECT_EQ(hostGame.Role, NetworkRole::Local);
        EXPECT_EQ(BoardProblem(hostGame).English(), "");
        const std::string hostBoard = net::BoardStateText(hostGame).substr(1);
        for (size_t g = 0; g < machines.size(); ++g) {
            Game& guest = machines[g]->session.CurrentGame();
            EXPECT_EQ(guest.Role, NetworkRole::Local) << name << " guest " << g + 1;
            EXPECT_TRUE(guests[g]->Started()) << name << " guest " << g + 1;
            if (!hostGame.PlayerOut[static_cast<int>(g) + 2]) {
                EXPECT_TRUE(net::BoardStateText(guest).substr(1) == hostBoard)
                    << name << ": guest " << g + 1 << " ends with the host's board";
            }
        }
    }
}

} // namespace
} // namespace marovane
