#pragma once

#include <string>

namespace marovane {

// What a game in progress tells the other machines. A local game has nobody to tell, which is
// what this base class does.
class GameNetwork {
public:
    virtual ~GameNetwork() = default;

    // Player p won or lost; every machine shows the message. A loss also tells the machine that
    // plays p, or the host, that p is out.
    virtual void AnnounceWin(int /*player*/, const std::string& /*message*/) {}
    virtual void AnnounceLoss(int /*player*/, const std::string& /*message*/) {}
    virtual void AnnounceGameOver() {}
    // A guest's own player ended his turn: the whole board goes back to the host.
    virtual void SendBoardToHost(int /*player*/) {}
    // The turn passed to player p: the host hands it to p's machine, or tells the guests.
    virtual void HandOverTurn(int /*player*/) {}
    // The team arrangement changed on the host.
    virtual void TeamsChanged() {}
};

} // namespace marovane
