#include "net/NetworkPlay.h"

#include "session/GameSession.h"

namespace marovane {

NetworkPlay::NetworkPlay(GameSession& session, Links links, net::LobbyIdentity identity)
    : session_(session), links_(std::move(links)), identity_(std::move(identity)) {}

NetworkPlay::~NetworkPlay() {
    // The lobbies stop listening to their connections before those go.
    hostLobby_.reset();
    guestLobby_.reset();
    if (session_.CurrentGame().Role != NetworkRole::Local)
        session_.CurrentGame().LeaveNetwork();
    session_.SetNetwork(nullptr);
}

void NetworkPlay::UseLinks(Links links) {
    hostLobby_.reset();
    hostGame_.reset();
    hostLink_.reset();
    guestLobby_.reset();
    guestGame_.reset();
    guestLink_.reset();
    links_ = std::move(links);
}

net::HostLobby& NetworkPlay::Host() {
    if (!hostLobby_) {
        hostLink_ = links_.MakeHost();
        hostLink_->SetLocalPort(links_.Port);
        hostGame_ = std::make_unique<net::HostGame>(session_.CurrentGame(), *hostLink_);
        hostLobby_ = std::make_unique<net::HostLobby>(*hostLink_, *hostGame_, identity_);
    }
    return *hostLobby_;
}

net::HostGame& NetworkPlay::HostProtocol() {
    Host();
    return *hostGame_;
}

net::GuestLobby& NetworkPlay::Guest() {
    if (!guestLobby_) {
        guestLink_ = links_.MakeGuest();
        guestGame_ = std::make_unique<net::GuestGame>(session_.CurrentGame(), *guestLink_);
        guestLobby_ =
            std::make_unique<net::GuestLobby>(*guestLink_, session_.CurrentGame(), *guestGame_,
                                              identity_, session_.Scenarios().Writable());
    }
    return *guestLobby_;
}

void NetworkPlay::PrepareLocalGame() {
    session_.CurrentGame().LeaveNetwork();
    session_.SetNetwork(nullptr);
}

void NetworkPlay::TeamsChosen(int mode) {
    if (hostLobby_ && hostLobby_->Hosting() && session_.CurrentGame().Role != NetworkRole::Host)
        hostLobby_->SetTeamsMode(mode);
}

} // namespace marovane
