#include "session/StepHistory.h"

#include "engine/Game.h"
#include "engine/GameStateFields.h"

namespace marovane {

void StepHistory::Record(const Game& game) {
    points_.push_back({game.State(), game.Board()});
    if (points_.size() > kMaxSteps)
        points_.erase(points_.begin());
}

bool StepHistory::Undo(Game& game) {
    if (points_.empty())
        return false;
    Point point = std::move(points_.back());
    points_.pop_back();
    game.TakeState(point.State, carried::SavedFile, std::move(point.Board));
    // What no saved game holds but the turn needs back.
    game.NextUnitIndex = point.State.NextUnitIndex;
    game.HotSeat = point.State.HotSeat;

    // The board shows the earlier pictures and sight, and the unit that stepped is selected
    // where it stood.
    game.ShowWholeBoard();
    game.Update();
    game.View().HighlightOff();
    const int x = game.HighX, y = game.HighY;
    if (x >= 1 && game.OnBoard(x, y) && game.PicNum(x, y) >= 0)
        game.SelectPiece(x, y);
    else
        game.UnselectPiece();
    GameInteraction& interaction = game.Interaction();
    interaction.ShowUnitPanel(0, 0, 0);
    // The unit has its move back: the turn no longer ends by itself.
    interaction.HideNoMovesMarker();
    interaction.DisarmNextTurnTimer();
    interaction.NextTurnEnabledChanged();
    return true;
}

} // namespace marovane
