#include "engine/BoardCheck.h"

#include "engine/Game.h"

namespace marovane {

std::string BoardProblem(const Game& game) {
    const UnitSpecs& specs = game.Specs();
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y) {
            const int code = game.BoardUnit(x, y);
            const int picture = game.PicNum(x, y);
            if (code < 0)
                return "The cell " + CellText(x, y) + " holds a negative strength.";
            if (code > 0 && picture < 0)
                return "The cell " + CellText(x, y) + " holds a unit without a picture.";
            if (picture < 0)
                continue;
            const int owner = picture / kUnitTypes + 1;
            const int type = picture % kUnitTypes;
            // Only a type without hit points leaves its picture behind at strength 0, once it
            // has used its moves.
            if (code == 0 && specs.HitPoints(type) > 0)
                return "The cell " + CellText(x, y) + " shows a picture without a unit.";
            if (owner > game.NumPlayers)
                return "The cell " + CellText(x, y) + " holds a piece of player " +
                       std::to_string(owner) + ", who is not in the game.";
            if (code / 10 > specs.HitPoints(type))
                return "The unit on " + CellText(x, y) + " has more hit points than at full strength.";
            if (code % 10 > specs.Moves(type))
                return "The unit on " + CellText(x, y) + " has more moves left than its type has.";
            if (game.PlayerOut[owner])
                return "Player " + std::to_string(owner) + " is out but still owns the piece on " +
                       CellText(x, y) + ".";
        }
    }
    return {};
}

} // namespace marovane
