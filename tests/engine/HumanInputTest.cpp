#include "support/RulesFixture.h"

namespace marovane {
namespace {

class HumanInput : public test::RulesFixture {
protected:
    void SetUp() override {
        for (int t = 0; t < kUnitTypes; ++t) {
            specs.UnitMinDamage[t] = specs.UnitMaxDamage[t] = 1;
            specs.UnitRange[t] = 1;
        }
        specs.UnitStrength[3] = 53;
        specs.UnitRange[7] = 3;
        specs.UnitRange[2] = 4;
        specs.UnitRange[1] = 2;
    }
};

TEST_F(HumanInput, SelectingAndSteppingOneCellPerClick) {
    Start(test::PlainDef(10, 10), 2);
    Put(4, 4, 3, 1);
    Put(5, 5, 3, 1);
    game->BoardUnit(5, 5) = 50; // no moves left
    game->CellClick(5, 5);
    EXPECT_EQ(game->HighX, 0) << "a unit without moves is not selected";
    game->CellClick(4, 4);
    EXPECT_EQ(game->HighX, 4);
    game->CellClick(6, 4);
    EXPECT_EQ(game->PicNum(4, 4), 3) << "two cells away: no move";
    game->CellClick(4, 3);
    EXPECT_EQ(game->PicNum(4, 3), 3);
    EXPECT_EQ(game->PicNum(4, 4), -1);
    EXPECT_EQ(game->HighY, 3) << "the unit stays selected while it has moves";
    EXPECT_TRUE(game->NextTurnEnabled);
}

TEST_F(HumanInput, AttackingWithinReachOnly) {
    Start(test::PlainDef(10, 10), 2);
    Put(4, 4, 3, 1);
    Put(6, 6, 4, 2);
    game->CellClick(4, 4);
    game->CellClick(6, 6);
    EXPECT_EQ(game->BoardUnit(6, 6), specs.UnitStrength[4]) << "out of reach: nothing";
    Put(5, 5, 4, 2);
    game->CellClick(5, 5);
    EXPECT_EQ(game->BoardUnit(5, 5), specs.UnitStrength[4] - 10);
    EXPECT_EQ(game->HighX, 0) << "an attack ends the unit's turn";
    EXPECT_EQ(MovesLeft(4, 4), 0);
}

TEST_F(HumanInput, PriestsHealAndPeasantsRepairTeamMates) {
    Start(test::PlainDef(10, 10), 2);
    Put(4, 4, 1, 1);
    Put(6, 4, 3, 1);
    game->BoardUnit(6, 4) = 23;
    game->CellClick(4, 4);
    game->CellClick(6, 4);
    EXPECT_EQ(game->BoardUnit(6, 4), 33) << "healed from two cells away";

    Put(2, 2, 0, 1);
    Put(3, 3, unit_type::Wall, 1);
    game->BoardUnit(3, 3) = 100;
    game->CellClick(2, 2);
    game->CellClick(3, 3);
    EXPECT_EQ(game->BoardUnit(3, 3), 150) << "a roll of 1 repairs five hit points";
}

TEST_F(HumanInput, ClicksAreIgnoredWhileTheComputerPlays) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Human};
    Start(test::PlainDef(10, 10), setup);
    Put(4, 4, 3, 1);
    game->CellClick(4, 4);
    EXPECT_EQ(game->HighX, 0);
    EXPECT_EQ(game->ClickPreview(4, 4), ClickAction::None);
}

TEST_F(HumanInput, NextUnitGoesFromTheFarthestAndCyclesAround) {
    Start(test::PlainDef(10, 10), 2);
    Put(2, 2, 3, 1);
    Put(6, 3, 3, 1);
    Put(3, 6, 3, 1); // the same distance as (6, 3): the x loop runs from the far corner first
    Put(9, 9, 3, 2);
    std::vector<std::pair<int, int>> order;
    for (int i = 0; i < 4; ++i) {
        game->SelectNextUnit();
        order.push_back({game->HighX, game->HighY});
    }
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{6, 3}, {3, 6}, {2, 2}, {6, 3}}));
}

