#pragma once

#include "net/NetLinks.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marovane::test {

// A host and its guests in one process, without sockets: whatever one side sends is queued and
// reaches the other side, in order, when the test pumps. It keeps the rules of the real
// connection that the lobby and the game protocol rely on (indexes from 1, the lowest free index
// reused, 0 for everybody and -k for everybody but k, the connection limit, Dropped and
// ClientLeft on every close), so protocol tests run without the network.
class LoopbackNet {
public:
    class Host;
    class Guest;

    LoopbackNet();
    ~LoopbackNet();

    Host& HostSide() { return *host_; }
    // A new guest machine (not yet connected).
    Guest& AddGuest();
    // Delivers queued events until none are left, or until `limit` were delivered. Answers the
    // number delivered.
    int Pump(int limit = 1000000);
    // Every data and setup text sent so far, as "to:text" records, for tests that look at traffic.
    const std::vector<std::string>& Sent() const { return sent_; }

private:
    friend class Host;
    friend class Guest;
    void Post(std::function<void()> event) { queue_.push_back(std::move(event)); }

    std::unique_ptr<Host> host_;
    std::vector<std::unique_ptr<Guest>> guests_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::string> sent_;
};

class LoopbackNet::Host : public net::HostLink {
public:
    explicit Host(LoopbackNet& net) : net_(net) {}
    void SetEvents(net::HostEvents* events) override { events_ = events; }
    bool BeginHost() override;
    void StopHost() override;
    void Kick(int index) override;
    void SendData(int index, std::string_view data) override;
    void SendSetupInfo(int index, std::string_view data) override;
    void SendProperTitle(int index, std::string_view title) override;
    void SendProperVersion(int index, std::string_view version) override;
    void SendFile(int index, const std::filesystem::path& path,
                  std::string_view remoteName) override;
    int LocalPort() const override { return port_; }
    void SetLocalPort(int port) override { port_ = port; }
    int MaxConnections() const override { return maxConnections_; }
    void SetMaxConnections(int count) override { maxConnections_ = count; }
    int Connections() const override;
    bool Hosting() const override { return hosting_; }
    std::string ClientIP(int index) const override;
    std::string HostIP() const override { return "127.0.0.1"; }
    int EnumClients(bool first) override;

    // Internal: the guests' side of the wire.
    int Accept(Guest* guest);
    void Closed(int index);
    net::HostEvents* Events() { return events_; }

private:
    template <typename Send> void ForEach(int index, Send send);
    void SendText(int index, std::string_view data,
                  void (*receive)(net::GuestEvents&, const std::string&));

    LoopbackNet& net_;
    net::HostEvents* events_ = nullptr;
    std::vector<Guest*> slots_{nullptr}; // index 0 unused
    bool hosting_ = false;
    int port_ = 0;
    int maxConnections_ = 1;
    int cursor_ = 0;
};

class LoopbackNet::Guest : public net::GuestLink {
public:
    explicit Guest(LoopbackNet& net) : net_(net) {}
    void SetEvents(net::GuestEvents* events) override { events_ = events; }
    void Connect(const std::string& host, int port, const std::string& title,
                 const std::string& version) override;
    void Disconnect() override;
    void SendData(std::string_view data) override;
    void SendSetupInfo(std::string_view data) override;
    void SendFile(const std::filesystem::path& path, std::string_view remoteName) override;
    bool IsConnected() const override { return index_ != 0; }
    bool Busy() const override { return false; }
    std::string HostIP() const override { return index_ != 0 ? "127.0.0.1" : ""; }

    // Internal: the host's side of the wire.
    void HostClosed();
    net::GuestEvents* Events() { return events_; }
    int Index() const { return index_; }

private:
    LoopbackNet& net_;
    net::GuestEvents* events_ = nullptr;
    int index_ = 0;
    // Each connection gets a new serial, so events queued for an old one are dropped.
    int connection_ = 0;
};

} // namespace marovane::test
