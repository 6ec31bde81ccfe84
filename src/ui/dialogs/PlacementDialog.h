#pragma once

#include "engine/PlacementModel.h"
#include "engine/UnitSpecs.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;
class QScrollBar;

namespace marovane {

class BoardWidget;
class PictureStrip;

// "Advanced Unit Placement": the whole board of a scenario as a new game lays it out, where the
// author right-clicks a cell to put any unit of the chosen player there or to empty it. It shows
// a PlacementModel; the cells it draws are the model's, never read back from the pictures.
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
    QScrollBar* PlayerSelector() const { return player_; }
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
    void CellPressed(int button, int x, int y);
    void Clear();
    void Reset();
    void Undo();

    const UnitSpecs& specs_;
    const PictureStrip& pictures_;
    PlacementModel model_;
    std::string result_;
    BoardWidget* board_;
    QScrollBar* player_;
    QLabel* playerLabel_;
    QLabel* playerColour_;
    QPushButton* ok_;
    QPushButton* clear_;
    QPushButton* reset_;
    QPushButton* undo_;
};

} // namespace marovane
