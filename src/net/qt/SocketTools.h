#pragma once

#include "net/NetLinks.h"

#include <QAbstractSocket>
#include <QString>

#include <filesystem>
#include <optional>
#include <string_view>

#include <string>

class QHostAddress;
class QTcpSocket;

namespace marovane::net {

// Every error the network components raise names this source.
inline constexpr const char* kErrorSource = "NetGroup";

// A file to send could not be read, or is larger than a peer accepts.
inline constexpr int kErrorFileNotSent = 1003;

// The game numbers socket errors as the Windows sockets do, so that a caller can tell a port in
// use (10048) from a refused connection (10061) whatever the platform. Errors without such a
// number get 20000 plus Qt's own number. The description is Qt's.
NetError SocketError(QAbstractSocket::SocketError error, const QString& description);

NetError OwnError(int number, const Text& message);

// The error of a message of `size` encoded bytes, more than a peer accepts: it is not sent.
NetError TooLongToSend(std::size_t size);

// An address as text, an IPv4 address mapped into IPv6 shown as the plain IPv4 address.
std::string AddressText(const QHostAddress& address);

void WriteBytes(QTcpSocket& socket, std::string_view bytes);

// A small file (a scenario) whole, header, bytes and closing extra mark, to send in one piece;
// nothing for a file that goes in pieces.
std::optional<std::string> SmallFileBytes(const std::string& contents, std::string_view remoteName);

// Header, raw bytes in pieces and the closing extra mark, for a file read by ReadFileToSend.
void WriteFile(QTcpSocket& socket, const std::string& contents, std::string_view remoteName);

// The whole file, or nothing and the error to raise: it cannot be read, or no peer would accept
// its length.
std::optional<std::string> ReadFileToSend(const std::filesystem::path& path, NetError& error);

// Closes a socket its owner has let go of: what was written still leaves, then the socket deletes
// itself. A peer that never lets the close finish is cut off after a few seconds.
void CloseGracefully(QTcpSocket* socket);

} // namespace marovane::net
