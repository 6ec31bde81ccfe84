#include "support/RulesFixture.h"

namespace marovane {
namespace {

class Fog : public test::RulesFixture {
protected:
    GameDef FogDef(bool castles, bool keeps) {
        GameDef def = castles ? CastleDef(16, 16, keeps) : test::PlainDef(16, 16);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Fog));
        if (!castles && keeps)
            def.Options = static_cast<int16_t>(def.Options & ~Bit(option_bit::NoKeep));
        return def;
    }
    int CountVisible() const {
        int count = 0;
        for (int x = 1; x <= game->BoardWidth; ++x) {
            for (int y = 1; y <= game->BoardHeight; ++y)
                count += game->Visible(x, y);
        }
        return count;
    }
};

TEST_F(Fog, SightIsCutToThreeCellsOrFourFromAWall) {
    specs.UnitRange[6] = 2;
    specs.UnitStrength[6] = 45; // sees max(2, 5) = 5 cells, cut to 3
    Start(FogDef(false, false), 2);
    Put(8, 8, 6, 1);
    game->Update();
    EXPECT_EQ(CountVisible(), 7 * 7);
    EXPECT_TRUE(game->Visible(5, 11));
    EXPECT_FALSE(game->Visible(4, 8));

    Start(FogDef(true, false), 2);
    Put(3, 2, 6, 1); // on the castle wall
    game->Update();
    for (int x = 1; x <= 7; ++x) {
        for (int y = 1; y <= 6; ++y)
            EXPECT_TRUE(game->Visible(x, y)) << x << ", " << y;
    }
    EXPECT_FALSE(game->Visible(8, 2));
}

TEST_F(Fog, SmallSightIsNotCut) {
    specs.UnitRange[3] = 1;
    specs.UnitStrength[3] = 51;
    Start(FogDef(false, false), 2);
    Put(8, 8, 3, 1);
    game->Update();
    EXPECT_EQ(CountVisible(), 9);
}

TEST_F(Fog, RoyalsAndBattlesShowThroughTheFog) {
    Start(FogDef(false, false), 2);
    Put(14, 14, unit_type::King, 2);
    Put(10, 14, 3, 2);
    game->Update();
    EXPECT_TRUE(game->Visible(14, 14)) << "an opponent's King is always seen";
    EXPECT_FALSE(game->Visible(10, 14));
    EXPECT_FALSE(game->Visible(14, 13));
    game->Seen(10, 14, 1) = 1;
    game->Update();
    EXPECT_TRUE(game->Visible(10, 14)) << "a cell a battle revealed";
}

TEST_F(Fog, TheHomeCornerIsAlwaysSeenWhereThereIsACastleOrKeep) {
    Start(FogDef(true, true), 2);
    game->Update();
    EXPECT_EQ(CountVisible(), 16);
    Start(FogDef(true, false), 2);
    game->Update();
    EXPECT_EQ(CountVisible(), 4);
    Start(FogDef(false, false), 2);
    game->Update();
    EXPECT_EQ(CountVisible(), 0);
}

TEST_F(Fog, TheNextPlayerSeesWithHisOwnEyes) {
    Start(FogDef(false, false), 2);
    Put(2, 2, 3, 1);
    Put(15, 15, 3, 2);
    game->NextPlayer();
    EXPECT_TRUE(game->Visible(15, 15));
    EXPECT_FALSE(game->Visible(2, 2));
}

TEST_F(Fog, HighlightingAHiddenCellOnlyRemembersIt) {
    Start(FogDef(false, false), 2);
    game->Highlight(9, 9);
    EXPECT_EQ(game->HighX, 9);
    EXPECT_EQ(game->HighY, 9);
    EXPECT_FALSE(game->HighOn);
    EXPECT_TRUE(port.Highlights.empty());
}

TEST_F(Fog, WithoutFogEverythingIsVisible) {
    Start(test::PlainDef(10, 10), 2);
    game->Update();
    EXPECT_EQ(CountVisible(), 100);
}

} // namespace
} // namespace marovane
