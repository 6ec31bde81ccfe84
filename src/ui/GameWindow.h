#pragma once

#include "engine/GamePort.h"
#include "net/NetworkPlay.h"
#include "session/GameSession.h"
#include "session/TutorialGuide.h"
#include "ui/GameCommands.h"
#include "ui/PictureStrip.h"
#include "ui/Pointers.h"
#include "ui/QtSettingsStore.h"
#include "ui/SidePanel.h"
#include "ui/WindowScheduler.h"

#include <QDir>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace marovane {

class BoardAnimations;
class BoardInput;
class BoardPort;
class BoardWidget;
class CoverPicture;
class GameMenus;
class GameSetupDialog;
class GameSummaryDialog;
class KeepDialog;
class UnitPanel;

// The main window: it shows the session's game (board, panels, menus) and tells the player what
// the rules have to say. The game itself, new games, loading and saving live in the session.
class GameWindow : public QMainWindow, public GameInteraction {
    Q_OBJECT

public:
    GameWindow(const QDir& programDir, const UnitSpecs& specs, uint64_t seed,
               QWidget* parent = nullptr);
    ~GameWindow() override;

    GameSession& Session() { return *session_; }
    Game& CurrentGame() { return session_->CurrentGame(); }
    BoardWidget* Board() const { return board_; }
    // The computer player that plays computer slots; the session's own unless replaced.
    void SetComputerPlayer(ComputerPlayer* computer) { session_->SetComputerPlayer(computer); }
    // The Game menu's commands on whole games.
    GameCommands& Commands() const { return *commands_; }
    // Starts a new game at once; false when the scenario was refused (its message was shown).
    bool StartNewGame(const QString& path, const NewGameSetup& setup) {
        return commands_->StartNewGame(path, setup);
    }
    // Game > New: the new-game dialog, which starts the chosen game when it closes.
    void NewGameCommand() { commands_->NewGame(); }

    // Network play: the lobbies and game protocols of hosting and joining. Tests may give other
    // connections before any network use.
    NetworkPlay& Network() { return *network_; }
    void UseNetworkLinks(NetworkPlay::Links links);
    // Network play over sockets on another port than the game's.
    void UseNetworkPort(int port);

    // Menu commands by their object names (mnuGExit, mnuOCheck0, mnuPComp, mnuTCheck2, ...).
    QAction* Action(const QString& name) const;
    QPushButton* NextTurnButton() const { return side_->NextTurnButton(); }
    UnitPanel* SelectedPanel() const { return panels_[1]; }
    UnitPanel* PointerPanel() const { return panels_[0]; }
    QLabel* MoneyLabel() const { return side_->MoneyLabel(); }
    QLabel* NoMovesMarker() const { return side_->NoMovesMarker(); }
    CoverPicture* Cover() const { return cover_; }
    BoardAnimations* Animations() const { return animations_; }
    // "Resume Last Game" on the title picture, shown while a kept game waits.
    QPushButton* ResumeButton() const { return resumeButton_; }
    KeepDialog* Keep() const { return keep_.get(); }
    // The summary shown when a game has been won.
    GameSummaryDialog* Summary() const { return summary_; }
    QLabel* RoundLabel() const { return side_->RoundLabel(); }
    GameSetupDialog* SetupDialog() const { return setup_.get(); }
    const PictureStrip& Pictures() const { return strip_; }

    // Undo, Resume Last Game and the title picture's button follow the session (after each
    // click and turn, and when the session's folder of kept games changed).
    void EnableComforts();

    // Writes the running game to a file; false (after a message) when it cannot be written.
    bool SaveTo(const QString& path) { return commands_->SaveTo(path); }
    // Replaces the running game by a saved one; a damaged file is refused with "Invalid save
    // file." and the running game stays as it was.
    bool LoadFrom(const QString& path) { return commands_->LoadFrom(path); }

    // ---- What the rules tell the player ------------------------------------------------------
    void ShowMessage(const Text& text) override;
    void ShowStatus(const Text& text) override;
    void ShowKeep(KeepVisit& visit) override;
    void ShowUnitPanel(int panel, int x, int y) override;
    void NoMovesLeft() override;
    void HideNoMovesMarker() override;
    void DisarmNextTurnTimer() override;
    void NextTurnEnabledChanged() override;
    void Beep() override;
    void ViewOptionsChanged() override;
    void TeamsChanged() override;
    void LoadPictureSet(const std::string& name) override;
    void ShowBackgroundPictures() override;
    void GameStarted() override;
    void TurnStarted() override;
    void MoneyChanged() override;
    void GameEnded() override;
    void OpenTutorialHelp() override { emit TutorialStarted(); }

signals:
    // A tutorial game began: its help is wanted beside the board.
    void TutorialStarted();
    // A game began (new or loaded), and a game ended.
    void GameBegan();
    void GameFinished();
    // What the human at this machine did, for the tutorial's guide.
    void PlayerDid(PlayerDeed deed);

public slots:
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
    void BuildBoard();
    void BuildPanels();
    void BuildAnimations();
    void BuildDialogs();
    void ConnectMenus();
    void LayOut();
    void ChoosePictureSet(int index);
    void EnableSaving();
    void UndoStep();
    void ResignAsked();
    void ShowRound();
    // Covers the board until the human whose turn began under fog clicks, then shows his turn.
    void CoverForHandOver(int player);
    void BeginHandedOverTurn();
    void SetOption(int index, bool checked);
    QPixmap ProgramPicture(const QString& file) const;

    QDir programDir_;
    const UnitSpecs& specs_;
    QtSettingsStore settings_;
    WindowScheduler scheduler_;
    PictureStrip strip_;
    Pointers pointers_;

    BoardWidget* board_ = nullptr;
    CoverPicture* cover_ = nullptr;
    QPushButton* resumeButton_ = nullptr;
    std::unique_ptr<BoardPort> boardPort_;
    std::unique_ptr<GameSession> session_;
    GameMenus* menus_ = nullptr;
    BoardInput* input_ = nullptr;
    BoardAnimations* animations_ = nullptr;

    SidePanel* side_ = nullptr;
    // The floating panel under the pointer (0) and the selected unit's panel (1).
    std::array<UnitPanel*, 2> panels_{};
    std::unique_ptr<KeepDialog> keep_;
    GameSummaryDialog* summary_ = nullptr;
    std::unique_ptr<GameSetupDialog> setup_;
    std::unique_ptr<NetworkPlay> network_;
    GameCommands* commands_ = nullptr;
    QTimer nextTurnTimer_;
    bool exiting_ = false;
    // The summary of the game that ended last was shown.
    bool summarised_ = false;
};

} // namespace marovane
