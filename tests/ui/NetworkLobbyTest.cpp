#include "ui/GameWindow.h"

#include "engine/UnitSpecs.h"
#include "ui/BoardWidget.h"
#include "ui/ModalAnswer.h"
#include "ui/Shoot.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// A port nobody listens on now.
int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void Pick(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Two windows in one process, a host and a guest, over sockets on 127.0.0.1: the host's dialog
// hosts when a slot is set to "Remote", the guest joins, claims the slot and plays its turn.
class NetworkLobbyTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings("Marovane", "Marovane").clear();
        specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
        port = FreePort();
        for (auto* made : {&host, &guest}) {
            *made = std::make_unique<GameWindow>(QDir(MAROVANE_PROGRAM_DIR), specs, 7);
            (*made)->UseNetworkPort(port);
            // The computer's moves are not watched: its pauses would only slow the test.
            (*made)->Session().SetViewOption(view_option::ShowThinking, false);
            (*made)->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(made->get()));
        }
        // Not beside the shipped scenarios: other tests, running at the same time, list those.
        guest->Network().KeepHostScenariosIn(guestScenarios.path().toStdString());
    }
    void TearDown() override {
        guest.reset();
        host.reset();
    }

    // Through the windows: the host opens Skirmish with its first slot of the given kind and the
    // second Remote.
    void OpenLobby(const QString& firstSlot) {
        GameSetupDialog* hostDialog = host->SetupDialog();
        host->NewGameCommand();
        ASSERT_TRUE(QTest::qWaitFor([&] { return hostDialog->isVisible(); }, 5000));
        ASSERT_TRUE(hostDialog->SelectScenario("Skirmish"));
        Pick(hostDialog->Slot(0), firstSlot);
        Pick(hostDialog->Slot(1), "Remote");
        ASSERT_TRUE(host->Network().Hosting());
        EXPECT_TRUE(hostDialog->StatusLabel()->text().contains("Connections: 0/1"));
    }
    // The guest joins and claims the Remote slot, and the host begins.
    void JoinAndBegin() {
        GameSetupDialog* hostDialog = host->SetupDialog();
        GameSetupDialog* guestDialog = guest->SetupDialog();
        guest->Commands().JoinHost("127.0.0.1");
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return guestDialog->ChooseLabel(1)->text() == "Free"; }, 5000));
        QTest::mouseClick(guestDialog->ChooseLabel(1), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return hostDialog->BeginButton()->isEnabled(); }, 5000));
        hostDialog->BeginButton()->click();
    }

    UnitSpecs specs;
    QTemporaryDir guestScenarios;
    int port = 0;
    std::unique_ptr<GameWindow> host;
    std::unique_ptr<GameWindow> guest;
};

TEST_F(NetworkLobbyTest, AGuestJoinsClaimsTheRemoteSlotAndPlaysItsTurn) {
    test::ModalAnswer answer; // message boxes are recorded and closed
    GameSetupDialog* hostDialog = host->SetupDialog();
    host->NewGameCommand();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostDialog->isVisible(); }, 2000));
    ASSERT_TRUE(hostDialog->SelectScenario("Skirmish"));
    Pick(hostDialog->Slot(0), "Computer");
    Pick(hostDialog->Slot(1), "Remote");
    ASSERT_TRUE(host->Network().Hosting()) << "a remote slot starts hosting";
    EXPECT_FALSE(hostDialog->BeginButton()->isEnabled()) << "Begin waits for the guest";
    EXPECT_TRUE(hostDialog->Slot(1)->font().italic()) << "a waiting remote slot is in italics";
    EXPECT_TRUE(hostDialog->StatusLabel()->text().contains("Connections: 0/1"));

    guest->Commands().JoinHost("127.0.0.1");
    GameSetupDialog* guestDialog = guest->SetupDialog();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return guestDialog->ChooseLabel(1)->text() == "Free"; }, 5000));
    EXPECT_EQ(guestDialog->ChooseLabel(0)->text(), "Computer");
    EXPECT_TRUE(guestDialog->StatusLabel()->text().startsWith("Connected to "));
    EXPECT_EQ(guestDialog->TitleLabel()->text(), "Skirmish") << "the host's title";
    EXPECT_TRUE(guest->Network().Guest().ScenarioName().starts_with("Game on "));
    QTest::mouseClick(guestDialog->ChooseLabel(1), Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return guestDialog->ChooseLabel(1)->text() == "You"; }, 5000));
    EXPECT_TRUE(guestDialog->ChooseLabel(1)->font().bold());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostDialog->BeginButton()->isEnabled(); }, 5000));
    EXPECT_FALSE(hostDialog->Slot(1)->font().italic());
    EXPECT_TRUE(hostDialog->StatusLabel()->text().contains("Connections: 1/1"));
    test::Shoot(hostDialog, "host-lobby");

    hostDialog->BeginButton()->click();
    Game& hostGame = host->CurrentGame();
    Game& guestGame = guest->CurrentGame();
    // The host's computer plays player 1; then the guest's turn comes with the host's board.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return guestGame.GameOn && guestGame.CurrentPlayer == 2 && hostGame.GameOn; },
        10000));
    EXPECT_EQ(guestGame.MyPlayer, 2);
    EXPECT_EQ(hostGame.RemotePlayer[2], 1);
    EXPECT_EQ(guestGame.Board(), hostGame.Board()) << "the guest plays on the host's board";
    EXPECT_FALSE(guestDialog->isVisible());
    EXPECT_TRUE(guest->Board()->isVisible());
    test::Shoot(guest.get(), "guest-game");

    // The guest ends its turn: the board goes back, and the host's computer moves on.
    guest->NextTurn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return guestGame.CurrentPlayer == 2; }, 10000));
    EXPECT_GE(hostGame.RoundFlag, -1);
    EXPECT_TRUE(hostGame.GameOn);
}

