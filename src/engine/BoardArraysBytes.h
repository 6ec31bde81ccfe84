#pragma once

#include <string_view>

namespace marovane {

class BoardArrays;
class ByteReader;
class ByteWriter;

// A board travels (in saved games, and between the machines of a network game) as its four
// arrays one after the other, BoardUnit, BoardPic, Seen and BoardMark, each in its storage order,
// with no sizes: both sides know the board's size and number of players from elsewhere.
void WriteBoardArrays(ByteWriter& out, const BoardArrays& board);

// Reads a board of the given size. Refuses, naming `what`, before allocating anything when fewer
// bytes are left than such a board takes, or when a size lies outside the 16-bit range every
// file and message holds it in. Any values are accepted: checking them is the caller's part.
BoardArrays ReadBoardArrays(ByteReader& in, int width, int height, int players,
                            std::string_view what);

} // namespace marovane
