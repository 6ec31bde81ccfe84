#include "ui/GameCommands.h"
#include "ui/ProductName.h"

#include "net/NetworkPlay.h"
#include "net/Unattended.h"
#include "savegame/SavedGame.h"
#include "session/GameSession.h"
#include "ui/LocalPath.h"
#include "ui/QtText.h"
#include "ui/Translated.h"
#include "ui/dialogs/GameSetupDialog.h"
#include "util/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QWidget>

namespace marovane {

namespace {

// How long "Game saved to ..." stays on the status line.
constexpr int kSavedStatusMs = 15000;

// The file dialogs' filter: the words in the player's language, the patterns as they are.
QString SaveFilter() {
    return GameCommands::tr("Saved Marovane Game (%1)").arg("*.mvg") + ";;" +
           GameCommands::tr("All Files (%1)").arg("*.*");
}

} // namespace

GameCommands::GameCommands(GameSession& session, GameSetupDialog& setup, NetworkPlay& network,
                           const QDir& programDir, QWidget& window)
    : QObject(&window), session_(session), setup_(setup), network_(network),
      programDir_(programDir), window_(window) {
    connect(&setup_, &QDialog::accepted, this, &GameCommands::NewGameChosen);
    newGameTimer_.setSingleShot(true);
    newGameTimer_.setInterval(50);
    connect(&newGameTimer_, &QTimer::timeout, this, [this] {
        if (!session_.StartPendingGame())
            NewGame();
    });
}

void GameCommands::NewGame() {
    Game& game = session_.CurrentGame();
    // A network game stops first, for every machine in it, and only when the player says so.
    if ((game.GameOn && game.Role == NetworkRole::Host) || network_.Joined()) {
        if (QMessageBox::question(&window_, kProductName,
                                  tr("Are you sure you want to stop the network game?"),
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
        if (network_.Joined())
            network_.Guest().Cancel();
        else
            game.GameOver();
    } else if (!MayLeaveRunningGame()) {
        return;
    }
    // The running game keeps its file until a new one begins: the dialog may be cancelled.
    setup_.Open();
}

bool GameCommands::MayLeaveRunningGame() {
    switch (session_.QuestionBeforeLeaving()) {
    case GameSession::LeavingQuestion::None:
        return true;
    case GameSession::LeavingQuestion::SaveFirst:
        switch (QMessageBox::question(
            &window_, kProductName, Translated(Tx("Session", GameSession::kSaveFirstQuestion)),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
        case QMessageBox::Save:
            // A save that was cancelled or failed keeps the game: nothing is lost unasked.
            return Save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
        }
    case GameSession::LeavingQuestion::DiscardUnsaved:
        return QMessageBox::question(
                   &window_, kProductName,
                   Translated(Tx("Session", GameSession::kDiscardUnsavedQuestion)),
                   QMessageBox::Discard | QMessageBox::Cancel,
                   QMessageBox::Cancel) == QMessageBox::Discard;
    }
    return false;
}

QString GameCommands::SavedGamesFolder() const {
    const QString folder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("saves");
    QDir().mkpath(folder);
    return folder;
}

void GameCommands::NewGameChosen() {
    const NewGameSetup setup = setup_.Setup(session_.CurrentGame().TeamsMode);
    const auto path = ToLocalPath(setup_.ChosenPath());
    GameSession::StartResult result;
    if (network_.Hosting()) {
        result = network_.BeginHostedGame(path, setup);
    } else {
        network_.PrepareLocalGame();
        result = session_.RequestNewGame(path, setup);
    }
    switch (result) {
    case GameSession::StartResult::Started:
        break;
    case GameSession::StartResult::Deferred:
        newGameTimer_.start();
        break;
    case GameSession::StartResult::Refused:
        // The scenario's message was shown; the player chooses again.
        QTimer::singleShot(0, this, &GameCommands::NewGame);
        break;
    }
}

bool GameCommands::StartNewGame(const QString& path, const NewGameSetup& setup) {
    return session_.StartNewGame(ToLocalPath(path), setup);
}

void GameCommands::LeaveNetworkGame() {
    if (!network_.Joined())
        return;
    if (QMessageBox::question(&window_, kProductName,
                              tr("Leave the network game? The host's computer will play your "
                                 "player from now on."),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // The host hears that the player left; this machine's copy of the game ends.
    network_.Guest().Cancel();
    Game& game = session_.CurrentGame();
    if (game.GameOn)
        game.GameOver();
}

void GameCommands::ConnectToHost() {
    Game& game = session_.CurrentGame();
    if (game.Role == NetworkRole::Host || network_.Hosting()) {
        if (QMessageBox::question(&window_, kProductName,
                                  tr("Are you sure you want to stop the network game?"),
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
        if (game.GameOn)
            game.GameOver();
        network_.Host().Cancel();
    }
    // Joining a host ends a game of this machine.
    if (!MayLeaveRunningGame())
        return;
    if (lastHost_.isEmpty())
        lastHost_ = QString::fromStdString(session_.Settings().LastHost());
    bool ok = false;
    const QString host = QInputDialog::getText(&window_, tr("Connect to Host"),
                                               tr("Enter the name or IP address of the host:"),
                                               QLineEdit::Normal, lastHost_, &ok)
                             .trimmed();
    if (!ok || host.isEmpty())
        return;
    if (host != lastHost_) {
        lastHost_ = host;
        session_.Settings().SetLastHost(host.toStdString());
    }
    JoinHost(host);
}

void GameCommands::JoinHost(const QString& host) {
    // A game running here stops: its work unwinds before the host's game arrives.
    session_.StopGame();
    setup_.OpenAsGuest(network_.Guest());
    network_.Guest().Connect(host.toStdString(), network_.Port());
}

void GameCommands::Load() {
    if (!MayLeaveRunningGame())
        return;
    const std::string& saveFile = session_.CurrentGame().SaveFile;
    const QString start = saveFile.empty() ? SavedGamesFolder() : FromLocalPath(saveFile);
    const QString path =
        QFileDialog::getOpenFileName(&window_, tr("Load Game"), start, SaveFilter());
    if (!path.isEmpty())
        LoadFrom(path);
}

bool GameCommands::LoadFrom(const QString& path) {
    try {
        session_.Load(ToLocalPath(path));
    } catch (const Error&) {
        // The running game is left exactly as it was.
        QMessageBox::information(&window_, kProductName, Translated(Tx("Files", kInvalidSaveFile)));
        return false;
    }
    if (Loaded)
        Loaded();
    session_.PlayPendingComputerTurn();
    return true;
}

bool GameCommands::Save() {
    if (!session_.CurrentGame().GameOn)
        return false;
    QString path = FromLocalPath(session_.CurrentGame().SaveFile);
    if (path.isEmpty()) {
        // A first save is offered in the player's folder under the scenario's name.
        const QString name = Latin1(session_.CurrentGame().ScenarioName) + ".mvg";
        path = QFileDialog::getSaveFileName(&window_, tr("Save Game"),
                                            QDir(SavedGamesFolder()).filePath(name), SaveFilter());
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += ".mvg";
    }
    return SaveTo(path);
}

void GameCommands::SaveAs() {
    Game& game = session_.CurrentGame();
    const std::string previous = game.SaveFile;
    game.SetSaveFile({});
    // A cancelled dialog keeps the file the game had.
    if (!Save() && game.SaveFile.empty())
        game.SetSaveFile(previous);
}

bool GameCommands::SaveTo(const QString& path) {
    try {
        session_.Save(ToLocalPath(path));
    } catch (const Error& error) {
        QMessageBox::warning(&window_, kProductName, Translated(error.Message()));
        return false;
    }
    if (auto* main = qobject_cast<QMainWindow*>(&window_))
        main->statusBar()->showMessage(tr("Game saved to %1").arg(QDir::toNativeSeparators(path)),
                                       kSavedStatusMs);
    return true;
}

bool GameCommands::ResumeLastGame() {
    if (!MayLeaveRunningGame())
        return false;
    // The session tells of a damaged kept game it passed over, and when none was left.
    if (!session_.ResumeLastGame())
        return false;
    if (Loaded)
        Loaded();
    session_.PlayPendingComputerTurn();
    return true;
}

void GameCommands::OpenRecent(const QString& path) {
    if (!MayLeaveRunningGame())
        return;
    if (QFileInfo(path).suffix().compare("mvg", Qt::CaseInsensitive) == 0) {
        LoadFrom(path);
        return;
    }
    // Scenarios are started from the new-game dialog, which lists those of the scenario
    // folders: that is where a scenario opened before lies.
    setup_.RefreshList();
    if (!setup_.SelectScenario(QFileInfo(path).completeBaseName())) {
        QMessageBox::information(
            &window_, kProductName,
            tr("The scenario \"%1\" is no longer in the scenario list.").arg(path));
        return;
    }
    setup_.Open();
}

} // namespace marovane