TEST_F(HumanInput, NextUnitCountsFromEachPlayersOwnCorner) {
    Start(test::PlainDef(10, 10), 2);
    Put(2, 2, 3, 2);
    Put(9, 9, 3, 2);
    game->NextPlayer();
    ASSERT_EQ(game->CurrentPlayer, 2);
    game->SelectNextUnit();
    EXPECT_EQ(game->HighX, 2) << "player 2's home is the bottom right";
}

TEST_F(HumanInput, NextUnitBeepsWhenNothingCanMove) {
    Start(test::PlainDef(10, 10), 2);
    Put(2, 2, unit_type::Wall, 1);
    game->SelectNextUnit();
    EXPECT_EQ(port.Beeps, 1);
    EXPECT_EQ(game->HighX, 0);
}

TEST_F(HumanInput, PointersNameWhatAClickWouldDo) {
    Start(CastleDef(12, 12), 2);
    Put(5, 5, 3, 1);
    game->CellClick(5, 5);
    Put(6, 6, 4, 2);
    Put(4, 4, 4, 1);
    double chance = 0;
    EXPECT_EQ(game->ClickPreview(5, 5), ClickAction::None);
    EXPECT_EQ(game->ClickPreview(6, 6, &chance), ClickAction::Attack);
    EXPECT_EQ(chance, 1.0);
    EXPECT_EQ(game->ClickPreview(5, 6), ClickAction::Move);
    EXPECT_EQ(game->ClickPreview(7, 7), ClickAction::NoDrop);
    EXPECT_EQ(game->ClickPreview(4, 4), ClickAction::Select);

    Put(8, 8, 7, 1);
    game->CellClick(8, 8);
    EXPECT_EQ(game->ClickPreview(6, 6, &chance), ClickAction::Arrow);
    Put(9, 5, 2, 1);
    game->CellClick(9, 5);
    EXPECT_EQ(game->ClickPreview(6, 6), ClickAction::Rock);

    Put(3, 2, 3, 1); // on player 1's wall
    Put(4, 2, 4, 2);
    game->CellClick(3, 2);
    EXPECT_EQ(game->ClickPreview(4, 2), ClickAction::Oil);
    EXPECT_EQ(game->ClickPreview(4, 3), ClickAction::NoDrop) << "no step off the wall outwards";

    Put(7, 4, 1, 1);
    Put(8, 4, 3, 1);
    game->BoardUnit(8, 4) = 20;
    game->CellClick(7, 4);
    EXPECT_EQ(game->ClickPreview(8, 4), ClickAction::Heal);
    Put(7, 2, 0, 1);
    Put(8, 2, unit_type::Wall, 1);
    game->BoardUnit(8, 2) = 20;
    game->CellClick(7, 2);
    EXPECT_EQ(game->ClickPreview(8, 2), ClickAction::Repair);
}

TEST_F(HumanInput, AHiddenCellActsAsEmptyGrass) {
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Fog));
    Start(def, 2);
    Put(3, 3, unit_type::Catapult, 1); // reach 4, but sight cut to 3 cells
    Put(7, 3, 4, 2);
    game->Update();
    ASSERT_FALSE(game->Visible(7, 3));
    game->CellClick(3, 3);
    ASSERT_EQ(game->HighX, 3);

    double chance = -1;
    EXPECT_EQ(game->ClickPreview(7, 3, &chance), ClickAction::NoDrop) << "the pointer";
    EXPECT_EQ(chance, 0) << "the chance to hit";
    game->DispStats(7, 3, 0);
    EXPECT_EQ(port.Panels[0], (std::array<int, 2>{0, 0})) << "the floating panel";
    game->CellClick(7, 3);
    EXPECT_EQ(game->BoardUnit(7, 3), specs.UnitStrength[4]) << "the click";
    EXPECT_EQ(MovesLeft(3, 3), specs.Moves(unit_type::Catapult));

    // Once a unit of his sees the cell, the same target can be aimed at and shown.
    Put(7, 4, 4, 1);
    game->Update();
    ASSERT_TRUE(game->Visible(7, 3));
    EXPECT_EQ(game->ClickPreview(7, 3, &chance), ClickAction::Rock);
    EXPECT_GT(chance, 0);
    game->DispStats(7, 3, 0);
    EXPECT_EQ(port.Panels[0], (std::array<int, 2>{7, 3}));
}

} // namespace
} // namespace marovane
