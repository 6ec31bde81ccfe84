#include "net/qt/NetClient.h"

#include "net/Framing.h"
#include "net/qt/SocketTools.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace marovane::net {

namespace {

// A 0xFF at the end of what the host sent is taken as a frame mark after this much quiet.
constexpr int kQuietMs = 100;

// Bytes are taken from the socket in pieces of this size, and the events in each raised before
// the next is read.
constexpr qint64 kReadPiece = 64 * 1024;

} // namespace

NetClient::NetClient(QObject* parent) : QObject(parent), quiet_(new QTimer(this)) {
    quiet_->setSingleShot(true);
    quiet_->setInterval(kQuietMs);
    connect(quiet_, &QTimer::timeout, this, [this] { Pump(connection_, true); });
}

NetClient::~NetClient() {
    *alive_ = false;
    if (socket_) {
        QObject::disconnect(socket_, nullptr, this, nullptr);
        socket_->abort();
    }
}

void NetClient::Connect(const std::string& host, int port, const std::string& title,
                        const std::string& version) {
    if (socket_)
        return;
    title_ = title;
    version_ = version;
    incoming_.Reset();
    reading_ = false;
    socket_ = new QTcpSocket(this);
    const std::uint64_t connection = ++connection_;
    connect(socket_, &QTcpSocket::connected, this, [this, connection] { OnConnected(connection); });
    connect(socket_, &QTcpSocket::readyRead, this, [this, connection] { Pump(connection, false); });
    connect(socket_, &QTcpSocket::disconnected, this, [this, connection] { OnClosed(connection); });
    connect(socket_, &QTcpSocket::errorOccurred, this,
            [this, connection](QAbstractSocket::SocketError error) { OnError(connection, error); });
    socket_->connectToHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())),
                           static_cast<quint16>(port));
    // A host that neither takes nor refuses the connection is given up after a while.
    QTimer::singleShot(connectTimeoutMs_, this, [this, connection] {
        if (!Current(connection) || connected_)
            return;
        const std::shared_ptr<bool> alive = alive_;
        if (events_)
            events_->Error(OwnError(kErrorTimedOut, "The host did not answer in time."));
        if (*alive && Current(connection))
            CloseAndReport(false);
    });
}

void NetClient::Disconnect() {
    if (socket_) {
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
    WriteBytes(*socket_, bytes);
    CloseIfHostTooSlow();
}

void NetClient::CloseIfHostTooSlow() {
    if (!socket_ || static_cast<std::size_t>(socket_->bytesToWrite()) <= kMaxQueuedBytes)
        return;
    const std::shared_ptr<bool> alive = alive_;
    if (events_)
        events_->Error(OwnError(kErrorTooSlow, "The host does not read what it is sent."));
    if (*alive && socket_)
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
    WriteFile(*socket_, *contents, remoteName);
    CloseIfHostTooSlow();
}

bool NetClient::IsConnected() const {
    return socket_ && connected_ && socket_->state() == QAbstractSocket::ConnectedState;
}

bool NetClient::Busy() const {
    return socket_ && socket_->state() != QAbstractSocket::ConnectedState &&
           socket_->state() != QAbstractSocket::UnconnectedState;
}

std::string NetClient::HostIP() const {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState)
        return {};
    return AddressText(socket_->peerAddress());
}

void NetClient::OnConnected(std::uint64_t connection) {
    if (!Current(connection))
        return;
    // Game messages are small and answered at once: waiting to fill a packet would hold every
    // turn back.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Title and version go out together, so the host can judge both before anything else.
    WriteBytes(*socket_, EncodeFrame(kTitleFrame, title_) + EncodeFrame(kVersionFrame, version_) +
                             kFrameMark);
    connected_ = true;
    if (events_)
        events_->Connected();
}

void NetClient::Pump(std::uint64_t connection, bool judgeMark) {
    if (!Current(connection) || reading_)
        return; // the outer call goes on with these bytes once its event returns
    const std::shared_ptr<bool> alive = alive_;
    reading_ = true;
    quiet_->stop();
    bool judge = judgeMark;
    for (;;) {
        if (socket_->bytesAvailable() > 0) {
            incoming_.Feed(socket_->read(kReadPiece));
        } else if (judge) {
            incoming_.JudgePendingMark();
            judge = false;
        }
        std::optional<IncomingStream::Message> message;
        while ((message = incoming_.Next())) {
            Dispatch(connection, std::move(*message));
            if (!*alive || !Current(connection))
                return;
        }
        if (socket_->bytesAvailable() == 0 && !judge)
            break;
    }
    reading_ = false;
    if (incoming_.HasPendingMark())
        quiet_->start();
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
            events_->ReceiveData(message.Text);
            break;
        default:
            break; // accept and leave frames: the close that follows a kick says it all
        }
        break;
    case Kind::File:
        // The message owns the file: it is deleted when the event has returned, whatever the
        // event did to the connection.
        if (events_)
            events_->ReceiveFile(message.Path, message.Text);
        break;
    case Kind::Failure: {
        const std::shared_ptr<bool> alive = alive_;
        if (events_)
            events_->Error(OwnError(kErrorBadStream, message.Text));
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
        events_->Error(SocketError(error, socket_->errorString()));
    if (*alive && Current(connection))
        CloseAndReport(false);
}

void NetClient::CloseAndReport(bool graceful) {
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    connected_ = false;
    reading_ = false;
    quiet_->stop();
    incoming_.Reset();
    QObject::disconnect(socket, nullptr, this, nullptr);
    if (graceful) {
        CloseGracefully(socket);
    } else {
        socket->abort();
        socket->deleteLater();
    }
    if (events_)
        events_->Dropped();
}

} // namespace marovane::net
