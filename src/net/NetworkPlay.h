#pragma once

#include "net/GuestGame.h"
#include "net/GuestLobby.h"
#include "net/HostGame.h"
#include "net/HostLobby.h"

#include <functional>
#include <memory>

namespace marovane {

class GameSession;

// A machine's part in network games as a window plays them: one connection for hosting and one
// for joining, each with its lobby and its game protocol, made when first needed. They live as
// long as the window, since a game begun in the lobby goes on after the new-game dialog has
// closed. (The unattended host and guest of the command-line tool hold one of each for a single
// game.)
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

    net::HostLobby& Host();
    net::HostGame& HostProtocol();
    net::GuestLobby& Guest();

    int Port() const { return links_.Port; }

    // Whether this window hosts a lobby or a network game, or is a guest of one.
    bool Hosting() const { return hostLobby_ && hostLobby_->Hosting(); }
    bool Joined() const { return guestLobby_ && guestLobby_->Active(); }

    // A local game is about to start: nothing of a network game may stay attached to it.
    void PrepareLocalGame();
    // The arrangement of teams changed in the lobby: the guests follow it.
    void TeamsChosen(int mode);

private:
    GameSession& session_;
    Links links_;
    net::LobbyIdentity identity_;
    std::unique_ptr<net::HostLink> hostLink_;
    std::unique_ptr<net::HostGame> hostGame_;
    std::unique_ptr<net::HostLobby> hostLobby_;
    std::unique_ptr<net::GuestLink> guestLink_;
    std::unique_ptr<net::GuestGame> guestGame_;
    std::unique_ptr<net::GuestLobby> guestLobby_;
};

} // namespace marovane
