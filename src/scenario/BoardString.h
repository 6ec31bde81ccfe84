#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace marovane {

// A board string records a scenario's advanced placements as differences from the standard
// starting layout: two header characters (width * 4, height * 8), then one character per cell of
// that board, row by row. A blank leaves the cell alone, 16 empties it, anything else is a unit:
// type in the low four bits, player - 1 in bits 6 and 7.
namespace board_string {

inline constexpr char kUnchanged = ' ';
inline constexpr char kEmptied = 16;

// One instruction of an executed string. A unit is given in its owner's own frame: the stored
// cell reflected by the owner on the stored board, ready for SetUnit, which reflects it again on
// the actual board. So a unit keeps its distance from its owner's corner when the board size
// changed, and lands on the stored cell when it did not. An emptied cell is absolute: Type -1,
// Player 1.
struct Placement {
    int X = 0;
    int Y = 0;
    int Type = -1;
    int Player = 1;
};

// The character of one cell: a picture number (player - 1) * 15 + type, or -1 for an emptied cell.
char EncodeCell(int picture);

// The string for a width x height board whose cells show picture(x, y), made against the
// standard layout base(x, y): cells that equal the base are blank. Pictures are -1 or 0..59.
std::string Encode(int width, int height, const std::function<int(int x, int y)>& picture,
                   const std::function<int(int x, int y)>& base);

// The board the string was made for; 0 x 0 for a blank string.
void ReadHeader(std::string_view text, int& width, int& height);

// Runs every instruction of the string in order. Nothing happens for a blank string or a stored
// board without cells. Only the cells of the stored board are read: padding past them is ignored.
void Execute(std::string_view text, const std::function<void(const Placement&)>& place);

// A reason why the string cannot be used in a game (a unit type outside 0..14), or empty.
std::string Problem(std::string_view text);

} // namespace board_string

} // namespace marovane
