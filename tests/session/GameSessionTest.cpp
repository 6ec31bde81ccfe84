#include "session/GameSession.h"

#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// A port that remembers what a loaded game showed.
class ShowingPort : public HeadlessPort {
public:
    void BoardResized(int width, int height) override { Resized = {width, height}; }
    void CellPictureChanged(int, int, int picture) override { Pictures += picture >= 0; }
    void TurnStarted() override { ++Turns; }
    void LoadPictureSet(const std::string& name) override { PictureSet = name; }

    std::pair<int, int> Resized{};
    int Pictures = 0;
    int Turns = 0;
    std::string PictureSet;
};

class GameSessionTest : public ::testing::Test {
protected:
    GameSessionTest() : session(specs, port, 5, dir.Path(), settings) {}

    fs::path Scenario(const std::string& name, int width = 10, int height = 10) {
        return dir.Write(name, test::PlainDef(width, height));
    }

    UnitSpecs specs = test::TestSpecs();
    test::TempDir dir;
    ShowingPort port;
    MemorySettings settings;
    GameSession session;
};

TEST_F(GameSessionTest, ANewGameChosenDuringAnotherWaitsUntilTheOldOneStopped) {
    ASSERT_TRUE(session.StartNewGame(Scenario("First"), test::Humans(2)));
    EXPECT_EQ(session.RequestNewGame(Scenario("Second", 12, 12), test::Humans(3)),
              GameSession::StartResult::Deferred);
    EXPECT_FALSE(session.CurrentGame().GameOn) << "the running game stops at once";
    EXPECT_EQ(session.CurrentGame().BoardWidth, 10) << "its board stays until the work unwound";
    ASSERT_TRUE(session.HasPendingGame());
    ASSERT_TRUE(session.StartPendingGame());
    EXPECT_FALSE(session.HasPendingGame());
    EXPECT_TRUE(session.CurrentGame().GameOn);
    EXPECT_EQ(session.CurrentGame().NumPlayers, 3);
    EXPECT_EQ(session.CurrentGame().BoardWidth, 12);

    // Without a game running the choice starts at once; a refused one changes nothing.
    session.CurrentGame().GameOver();
    GameDef tooSmall = test::PlainDef(3, 3);
    EXPECT_EQ(session.RequestNewGame(dir.Write("Tiny", tooSmall), test::Humans(4)),
              GameSession::StartResult::Refused);
    EXPECT_FALSE(session.HasPendingGame());
    EXPECT_EQ(session.RequestNewGame(Scenario("Third"), test::Humans(2)),
              GameSession::StartResult::Started);
}

TEST_F(GameSessionTest, LoadingChecksEverythingBeforeTheRunningGameEnds) {
    ASSERT_TRUE(session.StartNewGame(Scenario("Saved", 9, 9), test::Humans(2)));
    const fs::path saved = dir.Path() / "saved.mvg";
    session.Save(saved);
    EXPECT_EQ(session.CurrentGame().SaveFile, saved.string());

    ASSERT_TRUE(session.StartNewGame(Scenario("Running", 12, 12), test::Humans(3)));
    const test::Snapshot running(session.CurrentGame());
    std::string bytes = EncodeSavedGame(session.CurrentGame());
    bytes[2] = 'X';
    const fs::path damaged = dir.WriteBytes("damaged.mvg", bytes);
    EXPECT_THROW(session.Load(damaged), Error);
    EXPECT_THROW(session.Load(dir.Path() / "missing.mvg"), Error);
    EXPECT_EQ(test::Snapshot(session.CurrentGame()), running);
    EXPECT_TRUE(session.CurrentGame().GameOn);

    port.Pictures = 0;
    session.Load(saved);
    const Game& game = session.CurrentGame();
    EXPECT_TRUE(game.GameOn);
    EXPECT_EQ(game.BoardWidth, 9);
    EXPECT_EQ(game.SaveFile, saved.string());
    // The loaded board is shown whole: its size, every piece, the turn.
    EXPECT_EQ(port.Resized, std::make_pair(9, 9));
    EXPECT_EQ(port.Pictures, game.PartySize(1) + game.PartySize(2));
    EXPECT_GE(port.Turns, 1);
}

TEST_F(GameSessionTest, ATutorialGameLoadsWithTheLetterPictures) {
    GameDef def = test::PlainDef(10, 10);
    def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Tutorial));
    ASSERT_TRUE(session.StartNewGame(dir.Write("Lesson", def), test::Humans(2)));
    session.Save(dir.Path() / "lesson.mvg");
    port.PictureSet.clear();
    session.Load(dir.Path() / "lesson.mvg");
    EXPECT_EQ(port.PictureSet, "Alphabet");
}

