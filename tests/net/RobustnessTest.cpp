// A host keeps serving its good guests whatever another guest does to it.
#include "net/Framing.h"

#include "net/NetFixture.h"

#include <QDir>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <set>

namespace marovane::net::test {
namespace {

using namespace std::string_literals;

class Robustness : public NetTest {
protected:
    // A raw socket that has joined the host; its index is the last joined.
    std::unique_ptr<QTcpSocket> RawGuest() {
        auto socket = std::make_unique<QTcpSocket>();
        const long before = JoinedCount();
        socket->connectToHost("127.0.0.1", static_cast<quint16>(port));
        EXPECT_TRUE(WaitFor([&] { return JoinedCount() > before; }));
        return socket;
    }

    static void Write(QTcpSocket& socket, const std::string& bytes) {
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket.flush();
    }

    // The good guest still talks to the host, both ways.
    void ExpectGoodGuestServed(Guest& good, const std::string& word) {
        good.link.SendData(word);
        host.SendData(good.index, word);
        EXPECT_TRUE(WaitFor([&] {
            return hostLog.Has("data " + std::to_string(good.index) + " " + word) &&
                   good.log.Has("data " + word);
        })) << word;
        EXPECT_TRUE(good.link.IsConnected());
    }

    static std::set<std::string> TemporaryFiles() {
        std::set<std::string> names;
        for (const QString& name :
             QDir(QDir::tempPath()).entryList({QStringLiteral("NG*")}, QDir::Files))
            names.insert(name.toStdString());
        return names;
    }
};

TEST_F(Robustness, GuestsThatSendGarbageOrTooMuchAreClosedAndTheOthersServed) {
    host.SetMaxConnections(8);
    Guest& good = Join();
    ExpectGoodGuestServed(good, "start");

    // Noise without a frame mark is dropped; the guest stays.
    auto noisy = RawGuest();
    const int noisyIndex = LastJoined();
    Write(*noisy, std::string(200000, 'n') + "\x00\x01\x02"s);
    ExpectGoodGuestServed(good, "after noise");
    EXPECT_EQ(hostLog.About(noisyIndex), std::vector<std::string>{"joined 2"});

    // A message that never ends, a file too long, a length that is no number.
    const std::vector<std::string> abuses = {
        "\xFF\xFE" + std::string(kMaxFrameBytes + 10, 'a'),
        "\xFF\xFD"
        "big       99999999\xFF"s,
        "\xFF\xFD"
        "name      12x4\xFF"s,
    };
    for (std::size_t i = 0; i < abuses.size(); ++i) {
        const std::string& abuse = abuses[i];
        const std::size_t start = hostLog.Log.size();
        auto socket = RawGuest();
        const int index = LastJoined();
        Write(*socket, abuse);
        ASSERT_TRUE(WaitFor([&] { return hostLog.Log.size() == start + 3; }));
        EXPECT_EQ(std::vector<std::string>(hostLog.Log.begin() + static_cast<long>(start),
                                           hostLog.Log.end()),
                  (std::vector<std::string>{"joined " + std::to_string(index),
                                            "error " + std::to_string(index) + " 1002",
                                            "left " + std::to_string(index)}));
        EXPECT_TRUE(WaitFor([&] { return socket->state() == QAbstractSocket::UnconnectedState; }));
        ExpectGoodGuestServed(good, "after abuse " + std::to_string(i));
    }
    EXPECT_EQ(hostLog.Errors.size(), abuses.size());
    EXPECT_EQ(hostLog.Errors.back().Source, "NetGroup");
    EXPECT_FALSE(hostLog.Errors.back().Description.empty());
    EXPECT_TRUE(hostLog.Files.empty());
}

TEST_F(Robustness, AGuestThatDropsInTheMiddleOfAFileLeavesNothingBehind) {
    // A temporary folder of this test's own, so that no other test's files are counted.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const bool systemFolderSet = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray systemFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", folder.path().toLocal8Bit());
    ASSERT_EQ(QDir(QDir::tempPath()), QDir(folder.path()));

    Guest& good = Join();
    auto leaver = RawGuest();
    const int index = LastJoined();
    Write(*leaver, "\xFF\xFDhalf.def  1000\xFF"s + Pattern(500));
    // The partial file is being written.
    const bool started = WaitFor([&] { return TemporaryFiles().size() == 1; });
    leaver->abort();
    const bool left = WaitFor([&] { return hostLog.Has("left " + std::to_string(index)); });
    const std::set<std::string> remaining = TemporaryFiles();
    // Put back as it was: an empty TMPDIR is not the same as none, and later tests would fail.
    if (systemFolderSet)
        qputenv("TMPDIR", systemFolder);
    else
        qunsetenv("TMPDIR");

    EXPECT_TRUE(started);
    EXPECT_TRUE(left);
    EXPECT_TRUE(remaining.empty());
    EXPECT_TRUE(hostLog.Files.empty());
    ExpectGoodGuestServed(good, "after the half file");
}

TEST_F(Robustness, ASilentGuestStaysAndBlocksNobody) {
    host.SetMaxConnections(3);
    auto silent = RawGuest();
    const int silentIndex = LastJoined();
    Guest& good = Join();
    ExpectGoodGuestServed(good, "hello");
    host.SendData(0, "to all");
    ASSERT_TRUE(WaitFor([&] { return good.log.Has("data to all"); }));
    EXPECT_EQ(host.Connections(), 2);
    EXPECT_EQ(hostLog.About(silentIndex), std::vector<std::string>{"joined 1"});

    // It goes without a word: just its socket closing.
    silent->abort();
    ASSERT_TRUE(WaitFor([&] { return hostLog.Has("left 1"); }));
    EXPECT_EQ(host.Connections(), 1);
    ExpectGoodGuestServed(good, "still");
}

} // namespace
} // namespace marovane::net::test
