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
    hostLink_ = nullptr;
    ownHostLink_.reset();
    guestLobby_.reset();
    guestGame_.reset();
    guestLink_ = nullptr;
    ownGuestLink_.reset();
    links_ = std::move(links);
}

void NetworkPlay::UseHostLink(net::HostLink& link) {
    hostLobby_.reset();
    hostGame_.reset();
    ownHostLink_.reset();
    hostLink_ = &link;
}

void NetworkPlay::UseGuestLink(net::GuestLink& link, std::filesystem::path scenarioFolder) {
    KeepHostScenariosIn(std::move(scenarioFolder));
    ownGuestLink_.reset();
    guestLink_ = &link;
}

void NetworkPlay::KeepHostScenariosIn(std::filesystem::path folder) {
    // The lobby goes before the connection it listens to.
    guestLobby_.reset();
    guestGame_.reset();
    guestScenarioFolder_ = std::move(folder);
}

net::HostLobby& NetworkPlay::Host() {
    if (!hostLobby_) {
        if (!hostLink_) {
            ownHostLink_ = links_.MakeHost();
            ownHostLink_->SetLocalPort(links_.Port);
            hostLink_ = ownHostLink_.get();
        }
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
        if (!guestLink_) {
            ownGuestLink_ = links_.MakeGuest();
            guestLink_ = ownGuestLink_.get();
        }
        guestGame_ = std::make_unique<net::GuestGame>(session_.CurrentGame(), *guestLink_);
        guestLobby_ = std::make_unique<net::GuestLobby>(
            *guestLink_, session_.CurrentGame(), *guestGame_, identity_,
            guestScenarioFolder_.value_or(session_.Scenarios().Writable()));
    }
    return *guestLobby_;
}

GameSession::StartResult NetworkPlay::BeginHostedGame(const std::filesystem::path& scenario,
                                                      const NewGameSetup& setup) {
    net::HostLobby& lobby = Host();
    // The lobby's last word, the settings, the teams and the first board reach each guest in
    // one piece.
    const net::HeldSends held(*hostLink_);
    const auto remotePlayer = lobby.Begin(static_cast<int>(setup.Slots.size()));
    Game& game = session_.CurrentGame();
    game.SetNetworkRole(NetworkRole::Host, 0);
    game.SetRemoteSeats(remotePlayer);
    session_.SetNetwork(hostGame_.get());
    return session_.RequestNewGame(scenario, setup);
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
