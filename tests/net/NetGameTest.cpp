#include "ai/ComputerOpponent.h"
#include "engine/BoardCheck.h"
#include "engine/UnitSpecs.h"
#include "net/BoardState.h"
#include "net/GameMessages.h"
#include "net/NetTestMachines.h"
#include "scenario/DefFile.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace fs = std::filesystem;

namespace marovane {
namespace {

using test::LoopbackGame;

std::vector<fs::path> ShippedScenarios() {
    std::vector<fs::path> found;
    for (const std::string& scenario : ListScenarios(MAROVANE_PROGRAM_DIR))
        found.push_back(fs::path(MAROVANE_PROGRAM_DIR) / (scenario + ".def"));
    return found;
}

// As many players as the scenario allows (up to `most`): a computer at the host in slot 1,
// guests in the others.
NewGameSetup HostAndGuests(const fs::path& scenario, int most) {
    const GameDef def = ReadDefFile(scenario);
    NewGameSetup setup;
    for (int n = 1; n <= most; ++n) {
        if (def.PlayerLimits & (1 << (n - 1)))
            setup.Slots.assign(static_cast<size_t>(n), SlotKind::Remote);
    }
    if (!setup.Slots.empty())
        setup.Slots[0] = SlotKind::Computer;
    return setup;
}

std::string BoardOf(const Game& game) {
    return net::BoardStateText(game).substr(1);
}

// The games keep a reference to their unit table: it must outlive them.
const UnitSpecs& TestSpecs() {
    static const UnitSpecs specs = test::TestSpecs();
    return specs;
}

const UnitSpecs& ShippedSpecs() {
    static const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    return specs;
}

// A host and three guests play a seeded game of every shipped scenario to its end; every guest
// still in the game at the end holds the host's final board, and every guest that lost holds the
// board the host sent with its loss.
TEST(NetGame, HostAndThreeGuestsPlayEveryShippedScenarioToTheSameEnd) {
    constexpr int kTurns = 300;
    for (const fs::path& scenario : ShippedScenarios()) {
        const NewGameSetup setup = HostAndGuests(scenario, 4);
        if (setup.Slots.size() < 2)
            continue;
        const int guests = static_cast<int>(setup.Slots.size()) - 1;
        LoopbackGame net(ShippedSpecs(), scenario, setup, guests, 3);
        net.host.session.OwnComputer().SetTurnLimit(kTurns);
        for (auto& machine : net.guestMachines)
            machine->session.OwnComputer().SetTurnLimit(kTurns);
        net.OpenAndJoin();
        bool ended = net.PlayToEnd();
        Game& host = net.host.game();
        // A game the computers cannot finish stops at the turn limit: the host ends it, and
        // everybody still there gets the board as it stands.
        if (!ended && net.host.session.OwnComputer().TurnsPlayed() >= kTurns) {
            host.GameOver();
            ended = net.PlayToEnd();
        }
        ASSERT_TRUE(ended) << scenario.filename() << " stalled";
        EXPECT_FALSE(host.GameOn);
        EXPECT_EQ(host.Role, NetworkRole::Local) << "the host leaves network mode";
        EXPECT_EQ(BoardProblem(host).English(), "");
        // The board each guest was sent with its loss, or else the last one it was sent.
        std::map<std::string, std::string> lastSent;
        std::set<std::string> lost;
        for (const std::string& record : net.net.Sent()) {
            const size_t colon = record.find(':');
            const std::string to = record.substr(0, colon);
            if (lost.contains(to))
                continue;
            if (record.substr(colon + 1) == net::kLoseMessage)
                lost.insert(to);
            else if (record.size() > colon + 1 && record[colon + 1] == net::kFinalBoardMessage)
                lastSent[to] = record.substr(colon + 3);
        }
        for (size_t g = 0; g < net.guestMachines.size(); ++g) {
            Game& guest = net.guestMachines[g]->game();
            EXPECT_FALSE(guest.GameOn) << scenario.filename() << " guest " << g + 1;
            EXPECT_EQ(guest.Role, NetworkRole::Local);
            const std::string key = std::to_string(g + 1);
            ASSERT_TRUE(lastSent.contains(key)) << scenario.filename() << " guest " << g + 1;
            EXPECT_TRUE(BoardOf(guest) == lastSent[key])
                << scenario.filename() << " guest " << g + 1 << " ends with the host's board";
        }
        // The guests that stayed to the end hold the host's final board.
        for (size_t g = 0; g < net.guestMachines.size(); ++g) {
            const int player = static_cast<int>(g) + 2;
            if (!host.PlayerOut[player]) {
                EXPECT_TRUE(BoardOf(net.guestMachines[g]->game()) == BoardOf(host))
                    << scenario.filename() << " player " << player;
            }
        }
    }
}

// A slot left empty keeps its party on the board for the whole game: the host takes the guest's
// boards with it, and the game is played to its end.
TEST(NetGame, AGameWithAnEmptySlotIsPlayedToItsEnd) {
    const fs::path scenario = fs::path(MAROVANE_PROGRAM_DIR) / "Castle Siege.def";
    NewGameSetup setup;
    setup.Slots = {SlotKind::Remote, SlotKind::Computer, SlotKind::None};
    LoopbackGame net(ShippedSpecs(), scenario, setup, 1, 3);
    net.host.session.OwnComputer().SetTurnLimit(200);
    net.guestMachines[0]->session.OwnComputer().SetTurnLimit(200);
    net.OpenAndJoin();
    bool ended = net.PlayToEnd();
    Game& host = net.host.game();
    if (!ended && net.host.session.OwnComputer().TurnsPlayed() >= 200) {
        host.GameOver();
        ended = net.PlayToEnd();
    }
    ASSERT_TRUE(ended) << "the host took none of the guest's boards";
    EXPECT_GT(net.host.session.OwnComputer().TurnsPlayed(), 10);
    EXPECT_TRUE(host.PlayerOut[3]);
    EXPECT_EQ(BoardProblem(host).English(), "");
}

// A scenario no game can be made from is refused by the guest before it is kept anywhere.
TEST(NetLobby, AGuestRefusesADamagedScenarioAndKeepsNothing) {
    test::TempDir scenarios;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote};
    test::LoopbackGame net(TestSpecs(), scenarios.Write("Huge", test::PlainDef(200, 10)), setup, 1);
    net.OpenAndJoin();
    EXPECT_EQ(net.guests[0]->Messages(),
              std::vector<std::string>{"The host sent a scenario that cannot be used. Board too "
                                       "large, please select another game."});
    EXPECT_TRUE(ListScenarios(net.guestDirs[0]->Path()).empty());
    EXPECT_FALSE(net.guests[0]->Lobby().Active());
}

// A guest that joins again gets the host's scenario again: an older copy of the same name, of
// the same size, is replaced.
TEST(NetLobby, AGuestKeepsTheHostsScenarioAsSent) {
    test::TempDir scenarios;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote};
    const fs::path scenario = scenarios.Write("Sent", test::PlainDef(12, 12));
    test::LoopbackGame net(TestSpecs(), scenario, setup, 1);
    const fs::path copy = net.guestDirs[0]->Path() / "Game on testhost.def";
    fs::copy_file(scenarios.Write("Older", test::PlainDef(10, 10)), copy);
    ASSERT_EQ(fs::file_size(copy), fs::file_size(scenario));
    net.OpenAndJoin();
    EXPECT_EQ(ReadDefFile(copy).Width, 12);
}

