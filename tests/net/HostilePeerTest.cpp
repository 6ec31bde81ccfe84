// Peers that do what our own program never does, written byte by byte from the frame and message
// tables: a host serves the other guests and keeps its game whatever one of them sends, and a
// guest that cannot join is told why in one message.
#include "engine/HeadlessPort.h"
#include "net/LobbyMessages.h"
#include "net/RunEvents.h"
#include "net/Unattended.h"
#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"
#include "session/Settings.h"
#include "support/TestGame.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace marovane {
namespace {

void RunFor(int ms) {
    RunUntil([] { return false; }, ms);
}

// A frame as the table gives it: 0xFF, the type, the payload with each 0xFF doubled, 0xFF.
std::string Frame(unsigned char type, const std::string& payload) {
    std::string frame = "\xFF"s + static_cast<char>(type);
    for (char c : payload) {
        frame += c;
        if (c == '\xFF')
            frame += '\0';
    }
    return frame + "\xFF";
}

constexpr unsigned char kTitle = 250, kVersion = 251, kSetup = 252, kFileHeader = 253, kData = 254;

// A guest written by hand: it sends frames and keeps every byte it receives.
struct RawGuest {
    explicit RawGuest(int port) {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            const QByteArray bytes = socket.readAll();
            received.append(bytes.constData(), static_cast<size_t>(bytes.size()));
        });
        socket.connectToHost("127.0.0.1", static_cast<quint16>(port));
        connected = RunUntil([this] { return socket.state() == QAbstractSocket::ConnectedState; });
    }
    void Send(const std::string& bytes) {
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket.flush();
    }
    void Introduce() {
        Send(Frame(kTitle, "Marovane") + Frame(kVersion, net::OurIdentity("x").Version));
    }
    // How often a frame of this type, starting with this text, arrived.
    int Count(unsigned char type, const std::string& start = {}) const {
        const std::string opening = "\xFF"s + static_cast<char>(type) + start;
        int count = 0;
        for (size_t at = received.find(opening); at != std::string::npos;
             at = received.find(opening, at + 1))
            ++count;
        return count;
    }

    QTcpSocket socket;
    std::string received;
    bool connected = false;
};

// A host machine with its lobby open on a free port.
struct HostMachine {
    HostMachine(const std::string& scenario, NewGameSetup setup)
        : specs(LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt")),
          session(specs, port, 5, dir.Path(), settings),
          host(session, link, net::OurIdentity("hostile"),
               fs::path(MAROVANE_PROGRAM_DIR) / (scenario + ".def"), std::move(setup)) {
        link.SetLocalPort(0);
        std::string problem;
        EXPECT_TRUE(host.Open(problem)) << problem;
    }
    Game& game() { return session.CurrentGame(); }
    int Port() const { return link.LocalPort(); }

    UnitSpecs specs;
    test::TempDir dir;
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
    net::NetHost link;
    net::UnattendedHost host;
};

TEST(HostilePeer, RepeatedIntroductionsAreWelcomedOnceAndSlotsFollowTheWelcome) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote};
    HostMachine machine("Castle Siege", setup);

    // Only the title: such a guest hears nothing of the slots, even when another claims one.
    RawGuest halfway(machine.Port());
    ASSERT_TRUE(halfway.connected);
    halfway.Send(Frame(kTitle, "Marovane"));

    RawGuest repeater(machine.Port());
    ASSERT_TRUE(repeater.connected);
    repeater.Introduce();
    std::string again;
    for (int i = 0; i < 300; ++i)
        again += Frame(kVersion, net::OurIdentity("x").Version) + Frame(kTitle, "Marovane");
    repeater.Send(again);
    repeater.Send(Frame(kSetup, "P1"));
    ASSERT_TRUE(RunUntil([&] { return repeater.Count(kSetup, "P") >= 2; }));
    RunFor(300);

    EXPECT_EQ(repeater.Count(kFileHeader), 1) << "the scenario is sent once";
    EXPECT_EQ(repeater.Count(kSetup, "T"), 1) << "and the setup";
    EXPECT_LT(repeater.received.find("\xFF\xFD"s), repeater.received.find("\xFF\xFCP"s))
        << "the slots come after the welcome";
    EXPECT_EQ(halfway.Count(kSetup), 0) << "a guest that passed one check hears nothing";
    EXPECT_EQ(halfway.Count(kFileHeader), 0);
}

// A claim is answered at once to the guest that made it; the others hear of it a moment later,
// without any further message from the host.
TEST(HostilePeer, AClaimReachesTheOtherGuestsWithoutAnotherMessage) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote};
    HostMachine machine("Castle Siege", setup);
    RawGuest claimer(machine.Port()), watcher(machine.Port());
    for (RawGuest* guest : {&claimer, &watcher})
        guest->Introduce();
    ASSERT_TRUE(RunUntil([&] { return watcher.Count(kSetup, "P") == 1; }));
    claimer.Send(Frame(kSetup, "P1"));
    using net::SlotState;
    const auto states = [](SlotState second) {
        return Frame(kSetup, net::SlotStatesMessage(
                                 {SlotState::Computer, second, SlotState::Free, SlotState::None}));
    };
    EXPECT_TRUE(RunUntil([&] {
        return claimer.received.find(states(SlotState::You)) != std::string::npos &&
               watcher.received.find(states(SlotState::Taken)) != std::string::npos;
    }));
}

