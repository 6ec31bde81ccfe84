#pragma once

#include "engine/GameNetwork.h"
#include "net/NetLinks.h"
#include "net/PeerText.h"

#include <deque>
#include <string>

namespace marovane {
class Game;
}

namespace marovane::net {

// A guest's side of a network game in progress. The guest runs the game too, but plays only its
// own player (Game::MyPlayer): it follows the turns the host announces, plays its own turn on the
// board the host hands it, and hands the board back when the turn ends.
class GuestGame : public GameNetwork {
public:
    GuestGame(Game& game, GuestLink& link) : game_(game), link_(link) {}

    // A data message from the host.
    void ReceiveData(std::string data);
    // The lobby heard that the game starts: messages wait until the game is on (GameStarted).
    void HoldUntilGameStarts() { holding_ = true; }
    void GameStarted();
    // The network side of the game ends here: the connection closes.
    void EndNetGame();
    // Whether this machine's player is playing a turn the host handed over.
    bool OwnTurn() const { return ownTurn_; }

    // GameNetwork
    void AnnounceWin(int player, const std::string& message) override;
    void AnnounceLoss(int player, const std::string& message) override;
    void AnnounceGameOver() override { EndNetGame(); }
    void SendBoardToHost(int player) override;

private:
    void Drain();
    void Handle(const std::string& data);
    void AdvanceTo(int player);
    void SendBoard();

    Game& game_;
    GuestLink& link_;
    bool ownTurn_ = false;
    bool holding_ = false;
    bool handling_ = false;
    std::deque<std::string> queued_;
    PeerMessages peerMessages_;
};

} // namespace marovane::net
