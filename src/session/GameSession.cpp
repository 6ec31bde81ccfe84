#include "session/GameSession.h"

#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "util/Error.h"

namespace fs = std::filesystem;

namespace marovane {

GameSession::GameSession(const UnitSpecs& specs, BoardView& view, GameInteraction& interaction,
                         Scheduler& scheduler, uint64_t seed, fs::path programDir,
                         SettingsStore& settings)
    : programDir_(std::move(programDir)), scenarios_(programDir_, {}), settings_(settings),
      game_(specs, view, interaction, scheduler, seed), recent_(settings) {
    game_.SetComputerPlayer(&computer_);
    game_.SetTurnJournal(this);
    game_.Listen(this);
    game_.Listen(&record_);
    game_.Listen(&log_);
    computer_.SetAllLevels(settings_.ComputerStrength());
}

GameSession::~GameSession() {
    game_.SetTurnJournal(nullptr);
    game_.StopListening(this);
    game_.StopListening(&record_);
    game_.StopListening(&log_);
}

void GameSession::SetComputerStrength(ComputerLevel level) {
    settings_.SetComputerStrength(level);
    computer_.SetAllLevels(level);
}

void GameSession::SetComputerPlayer(ComputerPlayer* computer) {
    computerPlayer_ = computer;
    game_.SetComputerPlayer(computer);
}

// ---- New games ------------------------------------------------------------------------------

GameSession::StartResult GameSession::RequestNewGame(const fs::path& scenario,
                                                     const NewGameSetup& setup) {
    if (game_.GameOn) {
        // Work of the running game that lets window events run notices at its next check that
        // the game is off, and returns; only then may the new board replace the old one.
        game_.Stop();
        pending_ = PendingGame{scenario, setup};
        return StartResult::Deferred;
    }
    return StartNewGame(scenario, setup) ? StartResult::Started : StartResult::Refused;
}

bool GameSession::StartPendingGame() {
    if (!pending_)
        return false;
    const PendingGame chosen = std::move(*pending_);
    pending_.reset();
    return StartNewGame(chosen.Scenario, chosen.Setup);
}

bool GameSession::StartNewGame(const fs::path& scenario, const NewGameSetup& setup) {
    pending_.reset();
    steps_.Clear();
    // The new game is counted from its first event; a refused one leaves the running game's
    // counts as they were.
    const GameRecord running = record_;
    record_.Restart();
    log_.Restart();
    if (!game_.NewGame(scenario, setup)) {
        record_ = running;
        log_.KeepGoing();
        return false;
    }
    // The tutorial is started from the Help menu, not from the recent files.
    if (setup.Remembered && !OptionSet(option_bit::Tutorial, game_.Def.Options))
        recent_.Opened(scenario);
    return true;
}

std::optional<fs::path> GameSession::FindScenarioFile(const std::string& given) const {
    return scenarios_.Locate(given);
}

// ---- Saved games ----------------------------------------------------------------------------

void GameSession::Load(const fs::path& path) {
    LoadChecked(path);
    recent_.Opened(path);
}

void GameSession::LoadChecked(const fs::path& path) {
    // Everything is read and checked before anything changes.
    const SavedGame saved = ReadSavedGame(path, game_.Specs());
    pending_.reset();
    if (game_.GameOn)
        game_.GameOver();
    steps_.Clear();
    // A tutorial game is played with the letter pictures.
    if (OptionSet(option_bit::Tutorial, saved.Def.Options))
        game_.Interaction().LoadPictureSet("Alphabet");
    RestoreSavedGame(saved, game_);
    game_.SetSaveFile(path.string());
    record_.Resume(game_);
    log_.Resume(game_);
    ShowLoadedGame();
}

void GameSession::ShowLoadedGame() {
    Game& game = game_;
    BoardView& view = game.View();
    GameInteraction& interaction = game.Interaction();
    view.BoardResized(game.BoardWidth, game.BoardHeight);
    game.ShowWholeBoard();
    // The selection comes back where it was, when a piece still stands there.
    if (game.HighOn) {
        game.HighOn = false;
        if (game.OnBoard(game.HighX, game.HighY) && game.PicNum(game.HighX, game.HighY) >= 0)
            game.SelectPiece(game.HighX, game.HighY);
    }
    // The two view options take effect as if the player had chosen them.
    const bool hide = game.HideOpponents;
    const bool noThinking = game.NoThinking;
    game.SetHideOpponents(hide);
    if (!hide)
        game.SetShowThinking(!noThinking);
    game.ChooseTeams(game.TeamsMode);
    for (int p = 1; p <= game.NumPlayers; ++p)
        game.DrawCastle(p);
    interaction.ShowBackgroundPictures();
    // Whoever loaded a game shared under fog may not be the player whose turn it is.
    AwaitHandOverFor(game.CurrentPlayer);
    view.SetBoardVisible(true);
    interaction.GameStarted();
    game.Update();
    interaction.TurnStarted();
    if (game.GameOn)
        game.CheckMoves();
}

void GameSession::Save(const fs::path& path) {
    SaveGame(game_, path);
    game_.SetSaveFile(path.string());
    recent_.Opened(path);
}

void GameSession::PlayPendingComputerTurn() {
    Game& game = game_;
    if (!game.GameOn)
        return;
    if (game.CurrentPlayer < 1) {
        game.NextPlayer();
        return;
    }
    const int p = game.CurrentPlayer;
    if (!computerPlayer_ || !game.PlayerComp[p] || game.PlayedRemotely(p))
        return;
    const uint32_t serial = game.GameSerial();
    const bool goOn = computerPlayer_->PlayTurn(game);
    game.Schedule().ProcessEvents();
    if (goOn && game.GameOn && serial == game.GameSerial() && game.PlayerComp[game.CurrentPlayer])
        game.NextPlayer();
}

// ---- The current turn -----------------------------------------------------------------------

bool GameSession::HumansTurn() const {
    const Game& game = game_;
    return game.GameOn && game.CurrentPlayer >= 1 && !game.PlayerComp[game.CurrentPlayer] &&
           !game.PlayedRemotely(game.CurrentPlayer);
}

bool GameSession::ComputerSwitchAllowed() const {
    return game_.GameOn && ComputerMayTakeOver(game_.Def, game_.CurrentPlayer);
}

// ---- Steps back, autosaves and recent files ---------------------------------------------------

bool GameSession::UndoAllowed() const {
    return HumanToMove() && game_.Role == NetworkRole::Local && !steps_.Empty();
}

bool GameSession::Undo() {
    return UndoAllowed() && steps_.Undo(game_);
}

void GameSession::StepTaking(const Game& game) {
    if (HumanToMove() && game.Role == NetworkRole::Local)
        steps_.Record(game);
    else
        steps_.Clear();
}

void GameSession::Heard(const Game&, const GameEvent& event) {
    if (!std::holds_alternative<game_event::Step>(event))
        steps_.Clear();
    if (const auto* turn = std::get_if<game_event::TurnStart>(&event))
        AwaitHandOverFor(turn->Player);
}

void GameSession::AwaitHandOverFor(int p) {
    handOverPending_ =
        coversHandOvers_ && game_.HandsOverBetweenTurns() && game_.Seat(p) == SeatKind::HumanHere;
}

void GameSession::HumanTurnBegins(const Game& game) {
    steps_.Clear();
    if (!autosaves_ || game.Role != NetworkRole::Local)
        return;
    try {
        autosaves_->Write(game);
        autosaveKept_ = true;
    } catch (const Error& error) {
        // Said once: the game goes on without being kept rather than ask at every turn.
        if (!autosaveFailureShown_)
            game_.Interaction().ShowMessage(
                Tx("Session", "The game could not be kept for later: %1").Arg(error.Message()));
        autosaveFailureShown_ = true;
    }
}

std::vector<fs::path> GameSession::AutosaveFiles() const {
    return autosaves_ ? autosaves_->Files() : std::vector<fs::path>{};
}

bool GameSession::AutosaveKept() const {
    if (!autosaveKept_)
        autosaveKept_ = !AutosaveFiles().empty();
    return *autosaveKept_;
}

bool GameSession::ResumeLastGame() {
    GameInteraction& interaction = game_.Interaction();
    for (const fs::path& file : AutosaveFiles()) {
        try {
            LoadChecked(file);
        } catch (const Error&) {
            interaction.ShowMessage(
                Tx("Session", "The autosaved game \"%1\" is damaged and was passed over.")
                    .Arg(file.filename().string()));
            continue;
        }
        // A resumed game has no file of its own yet: Save asks for one, and never writes over
        // a kept game.
        game_.SetSaveFile({});
        return true;
    }
    interaction.ShowMessage(Tx("Session", "There is no autosaved game to resume."));
    return false;
}

// ---- Leaving the game on the board ------------------------------------------------------------

GameSession::LeavingQuestion GameSession::QuestionBeforeLeaving() const {
    if (!game_.GameOn || game_.Role != NetworkRole::Local)
        return LeavingQuestion::None;
    return SavingAllowed() ? LeavingQuestion::SaveFirst : LeavingQuestion::DiscardUnsaved;
}

Text GameSession::ResignQuestion() const {
    return Tx("Session", "Resign Player %1's game?").Arg(game_.CurrentPlayer);
}

// ---- The Options menu -------------------------------------------------------------------------

bool GameSession::ViewOption(int option) const {
    switch (option) {
    case view_option::ShowThinking:
        return !game_.NoThinking;
    case view_option::HideOpponents:
        return game_.HideOpponents;
    default:
        return windowOptions_[static_cast<size_t>(option)];
    }
}

void GameSession::SetViewOption(int option, bool checked) {
    switch (option) {
    case view_option::ShowThinking:
        game_.SetShowThinking(checked);
        break;
    case view_option::HideOpponents:
        game_.SetHideOpponents(checked);
        break;
    default:
        windowOptions_[static_cast<size_t>(option)] = checked;
        break;
    }
}

void GameSession::RestoreViewOptions() {
    for (int option = view_option::AutoNextTurn; option < view_option::Count; ++option)
        windowOptions_[static_cast<size_t>(option)] = settings_.ViewOption(option);
    game_.SetShowThinking(settings_.ViewOption(view_option::ShowThinking));
    game_.SetHideOpponents(settings_.ViewOption(view_option::HideOpponents));
}

void GameSession::StoreViewOptions() {
    for (int option = 0; option < view_option::Count; ++option)
        settings_.SetViewOption(option, ViewOption(option));
}

// ---- The new-game dialog --------------------------------------------------------------------

void GameSession::ScenarioSelected(const GameDef& def) {
    const int mode = game_.TeamsMode;
    if (!TeamsAllowedBy(def, mode < 0 || mode > 4 ? 0 : mode))
        game_.ChooseTeams(~static_cast<int>(static_cast<uint16_t>(def.PlayerLimits)));
}

} // namespace marovane
