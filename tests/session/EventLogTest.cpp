#include "session/GameSession.h"

#include "engine/HeadlessPort.h"
#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

using namespace game_event;

// A session on a 12 x 12 board with a unit of each player, whose log is read after each scripted
// event. The computer
// of a computer slot does not play: its turns are scripted too.
class EventLogTest : public ::testing::Test {
protected:
    EventLogTest() : session(specs, port, 5, dir.Path(), settings) {
        specs.UnitName[3] = "Light Infantry";
        specs.UnitName[6] = "Archer";
        session.SetComputerPlayer(nullptr);
    }

    void Start(std::vector<SlotKind> slots, bool fog) {
        GameDef def = test::PlainDef(12, 12);
        if (fog)
            def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Fog));
        NewGameSetup setup;
        setup.Slots = std::move(slots);
        ASSERT_TRUE(session.StartNewGame(dir.Write("Log", def), setup));
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y)
                game().SetUnit(x, y, -1, 1);
        }
        // One unit each, far apart: each player has a turn to play.
        game().PlaceUnit(2, 2, 3, 1);
        game().PlaceUnit(11, 11, 3, 2);
        game().Update();
    }
    Game& game() { return session.CurrentGame(); }
    EventLog& log() { return session.Log(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const EventLog::Line& line : session.Log().Lines())
            texts.push_back(line.Text.English());
        return texts;
    }
    // A line as its English words read.
    struct PlainLine {
        std::string Text;
        int Player = 0;
        bool Heading = false;
        bool operator==(const PlainLine&) const = default;
    };
    static PlainLine Plain(const EventLog::Line& line) {
        return {line.Text.English(), line.Player, line.Heading};
    }

    static Battle Fight(int attacker, int attackerType, Cell from, int target, int targetType,
                        Cell to) {
        Battle b;
        b.Attacker = attacker;
        b.AttackerType = attackerType;
        b.Target = target;
        b.TargetType = targetType;
        b.From = from;
        b.To = to;
        return b;
    }

    UnitSpecs specs = test::TestSpecs();
    test::TempDir dir;
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

TEST_F(EventLogTest, EachEventIsToldInPlainWordsInTheColourOfWhoActed) {
    Start({SlotKind::Human, SlotKind::Human}, false);
    Battle hitBack = Fight(1, 3, {2, 2}, 2, 6, {3, 3});
    hitBack.Hit = true;
    hitBack.Damage = 12;
    hitBack.Counter = 4;
    Battle miss = Fight(2, 6, {3, 3}, 1, 3, {5, 3});
    Battle killed = Fight(1, 3, {2, 2}, 2, 6, {3, 3});
    killed.Hit = true;
    killed.Damage = 9;
    killed.TargetKilled = true;
    Battle fatalAnswer = Fight(2, 6, {3, 3}, 1, 3, {2, 2});
    fatalAnswer.Hit = true;
    fatalAnswer.Damage = 1;
    fatalAnswer.Counter = 5;
    fatalAnswer.AttackerKilled = true;
    struct Case {
        GameEvent Event;
        std::string Text; // empty: no line
        int Player;
    };
    const Case cases[] = {
        {hitBack,
         "Light Infantry (Player 1) hits Archer (Player 2) for 12; Archer strikes back for 4", 1},
        {miss, "Archer (Player 2) misses Light Infantry (Player 1)", 2},
        {killed, "Light Infantry (Player 1) hits Archer (Player 2) for 9; Archer is destroyed", 1},
        {fatalAnswer,
         "Archer (Player 2) hits Light Infantry (Player 1) for 1; Light Infantry strikes back for "
         "5; Archer is destroyed",
         2},
        {Heal{1, {2, 2}, {2, 3}, 6, 3}, "Type 1 (Player 1) heals Archer for 3", 1},
        {Heal{1, {2, 2}, {2, 3}, 6, 0}, "Type 1 (Player 1) tends Archer without effect", 1},
        {Repair{2, {4, 4}, {4, 5}, 7}, "Type 0 (Player 2) repairs Type 14 for 7", 2},
        {Purchase{1, 6, {1, 1}, 160}, "Player 1 buys Archer for 160\xA4", 1},
        {Sale{2, 3, {12, 12}, 65}, "Player 2 sells Light Infantry for 65\xA4", 2},
        {Rescue{1, unit_type::King, {1, 1}, 500},
         "Player 1 brings Type 12 home for a reward of 500\xA4", 1},
        {Freed{2, unit_type::Queen, {6, 6}}, "Type 13 (Player 2) is freed and joins the party", 2},
        {Raid{2, 1, {1, 1}, 200}, "Player 2 raids Player 1's keep and takes 200\xA4", 2},
        {CastleTaken{1, 2, {12, 12}, 450},
         "Player 1 takes Player 2's castle and 450\xA4 of its treasury", 1},
        {PlayerOut{2, 1}, "Player 2 has been conquered", 2},
        {Step{1, 3, {2, 2}, {3, 2}}, "", 0},
        {GameEnd{1, 1, false}, "Player 1 has conquered all", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        const size_t before = log().Lines().size();
        log().Heard(game(), c.Event);
        if (c.Text.empty()) {
            EXPECT_EQ(log().Lines().size(), before);
            continue;
        }
        ASSERT_EQ(log().Lines().size(), before + 1);
        EXPECT_EQ(Plain(log().Lines().back()), (PlainLine{c.Text, c.Player, false}));
    }
}

TEST_F(EventLogTest, TurnsHaveHeadingsAndABoxStandsForTheEventItAnnounces) {
    Start({SlotKind::Human, SlotKind::Human}, false);
    ASSERT_EQ(log().Lines().size(), 1u);
    EXPECT_EQ(Plain(log().Lines()[0]), (PlainLine{"Round 1 - Player 1", 1, true}));
    game().NextPlayer();
    game().NextPlayer();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Round 1 - Player 1", "Round 1 - Player 2",
                                                 "Round 2 - Player 1"}));

    // The box that announces a turn to humans sharing the machine adds nothing to its heading.
    log().Told(Verbatim("Player 1's Turn"));
    EXPECT_EQ(Texts().size(), 3u);

    // The rules showed "Player 2 resigns!" in a box, then told that he is out: one line.
    log().Told(Verbatim("Player 2 resigns!"));
    log().Heard(game(), PlayerOut{2, 0});
    log().Told(Verbatim("Autosave failed"));
    EXPECT_EQ(Plain(log().Lines()[3]), (PlainLine{"Player 2 resigns!", 2, false}));
    EXPECT_EQ(Plain(log().Lines()[4]), (PlainLine{"Autosave failed", 0, false}));

    // A loaded game starts afresh with its current turn's heading.
    session.Save(dir.Path() / "later.mvg");
    session.Load(dir.Path() / "later.mvg");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Round 1 since loading - Player 1"}));
    // A new game empties it, and a refused one leaves it as it was.
    EXPECT_FALSE(session.StartNewGame(dir.WriteBytes("Bad.def", "damaged"), test::Humans(2)));
    EXPECT_EQ(Texts().front(), "Round 1 since loading - Player 1");
    Start({SlotKind::Human, SlotKind::Human}, false);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Round 1 - Player 1"}));
}

