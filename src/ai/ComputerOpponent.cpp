#include "ai/ComputerOpponent.h"

#include "ai/ComputerKeep.h"
#include "ai/ComputerTurn.h"
#include "ai/HardTurn.h"
#include "engine/BoardCheck.h"
#include "engine/Game.h"
#include "engine/KeepVisit.h"

namespace marovane {

void ComputerOpponent::SetLevel(int player, ComputerLevel level) {
    if (player >= 1 && player <= kMaxPlayers)
        levels_[static_cast<size_t>(player)] = level;
}

void ComputerOpponent::SetAllLevels(ComputerLevel level) {
    levels_.fill(level);
}

ComputerLevel ComputerOpponent::Level(int player) const {
    if (player < 1 || player > kMaxPlayers)
        return ComputerLevel::Standard;
    return levels_[static_cast<size_t>(player)];
}

bool ComputerOpponent::PlayTurn(Game& game) {
    if (checkBoard_ && !BoardFault(game).empty())
        return false;
    if (turnLimit_ >= 0 && turnsPlayed_ >= turnLimit_)
        return false;
    ++turnsPlayed_;
    if (Level(game.CurrentPlayer) == ComputerLevel::Hard)
        PlayHardTurn(game, game.CurrentPlayer);
    else
        DoComputerMoves(game, game.CurrentPlayer);
    return !checkBoard_ || BoardFault(game).empty();
}

const std::string& ComputerOpponent::BoardFault(const Game& game) {
    if (fault_.empty())
        fault_ = BoardProblem(game).English();
    return fault_;
}

void ComputerOpponent::DoComputerKeep(Game& game, KeepVisit& visit) {
    if (Level(visit.Player()) == ComputerLevel::Hard)
        DoHardKeep(game, visit);
    else
        marovane::DoComputerKeep(game, visit);
}

} // namespace marovane
