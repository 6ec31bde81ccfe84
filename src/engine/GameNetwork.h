#pragma once

#include <string>

namespace marovane {

// What this machine is in a game: alone, a guest of a host, or the host of guests. It lives only
// while the game runs; no file or message carries it.
enum class NetworkRole { Local, Guest, Host };

// Who plays a player's seat, as this machine sees it: a human at this machine, the computer here,
// somebody at another machine, or nobody (a slot left empty).
enum class SeatKind { HumanHere, Computer, Remote, Vacant };

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
    // The turn passed to player p (every turn, also a computer's): the host tells the guests
    // that do not play p.
    virtual void TurnPassed(int /*player*/) {}
    // The game waits for player p, a human here or a player at another machine: the host hands
    // the board to p's machine.
    virtual void HandOverTurn(int /*player*/) {}
    // The teams of a new game are settled: the host tells each guest who is on its side.
    virtual void TeamsSettled() {}
    // The team arrangement changed on the host.
    virtual void TeamsChanged() {}
};

} // namespace marovane
