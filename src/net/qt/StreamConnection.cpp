#include "net/qt/StreamConnection.h"

#include "net/qt/SocketTools.h"

#include <QPointer>

namespace marovane::net {

namespace {

thread_local unsigned loopRuns = 0;
thread_local QPointer<QAbstractEventDispatcher> countedLoop;

} // namespace

bool StreamConnection::WatchLoopRuns(QThread* thread) {
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance(thread);
    if (!loop)
        return false;
    if (countedLoop != loop) {
        countedLoop = loop;
        QObject::connect(loop, &QAbstractEventDispatcher::awake, loop, [] { ++loopRuns; });
        QObject::connect(loop, &QAbstractEventDispatcher::aboutToBlock, loop, [] { ++loopRuns; });
    }
    return true;
}

unsigned StreamConnection::LoopRuns() {
    return loopRuns;
}

bool StreamConnection::ReadPiece() {
    if (!piece)
        piece = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(kReadPiece));
    const qint64 got = socket->read(piece.get(), kReadPiece);
    if (got <= 0)
        return false;
    incoming.Feed(std::string_view(piece.get(), static_cast<std::size_t>(got)));
    return got == kReadPiece;
}

void StreamConnection::Close(QObject* owner, bool graceful) {
    QTcpSocket* closing = socket;
    socket = nullptr;
    incoming.Reset();
    quiet->stop();
    reading = false;
    if (!closing)
        return;
    QObject::disconnect(closing, nullptr, owner, nullptr);
    if (graceful) {
        CloseGracefully(closing);
    } else {
        closing->abort();
        closing->deleteLater();
    }
}

} // namespace marovane::net
