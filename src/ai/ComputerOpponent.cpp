#include "ai/ComputerOpponent.h"

#include "ai/ComputerKeep.h"
#include "ai/ComputerTurn.h"
#include "engine/Game.h"

namespace marovane {

bool ComputerOpponent::PlayTurn(Game& game) {
    if (turnLimit_ >= 0 && turnsPlayed_ >= turnLimit_)
        return false;
    ++turnsPlayed_;
    DoComputerMoves(game, game.CurrentPlayer);
    return true;
}

void ComputerOpponent::DoComputerKeep(Game& game, KeepVisit& visit) {
    marovane::DoComputerKeep(game, visit);
}

} // namespace marovane
