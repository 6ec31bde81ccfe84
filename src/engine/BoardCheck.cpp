#include "engine/BoardCheck.h"

#include "engine/Game.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>

namespace marovane {

namespace {

// "1 player", "3 players".
Text Players(int n) {
    return (n == 1 ? Tx("Files", "%1 player") : Tx("Files", "%1 players")).Arg(n);
}

// A slot left empty when the game began: out from the start, with the result that marks it, yet
// given its party like every slot. Those pieces stand for the whole game and never move. Any other
// player who is out lost his pieces with his defeat.
bool LeftEmpty(const Game& game, int p) {
    return !game.PlayerComp[p] && game.PlayerResult[p] == 2;
}

// The quick checks below look at a whole board in one run over its arrays, with the per-picture
// facts looked up in a table; a board that passes them has no fault. When one of them finds
// anything wrong, or anything they do not judge, the cell-by-cell check that follows them finds
// the first fault and words it. Boards arrive several times a turn in a network game, and nearly
// all of them are sound.

// Picture values a board may hold (picture number + 1): 0 (no piece) to 60.
constexpr int kPictureValues = kMaxPlayers * kUnitTypes + 1;

bool ValuesSound(const BoardArrays& board, int n) {
    // A picture value is sound when it is 0 or the picture of a piece of one of the game's
    // players: those of player p are (p - 1) * 15 + 1 .. p * 15.
    const auto highest = static_cast<int16_t>(std::clamp(n, 0, kMaxPlayers) * kUnitTypes);
    const std::span<const int16_t> units = board.BoardUnitArray();
    const std::span<const int16_t> pictures = board.BoardPicArray();
    // Comparisons alone, without an early exit: the loop runs through many cells at once.
    int16_t bad = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        const int16_t unit = units[i];
        const int16_t picture = pictures[i];
        bad |= static_cast<int16_t>((unit < 0) | (picture < 0) | (picture > highest) |
                                    ((unit > 0) & (picture == 0)));
    }
    uint8_t seen = 0;
    for (const uint8_t value : board.SeenArray())
        seen |= static_cast<uint8_t>(value > 1);
    return bad == 0 && seen == 0;
}

// What a board may hold on a cell showing a picture, per picture value of the game.
struct PictureLimits {
    bool Allowed = false; // the piece's owner is in the game and may own pieces
    int HitPoints = 0;
    int Moves = 0;
};

bool CellSound(const std::array<PictureLimits, kPictureValues>& limits, int code, int value) {
    if (code < 0 || value < 0 || value >= kPictureValues)
        return false;
    if (value == 0)
        return code == 0;
    const PictureLimits& limit = limits[static_cast<size_t>(value)];
    return limit.Allowed && !(code == 0 && limit.HitPoints > 0) && code / 10 <= limit.HitPoints &&
           code % 10 <= limit.Moves;
}

bool PiecesSound(const Game& game, const BoardArrays& board) {
    const UnitSpecs& specs = game.Specs();
    std::array<PictureLimits, kPictureValues> limits{};
    for (int value = 1; value < kPictureValues; ++value) {
        const Piece piece = DecodePiece(value - 1);
        PictureLimits& limit = limits[static_cast<size_t>(value)];
        limit.Allowed = piece.Owner <= game.NumPlayers &&
                        !(game.PlayerOut[piece.Owner] && !LeftEmpty(game, piece.Owner));
        limit.HitPoints = specs.HitPoints(piece.Type);
        limit.Moves = specs.Moves(piece.Type);
    }
    const std::span<const int16_t> units = board.BoardUnitArray();
    const std::span<const int16_t> pictures = board.BoardPicArray();
    // Most of a board is empty ground: a run of empty cells is passed over as a whole, found
    // with a loop that runs through many cells at once.
    constexpr size_t kRun = 16;
    size_t i = 0;
    for (; i + kRun <= units.size(); i += kRun) {
        int16_t any = 0;
        for (size_t k = i; k < i + kRun; ++k)
            any |= static_cast<int16_t>(units[k] | pictures[k]);
        if (any == 0)
            continue;
        for (size_t k = i; k < i + kRun; ++k) {
            if (!CellSound(limits, units[k], pictures[k]))
                return false;
        }
    }
    for (; i < units.size(); ++i) {
        if (!CellSound(limits, units[i], pictures[i]))
            return false;
    }
    return true;
}

} // namespace

