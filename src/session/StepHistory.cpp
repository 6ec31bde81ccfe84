#include "session/StepHistory.h"

#include "engine/Game.h"
#include "savegame/SavedGame.h"
#include "util/Error.h"

namespace marovane {

void StepHistory::Record(const Game& game) {
    try {
        points_.push_back({EncodeSavedGame(game), game.NextUnitIndex, game.HotSeat});
    } catch (const Error&) {
        points_.clear();
        return;
    }
    if (points_.size() > kMaxSteps)
        points_.erase(points_.begin());
}

bool StepHistory::Undo(Game& game) {
    if (points_.empty())
        return false;
    const Point point = std::move(points_.back());
    points_.pop_back();
    RestoreSavedGame(DecodeSavedGame(point.Bytes), game);
    game.NextUnitIndex = point.NextUnitIndex;
    game.HotSeat = point.HotSeat;

    // The board shows the earlier pictures and sight, and the unit that stepped is selected
    // where it stood.
    BoardView& view = game.View();
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y)
            view.CellPictureChanged(x, y, game.PicNum(x, y));
    }
    game.Update();
    view.HighlightOff();
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
    interaction.MoneyChanged();
    return true;
}

} // namespace marovane
