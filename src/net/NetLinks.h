#pragma once

#include "util/Text.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marovane::net {

// The port a host listens on and guests connect to.
inline constexpr int kGamePort = 1920;

// Frame types of the wire format. Every frame is 0xFF, the type, the payload and 0xFF; the
// payload of title, version, setup and data frames escapes each 0xFF as 0xFF 0x00.
enum FrameType : unsigned char {
    kLeaveFrame = 248,      // a host kicks a guest, or a guest leaves
    kAcceptFrame = 249,     // the host accepted the connection
    kTitleFrame = 250,      // the program's title (guest to host; a host's refusal)
    kVersionFrame = 251,    // "major.minor" (guest to host; a host's refusal)
    kSetupFrame = 252,      // lobby setup messages
    kFileHeaderFrame = 253, // ten characters of name and the length; raw file bytes follow
    kDataFrame = 254,       // game messages
};

// Socket errors are numbered as the game has always numbered them, so the callers can tell a
// port already in use from anything else.
inline constexpr int kErrorAddressInUse = 10048;
inline constexpr int kErrorTimedOut = 10060;
inline constexpr int kErrorConnectionRefused = 10061;
inline constexpr int kErrorHostNotFound = 11001;
inline constexpr int kErrorPortWhileListening = 1001;

struct NetError {
    int Number = 0;
    std::string Description; // in English, as the tool and the logs read it
    std::string Source;
    // The description as the player reads it: our own errors are texts of the catalogue, the
    // socket's are shown as the system gave them.
    Text Message;
};

// "(number) description", as the player is shown a connection's error.
// The same in English. Built piece by piece:
// GCC 12 warns wrongly about "(" + std::to_string(n).
inline Text ErrorMessage(const NetError& error) {
    return Tx("Network", "(%1) %2")
        .Arg(error.Number)
        .Arg(error.Message == Text() ? Verbatim(error.Description) : error.Message);
}

inline std::string ErrorText(const NetError& error) {
    std::string text = "(";
    text += std::to_string(error.Number);
    text += ") ";
    text += error.Description;
    return text;
}

// All texts below are byte strings: single-byte characters, any byte value allowed.

// What a host reports to its owner. Index is the guest's connection number, 1 and up.
class HostEvents {
public:
    virtual ~HostEvents() = default;
    virtual void ReceiveTitle(int /*index*/, const std::string& /*title*/) {}
    virtual void ReceiveVersion(int /*index*/, const std::string& /*version*/) {}
    virtual void ReceiveSetupInfo(int /*index*/, const std::string& /*data*/) {}
    // The file lies at path only while this call runs; it is deleted afterwards. Its contents
    // come along, so that nobody needs to read it back.
    virtual void ReceiveFile(int /*index*/, const std::filesystem::path& /*path*/,
                             const std::string& /*name*/, const std::string& /*contents*/) {}
    virtual void ReceiveData(int /*index*/, std::string /*data*/) {}
    virtual void ClientJoined(int /*index*/) {}
    virtual void ClientLeft(int /*index*/) {}
    virtual void Error(int /*index*/, const NetError& /*error*/) {}
    virtual void MaxConnectionsReached() {}
};

// The hosting side of the connection, as the lobby and the game protocol use it. An index of 0
// means every guest, a negative index -k every guest but k.
class HostLink {
public:
    virtual ~HostLink() = default;
    virtual void SetEvents(HostEvents* events) = 0;
    // Starts listening on LocalPort; false (after an Error event) when that failed.
    virtual bool BeginHost() = 0;
    virtual void StopHost() = 0;
    virtual void Kick(int index) = 0;
    virtual void SendData(int index, std::string_view data) = 0;
    // A game message for guests that only follow the game (a turn passing): it may wait a moment
    // and leave with the next message to the same guest, in order. Sent at once by default.
    virtual void SendNews(int index, std::string_view data) { SendData(index, data); }
    // The same for a lobby message that only keeps a guest's view up to date (another guest took
    // a seat).
    virtual void SendSetupNews(int index, std::string_view data) { SendSetupInfo(index, data); }
    // Between these two, what is sent to a guest is held and leaves in one piece at the end: a
    // burst of messages (a game's start or end) costs each guest one delivery, not one each.
    // They nest. Sent at once by default.
    virtual void HoldSends() {}
    virtual void ReleaseSends() {}
    virtual void SendSetupInfo(int index, std::string_view data) = 0;
    virtual void SendProperTitle(int index, std::string_view title) = 0;
    virtual void SendProperVersion(int index, std::string_view version) = 0;
    virtual void SendFile(int index, const std::filesystem::path& path,
                          std::string_view remoteName) = 0;
    virtual int LocalPort() const = 0;
    // Refused with error 1001 "Cannot change port while listening." while hosting.
    virtual void SetLocalPort(int port) = 0;
    virtual int MaxConnections() const = 0;
    virtual void SetMaxConnections(int count) = 0;
    virtual int Connections() const = 0;
    virtual bool Hosting() const = 0;
    virtual std::string ClientIP(int index) const = 0;
    virtual std::string HostIP() const = 0;
    // The connected guests one by one: First restarts; 0 when there are no more.
    virtual int EnumClients(bool first) = 0;
};

// Holds what the host sends while it lives (HostLink::HoldSends).
class HeldSends {
public:
    explicit HeldSends(HostLink& link) : link_(link) { link_.HoldSends(); }
    ~HeldSends() { link_.ReleaseSends(); }
    HeldSends(const HeldSends&) = delete;
    HeldSends& operator=(const HeldSends&) = delete;

private:
    HostLink& link_;
};

// What a guest reports to its owner.
class GuestEvents {
public:
    virtual ~GuestEvents() = default;
    // As the host's ReceiveFile: the file at path, gone after the call, and its contents.
    virtual void ReceiveFile(const std::filesystem::path& /*path*/, const std::string& /*name*/,
                             const std::string& /*contents*/) {}
    virtual void ReceiveData(std::string /*data*/) {}
    virtual void ReceiveSetupInfo(const std::string& /*data*/) {}
    virtual void RejectTitle(const std::string& /*title*/) {}
    virtual void RejectVersion(const std::string& /*version*/) {}
    virtual void Connected() {}
    virtual void Dropped() {}
    virtual void Error(const NetError& /*error*/) {}
};

// The guest's side of the connection.
class GuestLink {
public:
    virtual ~GuestLink() = default;
    virtual void SetEvents(GuestEvents* events) = 0;
    // Does nothing unless the connection is closed.
    virtual void Connect(const std::string& host, int port, const std::string& title,
                         const std::string& version) = 0;
    virtual void Disconnect() = 0;
    virtual void SendData(std::string_view data) = 0;
    virtual void SendSetupInfo(std::string_view data) = 0;
    virtual void SendFile(const std::filesystem::path& path, std::string_view remoteName) = 0;
    virtual bool IsConnected() const = 0;
    virtual bool Busy() const = 0;
    virtual std::string HostIP() const = 0;
};

} // namespace marovane::net
