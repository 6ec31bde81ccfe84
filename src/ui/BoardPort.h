#pragma once

#include "engine/GameEvent.h"
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
// the board is hidden. The marks over the cells (the selected unit's reach, health bars, spent
// units) follow the game: whatever the rules report, a step, a battle, a new selection, a turn,
// has the whole board looked at once, when the window next runs, and only the cells whose marks
// changed drawn again.
class BoardPort : public BoardView, public GameEventListener {
public:
    BoardPort(BoardWidget& board, CoverPicture& cover, const PictureStrip& pictures,
              const UnitSpecs& specs);

    // The game the board shows: its visibility under fog, and its marks. The port hears the
    // game's events from now on; the game must not outlive it unless it goes first.
    void SetGame(Game& game);
    // Whether pieces show their health bars (Options > Health Bars).
    void SetHealthBars(bool shown);
    // Brings the marks up to date now.
    void RefreshMarks();
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
    void Heard(const Game& game, const GameEvent& event) override;

private:
    // Something may have changed the marks: one look at the board is scheduled.
    void MarksMayHaveChanged();

    BoardWidget& board_;
    CoverPicture& cover_;
    const PictureStrip& pictures_;
    const UnitSpecs& specs_;
    const Game* game_ = nullptr;
    bool healthBars_ = true;
    bool marksScheduled_ = false;
    // The tooltip of each picture number, made once: a computer turn sets tooltips hundreds
    // of times.
    std::array<QString, 4 * kUnitTypes> toolTips_;
};

} // namespace marovane