// Under fog the log tells only what the human at the board saw: during the computer's turn what
// his own units see, and in a game of two humans at one machine each his own.
TEST_F(EventLogTest, FogKeepsWhatTheViewerCouldNotSeeOutOfTheLog) {
    Start({SlotKind::Human, SlotKind::Computer}, true);
    game().PlaceUnit(9, 9, 3, 2);
    game().PlaceUnit(10, 10, 6, 2);
    game().Update();
    game().NextPlayer(); // the computer's turn, which it sees and the human does not
    ASSERT_EQ(game().CurrentPlayer, 2);
    ASSERT_TRUE(game().Visible(10, 10));
    const size_t before = log().Lines().size();
    log().Heard(game(), Heal{2, {9, 9}, {10, 10}, 6, 3});
    EXPECT_EQ(log().Lines().size(), before) << "out of the human's sight";
    log().Heard(game(), Fight(2, 6, {4, 4}, 1, 3, {2, 2}));
    EXPECT_EQ(log().Lines().size(), before + 1) << "on the human's own unit";
    // A piece that stands in the fog is not named, nor its player's colour shown.
    log().Heard(game(), Fight(2, 6, {10, 10}, 1, 3, {2, 2}));
    EXPECT_EQ(Plain(log().Lines().back()),
              (PlainLine{"An unseen unit misses Light Infantry (Player 1)", 0, false}));

    Start({SlotKind::Human, SlotKind::Human}, true);
    log().Heard(game(), Fight(1, 3, {2, 2}, 2, 3, {3, 3}));
    const std::string seenByOne = log().Lines().back().get().Text.English();
    game().NextPlayer();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Round 1 - Player 1", "Round 1 - Player 2"}))
        << "player 2 does not read what only player 1 saw";
    game().NextPlayer();
    EXPECT_EQ(Texts()[1], seenByOne);
}

// A long game drops the oldest lines; each reader still reads his own lines in order, the same
// as when his lines are gathered afresh.
TEST_F(EventLogTest, ALongGameDropsTheOldestLinesOfEachReader) {
    Start({SlotKind::Human, SlotKind::Human}, true);
    for (int i = 0; i < 1100; ++i) {
        log().Heard(game(), Fight(1, 3, {10, 10}, 2, 3, {11, 11})); // only player 2 saw it
        log().Told(Verbatim("Message " + std::to_string(i)));
    }
    const std::vector<std::string> kept = Texts();
    ASSERT_LT(kept.size(), 2000u);
    EXPECT_EQ(kept.back(), "Message 1099");
    game().NextPlayer();
    game().NextPlayer();
    std::vector<std::string> afresh = Texts();
    afresh.resize(kept.size());
    EXPECT_EQ(afresh, kept);
}

TEST_F(EventLogTest, AHiddenTurnIsSummedUpAsWhatItCostTheViewer) {
    Start({SlotKind::Human, SlotKind::Computer}, false);
    game().SetHideOpponents(true);
    game().NextPlayer();
    Battle kill = Fight(2, 6, {4, 4}, 1, 3, {2, 2});
    kill.Hit = true;
    kill.TargetKilled = true;
    log().Heard(game(), kill);
    log().Heard(game(), Fight(2, 6, {4, 4}, 1, 0, {3, 2}));
    log().Heard(game(), Heal{2, {9, 9}, {10, 10}, 6, 3});
    log().Heard(game(), Purchase{2, 6, {12, 12}, 160});
    game().NextPlayer();
    game().NextPlayer();
    game().NextPlayer();
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Round 1 - Player 1",
                           "Round 1 - Player 2",
                           "Hidden turn: 2 attacks on your units; you lost Light Infantry",
                           "Round 2 - Player 1",
                           "Round 2 - Player 2",
                           "Hidden turn: none of your units was attacked",
                           "Round 3 - Player 1",
                       }));
}

} // namespace
} // namespace marovane
