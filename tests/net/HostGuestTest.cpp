// A NetHost and NetClient guests talking over 127.0.0.1.
#include "net/Framing.h"
#include "net/qt/SocketTools.h"

#include "net/NetFixture.h"

#include <QTemporaryDir>

namespace marovane::net::test {
namespace {

using namespace std::string_literals;

TEST_F(NetTest, AGuestIntroducesItselfAndTextsWithEveryByteArriveUnchanged) {
    Guest& guest = Join();
    EXPECT_EQ(guest.index, 1);
    EXPECT_EQ(hostLog.About(1),
              (std::vector<std::string>{"joined 1", "title 1 Marovane", "version 1 1.0"}));
    EXPECT_TRUE(guest.link.IsConnected());
    EXPECT_FALSE(guest.link.Busy());
    EXPECT_EQ(guest.link.HostIP(), "127.0.0.1");
    EXPECT_EQ(host.ClientIP(1), "127.0.0.1");
    EXPECT_EQ(host.ClientIP(2), "");

    // Every byte value, 0xFF among them and as the last byte, both ways.
    const std::string every = Pattern(1000) + "\xFF\xFF\x00\xFF"s;
    host.SendData(1, every);
    host.SendSetupInfo(1, "\xFF");
    guest.link.SendData(every);
    guest.link.SendSetupInfo("T\xFF"s);
    ASSERT_TRUE(
        WaitFor([&] { return guest.log.Has("setup \xFF") && hostLog.Has("setup 1 T\xFF"); }));
    EXPECT_EQ(guest.log.Log,
              (std::vector<std::string>{"connected", "data " + every, "setup \xFF"}));
    EXPECT_TRUE(hostLog.Has("data 1 " + every));

    // The host turns away a wrong title or version with its own.
    host.SendProperTitle(1, "Marovane");
    host.SendProperVersion(1, "2.5");
    ASSERT_TRUE(WaitFor([&] { return guest.log.Has("version 2.5"); }));
    EXPECT_TRUE(guest.log.Has("title Marovane"));
}

TEST_F(NetTest, FilesOfEverySizeArriveWholeAndTheTemporaryFileIsGoneAfterTheEvent) {
    Guest& guest = Join();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::vector<std::size_t> sizes = {0, 1, 65000, 65001, 150000};
    for (std::size_t size : sizes) {
        const std::filesystem::path path =
            std::filesystem::path(folder.path().toStdString()) / ("f" + std::to_string(size));
        WriteFile(path, Pattern(size));
        host.SendFile(1, path, "Game on Host.def");
        guest.link.SendFile(path, "up" + std::to_string(size));
    }
    // A message after the last file arrives after it.
    host.SendData(1, "after");
    guest.link.SendData("after");
    ASSERT_TRUE(
        WaitFor([&] { return guest.log.Has("data after") && hostLog.Has("data 1 after"); }));

    ASSERT_EQ(guest.log.Files.size(), sizes.size());
    ASSERT_EQ(hostLog.Files.size(), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(sizes[i]);
        for (const ReceivedFile* file : {&guest.log.Files[i], &hostLog.Files[i]}) {
            EXPECT_EQ(file->Contents, Pattern(sizes[i]));
            EXPECT_EQ(file->OnDisk, Pattern(sizes[i]));
            // A peer's bytes are nobody else's business on this machine.
            EXPECT_EQ(file->Permissions &
                          (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
                      std::filesystem::perms::none);
            EXPECT_TRUE(file->Path.filename().string().starts_with("NG"));
            EXPECT_EQ(file->Path.parent_path(),
                      std::filesystem::path(QDir::tempPath().toStdString()));
            EXPECT_FALSE(std::filesystem::exists(file->Path));
        }
        EXPECT_EQ(guest.log.Files[i].Name, "Game on Ho");
        EXPECT_EQ(hostLog.Files[i].Name, "up" + std::to_string(sizes[i]));
    }
    EXPECT_EQ(guest.log.Log.back(), "data after");
}

TEST_F(NetTest, AFileThatCannotBeSentIsReportedAndNothingIsSent) {
    Guest& guest = Join();
    QTemporaryDir folder;
    const std::filesystem::path big = std::filesystem::path(folder.path().toStdString()) / "big";
    WriteFile(big, std::string(kMaxFileLength + 1, 'b'));
    host.SendFile(1, big, "big");
    host.SendFile(1, "/no/such/file", "none");
    guest.link.SendFile(big, "big");
    host.SendData(1, "still here");
    guest.link.SendData("still here");
    ASSERT_TRUE(WaitFor(
        [&] { return guest.log.Has("data still here") && hostLog.Has("data 1 still here"); }));
    EXPECT_EQ(hostLog.Count("error 1 " + std::to_string(kErrorFileNotSent)), 2);
    EXPECT_TRUE(guest.log.Has("error " + std::to_string(kErrorFileNotSent)));
    EXPECT_TRUE(guest.log.Files.empty());
    EXPECT_TRUE(hostLog.Files.empty());
    EXPECT_TRUE(guest.link.IsConnected());
}

TEST_F(NetTest, AKickedGuestIsDroppedAndItsSlotIsReused) {
    Guest& first = Join();
    Guest& second = Join();
    ASSERT_EQ(second.index, 2);
    host.SendData(1, "last words");
    host.Kick(1);
    // The host counts the guest gone at once; the guest still gets what was sent before.
    EXPECT_EQ(hostLog.Log.back(), "left 1");
    EXPECT_EQ(host.Connections(), 1);
    ASSERT_TRUE(WaitFor([&] { return first.log.Has("dropped"); }));
    EXPECT_TRUE(first.log.Has("data last words"));
    EXPECT_FALSE(first.link.IsConnected());
    EXPECT_EQ(hostLog.Count("left 1"), 1);

    Guest& third = Join();
    EXPECT_EQ(third.index, 1);
    EXPECT_EQ(host.Connections(), 2);

    // StopHost kicks everyone and stops listening.
    host.StopHost();
    EXPECT_FALSE(host.Hosting());
    EXPECT_EQ(host.Connections(), 0);
    ASSERT_TRUE(WaitFor([&] { return second.log.Has("dropped") && third.log.Has("dropped"); }));
    EXPECT_EQ(hostLog.Count("left 1"), 2);
    EXPECT_EQ(hostLog.Count("left 2"), 1);
    // Kicking an empty or unknown slot raises nothing.
    const std::size_t before = hostLog.Log.size();
    host.Kick(1);
    host.Kick(7);
    host.Kick(-1);
    EXPECT_EQ(hostLog.Log.size(), before);
}

TEST_F(NetTest, AGuestThatLeavesOrDisconnectsIsReportedOnce) {
    Guest& first = Join();
    Guest& second = Join();
    first.link.Disconnect();
    EXPECT_EQ(first.log.Log.back(), "dropped");
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("left 1"); }));
    EXPECT_FALSE(first.link.IsConnected());
    // Sending while not connected does nothing.
    first.link.SendData("nobody listens");

