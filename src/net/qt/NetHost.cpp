#include "net/qt/NetHost.h"

#include "net/Framing.h"
#include "net/qt/SocketTools.h"

#include <QAbstractEventDispatcher>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace marovane::net {

namespace {

// How long news for a guest (a turn passing) may wait for a message to go with: too short for a
// player to notice, long enough that a round of quick turns sends each watching guest one piece
// instead of one per turn.
constexpr int kNewsDelayMs = 25;

} // namespace

NetHost::NetHost(QObject* parent) : QObject(parent) {
    newsTimer_ = new QTimer(this);
    newsTimer_->setSingleShot(true);
    newsTimer_->setInterval(kNewsDelayMs);
    connect(newsTimer_, &QTimer::timeout, this, [this] { SendHeld(true); });
}

NetHost::~NetHost() {
    *alive_ = false;
    for (auto& guest : guests_) {
        if (guest->socket) {
            QObject::disconnect(guest->socket, nullptr, this, nullptr);
            guest->socket->abort();
        }
    }
}

NetHost::Guest* NetHost::Current(int index, std::uint64_t connection) const {
    if (index < 1 || index > static_cast<int>(guests_.size()))
        return nullptr;
    Guest* guest = guests_[index - 1].get();
    return guest->socket && guest->connection == connection ? guest : nullptr;
}

bool NetHost::IsConnected(int index) const {
    if (index < 1 || index > static_cast<int>(guests_.size()))
        return false;
    const QTcpSocket* socket = guests_[index - 1]->socket;
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

bool NetHost::BeginHost() {
    if (!heldSentByLoop_) {
        // Whatever the handling of a message holds leaves whenever the event loop runs again,
        // also inside that handling (a computer turn lets the window run).
        if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance(thread())) {
            connect(loop, &QAbstractEventDispatcher::awake, this, [this] { SendHeld(); });
            connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, [this] { SendHeld(); });
            heldSentByLoop_ = true;
        }
    }
    if (!server_) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, &NetHost::OnNewConnection);
    }
    if (server_->isListening())
        server_->close();
    hosting_ = false;
    if (!server_->listen(QHostAddress::Any, static_cast<quint16>(localPort_))) {
        const NetError error = SocketError(server_->serverError(), server_->errorString());
        if (events_)
            events_->Error(0, error);
        return false;
    }
    hosting_ = true;
    return true;
}

void NetHost::StopHost() {
    hosting_ = false;
    Kick(0);
    if (server_)
        server_->close();
}

void NetHost::Kick(int index) {
    if (index == 0) {
        // The slots are counted afresh each time: an event may have opened one.
        for (int slot = 1; slot <= static_cast<int>(guests_.size()); ++slot)
            Kick(slot);
        return;
    }
    if (index < 0 || index > static_cast<int>(guests_.size()) || !guests_[index - 1]->socket)
        return;
    Guest& guest = *guests_[index - 1];
    const std::uint64_t connection = guest.connection;
    if (guest.socket->state() == QAbstractSocket::ConnectedState) {
        // The goodbye leaves last, in one piece with whatever is held for the guest.
        guest.held += EncodeFrame(kLeaveFrame);
        guest.held += kFrameMark;
        SendHeld(guest);
        guest.socket->flush();
    }
    // Writing may have found the connection broken and closed it already.
    if (Current(index, connection))
        CloseAndReport(index, true);
}

template <typename Each> void NetHost::ForTargets(int index, Each each) {
    for (int slot = 1; slot <= static_cast<int>(guests_.size()); ++slot) {
        const bool chosen = index == 0 || slot == index || (index < 0 && slot != -index);
        if (chosen && IsConnected(slot))
            each(*guests_[slot - 1]);
    }
}

void NetHost::SendFrame(int index, FrameType type, std::string_view payload, Urgency urgency) {
    std::string bytes = EncodeFrame(type, payload);
    if (!FrameFits(bytes)) {
        if (events_)
            events_->Error(std::max(index, 0), TooLongToSend(bytes.size()));
        return;
    }
    bytes += kFrameMark;
    ForTargets(index, [&](Guest& guest) { Write(guest, bytes, urgency); });
    if (handling_ == 0)
        CloseSlowGuests();
}

