#pragma once

#include "net/NetLinks.h"
#include "net/qt/StreamConnection.h"

#include <QAbstractSocket>
#include <QObject>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace marovane::net {

// The hosting side on Qt sockets: listens on LocalPort and keeps one connection per guest in
// numbered slots 1..N. A slot is never destroyed, only closed and reused by the next guest.
//
// Every event may call back into the host: send, kick, stop, even begin again. After each event
// the host looks again at what is left before it goes on, and a socket closed from inside an event
// is never touched again. The owner must not delete the host from inside an event.
class NetHost : public QObject, public HostLink {
public:
    explicit NetHost(QObject* parent = nullptr);
    ~NetHost() override;

    void SetEvents(HostEvents* events) override { events_ = events; }
    bool BeginHost() override;
    void StopHost() override;
    void Kick(int index) override;
    void SendData(int index, std::string_view data) override;
    void SendNews(int index, std::string_view data) override;
    void SendSetupNews(int index, std::string_view data) override;
    void HoldSends() override { ++handling_; }
    void ReleaseSends() override;
    void SendSetupInfo(int index, std::string_view data) override;
    void SendProperTitle(int index, std::string_view title) override;
    void SendProperVersion(int index, std::string_view version) override;
    void SendFile(int index, const std::filesystem::path& path,
                  std::string_view remoteName) override;
    int LocalPort() const override;
    void SetLocalPort(int port) override;
    int MaxConnections() const override { return maxConnections_; }
    void SetMaxConnections(int count) override { maxConnections_ = count; }
    int Connections() const override;
    bool Hosting() const override { return hosting_; }
    std::string ClientIP(int index) const override;
    std::string HostIP() const override;
    int EnumClients(bool first) override;

private:
    struct Guest : StreamConnection {
        std::uint64_t connection = 0; // tells this slot's successive guests apart
        // What was written to this guest while a guest's message was being handled: it leaves
        // in one piece when the handling is done or the event loop runs again. News alone (see
        // SendNews) waits for the next message or the news timer.
        std::string held;
        bool heldMustLeave = false;
    };

    // The guest in slot index if it is still the given connection, else null.
    Guest* Current(int index, std::uint64_t connection) const;
    bool IsConnected(int index) const;
    int FreeSlot() const;
    bool OverLimit(int slot) const;

    void OnNewConnection();
    void Open(int slot, QTcpSocket* socket);
    // Reads what the socket holds and raises the events in it; judgeMark counts a 0xFF left at
    // the end as a frame mark.
    void Pump(int index, std::uint64_t connection, bool judgeMark);
    void Dispatch(int index, std::uint64_t connection, IncomingStream::Message message);
    void OnClosed(int index, std::uint64_t connection);
    void OnError(int index, std::uint64_t connection, QAbstractSocket::SocketError error);
    // Closes the slot; a graceful close lets what was written still leave.
    void Close(int index, bool graceful);
    void CloseAndReport(int index, bool graceful);

    template <typename Each> void ForTargets(int index, Each each);
    enum class Urgency { Now, MayWait };
    void SendFrame(int index, FrameType type, std::string_view payload,
                   Urgency urgency = Urgency::Now);
    // Writes to the guest at once, or holds the bytes while a guest's message is being handled,
    // or while they are news.
    void Write(Guest& guest, std::string_view bytes, Urgency urgency);
    // Sends what is held for one guest (news alone only when `evenNews`), for every guest.
    void SendHeld(Guest& guest, bool evenNews = true);
    void SendHeld(bool evenNews = false);
    // Guests that leave more than kMaxQueuedBytes unread are closed as too slow; the others go on.
    void CloseSlowGuests();

    HostEvents* events_ = nullptr;
    QTcpServer* server_ = nullptr;
    QTimer* newsTimer_ = nullptr;                // sends the news held for any guest
    std::vector<std::unique_ptr<Guest>> guests_; // slot i is guests_[i - 1]
    int localPort_ = 0;
    int maxConnections_ = 1;
    bool hosting_ = false;
    int cursor_ = 0;
    std::uint64_t connections_ = 0;
    int handling_ = 0; // guests' messages being handled and bursts held (HoldSends), nested
    bool heldSentByLoop_ = false;
    bool sentHeld_ = false; // held bytes went out since the last look for slow guests
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace marovane::net