TEST_F(GameSessionTest, ALoadedComputerTurnIsPlayedOn) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::Computer};
    ASSERT_TRUE(session.StartNewGame(Scenario("Versus"), setup));
    Game& game = session.CurrentGame();
    EXPECT_TRUE(session.HumanToMove());
    // A game saved while the computer was to move.
    game.CurrentPlayer = 2;
    session.Save(dir.Path() / "computer.mvg");
    game.CurrentPlayer = 1;
    session.Load(dir.Path() / "computer.mvg");
    ASSERT_EQ(game.CurrentPlayer, 2);
    EXPECT_FALSE(session.HumanToMove());
    EXPECT_FALSE(session.SavingAllowed());
    const int before = session.OwnComputer().TurnsPlayed();
    session.PlayPendingComputerTurn();
    EXPECT_EQ(session.OwnComputer().TurnsPlayed(), before + 1);
    EXPECT_EQ(game.CurrentPlayer, 1) << "the turn came back to the human";
    EXPECT_TRUE(session.HumanToMove());
}

TEST_F(GameSessionTest, TheComputerStrengthHoldsForEveryComputerSlotAndIsKept) {
    EXPECT_EQ(session.OwnComputer().Level(2), ComputerLevel::Standard);
    session.SetComputerStrength(ComputerLevel::Hard);
    EXPECT_EQ(settings.Values["Computer Level"], "Hard");
    for (int p = 1; p <= kMaxPlayers; ++p)
        EXPECT_EQ(session.OwnComputer().Level(p), ComputerLevel::Hard) << p;
    // The next time the game starts, its computers play as the player left them.
    GameSession next(specs, port, 5, dir.Path(), settings);
    EXPECT_EQ(next.ComputerStrength(), ComputerLevel::Hard);
    EXPECT_EQ(next.OwnComputer().Level(3), ComputerLevel::Hard);
}

TEST_F(GameSessionTest, PlayerComputerNeedsBothKindsAllowedInTheSlot) {
    GameDef def = test::PlainDef(10, 10);
    def.PlayerKinds = 0x01 | 0x02 | 0x20; // 1: human only; 2: human or computer
    ASSERT_TRUE(session.StartNewGame(dir.Write("Kinds", def), test::Humans(2)));
    EXPECT_FALSE(session.ComputerSwitchAllowed());
    session.CurrentGame().CurrentPlayer = 2;
    EXPECT_TRUE(session.ComputerSwitchAllowed());
}

TEST_F(GameSessionTest, AScenarioThatForbidsTheTeamsFallsToOneItAllows) {
    session.CurrentGame().ChooseTeams(2);
    GameDef def = test::PlainDef(10, 10);
    def.PlayerLimits = static_cast<int16_t>(0x0F | (1 << (4 + 0)) | (1 << (4 + 2)));
    session.ScenarioSelected(def);
    EXPECT_EQ(session.CurrentGame().TeamsMode, 1) << "the first arrangement it allows";
    session.CurrentGame().ChooseTeams(3);
    session.ScenarioSelected(def);
    EXPECT_EQ(session.CurrentGame().TeamsMode, 3) << "an allowed one stays";
}

TEST_F(GameSessionTest, ViewOptionsComeBackAsThePlayerLeftThem) {
    session.RestoreViewOptions();
    EXPECT_TRUE(session.ViewOption(view_option::ShowThinking)) << "shown when nothing is stored";
    EXPECT_FALSE(session.ViewOption(view_option::HideOpponents));
    EXPECT_TRUE(session.ViewOption(view_option::AutoNextTurn));

    session.SetViewOption(view_option::AutoNextTurn, false);
    session.SetViewOption(view_option::HideOpponents, true);
    EXPECT_FALSE(session.ViewOption(view_option::ShowThinking)) << "a hidden turn shows nothing";
    session.StoreViewOptions();
    EXPECT_EQ(settings.Values.at("&Hide Opponents Turn"), "True");
    EXPECT_EQ(settings.Values.at("&Auto Next Turn"), "False");
    EXPECT_EQ(settings.Values.at("Show Computer &Thinking"), "False");

    GameSession again(specs, port, 1, dir.Path(), settings);
    again.RestoreViewOptions();
    EXPECT_TRUE(again.CurrentGame().HideOpponents);
    EXPECT_TRUE(again.CurrentGame().NoThinking);
    EXPECT_FALSE(again.ViewOption(view_option::AutoNextTurn));
}

// What a command that ends the game on the board asks first: a human's game may be saved, a
// computer's turn cannot be, and a network game keeps its own questions.
TEST_F(GameSessionTest, LeavingAGameAsksWhatCanBeDoneWithIt) {
    using Q = GameSession::LeavingQuestion;
    EXPECT_EQ(session.QuestionBeforeLeaving(), Q::None) << "no game";
    ASSERT_TRUE(session.StartNewGame(Scenario("Leave"), test::Humans(2)));
    Game& game = session.CurrentGame();
    EXPECT_EQ(session.QuestionBeforeLeaving(), Q::SaveFirst);
    EXPECT_EQ(session.ResignQuestion().English(), "Resign Player 1's game?");
    game.PlayerComp[1] = true; // the computer is moving
    EXPECT_EQ(session.QuestionBeforeLeaving(), Q::DiscardUnsaved);
    game.PlayerComp[1] = false;
    game.Role = NetworkRole::Host;
    EXPECT_EQ(session.QuestionBeforeLeaving(), Q::None);
    game.Role = NetworkRole::Local;
    game.GameOver();
    EXPECT_EQ(session.QuestionBeforeLeaving(), Q::None) << "a game over";
}

} // namespace
} // namespace marovane
