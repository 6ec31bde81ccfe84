#pragma once

#include <string>

namespace marovane {

class Game;
class KeepVisit;

// The computer's side of the turn sequence. The rules call it for a computer player played on
// this machine; without one, a computer's turn waits like a human's.
class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;

    // Plays the whole turn of the current player. Answers false to stop the turn sequence after
    // this turn (a command-line turn limit); the game then stays on.
    virtual bool PlayTurn(Game& game) = 0;

    // Decides the keep visit at the end of the player's turn.
    virtual void DoComputerKeep(Game& game, KeepVisit& visit) = 0;
};

} // namespace marovane