    // The EnumClients walk with slot 1 closed and slot 2 connected.
    EXPECT_EQ(host.EnumClients(true), 2);
    EXPECT_EQ(host.EnumClients(false), 0);
    EXPECT_EQ(host.EnumClients(true), 2);

    // Connecting again works from the same guest object.
    first.link.Connect("127.0.0.1", port, kTitle, kVersion);
    ASSERT_TRUE(WaitFor([&] { return hostLog.Count("version 1 1.0") == 2; }));
    EXPECT_EQ(host.EnumClients(true), 1);
    EXPECT_EQ(host.EnumClients(false), 2);
    EXPECT_EQ(host.EnumClients(false), 0);
    EXPECT_EQ(host.Connections(), 2);
    EXPECT_EQ(hostLog.Count("left 1"), 1);
    EXPECT_FALSE(hostLog.Has("data 1 nobody listens"));
    (void)second;
}

TEST_F(NetTest, TheConnectionLimitTurnsAwayTheGuestAfterAskingOnce) {
    host.SetMaxConnections(2);
    Join();
    Join();
    GuestRecorder log;
    NetClient third;
    third.SetEvents(&log);
    third.Connect("127.0.0.1", port, kTitle, kVersion);
    ASSERT_TRUE(WaitFor([&] { return log.Has("dropped"); }));
    EXPECT_EQ(hostLog.Count("max"), 1);
    EXPECT_FALSE(hostLog.Has("joined 3"));
    EXPECT_EQ(host.Connections(), 2);
    EXPECT_FALSE(log.Has("data"));

    // The owner may raise the limit when asked.
    hostLog.OnMax = [&] { host.SetMaxConnections(3); };
    GuestRecorder lateLog;
    NetClient late;
    late.SetEvents(&lateLog);
    late.Connect("127.0.0.1", port, kTitle, kVersion);
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("version 3 1.0"); }));
    EXPECT_EQ(hostLog.Count("max"), 2);
    EXPECT_EQ(host.Connections(), 3);
}

TEST_F(NetTest, AnIndexChoosesOneGuestEveryGuestOrEveryGuestButOne) {
    Guest& one = Join();
    Guest& two = Join();
    Guest& three = Join();
    host.SendData(-2, "not two");
    host.SendData(2, "only two");
    host.SendSetupInfo(0, "all");
    host.SendData(9, "nobody");
    ASSERT_TRUE(WaitFor([&] {
        return one.log.Has("setup all") && two.log.Has("setup all") && three.log.Has("setup all");
    }));
    EXPECT_EQ(one.log.Log, (std::vector<std::string>{"connected", "data not two", "setup all"}));
    EXPECT_EQ(two.log.Log, (std::vector<std::string>{"connected", "data only two", "setup all"}));
    EXPECT_EQ(three.log.Log, (std::vector<std::string>{"connected", "data not two", "setup all"}));
}

