#include "net/qt/SocketTools.h"

#include "net/Framing.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace marovane::net {

namespace {

constexpr int kCloseTimeoutMs = 5000;

int ErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::AddressInUseError:
        return kErrorAddressInUse;
    case QAbstractSocket::SocketAccessError:
        return 10013; // permission denied
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049; // address not available
    case QAbstractSocket::NetworkError:
        return 10050; // network down
    case QAbstractSocket::RemoteHostClosedError:
        return 10054; // connection reset by the peer
    case QAbstractSocket::SocketTimeoutError:
        return kErrorTimedOut;
    case QAbstractSocket::ConnectionRefusedError:
        return kErrorConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return kErrorHostNotFound;
    default:
        return 20000 + static_cast<int>(error);
    }
}

} // namespace

NetError SocketError(QAbstractSocket::SocketError error, const QString& description) {
    return NetError{ErrorNumber(error), description.toStdString(), kErrorSource,
                    Verbatim(description.toStdString())};
}

NetError OwnError(int number, const Text& message) {
    return NetError{number, message.English(), kErrorSource, message};
}

NetError TooLongToSend(std::size_t size) {
    return OwnError(kErrorTooLong, Tx("Network", "A message of %1 bytes is longer than a peer "
                                                 "accepts; it was not sent.")
                                       .Arg(size));
}

std::string AddressText(const QHostAddress& address) {
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    if (isIPv4)
        return QHostAddress(ipv4).toString().toStdString();
    return address.toString().toStdString();
}

void WriteBytes(QTcpSocket& socket, std::string_view bytes) {
#ifdef Q_OS_UNIX
    // Qt queues every write and sends it from the event loop, switching the socket's write watch
    // on and off around it: two extra wake-ups of the loop for each message of every turn. When
    // nothing waits in Qt's queue, the bytes are handed to the system at once, in order; what it
    // cannot take now, and any error, is left to Qt as before.
    if (socket.bytesToWrite() == 0 && socket.state() == QAbstractSocket::ConnectedState) {
        const ssize_t sent = ::send(static_cast<int>(socket.socketDescriptor()), bytes.data(),
                                    bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0)
            bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
#endif
    if (!bytes.empty())
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::optional<std::string> SmallFileBytes(const std::string& contents,
                                          std::string_view remoteName) {
    if (contents.size() > kFilePieceSize)
        return std::nullopt;
    std::string bytes = EncodeFileHeader(remoteName, contents.size());
    bytes += contents;
    bytes += kFrameMark;
    return bytes;
}

void WriteFile(QTcpSocket& socket, const std::string& contents, std::string_view remoteName) {
    if (const std::optional<std::string> bytes = SmallFileBytes(contents, remoteName)) {
        WriteBytes(socket, *bytes);
        return;
    }
    WriteBytes(socket, EncodeFileHeader(remoteName, contents.size()));
    const std::string_view bytes(contents);
    for (std::size_t at = 0; at < bytes.size(); at += kFilePieceSize)
        WriteBytes(socket, bytes.substr(at, kFilePieceSize));
    WriteBytes(socket, std::string_view(&kFrameMark, 1));
}

std::optional<std::string> ReadFileToSend(const std::filesystem::path& path, NetError& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = OwnError(kErrorFileNotSent, Tx("Network", "Cannot read the file %1: %2")
                                                .Arg(path.string())
                                                .Arg(file.errorString().toStdString()));
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(file.size()) > kMaxFileLength) {
        error = OwnError(kErrorFileNotSent,
                         Tx("Network", "The file %1 is larger than the %2 bytes a peer accepts.")
                             .Arg(path.string())
                             .Arg(kMaxFileLength));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = OwnError(kErrorFileNotSent, Tx("Network", "Cannot read the file %1: %2")
                                                .Arg(path.string())
                                                .Arg(file.errorString().toStdString()));
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void CloseGracefully(QTcpSocket* socket) {
    // Nothing left to write (the usual case): the socket closes at once and goes.
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    // Otherwise it goes once what was written has left, or is cut off after a while. Nothing
    // runs in between: the close cannot finish before these are in place.
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kCloseTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

} // namespace marovane::net
