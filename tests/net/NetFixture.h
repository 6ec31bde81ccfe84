#pragma once

#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace marovane::net::test {

// Every wait runs the event loop until its condition holds or this many milliseconds passed.
inline constexpr int kWaitMs = 5000;

inline bool WaitFor(const std::function<bool()>& done, int ms = kWaitMs) {
    return QTest::qWaitFor(done, ms);
}

inline std::string FileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

// Bytes of every value, 0xFF among them many times, in a repeating pattern.
inline std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 251) & 0xFF);
    return bytes;
}

struct ReceivedFile {
    std::string Name;
    std::string Contents; // as the event handed them
    std::string OnDisk;   // as the file held them during the event
    std::filesystem::perms Permissions = std::filesystem::perms::unknown;
    std::filesystem::path Path;
};

// Events as short texts in order, e.g. "joined 1", "data 2 hello", "left 1", "error 1 1002".
class HostRecorder : public HostEvents {
public:
    void ReceiveTitle(int index, const std::string& title) override {
        Add(index, "title", title);
        if (OnTitle)
            OnTitle(index, title);
    }
    void ReceiveVersion(int index, const std::string& version) override {
        Add(index, "version", version);
        if (OnVersion)
            OnVersion(index, version);
    }
    void ReceiveSetupInfo(int index, const std::string& data) override {
        Add(index, "setup", data);
    }
    void ReceiveFile(int index, const std::filesystem::path& path, const std::string& name,
                     const std::string& contents) override {
        Add(index, "file", name);
        if (BeforeFile)
            BeforeFile(index);
        Files.push_back({name, contents, FileContents(path),
                         std::filesystem::status(path).permissions(), path});
    }
    void ReceiveData(int index, std::string data) override {
        Add(index, "data", data);
        if (OnData)
            OnData(index, data);
    }
    void ClientJoined(int index) override { Add(index, "joined"); }
    void ClientLeft(int index) override { Add(index, "left"); }
    void Error(int index, const NetError& error) override {
        Add(index, "error", std::to_string(error.Number));
        Errors.push_back(error);
    }
    void MaxConnectionsReached() override {
        Log.push_back("max");
        if (OnMax)
            OnMax();
    }

    bool Has(const std::string& entry) const {
        return std::find(Log.begin(), Log.end(), entry) != Log.end();
    }
    long Count(const std::string& entry) const { return std::count(Log.begin(), Log.end(), entry); }
    // The entries about guest index, in order.
    std::vector<std::string> About(int index) const {
        const std::string prefix = " " + std::to_string(index);
        std::vector<std::string> out;
        for (const std::string& entry : Log) {
            const auto space = entry.find(' ');
            if (space != std::string::npos && entry.compare(space, prefix.size(), prefix) == 0 &&
                (entry.size() == space + prefix.size() || entry[space + prefix.size()] == ' '))
                out.push_back(entry);
        }
        return out;
    }

    std::vector<std::string> Log;
    std::vector<ReceivedFile> Files;
    std::vector<NetError> Errors;
    std::function<void(int, const std::string&)> OnTitle, OnVersion, OnData;
    std::function<void()> OnMax;
    std::function<void(int)> BeforeFile;

private:
    void Add(int index, const std::string& what, const std::string& text = {}) {
        Log.push_back(what + " " + std::to_string(index) + (text.empty() ? "" : " " + text));
    }
};

class GuestRecorder : public GuestEvents {
public:
    void ReceiveFile(const std::filesystem::path& path, const std::string& name,
                     const std::string& contents) override {
        Log.push_back("file " + name);
        Files.push_back({name, contents, FileContents(path),
                         std::filesystem::status(path).permissions(), path});
    }
    void ReceiveData(std::string data) override {
        Log.push_back("data " + data);
        if (OnData)
            OnData(data);
    }
    void ReceiveSetupInfo(const std::string& data) override { Log.push_back("setup " + data); }
    void RejectTitle(const std::string& title) override { Log.push_back("title " + title); }
    void RejectVersion(const std::string& version) override { Log.push_back("version " + version); }
    void Connected() override { Log.push_back("connected"); }
    void Dropped() override { Log.push_back("dropped"); }
    void Error(const NetError& error) override {
        Log.push_back("error " + std::to_string(error.Number));
        Errors.push_back(error);
    }

    bool Has(const std::string& entry) const {
        return std::find(Log.begin(), Log.end(), entry) != Log.end();
    }
    long Count(const std::string& entry) const { return std::count(Log.begin(), Log.end(), entry); }

    std::vector<std::string> Log;
    std::vector<ReceivedFile> Files;
    std::vector<NetError> Errors;
    std::function<void(const std::string&)> OnData;
};

inline constexpr const char* kTitle = "Marovane";
inline constexpr const char* kVersion = "1.0";

// A host listening on a free port of 127.0.0.1, and guests that join it.
class NetTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.SetEvents(&hostLog);
        host.SetLocalPort(0);
        host.SetMaxConnections(8);
        ASSERT_TRUE(host.BeginHost());
        port = host.LocalPort();
        ASSERT_GT(port, 0);
    }

    struct Guest {
        NetClient link;
        GuestRecorder log;
        int index = 0; // the host's number for it
    };

    // A guest that has connected and introduced itself; its host index is known.
    Guest& Join() {
        auto guest = std::make_unique<Guest>();
        guest->link.SetEvents(&guest->log);
        const long joinedBefore = JoinedCount();
        guest->link.Connect("127.0.0.1", port, kTitle, kVersion);
        const bool joined = WaitFor([&] {
            return JoinedCount() > joinedBefore && guest->log.Has("connected") &&
                   hostLog.Has("version " + std::to_string(LastJoined()) + " " + kVersion);
        });
        EXPECT_TRUE(joined) << "a guest could not join";
        guest->index = LastJoined();
        guests.push_back(std::move(guest));
        return *guests.back();
    }

    long JoinedCount() const {
        return std::count_if(hostLog.Log.begin(), hostLog.Log.end(),
                             [](const std::string& e) { return e.starts_with("joined "); });
    }
    int LastJoined() const {
        for (auto it = hostLog.Log.rbegin(); it != hostLog.Log.rend(); ++it) {
            if (it->starts_with("joined "))
                return std::stoi(it->substr(7));
        }
        return 0;
    }

    NetHost host;
    HostRecorder hostLog;
    int port = 0;
    std::vector<std::unique_ptr<Guest>> guests;
};

} // namespace marovane::net::test
