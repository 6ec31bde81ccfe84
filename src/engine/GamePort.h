#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace marovane {

class KeepVisit;

// Colours are 0xRRGGBB.
using Rgb = uint32_t;

namespace colour {
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb LightGrey = 0xC0C0C0;
inline constexpr Rgb LightMagenta = 0xFF00FF; // the selection
inline constexpr Rgb Yellow = 0xFFFF00;       // the reach circle
} // namespace colour

// Everything the rules show or wait for goes through this port: the main window implements it,
// and a headless port serves the tests and the command-line tool. Texts are Latin-1. Every
// method but ShowMessage has a harmless default, so a port implements only what it shows.
class GamePort {
public:
    virtual ~GamePort() = default;

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;

    // ---- The board ---------------------------------------------------------------------------
    // The board was made anew at this size: every cell empty, lines, circle and highlight gone.
    virtual void BoardResized(int /*width*/, int /*height*/) {}
    // The picture of a cell changed; -1 clears it.
    virtual void CellPictureChanged(int /*x*/, int /*y*/, int /*picture*/) {}
    // The board's cells were refreshed: which cells are visible (Game::Visible) may have changed.
    virtual void BoardRefreshed() {}
    // Whether the board is shown (and not the cover picture).
    virtual bool BoardVisible() const { return boardVisible_; }
    virtual void SetBoardVisible(bool visible) { boardVisible_ = visible; }
    // A straight line in board-corner coordinates (the board's top-left corner is 0, 0; a cell
    // spans one unit).
    virtual void DrawLine(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/,
                          Rgb /*colour*/) {}
    // The highlight rectangle on one cell, always drawn on top.
    virtual void Highlight(int /*x*/, int /*y*/, Rgb /*colour*/) {}
    // The selection highlight and the reach circle are removed.
    virtual void HighlightOff() {}
    // A circle of the given radius in cells around a cell's centre; radius 0 removes it.
    virtual void ShowReachCircle(int /*x*/, int /*y*/, double /*radius*/) {}

    // ---- Panels, pointers and the turn controls -------------------------------------------------
    // Unit panel 1 shows the selected unit, panel 0 the piece under the pointer or the target of
    // the last attack. (0, 0) hides the panel.
    virtual void ShowUnitPanel(int /*panel*/, int /*x*/, int /*y*/) {}
    // The current player has no unit with moves left: show the marker, the no-drop pointer, and
    // arm the next-turn timer when "Auto Next Turn" is checked.
    virtual void NoMovesLeft() {}
    virtual void HideNoMovesMarker() {}
    virtual void DisarmNextTurnTimer() {}
    // "Next Turn" became enabled or disabled (Game::NextTurnEnabled).
    virtual void NextTurnEnabledChanged() {}
    virtual void Beep() {}

    // ---- Waiting ------------------------------------------------------------------------------
    // Waits the given time while window events run. Only called while the board is shown and
    // the computer's thinking is shown.
    virtual void Wait(double /*seconds*/) {}
    // Lets pending window events run (a menu command may arrive: callers check the game again).
    virtual void ProcessEvents() {}

    // ---- Game and turn --------------------------------------------------------------------------
    // The rules changed "Hide Opponents Turn" or "Show Computer Thinking"; the menus follow.
    virtual void ViewOptionsChanged() {}
    // The team arrangement changed; the Teams menu follows.
    virtual void TeamsChanged() {}
    // The unit picture set chosen for a new game.
    virtual void LoadPictureSet(const std::string& /*name*/) {}
    // A game starts or is loaded: the board's background and the cover picture are put in place.
    virtual void ShowBackgroundPictures() {}
    // The game is on: the game menus are enabled.
    virtual void GameStarted() {}
    // A new turn began for CurrentPlayer: the panels, menus, money and title follow.
    virtual void TurnStarted() {}
    // The money of a player changed.
    virtual void MoneyChanged() {}
    // The game is over: the board goes, the title picture comes back.
    virtual void GameEnded() {}
    // The tutorial game began: its help opens.
    virtual void OpenTutorialHelp() {}
    // A human visits his keep at the end of his turn: the keep dialog is shown modally over the
    // visit and returns when it is closed.
    virtual void ShowKeep(KeepVisit& /*visit*/) {}

protected:
    bool boardVisible_ = false;
};

// The port without a window: messages are recorded in order, nothing waits. A human's keep
// visit is answered by KeepAnswer when one is set, and closed unchanged otherwise.
class HeadlessPort : public GamePort {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowKeep(KeepVisit& visit) override {
        if (KeepAnswer)
            KeepAnswer(visit);
    }

    std::vector<std::string> Messages;
    std::function<void(KeepVisit&)> KeepAnswer;
};

} // namespace marovane