// A game of three on the host: its own human is to move, two raw guests hold slots 2 and 3.
struct RawGame {
    RawGame() : machine("Castle Siege", Setup()), second(machine.Port()), third(machine.Port()) {
        for (RawGuest* guest : {&second, &third})
            guest->Introduce();
        second.Send(Frame(kSetup, "P1"));
        third.Send(Frame(kSetup, "P2"));
        began = RunUntil([&] { return machine.host.Poll() || machine.host.Began(); });
    }
    static NewGameSetup Setup() {
        NewGameSetup setup;
        setup.Slots = {SlotKind::Human, SlotKind::Remote, SlotKind::Remote};
        return setup;
    }
    HostMachine machine;
    RawGuest second, third;
    bool began = false;
};

TEST(HostilePeer, DefeatsReportedByTheWrongGuestOrAtTheWrongTimeChangeNothing) {
    RawGame raw;
    ASSERT_TRUE(raw.began);
    RawGuest& second = raw.second;
    RawGuest& third = raw.third;
    Game& game = raw.machine.game();
    ASSERT_TRUE(game.GameOn);
    ASSERT_EQ(game.CurrentPlayer, 1) << "the host's own human is to move";

    // Every player, from both guests, during the host's turn; and players that do not exist.
    for (RawGuest* guest : {&second, &third}) {
        for (int p = 0; p <= 5; ++p)
            guest->Send(Frame(kData, "O"s + static_cast<char>(p)));
    }
    RunFor(300);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_FALSE(game.PlayerOut[p]) << p;
        EXPECT_GE(game.FindParty(p)[0].X, 1) << "player " << p << " keeps his pieces";
    }
    EXPECT_EQ(second.Count(kData, "O") + third.Count(kData, "O"), 0) << "nothing is passed on";
    EXPECT_EQ(game.CurrentPlayer, 1);
    EXPECT_TRUE(game.GameOn);
}

TEST(HostilePeer, MessagesArePlainCutAndAFewBoxesATurn) {
    RawGame raw;
    ASSERT_TRUE(raw.began);
    RawGuest& talker = raw.second;
    RawGuest& listener = raw.third;
    HostMachine& machine = raw.machine;

    const std::string shout = "<h1>Big</h1><a href='x'>link</a>" + std::string(800, 'x');
    for (int i = 0; i < 10; ++i)
        talker.Send(Frame(kData, "M" + shout));
    ASSERT_TRUE(RunUntil([&] { return listener.Count(kData, "M<h1>") == 10; }));

    const std::string cut = shout.substr(0, 500);
    EXPECT_EQ(machine.port.Messages, std::vector<std::string>(3, cut)) << "three boxes a turn";
    EXPECT_EQ(machine.port.StatusLines, std::vector<std::string>(7, cut)) << "the rest, quietly";
    // What the host passes on is cut as well.
    EXPECT_EQ(listener.received.find(Frame(kData, "M" + shout)), std::string::npos);
    EXPECT_NE(listener.received.find(Frame(kData, "M" + cut)), std::string::npos);
}

// A guest whose socket never reads fills the host's send queue for it; past the cap the host
// closes that connection and goes on serving the other guest.
TEST(HostilePeer, AGuestThatNeverReadsIsClosedAndTheOthersAreServed) {
    net::NetHost host;
    host.SetLocalPort(0);
    host.SetMaxConnections(4);
    ASSERT_TRUE(host.BeginHost());

    const int sleeper = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(sleeper, 0);
    int small = 4096;
    ::setsockopt(sleeper, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(host.LocalPort()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(sleeper, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_TRUE(RunUntil([&] { return host.Connections() == 1; }));

    RawGuest reader(host.LocalPort());
    ASSERT_TRUE(RunUntil([&] { return host.Connections() == 2; }));

    // 64 KiB at a time to everybody, well past the cap in all.
    const std::string piece(64 * 1024, 'x');
    int sent = 0;
    for (; sent < 400 && host.Connections() == 2; ++sent) {
        host.SendData(0, piece);
        RunFor(1);
    }
    EXPECT_EQ(host.Connections(), 1) << "the sleeper is closed after " << sent << " pieces";
    EXPECT_LT(static_cast<size_t>(sent) * piece.size(), 2 * net::kMaxQueuedBytes + (8 << 20));
    host.SendData(0, "still here");
    EXPECT_TRUE(RunUntil([&] { return reader.Count(kData, "still here") == 1; }));
    ::close(sleeper);
}

// A guest that cannot join is told why, once.
TEST(HostilePeer, AGuestThatCannotJoinIsToldWhyInOneMessage) {
    const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    auto join = [&](int port) {
        test::TempDir dir;
        HeadlessPort headless;
        MemorySettings settings;
        GameSession session(specs, headless, 9, dir.Path(), settings);
        net::NetClient link;
        net::UnattendedGuest guest(session, link, net::OurIdentity("guest"), dir.Path(), {});
        guest.Connect("127.0.0.1", port);
        EXPECT_TRUE(RunUntil([&] { return guest.Finished(); }));
        return guest.Messages();
    };

    // Nobody listens on a port that was just free.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const int closedPort = probe.serverPort();
    probe.close();
    EXPECT_EQ(join(closedPort), std::vector<std::string>{"No game is hosted at 127.0.0.1."});

    // Every remote slot is taken.
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote};
    HostMachine machine("Skirmish", setup);
    RawGuest first(machine.Port());
    first.Introduce();
    first.Send(Frame(kSetup, "P1"));
    ASSERT_TRUE(RunUntil([&] { return first.Count(kSetup, "P") >= 1; }));
    EXPECT_EQ(join(machine.Port()), std::vector<std::string>{"The game at 127.0.0.1 is full."});
}

} // namespace
} // namespace marovane