TEST_F(NetTest, ThePortCannotChangeWhileListeningAndAPortInUseIsReported) {
    host.SetLocalPort(4321);
    ASSERT_EQ(hostLog.Errors.size(), 1u);
    EXPECT_EQ(hostLog.Errors[0].Number, kErrorPortWhileListening);
    EXPECT_EQ(hostLog.Errors[0].Source, "NetGroup");
    EXPECT_EQ(hostLog.Errors[0].Description, "Cannot change port while listening.");
    EXPECT_EQ(host.LocalPort(), port);

    NetHost second;
    HostRecorder secondLog;
    second.SetEvents(&secondLog);
    second.SetLocalPort(port);
    EXPECT_EQ(second.LocalPort(), port);
    EXPECT_FALSE(second.BeginHost());
    EXPECT_FALSE(second.Hosting());
    ASSERT_EQ(secondLog.Errors.size(), 1u);
    EXPECT_EQ(secondLog.Errors[0].Number, kErrorAddressInUse);
    EXPECT_FALSE(secondLog.Errors[0].Description.empty());

    // Once the first host stops, the port is free for the second.
    host.StopHost();
    host.SetLocalPort(port + 1);
    EXPECT_EQ(hostLog.Errors.size(), 1u);
    EXPECT_TRUE(second.BeginHost());
    EXPECT_EQ(second.LocalPort(), port);
}

TEST(NetClientAlone, ARefusedConnectionRaisesErrorThenDropped) {
    // A port that was free a moment ago: nothing listens there.
    NetHost probe;
    probe.SetLocalPort(0);
    ASSERT_TRUE(probe.BeginHost());
    const int port = probe.LocalPort();
    probe.StopHost();

    GuestRecorder log;
    NetClient guest;
    guest.SetEvents(&log);
    guest.Connect("127.0.0.1", port, kTitle, kVersion);
    EXPECT_TRUE(guest.Busy());
    ASSERT_TRUE(WaitFor([&] { return log.Has("dropped"); }));
    EXPECT_EQ(log.Log, (std::vector<std::string>{"error 10061", "dropped"}));
    EXPECT_FALSE(guest.Busy());
    EXPECT_FALSE(guest.IsConnected());
}

TEST_F(NetTest, EventsMayKickAndSendFromInside) {
    // The host answers a version at once, and kicks whoever sends "bye" in the middle of a
    // burst: nothing more of that guest is reported after it left.
    hostLog.OnVersion = [&](int index, const std::string&) { host.SendData(index, "welcome"); };
    hostLog.OnData = [&](int index, const std::string& data) {
        if (data == "bye")
            host.Kick(index);
    };
    Guest& stays = Join();
    Guest& goes = Join();
    ASSERT_TRUE(WaitFor([&] { return goes.log.Has("data welcome"); }));
    goes.link.SendData("one");
    goes.link.SendData("bye");
    goes.link.SendData("never seen");
    ASSERT_TRUE(WaitFor([&] { return goes.log.Has("dropped"); }));
    EXPECT_EQ(hostLog.About(2),
              (std::vector<std::string>{"joined 2", "title 2 Marovane", "version 2 1.0",
                                        "data 2 one", "data 2 bye", "left 2"}));
    stays.link.SendData("still here");
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("data 1 still here"); }));
    EXPECT_TRUE(stays.log.Has("data welcome"));

    // The host kicks the guest that sent a file while the file is handed over: the file stays
    // readable until the event returns.
    QTemporaryDir folder;
    const std::filesystem::path path = std::filesystem::path(folder.path().toStdString()) / "s";
    WriteFile(path, Pattern(3000));
    hostLog.BeforeFile = [&](int index) { host.Kick(index); };
    Guest& sender = Join();
    sender.link.SendFile(path, "s");
    sender.link.SendData("never seen");
    ASSERT_TRUE(WaitFor([&] { return sender.log.Has("dropped"); }));
    ASSERT_EQ(hostLog.Files.size(), 1u);
    EXPECT_EQ(hostLog.Files[0].Contents, Pattern(3000));
    EXPECT_FALSE(std::filesystem::exists(hostLog.Files[0].Path));
    EXPECT_EQ(hostLog.About(sender.index).back(), "left " + std::to_string(sender.index));
    EXPECT_FALSE(hostLog.Has("data " + std::to_string(sender.index) + " never seen"));

    // A guest that disconnects from inside its own event.
    stays.log.OnData = [&](const std::string&) { stays.link.Disconnect(); };
    host.SendData(1, "go");
    host.SendData(1, "unseen");
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("left 1"); }));
    EXPECT_EQ(stays.log.Count("dropped"), 1);
    EXPECT_FALSE(stays.log.Has("data unseen"));
}

} // namespace
} // namespace marovane::net::test
