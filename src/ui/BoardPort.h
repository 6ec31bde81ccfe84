#pragma once

#include "engine/GamePort.h"
#include "engine/UnitSpecs.h"

#include <QString>

#include <array>
#include <functional>

namespace marovane {

class BoardWidget;
class CoverPicture;
class Game;
class PictureStrip;

// The board as the rules draw it: cells with their pictures and tooltips, fog, lines, the
// highlight and the reach circle on the board widget, and the cover picture in its place while
// the board is hidden.
class BoardPort : public BoardView {
public:
    BoardPort(BoardWidget& board, CoverPicture& cover, const PictureStrip& pictures,
              const UnitSpecs& specs);

    // The game whose visibility the board shows under fog.
    void SetGame(const Game& game) { game_ = &game; }
    // Called when the board changed size, and when it was hidden.
    std::function<void()> Resized;
    std::function<void()> Hidden;

    // Gives every cell its picture again, from the current picture set.
    void RedrawPictures();

    void BoardResized(int width, int height) override;
    void CellPictureChanged(int x, int y, int picture) override;
    void BoardRefreshed() override;
    void SetBoardVisible(bool visible) override;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void Highlight(int x, int y, Rgb colour) override;
    void HighlightOff() override;
    void ShowReachCircle(int x, int y, double radius) override;

private:
    BoardWidget& board_;
    CoverPicture& cover_;
    const PictureStrip& pictures_;
    const UnitSpecs& specs_;
    const Game* game_ = nullptr;
    // The tooltip of each picture number, made once: a computer turn sets tooltips hundreds
    // of times.
    std::array<QString, 4 * kUnitTypes> toolTips_;
};

} // namespace marovane
