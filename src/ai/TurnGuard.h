#pragma once

#include "engine/Game.h"

#include <cstdint>

namespace marovane {

// Thrown by a TurnGuard when the computer's turn must stop at once. It never leaves the computer
// player: the turn catches it and returns.
struct TurnStopped {};

// A computer turn lets window events run while it thinks and pauses. A menu command may then
// end the game, start or load another one, or hand the player back to a human. After every such
// point the turn asks its guard whether it may go on, and reads the board afresh: the arrays it
// read before may have been replaced.
class TurnGuard {
public:
    TurnGuard(Game& game, int player) : game_(game), player_(player), serial_(game.GameSerial()) {}

    Game& GetGame() const { return game_; }
    int Player() const { return player_; }

    // The same game is on, it is still this player's turn, and the computer still plays him.
    bool Holds() const {
        return game_.GameOn && game_.GameSerial() == serial_ && game_.CurrentPlayer == player_ &&
               player_ >= 1 && player_ <= game_.NumPlayers && game_.PlayerComp[player_] &&
               !game_.PlayerOut[player_];
    }
    // Throws TurnStopped unless the turn may go on.
    void Check() const {
        if (!Holds())
            throw TurnStopped{};
    }
    // Lets pending window events run, then checks.
    void ProcessEvents() {
        game_.Schedule().ProcessEvents();
        Check();
    }
    // The same at once, for a turn that keeps its own time between the calls.
    void ProcessEventsNow() {
        game_.Schedule().ProcessEventsNow();
        Check();
    }
    // Waits while the computer's thinking is shown, then checks.
    void Pause(double seconds) {
        game_.Pause(seconds);
        Check();
    }

private:
    Game& game_;
    int player_;
    uint32_t serial_;
};

} // namespace marovane
