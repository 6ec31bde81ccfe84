#include "net/qt/NetClient.h"

#include "net/Framing.h"
#include "net/qt/SocketTools.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace marovane::net {

NetClient::NetClient(QObject* parent) : QObject(parent) {
    link_.MakeQuietTimer(this, [this] { Pump(connection_, true); });
}

NetClient::~NetClient() {
    *alive_ = false;
    if (link_.socket) {
        QObject::disconnect(link_.socket, nullptr, this, nullptr);
        link_.socket->abort();
    }
}

void NetClient::Connect(const std::string& host, int port, const std::string& title,
                        const std::string& version) {
    if (link_.socket)
        return;
    title_ = title;
    version_ = version;
    link_.incoming.Reset();
    link_.reading = false;
    link_.socket = new QTcpSocket(this);
    const std::uint64_t connection = ++connection_;
    connect(link_.socket, &QTcpSocket::connected, this,
            [this, connection] { OnConnected(connection); });
    connect(link_.socket, &QTcpSocket::readyRead, this,
            [this, connection] { Pump(connection, false); });
    connect(link_.socket, &QTcpSocket::disconnected, this,
            [this, connection] { OnClosed(connection); });
    connect(link_.socket, &QTcpSocket::errorOccurred, this,
            [this, connection](QAbstractSocket::SocketError error) { OnError(connection, error); });
    // Unbuffered: the socket is read when it has bytes, once, straight into the stream reader,
    // rather than asked how much it holds and read into a buffer of Qt's first.
    link_.socket->connectToHost(
        QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())),
        static_cast<quint16>(port), QIODevice::ReadWrite | QIODevice::Unbuffered);
    // A host that neither takes nor refuses the connection is given up after a while.
    QTimer::singleShot(connectTimeoutMs_, this, [this, connection] {
        if (!Current(connection) || connected_)
            return;
        const std::shared_ptr<bool> alive = alive_;
        if (events_)
            events_->Error(
                OwnError(kErrorTimedOut, Tx("Network", "The host did not answer in time.")));
        if (*alive && Current(connection))
            CloseAndReport(false);
    });
}

void NetClient::Disconnect() {
    if (link_.socket) {
        CloseAndReport(true);
    } else {
        connected_ = false;
        if (events_)
            events_->Dropped();
    }
}

void NetClient::Send(FrameType type, std::string_view payload) {
    if (!IsConnected())
        return;
    std::string bytes = EncodeFrame(type, payload);
    if (!FrameFits(bytes)) {
        if (events_)
            events_->Error(TooLongToSend(bytes.size()));
        return;
    }
    bytes += kFrameMark;
    WriteBytes(*link_.socket, bytes);
    CloseIfHostTooSlow();
}

void NetClient::CloseIfHostTooSlow() {
    if (!link_.socket || static_cast<std::size_t>(link_.socket->bytesToWrite()) <= kMaxQueuedBytes)
        return;
    const std::shared_ptr<bool> alive = alive_;
    if (events_)
        events_->Error(
            OwnError(kErrorTooSlow, Tx("Network", "The host does not read what it is sent.")));
    if (*alive && link_.socket)
        CloseAndReport(false);
}

void NetClient::SendData(std::string_view data) {
    Send(kDataFrame, data);
}

void NetClient::SendSetupInfo(std::string_view data) {
    Send(kSetupFrame, data);
}

void NetClient::SendFile(const std::filesystem::path& path, std::string_view remoteName) {
    if (!IsConnected())
        return;
    NetError error;
    const std::optional<std::string> contents = ReadFileToSend(path, error);
    if (!contents) {
        if (events_)
            events_->Error(error);
        return;
    }
    WriteFile(*link_.socket, *contents, remoteName);
    CloseIfHostTooSlow();
}

bool NetClient::IsConnected() const {
    return link_.socket && connected_ && link_.socket->state() == QAbstractSocket::ConnectedState;
}

