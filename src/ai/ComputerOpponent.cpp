#include "ai/ComputerOpponent.h"

#include "ai/ComputerKeep.h"
#include "ai/ComputerTurn.h"
#include "engine/BoardCheck.h"
#include "engine/Game.h"

namespace marovane {

bool ComputerOpponent::PlayTurn(Game& game) {
    if (checkBoard_ && !BoardFault(game).empty())
        return false;
    if (turnLimit_ >= 0 && turnsPlayed_ >= turnLimit_)
        return false;
    ++turnsPlayed_;
    DoComputerMoves(game, game.CurrentPlayer);
    return !checkBoard_ || BoardFault(game).empty();
}

const std::string& ComputerOpponent::BoardFault(const Game& game) {
    if (fault_.empty())
        fault_ = BoardProblem(game);
    return fault_;
}

void ComputerOpponent::DoComputerKeep(Game& game, KeepVisit& visit) {
    marovane::DoComputerKeep(game, visit);
}

} // namespace marovane
