#include "engine/BoardCheck.h"
#include "net/BoardState.h"
#include "net/GameMessages.h"
#include "net/NetTestMachines.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The board text the guest to move would hand back: the host's board without a player's pieces.
std::string BoardWithout(const Game& game, int player) {
    std::string text = net::BoardStateText(game);
    const size_t cells = static_cast<size_t>(game.BoardWidth) * game.BoardHeight;
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y) {
            if (game.PieceAt(x, y).Owner != player)
                continue;
            // After the player's code: the strength codes, then the pictures, 16 bits each.
            const size_t cell = static_cast<size_t>(y - 1) * game.BoardWidth + (x - 1);
            for (size_t at : {1 + 2 * cell, 1 + 2 * (cells + cell)})
                text[at] = text[at + 1] = 0;
        }
    }
    return text;
}

// A guest reports a defeat ("O") only in its own turn, and only one that the board it hands back
// shows. Any other report changes nothing, on the host or on the other guests: a guest cannot
// put out a player it does not play.
TEST(NetGame, OnlyTheGuestToMoveReportsDefeatsAndOnlyThoseItsBoardShows) {
    static const UnitSpecs specs = test::TestSpecs();
    test::TempDir scenarios;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Remote, SlotKind::Computer, SlotKind::Remote};
    test::LoopbackGame net(specs, scenarios.Write("Skirmish", test::PlainDef(10, 10)), setup, 2);
    net.OpenAndJoin();
    Game& host = net.host.game();
    const Game& other = net.guestMachines[1]->game();
    net.unattendedHost.Poll();
    ASSERT_TRUE(net.unattendedHost.Began());
    // Player 1 is to move: the host handed the board to his guest, who has not answered yet.
    while (!(host.GameOn && host.CurrentPlayer == 1 && other.GameOn))
        ASSERT_GT(net.net.Pump(1), 0);
    const int toMove = host.RemotePlayer[1];
    const int waiting = host.RemotePlayer[3];
    net::HostLobby& lobby = net.unattendedHost.Lobby();

    // The host handles what a guest sends at once; what it passes on shows in the records.
    auto outSentTo = [&](int guest, int player) {
        const std::string record =
            std::to_string(guest) + ":" + net::WithPlayer(net::kOutMessage, player);
        const auto& sent = net.net.Sent();
        return std::find(sent.begin(), sent.end(), record) != sent.end();
    };
    for (const char* report : {"O\x02", "O\x01", "O\x03"})
        lobby.ReceiveData(waiting, report); // not its turn
    for (const char* report : {"O\x09", "O\x03", "O\x02", "O"})
        lobby.ReceiveData(toMove, report); // its turn, but no board shows them yet
    for (int p = 1; p <= 3; ++p) {
        EXPECT_FALSE(host.PlayerOut[p]) << p;
        EXPECT_GT(PiecesOf(host, p), 0) << p;
        EXPECT_FALSE(outSentTo(waiting, p)) << p;
    }

    // Its board comes without player 2's pieces: that report holds, on every machine. Player 3,
    // reported as well, still has his pieces and stays in.
    lobby.ReceiveData(toMove, net::Message(net::kBoardMessage, BoardWithout(host, 2)));
    EXPECT_TRUE(host.PlayerOut[2]);
    EXPECT_EQ(host.Money[2], 0);
    EXPECT_FALSE(host.PlayerOut[3]);
    EXPECT_GT(PiecesOf(host, 3), 0);
    EXPECT_TRUE(outSentTo(waiting, 2)) << "the other guest hears of it";
    EXPECT_FALSE(outSentTo(waiting, 3));
    EXPECT_FALSE(outSentTo(toMove, 2)) << "the guest that reported it knows";
    EXPECT_EQ(BoardProblem(host).English(), "");
    EXPECT_TRUE(net.PlayToEnd()) << "the game goes on to its end";
}

} // namespace
} // namespace marovane