// The host hosts and the guest joins twice in one run: the host's Game > New stops the first
// game (after its question), and both lobbies start the second one fresh.
TEST_F(NetworkLobbyTest, HostingAndJoiningWorkTwiceInARow) {
    test::ModalAnswer answer;
    Game& guestGame = guest->CurrentGame();
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        // The host's Game > New stops the first game after its question; the guest sees it end
        // before it joins again.
        ASSERT_NO_FATAL_FAILURE(OpenLobby("Computer"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !guestGame.GameOn; }, 5000));
        ASSERT_NO_FATAL_FAILURE(JoinAndBegin());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return guestGame.GameOn && guestGame.CurrentPlayer == 2; }, 10000));
        EXPECT_EQ(guestGame.Board(), host->CurrentGame().Board());
        test::Shoot(guest.get(), round == 1 ? "guest-first-game" : "guest-second-game");
    }
}

// A guest leaves with Game > Leave Network Game and comes back: the host's computer plays the
// seat meanwhile, the guest's dialog offers it, and the seat is handed back at its next turn.
TEST_F(NetworkLobbyTest, AGuestThatLeftComesBackToItsSeat) {
    test::ModalAnswer answer;
    GameSetupDialog* guestDialog = guest->SetupDialog();
    Game& hostGame = host->CurrentGame();
    Game& guestGame = guest->CurrentGame();
    ASSERT_NO_FATAL_FAILURE(OpenLobby("Human")); // the host's own player waits for a click
    ASSERT_NO_FATAL_FAILURE(JoinAndBegin());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostGame.GameOn && hostGame.CurrentPlayer == 1; }));
    host->NextTurn();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return guestGame.GameOn && guestGame.CurrentPlayer == 2; }, 10000));

    QAction* leave = guest->Action("mnuGLeave");
    ASSERT_TRUE(leave->isEnabled());
    leave->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostGame.PlayerComp[2]; }, 5000));
    EXPECT_FALSE(guestGame.GameOn);
    EXPECT_TRUE(host->Network().Hosting()) << "the host listens for the player to come back";
    EXPECT_NE(std::find(answer.Messages.begin(), answer.Messages.end(),
                        "Player 2 has left the game, and will be played by the computer."),
              answer.Messages.end());

    guest->Commands().JoinHost("127.0.0.1");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return guestDialog->ChooseLabel(1)->text() == "Free"; }, 5000));
    test::Shoot(guestDialog, "guest-rejoin-lobby");
    QTest::mouseClick(guestDialog->ChooseLabel(1), Qt::LeftButton);
    // The computer played player 2's turn; once the host's own turn ends, the seat is handed back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return guestGame.GameOn; }, 5000));
    ASSERT_EQ(hostGame.CurrentPlayer, 1);
    host->NextTurn();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return hostGame.RemotePlayer[2] != 0 && guestGame.GameOn &&
                   guestGame.CurrentPlayer == 2 && guestGame.Board() == hostGame.Board();
        },
        10000));
    EXPECT_FALSE(hostGame.PlayerComp[2]) << "the seat is the guest's again";
    EXPECT_EQ(guestGame.MyPlayer, 2);
    test::Shoot(guest.get(), "guest-back");
    test::Shoot(host.get(), "host-after-return");
}

} // namespace
} // namespace marovane
