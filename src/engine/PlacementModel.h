#pragma once

#include "scenario/GameDef.h"

#include <string>
#include <string_view>
#include <vector>

namespace marovane {

// The advanced placement editor without its window. It lays out a scenario's board as a new game
// starts it (the standard layout of every player's formation), executes the scenario's board
// string over it, and lets the author put any unit of any player on a cell or empty it. Every
// change is kept in the board string at once, as the difference from the standard layout. The
// cells are this model's own array: the window only draws them.
class PlacementModel {
public:
    // One entry of the unit pop-up: entry 0 empties the cell, entry t + 1 puts unit type t.
    struct PopupEntry {
        bool Offered = false;
        bool Checked = false;
    };
    static constexpr int kPopupEntries = 16;

    // Lays out the board of the record's size with `players` players' formations and executes
    // `placements` (the record's board string, blank for none) over it; a string made for another
    // board size or player count is encoded again for this board. Undo history starts empty.
    void Open(const GameDef& def, int players, std::string_view placements);

    // The two steps of Open: the standard layout, then a board string over it.
    void InitBoard(const GameDef& def, int players);
    void ExecBoardString(std::string_view text);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Players() const { return players_; }
    const GameDef& Definition() const { return def_; }
    // The picture number (player - 1) * 15 + type shown on a cell, or -1 when it is empty.
    int PicNum(int x, int y) const { return cells_[Index(x, y)]; }
    // What the standard layout puts on a cell, the same way.
    int Base(int x, int y) const { return base_[Index(x, y)]; }
    // The board string of what the board shows now.
    const std::string& Current() const { return current_; }
    // The string the editor was opened with: Cancel keeps it, Reset goes back to it.
    const std::string& HandedIn() const { return handedIn_; }

    // The pop-up of a cell for player p: every wall piece, every unit the scenario allows, and a
    // King or Queen when the scenario has royalty and p has none on the board yet.
    std::vector<PopupEntry> Popup(int x, int y, int player) const;
    // The author chose entry e of a cell's pop-up for player p.
    void Choose(int x, int y, int player, int entry);

    // Painting: the author drags over cells with an entry of the palette (numbered as in the
    // pop-up) for player p. A cell takes it only where the pop-up would offer it; one Undo takes
    // back the whole stroke. Paint answers whether the cell changed.
    void BeginStroke() { strokeStarted_ = false; }
    bool Paint(int x, int y, int player, int entry);

    // Gives every other player the mirror image of player 1's pieces, each in his own corner, as
    // the standard layout mirrors the formation: his own pieces go, player 1's are put on the
    // mirrored cells (a cell where player 1 has a piece himself keeps it).
    void MirrorFirstPlayer();

    // Clear: back to the standard layout. Reset: back to the string handed in.
    void Clear();
    bool CanReset() const;
    void Reset();
    // Takes back the last Choose, Clear or Reset, one at a time, back to the opening.
    bool CanUndo() const { return !history_.empty(); }
    void Undo();

private:
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y - 1) * static_cast<size_t>(width_) +
               static_cast<size_t>(x - 1);
    }
    bool OnBoard(int x, int y) const { return x >= 1 && y >= 1 && x <= width_ && y <= height_; }
    // Puts a unit given in the player's own frame on its cell of the board; type -1 empties the
    // (absolute) cell.
    void SetUnit(int x, int y, int type, int player);
    void RestoreBase();
    // The current string starts over from the standard layout with `text` executed.
    void Rebuild(std::string_view text);
    bool HasOnBoard(int picture) const;
    // Shows a picture on a cell and keeps the cell's character of the board string.
    void SetCell(int x, int y, int picture);

    GameDef def_;
    int width_ = 0;
    int height_ = 0;
    int players_ = 1;
    std::vector<int> cells_;
    std::vector<int> base_;
    std::string current_;
    std::string handedIn_;
    std::vector<std::string> history_;
    bool strokeStarted_ = false;
};

} // namespace marovane