Text BoardValuesProblem(const BoardArrays& board, int n) {
    if (ValuesSound(board, n))
        return {};
    for (int y = 1; y <= board.Height(); ++y) {
        for (int x = 1; x <= board.Width(); ++x) {
            const int unit = board.BoardUnit(x, y);
            const int picture = board.BoardPic(x, y);
            if (unit < 0)
                return Tx("Files", "Cell %1 holds the strength code %2.")
                    .Arg(CellText(x, y))
                    .Arg(unit);
            if (picture < 0 || picture > kMaxPlayers * kUnitTypes)
                return Tx("Files", "Cell %1 holds the picture value %2, outside 0..60.")
                    .Arg(CellText(x, y))
                    .Arg(picture);
            // A unit needs a picture to tell its owner and type (a picture without strength is
            // possible: a unit of 0 hit points that used all its moves).
            if (unit > 0 && picture == 0)
                return Tx("Files", "Cell %1 holds a unit without a picture.").Arg(CellText(x, y));
            const int owner = DecodePiece(picture - 1, unit).Owner;
            if (owner > n)
                return Tx("Files", "Cell %1 holds a piece of player %2 in a game of %3.")
                    .Arg(CellText(x, y))
                    .Arg(owner)
                    .Arg(Players(n));
            for (int p = 1; p <= board.Players(); ++p) {
                const int seen = board.Seen(x, y, p);
                if (seen > 1)
                    return Tx("Files",
                              "Cell %1 is marked as seen by player %2 with %3 instead of 0 or 1.")
                        .Arg(CellText(x, y))
                        .Arg(p)
                        .Arg(seen);
            }
        }
    }
    // Every value of BoardMark is a set of explored bits: nothing to check.
    return {};
}

Text CaptiveProblem(int x, int y, int width, int height, const char* who, int p) {
    const bool waiting = x > 0 || y > 0;
    if (waiting && !(x >= 1 && y >= 1 && x <= width && y <= height))
        return Tx("Files", "Player %1's %2 waits at %3, off the board.")
            .Arg(p)
            .Arg(Tx("Units", who))
            .Arg(CellText(x, y));
    return {};
}

Text BoardProblem(const Game& game) {
    return BoardProblem(game, game.Board());
}

Text BoardProblem(const Game& game, const BoardArrays& board) {
    if (board.Width() != game.BoardWidth || board.Height() != game.BoardHeight)
        throw std::invalid_argument("a board of another size than the game's");
    if (PiecesSound(game, board))
        return {};
    const UnitSpecs& specs = game.Specs();
    for (int x = 1; x <= game.BoardWidth; ++x) {
        for (int y = 1; y <= game.BoardHeight; ++y) {
            const int code = board.BoardUnit(x, y);
            const Piece piece = DecodePiece(board.BoardPic(x, y) - 1, code);
            if (code < 0)
                return Tx("Files", "The cell %1 holds a negative strength.").Arg(CellText(x, y));
            if (code > 0 && piece.Empty())
                return Tx("Files", "The cell %1 holds a unit without a picture.")
                    .Arg(CellText(x, y));
            if (piece.Empty())
                continue;
            // Only a type without hit points leaves its picture behind at strength 0, once it
            // has used its moves.
            if (code == 0 && specs.HitPoints(piece.Type) > 0)
                return Tx("Files", "The cell %1 shows a picture without a unit.")
                    .Arg(CellText(x, y));
            if (piece.Owner > game.NumPlayers)
                return Tx("Files",
                          "The cell %1 holds a piece of player %2, who is not in the game.")
                    .Arg(CellText(x, y))
                    .Arg(piece.Owner);
            if (piece.HitPoints > specs.HitPoints(piece.Type))
                return Tx("Files", "The unit on %1 has more hit points than at full strength.")
                    .Arg(CellText(x, y));
            if (piece.MovesLeft > specs.Moves(piece.Type))
                return Tx("Files", "The unit on %1 has more moves left than its type has.")
                    .Arg(CellText(x, y));
            if (game.PlayerOut[piece.Owner] && !LeftEmpty(game, piece.Owner))
                return Tx("Files", "Player %1 is out but still owns the piece on %2.")
                    .Arg(piece.Owner)
                    .Arg(CellText(x, y));
        }
    }
    return {};
}

} // namespace marovane
