#pragma once

#include "net/GuestLobby.h"
#include "net/HostLobby.h"
#include "net/NetworkPlay.h"
#include "scenario/NewGameSetup.h"
#include "session/GameSession.h"

#include <filesystem>
#include <optional>
#include <string>

namespace marovane::net {

// A host that needs nobody at the machine: it hosts a scenario with the given slots, plays the
// computer slots itself, and begins as soon as every "Remote" slot is taken, through the same
// network play as the window's Begin. The owner runs the connection's events and calls Poll.
class UnattendedHost : private HostLobbyView {
public:
    UnattendedHost(GameSession& session, HostLink& link, LobbyIdentity identity,
                   std::filesystem::path scenario, NewGameSetup setup);

    // Starts hosting; false (with the reason) when the scenario cannot be read or the port is
    // taken.
    bool Open(std::string& problem);
    // Begins the game once every remote slot is taken; answers whether the work is done (the
    // game was played to its end, or could not start).
    bool Poll();
    bool Began() const { return began_; }
    HostLobby& Lobby() { return play_.Host(); }

private:
    void ShowNetError(const Text& text) override;

    GameSession& session_;
    HostLink& link_;
    NetworkPlay play_;
    std::filesystem::path scenario_;
    NewGameSetup setup_;
    bool began_ = false;
    bool failed_ = false;
};

// A guest that needs nobody at the machine: it joins a host, claims a slot (the one asked for,
// or the first free one), and lets the computer play its player.
class UnattendedGuest : private GuestLobbyView {
public:
    UnattendedGuest(GameSession& session, GuestLink& link, LobbyIdentity identity,
                    std::filesystem::path scenarioFolder, std::optional<int> slot);

    void Connect(const std::string& host, int port) { Lobby().Connect(host, port); }
    // Connects again after being dropped from a game under way, to take back the seat of this
    // machine's player, which the host's computer plays meanwhile.
    void Rejoin(const std::string& host, int port);
    // Dropped from a game that goes on at the host.
    bool Dropped() { return closed_ && Lobby().DroppedFromGame(); }
    // Answers whether the work is done: the game ended, or the lobby closed.
    bool Finished() const { return closed_ || (started_ && !session_.CurrentGame().GameOn); }
    bool Started() const { return started_; }
    // What the lobby told the player (refusals, "You were dropped from the game.", ...).
    const std::vector<std::string>& Messages() const { return messages_; }
    GuestLobby& Lobby() { return play_.Guest(); }

private:
    bool StartGame(const std::filesystem::path& scenario, const NewGameSetup& setup) override;
    void SlotsChanged() override;
    void ShowMessage(const Text& text) override { messages_.push_back(text.English()); }
    void LobbyClosed() override { closed_ = true; }

    GameSession& session_;
    NetworkPlay play_;
    std::optional<int> slot_;
    // The slot claimed and not yet seen taken, and how many lobby updates still showed it free
    // since: updates the host sent before it read the claim.
    std::optional<int> claimed_;
    int updatesSinceClaim_ = 0;
    bool started_ = false;
    bool closed_ = false;
    std::vector<std::string> messages_;
};

} // namespace marovane::net
