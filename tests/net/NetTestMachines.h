#pragma once

#include "engine/HeadlessPort.h"
#include "net/Unattended.h"
#include "session/GameSession.h"
#include "session/Settings.h"
#include "support/LoopbackNet.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace marovane::test {

inline net::LobbyIdentity TestIdentity(const std::string& hostName = "testhost") {
    return {"Marovane", "0.1", hostName};
}

// One machine of a network game in a test: its own port, settings, session and computer player.
struct Machine {
    Machine(const UnitSpecs& specs, uint64_t seed, const std::filesystem::path& folder)
        : session(specs, port, seed, folder, settings) {}
    Game& game() { return session.CurrentGame(); }

    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

// A host and its guests over the in-process loopback, each guest with its own scenario folder.
struct LoopbackGame {
    LoopbackGame(const UnitSpecs& specs, const std::filesystem::path& scenario, NewGameSetup setup,
                 int guestCount, uint64_t seed = 1, const std::string& hostName = "testhost")
        : host(specs, seed, hostDir.Path()),
          unattendedHost(host.session, net.HostSide(), TestIdentity(hostName), scenario,
                         std::move(setup)) {
        for (int g = 0; g < guestCount; ++g) {
            guestDirs.push_back(std::make_unique<TempDir>());
            guestMachines.push_back(std::make_unique<Machine>(
                specs, seed + 100 + static_cast<uint64_t>(g), guestDirs.back()->Path()));
            guests.push_back(std::make_unique<net::UnattendedGuest>(
                guestMachines.back()->session, net.AddGuest(), TestIdentity(),
                guestDirs.back()->Path(), std::nullopt));
        }
    }

    // Opens the lobby and lets every guest in.
    void OpenAndJoin() {
        std::string problem;
        ASSERT_TRUE(unattendedHost.Open(problem)) << problem;
        for (auto& guest : guests) {
            guest->Connect("127.0.0.1", 1920);
            net.Pump();
        }
    }

    // Runs until the host's game is over (or nothing moves any more); answers whether it ended.
    bool PlayToEnd(int rounds = 100000) {
        for (int i = 0; i < rounds; ++i) {
            const bool done = unattendedHost.Poll();
            if (net.Pump(1) == 0 && (done || unattendedHost.Began()))
                return done;
        }
        return false;
    }

    TempDir hostDir;
    LoopbackNet net;
    Machine host;
    net::UnattendedHost unattendedHost;
    std::vector<std::unique_ptr<TempDir>> guestDirs;
    std::vector<std::unique_ptr<Machine>> guestMachines;
    std::vector<std::unique_ptr<net::UnattendedGuest>> guests;
};

} // namespace marovane::test
