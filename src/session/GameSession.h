#pragma once

#include "ai/ComputerOpponent.h"
#include "engine/Game.h"
#include "scenario/NewGameSetup.h"
#include "scenario/ScenarioFolders.h"
#include "session/Autosaves.h"
#include "session/EventLog.h"
#include "session/GameRecord.h"
#include "session/RecentFiles.h"
#include "session/Settings.h"
#include "session/StepHistory.h"

#include <filesystem>
#include <optional>
#include <string>

namespace marovane {

// One game as every front end drives it: the window, the command-line tool and, through them,
// the network. The session owns the game and its computer player, starts new games (at once, or
// once a running game has stopped), loads and saves them through one checked path, and answers
// the questions about the current turn that the menus and commands ask.
class GameSession : private TurnJournal, private GameEventListener {
public:
    GameSession(const UnitSpecs& specs, BoardView& view, GameInteraction& interaction,
                Scheduler& scheduler, uint64_t seed, std::filesystem::path programDir,
                SettingsStore& settings);
    GameSession(const UnitSpecs& specs, GamePort& port, uint64_t seed,
                std::filesystem::path programDir, SettingsStore& settings)
        : GameSession(specs, port, port, port, seed, std::move(programDir), settings) {}
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;
    ~GameSession() override;

    Game& CurrentGame() { return game_; }
    const Game& CurrentGame() const { return game_; }
    const UnitSpecs& Specs() const { return game_.Specs(); }
    const std::filesystem::path& ProgramDir() const { return programDir_; }
    // The scenarios of the program folder and, when that cannot be written, of the player's own.
    const ScenarioFolders& Scenarios() const { return scenarios_; }
    // The player's own scenario folder, for an installed program whose folder is read-only.
    void SetPlayerScenarioFolder(const std::filesystem::path& folder) {
        scenarios_ = ScenarioFolders(programDir_, folder);
    }
    PlayerSettings& Settings() { return settings_; }

    // The computer player of the computer slots: the session's own unless another is set. With
    // none (null), a computer's turn waits like a human's.
    ComputerOpponent& OwnComputer() { return computer_; }
    void SetComputerPlayer(ComputerPlayer* computer);
    void SetNetwork(GameNetwork* network) { game_.SetNetwork(network); }

    // ---- New games ------------------------------------------------------------------------
    enum class StartResult {
        Started,  // the game is on
        Deferred, // a game was running: it stopped, and StartPendingGame starts the new one
        Refused,  // the scenario was refused with a message; nothing changed
    };
    // A new game chosen by the player. While another game runs it may be in the middle of a
    // computer turn that lets window events run: that game stops at once and the new one waits
    // until the old work has noticed and returned.
    StartResult RequestNewGame(const std::filesystem::path& scenario, const NewGameSetup& setup);
    bool HasPendingGame() const { return pending_.has_value(); }
    // Starts the game that RequestNewGame deferred; false when it was refused.
    bool StartPendingGame();
    // Starts a game at once; false (after the message) when the scenario was refused.
    bool StartNewGame(const std::filesystem::path& scenario, const NewGameSetup& setup);
    // Stops the running game, as a new or a network game is about to replace it (Game::Stop).
    void StopGame() { game_.Stop(); }
    // A scenario given by path, or by its name in the scenario list; nothing when neither.
    std::optional<std::filesystem::path> FindScenarioFile(const std::string& given) const;

    // ---- Saved games ----------------------------------------------------------------------
    // Reads a saved game and checks all of it; only then does the running game end and the saved
    // one take its place, shown whole. Throws marovane::Error whose first line is
    // "Invalid save file." and leaves everything as it was when the file is refused.
    void Load(const std::filesystem::path& path);
    // Writes the running game through a temporary file and records the path as the game's
    // file. Throws marovane::Error naming the problem.
    void Save(const std::filesystem::path& path);
    // A loaded game whose current player is the computer's: the computer plays on, as after
    // Player > Computer.
    void PlayPendingComputerTurn();

    // ---- The current turn -----------------------------------------------------------------
    // A human at this machine is to move: the board takes clicks and the turn commands work.
    bool HumanToMove() const { return HumansTurn() && !handOverPending_; }
    // Saving is offered during a human's turn only, also while the board waits for him.
    bool SavingAllowed() const { return HumansTurn(); }
    // The board waits, covered, for the human whose turn began to say he is at the machine
    // (see Game::HandsOverBetweenTurns); until then nothing of his turn shows and he cannot
    // move.
    bool HandOverPending() const { return handOverPending_; }
    void BeginHandedOverTurn() { handOverPending_ = false; }
    // Only a display that can cover the board waits for hand-overs; the command-line tool
    // shows no board to cover.
    void CoverHandOvers() { coversHandOvers_ = true; }
    // Player > Computer is offered when the scenario allows both kinds in the current slot.
    bool ComputerSwitchAllowed() const;

