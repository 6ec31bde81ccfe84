#include "engine/BoardArraysBytes.h"

#include "engine/BoardArrays.h"
#include "util/Bytes.h"

#include <cstdint>
#include <limits>
#include <string>

namespace marovane {

void WriteBoardArrays(ByteWriter& out, const BoardArrays& board) {
    out.Int16s(board.BoardUnitArray());
    out.Int16s(board.BoardPicArray());
    out.Bytes(board.SeenArray());
    out.Bytes(board.BoardMarkArray());
}

BoardArrays ReadBoardArrays(ByteReader& in, int width, int height, int players,
                            std::string_view what) {
    constexpr int kLargest = std::numeric_limits<int16_t>::max();
    if (width < 0 || height < 0 || players < 0 || width > kLargest || height > kLargest ||
        players > kLargest)
        in.Refuse(Tx("Files", "A board of %1 x %2 cells for %3 players cannot be read.")
                      .Arg(width)
                      .Arg(height)
                      .Arg(players));
    // At most 32767 a side and 32767 players: the sums below stay far inside 64 bits.
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    const size_t marks = static_cast<size_t>(width + 1) * static_cast<size_t>(height + 1);
    in.Require(4 * cells + cells * static_cast<size_t>(players) + marks, what);

    BoardArrays board(width, height, players);
    in.Int16s(board.BoardUnitArray(), what);
    in.Int16s(board.BoardPicArray(), what);
    in.Bytes(board.SeenArray(), what);
    in.Bytes(board.BoardMarkArray(), what);
    return board;
}

} // namespace marovane
