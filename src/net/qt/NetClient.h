#pragma once

#include "net/NetLinks.h"
#include "net/qt/StreamConnection.h"

#include <QAbstractSocket>
#include <QObject>

#include <cstdint>
#include <memory>

class QTcpSocket;
class QTimer;

namespace marovane::net {

// The guest's side on a Qt socket: one connection to the host. On connecting it introduces
// itself with the program's title and version. Every close raises Dropped: the host's, an error's,
// and the owner's Disconnect, which raises it even when nothing was open.
//
// Every event may call back into the guest (send, disconnect, connect again); a socket closed
// from inside an event is never touched again. The owner must not delete the guest from inside an
// event.
class NetClient : public QObject, public GuestLink {
public:
    explicit NetClient(QObject* parent = nullptr);
    ~NetClient() override;

    void SetEvents(GuestEvents* events) override { events_ = events; }
    void Connect(const std::string& host, int port, const std::string& title,
                 const std::string& version) override;
    void Disconnect() override;
    void SendData(std::string_view data) override;
    void SendSetupInfo(std::string_view data) override;
    void SendFile(const std::filesystem::path& path, std::string_view remoteName) override;
    bool IsConnected() const override;
    bool Busy() const override;
    std::string HostIP() const override;

    // How long a connection attempt may take before it is given up (10 seconds unless a test
    // says otherwise).
    void SetConnectTimeout(int ms) { connectTimeoutMs_ = ms; }

private:
    bool Current(std::uint64_t connection) const {
        return link_.socket && connection_ == connection;
    }
    void OnConnected(std::uint64_t connection);
    void Pump(std::uint64_t connection, bool judgeMark);
    void Dispatch(std::uint64_t connection, IncomingStream::Message message);
    void OnClosed(std::uint64_t connection);
    void OnError(std::uint64_t connection, QAbstractSocket::SocketError error);
    // Lets go of the socket (what was written still leaves) and raises Dropped.
    void CloseAndReport(bool graceful);
    void Send(FrameType type, std::string_view payload);
    // A host that leaves more than kMaxQueuedBytes unread is given up, as too slow.
    void CloseIfHostTooSlow();

    GuestEvents* events_ = nullptr;
    StreamConnection link_; // its socket is null while closed
    std::uint64_t connection_ = 0;
    bool connected_ = false;
    std::string title_;
    std::string version_;
    int connectTimeoutMs_ = 10000;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace marovane::net
