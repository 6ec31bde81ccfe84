#include "session/GameSession.h"

#include "engine/HeadlessPort.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

using game_event::Battle;
using game_event::Purchase;

class GameRecordTest : public ::testing::Test {
protected:
    GameRecordTest() : session(specs, port, 5, dir.Path(), settings) {}

    void Start(int players) {
        ASSERT_TRUE(session.StartNewGame(dir.Write("Record", test::PlainDef(10, 10)),
                                         test::Humans(players)));
    }
    Game& game() { return session.CurrentGame(); }
    const GameRecord& record() const { return session.Record(); }

    UnitSpecs specs = test::TestSpecs();
    test::TempDir dir;
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

TEST_F(GameRecordTest, ARoundEndsWhenTheTurnComesBackToTheFirstSlot) {
    Start(3);
    EXPECT_EQ(record().RoundText().English(), "Round 1");
    game().NextPlayer();
    game().NextPlayer();
    EXPECT_EQ(game().CurrentPlayer, 3);
    EXPECT_EQ(record().Round(), 1);
    game().NextPlayer();
    EXPECT_EQ(record().RoundText().English(), "Round 2");

    // A saved game does not hold the round: after its first round it is counted from loading.
    session.Save(dir.Path() / "later.mvg");
    session.Load(dir.Path() / "later.mvg");
    EXPECT_EQ(record().RoundText().English(), "Round 1 since loading");
    game().NextPlayer();
    game().NextPlayer();
    game().NextPlayer();
    EXPECT_EQ(record().RoundText().English(), "Round 2 since loading");

    // A new game counts afresh.
    Start(2);
    EXPECT_EQ(record().RoundText().English(), "Round 1");
    EXPECT_EQ(record().For(1), GameRecord::Tally{});
}

TEST_F(GameRecordTest, BattlesAndPurchasesAreCountedForBothSides) {
    Start(2);
    GameRecord& heard = session.Record();
    const auto battle = [](int attacker, int target, int targetType, bool targetKilled,
                           bool attackerKilled) {
        Battle b;
        b.Attacker = attacker;
        b.AttackerType = 4;
        b.Target = target;
        b.TargetType = targetType;
        b.Hit = targetKilled;
        b.TargetKilled = targetKilled;
        b.AttackerKilled = attackerKilled;
        return b;
    };
    heard.Heard(game(), battle(1, 2, 4, true, false));  // player 1 destroys a unit
    heard.Heard(game(), battle(1, 2, 4, false, true));  // the strike back destroys the attacker
    heard.Heard(game(), battle(2, 1, 4, false, false)); // a miss
    heard.Heard(game(), battle(2, 1, unit_type::Wall, true, false)); // a wall is no unit
    heard.Heard(game(), Purchase{2, 4, {1, 1}, 175});
    heard.Heard(game(), Purchase{2, 3, {1, 1}, 100});
    EXPECT_EQ(record().For(1), (GameRecord::Tally{1, 1, 0}));
    EXPECT_EQ(record().For(2), (GameRecord::Tally{1, 1, 275}));
    EXPECT_FALSE(record().Ending());
}

} // namespace
} // namespace marovane
