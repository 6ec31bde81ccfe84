// A NetHost and a NetClient driven by a peer that writes and checks the bytes of the wire format
// by hand, from the frame table, so that our two sides cannot agree on a mistake.
#include "net/NetFixture.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace marovane::net::test {
namespace {

using namespace std::string_literals;

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A plain socket: writes what it is given and collects everything it receives.
class RawPeer {
public:
    explicit RawPeer(QTcpSocket* socket) : socket_(socket) {
        QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this] {
            const QByteArray bytes = socket_->readAll();
            received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        });
    }
    void Write(const std::string& bytes) {
        socket_->write(Bytes(bytes));
        socket_->flush();
    }
    // Waits until everything received so far is exactly `expected`.
    bool Receives(const std::string& expected) {
        return WaitFor([&] { return received.size() >= expected.size(); }) && received == expected;
    }
    // Connects to the host and waits for its accept frame; what comes afterwards is received
    // from empty.
    bool Joins(int port) {
        socket_->connectToHost("127.0.0.1", static_cast<quint16>(port));
        const bool accepted = Receives("\xFF\xF9\xFF\xFF"s);
        received.clear();
        return accepted;
    }
    bool Closed() {
        return WaitFor([&] { return socket_->state() == QAbstractSocket::UnconnectedState; });
    }

    std::string received;

private:
    QTcpSocket* socket_;
};

TEST_F(NetTest, AHostReadsAndWritesTheBytesOfTheFrameTable) {
    QTcpSocket socket;
    RawPeer peer(&socket);
    socket.connectToHost("127.0.0.1", static_cast<quint16>(port));
    ASSERT_TRUE(WaitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }));

    // The accept frame, and our extra mark after it.
    ASSERT_TRUE(peer.Receives("\xFF\xF9\xFF\xFF"s));
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("joined 1"); }));

    // Title and version as a peer sends them that does not add an extra mark: the last 0xFF is
    // taken as a mark after a moment of quiet.
    peer.Write("\xFF\xFAMarovane\xFF\xFB"
               "1.0\xFF"s);
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("version 1 1.0"); }));
    EXPECT_EQ(hostLog.About(1),
              (std::vector<std::string>{"joined 1", "title 1 Marovane", "version 1 1.0"}));

    // An escaped 0xFF split between two writes, the 0x00 coming a moment later: it is a data
    // byte, not a mark.
    peer.Write("\xFF\xFC"
               "c\xFF"s);
    QTest::qWait(10);
    peer.Write("\x00\xFF"s);
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("setup 1 c\xFF"s); }));

    // A file by hand: header, raw bytes beginning with 0x00 and holding 0xFF, then a frame.
    peer.Write("\xFF\xFDscen.def  5\xFF"s);
    peer.Write("\x00\x01\xFF\x02\x03\xFF\xFE"
               "after\xFF"s);
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("data 1 after"); }));
    ASSERT_EQ(hostLog.Files.size(), 1u);
    EXPECT_EQ(hostLog.Files[0].Name, "scen.def");
    EXPECT_EQ(hostLog.Files[0].Contents, "\x00\x01\xFF\x02\x03"s);

    // What the host sends, byte for byte.
    peer.received.clear();
    host.SendData(1, "x\xFFy"s);
    host.SendSetupInfo(1, "S");
    host.SendProperTitle(1, "T");
    host.SendProperVersion(1, "2.0");
    ASSERT_TRUE(peer.Receives("\xFF\xFEx\xFF\x00y\xFF\xFF"
                              "\xFF\xFCS\xFF\xFF"
                              "\xFF\xFAT\xFF\xFF"
                              "\xFF\xFB"
                              "2.0\xFF\xFF"s));

    peer.received.clear();
    host.Kick(1);
    ASSERT_TRUE(peer.Receives("\xFF\xF8\xFF\xFF"s));
    EXPECT_TRUE(peer.Closed());
    EXPECT_EQ(hostLog.Log.back(), "left 1");
}

TEST_F(NetTest, WhatTheHostWritesWhileHandlingAMessageLeavesInOrderByteForByte) {
    // Written while a guest's message is handled, two messages leave together as the same bytes
    // they are one by one, and a file or a goodbye written after them follows them.
    QTcpSocket socket;
    RawPeer peer(&socket);
    ASSERT_TRUE(peer.Joins(port));
    QTemporaryDir folder;
    const std::filesystem::path path = std::filesystem::path(folder.path().toStdString()) / "f";
    WriteFile(path, "abc");
    hostLog.OnData = [&](int index, const std::string& data) {
        host.SendData(index, "one");
        host.SendData(0, "two\xFF"s);
        if (data == "file")
            host.SendFile(index, path, "f");
        if (data == "bye")
            host.Kick(index);
    };
    const std::string answers = "\xFF\xFEone\xFF\xFF\xFF\xFEtwo\xFF\x00\xFF\xFF"s;
    for (const auto& [message, after] : {std::pair{"hi"s, ""s},
                                         std::pair{"file"s, "\xFF\xFD"
                                                            "f         3\xFF"
                                                            "abc\xFF"s},
                                         std::pair{"bye"s, "\xFF\xF8\xFF\xFF"s}}) {
        peer.received.clear();
        peer.Write("\xFF\xFE" + message + "\xFF\xFF");
        EXPECT_TRUE(peer.Receives(answers + after)) << message;
    }
    EXPECT_TRUE(peer.Closed());
}