// A guest whose connection drops comes back to its seat: the host keeps listening while the
// computer plays the seat, hands it back at the start of that player's next turn, and every
// machine still in the game ends on the host's board.
TEST(NetGame, ADroppedGuestComesBackToItsSeatAndPlaysToTheEnd) {
    const fs::path scenario = fs::path(MAROVANE_PROGRAM_DIR) / "Border Wars.def";
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote};
    LoopbackGame net(ShippedSpecs(), scenario, setup, 2, 5);
    constexpr int kTurns = 300;
    net.host.session.OwnComputer().SetTurnLimit(kTurns);
    for (auto& machine : net.guestMachines)
        machine->session.OwnComputer().SetTurnLimit(kTurns);
    net.OpenAndJoin();
    Game& host = net.host.game();
    Game& returning = net.guestMachines[0]->game();
    ComputerOpponent& itsComputer = net.guestMachines[0]->session.OwnComputer();
    for (int i = 0; i < 100000 && !(host.GameOn && itsComputer.TurnsPlayed() >= 2); ++i) {
        net.unattendedHost.Poll();
        ASSERT_GT(net.net.Pump(1), 0);
    }
    ASSERT_EQ(host.RemotePlayer[2], 1);

    net.net.HostSide().Kick(1); // the connection is lost
    for (int i = 0; i < 1000 && !net.guests[0]->Dropped(); ++i)
        net.net.Pump(1);
    ASSERT_TRUE(net.guests[0]->Dropped());
    EXPECT_TRUE(host.PlayerComp[2]) << "the computer plays the seat meanwhile";
    EXPECT_EQ(host.Role, NetworkRole::Host) << "the host still listens for the guest to come back";

    const int before = itsComputer.TurnsPlayed();
    net.guests[0]->Rejoin("127.0.0.1", 1920);
    bool ended = net.PlayToEnd();
    if (!ended && net.host.session.OwnComputer().TurnsPlayed() >= kTurns) {
        host.GameOver();
        ended = net.PlayToEnd();
    }
    ASSERT_TRUE(ended);
    const auto& status = net.host.port.StatusLines;
    EXPECT_NE(std::find(status.begin(), status.end(), "Player 2 is back in the game."),
              status.end());
    EXPECT_GT(itsComputer.TurnsPlayed(), before) << "the guest played its seat again";
    EXPECT_EQ(returning.MyPlayer, 0) << "and left network mode at the end";
    for (size_t g = 0; g < net.guestMachines.size(); ++g) {
        if (!host.PlayerOut[static_cast<int>(g) + 2]) {
            EXPECT_TRUE(BoardOf(net.guestMachines[g]->game()) == BoardOf(host)) << "guest " << g;
        }
    }
}

