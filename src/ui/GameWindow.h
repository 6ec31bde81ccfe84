#pragma once

#include "ai/ComputerOpponent.h"
#include "engine/Game.h"
#include "engine/GamePort.h"
#include "ui/PictureStrip.h"
#include "ui/Pointers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace marovane {

class BoardWidget;
class CoverPicture;
class GameSetupDialog;
class KeepDialog;
class UnitPanel;

// The main window: it owns the running game, shows its board, panels and menus, and is the
// port through which the rules show things and wait. A human plays with the mouse on the board.
class GameWindow : public QMainWindow, public GamePort {
    Q_OBJECT

public:
    GameWindow(const QDir& programDir, const UnitSpecs& specs, uint64_t seed,
               QWidget* parent = nullptr);
    ~GameWindow() override;

    Game& CurrentGame() { return game_; }
    BoardWidget* Board() const { return board_; }
    // The computer player that plays computer slots; the window's own unless replaced.
    void SetComputerPlayer(ComputerPlayer* computer) { game_.SetComputerPlayer(computer); }
    // Starts a new game; false when the scenario was refused (its message was shown).
    bool StartNewGame(const QString& path, const NewGameSetup& setup);
    // Opens a file named on the command line: a saved game is loaded, a scenario (a path, or a
    // name from the scenario list) starts with the given slots. False, after a message, when the
    // file was refused; the title picture then stays.
    bool OpenFile(const QString& file, const NewGameSetup& setup);

    // Menu commands by their object names (mnuGExit, mnuOCheck0, mnuPComp, mnuTCheck2, ...).
    QAction* Action(const QString& name) const;
    QPushButton* NextTurnButton() const { return next_; }
    UnitPanel* SelectedPanel() const { return panels_[1]; }
    UnitPanel* PointerPanel() const { return panels_[0]; }
    QLabel* MoneyLabel() const { return money_; }
    QLabel* NoMovesMarker() const { return noMoves_; }
    CoverPicture* Cover() const { return cover_; }
    KeepDialog* Keep() const { return keep_.get(); }
    const PictureStrip& Pictures() const { return strip_; }
    // The settings keys of the three options, their captions.
    static const std::array<const char*, 3>& OptionKeys();

    // ---- The port ------------------------------------------------------------------------
    void ShowMessage(const std::string& text) override;
    void BoardResized(int width, int height) override;
    void CellPictureChanged(int x, int y, int picture) override;
    void BoardRefreshed() override;
    void SetBoardVisible(bool visible) override;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override;
    void Highlight(int x, int y, Rgb colour) override;
    void HighlightOff() override;
    void ShowReachCircle(int x, int y, double radius) override;
    void ShowUnitPanel(int panel, int x, int y) override;
    void NoMovesLeft() override;
    void HideNoMovesMarker() override;
    void DisarmNextTurnTimer() override;
    void NextTurnEnabledChanged() override;
    void Beep() override;
    void Wait(double seconds) override;
    void ProcessEvents() override;
    void ViewOptionsChanged() override;
    void TeamsChanged() override;
    void LoadPictureSet(const std::string& name) override;
    void ShowBackgroundPictures() override;
    void GameStarted() override;
    void TurnStarted() override;
    void MoneyChanged() override;
    void GameEnded() override;
    void ShowKeep(KeepVisit& visit) override;

    GameSetupDialog* SetupDialog() const { return setup_.get(); }
    // Writes the running game to a file; false (after a message) when it cannot be written.
    bool SaveTo(const QString& path);
    // Replaces the running game by a saved one; a damaged file is refused with "Invalid save
    // file." and the running game stays as it was.
    bool LoadFrom(const QString& path);

public slots:
    // Game > New: the new-game dialog until a game starts or the player cancels.
    void NewGameCommand();
    // Game > Load, Save and Save As, with their file dialogs.
    void LoadCommand();
    bool SaveCommand();
    void SaveAsCommand();
    // Game > Exit: asks while a game is shown, stores the options, ends the program.
    void Exit();
    // "&Next Turn".
    void NextTurn();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildPanels();
    void LayOut();
    void ChoosePictureSet(int index);
    void FillPictureSets();
    void ShowLoadedGame();
    void EnableSaving();
    void SetOption(int index, bool checked);
    void RestoreOptions();
    void StoreOptions();
    void OnCellMouseDown(int button, int shift, int x, int y);
    void OnCellMouseMove(int button, int shift, int x, int y);
    void OnCellClick(int x, int y);
    bool HumanToMove() const;
    void HidePointerPanel();
    QPixmap ProgramPicture(const QString& file) const;

    QDir programDir_;
    const UnitSpecs& specs_;
    Game game_;
    ComputerOpponent computer_;
    PictureStrip strip_;
    Pointers pointers_;

    BoardWidget* board_ = nullptr;
    CoverPicture* cover_ = nullptr;
    QFrame* leftPanel_ = nullptr;
    QFrame* playerPanel_ = nullptr;
    QLabel* playerNumber_ = nullptr;
    QLabel* money_ = nullptr;
    std::array<UnitPanel*, 2> panels_{};
    QPushButton* next_ = nullptr;
    QLabel* noMoves_ = nullptr;
    std::unique_ptr<KeepDialog> keep_;
    std::unique_ptr<GameSetupDialog> setup_;
    QTimer nextTurnTimer_;
    // A game chosen while another was in progress starts from this timer, once the old game's
    // work has unwound.
    QTimer newGameTimer_;
    // When window events last ran from inside the rules.
    QElapsedTimer eventsRun_;
    QString pendingPath_;
    NewGameSetup pendingSetup_;

    QMenu* pictureMenu_ = nullptr;
    QActionGroup* pictureGroup_ = nullptr;
    std::array<QAction*, 3> options_{};
    std::array<QAction*, 5> teams_{};

    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
    bool rightButtonDown_ = false;
    bool exiting_ = false;
};

} // namespace marovane