void NetHost::Write(Guest& guest, std::string_view bytes, Urgency urgency) {
    // A turn handed on sends several messages to the same guest (whose turn it is, the board):
    // held while the message that made them is handled, they leave in one piece, the very bytes
    // they would have been one by one. A peer that sends much makes us hold no more than a piece.
    // News waits a little longer, for the next message to the guest or the news timer: every
    // piece sent costs both machines a round through the system, each turn.
    if (urgency == Urgency::MayWait) {
        guest.held.append(bytes);
        if (!newsTimer_->isActive())
            newsTimer_->start();
    } else if (handling_ == 0 && guest.held.empty()) {
        WriteBytes(*guest.socket, bytes);
        return;
    } else {
        guest.held.append(bytes);
        guest.heldMustLeave = true;
        if (handling_ == 0) {
            SendHeld(guest);
            return;
        }
    }
    if (guest.held.size() >= kFilePieceSize)
        SendHeld(guest);
}

void NetHost::SendHeld(Guest& guest, bool evenNews) {
    if (guest.held.empty() || (!evenNews && !guest.heldMustLeave))
        return;
    // Taken out before it is written: a write that fails may close the slot, or lead to more
    // being held.
    std::string bytes;
    bytes.swap(guest.held);
    guest.heldMustLeave = false;
    if (guest.socket && guest.socket->state() == QAbstractSocket::ConnectedState) {
        WriteBytes(*guest.socket, bytes);
        sentHeld_ = true;
    }
    // The buffer serves the next turn's messages again: a board a turn, allocated anew each time,
    // is work for nothing. One grown by a rare large message is let go.
    if (guest.held.empty() && bytes.capacity() <= 2 * kFilePieceSize) {
        bytes.clear();
        guest.held.swap(bytes);
    }
}

void NetHost::SendHeld(bool evenNews) {
    for (auto& guest : guests_)
        SendHeld(*guest, evenNews);
    // Guests too slow for what was sent are closed once the handling is done, not from inside
    // it or from the event loop's own signals.
    if (handling_ == 0 && sentHeld_) {
        sentHeld_ = false;
        CloseSlowGuests();
    }
}

void NetHost::CloseSlowGuests() {
    const std::shared_ptr<bool> alive = alive_;
    for (int slot = 1; slot <= static_cast<int>(guests_.size()) && *alive; ++slot) {
        const QTcpSocket* socket = guests_[slot - 1]->socket;
        // Closed at once: what it left unread is dropped with the socket.
        if (socket && static_cast<std::size_t>(socket->bytesToWrite()) > kMaxQueuedBytes)
            CloseAndReport(slot, false);
    }
}

void NetHost::SendData(int index, std::string_view data) {
    SendFrame(index, kDataFrame, data);
}

void NetHost::ReleaseSends() {
    // Released as the handling of a guest's message is: what must leave leaves now.
    if (handling_ > 0 && --handling_ == 0)
        SendHeld();
}

void NetHost::SendNews(int index, std::string_view data) {
    SendFrame(index, kDataFrame, data, Urgency::MayWait);
}

void NetHost::SendSetupNews(int index, std::string_view data) {
    SendFrame(index, kSetupFrame, data, Urgency::MayWait);
}

void NetHost::SendSetupInfo(int index, std::string_view data) {
    SendFrame(index, kSetupFrame, data);
}

void NetHost::SendProperTitle(int index, std::string_view title) {
    SendFrame(index, kTitleFrame, title);
}

void NetHost::SendProperVersion(int index, std::string_view version) {
    SendFrame(index, kVersionFrame, version);
}

