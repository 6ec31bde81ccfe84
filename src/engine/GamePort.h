#pragma once

#include "util/Text.h"

#include <cstdint>
#include <string>

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

// Everything the rules show or wait for goes through three narrow interfaces, one per job: the
// board (cells, lines, highlight), the interaction with the player (messages, panels, the keep
// visit, the turn controls) and the scheduling (pauses, letting window events run). The main
// window implements them; a headless port serves the tests and the command-line tool. Texts come
// as patterns with their values, which the window shows in the player's language; their values
// are Latin-1. Every method but ShowMessage has a harmless default, so a front end implements only
// what it shows.

// The board as the player sees it.
class BoardView {
public:
    virtual ~BoardView() = default;

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

protected:
    bool boardVisible_ = false;
};

// What the player is told and asked, and the controls around the board.
class GameInteraction {
public:
    virtual ~GameInteraction() = default;

    // A message box with an OK button.
    virtual void ShowMessage(const Text& text) = 0;
    // A message that waits for nobody: shown on the status line.
    virtual void ShowStatus(const Text& /*text*/) {}
    // A human visits his keep at the end of his turn: the keep dialog is shown modally over the
    // visit and returns when it is closed.
    virtual void ShowKeep(KeepVisit& /*visit*/) {}

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
};

// Waiting without stopping the window.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Waits the given time while window events run. Only called while the board is shown and
    // the computer's thinking is shown.
    virtual void Wait(double /*seconds*/) {}
    // Lets pending window events run (a menu command may arrive: callers check the game again).
    // A front end may let them run less often than it is called.
    virtual void ProcessEvents() {}
    // The same at once, however recently they last ran: for long work that keeps its own time
    // between the calls.
    virtual void ProcessEventsNow() { ProcessEvents(); }
};

// The three together, for a front end that implements them in one object.
class GamePort : public BoardView, public GameInteraction, public Scheduler {};

} // namespace marovane