// A guest that leaves in the middle of its own turn is replaced by the computer at once, the
// others hear of it, and the game still reaches its end.
TEST(NetGame, AGuestLeavingDuringItsTurnIsTakenOverByTheComputer) {
    const fs::path scenario = fs::path(MAROVANE_PROGRAM_DIR) / "Border Wars.def";
    NewGameSetup setup = HostAndGuests(scenario, 3);
    ASSERT_EQ(setup.Slots.size(), 3u);
    LoopbackGame net(ShippedSpecs(), scenario, setup, 2, 5);
    net.OpenAndJoin();
    ASSERT_TRUE(net.unattendedHost.Poll() == false);
    ASSERT_TRUE(net.unattendedHost.Began());
    Game& host = net.host.game();
    // Run until the host hands player 2's turn to the first guest.
    for (int i = 0; i < 100000 && !(host.CurrentPlayer == 2 && host.GameOn); ++i)
        ASSERT_GT(net.net.Pump(1), 0);
    ASSERT_EQ(host.RemotePlayer[2], 1);
    net.guests[0]->Lobby().Cancel();
    ASSERT_TRUE(net.PlayToEnd()) << "the game goes on without the guest";
    EXPECT_TRUE(host.PlayerComp[2]);
    EXPECT_EQ(host.RemotePlayer[2], 0);
    const std::string left = "Player 2 has left the game, and will be played by the computer.";
    EXPECT_NE(std::find(net.host.port.Messages.begin(), net.host.port.Messages.end(), left),
              net.host.port.Messages.end());
    const auto& other = net.guestMachines[1]->port.Messages;
    EXPECT_NE(std::find(other.begin(), other.end(), left), other.end())
        << "the other guest is told";
}