void NetHost::SendFile(int index, const std::filesystem::path& path, std::string_view remoteName) {
    bool anyone = false;
    ForTargets(index, [&](Guest&) { anyone = true; });
    if (!anyone)
        return;
    NetError error;
    const std::optional<std::string> contents = ReadFileToSend(path, error);
    if (!contents) {
        if (events_)
            events_->Error(std::max(index, 0), error);
        return;
    }
    // A small file goes along with the messages of the moment (a welcome sends the scenario and
    // the settings); a large one in pieces after what is held.
    if (const std::optional<std::string> bytes = SmallFileBytes(*contents, remoteName)) {
        ForTargets(index, [&](Guest& guest) { Write(guest, *bytes, Urgency::Now); });
    } else {
        ForTargets(index, [&](Guest& guest) {
            SendHeld(guest);
            WriteFile(*guest.socket, *contents, remoteName);
        });
    }
    if (handling_ == 0)
        CloseSlowGuests();
}

int NetHost::LocalPort() const {
    if (server_ && server_->isListening())
        return server_->serverPort();
    return localPort_;
}

void NetHost::SetLocalPort(int port) {
    if (hosting_) {
        if (events_)
            events_->Error(0, OwnError(kErrorPortWhileListening,
                                       Tx("Network", "Cannot change port while listening.")));
        return;
    }
    localPort_ = port;
}

int NetHost::Connections() const {
    int count = 0;
    for (int slot = 1; slot <= static_cast<int>(guests_.size()); ++slot)
        count += IsConnected(slot) ? 1 : 0;
    return count;
}

std::string NetHost::ClientIP(int index) const {
    if (!IsConnected(index))
        return {};
    return AddressText(guests_[index - 1]->socket->peerAddress());
}

std::string NetHost::HostIP() const {
    // The host listens on every address; the one to tell guests is the first that is not the
    // machine's own loopback.
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
            return AddressText(address);
    }
    return "127.0.0.1";
}

int NetHost::EnumClients(bool first) {
    const int slotCount = static_cast<int>(guests_.size());
    if (first)
        cursor_ = 0;
    ++cursor_;
    while (cursor_ <= slotCount && !IsConnected(cursor_))
        ++cursor_;
    if (cursor_ > slotCount)
        cursor_ = 0;
    return cursor_;
}

int NetHost::FreeSlot() const {
    for (int slot = 1; slot <= static_cast<int>(guests_.size()); ++slot) {
        if (!guests_[slot - 1]->socket)
            return slot;
    }
    return static_cast<int>(guests_.size()) + 1;
}

bool NetHost::OverLimit(int slot) const {
    return Connections() + 1 > maxConnections_ || slot > maxConnections_;
}

void NetHost::OnNewConnection() {
    const std::shared_ptr<bool> alive = alive_;
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        if (!socket)
            break;
        socket->setParent(this);
        // Game messages are small and answered at once: waiting to fill a packet would hold
        // every turn back.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        int slot = FreeSlot();
        if (OverLimit(slot)) {
            // The owner may raise the limit or make room; it is asked once.
            if (events_)
                events_->MaxConnectionsReached();
            if (!*alive)
                return;
            slot = FreeSlot();
        }
        if (!hosting_ || OverLimit(slot)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        Open(slot, socket);
        const std::uint64_t connection = guests_[slot - 1]->connection;
        WriteBytes(*socket, EncodeFrame(kAcceptFrame) + kFrameMark);
        if (events_)
            events_->ClientJoined(slot);
        if (!*alive)
            return;
        // Bytes, or the close, that came before the slot listened to the socket.
        if (Current(slot, connection))
            Pump(slot, connection, false);
        if (!*alive)
            return;
        if (Guest* guest = Current(slot, connection);
            guest && guest->socket->state() != QAbstractSocket::ConnectedState)
            OnClosed(slot, connection);
        if (!*alive)
            return;
    }
}

void NetHost::Open(int slot, QTcpSocket* socket) {
    if (slot > static_cast<int>(guests_.size())) {
        auto guest = std::make_unique<Guest>();
        guest->MakeQuietTimer(this,
                              [this, slot] { Pump(slot, guests_[slot - 1]->connection, true); });
        guests_.push_back(std::move(guest));
    }
    Guest& guest = *guests_[slot - 1];
    const std::uint64_t connection = ++connections_;
    guest.socket = socket;
    guest.connection = connection;
    guest.held.clear();
    guest.heldMustLeave = false;
    guest.incoming.Reset();
    guest.reading = false;
    connect(socket, &QTcpSocket::readyRead, this,
            [this, slot, connection] { Pump(slot, connection, false); });
    connect(socket, &QTcpSocket::disconnected, this,
            [this, slot, connection] { OnClosed(slot, connection); });
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, slot, connection](QAbstractSocket::SocketError error) {
                OnError(slot, connection, error);
            });
}