    // ---- Steps back, autosaves and recent files --------------------------------------------
    // Game > Undo is offered while a human at this machine has a step of this turn to take back
    // in a game that is not played over the network.
    bool UndoAllowed() const;
    // Takes back the current human's last step; false when there is none to take back.
    bool Undo();
    // The folder that keeps a game at the start of every human turn of a local game; none (the
    // default) keeps nothing.
    void SetAutosaveFolder(const std::filesystem::path& folder) {
        autosaves_.emplace(folder);
        autosaveKept_.reset();
    }
    // The kept games, newest first; empty without a folder.
    std::vector<std::filesystem::path> AutosaveFiles() const;
    // Whether a game is kept. The window asks at every turn: the folder is looked at once, and
    // again only after this session kept a game.
    bool AutosaveKept() const;
    // Game > Resume Last Game: loads the newest kept game that reads well; a damaged one is
    // passed over with a message. False (after a message) when none could be loaded.
    bool ResumeLastGame();
    // Game > Recent: the saved games and scenarios opened last, those that still exist.
    std::vector<std::filesystem::path> RecentFiles() { return recent_.Existing(); }

    // ---- Leaving the game on the board ----------------------------------------------------
    // What the player is asked before a command ends the running game of this machine (New,
    // Load, a recent file, Resume Last Game, the tutorial, Connect to Host): nothing for no game
    // or a network game (whose own questions stay), whether to save it first during a human's
    // turn, and whether to give it up unsaved while a computer moves (saving waits for a human).
    enum class LeavingQuestion { None, SaveFirst, DiscardUnsaved };
    LeavingQuestion QuestionBeforeLeaving() const;
    // Both translated under "Session".
    static constexpr const char* kSaveFirstQuestion =
        MAROVANE_TEXT("Session", "Save the current game first?");
    static constexpr const char* kDiscardUnsavedQuestion = MAROVANE_TEXT(
        "Session", "The current game can be saved only during a human's turn. Discard it?");
    // Player > Resign asks first: "Resign Player N's game?".
    Text ResignQuestion() const;

    // The round and what each player lost, destroyed and spent, from the rules' events.
    const GameRecord& Record() const { return record_; }
    GameRecord& Record() { return record_; }
    // What happened, in words, as the player at this machine may read it.
    const EventLog& Log() const { return log_; }
    EventLog& Log() { return log_; }

    // ---- The Options menu ---------------------------------------------------------------------
    // "Show Computer Thinking" and "Hide Opponents Turn" are the game's view settings (hiding
    // also stops the thinking from showing); "Auto Next Turn" is the session's.
    bool ViewOption(int option) const;
    void SetViewOption(int option, bool checked);
    // The options as the player left them last time, and storing them for next time.
    void RestoreViewOptions();
    void StoreViewOptions();

    // Options > Computer Strength: how strongly every computer player of this machine plays from
    // his next turn on, kept in the settings for the next time.
    ComputerLevel ComputerStrength() const { return settings_.ComputerStrength(); }
    void SetComputerStrength(ComputerLevel level);

    // ---- The new-game dialog ------------------------------------------------------------------
    // The dialog selected a scenario: an arrangement of teams it forbids falls to one it allows.
    void ScenarioSelected(const GameDef& def);

private:
    void LoadChecked(const std::filesystem::path& path);
    void ShowLoadedGame();
    bool HumansTurn() const;
    // Whether the turn of player p, just begun, waits for the hand-over.
    void AwaitHandOverFor(int p);
    void StepTaking(const Game& game) override;
    void StepsFinal() override { steps_.Clear(); }
    void HumanTurnBegins(const Game& game) override;
    // What the rules did: anything but a step cannot be taken back.
    void Heard(const Game& game, const GameEvent& event) override;

    std::filesystem::path programDir_;
    ScenarioFolders scenarios_;
    PlayerSettings settings_;
    Game game_;
    ComputerOpponent computer_;
    ComputerPlayer* computerPlayer_ = &computer_;
    // The options that only the window follows (Auto Next Turn and after), by option number.
    std::array<bool, view_option::Count> windowOptions_{false, false, true, true, true};
    bool coversHandOvers_ = false;
    bool handOverPending_ = false;
    StepHistory steps_;
    GameRecord record_;
    // Hears each event after the record, whose round its headings show.
    EventLog log_{record_};
    std::optional<Autosaves> autosaves_;
    mutable std::optional<bool> autosaveKept_;
    bool autosaveFailureShown_ = false;
    marovane::RecentFiles recent_;

    struct PendingGame {
        std::filesystem::path Scenario;
        NewGameSetup Setup;
    };
    std::optional<PendingGame> pending_;
};

} // namespace marovane
