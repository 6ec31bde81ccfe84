#pragma once

#include "net/GuestGame.h"
#include "net/GuestLobby.h"
#include "net/HostGame.h"
#include "net/HostLobby.h"

#include "scenario/NewGameSetup.h"
#include "session/GameSession.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace marovane {

// A machine's part in network games: one connection for hosting and one for joining, each with
// its lobby and its game protocol, made when first needed. The window keeps one as long as it
// lives, since a game begun in the lobby goes on after the new-game dialog has closed; the
// unattended host and guest of the command-line tool keep one for a single game.
class NetworkPlay {
public:
    struct Links {
        std::function<std::unique_ptr<net::HostLink>()> MakeHost;
        std::function<std::unique_ptr<net::GuestLink>()> MakeGuest;
        // The port hosts listen on and guests connect to.
        int Port = net::kGamePort;
    };

    // The connections are made by `links` (sockets in the game, something else in tests) when
    // first needed; a guest keeps the host's scenario in the writable scenario folder.
    NetworkPlay(GameSession& session, Links links, net::LobbyIdentity identity);
    ~NetworkPlay();

    // Other connections, for a window whose network play has not begun.
    void UseLinks(Links links);
    // A connection made elsewhere (by the tool, by a test), which its owner keeps alive as long as
    // this; a guest keeps the host's scenario in the given folder.
    void UseHostLink(net::HostLink& link);
    void UseGuestLink(net::GuestLink& link, std::filesystem::path scenarioFolder);
    // A guest keeps the host's scenario in the given folder rather than the writable scenario
    // folder; for a window that has not joined yet.
    void KeepHostScenariosIn(std::filesystem::path folder);

    net::HostLobby& Host();
    net::HostGame& HostProtocol();
    net::GuestLobby& Guest();

    int Port() const { return links_.Port; }

    // Whether this window hosts a lobby or a network game, or is a guest of one.
    bool Hosting() const { return hostLobby_ && hostLobby_->Hosting(); }
    bool Joined() const { return guestLobby_ && guestLobby_->Active(); }

    // The host begins: every guest hears which slot it holds, the game enters network mode with
    // the guests in their players' places, and the session starts the new game (at once, or once
    // a running game has stopped).
    GameSession::StartResult BeginHostedGame(const std::filesystem::path& scenario,
                                             const NewGameSetup& setup);
    // A local game is about to start: nothing of a network game may stay attached to it.
    void PrepareLocalGame();
    // The arrangement of teams changed in the lobby: the guests follow it.
    void TeamsChosen(int mode);

private:
    GameSession& session_;
    Links links_;
    net::LobbyIdentity identity_;
    std::unique_ptr<net::HostLink> ownHostLink_;
    net::HostLink* hostLink_ = nullptr;
    std::unique_ptr<net::HostGame> hostGame_;
    std::unique_ptr<net::HostLobby> hostLobby_;
    std::unique_ptr<net::GuestLink> ownGuestLink_;
    net::GuestLink* guestLink_ = nullptr;
    std::optional<std::filesystem::path> guestScenarioFolder_;
    std::unique_ptr<net::GuestGame> guestGame_;
    std::unique_ptr<net::GuestLobby> guestLobby_;
};

} // namespace marovane
