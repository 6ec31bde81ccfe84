#include "support/LoopbackNet.h"

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace marovane::test {

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Hands a file's bytes to a receiver as the real connection does: in a temporary file that is
// gone once the receiver returns.
template <typename Receive> void DeliverFile(const std::string& bytes, Receive receive) {
    static int serial = 0;
    const fs::path path = fs::temp_directory_path() /
                          ("NGloop" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    receive(path);
    std::error_code ignored;
    fs::remove(path, ignored);
}

} // namespace

LoopbackNet::LoopbackNet() : host_(std::make_unique<Host>(*this)) {}
LoopbackNet::~LoopbackNet() = default;

LoopbackNet::Guest& LoopbackNet::AddGuest() {
    guests_.push_back(std::make_unique<Guest>(*this));
    return *guests_.back();
}

int LoopbackNet::Pump(int limit) {
    int delivered = 0;
    while (!queue_.empty() && delivered < limit) {
        auto event = std::move(queue_.front());
        queue_.pop_front();
        event();
        ++delivered;
    }
    return delivered;
}

// ---- Host ---------------------------------------------------------------------------------------

bool LoopbackNet::Host::BeginHost() {
    hosting_ = true;
    return true;
}

void LoopbackNet::Host::StopHost() {
    hosting_ = false;
    Kick(0);
}

void LoopbackNet::Host::Kick(int index) {
    if (index == 0) {
        for (int i = 1; i < static_cast<int>(slots_.size()); ++i)
            Kick(i);
        return;
    }
    if (index < 0 || index >= static_cast<int>(slots_.size()) || !slots_[index])
        return;
    Guest* guest = slots_[index];
    slots_[index] = nullptr;
    guest->HostClosed();
    if (events_)
        events_->ClientLeft(index);
}

template <typename Send> void LoopbackNet::Host::ForEach(int index, Send send) {
    for (int i = 1; i < static_cast<int>(slots_.size()); ++i) {
        if (!slots_[i])
            continue;
        if (index > 0 && i != index)
            continue;
        if (index < 0 && i == -index)
            continue;
        send(i, slots_[i]);
    }
}

void LoopbackNet::Host::SendText(int index, std::string_view data,
                                 void (*receive)(net::GuestEvents&, const std::string&)) {
    ForEach(index, [&](int i, Guest* guest) {
        net_.sent_.push_back(std::to_string(i) + ":" + std::string(data));
        const int connection = guest->Index();
        net_.Post([guest, connection, receive, text = std::string(data)] {
            if (guest->Index() == connection && guest->Events())
                receive(*guest->Events(), text);
        });
    });
}

void LoopbackNet::Host::SendData(int index, std::string_view data) {
    SendText(index, data,
             [](net::GuestEvents& events, const std::string& text) { events.ReceiveData(text); });
}

void LoopbackNet::Host::SendSetupInfo(int index, std::string_view data) {
    SendText(index, data, [](net::GuestEvents& events, const std::string& text) {
        events.ReceiveSetupInfo(text);
    });
}

void LoopbackNet::Host::SendProperTitle(int index, std::string_view title) {
    ForEach(index, [&](int, Guest* guest) {
        net_.Post([guest, text = std::string(title)] {
            if (guest->Events())
                guest->Events()->RejectTitle(text);
        });
    });
}

void LoopbackNet::Host::SendProperVersion(int index, std::string_view version) {
    ForEach(index, [&](int, Guest* guest) {
        net_.Post([guest, text = std::string(version)] {
            if (guest->Events())
                guest->Events()->RejectVersion(text);
        });
    });
}

void LoopbackNet::Host::SendFile(int index, const fs::path& path, std::string_view remoteName) {
    const std::string bytes = ReadAll(path);
    std::string name(remoteName.substr(0, 10));
    ForEach(index, [&](int, Guest* guest) {
        const int connection = guest->Index();
        net_.Post([guest, connection, bytes, name] {
            if (guest->Index() != connection || !guest->Events())
                return;
            DeliverFile(bytes, [&](const fs::path& file) {
                guest->Events()->ReceiveFile(file, name, bytes);
            });
        });
    });
}

int LoopbackNet::Host::Connections() const {
    int count = 0;
    for (size_t i = 1; i < slots_.size(); ++i)
        count += slots_[i] != nullptr;
    return count;
}

std::string LoopbackNet::Host::ClientIP(int index) const {
    if (index < 1 || index >= static_cast<int>(slots_.size()) || !slots_[index])
        return {};
    return "127.0.0.1";
}

int LoopbackNet::Host::EnumClients(bool first) {
    if (first)
        cursor_ = 0;
    const int n = static_cast<int>(slots_.size()) - 1;
    ++cursor_;
    while (cursor_ <= n && !slots_[cursor_])
        ++cursor_;
    if (cursor_ > n)
        cursor_ = 0;
    return cursor_;
}

int LoopbackNet::Host::Accept(Guest* guest) {
    if (!hosting_)
        return 0;
    auto freeSlot = [&] {
        for (size_t i = 1; i < slots_.size(); ++i) {
            if (!slots_[i])
                return static_cast<int>(i);
        }
        return static_cast<int>(slots_.size());
    };
    int slot = freeSlot();
    if (Connections() + 1 > maxConnections_ || slot > maxConnections_) {
        if (events_)
            events_->MaxConnectionsReached();
        slot = freeSlot();
        if (Connections() + 1 > maxConnections_ || slot > maxConnections_)
            return 0;
    }
    if (slot == static_cast<int>(slots_.size()))
        slots_.push_back(nullptr);
    slots_[slot] = guest;
    if (events_)
        events_->ClientJoined(slot);
    return slot;
}

void LoopbackNet::Host::Closed(int index) {
    if (index < 1 || index >= static_cast<int>(slots_.size()) || !slots_[index])
        return;
    slots_[index] = nullptr;
    if (events_)
        events_->ClientLeft(index);
}

// ---- Guest
// ----------------------------------------------------------------------------------------

void LoopbackNet::Guest::Connect(const std::string&, int, const std::string& title,
                                 const std::string& version) {
    if (index_ != 0)
        return;
    const int connection = ++connection_;
    net_.Post([this, connection, title, version] {
        if (connection != connection_)
            return;
        index_ = net_.HostSide().Accept(this);
        if (index_ == 0) {
            if (events_)
                events_->Dropped();
            return;
        }
        if (events_)
            events_->Connected();
        const int index = index_;
        net_.Post([this, index, connection, title, version] {
            auto* host = net_.HostSide().Events();
            if (index_ != index || connection != connection_ || !host)
                return;
            host->ReceiveTitle(index, title);
            if (index_ == index && connection == connection_ && net_.HostSide().Events())
                net_.HostSide().Events()->ReceiveVersion(index, version);
        });
    });
}

void LoopbackNet::Guest::Disconnect() {
    const int index = index_;
    index_ = 0;
    ++connection_;
    if (index != 0)
        net_.Post([this, index] { net_.HostSide().Closed(index); });
    if (events_)
        events_->Dropped();
}

void LoopbackNet::Guest::SendData(std::string_view data) {
    if (index_ == 0)
        return;
    net_.sent_.push_back("host:" + std::string(data));
    const int index = index_;
    net_.Post([this, index, text = std::string(data)] {
        if (auto* host = net_.HostSide().Events())
            host->ReceiveData(index, text);
    });
}

void LoopbackNet::Guest::SendSetupInfo(std::string_view data) {
    if (index_ == 0)
        return;
    net_.sent_.push_back("host:" + std::string(data));
    const int index = index_;
    net_.Post([this, index, text = std::string(data)] {
        if (auto* host = net_.HostSide().Events())
            host->ReceiveSetupInfo(index, text);
    });
}

void LoopbackNet::Guest::SendFile(const fs::path& path, std::string_view remoteName) {
    if (index_ == 0)
        return;
    const std::string bytes = ReadAll(path);
    const int index = index_;
    net_.Post([this, index, bytes, name = std::string(remoteName.substr(0, 10))] {
        if (auto* host = net_.HostSide().Events())
            DeliverFile(bytes,
                        [&](const fs::path& file) { host->ReceiveFile(index, file, name, bytes); });
    });
}

void LoopbackNet::Guest::HostClosed() {
    // What the host sent before closing still arrives; then the guest sees the close.
    const int connection = connection_;
    net_.Post([this, connection] {
        if (connection != connection_ || index_ == 0)
            return;
        index_ = 0;
        ++connection_;
        if (events_)
            events_->Dropped();
    });
}

} // namespace marovane::test