// Soak: seeded games of a host and three guests in which guests walk out at random while the
// host waits for their turn. No game hangs, the computer takes over every departed player, and
// every guest still there at the end holds the host's final board.
TEST(NetGame, GamesGoOnWhenGuestsLeaveInTheMiddleOfTheirTurns) {
    constexpr int kTurns = 200;
    int departures = 0;
    for (const fs::path& scenario : ShippedScenarios()) {
        const NewGameSetup setup = HostAndGuests(scenario, 4);
        if (setup.Slots.size() != 4)
            continue;
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            LoopbackGame net(ShippedSpecs(), scenario, setup, 3, seed);
            net.host.session.OwnComputer().SetTurnLimit(kTurns);
            net.OpenAndJoin();
            net.unattendedHost.Poll();
            Game& host = net.host.game();
            std::mt19937 pick(static_cast<unsigned>(seed));
            std::set<size_t> left;
            for (int step = 0; step < 2000000 && host.GameOn; ++step) {
                if (net.net.Pump(1) == 0)
                    break;
                // Now and then the guest whose turn the host waits for walks out.
                const int current = host.CurrentPlayer;
                if (current >= 2 && host.RemotePlayer[current] != 0 && pick() % 200 == 0) {
                    const size_t g = static_cast<size_t>(current - 2);
                    net.guests[g]->Lobby().Cancel();
                    left.insert(g);
                    ++departures;
                }
            }
            if (host.GameOn) {
                ASSERT_GE(net.host.session.OwnComputer().TurnsPlayed(), kTurns)
                    << scenario.filename() << " seed " << seed << " hangs";
                host.GameOver();
            }
            net.net.Pump(); // the end of the game reaches the guests
            for (size_t g = 0; g < 3; ++g) {
                const int player = static_cast<int>(g) + 2;
                if (left.contains(g)) {
                    EXPECT_TRUE(host.PlayerComp[player]) << "the computer took over";
                    continue;
                }
                if (!host.PlayerOut[player]) {
                    EXPECT_TRUE(BoardOf(net.guestMachines[g]->game()) == BoardOf(host))
                        << scenario.filename() << " seed " << seed << " player " << player;
                }
            }
        }
    }
    EXPECT_GT(departures, 3) << "guests did walk out";
}

// The lobby: the scenario arrives under a safe name, slot claims follow the host's states, and a
// guest without a slot is told that the game started without it.
TEST(NetLobby, ClaimsTakenSlotsAndAGuestLeftWithoutASlot) {
    test::TempDir scenarios;
    const fs::path scenario = scenarios.Write("Skirmish", test::PlainDef(10, 10));
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote};
    LoopbackGame net(TestSpecs(), scenario, setup, 0, 1, "../Evil/Host");
    std::string problem;
    ASSERT_TRUE(net.unattendedHost.Open(problem));

    // Two guests by hand, so the test decides who claims what.
    struct View : net::GuestLobbyView {
        bool StartGame(const fs::path& s, const NewGameSetup& chosen) override {
            return machine->session.StartNewGame(s, chosen);
        }
        void ShowMessage(const Text& text) override { messages.push_back(text.English()); }
        test::Machine* machine = nullptr;
        std::vector<std::string> messages;
    };
    test::TempDir dirs[2];
    std::vector<std::unique_ptr<test::Machine>> machines;
    std::vector<std::unique_ptr<net::GuestGame>> protocols;
    std::vector<std::unique_ptr<net::GuestLobby>> lobbies;
    View views[2];
    for (int g = 0; g < 2; ++g) {
        machines.push_back(std::make_unique<test::Machine>(TestSpecs(), 9, dirs[g].Path()));
        auto& link = net.net.AddGuest();
        protocols.push_back(std::make_unique<net::GuestGame>(machines[g]->game(), link));
        lobbies.push_back(std::make_unique<net::GuestLobby>(
            link, machines[g]->game(), *protocols[g], test::TestIdentity(), dirs[g].Path()));
        views[g].machine = machines[g].get();
        lobbies[g]->SetView(&views[g]);
        lobbies[g]->Connect("127.0.0.1", 1920);
    }
    net.net.HostSide().SetMaxConnections(2);
    net.net.Pump();
    EXPECT_TRUE(fs::exists(dirs[0].Path() / "Game on EvilHo.def"))
        << "the host's name is reduced to a safe file name";
    EXPECT_EQ(lobbies[0]->ScenarioName(), "Game on EvilHo") << "and cut to ten characters";
    EXPECT_EQ(lobbies[0]->SlotText(0), "Computer");
    EXPECT_EQ(lobbies[0]->SlotText(1), "Free");

    lobbies[0]->ClickSlot(1);
    net.net.Pump();
    EXPECT_EQ(lobbies[0]->SlotText(1), "You");
    EXPECT_TRUE(lobbies[0]->SlotIsMine(1));
    EXPECT_EQ(lobbies[1]->SlotText(1), "Taken");
    lobbies[1]->ClickSlot(1); // taken: nothing is sent
    net.net.Pump();
    EXPECT_EQ(net.unattendedHost.Lobby().SlotGuest(1), 1);

    EXPECT_FALSE(net.unattendedHost.Poll());
    net.net.Pump();
    EXPECT_TRUE(machines[0]->game().GameOn);
    EXPECT_EQ(machines[0]->game().MyPlayer, 2);
    EXPECT_EQ(views[1].messages, std::vector<std::string>{"The game started without you."});
    EXPECT_FALSE(lobbies[1]->Active());
}