TEST_F(NetTest, NewsLeavesWithTheNextMessageOrAMomentLaterAndNeverOvertakes) {
    QTcpSocket socket;
    RawPeer peer(&socket);
    ASSERT_TRUE(peer.Joins(port));
    host.SendNews(1, "n1");
    EXPECT_TRUE(peer.Receives("\xFF\xFEn1\xFF\xFF"s)) << "alone, a moment later";

    peer.received.clear();
    host.SendNews(0, "n2");
    host.SendData(1, "now");
    EXPECT_TRUE(peer.Receives("\xFF\xFEn2\xFF\xFF\xFF\xFEnow\xFF\xFF"s));

    peer.received.clear();
    host.SendNews(1, "n3");
    host.Kick(1);
    EXPECT_TRUE(peer.Receives("\xFF\xFEn3\xFF\xFF\xFF\xF8\xFF\xFF"s));
}

TEST_F(NetTest, AHostSendsAFileAsHeaderAndRawBytes) {
    QTcpSocket socket;
    RawPeer peer(&socket);
    ASSERT_TRUE(peer.Joins(port));

    QTemporaryDir folder;
    const std::filesystem::path path =
        std::filesystem::path(folder.path().toStdString()) / "Game.def";
    const std::string contents = Pattern(2060);
    WriteFile(path, contents);
    host.SendFile(1, path, "Game on Someone.def");
    ASSERT_TRUE(peer.Receives("\xFF\xFDGame on So2060\xFF"s + contents + "\xFF"));
}

TEST_F(NetTest, AGuestThatSaysGoodbyeLeaves) {
    QTcpSocket socket;
    RawPeer peer(&socket);
    socket.connectToHost("127.0.0.1", static_cast<quint16>(port));
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("joined 1"); }));
    peer.Write("\xFF\xFE"
               "bye\xFF\xF8\xFF\xFF"s);
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("left 1"); }));
    EXPECT_EQ(hostLog.About(1), (std::vector<std::string>{"joined 1", "data 1 bye", "left 1"}));
    EXPECT_TRUE(peer.Closed());
    EXPECT_EQ(host.Connections(), 0);
}

TEST(NetClientRaw, AGuestIntroducesItselfAndReadsTheHostsBytes) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    GuestRecorder log;
    NetClient guest;
    guest.SetEvents(&log);
    guest.Connect("127.0.0.1", server.serverPort(), "Marovane", "1.0");
    ASSERT_TRUE(WaitFor([&] { return server.hasPendingConnections(); }));
    QTcpSocket* socket = server.nextPendingConnection();
    RawPeer peer(socket);

    // Title and version in one write, then our extra mark.
    ASSERT_TRUE(peer.Receives("\xFF\xFAMarovane\xFF\xFF\xFB"
                              "1.0\xFF\xFF"s));
    EXPECT_TRUE(log.Has("connected"));

    // A host that sends no extra mark, a refusal, an escaped byte split across writes, setup
    // and a file right behind its header, then a kick.
    peer.Write("\xFF\xF9\xFF\xFA"
               "Other\xFF"s);
    ASSERT_TRUE(WaitFor([&] { return log.Has("title Other"); }));
    peer.Write("\xFF\xFE\xFF"s);
    QTest::qWait(10);
    peer.Write("\x00\xFF\xFC"
               "s\xFF\xFDtiny      2\xFF\x00\xFF"s);
    ASSERT_TRUE(WaitFor([&] { return log.Has("file tiny"); }));
    EXPECT_EQ(log.Log, (std::vector<std::string>{"connected", "title Other", "data \xFF"s,
                                                 "setup s", "file tiny"}));
    EXPECT_EQ(log.Files[0].Contents, "\x00\xFF"s);

    peer.received.clear();
    guest.SendData("\xFF");
    guest.SendSetupInfo("P1");
    ASSERT_TRUE(peer.Receives("\xFF\xFE\xFF\x00\xFF\xFF"
                              "\xFF\xFCP1\xFF\xFF"s));

    peer.Write("\xFF\xF8\xFF"s);
    socket->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return log.Has("dropped"); }));
    EXPECT_EQ(log.Count("dropped"), 1);
    EXPECT_FALSE(guest.IsConnected());
}

} // namespace
} // namespace marovane::net::test
