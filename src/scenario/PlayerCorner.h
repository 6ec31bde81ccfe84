#pragma once

namespace marovane {

// A board cell: x is the column from the left, y the row from the top, both counted from 1.
struct Cell {
    int X = 0;
    int Y = 0;
    bool operator==(const Cell&) const = default;
};

// A point on the grid lines between cells: the board's top-left corner is (0, 0) and a cell
// spans one unit, so cell (x, y) covers x - 1 to x across and y - 1 to y down.
struct GridPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const GridPoint&) const = default;
};

// Every player counts cells from his own corner of the board: player 1 from the top left, 2 from
// the bottom right, 3 from the bottom left, 4 from the top right. Formations, castles and
// placements are written once in a player's own frame and mirrored into his corner.
constexpr bool CountsFromRight(int player) {
    return player == 2 || player == 4;
}
constexpr bool CountsFromBottom(int player) {
    return player == 2 || player == 3;
}

// A cell of the player's own frame as a cell of a width x height board. Mirroring twice gives the
// cell back, so the same call turns a board cell into the player's frame.
constexpr Cell ToPlayerCorner(Cell c, int player, int width, int height) {
    return {CountsFromRight(player) ? width - c.X + 1 : c.X,
            CountsFromBottom(player) ? height - c.Y + 1 : c.Y};
}

// The same for a point on the grid lines. Lines count from 0 where cells count from 1, so line x
// mirrors to width - x where column x mirrors to width - x + 1.
constexpr GridPoint ToPlayerCorner(GridPoint p, int player, int width, int height) {
    return {CountsFromRight(player) ? width - p.X : p.X,
            CountsFromBottom(player) ? height - p.Y : p.Y};
}

// A player's home corner is the 4 x 4 block of his own frame that his party starts in.
inline constexpr int kHomeCornerSize = 4;
// Whether a board cell, seen from the player's side (in his own frame), lies in his home corner.
constexpr bool InHomeCorner(Cell own) {
    return own.X <= kHomeCornerSize && own.Y <= kHomeCornerSize;
}

} // namespace marovane
