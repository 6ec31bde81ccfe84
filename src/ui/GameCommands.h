#pragma once

#include "scenario/NewGameSetup.h"

#include <QDir>
#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace marovane {

class GameSession;
class GameSetupDialog;
class NetworkPlay;

// The Game menu's commands on whole games: New through the new-game dialog, Load, Save and
// Save As through the file dialogs. The session does the work; this class asks the player and
// reports what failed.
class GameCommands : public QObject {
    Q_OBJECT

public:
    GameCommands(GameSession& session, GameSetupDialog& setup, NetworkPlay& network,
                 const QDir& programDir, QWidget& window);

    // Called after a saved game replaced the running one.
    std::function<void()> Loaded;

    // Before a command ends the running game of this machine: asks whether to save it first
    // (Save, Discard, Cancel) and saves it when told. False when the player cancelled, or the
    // game he wanted saved was not: then nothing changed and the command stops.
    bool MayLeaveRunningGame();
    // Where the file dialogs of saved games start: the player's own folder for saved games.
    QString SavedGamesFolder() const;

    // Game > New: opens the new-game dialog; the chosen game starts when it closes, or once the
    // running game has stopped.
    void NewGame();
    bool StartNewGame(const QString& path, const NewGameSetup& setup);
    // Game > Leave Network Game: a guest leaves the game under way, after a question.
    void LeaveNetworkGame();
    // Game > Connect to Host: asks for the host and opens the new-game dialog as its guest.
    void ConnectToHost();
    // Connects to a host by name; the dialog shows the lobby.
    void JoinHost(const QString& host);
    void Load();
    bool LoadFrom(const QString& path);
    bool Save();
    void SaveAs();
    bool SaveTo(const QString& path);
    // Game > Resume Last Game: the newest game kept at a human turn that reads well.
    bool ResumeLastGame();
    // Game > Recent: a saved game is loaded; a scenario is selected in the new-game dialog,
    // which opens.
    void OpenRecent(const QString& path);

private:
    void NewGameChosen();

    GameSession& session_;
    GameSetupDialog& setup_;
    NetworkPlay& network_;
    QString lastHost_;
    QDir programDir_;
    QWidget& window_;
    // A game chosen while another was in progress starts from this timer, once the old game's
    // work has unwound.
    QTimer newGameTimer_;
};

} // namespace marovane
