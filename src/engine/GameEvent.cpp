#include "engine/GameEvent.h"

#include "engine/Game.h"

#include <algorithm>

namespace marovane {

std::vector<Cell> EventCells(const GameEvent& event) {
    using namespace game_event;
    struct Cells {
        std::vector<Cell> operator()(const Step& e) const { return {e.From, e.To}; }
        std::vector<Cell> operator()(const Battle& e) const { return {e.From, e.To}; }
        std::vector<Cell> operator()(const Heal& e) const { return {e.From, e.To}; }
        std::vector<Cell> operator()(const Repair& e) const { return {e.From, e.To}; }
        std::vector<Cell> operator()(const Purchase& e) const { return {e.Keep}; }
        std::vector<Cell> operator()(const Sale& e) const { return {e.Keep}; }
        std::vector<Cell> operator()(const Rescue& e) const { return {e.Keep}; }
        std::vector<Cell> operator()(const Freed& e) const { return {e.At}; }
        std::vector<Cell> operator()(const Raid& e) const { return {e.Keep}; }
        std::vector<Cell> operator()(const CastleTaken& e) const { return {e.Keep}; }
        std::vector<Cell> operator()(const PlayerOut&) const { return {}; }
        std::vector<Cell> operator()(const TurnStart&) const { return {}; }
        std::vector<Cell> operator()(const GameEnd&) const { return {}; }
    };
    return std::visit(Cells{}, event);
}

bool EventShown(const Game& game, const GameEvent& event) {
    return EventShownTo(game, event, game.CurrentPlayer);
}

bool EventShownTo(const Game& game, const GameEvent& event, int viewer) {
    const std::vector<bool> shown = CellsShownTo(game, event, viewer);
    return shown.empty() || std::find(shown.begin(), shown.end(), true) != shown.end();
}

std::vector<bool> CellsShownTo(const Game& game, const GameEvent& event, int viewer) {
    const std::vector<Cell> cells = EventCells(event);
    std::vector<bool> shown(cells.size(), true);
    if (!game.FogOn)
        return shown;
    // The current player sees what the board shows; anyone else's sight is worked out.
    const bool current = viewer == game.CurrentPlayer;
    const std::vector<uint8_t> sight = current ? std::vector<uint8_t>{} : game.SightOf(viewer);
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell c = cells[i];
        shown[i] =
            game.OnBoard(c.X, c.Y) &&
            (current ? game.Visible(c.X, c.Y) : sight[game.Board().CellIndex(c.X, c.Y)] != 0);
    }
    return shown;
}

} // namespace marovane