TEST(NetLobby, AGuestOfAnotherVersionIsToldWhatTheHostRuns) {
    test::TempDir scenarios;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote};
    LoopbackGame net(TestSpecs(), scenarios.Write("Skirmish", test::PlainDef(10, 10)), setup, 0);
    std::string problem;
    ASSERT_TRUE(net.unattendedHost.Open(problem));
    test::TempDir dir;
    test::Machine machine(TestSpecs(), 1, dir.Path());
    auto& link = net.net.AddGuest();
    net::GuestGame protocol(machine.game(), link);
    net::UnattendedGuest old(machine.session, link, {"Marovane", "0.0", ""}, dir.Path(),
                             std::nullopt);
    old.Connect("127.0.0.1", 1920);
    net.net.Pump();
    EXPECT_EQ(old.Messages(), std::vector<std::string>{"The host is running Marovane v0.1"});
    EXPECT_TRUE(old.Finished());
    EXPECT_EQ(net.net.HostSide().Connections(), 0);
}

// Messages the host must ignore: a board for another player than the one to move, a board of the
// wrong length, a message from a guest that plays no player.
TEST(NetGame, TheHostIgnoresBoardsThatDoNotFit) {
    test::TempDir scenarios;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Remote, SlotKind::Computer};
    LoopbackGame net(TestSpecs(), scenarios.Write("Skirmish", test::PlainDef(10, 10)), setup, 1);
    net.OpenAndJoin();
    net.unattendedHost.Poll();
    Game& host = net.host.game();
    ASSERT_TRUE(host.GameOn);
    ASSERT_EQ(host.CurrentPlayer, 1);
    net::HostLobby& lobby = net.unattendedHost.Lobby();
    const std::string before = net::BoardStateText(host);
    std::string wrongPlayer = before;
    wrongPlayer[0] = net::PlayerCode(2);
    lobby.ReceiveData(1, "B" + wrongPlayer);
    lobby.ReceiveData(1, "B" + before.substr(0, before.size() - 1));
    std::string badValue = before;
    badValue[1] = '\xFF';
    badValue[2] = '\xFF'; // strength -1 in the first cell
    lobby.ReceiveData(1, "B" + badValue);
    lobby.ReceiveData(7, "B" + before); // nobody plays for connection 7
    lobby.ReceiveData(1, "O\x09");
    EXPECT_EQ(net::BoardStateText(host), before);
    EXPECT_EQ(host.CurrentPlayer, 1) << "no board moved the turn on";
    EXPECT_FALSE(host.PlayerOut[1]);
}

