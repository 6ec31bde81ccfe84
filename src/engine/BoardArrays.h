#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace marovane {

// The board of a game as saved games and the network carry it: four arrays for a board of
// W x H cells and N players, kept in the order they are written.
//   BoardUnit, BoardPic: one 16-bit value per cell (x, y), at (y - 1) * W + (x - 1);
//   Seen: one byte per cell and player, player p's W * H cells after those of players 1..p-1;
//   BoardMark: one byte per point (x, y) of the (W + 1) x (H + 1) grid 0..W, 0..H, at
//   y * (W + 1) + x.
// Two boards are equal when their sizes and every array are, so whatever a board holds takes part
// in every comparison of boards.
class BoardArrays {
public:
    // No board: 0 x 0 cells (with the one mark point (0, 0)), no players.
    BoardArrays() : BoardArrays(0, 0, 0) {}
    // An empty board: every value 0. Throws std::invalid_argument for a negative size.
    BoardArrays(int width, int height, int players);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Players() const { return players_; }
    bool OnBoard(int x, int y) const { return x >= 1 && y >= 1 && x <= width_ && y <= height_; }

    // The accessors throw std::out_of_range for a cell off the board or a player not in the game.
    // Strength code of the unit on a cell: hit points * 10 + moves left; 0 = no unit.
    int16_t& BoardUnit(int x, int y) { return boardUnit_[CellIndex(x, y)]; }
    int16_t BoardUnit(int x, int y) const { return boardUnit_[CellIndex(x, y)]; }
    // Picture number + 1 of a cell; 0 = empty.
    int16_t& BoardPic(int x, int y) { return boardPic_[CellIndex(x, y)]; }
    int16_t BoardPic(int x, int y) const { return boardPic_[CellIndex(x, y)]; }
    // 1 when a battle revealed the cell to player p during his turn.
    uint8_t& Seen(int x, int y, int p) { return seen_[SeenIndex(x, y, p)]; }
    uint8_t Seen(int x, int y, int p) const { return seen_[SeenIndex(x, y, p)]; }
    // Explored marks, points 0..W by 0..H: bit p is set once a piece of p came within one cell.
    uint8_t& BoardMark(int x, int y) { return boardMark_[MarkIndex(x, y)]; }
    uint8_t BoardMark(int x, int y) const { return boardMark_[MarkIndex(x, y)]; }

    // Where cell (x, y) sits in BoardUnit and BoardPic. Inline: the computer player reads cells
    // thousands of times a turn.
    size_t CellIndex(int x, int y) const {
        if (!OnBoard(x, y))
            ThrowOffBoard("cell off the board");
        return static_cast<size_t>(y - 1) * static_cast<size_t>(width_) +
               static_cast<size_t>(x - 1);
    }

    // Each array whole, in the order above, for writing and reading it in one run.
    std::span<int16_t> BoardUnitArray() { return boardUnit_; }
    std::span<const int16_t> BoardUnitArray() const { return boardUnit_; }
    std::span<int16_t> BoardPicArray() { return boardPic_; }
    std::span<const int16_t> BoardPicArray() const { return boardPic_; }
    std::span<uint8_t> SeenArray() { return seen_; }
    std::span<const uint8_t> SeenArray() const { return seen_; }
    std::span<uint8_t> BoardMarkArray() { return boardMark_; }
    std::span<const uint8_t> BoardMarkArray() const { return boardMark_; }

    bool operator==(const BoardArrays&) const = default;

private:
    [[noreturn]] static void ThrowOffBoard(const char* what);
    size_t SeenIndex(int x, int y, int p) const {
        if (p < 1 || p > players_)
            ThrowOffBoard("no such player");
        return static_cast<size_t>(p - 1) * boardUnit_.size() + CellIndex(x, y);
    }
    size_t MarkIndex(int x, int y) const {
        if (x < 0 || y < 0 || x > width_ || y > height_)
            ThrowOffBoard("mark off the board");
        return static_cast<size_t>(y) * static_cast<size_t>(width_ + 1) + static_cast<size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    int players_ = 0;
    std::vector<int16_t> boardUnit_;
    std::vector<int16_t> boardPic_;
    std::vector<uint8_t> seen_;
    std::vector<uint8_t> boardMark_;
};

// A cell as messages name it: "(x, y)".
std::string CellText(int x, int y);

} // namespace marovane