void NetHost::Pump(int index, std::uint64_t connection, bool judgeMark) {
    Guest* guest = Current(index, connection);
    if (!guest)
        return;
    const std::shared_ptr<bool> alive = alive_;
    // What the messages make us send is held until they are handled (see Write).
    ++handling_;
    const auto handled = qScopeGuard([this, alive] {
        if (*alive && --handling_ == 0)
            SendHeld();
    });
    const auto dispatch = [&](IncomingStream::Message message) {
        Dispatch(index, connection, std::move(message));
        return *alive && Current(index, connection) != nullptr;
    };
    guest->Pump(judgeMark, dispatch);
    // The read that reaches the end of the guest's stream closes the socket without a signal:
    // what the guest sent last was read above, and its last 0xFF is a mark now.
    guest = *alive ? Current(index, connection) : nullptr;
    if (!guest || guest->reading || !guest->PeerGone())
        return;
    guest->Pump(true, dispatch);
    if (*alive && Current(index, connection))
        CloseAndReport(index, false);
}

void NetHost::Dispatch(int index, std::uint64_t connection, IncomingStream::Message message) {
    using Kind = IncomingStream::Message::Kind;
    // A leave or a broken stream closes the connection even when nobody listens to the events.
    const bool leaving = message.What == Kind::Frame && message.Type == kLeaveFrame;
    if (!events_ && !leaving && message.What != Kind::Failure)
        return;
    switch (message.What) {
    case Kind::Frame:
        switch (message.Type) {
        case kTitleFrame:
            events_->ReceiveTitle(index, message.Text);
            break;
        case kVersionFrame:
            events_->ReceiveVersion(index, message.Text);
            break;
        case kSetupFrame:
            events_->ReceiveSetupInfo(index, message.Text);
            break;
        case kDataFrame:
            events_->ReceiveData(index, std::move(message.Text));
            break;
        case kLeaveFrame:
            // The guest says goodbye; its connection ends here.
            CloseAndReport(index, true);
            break;
        default:
            break; // the accept frame means nothing coming from a guest
        }
        break;
    case Kind::File:
        // The message owns the file: it is deleted when the event has returned, whatever the
        // event did to the connection.
        events_->ReceiveFile(index, message.Path, message.Text, message.Contents);
        break;
    case Kind::Failure: {
        const std::shared_ptr<bool> alive = alive_;
        if (events_)
            events_->Error(index, OwnError(kErrorBadStream, message.Why));
        if (*alive && Current(index, connection))
            CloseAndReport(index, false);
        break;
    }
    }
}

void NetHost::OnClosed(int index, std::uint64_t connection) {
    if (!Current(index, connection))
        return;
    // What the guest sent last may still wait in the socket, and its last 0xFF is a mark now.
    const std::shared_ptr<bool> alive = alive_;
    Pump(index, connection, true);
    if (*alive && Current(index, connection))
        CloseAndReport(index, false);
}

void NetHost::OnError(int index, std::uint64_t connection, QAbstractSocket::SocketError error) {
    Guest* guest = Current(index, connection);
    if (!guest || error == QAbstractSocket::RemoteHostClosedError)
        return; // a close like any other: the disconnect follows
    const std::shared_ptr<bool> alive = alive_;
    if (events_)
        events_->Error(index, SocketError(error, guest->socket->errorString()));
    if (*alive && Current(index, connection))
        CloseAndReport(index, false);
}

void NetHost::Close(int index, bool graceful) {
    Guest& guest = *guests_[index - 1];
    // What was held still leaves before a graceful close; an abort drops it with the rest.
    if (graceful)
        SendHeld(guest);
    guest.held.clear();
    guest.heldMustLeave = false;
    guest.Close(this, graceful);
}

void NetHost::CloseAndReport(int index, bool graceful) {
    Close(index, graceful);
    if (events_)
        events_->ClientLeft(index);
}

} // namespace marovane::net
