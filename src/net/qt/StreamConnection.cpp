#include "net/qt/StreamConnection.h"

#include "net/qt/SocketTools.h"

namespace marovane::net {

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
