#include "engine/Game.h"
#include "engine/HeadlessPort.h"

#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <set>

namespace marovane {
namespace {

class GameState : public ::testing::Test {
protected:
    // A started 10 x 8 game with four human players.
    void SetUp() override {
        ASSERT_TRUE(game.NewGame(dir.Write("Plain", test::PlainDef(10, 8)), test::Humans(4)));
    }

    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game{specs, port, 7};
    test::TempDir dir;
};

TEST_F(GameState, PlayerFramesMirrorIntoTheirCorners) {
    struct Case {
        int p, x, y;
    };
    for (Case c : {Case{1, 1, 1}, Case{2, 10, 8}, Case{3, 1, 8}, Case{4, 10, 1}}) {
        int x = 1, y = 1;
        game.ToPlayerSide(x, y, c.p);
        EXPECT_EQ(x, c.x) << "player " << c.p;
        EXPECT_EQ(y, c.y) << "player " << c.p;
        game.ToPlayerSide(x, y, c.p);
        EXPECT_EQ(x, 1) << "the mapping is its own inverse";
        EXPECT_EQ(y, 1);
    }
    EXPECT_EQ(game.GetX(3, 2), 8);
    EXPECT_EQ(game.GetX(3, 3), 3);
    EXPECT_EQ(game.GetY(2, 3), 7);
    EXPECT_EQ(game.GetY(2, 4), 2);
}

TEST_F(GameState, PicturesAndStrengthCodesFollowPlacement) {
    game.SetUnit(5, 5, -1, 1);
    EXPECT_EQ(game.PicNum(5, 5), -1);
    EXPECT_EQ(game.BoardPic(5, 5), 0);
    EXPECT_EQ(game.BoardUnit(5, 5), 0);

    game.SetUnit(2, 3, 7, 3); // player 3's (2, 3) is board cell (2, 6)
    EXPECT_EQ(game.PicNum(2, 6), 2 * 15 + 7);
    EXPECT_EQ(game.BoardPic(2, 6), 2 * 15 + 7 + 1);
    EXPECT_EQ(game.BoardUnit(2, 6), specs.UnitStrength[7]);
    EXPECT_TRUE(game.HasUnit(7, 3));
    EXPECT_FALSE(game.HasUnit(7, 2));

    game.SetUnit(11, 1, 3, 1); // off the board: ignored
    game.SetUnit(0, 4, 3, 1);
    game.PlaceUnit(6, 4, unit_type::Wall, 2);
    EXPECT_EQ(game.PicNum(6, 4), 15 + 14);
    EXPECT_EQ(game.BoardUnit(6, 4), 150);
    game.SetPicNum(6, 4, -1);
    EXPECT_EQ(game.BoardPic(6, 4), 0);
}

TEST_F(GameState, PartyUnitsExcludeRoyalsAndWalls) {
    for (int t = 0; t < kUnitTypes; ++t)
        EXPECT_EQ(Game::IsPartyUnit(t), t < 12) << t;
}

TEST_F(GameState, UnusualStrengthCodesStillMakeUnits) {
    UnitSpecs odd = specs;
    odd.UnitStrength[3] = 50; // five hit points, never moves
    odd.UnitStrength[4] = 9;  // no hit points, nine moves: still occupies its cell
    Game other(odd, port, 1);
    ASSERT_TRUE(other.NewGame(dir.Write("Plain", test::PlainDef(10, 8)), test::Humans(2)));
    other.PlaceUnit(5, 5, 3, 1);
    other.PlaceUnit(6, 5, 4, 1);
    EXPECT_EQ(other.BoardUnit(5, 5) / 10, 5);
    EXPECT_EQ(other.BoardUnit(5, 5) % 10, 0);
    EXPECT_GT(other.BoardUnit(6, 5), 0);
    EXPECT_TRUE(other.HasUnit(4, 1));
}

TEST_F(GameState, VacantSlotsAndRemotePlay) {
    game.PlayerOut[2] = true;
    game.PlayerComp[2] = false;
    EXPECT_TRUE(game.IsVacant(2));
    game.PlayerComp[2] = true;
    EXPECT_FALSE(game.IsVacant(2)) << "a computer who is out is not vacant";
    game.PlayerComp[2] = false;
    game.Def.PlayerKinds = 0;
    EXPECT_FALSE(game.IsVacant(2));

    EXPECT_FALSE(game.PlayedRemotely(2)) << "local game";
    game.Role = NetworkRole::Guest;
    game.MyPlayer = 1;
    game.PlayerComp[2] = true;
    EXPECT_TRUE(game.PlayedRemotely(2));
    game.PlayerComp[1] = true;
    EXPECT_FALSE(game.PlayedRemotely(1)) << "a guest plays its own slot";
    game.Role = NetworkRole::Host;
    game.RemotePlayer[3] = 1;
    EXPECT_TRUE(game.PlayedRemotely(3));
    EXPECT_FALSE(game.PlayedRemotely(2));
}

TEST_F(GameState, TeamArrangements) {
    game.PlayerComp = {false, true, false, true, false};
    auto teams = [&](int mode) {
        game.TeamsMode = static_cast<int16_t>(mode);
        std::set<std::pair<int, int>> pairs;
        for (int p = 1; p <= 4; ++p) {
            for (int q = p + 1; q <= 4; ++q) {
                if (game.SameTeam(p, q))
                    pairs.insert({p, q});
            }
        }
        return pairs;
    };
    using Pairs = std::set<std::pair<int, int>>;
    EXPECT_EQ(teams(0), Pairs{});
    EXPECT_EQ(teams(1), (Pairs{{1, 3}, {2, 4}}));
    EXPECT_EQ(teams(2), (Pairs{{1, 3}, {2, 4}}));
    EXPECT_EQ(teams(3), (Pairs{{1, 4}, {2, 3}}));
    EXPECT_EQ(teams(4), (Pairs{{1, 2}, {3, 4}}));
    EXPECT_EQ(teams(7), Pairs{});
    game.TeamsMode = 4;
    EXPECT_TRUE(game.SameTeam(3, 3));

    // A guest follows the flags its host sent.
    game.Role = NetworkRole::Guest;
    game.NetTeam = {false, true, false, false, true};
    EXPECT_EQ(teams(0), (Pairs{{1, 4}, {2, 3}}));
}

TEST_F(GameState, TeamsMenuFallsBackToTheFirstAllowedArrangement) {
    game.Def.PlayerLimits = 0x0F | (1 << 4) | (1 << 6); // Free for All and Left vs. Right forbidden
    game.ChooseTeams(2);
    EXPECT_EQ(game.TeamsMode, 1);
    game.ChooseTeams(4);
    EXPECT_EQ(game.TeamsMode, 4);
    // A negative argument checks against its own complement: Not -18 = 17 forbids mode 0 only.
    game.ChooseTeams(-18);
    EXPECT_EQ(game.TeamsMode, 1);
    game.Role = NetworkRole::Guest;
    game.ChooseTeams(0);
    EXPECT_EQ(game.TeamsMode, 0) << "a guest takes what the host decided";
}

TEST_F(GameState, HidingOpponentsSwitchesThinkingOff) {
    game.SetShowThinking(true);
    EXPECT_FALSE(game.NoThinking);
    game.SetHideOpponents(true);
    EXPECT_TRUE(game.HideOpponents);
    EXPECT_TRUE(game.NoThinking);
    game.SetHideOpponents(false);
    EXPECT_TRUE(game.NoThinking) << "thinking stays off until chosen again";
}

TEST(RandomSource, SameSeedSameSequenceAndSeededValuesAreFixed) {
    Random a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        double x = a.Rnd();
        EXPECT_EQ(x, b.Rnd());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
        differs = differs || x != c.Rnd();
    }
    EXPECT_TRUE(differs);

    EXPECT_EQ(SeededRandom(-0.25), SeededRandom(-0.25));
    std::set<double> values;
    for (int k = 0; k < 200; ++k) {
        double v = SeededRandom(-0.5 - 0.002 * k);
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 1.0);
        values.insert(v);
    }
    EXPECT_EQ(values.size(), 200u) << "nearby seeds give different values";
}

} // namespace
} // namespace marovane
