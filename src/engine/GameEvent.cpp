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
    if (!game.FogOn)
        return true;
    const std::vector<Cell> cells = EventCells(event);
    return cells.empty() || std::any_of(cells.begin(), cells.end(), [&](Cell c) {
               return game.OnBoard(c.X, c.Y) && game.Visible(c.X, c.Y);
           });
}

bool EventShownTo(const Game& game, const GameEvent& event, int viewer) {
    if (!game.FogOn || viewer == game.CurrentPlayer)
        return EventShown(game, event);
    const std::vector<Cell> cells = EventCells(event);
    if (cells.empty())
        return true;
    const std::vector<uint8_t> sight = game.SightOf(viewer);
    return std::any_of(cells.begin(), cells.end(), [&](Cell c) {
        return game.OnBoard(c.X, c.Y) && sight[game.Board().CellIndex(c.X, c.Y)] != 0;
    });
}

} // namespace marovane