bool NetClient::Busy() const {
    return link_.socket && link_.socket->state() != QAbstractSocket::ConnectedState &&
           link_.socket->state() != QAbstractSocket::UnconnectedState;
}

std::string NetClient::HostIP() const {
    if (!link_.socket || link_.socket->state() != QAbstractSocket::ConnectedState)
        return {};
    return AddressText(link_.socket->peerAddress());
}

void NetClient::OnConnected(std::uint64_t connection) {
    if (!Current(connection))
        return;
    // Game messages are small and answered at once: waiting to fill a packet would hold every
    // turn back.
    link_.socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Title and version go out together, so the host can judge both before anything else.
    WriteBytes(*link_.socket, EncodeFrame(kTitleFrame, title_) +
                                  EncodeFrame(kVersionFrame, version_) + kFrameMark);
    connected_ = true;
    if (events_)
        events_->Connected();
}

void NetClient::Pump(std::uint64_t connection, bool judgeMark) {
    if (!Current(connection))
        return;
    const std::shared_ptr<bool> alive = alive_;
    const auto dispatch = [&](IncomingStream::Message message) {
        Dispatch(connection, std::move(message));
        return *alive && Current(connection);
    };
    link_.Pump(judgeMark, dispatch);
    // The read that reaches the end of the host's stream, or fails, closes the socket without a
    // signal: what the host sent last was read above, and its last 0xFF is a mark now. A failure
    // other than the host closing is reported as the signal would have.
    if (!*alive || !Current(connection) || link_.reading || !link_.PeerGone())
        return;
    link_.Pump(true, dispatch);
    if (!*alive || !Current(connection))
        return;
    if (const auto error = link_.socket->error(); error != QAbstractSocket::UnknownSocketError)
        OnError(connection, error);
    if (*alive && Current(connection))
        CloseAndReport(false);
}

void NetClient::Dispatch(std::uint64_t connection, IncomingStream::Message message) {
    using Kind = IncomingStream::Message::Kind;
    switch (message.What) {
    case Kind::Frame:
        if (!events_)
            return;
        switch (message.Type) {
        case kTitleFrame:
            events_->RejectTitle(message.Text);
            break;
        case kVersionFrame:
            events_->RejectVersion(message.Text);
            break;
        case kSetupFrame:
            events_->ReceiveSetupInfo(message.Text);
            break;
        case kDataFrame:
            events_->ReceiveData(std::move(message.Text));
            break;
        default:
            break; // accept and leave frames: the close that follows a kick says it all
        }
        break;
    case Kind::File:
        // The message owns the file: it is deleted when the event has returned, whatever the
        // event did to the connection.
        if (events_)
            events_->ReceiveFile(message.Path, message.Text, message.Contents);
        break;
    case Kind::Failure: {
        const std::shared_ptr<bool> alive = alive_;
        if (events_)
            events_->Error(OwnError(kErrorBadStream, message.Why));
        if (*alive && Current(connection))
            CloseAndReport(false);
        break;
    }
    }
}

void NetClient::OnClosed(std::uint64_t connection) {
    if (!Current(connection))
        return;
    // What the host sent last may still wait in the socket, and its last 0xFF is a mark now.
    const std::shared_ptr<bool> alive = alive_;
    Pump(connection, true);
    if (*alive && Current(connection))
        CloseAndReport(false);
}

void NetClient::OnError(std::uint64_t connection, QAbstractSocket::SocketError error) {
    if (!Current(connection) || error == QAbstractSocket::RemoteHostClosedError)
        return; // a close like any other: the disconnect follows
    const std::shared_ptr<bool> alive = alive_;
    if (events_)
        events_->Error(SocketError(error, link_.socket->errorString()));
    if (*alive && Current(connection))
        CloseAndReport(false);
}

void NetClient::CloseAndReport(bool graceful) {
    connected_ = false;
    link_.Close(this, graceful);
    if (events_)
        events_->Dropped();
}

} // namespace marovane::net
