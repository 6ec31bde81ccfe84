#include "engine/BoardCheck.h"

#include "engine/Game.h"

namespace marovane {

namespace {

// "1 player", "3 players".
std::string Players(int n) {
    return std::to_string(n) + (n == 1 ? " player" : " players");
}

// A slot left empty when the game began: out from the start, with the result that marks it, yet
// given its party like every slot. Those pieces stand for the whole game and never move. Any other
// player who is out lost his pieces with his defeat.
bool LeftEmpty(const Game& game, int p) {
    return !game.PlayerComp[p] && game.PlayerResult[p] == 2;
}

} // namespace

std::string BoardValuesProblem(const BoardArrays& board, int n) {
    for (int y = 1; y <= board.Height(); ++y) {
        for (int x = 1; x <= board.Width(); ++x) {
            const int unit = board.BoardUnit(x, y);
            const int picture = board.BoardPic(x, y);
            if (unit < 0)
                return "Cell " + CellText(x, y) + " holds the strength code " +
                       std::to_string(unit) + ".";
            if (picture < 0 || picture > kMaxPlayers * kUnitTypes)
                return "Cell " + CellText(x, y) + " holds the picture value " +
                       std::to_string(picture) + ", outside 0..60.";
            // A unit needs a picture to tell its owner and type (a picture without strength is
            // possible: a unit of 0 hit points that used all its moves).
            if (unit > 0 && picture == 0)
                return "Cell " + CellText(x, y) + " holds a unit without a picture.";
            const int owner = DecodePiece(picture - 1, unit).Owner;
            if (owner > n)
                return "Cell " + CellText(x, y) + " holds a piece of player " +
                       std::to_string(owner) + " in a game of " + Players(n) + ".";
            for (int p = 1; p <= board.Players(); ++p) {
                const int seen = board.Seen(x, y, p);
                if (seen > 1)
                    return "Cell " + CellText(x, y) + " is marked as seen by player " +
                           std::to_string(p) + " with " + std::to_string(seen) +
                           " instead of 0 or 1.";
            }
        }
    }
    // Every value of BoardMark is a set of explored bits: nothing to check.
    return {};
}

std::string CaptiveProblem(int x, int y, int width, int height, const char* who, int p) {
    const bool waiting = x > 0 || y > 0;
    if (waiting && !(x >= 1 && y >= 1 && x <= width && y <= height))
        return "Player " + std::to_string(p) + "'s " + who + " waits at " + CellText(x, y) +
               ", off the board.";
    return {};
}

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
            if (game.PlayerOut[piece.Owner] && !LeftEmpty(game, piece.Owner))
                return "Player " + std::to_string(piece.Owner) +
                       " is out but still owns the piece on " + CellText(x, y) + ".";
        }
    }
    return {};
}

} // namespace marovane