// The board state's bytes: the ten arrays in their order, little-endian, byte 255 kept.
TEST(BoardState, TheBytesFollowTheArraysAndSurviveTheTrip) {
    HeadlessPort port;
    Game game(TestSpecs(), port, 1);
    test::TempDir dir;
    ASSERT_TRUE(game.NewGame(dir.Write("Small", test::PlainDef(8, 9)), test::Humans(2)));
    game.KingX[1] = -1;
    game.Money[2] = 0x1234;
    const std::string text = net::BoardStateText(game);
    ASSERT_EQ(text.size(), 1 + net::BoardStateSize(8, 9, 2));
    EXPECT_EQ(text[0], net::PlayerCode(game.CurrentPlayer));
    const size_t perPlayer = 1 + 8 * 9 * 2 * 2 + 8 * 9 * 2 + 9 * 10;
    EXPECT_EQ(static_cast<uint8_t>(text[perPlayer]), 0xFF) << "KingX(1) = -1 in two bytes";
    EXPECT_EQ(static_cast<uint8_t>(text[perPlayer + 1]), 0xFF);
    const size_t money = perPlayer + 4 * 4 * 2;
    EXPECT_EQ(static_cast<uint8_t>(text[money + 2]), 0x34);
    EXPECT_EQ(static_cast<uint8_t>(text[money + 3]), 0x12);

    const net::BoardState state = net::DecodeBoardState(text, 8, 9, 2);
    EXPECT_EQ(state.Board, game.Board());
    EXPECT_EQ(state.KingX[1], -1);
    EXPECT_EQ(state.Money[2], 0x1234);
    EXPECT_THROW(net::DecodeBoardState(text, 9, 8, 3), Error) << "another game's size";
}

// A board from another machine with any fault is refused, the fault named cell and all, and the
// game stays as it was; the same board without the fault is taken.
TEST(BoardState, ABoardWithAnyFaultIsRefusedByName) {
    HeadlessPort port;
    test::TempDir dir;
    const fs::path scenario = dir.Write("Small", test::PlainDef(8, 9));
    Game game(TestSpecs(), port, 1), sender(TestSpecs(), port, 1);
    ASSERT_TRUE(game.NewGame(scenario, test::Humans(2)));
    ASSERT_TRUE(sender.NewGame(scenario, test::Humans(2)));
    const BoardArrays start = sender.Board();
    // Picture value 1 is player 1's type 0: 2 hit points and 1 move at full strength (21).
    struct Case {
        int16_t Unit, Picture;
        uint8_t Seen;
        const char* Refusal;
    };
    const Case cases[] = {
        {-1, 0, 0, "Cell (4, 5) holds the strength code -1."},
        {0, 61, 0, "Cell (4, 5) holds the picture value 61, outside 0..60."},
        {21, 0, 0, "Cell (4, 5) holds a unit without a picture."},
        {21, 31, 0, "Cell (4, 5) holds a piece of player 3 in a game of 2 players."},
        {0, 0, 2, "Cell (4, 5) is marked as seen by player 2 with 2 instead of 0 or 1."},
        {0, 1, 0, "The cell (4, 5) shows a picture without a unit."},
        {31, 1, 0, "The unit on (4, 5) has more hit points than at full strength."},
        {22, 1, 0, "The unit on (4, 5) has more moves left than its type has."},
    };
    const test::Snapshot before(game);
    std::string problem;
    for (const Case& c : cases) {
        sender.ReplaceBoard(start);
        sender.BoardUnit(4, 5) = c.Unit;
        sender.BoardPic(4, 5) = c.Picture;
        sender.Seen(4, 5, 2) = c.Seen;
        EXPECT_FALSE(net::ApplyBoardState(game, net::BoardStateText(sender), &problem));
        EXPECT_EQ(problem, c.Refusal);
        EXPECT_EQ(test::Snapshot(game), before) << c.Refusal;
    }

    // Player 2 is out here, yet the board gives him his pieces.
    sender.ReplaceBoard(start);
    game.PlayerOut[2] = true;
    EXPECT_FALSE(net::ApplyBoardState(game, net::BoardStateText(sender), &problem));
    EXPECT_TRUE(problem.starts_with("Player 2 is out but still owns the piece on (")) << problem;
    game.PlayerOut[2] = false;

    sender.BoardUnit(4, 5) = 21;
    sender.BoardPic(4, 5) = 1;
    EXPECT_TRUE(net::ApplyBoardState(game, net::BoardStateText(sender), &problem)) << problem;
    EXPECT_EQ(game.Board(), sender.Board());
}

} // namespace
} // namespace marovane
