#pragma once

#include "ai/ComputerLevel.h"
#include "engine/ComputerPlayer.h"
#include "engine/Game.h"

#include <string>

namespace marovane {

// The computer player of this program: plays whole turns and keep visits for every computer
// slot of a game, each slot at its own level. It can stop the turn sequence after a number of
// turns, for the command-line tool and for tests.
class ComputerOpponent : public ComputerPlayer {
public:
    bool PlayTurn(Game& game) override;
    void DoComputerKeep(Game& game, KeepVisit& visit) override;

    // The level a slot's turns and keep visits are played at from its next turn on; the
    // standard computer's unless set.
    void SetLevel(int player, ComputerLevel level);
    void SetAllLevels(ComputerLevel level);
    ComputerLevel Level(int player) const;

    // After this many turns the next computer turn is not played and the turn sequence stops
    // there; a negative limit never stops it.
    void SetTurnLimit(int turns) { turnLimit_ = turns; }
    int TurnLimit() const { return turnLimit_; }
    // The turns played so far.
    int TurnsPlayed() const { return turnsPlayed_; }

    // Checks the board before and after every turn and stops the turn sequence at the first
    // fault, which BoardFault then names. For the command-line tool and long test games.
    void SetCheckBoard(bool check) { checkBoard_ = check; }
    // The first fault found, or empty; checks the game now when nothing was found before.
    const std::string& BoardFault(const Game& game);

private:
    PerPlayer<ComputerLevel> levels_{};
    int turnLimit_ = -1;
    int turnsPlayed_ = 0;
    bool checkBoard_ = false;
    std::string fault_;
};

} // namespace marovane
