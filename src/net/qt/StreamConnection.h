#pragma once

#include "net/qt/IncomingStream.h"

#include <QAbstractEventDispatcher>
#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace marovane::net {

// One end of a game connection as both the host's slots and the guest hold it: the socket, the
// messages read from it so far, and the timer that judges a 0xFF left at the end after a moment
// of quiet.
struct StreamConnection {
    // Bytes are taken from the socket in pieces of this size, and the events in each piece
    // raised, before the next is read: what waits in the stream reader stays small.
    static constexpr qint64 kReadPiece = 64 * 1024;
    // How long a 0xFF at the end of what arrived waits for what may follow it.
    static constexpr int kQuietMs = 100;

    QTcpSocket* socket = nullptr; // null while closed
    IncomingStream incoming;
    QTimer* quiet = nullptr;
    bool reading = false;
    // The buffer each piece is read into, made once per connection and never cleared: the
    // socket writes it before anything reads it.
    std::unique_ptr<char[]> piece;
    // Whether the runs of the event loop can be counted (see LoopRuns).
    bool loopWatched = false;

    // Makes the quiet timer, owned by `owner`; its timeout calls `judge`. Also starts counting
    // the runs of the event loop.
    template <typename Judge> void MakeQuietTimer(QObject* owner, Judge judge) {
        quiet = new QTimer(owner);
        quiet->setSingleShot(true);
        quiet->setInterval(kQuietMs);
        QObject::connect(quiet, &QTimer::timeout, owner, judge);
        loopWatched = WatchLoopRuns(owner->thread());
    }

    // Reads what the socket holds and hands every whole message to `dispatch`, until nothing is
    // left; with `judgeMark`, a 0xFF left at the end is judged too. `dispatch` answers false when
    // its event closed this connection or ended its owner: nothing is touched after that. A call
    // from inside an event returns at once; the outer call goes on with the bytes.
    template <typename Dispatch> void Pump(bool judgeMark, Dispatch dispatch) {
        if (!socket || reading)
            return;
        reading = true;
        quiet->stop();
        bool judge = judgeMark;
        for (;;) {
            const unsigned runs = LoopRuns();
            // A piece that did not fill the buffer took everything there was.
            const bool more = ReadPiece();
            if (!more && judge) {
                incoming.JudgePendingMark();
                judge = false;
            }
            bool handled = false;
            std::optional<IncomingStream::Message> message;
            while ((message = incoming.Next())) {
                handled = true;
                if (!dispatch(std::move(*message)))
                    return;
            }
            // Bytes that came while an event let the event loop run are not announced again
            // (the call from inside the event returned at once): they are read now.
            const bool loopRan = handled && (!loopWatched || LoopRuns() != runs);
            if (!more && !judge && !loopRan)
                break;
        }
        reading = false;
        if (incoming.HasPendingMark())
            quiet->start();
    }

    // Whether the peer's end of the stream was reached: the socket is no longer connected.
    bool PeerGone() const { return socket && socket->state() != QAbstractSocket::ConnectedState; }

    // Lets go of the socket: it hears nothing more from `owner`, and closes gracefully (what was
    // written still leaves) or at once. The connection is closed afterwards.
    void Close(QObject* owner, bool graceful);

private:
    // How often the event loop of this thread ran (it may run inside an event: a computer turn
    // lets the window run), counted once for all connections; false when it cannot be watched.
    static bool WatchLoopRuns(QThread* thread);
    static unsigned LoopRuns();

    // Reads one piece into the stream reader; true when it filled the buffer, so that more may
    // wait. A new piece of 64 KiB for every message would cost more than the message: the buffer
    // is kept.
    bool ReadPiece();
};

} // namespace marovane::net
