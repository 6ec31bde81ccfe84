#pragma once

#include "engine/PlacementModel.h"
#include "engine/UnitSpecs.h"

#include <QDialog>

#include <array>
#include <string>

class QButtonGroup;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace marovane {

class BoardWidget;
class PictureStrip;

// "Advanced Unit Placement": the whole board of a scenario as a new game lays it out, where the
// author right-clicks a cell to put any unit of the chosen player there or to empty it, or paints
// the palette's unit over the cells with the left button held down. Mirror gives every other
// player player 1's pieces; the cell under the pointer is named beside the board. It shows a
// PlacementModel; the cells it draws are the model's, never read back from the pictures.
class PlacementDialog : public QDialog {
    Q_OBJECT

public:
    PlacementDialog(const UnitSpecs& specs, const PictureStrip& pictures,
                    QWidget* parent = nullptr);

    // Lays out the scenario's board for `players` players with its placements and shows the
    // dialog without waiting; `finished` tells when it closes, and Result then holds the answer.
    void Open(const GameDef& def, int players, const std::string& placements);
    // The board string: the edited one after OK, the one handed in after Cancel.
    const std::string& Result() const { return result_; }

    // ---- For the scenario editor and the tests --------------------------------------------------
    const PlacementModel& Model() const { return model_; }
    BoardWidget* Board() const { return board_; }
    QSpinBox* PlayerSelector() const { return player_; }
    // The palette: entry 0 empties a cell, entry t + 1 paints unit type t.
    QToolButton* PaletteButton(int entry) const { return palette_[static_cast<size_t>(entry)]; }
    int PaletteEntry() const;
    QPushButton* MirrorButton() const { return mirror_; }
    QLabel* CellLabel() const { return cellLabel_; }
    int Player() const;
    // What choosing entry e of a cell's pop-up does (entry 0 empties, t + 1 puts type t).
    void ChooseCell(int x, int y, int entry);
    QPushButton* OkButton() const { return ok_; }
    QPushButton* ClearButton() const { return clear_; }
    QPushButton* ResetButton() const { return reset_; }
    QPushButton* UndoButton() const { return undo_; }

private:
    void ShowBoard();
    void ShowCell(int x, int y);
    void ShowPlayer();
    void ShowButtons();
    void ShowPalette();
    void CellPressed(int button, int x, int y);
    void CellMoved(int button, int x, int y);
    void Clear();
    void Reset();
    void Undo();

    const UnitSpecs& specs_;
    const PictureStrip& pictures_;
    PlacementModel model_;
    std::string result_;
    BoardWidget* board_;
    QSpinBox* player_;
    QLabel* playerColour_;
    QButtonGroup* paletteGroup_;
    std::array<QToolButton*, PlacementModel::kPopupEntries> palette_{};
    QLabel* cellLabel_;
    QPushButton* mirror_;
    bool painting_ = false;
    QPushButton* ok_;
    QPushButton* clear_;
    QPushButton* reset_;
    QPushButton* undo_;
};

} // namespace marovane
