#include "engine/BoardCheck.h"
#include "net/BoardState.h"
#include "net/NetTestMachines.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

int PiecesOf(const Game& game, int player) {
    int count = 0;
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y)
            count += game.PieceAt(x, y).Owner == player;
    }
    return count;
}

// Found by the network soak: a guest that put a player out told the others so, and their boards
// kept that player's pieces until the next board came, or for good on the host when the guest left
// before handing its board back. A board with pieces of a player who is out cannot be loaded
// again once saved, and the computer refuses to play on it.
TEST(NetGame, APlayerReportedOutLosesHisPiecesOnEveryMachine) {
    static const UnitSpecs specs = test::TestSpecs();
    test::TempDir scenarios;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Remote, SlotKind::Computer, SlotKind::Remote};
    test::LoopbackGame net(specs, scenarios.Write("Skirmish", test::PlainDef(10, 10)), setup, 2);
    net.OpenAndJoin();
    Game& host = net.host.game();
    Game& other = net.guestMachines[1]->game();
    net.unattendedHost.Poll();
    ASSERT_TRUE(net.unattendedHost.Began());
    // Player 1 is to move: the host handed the board to his guest, who has not answered yet.
    while (!(host.GameOn && host.CurrentPlayer == 1 && other.GameOn))
        ASSERT_GT(net.net.Pump(1), 0);
    ASSERT_TRUE(host.GameOn) << (net.host.port.Messages.empty() ? ""
                                                                : net.host.port.Messages.back());
    ASSERT_EQ(host.CurrentPlayer, 1);
    ASSERT_GT(PiecesOf(host, 2), 0);
    ASSERT_GT(PiecesOf(other, 2), 0);

    // The guest playing player 1 reports player 2 out, and then leaves before its board.
    net.unattendedHost.Lobby().ReceiveData(host.RemotePlayer[1], "O\x02");
    net.net.Pump();
    EXPECT_TRUE(host.PlayerOut[2]);
    EXPECT_EQ(PiecesOf(host, 2), 0);
    EXPECT_EQ(host.Money[2], 0);
    EXPECT_EQ(BoardProblem(host), "");
    EXPECT_TRUE(other.PlayerOut[2]) << "the other guest hears of it";
    EXPECT_EQ(PiecesOf(other, 2), 0);
    EXPECT_EQ(BoardProblem(other), "");

    net.guests[0]->Lobby().Cancel();
    net.net.Pump();
    EXPECT_TRUE(host.PlayerComp[1]) << "the computer took over player 1";
    EXPECT_EQ(BoardProblem(host), "");
    EXPECT_EQ(net.host.session.OwnComputer().BoardFault(host), "");
}

} // namespace
} // namespace marovane
