#include "engine/BoardCheck.h"

#include "engine/Game.h"

namespace marovane {

std::string BoardProblem(const Game& game) {
    const UnitSpecs& specs = game.Specs();
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y) {
            const int code = game.BoardUnit(x, y);
            const Piece piece = game.PieceAt(x, y);
            if (code < 0)
                return "The cell " + CellText(x, y) + " holds a negative strength.";
            if (code > 0 && piece.Empty())
                return "The cell " + CellText(x, y) + " holds a unit without a picture.";
            if (piece.Empty())
                continue;
            // Only a type without hit points leaves its picture behind at strength 0, once it
            // has used its moves.
            if (code == 0 && specs.HitPoints(piece.Type) > 0)
                return "The cell " + CellText(x, y) + " shows a picture without a unit.";
            if (piece.Owner > game.NumPlayers)
                return "The cell " + CellText(x, y) + " holds a piece of player " +
                       std::to_string(piece.Owner) + ", who is not in the game.";
            if (piece.HitPoints > specs.HitPoints(piece.Type))
                return "The unit on " + CellText(x, y) +
                       " has more hit points than at full strength.";
            if (piece.MovesLeft > specs.Moves(piece.Type))
                return "The unit on " + CellText(x, y) + " has more moves left than its type has.";
            if (game.PlayerOut[piece.Owner])
                return "Player " + std::to_string(piece.Owner) +
                       " is out but still owns the piece on " + CellText(x, y) + ".";
        }
    }
    return {};
}

} // namespace marovane
