#pragma once

#include "engine/GameNetwork.h"
#include "net/NetLinks.h"
#include "net/PeerText.h"

#include <array>
#include <deque>
#include <functional>
#include <string>

namespace marovane {
class Game;
}

namespace marovane::net {

// The host's side of a network game in progress: the host runs the whole game, plays its own
// and the computer's players, and hands the board to a guest whenever that guest's player is to
// move. Guests are known by their connection index; Game::RemotePlayer holds, per player, the
// index of the guest who plays it.
class HostGame : public GameNetwork {
public:
    HostGame(Game& game, HostLink& link) : game_(game), link_(link) {}

    // A data message from guest `index`. Messages outside a running network game, from a guest
    // that plays no player, or that make no sense now are ignored.
    void ReceiveData(int index, std::string data);
    // Guest `index` is gone: the computer takes over its player, at once if it is to move.
    void GuestLeft(int index);
    // Every guest is told who is on its side.
    void SendTeams();
    // The network side of the game ends: the guests are told, hosting stops.
    void EndNetGame();
    // A new hosted game begins: no seat is open for a returning guest yet.
    void GameBegins();
    // Whether a guest may come back to player p's seat: a guest played it, left, and the
    // computer plays it now.
    bool SeatOpen(int p) const;
    // The connection index of a guest that came back to p's seat and waits for p's next turn.
    int Returning(int p) const { return returning_[static_cast<size_t>(p)]; }
    // Guest `index` takes p's seat back: it starts its game and is sent who is out and the board
    // as it stands; the computer hands the seat over at the start of p's next turn. False when
    // the seat is not open.
    bool Rejoin(int index, int p);
    // Whether guest `index` plays a seat of the game, or waits to take one back.
    bool PlaysASeat(int index) const;
    // Called whenever hosting stops with the game: it ended, or the last guest left.
    void SetNetworkEnded(std::function<void()> ended) { networkEnded_ = std::move(ended); }
    // Whether a network game is under way here.
    bool Active() const;

    // GameNetwork
    void AnnounceWin(int player, const std::string& message) override;
    void AnnounceLoss(int player, const std::string& message) override;
    void AnnounceGameOver() override;
    void TurnPassed(int player) override;
    void HandOverTurn(int player) override;
    void TeamsSettled() override { SendTeams(); }
    void TeamsChanged() override;

private:
    struct Incoming {
        int Index = 0;
        std::string Data;
        bool Left = false; // the guest's connection closed
    };
    int PlayerOf(int index) const;
    void StopHosting();
    int OpenSeats() const;
    // Hosting goes on while a guest is connected or a seat is open for one to come back.
    void KeepListeningForReturns();
    // At the start of p's turn a returning guest takes over p from the computer.
    void HandBackSeat(int p);
    void Enqueue(Incoming incoming);
    void Handle(const Incoming& incoming);
    void HandleLeft(int index);
    // The board of the guest to move was accepted: the defeats it reported that the board shows
    // take effect, here and on the other guests.
    void SettleReportedDefeats(int index);

    Game& game_;
    HostLink& link_;
    // Messages that arrive while one is being handled (a computer turn lets the window run)
    // wait their turn, so the game is never entered twice.
    bool handling_ = false;
    std::deque<Incoming> queued_;
    // Players the guest to move reported out in its turn, per player 1..4.
    std::array<bool, 5> reportedOut_{};
    // Per player 1..4: a guest played the seat and left it; a guest waits to take it back.
    std::array<bool, 5> formerGuest_{};
    std::array<int, 5> returning_{};
    PeerMessages peerMessages_;
    std::function<void()> networkEnded_;
};

} // namespace marovane::net
