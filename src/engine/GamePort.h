#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marovane {

// Colours are 0xRRGGBB.
using Rgb = uint32_t;

// Everything the rules show or wait for goes through this port: the main window implements it,
// and a headless port serves the tests and the command-line tool. Texts are Latin-1.
class GamePort {
public:
    virtual ~GamePort() = default;

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;

    // The board was made anew at this size: every cell empty, lines, circle and highlight gone.
    virtual void BoardResized(int /*width*/, int /*height*/) {}
    // The picture of a cell changed; -1 clears it.
    virtual void CellPictureChanged(int /*x*/, int /*y*/, int /*picture*/) {}
    // Whether the board is shown (and not the cover picture).
    virtual bool BoardVisible() const { return boardVisible_; }
    virtual void SetBoardVisible(bool visible) { boardVisible_ = visible; }
    // A straight line in board-corner coordinates (the board's top-left corner is 0, 0; a cell
    // spans one unit).
    virtual void DrawLine(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/,
                          Rgb /*colour*/) {}
    // The selection highlight and the reach circle are removed.
    virtual void HighlightOff() {}
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
    // A new turn began for CurrentPlayer: the panels, menus and title follow.
    virtual void TurnStarted() {}
    // The tutorial game began: its help opens.
    virtual void OpenTutorialHelp() {}

protected:
    bool boardVisible_ = false;
};

// The port without a window: messages are recorded in order, nothing waits.
class HeadlessPort : public GamePort {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }

    std::vector<std::string> Messages;
};

} // namespace marovane
